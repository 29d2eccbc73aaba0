// Keyboard shortcuts: one table of key, modifiers, command and the text the menus show.
#include <string>

#include "editor/editor.h"

HACCEL Shortcuts;

namespace {
struct Shortcut {
  uint8_t modifiers;
  uint16_t key;
  int id;
  const char *text;  // shown in the menu beside the command; null: the command's other key
};

const Shortcut ShortcutTable[] = {
    {FCONTROL, 'Z', CmdUndo, "Ctrl+Z"},
    {FCONTROL, 'Y', CmdRedo, "Ctrl+Y"},
    {FCONTROL | FSHIFT, 'Z', CmdRedo, nullptr},
    {FCONTROL, 'O', CmdOpenBRD, "Ctrl+O"},
    {FCONTROL, 'S', CmdSaveLast, "Ctrl+S"},
    {FCONTROL, 'C', CmdClipboard, "Ctrl+C"},
    {FCONTROL | FSHIFT, 'C', CmdCopyFEN, "Ctrl+Shift+C"},
    {FCONTROL, 'V', CmdPasteFEN, "Ctrl+V"},
    {0, VK_F1, CmdHelp, "F1"},
    {FCONTROL, 'Q', CmdExit, "Ctrl+Q"},
};
}  // namespace

HACCEL CreateShortcutTable() {
  ACCEL entries[sizeof ShortcutTable / sizeof ShortcutTable[0]];
  int n = 0;
  for (const Shortcut &s : ShortcutTable)
    entries[n++] = ACCEL{static_cast<uint8_t>(FVIRTKEY | s.modifiers), s.key,
                         static_cast<uint16_t>(s.id)};
  return CreateAcceleratorTable(entries, n);
}

std::string ShortcutText(int id) {
  for (const Shortcut &s : ShortcutTable)
    if (s.id == id && s.text) return s.text;
  return "";
}

void HandleMessage(const MSG &msg) {
  if (MainWnd && TranslateAccelerator(MainWnd, Shortcuts, &msg)) return;
  TranslateMessage(&msg);
  DispatchMessage(&msg);
}
