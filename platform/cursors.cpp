// The standard cursor and icon, and the cursor shown over the window under the pointer.
#include <QApplication>
#include <QStyle>

#include "platform/internal.h"

ClientWidget *PointerWidget = nullptr;
HCURSOR ShownCursor = nullptr;
QWidget *DragWidget = nullptr;

namespace {

GdiCursor *StandardArrow() {
  static GdiCursor *arrow = [] {
    auto *c = new GdiCursor{QCursor(Qt::ArrowCursor), QIcon(), QImage()};
    RegisterGdi(c, GdiKind::Cursor);
    return c;
  }();
  return arrow;
}

GdiCursor *ApplicationIcon() {
  static GdiCursor *icon = [] {
    QIcon standard = QApplication::style()->standardIcon(QStyle::SP_DesktopIcon);
    auto *c = new GdiCursor{QCursor(Qt::ArrowCursor), standard, QImage()};
    RegisterGdi(c, GdiKind::Cursor);
    return c;
  }();
  return icon;
}

// What a cursor handle shows; a cursor whose file was missing shows the standard arrow rather
// than no pointer at all.
QCursor Shape(HCURSOR cursor) {
  return IsGdi(cursor, GdiKind::Cursor) ? cursor->cursor : QCursor(Qt::ArrowCursor);
}

}  // namespace

HCURSOR LoadCursor(HINSTANCE, int id) { return id == IDC_ARROW ? StandardArrow() : nullptr; }

HICON LoadIcon(HINSTANCE, int id) { return id == IDI_APPLICATION ? ApplicationIcon() : nullptr; }

HCURSOR SetCursor(HCURSOR cursor) {
  HCURSOR old = ShownCursor;
  ShownCursor = cursor;
  if (PointerWidget) PointerWidget->setCursor(Shape(cursor));
  if (DragWidget) DragWidget->setCursor(Shape(cursor));
  return old;
}

// Each move over a window first shows its class cursor, as the platform's default handling
// does; the procedure may then show another one.
void ShowClassCursor(Window *w) {
  if (IsGdi(w->classCursor, GdiKind::Cursor)) SetCursor(w->classCursor);
}
