#pragma once
// What the fuzz targets share: a check that stops the run with the property that failed
// (libFuzzer keeps the input as a finding), the ranges a position file and the preferences are
// read into, and a scratch file to read inputs from. Diagrams, settings and position files are
// compared with their own ==.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "chess/board.h"
#include "files/brd.h"
#include "model/model.h"

namespace fuzz {
// Two boards alike in men, side to move, rights and counters.
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

// The picture size's ranges (a named size has its own width), shared with the preferences.
inline void RequireSizeInRange(int32_t dpi, float picSiz) {
  Require(dpi >= 0 && dpi <= 3, "the size is custom, small, medium or large");
  Require(picSiz >= 1.0f && picSiz <= 6.0f, "the size is 1.0 to 6.0 inches");
  Require(dpi == 0 || picSiz == 2.0f * static_cast<float>(dpi), "named sizes are 2, 4, 6 inches");
}

// The ranges of whatever a position file gives.
inline void RequireInRange(const PositionFile &file) {
  const Diagram &d = file.diagram;
  const PictureSettings &s = file.settings;
  for (int32_t code : d.Pos) Require(code >= Empty && code <= CrossMark, "square codes are 0..14");
  Require(d.NArrows >= 0 && d.NArrows <= MaxArrows, "the arrow count is 0..32");
  Require(d.Flipped == 0 || d.Flipped == 1, "flipped is 0 or 1");
  Require(d.SideToMove == 0 || d.SideToMove == 1, "white or black is to move");
  Require(d.Castling == -1 && d.EnPassant == -1 && d.HalfMoves == 0 && d.FullMoves == 1,
          "a position read is a new position: nothing of a game is remembered");
  Require(s.Coords == 0 || s.Coords == 1, "coords is 0 or 1");
  Require(s.Theme >= 0 && s.Theme < NThemes, "the theme is 0..7");
  RequireSizeInRange(s.Dpi, s.PicSiz);
  Require(s.Style == StylePrint && s.Px == 0, "the style and width are a new setting's");
}

// A file of the given name (which may name folders on the way) in a folder of this process's
// own, rewritten with each input; the folder goes when the run ends.
inline std::string ScratchFile(const char *name, const std::string &bytes) {
  // Plain characters, not a string: the folder is removed after static objects are gone. In
  // memory where the system offers it: a disk makes every input wait on file writes.
  static char folder[4096] = "";
  if (!*folder) {
    std::error_code ec;
    const std::string base = std::filesystem::is_directory("/dev/shm", ec)
                                 ? "/dev/shm" : std::filesystem::temp_directory_path().string();
    Require(std::snprintf(folder, sizeof folder, "%s/bs-fuzz-XXXXXX", base.c_str()) < int{sizeof folder},
            "the temporary folder's name fits");
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
