// The menu bar: eight pop-up menus built from the command table, items in their order on screen.
#include <string>

#include "editor/editor.h"
#include "files/paths.h"

namespace {
struct MenuEntry {
  const char *text;  // null: the virtual-clipboard item, whose text names the real path
  int id;            // 0: the title of a new pop-up menu; the items below belong to it
};

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
    {"&Copy FEN", CmdCopyFEN},
    {"&Paste FEN", CmdPasteFEN},
    {"&Enter FEN...", CmdEnterFEN},
    {"&Colours", 0},
    {"Chang&e", CmdColours},
    {"&Picture Size", 0},
    {"&Small", CmdSmall},
    {"&Medium", CmdMedium},
    {"&Large", CmdLarge},
    {"&Custom", CmdCustom},
    {"&Show Coords", 0},
    {"&Never", CmdNever},
    {"&Always", CmdAlways},
    {"&Ask", CmdAsk},
    {"&Position", 0},
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

// A path shown in a menu: a "&" of its own must not become a mnemonic.
std::string MenuLiteral(const std::string &text) {
  std::string out;
  for (char ch : text) {
    if (ch == '&') out += '&';
    out += ch;
  }
  return out;
}
}  // namespace

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
  HMENU popup = nullptr;
  const char *title = nullptr;
  auto attach = [&]() {
    if (popup) AppendMenu(bar, MF_POPUP, reinterpret_cast<uintptr_t>(popup), title);
  };
  for (const MenuEntry &entry : CommandTable) {
    if (entry.id == 0) {
      attach();
      popup = CreatePopupMenu();
      title = entry.text;
      continue;
    }
    std::string text = entry.text ? entry.text : ClipMenuText();
    AppendMenu(popup, MF_STRING, static_cast<uintptr_t>(entry.id), text.c_str());
  }
  attach();
  return bar;
}
