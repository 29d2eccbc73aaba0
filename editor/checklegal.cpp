// The check's report in a message box of its own; also the save commands' confirmation.
#include "check/check.h"
#include "editor/editor.h"
#include "files/paths.h"

int CheckLegal(int mode) {
  const EditorState &e = Editor();
  std::string text = CheckPosition(e.diagram, mode, e.VClip).text;
  // The virtual clipboard's confirmation says where the picture went and how to use it.
  if (mode == 1 && e.VClip)
    text += "Diagram saved in virtual clipboard " + ClipBMPPath() + "\n" +
            "Use a macro in Word to paste it easily\n" +
            "Refer to https://boardsmith.example/ for details\n";
  // A save's names the two files it wrote.
  else if (mode == 1 || mode == 2)
    text += std::string(text.empty() || text.back() == '\n' ? "" : "\n") + "Saved as " +
            (mode == 1 ? e.BMPFile : e.HTMFile) + " and " + e.BRDFile;
  return MessageBox(nullptr, text.c_str(), "Check Legal", MB_OK);
}
