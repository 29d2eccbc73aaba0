// Hooks for tests: what the windows and the desktop clipboard show, and input delivered through
// Qt as a person gives it.
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QWheelEvent>

#include "platform/internal.h"
#include "platform/testing/testing.h"

namespace {

void SendMouse(Window *w, QEvent::Type type, int x, int y, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
  QPointF local(x, y);
  QPointF global = w->client->mapToGlobal(local);
  QMouseEvent event(type, local, global, button, buttons, Qt::NoModifier);
  QApplication::sendEvent(w->client, &event);
}

QAction *FindAction(QWidget *menu, int id) {
  if (!menu) return nullptr;
  for (QAction *action : menu->actions()) {
    if (action->menu()) {
      if (QAction *found = FindAction(action->menu(), id)) return found;
    } else if (action->data().isValid() && action->data().toInt() == id) {
      return action;
    }
  }
  return nullptr;
}

void AddTexts(QWidget *menu, const QString &title, std::vector<std::string> &out) {
  for (QAction *action : menu->actions()) {
    if (action->menu()) {
      out.push_back(action->text().toStdString() + "||0");
      AddTexts(action->menu(), action->text(), out);
    } else {
      out.push_back(title.toStdString() + "|" + action->text().toStdString() + "|" +
                    std::to_string(action->data().toInt()));
    }
  }
}

}  // namespace

COLORREF WindowPixel(HWND hwnd, int x, int y) {
  Window *w = LiveWindow(hwnd);
  if (!w || !w->image.rect().contains(x, y)) return CLR_INVALID;
  return ColourOf(w->image.pixel(x, y));
}

int ClientWidth(HWND hwnd) {
  Window *w = LiveWindow(hwnd);
  return w ? w->image.width() : 0;
}

int ClientHeight(HWND hwnd) {
  Window *w = LiveWindow(hwnd);
  return w ? w->image.height() : 0;
}

bool SaveWindowImage(HWND hwnd, const std::string &path) {
  Window *w = LiveWindow(hwnd);
  return w && !w->image.isNull() && w->image.save(QString::fromStdString(path), "PNG");
}

bool SaveWindowShot(HWND hwnd, const std::string &path) {
  Window *w = LiveWindow(hwnd);
  if (!w || !w->Widget()) return false;
  return w->Widget()->grab().save(QString::fromStdString(path), "PNG");
}

HBITMAP ButtonImage(HWND button) {
  Window *w = LiveWindow(button);
  return w ? w->buttonImage : nullptr;
}

HCURSOR CurrentCursor() { return ShownCursor; }

bool ClipboardPicture(int *width, int *height) {
  QImage image = QGuiApplication::clipboard()->image();
  if (width) *width = image.width();
  if (height) *height = image.height();
  return !image.isNull();
}

std::vector<std::string> ClipboardFormats() {
  std::vector<std::string> formats;
  if (const QMimeData *data = QGuiApplication::clipboard()->mimeData())
    for (const QString &f : data->formats()) formats.push_back(f.toStdString());
  return formats;
}

