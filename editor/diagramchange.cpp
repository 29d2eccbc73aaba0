// The one way the FEN, game and side-to-move commands change the diagram (so that each change
// is one undo step), and the side-to-move items of the Position menu.
#include "chess/diagram.h"
#include "editor/editor.h"

void ChangeDiagram(HWND hwnd, const std::function<void(Diagram &)> &change,
                   const std::string &status) {
  RememberForUndo();
  change(Editor().diagram);
  Editor().ArrowStarted = false;  // a half-drawn arrow belonged to the old diagram
  HDC hdc = GetDC(hwnd);
  DrawBoard(hdc);
  Scribe(hdc, status.c_str());
  ReleaseDC(hwnd, hdc);
  ShowSideToMove();
}

void PutBoard(HWND hwnd, const Board &board, const std::string &status, int arrowFrom,
              int arrowTo) {
  const Diagram &now = Editor().diagram;
  int markers = 0;
  for (int cell : now.Pos) markers += cell == DotMark || cell == CrossMark;
  std::string cleared;
  if (now.NArrows > 0 || markers > 0) cleared = "; arrows and markers cleared";
  std::string side = board.side ? ", black to move" : ", white to move";
  ChangeDiagram(hwnd, [&](Diagram &d) {
    DiagramFromBoard(board, d);
    d.NArrows = 0;
    if (arrowFrom < 0 || arrowFrom > 63 || arrowTo < 0 || arrowTo > 63) return;
    // Arrow ends are columns and rows from the top of the view, which may be turned round.
    const int squares[2] = {arrowFrom, arrowTo};
    for (int end = 0; end < 2; end++) {
      int file = FileOf(squares[end]), rank = RankOf(squares[end]);
      d.Arr[0][2 * end] = d.Flipped ? 7 - file : file;
      d.Arr[0][2 * end + 1] = d.Flipped ? rank : 7 - rank;
    }
    d.NArrows = 1;
  }, status + side + cleared);
}

void SideToMoveCommand(HWND hwnd, int id) {
  int side = id == CmdBlackToMove ? 1 : 0;
  ChangeDiagram(hwnd, [side](Diagram &d) { d.SideToMove = side; },
                side ? "Black to move" : "White to move");
}

void ShowSideToMove() {
  const bool black = Editor().diagram.SideToMove != 0;
  CheckMenuItem(MainMenu, CmdWhiteToMove, MF_BYCOMMAND | (black ? MF_UNCHECKED : MF_CHECKED));
  CheckMenuItem(MainMenu, CmdBlackToMove, MF_BYCOMMAND | (black ? MF_CHECKED : MF_UNCHECKED));
}
