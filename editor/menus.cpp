// The menu bar: pop-up menus built from the command table, items in their order on screen, each
// with the shortcut of its command.
#include <string>

#include "editor/editor.h"
#include "files/paths.h"
#include "model/themes.h"

namespace {
struct MenuEntry {
  const char *text;  // null: the virtual-clipboard item, whose text names the real path, or a
                     // theme's item, named after the theme
  int id;            // 0: the title of a new pop-up menu; the items below belong to it
  bool inner = false;  // an item of the last Submenu entry's pop-up menu, within the menu
};
constexpr int Submenu = -1;  // id of a pop-up menu's title within a menu

const MenuEntry CommandTable[] = {
    {"&File", 0},
    {"&Open BRD...", CmdOpenBRD},
    {"Open PG&N...", CmdOpenPGN},
    {"&Save BMP...", CmdSaveBMP},
    {"Save &Picture...", CmdSavePicture},
    {nullptr, CmdClipboard},
    {"Save H&TM...", CmdSaveHTM},
    {"Save &Web Page...", CmdSavePage},
    {"E&xit", CmdExit},
    {"&Edit", 0},
    {"&Undo", CmdUndo},
    {"&Redo", CmdRedo},
    {"&Copy FEN", CmdCopyFEN},
    {"&Paste FEN", CmdPasteFEN},
    {"&Enter FEN...", CmdEnterFEN},
    {"&Colours", 0},
    {"Chang&e", CmdColours},
    {"&Theme", Submenu},
    {nullptr, CmdThemeFirst, true},
    {nullptr, CmdThemeFirst + 1, true},
    {nullptr, CmdThemeFirst + 2, true},
    {nullptr, CmdThemeFirst + 3, true},
    {nullptr, CmdThemeFirst + 4, true},
    {nullptr, CmdThemeFirst + 5, true},
    {nullptr, CmdThemeFirst + 6, true},
    {nullptr, CmdThemeFirst + 7, true},
    {"&Keep this theme", CmdKeepTheme},
    {"&Picture Size", 0},
    {"&Small", CmdSmall},
    {"&Medium", CmdMedium},
    {"&Large", CmdLarge},
    {"&Custom", CmdCustom},
    {"&Show Coords", 0},
    {"&Never", CmdNever},
    {"&Always", CmdAlways},
    {"&Ask", CmdAsk},
    {"P&osition", 0},  // "&P" opens the Picture Size menu
    {"&Flip", CmdFlip},
    {"&Empty", CmdEmpty},
    {"&Start", CmdStart},
    {"&Typical", CmdTypical},
    {"&White to move", CmdWhiteToMove},
    {"&Black to move", CmdBlackToMove},
    {"&Verify", 0},
    {"Check &Legal", CmdCheck},
    {"&Help", 0},
    {"&About", CmdAbout},
    {"&Help", CmdHelp},
};

// The item's text with the shortcut of its command; Ctrl+S stands beside the save it repeats.
std::string ItemText(const MenuEntry &entry) {
  const int theme = entry.id - CmdThemeFirst;
  std::string text = entry.text                        ? entry.text
                     : theme >= 0 && theme < NThemes ? std::string("&") + ThemeNames[theme]
                                                       : ClipMenuText();
  std::string shortcut = entry.id == SaveCommand ? ShortcutText(CmdSaveLast) : ShortcutText(entry.id);
  return shortcut.empty() ? text : text + "\t" + shortcut;
}
}  // namespace

std::string MenuLiteral(const std::string &text) {
  std::string out;
  for (char ch : text) {
    if (ch == '&') out += '&';
    out += ch;
  }
  return out;
}

HMENU MainMenu;
int SaveCommand = CmdSaveBMP;

std::string ClipMenuText() {
  // "To c:\cl&ip.bmp (virtual clipboard)" where the system has drive letters; here the real
  // path in the home folder, with the mnemonic on the same letter.
  std::string path = ClipBMPPath();
  size_t slash = path.find_last_of("/\\");
  std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  std::string shown = MenuLiteral(folder);
  if (name == "clip.bmp")
    shown += "cl&ip.bmp";
  else
    shown += MenuLiteral(name);
  return "To " + shown + " (virtual clipboard)";
}

HMENU BuildMenuBar() {
  HMENU bar = CreateMenu();
  HMENU popup = nullptr, inner = nullptr;
  const char *title = nullptr;
  auto attach = [&]() {
    if (popup) AppendMenu(bar, MF_POPUP, reinterpret_cast<uintptr_t>(popup), title);
    // The piece sets, found at run time, beside the other looks of the board.
    if (popup && std::string(title) == "&Colours")
      AppendMenu(bar, MF_POPUP, reinterpret_cast<uintptr_t>(PieceSetMenu()), "P&ieces");
  };
  for (const MenuEntry &entry : CommandTable) {
    if (entry.id == 0) {
      attach();
      popup = CreatePopupMenu();
      title = entry.text;
      continue;
    }
    if (entry.id == Submenu) {
      inner = CreatePopupMenu();
      AppendMenu(popup, MF_POPUP, reinterpret_cast<uintptr_t>(inner), entry.text);
      continue;
    }
    AppendMenu(entry.inner ? inner : popup, MF_STRING, static_cast<uintptr_t>(entry.id),
               ItemText(entry).c_str());
  }
  attach();
  MainMenu = bar;
  return bar;
}

void ShowSaveShortcut() {
  for (const MenuEntry &entry : CommandTable)
    if (entry.id == CmdSaveBMP || entry.id == CmdSaveHTM || entry.id == CmdSavePicture ||
        entry.id == CmdSavePage)
      ModifyMenu(MainMenu, static_cast<UINT>(entry.id), MF_BYCOMMAND | MF_STRING,
                 static_cast<uintptr_t>(entry.id), ItemText(entry).c_str());
}
