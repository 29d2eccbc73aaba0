#include "exporter/workingmemory.h"

#include <malloc.h>

void KeepWorkingMemory() {
  mallopt(M_MMAP_THRESHOLD, 16 << 20);  // blocks below 16 MB come from the arenas
  mallopt(M_TRIM_THRESHOLD, 64 << 20);  // and an arena keeps up to 64 MB free at its top
}
