#pragma once
// What the fuzz targets share: the diagram the readers fill, taken and put back whole, a busy
// diagram to start each input from, the ranges the model promises, and a check that stops the
// run with the property that failed (libFuzzer keeps the input as a finding).
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "chess/board.h"
#include "model/model.h"

namespace fuzz {
struct Diagram {
  int32_t pos[64];
  int32_t arr[MaxArrows][4];
  int32_t nArrows, flipped, coords, dpi, theme;
  float picSiz;
  int32_t sideToMove, castling, enPassant, halfMoves, fullMoves;
};

inline Diagram Take() {
  Diagram d;
  std::memcpy(d.pos, Pos, sizeof Pos);
  std::memcpy(d.arr, Arr, sizeof Arr);
  d.nArrows = NArrows, d.flipped = Flipped, d.coords = Coords, d.dpi = Dpi, d.theme = Theme;
  d.picSiz = PicSiz;
  d.sideToMove = SideToMove, d.castling = Castling, d.enPassant = EnPassant;
  d.halfMoves = HalfMoves, d.fullMoves = FullMoves;
  return d;
}

inline void Put(const Diagram &d) {
  std::memcpy(Pos, d.pos, sizeof Pos);
  std::memcpy(Arr, d.arr, sizeof Arr);
  NArrows = d.nArrows, Flipped = d.flipped, Coords = d.coords, Dpi = d.dpi, Theme = d.theme;
  PicSiz = d.picSiz;
  SideToMove = d.sideToMove, Castling = d.castling, EnPassant = d.enPassant;
  HalfMoves = d.halfMoves, FullMoves = d.fullMoves;
}

inline bool Same(const Diagram &a, const Diagram &b, float sizeTolerance = 0.0f) {
  return std::memcmp(a.pos, b.pos, sizeof a.pos) == 0 && std::memcmp(a.arr, b.arr, sizeof a.arr) == 0 &&
         a.nArrows == b.nArrows && a.flipped == b.flipped && a.coords == b.coords &&
         a.dpi == b.dpi && a.theme == b.theme && std::fabs(a.picSiz - b.picSiz) <= sizeTolerance &&
         a.sideToMove == b.sideToMove && a.castling == b.castling && a.enPassant == b.enPassant &&
         a.halfMoves == b.halfMoves && a.fullMoves == b.fullMoves;
}

inline bool SameBoard(const Board &a, const Board &b) {
  return std::memcmp(a.man, b.man, sizeof a.man) == 0 && a.side == b.side &&
         a.castling == b.castling && a.enPassant == b.enPassant && a.halfMoves == b.halfMoves &&
         a.fullMoves == b.fullMoves;
}

// Stops the run when a property does not hold.
inline void Require(bool holds, const char *property) {
  if (holds) return;
  std::fprintf(stderr, "fuzz property failed: %s\n", property);
  std::abort();
}

// A diagram unlike what most inputs give: the typical position flipped, with arrows, a custom
// size and a theme, so that a reader that changes it by mistake shows.
inline const Diagram &Busy() {
  static const Diagram busy = [] {
    InitThemes();
    TypicalPosition(nullptr);
    Pos[27] = DotMark, Pos[36] = CrossMark;
    Flipped = 1, Coords = 1, Dpi = 0, PicSiz = 2.5f, Theme = 5, NArrows = 3;
    SideToMove = 1, Castling = 5, EnPassant = 20, HalfMoves = 7, FullMoves = 31;
    const int32_t arrows[3][4] = {{0, 0, 7, 7}, {4, 6, 4, 4}, {1, 7, 2, 5}};
    std::memset(Arr, 0, sizeof Arr);
    std::memcpy(Arr, arrows, sizeof arrows);
    return Take();
  }();
  return busy;
}

// The picture size's ranges (a named size has its own width), shared with the preferences.
inline void RequireSizeInRange(int32_t dpi, float picSiz) {
  Require(dpi >= 0 && dpi <= 3, "the size is custom, small, medium or large");
  Require(picSiz >= 1.0f && picSiz <= 6.0f, "the size is 1.0 to 6.0 inches");
  Require(dpi == 0 || picSiz == 2.0f * static_cast<float>(dpi), "named sizes are 2, 4, 6 inches");
}

// The ranges the model holds after any file is read.
inline void RequireInRange(const Diagram &d) {
  for (int32_t code : d.pos) Require(code >= Empty && code <= CrossMark, "square codes are 0..14");
  Require(d.nArrows >= 0 && d.nArrows <= MaxArrows, "the arrow count is 0..32");
  Require(d.flipped == 0 || d.flipped == 1, "flipped is 0 or 1");
  Require(d.coords == 0 || d.coords == 1, "coords is 0 or 1");
  Require(d.theme >= 0 && d.theme < NThemes, "the theme is 0..7");
  RequireSizeInRange(d.dpi, d.picSiz);
  Require(d.sideToMove == 0 || d.sideToMove == 1, "white or black is to move");
}

// A file of the given name (which may name folders on the way) in a folder of this process's
// own, rewritten with each input; the folder goes when the run ends.
inline std::string ScratchFile(const char *name, const std::string &bytes) {
  // Plain characters, not a string: the folder is removed after static objects are gone.
  static char folder[4096] = "";
  if (!*folder) {
    // In memory where the system offers it: a disk makes every input wait on file writes.
    std::error_code ec;
    std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ec)
                                     ? std::filesystem::path("/dev/shm")
                                     : std::filesystem::temp_directory_path();
    std::string pattern = (base / "bs-fuzz-XXXXXX").string();
    Require(pattern.size() < sizeof folder, "the temporary folder's name fits");
    std::memcpy(folder, pattern.c_str(), pattern.size() + 1);
    Require(mkdtemp(folder) != nullptr, "a scratch folder can be made");
    std::atexit([] {
      std::error_code error;
      std::filesystem::remove_all(folder, error);
    });
  }
  const std::string path = std::string(folder) + "/" + name;
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
  FILE *f = std::fopen(path.c_str(), "wb");
  Require(f && std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size() && std::fclose(f) == 0,
          "the scratch file can be written");
  return path;
}
}  // namespace fuzz