std::string ClipboardData(const std::string &format) {
  const QMimeData *data = QGuiApplication::clipboard()->mimeData();
  if (!data) return std::string();
  QByteArray bytes = data->data(QString::fromStdString(format));
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

void PumpMessages() {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  // A window whose procedure never validates would be painted for ever: stop somewhere.
  for (int i = 0; i < 100000 && DispatchOnePending(); i++) {
  }
}

void ClickAt(HWND hwnd, int x, int y) {
  Window *w = LiveWindow(hwnd);
  if (!w || !w->client) return;
  SendMouse(w, QEvent::MouseButtonPress, x, y, Qt::LeftButton, Qt::LeftButton);
  if (LiveWindow(hwnd)) SendMouse(w, QEvent::MouseButtonRelease, x, y, Qt::LeftButton, Qt::NoButton);
  PumpMessages();
}

void MoveMouseTo(HWND hwnd, int x, int y) {
  Window *w = LiveWindow(hwnd);
  if (!w || !w->client) return;
  SendMouse(w, QEvent::MouseMove, x, y, Qt::NoButton, Qt::NoButton);
  PumpMessages();
}

bool ChooseMenuItem(HWND hwnd, int id) {
  Window *w = LiveWindow(hwnd);
  QAction *action = w ? FindAction(w->menuBar, id) : nullptr;
  if (!action) return false;
  action->trigger();
  PumpMessages();
  return true;
}

void ClickButton(HWND button) {
  Window *w = LiveWindow(button);
  if (!w || !w->button) return;
  w->button->click();
  PumpMessages();
}

void ChooseListRow(HWND list, int row) {
  Window *w = LiveWindow(list);
  if (!w || !w->list) return;
  w->list->setCurrentRow(row);  // as a click or an arrow key does: the list tells its parent
  PumpMessages();
}

std::vector<std::string> ListBoxRows(HWND list) {
  std::vector<std::string> rows;
  Window *w = LiveWindow(list);
  if (w && w->list)
    for (int i = 0; i < w->list->count(); i++)
      rows.push_back(w->list->item(i)->text().toStdString());
  return rows;
}

void CloseBox(HWND hwnd) {
  Window *w = LiveWindow(hwnd);
  if (!w || !w->frame) return;
  w->frame->close();
  PumpMessages();
}

void DragMouse(HWND hwnd, int x0, int y0, int x1, int y1) {
  Window *w = LiveWindow(hwnd);
  if (!w || !w->client) return;
  SendMouse(w, QEvent::MouseButtonPress, x0, y0, Qt::LeftButton, Qt::LeftButton);
  SendMouse(w, QEvent::MouseMove, (x0 + x1) / 2, (y0 + y1) / 2, Qt::NoButton, Qt::LeftButton);
  SendMouse(w, QEvent::MouseMove, x1, y1, Qt::NoButton, Qt::LeftButton);
  SendMouse(w, QEvent::MouseButtonRelease, x1, y1, Qt::LeftButton, Qt::NoButton);
  PumpMessages();
}

void DragButtonTo(HWND button, int x, int y) {
  Window *b = LiveWindow(button);
  if (!b || !b->button || !b->parent || !b->parent->client) return;
  auto send = [b](QEvent::Type type, QPoint global, Qt::MouseButton button, Qt::MouseButtons held) {
    QPointF local = b->button->mapFromGlobal(global);
    QMouseEvent event(type, local, QPointF(global), button, held, Qt::NoModifier);
    QApplication::sendEvent(b->button, &event);
  };
  QPoint start = b->button->mapToGlobal(QPoint(20, 20));
  QPoint end = b->parent->client->mapToGlobal(QPoint(x, y));
  send(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
  send(QEvent::MouseMove, (start + end) / 2, Qt::NoButton, Qt::LeftButton);
  send(QEvent::MouseMove, end, Qt::NoButton, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, end, Qt::LeftButton, Qt::NoButton);
  PumpMessages();
}

void PressKey(HWND hwnd, int vk, int modifiers) {
  Window *w = LiveWindow(hwnd);
  if (!w || !w->Widget()) return;
  int key = vk >= VK_F1 && vk < VK_F1 + 12 ? Qt::Key_F1 + (vk - VK_F1)
            : vk == VK_RETURN               ? Qt::Key_Return
            : vk == VK_ESCAPE               ? Qt::Key_Escape
            : vk == VK_LEFT                 ? Qt::Key_Left
            : vk == VK_RIGHT                ? Qt::Key_Right
            : vk == VK_UP                   ? Qt::Key_Up
            : vk == VK_DOWN                 ? Qt::Key_Down
            : vk == VK_PRIOR                ? Qt::Key_PageUp
            : vk == VK_NEXT                 ? Qt::Key_PageDown
            : vk == VK_HOME                 ? Qt::Key_Home
            : vk == VK_END                  ? Qt::Key_End
                                            : vk;
  Qt::KeyboardModifiers held = Qt::NoModifier;
  if (modifiers & FSHIFT) held |= Qt::ShiftModifier;
  if (modifiers & FCONTROL) held |= Qt::ControlModifier;
  if (modifiers & FALT) held |= Qt::AltModifier;
  QKeyEvent event(QEvent::KeyPress, key, held);
  QWidget *target = w->edit ? static_cast<QWidget *>(w->edit) : w->Widget();
  QApplication::sendEvent(target, &event);
}

void TurnWheel(HWND hwnd, int x, int y, int notches) {
  Window *w = LiveWindow(hwnd);
  if (!w || !w->client) return;
  const QPointF at(x, y);
  QWheelEvent event(at, w->client->mapToGlobal(at), QPoint(), QPoint(0, notches * WHEEL_DELTA),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(w->client, &event);
  PumpMessages();
}

bool MenuItemChecked(HWND hwnd, int id) {
  Window *w = LiveWindow(hwnd);
  QAction *action = w ? FindAction(w->menuBar, id) : nullptr;
  return action && action->isChecked();
}

std::vector<std::string> MenuBarTexts(HWND hwnd) {
  std::vector<std::string> texts;
  Window *w = LiveWindow(hwnd);
  if (w && w->menuBar) AddTexts(w->menuBar, QString(), texts);
  return texts;
}

std::vector<HWND> TopLevelWindows(const char *className) {
  std::vector<HWND> windows;
  for (Window *w : AllWindows())
    if (!w->parent && (!className || QString::fromStdString(w->className)
                                             .compare(className, Qt::CaseInsensitive) == 0))
      windows.push_back(w);
  return windows;
}

std::string WindowText(HWND hwnd) {
  Window *w = LiveWindow(hwnd);
  if (!w) return std::string();
  return w->edit ? w->edit->text().toStdString() : w->title;
}


std::string ClassName(HWND hwnd) {
  Window *w = LiveWindow(hwnd);
  return w ? w->className : std::string();
}

void ResetPlatform() {
  for (HWND w : TopLevelWindows()) DestroyWindow(w);
  ClearQueue();
  ForgetClasses();
  ResetScript();
  ShownCursor = nullptr;
  PointerWidget = nullptr;
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}
