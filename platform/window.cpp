// Window classes and windows: creation, destruction, showing, titles.
#include <QCheckBox>
#include <QCloseEvent>
#include <QPushButton>
#include <QGuiApplication>
#include <QScreen>
#include <QPainter>
#include <QStringDecoder>
#include <algorithm>
#include <cstring>

#include "platform/internal.h"

namespace {

std::vector<std::unique_ptr<WindowClass>> Classes;
// Every window ever created; a destroyed one stays as a dead record.
std::vector<std::unique_ptr<Window>> Windows;
std::vector<Window *> Live;

std::string Lower(const char *s) {
  std::string out = s ? s : "";
  for (char &c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

QString TextOf(const char *text, int length) {
  if (!text) return QString();
  if (length < 0) length = static_cast<int>(std::strlen(text));
  QByteArrayView bytes(text, length);
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString s = utf8(bytes);
  if (utf8.hasError()) return QString::fromLatin1(text, length);
  return s;
}

QWidget *Window::Widget() const {
  if (frame) return frame;
  if (button) return button;
  if (edit) return edit;
  if (list) return list;
  return client;
}

Window *LiveWindow(HWND hwnd) {
  if (!hwnd) return nullptr;
  auto it = std::find(Live.begin(), Live.end(), hwnd);
  return it == Live.end() ? nullptr : *it;
}

std::vector<Window *> &AllWindows() { return Live; }

WindowClass *FindClass(const std::string &name) {
  std::string key = Lower(name.c_str());
  for (auto &c : Classes)
    if (Lower(c->name.c_str()) == key) return c.get();
  return nullptr;
}

void ForgetClasses() { Classes.clear(); }

ATOM RegisterClassEx(const WNDCLASSEX *wc) {
  if (!wc || !wc->lpszClassName || !*wc->lpszClassName || !wc->lpfnWndProc) return 0;
  std::string lower = Lower(wc->lpszClassName);
  if (FindClass(wc->lpszClassName) || lower == "button" || lower == "edit" || lower == "listbox")
    return 0;
  COLORREF background = RGB(255, 255, 255);
  if (IsGdi(wc->hbrBackground, GdiKind::Brush)) background = wc->hbrBackground->colour;
  Classes.push_back(std::make_unique<WindowClass>(
      WindowClass{wc->lpszClassName, wc->lpfnWndProc, background, wc->hCursor, wc->hIcon}));
  return static_cast<ATOM>(0xC000 + Classes.size());
}

ClientWidget::ClientWidget(Window *w, QWidget *parent) : QWidget(parent), win(w) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
}

void ClientWidget::paintEvent(QPaintEvent *e) {
  QPainter p(this);
  p.drawImage(e->rect(), win->image, e->rect());
  if (!win->sharp.isNull() && win->sharpRect.intersects(e->rect())) {
    p.setClipRect(e->rect());
    p.drawImage(win->sharpRect, win->sharp);
  }
}

FrameWidget::FrameWidget(Window *w) : QWidget(nullptr), win(w) {
  setAttribute(Qt::WA_DeleteOnClose, false);
}

int FrameWidget::MenuHeight() const {
  if (!win->menuBar) return 0;
  int height = win->menuBar->heightForWidth(win->client->width());
  return height > 0 ? height : win->menuBar->sizeHint().height();
}

void FrameWidget::Arrange() {
  int menuHeight = MenuHeight();
  int width = win->client->width();
  if (win->menuBar) win->menuBar->setGeometry(0, 0, width, menuHeight);
  win->client->move(0, menuHeight);
  resize(width, win->client->height() + menuHeight);
}

void FrameWidget::resizeEvent(QResizeEvent *) {
  // The user sized the frame: the client area takes what the menu bar leaves.
  if (!win->alive || !win->client) return;
  int menuHeight = MenuHeight();
  if (win->menuBar) win->menuBar->setGeometry(0, 0, width(), menuHeight);
  ResizeClient(win, width(), height() - menuHeight);
}

void ResizeClient(Window *w, int width, int height) {
  width = std::clamp(width, 1, 8192);
  height = std::clamp(height, 1, 8192);
  if (!w->client || QSize(width, height) == w->image.size()) return;
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(PixelOf(w->background));
  QPainter(&image).drawImage(0, 0, w->image);
  w->image = image;
  w->sharp = QImage();
  w->client->resize(width, height);
  w->invalid = false;
  Invalidate(w, w->image.rect(), false);
  PostToQueue(w, WM_SIZE, 0, MAKELPARAM(width, height));
}

void FrameWidget::closeEvent(QCloseEvent *e) {
  // The close box asks the window; its procedure decides (DefWindowProc destroys it).
  e->ignore();
  PostToQueue(win, WM_CLOSE, 0, 0);
}

namespace {

LRESULT ButtonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Window *w = LiveWindow(hwnd);
  if (w && msg == BM_SETIMAGE && wParam == IMAGE_BITMAP) {
    HBITMAP old = w->buttonImage;
    HBITMAP bitmap = reinterpret_cast<HBITMAP>(lParam);
    if (bitmap && !IsGdi(bitmap, GdiKind::Bitmap)) return 0;
    w->buttonImage = bitmap;
    if (bitmap) {
      w->button->setIcon(QIcon(QPixmap::fromImage(bitmap->image)));
      w->button->setIconSize(bitmap->image.deviceIndependentSize().toSize());
    } else {
      w->button->setIcon(QIcon());
    }
    return reinterpret_cast<LRESULT>(old);
  }
  if (w && msg == BM_SETCHECK) {
    w->button->setCheckable(true);
    w->button->setChecked(wParam == BST_CHECKED);
    return 0;
  }
  if (w && msg == BM_GETCHECK) return w->button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
  return DefWindowProc(hwnd, msg, wParam, lParam);
}

LRESULT EditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefWindowProc(hwnd, msg, wParam, lParam);
}

Window *NewWindow() {
  Windows.push_back(std::make_unique<Window>());
  return Windows.back().get();
}

QWidget *ParentWidget(Window *parent) {
  if (!parent) return nullptr;
  return parent->client ? static_cast<QWidget *>(parent->client) : parent->Widget();
}

// A child control: a Qt widget placed at its rectangle in the parent's client area.
Window *CreateControl(Kind kind, const char *title, uint32_t style, int x, int y, int w, int h,
                      Window *parent, int id) {
  Window *win = NewWindow();
  win->kind = kind;
  win->style = style;
  win->parent = parent;
  win->id = id;
  win->title = title ? title : "";
  QWidget *parentWidget = ParentWidget(parent);
  if (kind == Kind::Button) {
    win->className = "button";
    win->proc = ButtonProc;
    if ((style & 0xF) == BS_AUTOCHECKBOX)
      win->button = new QCheckBox(parentWidget);
    else
      win->button = new QPushButton(parentWidget);
    if (!(style & BS_BITMAP)) win->button->setText(TextOf(title));
    win->button->setFocusPolicy(Qt::NoFocus);
    WatchButtonDrag(win);
    QObject::connect(win->button, &QAbstractButton::clicked, [win] {
      // A checkable face shows only what the program sets with BM_SETCHECK; a check box ticks
      // itself.
      if (win->button->isCheckable() && (win->style & 0xF) != BS_AUTOCHECKBOX)
        win->button->setChecked(!win->button->isChecked());
      if (win->alive && win->parent)
        PostToQueue(win->parent, WM_COMMAND, MAKEWPARAM(win->id, BN_CLICKED),
                    reinterpret_cast<LPARAM>(win));
    });
  } else if (kind == Kind::ListBox) {
    win->className = "listbox";
    MakeListBox(win, parentWidget);
  } else {
    win->className = "Edit";
    win->proc = EditProc;
    win->edit = new QLineEdit(parentWidget);
    win->edit->setFrame((style & WS_BORDER) != 0);
    win->edit->setText(TextOf(title));
  }
  win->Widget()->setGeometry(Coord(x), Coord(y), std::clamp(w, 0, 8192), std::clamp(h, 0, 8192));
  win->Widget()->setVisible((style & WS_VISIBLE) != 0);
  return win;
}

Window *CreateClassWindow(WindowClass *cls, const char *title, uint32_t style, int x, int y,
                          int w, int h, Window *parent, int id) {
  Window *win = NewWindow();
  win->kind = Kind::Class;
  win->className = cls->name;
  win->proc = cls->proc;
  win->background = cls->background;
  win->classCursor = cls->cursor;
  win->style = style;
  win->parent = parent;
  win->id = id;
  win->title = title ? title : "";
  int cw = parent ? w : w - 8, ch = parent ? h : h - 38;
  cw = std::clamp(cw, 1, 8192);
  ch = std::clamp(ch, 1, 8192);
  win->image = QImage(cw, ch, QImage::Format_RGB32);
  win->image.fill(PixelOf(win->background));
  if (parent) {
    win->client = new ClientWidget(win, ParentWidget(parent));
    win->client->setGeometry(Coord(x), Coord(y), cw, ch);
  } else {
    win->frame = new FrameWidget(win);
    win->client = new ClientWidget(win, win->frame);
    win->client->resize(cw, ch);
    win->frame->setWindowTitle(TextOf(title));
    if (IsGdi(cls->icon, GdiKind::Cursor)) win->frame->setWindowIcon(cls->icon->icon);
    win->frame->Arrange();
    win->frame->move(Coord(x), Coord(y));
    if (!(style & WS_THICKFRAME)) win->frame->setFixedSize(win->frame->size());
  }
  if (IsGdi(win->classCursor, GdiKind::Cursor)) win->client->setCursor(win->classCursor->cursor);
  // A new window is invalid, so that the first UpdateWindow or the message loop paints it.
  win->invalid = true;
  win->invalidRect = win->image.rect();
  return win;
}

}  // namespace

