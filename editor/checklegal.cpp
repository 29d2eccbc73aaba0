// The check's report in a message box of its own; also the save commands' confirmation.
#include "check/check.h"
#include "editor/editor.h"
#include "files/paths.h"

int CheckLegal(int mode) {
  CheckResult result = CheckPosition(mode, VClip);
  return MessageBox(nullptr, result.text.c_str(), "Check Legal", MB_OK);
}
