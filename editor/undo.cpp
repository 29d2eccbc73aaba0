// Undo and redo: the diagram kept whole before every change, up to UndoDepth steps back. An open
// also keeps the file the diagram belonged to, so that undoing it names that file again.
#include <deque>

#include "editor/editor.h"

namespace {
struct UndoStep {
  Diagram diagram;
  bool opened;       // the change was an open: the step takes the diagram's file along
  std::string file;  // with opened: the diagram's file (DiagramFile) then
  Diagram saved;     // and what that file held (Saved)
};

std::deque<UndoStep> UndoSteps, RedoSteps;  // newest at the back
Diagram Saved;                              // the diagram as last opened or saved
unsigned long Changes = 0;                  // changes, undos and redos so far

// A step that would bring back what is there now: a change that changed nothing.
bool ChangesNothing(const UndoStep &step) {
  return step.diagram == Editor().diagram &&
         (!step.opened || (step.file == DiagramFile && step.saved == Saved));
}

// One step from `from` to `to`: the diagram (and with an open its file) goes onto the other
// list, the older one comes back. Steps that would change nothing are passed over.
void Step(HWND hwnd, std::deque<UndoStep> &from, std::deque<UndoStep> &to) {
  while (!from.empty() && ChangesNothing(from.back())) from.pop_back();
  if (from.empty()) return;
  UndoStep back = from.back();
  from.pop_back();
  to.push_back({Editor().diagram, back.opened, DiagramFile, Saved});
  Changes++;
  Editor().diagram = back.diagram;
  if (back.opened) DiagramFile = back.file, Saved = back.saved;
  Editor().ArrowStarted = false;  // a half-drawn arrow belonged to the diagram that was
  HDC hdc = GetDC(hwnd);
  DrawBoard(hdc);
  ReleaseDC(hwnd, hdc);
  UpdateTitle();
  ClearStaleStatus();
}
}  // namespace

void RememberForUndo(bool opensFile) {
  const Diagram &now = Editor().diagram;
  if (opensFile || UndoSteps.empty() || UndoSteps.back().opened || UndoSteps.back().diagram != now)
    UndoSteps.push_back({now, opensFile, DiagramFile, Saved});
  if (UndoSteps.size() > static_cast<size_t>(UndoDepth)) UndoSteps.pop_front();
  RedoSteps.clear();
  Changes++;
  if (MainWnd) PostMessage(MainWnd, WM_DIAGRAMCHANGED, 0, 0);
}

void UndoCommand(HWND hwnd) { Step(hwnd, UndoSteps, RedoSteps); }
void RedoCommand(HWND hwnd) { Step(hwnd, RedoSteps, UndoSteps); }

void MarkDiagramSaved() { Saved = Editor().diagram; }
bool DiagramModified() { return Saved != Editor().diagram; }
unsigned long DiagramChanges() { return Changes; }

void StartUndo() {
  UndoSteps.clear();
  RedoSteps.clear();
  MarkDiagramSaved();
}
