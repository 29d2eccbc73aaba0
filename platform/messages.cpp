// The message queue and loop: posted messages, the quit message, paints of invalid windows, and
// the mouse input that Qt delivers to a client area.
#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>

#include "platform/internal.h"

namespace {

std::deque<MSG> Queue;
bool QuitPending = false;
int QuitCode = 0;

Window *FirstInvalidWindow() {
  for (Window *w : AllWindows())
    if (w->kind == Kind::Class && w->invalid) return w;
  return nullptr;
}

// The next message without waiting: the queue's front, else the paint of the first invalid
// window.
bool TakePending(MSG *msg) {
  if (!Queue.empty()) {
    *msg = Queue.front();
    Queue.pop_front();
    return true;
  }
  if (Window *w = FirstInvalidWindow()) {
    *msg = MSG{w, WM_PAINT, 0, 0};
    return true;
  }
  return false;
}

}  // namespace

void PostToQueue(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  // Mouse moves are merged as the classic platform does: only the latest position counts.
  if (msg == WM_MOUSEMOVE && !Queue.empty() && Queue.back().message == WM_MOUSEMOVE &&
      Queue.back().hwnd == hwnd) {
    Queue.back().wParam = wParam;
    Queue.back().lParam = lParam;
    return;
  }
  Queue.push_back(MSG{hwnd, msg, wParam, lParam});
}

void DropMessagesOf(Window *w) {
  std::erase_if(Queue, [w](const MSG &m) { return m.hwnd == w; });
}

void ClearQueue() {
  Queue.clear();
  QuitPending = false;
  QuitCode = 0;
}

bool PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (hwnd && !LiveWindow(hwnd)) return false;
  if (msg == WM_QUIT) {
    PostQuitMessage(static_cast<int>(wParam));
    return true;
  }
  PostToQueue(hwnd, msg, wParam, lParam);
  return true;
}

void PostQuitMessage(int exitCode) {
  QuitPending = true;
  QuitCode = exitCode;
}

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Window *w = LiveWindow(hwnd);
  if (!w || !w->proc) return 0;
  return w->proc(w, msg, wParam, lParam);
}

LRESULT DispatchMessage(const MSG *msg) {
  if (!msg) return 0;
  return SendMessage(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

bool TranslateMessage(const MSG *) { return false; }

bool PeekMessage(MSG *msg, HWND, UINT, UINT, UINT) {
  if (!msg) return false;
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  return TakePending(msg);
}

bool DispatchOnePending() {
  MSG m;
  if (!TakePending(&m)) return false;
  DispatchMessage(&m);
  return true;
}

int GetMessage(MSG *msg, HWND, UINT, UINT) {
  if (!msg) return -1;
  for (;;) {
    // Qt's own events first, without waiting, so that input already made reaches the queue.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    // The quit message after the posted ones, before the paints.
    if (QuitPending && Queue.empty()) {
      QuitPending = false;
      *msg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(QuitCode), 0};
      return 0;
    }
    if (TakePending(msg)) return 1;
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
  }
}

void ClientWidget::mouseMoveEvent(QMouseEvent *e) {
  PointerWidget = this;
  ShowClassCursor(win);
  QPoint p = e->position().toPoint();
  WPARAM held = (e->buttons() & Qt::LeftButton) ? WPARAM{MK_LBUTTON} : WPARAM{0};
  PostToQueue(win, WM_MOUSEMOVE, held, MAKELPARAM(p.x(), p.y()));
}

void ClientWidget::mousePressEvent(QMouseEvent *e) {
  if (e->button() != Qt::LeftButton) return;
  QPoint p = e->position().toPoint();
  PostToQueue(win, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x(), p.y()));
}

void ClientWidget::mouseReleaseEvent(QMouseEvent *e) {
  if (e->button() != Qt::LeftButton) return;
  QPoint p = e->position().toPoint();
  PostToQueue(win, WM_LBUTTONUP, 0, MAKELPARAM(p.x(), p.y()));
}

void ClientWidget::wheelEvent(QWheelEvent *e) {
  // Qt counts a notch as 120 eighths of a degree, as the classic platform does.
  int turn = std::clamp(e->angleDelta().y(), -32768, 32767);
  QPoint p = e->position().toPoint();
  PostToQueue(win, WM_MOUSEWHEEL, MAKEWPARAM(0, turn), MAKELPARAM(p.x(), p.y()));
}