HWND CreateWindowEx(uint32_t, const char *className, const char *title, uint32_t style, int x,
                    int y, int w, int h, HWND parent, HMENU menu, HINSTANCE, void *) {
  if (!className) return nullptr;
  Window *owner = nullptr;
  if (parent) {
    owner = LiveWindow(parent);
    if (!owner) return nullptr;
  }
  std::string lower = Lower(className);
  int id = owner ? static_cast<int>(reinterpret_cast<intptr_t>(menu)) : 0;
  Window *win = nullptr;
  if (lower == "button" || lower == "edit" || lower == "listbox") {
    if (!owner) return nullptr;  // the controls live only inside a window
    Kind kind = lower == "button" ? Kind::Button : lower == "edit" ? Kind::Edit : Kind::ListBox;
    win = CreateControl(kind, title, style, x, y, w, h, owner, id);
  } else {
    WindowClass *cls = FindClass(className);
    if (!cls) return nullptr;
    win = CreateClassWindow(cls, title, style, x, y, w, h, owner, id);
  }
  Live.push_back(win);
  if (owner) owner->children.push_back(win);
  if (win->kind == Kind::Class) {
    if (SendMessage(win, WM_CREATE, 0, 0) == -1) {
      DestroyWindow(win);
      return nullptr;
    }
    if (!win->alive) return nullptr;  // destroyed while being created
    if (!owner && menu) SetMenu(win, menu);
    if (!owner && win->frame) {
      // The smallest size the procedure allows; the menu bar adds to the client's 38 pixels of
      // frame as it adds to the window on creation.
      MINMAXINFO info = {};
      SendMessage(win, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
      if (info.ptMinTrackSize.x > 8 && info.ptMinTrackSize.y > 38)
        win->frame->setMinimumSize(info.ptMinTrackSize.x - 8,
                                   info.ptMinTrackSize.y - 38 + win->frame->MenuHeight());
    }
    if (style & WS_VISIBLE) win->Widget()->show();
  }
  return win;
}

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM, LPARAM lParam) {
  Window *w = LiveWindow(hwnd);
  if (!w) return 0;
  switch (msg) {
    case WM_CLOSE:
      DestroyWindow(hwnd);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      BeginPaint(hwnd, &ps);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_SETTEXT: {
      const char *text = reinterpret_cast<const char *>(lParam);
      w->title = text ? text : "";
      QString s = TextOf(text);
      if (w->frame) w->frame->setWindowTitle(s);
      if (w->edit) w->edit->setText(s);
      if (w->button && !(w->style & BS_BITMAP)) w->button->setText(s);
      return 1;
    }
    default:
      return 0;
  }
}

