// Menus built in code: a bar of pop-up menus whose items send WM_COMMAND to their window.

#include "platform/internal.h"

namespace {

std::vector<std::unique_ptr<Menu>> Menus;

bool IsMenu(HMENU menu) {
  for (auto &m : Menus)
    if (m.get() == menu) return true;
  return false;
}

bool Contains(const Menu *root, const Menu *menu, int depth = 0) {
  if (root == menu) return true;
  if (depth > 16) return false;  // a menu appended into itself stops here
  for (const MenuItem &item : root->items)
    if (item.popup && Contains(item.popup, menu, depth + 1)) return true;
  return false;
}

void AddItems(Window *w, QWidget *into, const Menu *menu, int depth) {
  for (const MenuItem &item : menu->items) {
    QString text = TextOf(item.text.c_str());
    if ((item.flags & MF_POPUP) && item.popup) {
      QMenu *popup = new QMenu(text, into);
      if (depth < 16) AddItems(w, popup, item.popup, depth + 1);
      if (auto *bar = qobject_cast<QMenuBar *>(into))
        bar->addMenu(popup);
      else
        static_cast<QMenu *>(into)->addMenu(popup);
    } else {
      QAction *action = new QAction(text, into);
      int id = static_cast<int>(item.id & 0xFFFF);
      action->setData(id);
      if (item.checked) {
        action->setCheckable(true);
        action->setChecked(true);
      }
      QObject::connect(action, &QAction::triggered, [w, id] {
        if (w->alive) PostToQueue(w, WM_COMMAND, MAKEWPARAM(id, 0), 0);
      });
      into->addAction(action);
    }
  }
}

// The item with command id, searching the pop-up menus too; null when there is none.
MenuItem *FindItem(Menu *menu, UINT id, int depth = 0) {
  for (MenuItem &item : menu->items) {
    if (item.popup) {
      if (depth < 16)
        if (MenuItem *found = FindItem(item.popup, id, depth + 1)) return found;
    } else if ((item.id & 0xFFFF) == id) {
      return &item;
    }
  }
  return nullptr;
}

}  // namespace

// The bar's Qt objects, built again from the items whenever they change.
void BuildMenuBar(Window *w) {
  delete w->menuBar;
  w->menuBar = nullptr;
  if (w->menu) {
    w->menuBar = new QMenuBar(w->frame);
    w->menuBar->setNativeMenuBar(false);
    AddItems(w, w->menuBar, w->menu, 0);
    w->menuBar->show();
  }
  w->frame->Arrange();
}

HMENU CreateMenu() {
  Menus.push_back(std::make_unique<Menu>(Menu{true, {}}));
  return Menus.back().get();
}

HMENU CreatePopupMenu() {
  Menus.push_back(std::make_unique<Menu>(Menu{false, {}}));
  return Menus.back().get();
}

bool AppendMenu(HMENU menu, UINT flags, uintptr_t item, const char *text) {
  if (!IsMenu(menu)) return false;
  Menu *popup = nullptr;
  if (flags & MF_POPUP) {
    popup = reinterpret_cast<Menu *>(item);
    if (!IsMenu(popup) || Contains(popup, menu)) return false;
  }
  menu->items.push_back(MenuItem{flags, item, popup, text ? text : ""});
  for (Window *w : AllWindows())
    if (w->frame && w->menu && Contains(w->menu, menu)) BuildMenuBar(w);
  return true;
}

bool SetMenu(HWND hwnd, HMENU menu) {
  Window *w = LiveWindow(hwnd);
  if (!w || !w->frame || (menu && !IsMenu(menu))) return false;
  w->menu = menu;
  BuildMenuBar(w);
  return true;
}

int CheckMenuItem(HMENU menu, UINT id, UINT flags) {
  MenuItem *item = IsMenu(menu) ? FindItem(menu, id) : nullptr;
  if (!item) return -1;
  int old = item->checked ? MF_CHECKED : MF_UNCHECKED;
  bool checked = (flags & MF_CHECKED) != 0;
  if (item->checked != checked) {
    item->checked = checked;
    for (Window *w : AllWindows())
      if (w->frame && w->menu && Contains(w->menu, menu)) BuildMenuBar(w);
  }
  return old;
}

HMENU GetMenu(HWND hwnd) {
  Window *w = LiveWindow(hwnd);
  return w ? w->menu : nullptr;
}
