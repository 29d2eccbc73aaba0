// List box controls: rows of text in a Qt list, the chosen row told to the parent when the user
// chooses it.
#include <QSignalBlocker>

#include "platform/internal.h"

namespace {
// Rows kept in one list: enough for a file of many games, bounded all the same.
constexpr int MaxRows = 100000;

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
    case LB_GETCOUNT:
      return list->count();
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
  if (!(win->style & LBS_NOTIFY)) return;
  QObject::connect(win->list, &QListWidget::currentRowChanged, [win](int row) {
    if (row >= 0 && win->alive && win->parent)
      PostToQueue(win->parent, WM_COMMAND, MAKEWPARAM(win->id, LBN_SELCHANGE),
                  reinterpret_cast<LPARAM>(win));
  });
}