bool DestroyWindow(HWND hwnd) {
  Window *w = LiveWindow(hwnd);
  if (!w || w->destroying) return false;
  w->destroying = true;
  if (w->proc) w->proc(w, WM_DESTROY, 0, 0);
  // Children after their parent, as the classic platform does.
  std::vector<Window *> children = w->children;
  for (Window *c : children) DestroyWindow(c);
  w->alive = false;
  Live.erase(std::remove(Live.begin(), Live.end(), w), Live.end());
  if (w->parent) {
    auto &siblings = w->parent->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), w), siblings.end());
  }
  DropMessagesOf(w);
  if (PointerWidget == w->client) PointerWidget = nullptr;
  if (w->button && DragWidget == w->button) DragWidget = nullptr;
  // A child widget goes with the parent's widget; delete only what has not gone already.
  if (QWidget *widget = w->Widget()) {
    bool parentGone = w->parent && !w->parent->alive;
    if (!parentGone) delete widget;
  }
  w->frame = nullptr;
  w->client = nullptr;
  w->button = nullptr;
  w->edit = nullptr;
  w->list = nullptr;
  w->menuBar = nullptr;
  w->image = QImage();
  w->children.clear();
  return true;
}

bool IsWindow(HWND hwnd) { return LiveWindow(hwnd) != nullptr; }

