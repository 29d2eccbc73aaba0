// Undo and redo: the diagram kept whole before every change, up to UndoDepth steps back.
#include <cstring>
#include <deque>

#include "editor/editor.h"
#include "model/model.h"

namespace {
// The diagram: what a change may touch. The arrow records past NArrows (the pending arrow)
// come along but do not count when two diagrams are compared.
struct Diagram {
  int32_t pos[64];
  int32_t arr[MaxArrows][4];
  int32_t nArrows, flipped, sideToMove;
  int32_t castling, enPassant, halfMoves, fullMoves;  // what a FEN said beyond the men
};

Diagram Current() {
  Diagram d;
  std::memcpy(d.pos, Pos, sizeof d.pos);
  std::memcpy(d.arr, Arr, sizeof d.arr);
  d.nArrows = NArrows;
  d.flipped = Flipped;
  d.sideToMove = SideToMove;
  d.castling = Castling, d.enPassant = EnPassant, d.halfMoves = HalfMoves, d.fullMoves = FullMoves;
  return d;
}

void Restore(const Diagram &d) {
  std::memcpy(Pos, d.pos, sizeof d.pos);
  std::memcpy(Arr, d.arr, sizeof d.arr);
  NArrows = d.nArrows;
  Flipped = d.flipped;
  SideToMove = d.sideToMove;
  Castling = d.castling, EnPassant = d.enPassant, HalfMoves = d.halfMoves, FullMoves = d.fullMoves;
}

bool Same(const Diagram &a, const Diagram &b) {
  if (std::memcmp(a.pos, b.pos, sizeof a.pos) != 0 || a.nArrows != b.nArrows ||
      a.flipped != b.flipped || a.sideToMove != b.sideToMove || a.castling != b.castling ||
      a.enPassant != b.enPassant || a.halfMoves != b.halfMoves || a.fullMoves != b.fullMoves)
    return false;
  int n = a.nArrows < 0 ? 0 : a.nArrows > MaxArrows ? MaxArrows : a.nArrows;
  return std::memcmp(a.arr, b.arr, sizeof a.arr[0] * static_cast<size_t>(n)) == 0;
}

std::deque<Diagram> UndoSteps, RedoSteps;  // newest at the back
Diagram Saved = Current();                 // the diagram as last opened or saved

// One step from `from` to `to`: the diagram goes onto the other list, the older one comes back.
// Steps equal to the diagram (changes that changed nothing) are passed over.
void Step(HWND hwnd, std::deque<Diagram> &from, std::deque<Diagram> &to) {
  Diagram now = Current();
  while (!from.empty() && Same(from.back(), now)) from.pop_back();
  if (from.empty()) return;
  to.push_back(now);
  Restore(from.back());
  from.pop_back();
  ArrowStarted = 0;  // a half-drawn arrow belonged to the diagram that was
  HDC hdc = GetDC(hwnd);
  DrawBoard(hdc);
  ReleaseDC(hwnd, hdc);
  UpdateTitle();
}
}  // namespace

void RememberForUndo() {
  Diagram now = Current();
  if (UndoSteps.empty() || !Same(UndoSteps.back(), now)) UndoSteps.push_back(now);
  if (UndoSteps.size() > static_cast<size_t>(UndoDepth)) UndoSteps.pop_front();
  RedoSteps.clear();
  if (MainWnd) PostMessage(MainWnd, WM_DIAGRAMCHANGED, 0, 0);
}

void UndoCommand(HWND hwnd) { Step(hwnd, UndoSteps, RedoSteps); }
void RedoCommand(HWND hwnd) { Step(hwnd, RedoSteps, UndoSteps); }

void MarkDiagramSaved() { Saved = Current(); }
bool DiagramModified() { return !Same(Saved, Current()); }

void StartUndo() {
  UndoSteps.clear();
  RedoSteps.clear();
  MarkDiagramSaved();
}
