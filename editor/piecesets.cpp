// The Pieces menu: the default set (FreeSerif's men), the classic figures, and every installed
// font with the twelve chess men. The chosen set draws the board and every picture but the BMP.
#include <string>
#include <vector>

#include "editor/editor.h"
#include "render/vectorapi.h"

namespace {
// The menu's sets by item, the first the default (an empty name).
std::vector<std::string> MenuSets;
}  // namespace

HMENU PieceSetMenu() {
  MenuSets = {""};
  for (const std::string &set : PieceSets())
    if (MenuSets.size() <= static_cast<size_t>(CmdPiecesLast - CmdPiecesFirst)) MenuSets.push_back(set);
  HMENU menu = CreatePopupMenu();
  for (size_t k = 0; k < MenuSets.size(); k++) {
    const std::string text = k == 0 ? "&Book (FreeSerif)" : MenuSets[k] == ClassicPieces ? "&Classic" : MenuLiteral(MenuSets[k]);
    AppendMenu(menu, MF_STRING, static_cast<uintptr_t>(CmdPiecesFirst + k), text.c_str());
  }
  return menu;
}

void ShowPieceSetCheck() {
  const std::string chosen = Editor().settings.PieceSet();
  for (size_t k = 0; k < MenuSets.size(); k++)
    CheckMenuItem(MainMenu, static_cast<UINT>(CmdPiecesFirst + k), MenuSets[k] == chosen ? MF_CHECKED : MF_UNCHECKED);
}

void PieceSetCommand(HWND hwnd, int id) {
  const size_t k = static_cast<size_t>(id - CmdPiecesFirst);
  if (k >= MenuSets.size()) return;
  Editor().settings.SetPieceSet(MenuSets[k]);
  ShowPieceSetCheck();
  ShowPaletteFaces(hwnd);
  HDC hdc = GetDC(hwnd);
  DrawBoard(hdc);
  ReleaseDC(hwnd, hdc);
}
