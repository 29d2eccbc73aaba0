// List box controls: rows of text in a Qt list, the chosen row told to the parent when the user
// chooses it.
#include <QKeyEvent>
#include <QSignalBlocker>

#include "platform/internal.h"

namespace {
// Rows kept in one list: enough for a file of many games, bounded all the same.
constexpr int MaxRows = 100000;

// A list of one column has no use for the left and right keys: they go to its window as
// WM_KEYDOWN, as keys the control does not take.
class SideKeys : public QObject {
 public:
  explicit SideKeys(Window *w) : QObject(w->list), win(w) {}
  bool eventFilter(QObject *, QEvent *e) override {
    if (e->type() != QEvent::KeyPress) return false;
    auto *key = static_cast<QKeyEvent *>(e);
    if (key->key() != Qt::Key_Left && key->key() != Qt::Key_Right) return false;
    return PostKey(win, key);
  }
  Window *win;
};

LRESULT ListBoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Window *w = LiveWindow(hwnd);
  if (!w || !w->list) return DefWindowProc(hwnd, msg, wParam, lParam);
  QListWidget *list = w->list;
  switch (msg) {
    case LB_ADDSTRING: {
      if (list->count() >= MaxRows) return LB_ERR;
      list->addItem(TextOf(reinterpret_cast<const char *>(lParam)));
      return list->count() - 1;
    }
    case LB_RESETCONTENT: {
      QSignalBlocker quiet(list);
      list->clear();
      return 0;
    }
    case LB_SETCURSEL: {
      // Only the user's choice is told to the parent.
      QSignalBlocker quiet(list);
      int row = static_cast<int>(static_cast<intptr_t>(wParam));
      if (row < 0 || row >= list->count()) {
        list->setCurrentRow(-1);
        return row == -1 ? 0 : LB_ERR;
      }
      list->setCurrentRow(row);
      list->scrollToItem(list->item(row));
      return row;
    }
    case LB_GETCURSEL: {
      int row = list->currentRow();
      return row < 0 || !list->item(row)->isSelected() ? LB_ERR : row;
    }
    case WM_SETTEXT:
      return 1;  // a list has no text of its own
  }
  return DefWindowProc(hwnd, msg, wParam, lParam);
}
}  // namespace

void MakeListBox(Window *win, QWidget *parentWidget) {
  win->proc = ListBoxProc;
  win->list = new QListWidget(parentWidget);
  win->list->setSelectionMode(QAbstractItemView::SingleSelection);
  if (!(win->style & WS_BORDER)) win->list->setFrameShape(QFrame::NoFrame);
  win->list->installEventFilter(new SideKeys(win));
  if (!(win->style & LBS_NOTIFY)) return;
  // The selection, not the current row: focus may make a row current without choosing it.
  QObject::connect(win->list, &QListWidget::itemSelectionChanged, [win] {
    if (win->list->selectedItems().size() == 1 && win->alive && win->parent)
      PostToQueue(win->parent, WM_COMMAND, MAKEWPARAM(win->id, LBN_SELCHANGE),
                  reinterpret_cast<LPARAM>(win));
  });
}
