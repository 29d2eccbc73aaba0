// Each thread's canvas, mapped when the thread first draws. Kept in the thread's own static
// storage instead, it would be cleared byte by byte at every start of the program, a cost that a
// run which prints its version or draws one picture pays in full.
#include <sys/mman.h>

#include <atomic>
#include <cstdint>
#include <new>

#include "render/canvas.h"

thread_local constinit uint8_t (*Dot)[CanvasSize] = nullptr;

namespace {
constexpr size_t HugePage = size_t(2) << 20;

// The mapping behind this thread's canvas, given back when the thread ends (a drawing after that
// finds no canvas rather than a freed one).
struct Mapping {
  void *base = nullptr;
  size_t size = 0;
  ~Mapping() {
    if (!base) return;
    munmap(base, size);
    Dot = nullptr;
  }
};
thread_local Mapping Own;

// The first canvas of the process may lie in one huge page: a run that draws one picture then
// takes one page fault for it instead of about a hundred. The threads of a batch that come later
// draw many pictures each and keep to ordinary pages, a fifth of the memory.
std::atomic<bool> HugePageTaken{false};

void *MapCanvas(bool huge, size_t *size) {
  *size = huge ? 2 * HugePage : CanvasBytes;
  void *base = mmap(nullptr, *size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (base == MAP_FAILED) return nullptr;
  if (!huge) return base;
  // Keep the one whole huge page inside the mapping and give back the rest.
  uintptr_t start = reinterpret_cast<uintptr_t>(base), end = start + *size;
  uintptr_t aligned = (start + HugePage - 1) & ~(HugePage - 1);
  if (aligned > start) munmap(base, aligned - start);
  if (end > aligned + HugePage) munmap(reinterpret_cast<void *>(aligned + HugePage), end - aligned - HugePage);
  *size = HugePage;
  madvise(reinterpret_cast<void *>(aligned), HugePage, MADV_HUGEPAGE);  // a hint: ordinary pages if refused
  return reinterpret_cast<void *>(aligned);
}
}  // namespace

void OpenCanvas() {
  if (Dot) return;
  size_t size = 0;
  void *base = MapCanvas(!HugePageTaken.exchange(true), &size);
  if (!base) throw std::bad_alloc();
  // Fault the pages in with one call rather than one trap a page (kernels before 5.14 refuse,
  // and the pages come as they are first drawn on).
  madvise(base, CanvasBytes, MADV_POPULATE_WRITE);
  Own.base = base, Own.size = size;
  Dot = static_cast<uint8_t (*)[CanvasSize]>(base);
}