bool ShowWindow(HWND hwnd, int show) {
  Window *w = LiveWindow(hwnd);
  if (!w) return false;
  QWidget *widget = w->Widget();
  bool wasVisible = widget->isVisible();
  if (show == SW_HIDE) {
    widget->hide();
  } else {
    widget->show();
    // Brought to the front and activated, where the display can (the headless one cannot).
    if (w->frame && QGuiApplication::platformName() == "xcb") {
      w->frame->raise();
      w->frame->activateWindow();
    }
  }
  return wasVisible;
}

bool SetWindowText(HWND hwnd, const char *text) {
  if (!LiveWindow(hwnd)) return false;
  return SendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != 0;
}

int GetWindowText(HWND hwnd, char *buffer, int max) {
  Window *w = LiveWindow(hwnd);
  if (!buffer || max <= 0) return 0;
  buffer[0] = 0;
  if (!w) return 0;
  std::string text = w->edit ? w->edit->text().toStdString() : w->title;
  int n = std::min(static_cast<int>(text.size()), max - 1);
  std::memcpy(buffer, text.data(), static_cast<size_t>(n));
  buffer[n] = 0;
  return n;
}

HWND GetDlgItem(HWND parent, int id) {
  Window *w = LiveWindow(parent);
  if (!w) return nullptr;
  for (Window *c : w->children)
    if (c->id == id) return c;
  return nullptr;
}

bool GetClientRect(HWND hwnd, RECT *rect) {
  Window *w = LiveWindow(hwnd);
  if (!w || !rect) return false;
  QSize size = w->kind == Kind::Class ? w->image.size() : w->Widget()->size();
  *rect = RECT{0, 0, size.width(), size.height()};
  return true;
}

bool MoveWindow(HWND hwnd, int x, int y, int w, int h, bool) {
  Window *win = LiveWindow(hwnd);
  if (!win || !win->frame) return false;
  QSize least = win->frame->minimumSize();
  int cw = std::max(w - 8, least.width());
  int ch = std::max(h - 38, least.height() - win->frame->MenuHeight());
  win->frame->move(Coord(x), Coord(y));
  ResizeClient(win, cw, ch);
  win->frame->Arrange();
  return true;
}

HWND GetParent(HWND hwnd) {
  Window *w = LiveWindow(hwnd);
  return w ? w->parent : nullptr;
}

bool GetWindowRect(HWND hwnd, RECT *rect) {
  Window *w = LiveWindow(hwnd);
  if (!w || !w->frame || !rect) return false;
  // The outer size counts 8 and 38 pixels of frame round the client area, the menu bar in them.
  QPoint at = w->frame->pos();
  QSize client = w->image.size();
  *rect = RECT{at.x(), at.y(), at.x() + client.width() + 8, at.y() + client.height() + 38};
  return true;
}

RECT ScreenWorkArea() {
  QScreen *screen = QGuiApplication::primaryScreen();
  QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  return RECT{area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
}

double PixelRatio(HWND hwnd) {
  Window *w = LiveWindow(hwnd);
  QWidget *widget = w ? w->Widget() : nullptr;
  return widget ? widget->devicePixelRatioF() : 1.0;
}
