// Dragging from a button: a press on it that moves away becomes a drag whose moves and release
// reach the parent window (BN_DRAGGED), so that a figure can be dragged from the palette.
#include <QMouseEvent>

#include "platform/internal.h"

namespace {
constexpr int DragDistance = 5;  // pixels the pointer moves before a press becomes a drag

class ButtonDrag : public QObject {
 public:
  explicit ButtonDrag(Window *button) : QObject(button->button), win(button) {}

 protected:
  bool eventFilter(QObject *, QEvent *event) override {
    Window *parent = win->parent;
    if (!win->alive || !parent || !parent->alive || !parent->client) return false;
    if (event->type() == QEvent::MouseButtonPress) {
      auto *e = static_cast<QMouseEvent *>(event);
      if (e->button() == Qt::LeftButton) pressedAt = e->position().toPoint();
      dragging = false;
      return false;
    }
    if (event->type() == QEvent::MouseMove) {
      auto *e = static_cast<QMouseEvent *>(event);
      if (!(e->buttons() & Qt::LeftButton)) return false;
      QPoint at = ParentPoint(e);
      if (!dragging) {
        if ((e->position().toPoint() - pressedAt).manhattanLength() < DragDistance) return false;
        dragging = true;
        DragWidget = win->button;
        win->button->setDown(false);
        PostToQueue(parent, WM_COMMAND, MAKEWPARAM(win->id, BN_DRAGGED), reinterpret_cast<LPARAM>(win));
      }
      PostToQueue(parent, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(at.x(), at.y()));
      return true;
    }
    if (event->type() == QEvent::MouseButtonRelease && dragging) {
      auto *e = static_cast<QMouseEvent *>(event);
      if (e->button() != Qt::LeftButton) return false;
      dragging = false;
      DragWidget = nullptr;
      win->button->unsetCursor();
      win->button->setDown(false);
      QPoint at = ParentPoint(e);
      PostToQueue(parent, WM_LBUTTONUP, 0, MAKELPARAM(at.x(), at.y()));
      return true;  // no click
    }
    return false;
  }

 private:
  QPoint ParentPoint(QMouseEvent *e) const {
    return win->parent->client->mapFromGlobal(e->globalPosition().toPoint());
  }
  Window *win;
  QPoint pressedAt;
  bool dragging = false;
};
}  // namespace

void WatchButtonDrag(Window *button) {
  button->button->installEventFilter(new ButtonDrag(button));
}
