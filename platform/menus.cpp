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
      const bool checked = item.checked;
      QObject::connect(action, &QAction::triggered, [w, id, action, checked] {
        action->setChecked(checked);  // the mark shows what the program says, not the click
        if (w->alive) PostToQueue(w, WM_COMMAND, MAKEWPARAM(id, 0), 0);
      });
      into->addAction(action);
    }
  }
}

// The menu and place of the item with command id, searching the pop-up menus too.
bool FindItem(Menu *menu, UINT id, Menu **holder, size_t *index, int depth = 0) {
  for (size_t i = 0; i < menu->items.size(); i++) {
    MenuItem &item = menu->items[i];
    if (item.popup) {
      if (depth < 16 && FindItem(item.popup, id, holder, index, depth + 1)) return true;
    } else if ((item.id & 0xFFFF) == id) {
      *holder = menu;
      *index = i;
      return true;
    }
  }
  return false;
}

void Rebuild(const Menu *menu) {
  for (Window *w : AllWindows())
    if (w->frame && w->menu && Contains(w->menu, menu)) BuildMenuBar(w);
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
  Rebuild(menu);
  return true;
}

int CheckMenuItem(HMENU menu, UINT id, UINT flags) {
  Menu *holder = nullptr;
  size_t index = 0;
  if (!IsMenu(menu) || !FindItem(menu, id, &holder, &index)) return -1;
  MenuItem &item = holder->items[index];
  int old = item.checked ? MF_CHECKED : MF_UNCHECKED;
  bool checked = (flags & MF_CHECKED) != 0;
  if (item.checked != checked) {
    item.checked = checked;
    Rebuild(holder);
  }
  return old;
}

bool InsertMenu(HMENU menu, UINT before, UINT flags, uintptr_t item, const char *text) {
  Menu *holder = nullptr;
  size_t index = 0;
  if (!IsMenu(menu) || (flags & MF_POPUP) || !FindItem(menu, before, &holder, &index)) return false;
  holder->items.insert(holder->items.begin() + static_cast<std::ptrdiff_t>(index),
                       MenuItem{flags, item, nullptr, text ? text : ""});
  Rebuild(holder);
  return true;
}

bool DeleteMenu(HMENU menu, UINT id, UINT) {
  Menu *holder = nullptr;
  size_t index = 0;
  if (!IsMenu(menu) || !FindItem(menu, id, &holder, &index)) return false;
  holder->items.erase(holder->items.begin() + static_cast<std::ptrdiff_t>(index));
  Rebuild(holder);
  return true;
}

bool SetMenu(HWND hwnd, HMENU menu) {
  Window *w = LiveWindow(hwnd);
  if (!w || !w->frame || (menu && !IsMenu(menu))) return false;
  w->menu = menu;
  BuildMenuBar(w);
  return true;
}

bool ModifyMenu(HMENU menu, UINT id, UINT flags, uintptr_t newId, const char *text) {
  Menu *holder = nullptr;
  size_t index = 0;
  if (!IsMenu(menu) || (flags & MF_POPUP) || !FindItem(menu, id, &holder, &index)) return false;
  MenuItem &item = holder->items[index];
  item.id = newId;
  item.text = text ? text : "";
  Rebuild(holder);
  return true;
}
