// The census of the men, by side and kind.
#include "chess/census.h"

namespace {
const char *const SideNames[2] = {"White", "Black"};
const char *const KindNames[7] = {"", "kings", "queens", "rooks", "bishops", "knights", "pawns"};
constexpr int AtStart[7] = {0, 1, 1, 2, 2, 2, 8};  // men of each kind WK..WP in the start position

std::string Plural(int count, const char *one, const char *many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

// The side's line, or "" when its counts can be reached.
std::string SideCount(const int (&count)[7], int side) {
  std::string has = std::string("? ") + SideNames[side] + " has ";
  int men = 0, promoted = 0;
  for (int kind = WK; kind <= WP; kind++) men += count[kind];
  if (men > 16) return has + std::to_string(men) + " men: at most 16";
  if (count[WP] > 8) return has + std::to_string(count[WP]) + " pawns: at most 8";
  std::string beyond;  // "3 queens, 3 rooks" : the kinds beyond the start's, as the line names them
  int kinds = 0;
  for (int kind = WQ; kind <= WN; kind++) {
    if (count[kind] <= AtStart[kind]) continue;
    promoted += count[kind] - AtStart[kind];
    beyond += (kinds++ ? ", " : "") + std::to_string(count[kind]) + " " + KindNames[kind];
  }
  if (promoted <= 8 - count[WP]) return std::string();
  return has + beyond + " and " + Plural(count[WP], "pawn", "pawns") + ": at most " +
         Plural(8 - count[WP], "promoted man", "promoted men");
}
}  // namespace

std::string ImpossibleCount(const Board &board) {
  int count[2][7] = {};  // by side and kind WK..WP
  for (int8_t man : board.man)
    if (man >= WK && man <= BP) count[man >= BK][KindOf(man)]++;
  for (int side = 0; side < 2; side++) {
    std::string line = SideCount(count[side], side);
    if (!line.empty()) return line;
  }
  return std::string();
}
