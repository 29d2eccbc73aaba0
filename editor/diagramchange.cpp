// The one way the FEN, game and side-to-move commands change the diagram (so that each change
// is one undo step), and the side-to-move items of the Position menu.
#include "chess/diagram.h"
#include "editor/editor.h"
#include "model/model.h"

void ChangeDiagram(HWND hwnd, const std::function<void()> &change, const std::string &status) {
  RememberForUndo();
  change();
  ArrowStarted = 0;  // a half-drawn arrow belonged to the old diagram
  HDC hdc = GetDC(hwnd);
  DrawBoard(hdc);
  Scribe(hdc, status.c_str());
  ReleaseDC(hwnd, hdc);
  ShowSideToMove();
}

void PutBoard(HWND hwnd, const Board &board, const std::string &status, int arrowFrom,
              int arrowTo) {
  int markers = 0;
  for (int cell : Pos) markers += cell == DotMark || cell == CrossMark;
  std::string cleared;
  if (NArrows > 0 || markers > 0) cleared = "; arrows and markers cleared";
  std::string side = board.side ? ", black to move" : ", white to move";
  ChangeDiagram(hwnd, [&] {
    DiagramFromBoard(board);
    NArrows = 0;
    if (arrowFrom < 0 || arrowFrom > 63 || arrowTo < 0 || arrowTo > 63) return;
    // Arrow ends are columns and rows from the top of the view, which may be turned round.
    const int squares[2] = {arrowFrom, arrowTo};
    for (int end = 0; end < 2; end++) {
      int file = FileOf(squares[end]), rank = RankOf(squares[end]);
      Arr[0][2 * end] = Flipped ? 7 - file : file;
      Arr[0][2 * end + 1] = Flipped ? rank : 7 - rank;
    }
    NArrows = 1;
  }, status + side + cleared);
}

void SideToMoveCommand(HWND hwnd, int id) {
  int side = id == CmdBlackToMove ? 1 : 0;
  ChangeDiagram(hwnd, [side] { SideToMove = side; }, side ? "Black to move" : "White to move");
}

void ShowSideToMove() {
  CheckMenuItem(MainMenu, CmdWhiteToMove, MF_BYCOMMAND | (SideToMove ? MF_UNCHECKED : MF_CHECKED));
  CheckMenuItem(MainMenu, CmdBlackToMove, MF_BYCOMMAND | (SideToMove ? MF_CHECKED : MF_UNCHECKED));
}
