// The keyboard: keys as WM_KEYDOWN messages, and accelerator tables that turn them into commands.
#include <QKeyEvent>

#include "platform/internal.h"

struct AcceleratorTable {
  std::vector<ACCEL> entries;
};

namespace {
std::vector<std::unique_ptr<AcceleratorTable>> Tables;

// The virtual key of a Qt key; 0 for keys the program has no name for.
int VirtualKey(int key) {
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
    return key;  // Qt's codes of letters and digits are their upper-case characters
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return VK_F1 + (key - Qt::Key_F1);
  switch (key) {
    case Qt::Key_Return: case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
  }
  return 0;
}

bool IsAccelerator(HACCEL table) {
  for (auto &t : Tables)
    if (t.get() == table) return true;
  return false;
}

// The top-level window that holds w.
Window *TopLevel(Window *w) {
  for (int depth = 0; w && w->parent && depth < 64; depth++) w = w->parent;
  return w;
}
}  // namespace

bool PostKey(Window *w, const QKeyEvent *e) {
  int vk = VirtualKey(e->key());
  Window *top = TopLevel(w);
  if (!vk || !top || !top->alive) return false;
  Qt::KeyboardModifiers m = e->modifiers();
  LPARAM held = ((m & Qt::ShiftModifier) ? FSHIFT : 0) | ((m & Qt::ControlModifier) ? FCONTROL : 0) |
                ((m & Qt::AltModifier) ? FALT : 0);
  PostToQueue(top, WM_KEYDOWN, static_cast<WPARAM>(vk), held);
  return true;
}

void FrameWidget::keyPressEvent(QKeyEvent *e) {
  if (!PostKey(win, e)) QWidget::keyPressEvent(e);
}

HACCEL CreateAcceleratorTable(const ACCEL *entries, int count) {
  if (!entries || count <= 0 || count > 1024) return nullptr;
  Tables.push_back(std::make_unique<AcceleratorTable>());
  Tables.back()->entries.assign(entries, entries + count);
  return Tables.back().get();
}

bool TranslateAccelerator(HWND hwnd, HACCEL table, const MSG *msg) {
  if (!msg || msg->message != WM_KEYDOWN || !IsAccelerator(table) || !LiveWindow(hwnd)) return false;
  if (TopLevel(LiveWindow(msg->hwnd)) != hwnd) return false;
  const int held = static_cast<int>(msg->lParam) & (FSHIFT | FCONTROL | FALT);
  for (const ACCEL &a : table->entries) {
    if (a.key != msg->wParam || (a.fVirt & (FSHIFT | FCONTROL | FALT)) != held) continue;
    SendMessage(hwnd, WM_COMMAND, MAKEWPARAM(a.cmd, 1), 0);
    return true;
  }
  return false;
}
