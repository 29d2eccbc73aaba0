// Linked with tests/writefault/writefault.cpp into test builds of the programs (never into what
// is shipped): reads a write fault from BS_WRITE_FAULT before main runs, so that a test can see
// how a whole program reports a write that fails. The value is "STEP N ERRNO": the Nth call of
// step STEP (open, write, sync, close, rename, syncfolder or link) fails with error number ERRNO,
// e.g. "sync 1 5".
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tests/writefault/writefault.h"

namespace {
struct FaultFromEnvironment {
  FaultFromEnvironment() {
    static const char *const Steps[] = {"open",   "write",      "sync", "close",
                                        "rename", "syncfolder", "link"};
    const char *text = std::getenv("BS_WRITE_FAULT");
    char step[16];
    int nth, err;
    if (!text || std::sscanf(text, "%15s %d %d", step, &nth, &err) != 3) return;
    for (int k = 0; k < 7; k++)
      if (std::strcmp(step, Steps[k]) == 0) InjectWriteFault(static_cast<WriteStep>(k), nth, err);
  }
} faultFromEnvironment;
}  // namespace
