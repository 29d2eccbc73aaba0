// The position check: its lines, counts and summaries.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "check/check.h"

namespace {
// An empty board with the men named, each by its letter (white in capitals, D a dot, X a cross)
// and its cell: column letter and row digit from the bottom left, the square's own name when
// white is at the bottom.
Diagram Board(int flipped, const char *men) {
  Diagram d{.Flipped = flipped};
  const char *letters = " KQRBNPkqrbnpDX";
  for (const char *m = men; m[0] && m[1] && m[2]; m += m[3] ? 4 : 3)
    d.Pos[(m[1] - 'a') * 8 + m[2] - '1'] = static_cast<int32_t>(std::strchr(letters, m[0]) - letters);
  return d;
}

TEST(Check, TheRulesAloneAndTogether) {
  const struct {
    int flipped;
    const char *men, *lines;
    int errors, warnings;
  } cases[] = {
      {0, "Dd4 Xe5", "? White has no king\n? Black has no king\n", 2, 0},
      {0, "Ke1 kf2", "? Check by king\n", 1, 0},  // diagonally touching
      {0, "Ke1 ke2", "? Check by king\n", 1, 0},  // straight above
      {0, "Ke1 kg1", "", 0, 0},                    // two columns apart
      {0, "Ke1 kd3", "", 0, 0},                    // two rows apart
      {0, "Ke1 ke2 Ka8", "? White has more than 1 king\n", 1, 0},
      {0, "Ke1 ke2 Ka8 kd8", "? White has more than 1 king\n? Black has more than 1 king\n", 2, 0},
      {0, "Ke1 ke8 Pa1 Pb1", "? White pawn on 1st rank\n", 1, 0},  // one line for the rank
      {1, "Ke1 ke8 Pa1", "? White pawn on 8th rank\n", 1, 0},
      {0, "Ke1 ke8 pa1", "? Black pawn on 8th rank\n", 1, 0},
      {1, "Ke1 ke8 pa1", "? Black pawn on 1st rank\n", 1, 0},
      {0, "Ke1 ke8 Pa8 pb8 Pc1 pd1",
       "? White pawn on 1st rank\n? Black pawn on 1st rank\n? White pawn on 8th rank\n"
       "? Black pawn on 8th rank\n", 4, 0},
      {0, "Ke1 ke8 Bc1 Be3", "! White has 2 bishops of same colour\n", 0, 1},  // both dark
      {0, "Ke1 ke8 Bc1 Be3 Bd3", "! White has more than 2 bishops\n", 0, 1},  // and no pair
      {0, "Ke1 ke8 bc8 bf8", "", 0, 0},                                         // light and dark
      {0, "Ke1 ke8 bc8 bd5", "! Black has 2 bishops of same colour\n", 0, 1},
      {0, "Kd4 ke5 Pa1 Pb8 pc1 pd8 Bb2 Bf6 bg1 bc3",
       "? White pawn on 1st rank\n? Black pawn on 1st rank\n? White pawn on 8th rank\n"
       "? Black pawn on 8th rank\n? Check by king\n"
       "! White has 2 bishops of same colour\n! Black has 2 bishops of same colour\n", 5, 2},
      // Every count at once, in order: two kings, nine pawns, three rooks, bishops and knights
      // and four queens each.
      {0, "Ka2 Ka3 ka4 ka5 Pa6 Pa7 Pb2 Pb3 Pb4 Pb5 Pb6 Pb7 Pc2 pc3 pc4 pc5 pc6 pc7 pd2 pd3 pd4 pd5 "
          "Rd6 Rd7 Re2 re3 re4 re5 Be6 Be7 Bf2 bf3 bf4 bf5 Nf6 Nf7 Ng2 ng3 ng4 ng5 Qg6 Qg7 Qh2 Qh3 "
          "qh4 qh5 qh6 qh7",
       "? White has more than 1 king\n? Black has more than 1 king\n"
       "? White has more than 8 pawns\n? Black has more than 8 pawns\n"
       "? White has 24 men: at most 16\n? Black has 24 men: at most 16\n"
       "! White has more than 2 rooks\n! Black has more than 2 rooks\n"
       "! White has more than 2 bishops\n! Black has more than 2 bishops\n"
       "! White has more than 2 knights\n! Black has more than 2 knights\n", 6, 6},
      // Men beyond the start's that the missing pawns cannot have given, named once; what
      // promotions can give passes.
      {0, "Ke1 ke8 Qa1 Qb1 Qc1 Pa2 Pb2 Pc2 Pd2 Pe2 Pf2 Pg2 Ph2",
       "? White has 3 queens and 8 pawns: at most 0 promoted men\n", 1, 0},
      {0, "Ke1 ke8 ra8 rb8 rc8 pa7 pb7 pc7 pd7 pe7 pf7 pg7 ph7",
       "? Black has 3 rooks and 8 pawns: at most 0 promoted men\n", 1, 0},
      {0, "Ke1 Qd1 Ra1 Rh1 Bc1 Bf1 Nb1 Ng1 Pa2 Pb2 Pc2 Pd2 Pe2 Pf2 Pg2 Ph2 Qa3 Qb3 ke8",
       "? White has 18 men: at most 16\n", 1, 0},
      {0, "Ke1 ke8 Qa1 Qb1 Qc1 Pa2 Pb2 Pc2 Pd2 Pe2 Pf2", "", 0, 0},
      {0, "Ke1 ke8 Ra1 Rb1 Rc1 Pa2 Pb2 Pc2 Pd2 Pe2 Pf2 Pg2", "! White has more than 2 rooks\n", 0, 1},
  };
  for (const auto &c : cases) {
    Diagram d = Board(c.flipped, c.men);
    // Codes that are not men count for nothing.
    if (!d.Pos[5 * 8 + 5] && !d.Pos[6 * 8 + 6]) d.Pos[5 * 8 + 5] = 99, d.Pos[6 * 8 + 6] = -3;
    CheckResult r = CheckPosition(d, 0, 0);
    EXPECT_EQ(r.text, std::string(c.lines) + "The position has " + std::to_string(c.errors) +
                          " errors and " + std::to_string(c.warnings) + " warnings")
        << c.men;
    EXPECT_EQ(r.errors, c.errors) << c.men;
    EXPECT_EQ(r.warnings, c.warnings) << c.men;
  }
  Diagram passed = Board(0, "Ke1 ke8");
  passed.NullMove = 1;
  EXPECT_EQ(CheckPosition(passed, 0, 0).text,
            "! The last move was a null move\nThe position has 0 errors and 1 warnings");
}

// The picture's and the page's summaries are pinned by the saves' reports (export_test.cpp,
// fileio_test.cpp).
// The clipboard's summary ends its line: the editor adds where the picture went.
TEST(Check, SummariesOfTheClipboard) {
  const Diagram empty;
  EXPECT_EQ(CheckPosition(empty, 2, 1).text,  // the clipboard flag only counts for a picture
            "? White has no king\n? Black has no king\nHTM file saved with 2 errors and 0 warnings");
  EXPECT_EQ(CheckPosition(empty, 1, 1).text,
            "? White has no king\n? Black has no king\n2 errors and 0 warnings\n");
}
}  // namespace
