// Undo and redo: the diagram kept whole before every change, up to UndoDepth steps back.
#include <deque>

#include "editor/editor.h"

namespace {
std::deque<Diagram> UndoSteps, RedoSteps;  // newest at the back
Diagram Saved;                             // the diagram as last opened or saved

// One step from `from` to `to`: the diagram goes onto the other list, the older one comes back.
// Steps equal to the diagram (changes that changed nothing) are passed over.
void Step(HWND hwnd, std::deque<Diagram> &from, std::deque<Diagram> &to) {
  Diagram &now = Editor().diagram;
  while (!from.empty() && from.back() == now) from.pop_back();
  if (from.empty()) return;
  to.push_back(now);
  now = from.back();
  from.pop_back();
  Editor().ArrowStarted = false;  // a half-drawn arrow belonged to the diagram that was
  HDC hdc = GetDC(hwnd);
  DrawBoard(hdc);
  ReleaseDC(hwnd, hdc);
  UpdateTitle();
}
}  // namespace

void RememberForUndo() {
  const Diagram &now = Editor().diagram;
  if (UndoSteps.empty() || UndoSteps.back() != now) UndoSteps.push_back(now);
  if (UndoSteps.size() > static_cast<size_t>(UndoDepth)) UndoSteps.pop_front();
  RedoSteps.clear();
  if (MainWnd) PostMessage(MainWnd, WM_DIAGRAMCHANGED, 0, 0);
}

void UndoCommand(HWND hwnd) { Step(hwnd, UndoSteps, RedoSteps); }
void RedoCommand(HWND hwnd) { Step(hwnd, RedoSteps, UndoSteps); }

void MarkDiagramSaved() { Saved = Editor().diagram; }
bool DiagramModified() { return Saved != Editor().diagram; }

void StartUndo() {
  UndoSteps.clear();
  RedoSteps.clear();
  MarkDiagramSaved();
}
