#pragma once
// What the window-service sources share: the records behind the handles, the widgets that show a
// client area, the message queue and the drawing surfaces. Only platform/ includes this header.
#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QAbstractButton>
#include <QString>
#include <QWidget>
#include <algorithm>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"

// Pixel and colour conversions: COLORREF is red + green * 256 + blue * 65536, a backing-image
// pixel is 0xFFRRGGBB.
inline QRgb PixelOf(COLORREF c) {
  return 0xFF000000u | (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
}
inline COLORREF ColourOf(QRgb p) {
  return static_cast<COLORREF>(qRed(p) | qGreen(p) << 8 | qBlue(p) << 16);
}
inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

// Coordinates are held to a range far beyond any window, so that no sum of them overflows.
inline int Coord(int v) { return std::clamp(v, -(1 << 20), 1 << 20); }
// The pixels left..right-1 by top..bottom-1; empty when right <= left or bottom <= top.
inline QRect Area(int left, int top, int right, int bottom) {
  left = Coord(left), top = Coord(top), right = Coord(right), bottom = Coord(bottom);
  if (right <= left || bottom <= top) return QRect();
  return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

// A text handed over by the program: UTF-8 when it is valid UTF-8, otherwise Latin-1 (help
// pages may be either). length < 0 means zero-terminated.
QString TextOf(const char *text, int length = -1);

// A registered window class.
struct WindowClass {
  std::string name;
  WNDPROC proc;
  COLORREF background;
  HCURSOR cursor;
  HICON icon;
};

class ClientWidget;
class FrameWidget;

enum class Kind { Class, Button, Edit, ListBox };

// The record behind a HWND. Records are never freed while the program runs, so a stale handle
// stays dead instead of naming a newer window.
struct Window {
  Kind kind = Kind::Class;
  std::string className;
  WNDPROC proc = nullptr;
  COLORREF background = RGB(255, 255, 255);
  HCURSOR classCursor = nullptr;
  uint32_t style = 0;
  int id = 0;
  bool alive = true;
  bool destroying = false;
  Window *parent = nullptr;
  std::vector<Window *> children;

  FrameWidget *frame = nullptr;    // top-level window: the widget with menu bar and client area
  ClientWidget *client = nullptr;  // class window: the widget that shows the backing image
  QAbstractButton *button = nullptr;  // "button" control: a push button or a check box
  QLineEdit *edit = nullptr;       // "Edit" control
  QListWidget *list = nullptr;     // "listbox" control
  QMenuBar *menuBar = nullptr;
  Menu *menu = nullptr;
  HBITMAP buttonImage = nullptr;
  std::string title;

  QImage image;  // the client area (class windows only)
  // A picture shown at the screen's own pixels over a rectangle of the client area (DrawPicture),
  // until anything else draws there.
  QImage sharp;
  QRect sharpRect;
  bool invalid = false, eraseNeeded = false;
  QRect invalidRect;

  QWidget *Widget() const;  // the outermost widget of this window
};

// The widget of a class window's client area: shows the backing image, turns mouse input into
// posted messages.
class ClientWidget : public QWidget {
 public:
  ClientWidget(Window *w, QWidget *parent);
  Window *win;

 protected:
  void paintEvent(QPaintEvent *e) override;
  void mouseMoveEvent(QMouseEvent *e) override;
  void mousePressEvent(QMouseEvent *e) override;
  void mouseReleaseEvent(QMouseEvent *e) override;
  void wheelEvent(QWheelEvent *e) override;
};

// The widget of a top-level window: the menu bar above the client area. Its close box posts
// WM_CLOSE; Qt never closes or deletes it by itself.
class FrameWidget : public QWidget {
 public:
  explicit FrameWidget(Window *w);
  Window *win;
  void Arrange();  // menu bar at the top, client area below it
  int MenuHeight() const;

 protected:
  void closeEvent(QCloseEvent *e) override;
  void resizeEvent(QResizeEvent *e) override;
  void keyPressEvent(QKeyEvent *e) override;
};

// A new client size for a class window: the backing image keeps what it showed, the rest is
// background, the whole area is invalid, and WM_SIZE is posted.
void ResizeClient(Window *w, int width, int height);
// A key event as WM_KEYDOWN posted to the top-level window of w; false when the key has no
// virtual key.
bool PostKey(Window *w, const QKeyEvent *e);
// The drag of a pressed button (BN_DRAGGED): its moves and release go to its parent.
void WatchButtonDrag(Window *button);

// Registries of live handles.
Window *LiveWindow(HWND hwnd);  // null when hwnd is not a live window
std::vector<Window *> &AllWindows();
WindowClass *FindClass(const std::string &name);
void ForgetClasses();

// The message queue.
void PostToQueue(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
void DropMessagesOf(Window *w);
void ClearQueue();
void Invalidate(Window *w, const QRect &r, bool erase);
// Dispatches one posted message (not the quit message) or one pending paint; false when there
// was none.
bool DispatchOnePending();

// Menus built in code: the items are kept here, the Qt objects built from them on SetMenu.
struct MenuItem {
  UINT flags;
  uintptr_t id;
  Menu *popup;
  std::string text;
  bool checked = false;
};
struct Menu {
  bool bar;
  std::vector<MenuItem> items;
};
void BuildMenuBar(Window *w);

// Graphic objects. Each handle is registered with its kind so that a stray pointer given to
// SelectObject or DeleteObject is refused instead of followed.
enum class GdiKind { Brush, Pen, Bitmap, Cursor, Font };
struct GdiBrush {
  COLORREF colour;
};
struct GdiPen {
  int style, width;
  COLORREF colour;
  bool stock;
};
struct GdiBitmap {
  QImage image;  // Format_RGB32
  int selected;  // memory surfaces it is selected into
  bool stock;
};
struct GdiFont {
  int pixels;  // the text's height
};
struct GdiCursor {
  QCursor cursor;
  QIcon icon;
  QImage image;
};
void RegisterGdi(void *object, GdiKind kind);
bool IsGdi(void *object, GdiKind kind);
void UnregisterGdi(void *object);
GdiPen *StockPen();
GdiBitmap *StockBitmap();

// A drawing surface: of a window's client area (GetDC, BeginPaint) or of a memory surface with a
// selected bitmap (CreateCompatibleDC).
struct Dc {
  enum Origin { FromGetDC, FromBeginPaint, FromCreateCompatibleDC } origin = FromGetDC;
  Window *window = nullptr;     // a window's surface
  GdiBitmap *bitmap = nullptr;  // otherwise: the bitmap selected into a memory surface
  GdiPen *pen = nullptr;       // the selected pen handle; its values are copied below
  int penWidth = 1;
  COLORREF penColour = 0;
  QPoint current{0, 0};
  COLORREF textColour = RGB(0, 0, 0);
  int bkMode = OPAQUE;
  GdiFont *font = nullptr;  // null: the system font
  QRect clip;  // a paint request's invalid area; null: the whole target

  QImage *Target() const;      // null when the window or bitmap is gone
  QRect Bounds() const;        // the target's rectangle within the clip
  // The screen should show the target again; what was drawn over area (when given) hides the
  // window's sharp picture.
  void Changed(const QRect &area = QRect()) const;
  // Fills left..right-1, top..bottom-1 with a solid colour.
  void FillSolid(int left, int top, int right, int bottom, COLORREF colour);
};
Dc *LiveDc(HDC hdc);
Dc *NewDc();
void FreeDc(Dc *dc);
QFont SystemFont();
QFont SurfaceFont(const Dc *dc);  // the selected font, or the system font

// Cursors: the one shown over the window under the pointer.
extern ClientWidget *PointerWidget;
extern HCURSOR ShownCursor;  // the cursor last shown by SetCursor
extern QWidget *DragWidget;  // a button being dragged from: it holds the pointer, and the cursor
void ShowClassCursor(Window *w);

// A list box control: its widget and procedure (listbox.cpp).
void MakeListBox(Window *win, QWidget *parentWidget);

// Who answers message boxes and file dialogs: a person through the Qt dialogs, unless another
// responder is installed (a test build's script, platform/testing/).
struct Responder {
  virtual int Box(HWND owner, const char *text, const char *caption, UINT type) = 0;
  virtual bool File(bool save, OPENFILENAME *ofn) = 0;

 protected:
  ~Responder() = default;
};
// Installs a responder for every box and dialog from now on; null gives them to a person again.
void InstallResponder(Responder *responder);
// The texts of a dialog's filter list ("text\0pattern\0...\0\0"), read with a bound.
std::vector<std::string> FilterTexts(const char *filter);
