// The main of the GUI tests: window services started headless, dialogs answered by the script.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/platform.h"
#include "platform/testing/testing.h"
#include "render/moduleload.h"
#include "render/vectorapi.h"

int main(int argc, char **argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  testing::InitGoogleTest(&argc, argv);
  PlatformStart(argc, argv);
  UseScriptedResponder();
  SetModuleFolder(BS_MODULE_FOLDER);  // the build's, whatever folder a test runs in
  return RUN_ALL_TESTS();
}
