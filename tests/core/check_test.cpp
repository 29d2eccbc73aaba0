// The position check: its lines, counts and summaries.
#include <gtest/gtest.h>

#include <string>

#include "check/check.h"
#include "files/paths.h"
#include "model/model.h"

namespace {
// Puts code on the cell of (column, row).
void Put(int column, int row, int32_t code) { Pos[column * 8 + row] = code; }

// An empty board with one king each, far apart, white at the bottom.
void TwoKings() {
  Flipped = 0;
  EmptyPosition(nullptr);
  Put(4, 0, WK);
  Put(4, 7, BK);
}

TEST(Check, StartPositionIsClean) {
  for (int flipped = 0; flipped < 2; flipped++) {
    Flipped = flipped;
    StartPosition(nullptr);
    CheckResult r = CheckPosition(0, 0);
    EXPECT_EQ(r.text, "The position has 0 errors and 0 warnings");
    EXPECT_EQ(r.errors, 0);
    EXPECT_EQ(r.warnings, 0);
  }
  Flipped = 0;
  TypicalPosition(nullptr);
  EXPECT_EQ(CheckPosition(0, 0).text, "The position has 0 errors and 0 warnings");
}

TEST(Check, EmptyBoardHasNoKings) {
  EmptyPosition(nullptr);
  Put(3, 3, DotMark), Put(4, 4, CrossMark), Put(5, 5, 99), Put(6, 6, -3);  // not men
  CheckResult r = CheckPosition(0, 0);
  EXPECT_EQ(r.text, "? White has no king\n? Black has no king\n"
                    "The position has 2 errors and 0 warnings");
  EXPECT_EQ(r.errors, 2);
  EXPECT_EQ(r.warnings, 0);
}

TEST(Check, KingsSideBySide) {
  TwoKings();
  Put(4, 7, Empty);
  Put(5, 1, BK);  // diagonally touching
  EXPECT_EQ(CheckPosition(0, 0).text, "? Check by king\nThe position has 1 errors and 0 warnings");
  Put(5, 1, Empty);
  Put(4, 1, BK);  // straight above
  EXPECT_EQ(CheckPosition(0, 0).errors, 1);
  Put(4, 1, Empty);
  Put(6, 0, BK);  // two columns apart
  EXPECT_EQ(CheckPosition(0, 0).text, "The position has 0 errors and 0 warnings");
}

TEST(Check, TwoWhiteKingsBesideTheBlackOne) {
  TwoKings();
  Put(4, 7, Empty);
  Put(4, 1, BK);
  Put(0, 7, WK);  // scanned after e1's king
  CheckResult r = CheckPosition(0, 0);
  EXPECT_EQ(r.text, "? White has more than 1 king\nThe position has 1 errors and 0 warnings");
  Put(3, 7, BK);
  EXPECT_EQ(CheckPosition(0, 0).text,
            "? White has more than 1 king\n? Black has more than 1 king\n"
            "The position has 2 errors and 0 warnings");
}

TEST(Check, PawnsOnTheBackRanksCountFromEachSide) {
  TwoKings();
  Put(0, 0, WP);
  Put(1, 0, WP);  // a second pawn on the same rank adds no line
  EXPECT_EQ(CheckPosition(0, 0).text, "? White pawn on 1st rank\nThe position has 1 errors and 0 warnings");
  Flipped = 1;
  EXPECT_EQ(CheckPosition(0, 0).text, "? White pawn on 8th rank\nThe position has 1 errors and 0 warnings");

  TwoKings();
  Put(0, 0, BP);
  EXPECT_EQ(CheckPosition(0, 0).text, "? Black pawn on 8th rank\nThe position has 1 errors and 0 warnings");
  Flipped = 1;
  EXPECT_EQ(CheckPosition(0, 0).text, "? Black pawn on 1st rank\nThe position has 1 errors and 0 warnings");

  TwoKings();
  Put(0, 7, WP), Put(1, 7, BP), Put(2, 0, WP), Put(3, 0, BP);
  EXPECT_EQ(CheckPosition(0, 0).text,
            "? White pawn on 1st rank\n? Black pawn on 1st rank\n? White pawn on 8th rank\n"
            "? Black pawn on 8th rank\nThe position has 4 errors and 0 warnings");
}

TEST(Check, Bishops) {
  TwoKings();
  Put(2, 0, WB), Put(4, 2, WB);  // both on dark squares
  EXPECT_EQ(CheckPosition(0, 0).text,
            "! White has 2 bishops of same colour\nThe position has 0 errors and 1 warnings");
  Put(3, 2, WB);  // a third bishop: too many, and no longer a pair
  EXPECT_EQ(CheckPosition(0, 0).text,
            "! White has more than 2 bishops\nThe position has 0 errors and 1 warnings");
  TwoKings();
  Put(2, 7, BB), Put(5, 7, BB);  // one light, one dark
  EXPECT_EQ(CheckPosition(0, 0).warnings, 0);
  Put(5, 7, Empty), Put(3, 4, BB);  // both light
  EXPECT_EQ(CheckPosition(0, 0).text,
            "! Black has 2 bishops of same colour\nThe position has 0 errors and 1 warnings");
}

TEST(Check, EveryRuleInOrder) {
  EmptyPosition(nullptr);
  // Two kings each, nine pawns each, three rooks, bishops and knights each, nine queens.
  int cell = 0;
  auto many = [&](int32_t code, int n) {  // fills rows 1..6, column by column
    for (int k = 0; k < n; k++, cell++) Put(cell / 6, 1 + cell % 6, code);
  };
  many(WK, 2), many(BK, 2), many(WP, 9), many(BP, 9), many(WR, 3), many(BR, 3);
  many(WB, 3), many(BB, 3), many(WN, 3), many(BN, 3), many(WQ, 4), many(BQ, 4);
  CheckResult r = CheckPosition(0, 0);
  EXPECT_EQ(r.text,
            "? White has more than 1 king\n? Black has more than 1 king\n"
            "? White has more than 8 pawns\n? Black has more than 8 pawns\n"
            "! White has more than 2 rooks\n! Black has more than 2 rooks\n"
            "! White has more than 2 bishops\n! Black has more than 2 bishops\n"
            "! White has more than 2 knights\n! Black has more than 2 knights\n"
            "The position has 4 errors and 6 warnings");
  EXPECT_EQ(r.errors, 4);
  EXPECT_EQ(r.warnings, 6);
}

TEST(Check, RanksKingsAndBishopPairsInOrder) {
  EmptyPosition(nullptr);
  Flipped = 0;
  Put(3, 3, WK), Put(4, 4, BK);
  Put(0, 0, WP), Put(1, 7, WP), Put(2, 0, BP), Put(3, 7, BP);
  Put(1, 1, WB), Put(5, 5, WB), Put(6, 0, BB), Put(2, 2, BB);
  CheckResult r = CheckPosition(0, 0);
  EXPECT_EQ(r.text,
            "? White pawn on 1st rank\n? Black pawn on 1st rank\n? White pawn on 8th rank\n"
            "? Black pawn on 8th rank\n? Check by king\n"
            "! White has 2 bishops of same colour\n! Black has 2 bishops of same colour\n"
            "The position has 5 errors and 2 warnings");
  EXPECT_EQ(r.errors, 5);
  EXPECT_EQ(r.warnings, 2);
}

TEST(Check, SummariesOfTheFourCallers) {
  EmptyPosition(nullptr);
  EXPECT_EQ(CheckPosition(1, 0).text,
            "? White has no king\n? Black has no king\nBMP file saved with 2 errors and 0 warnings");
  EXPECT_EQ(CheckPosition(2, 0).text,
            "? White has no king\n? Black has no king\nHTM file saved with 2 errors and 0 warnings");
  EXPECT_EQ(CheckPosition(2, 1).text,  // the clipboard flag only counts for a picture
            "? White has no king\n? Black has no king\nHTM file saved with 2 errors and 0 warnings");
  EXPECT_EQ(CheckPosition(1, 1).text,
            "? White has no king\n? Black has no king\n2 errors and 0 warnings\n"
            "Diagram saved in virtual clipboard " + ClipBMPPath() + "\n"
            "Use a macro in Word tp paste it easily\n"
            "Refer to https://boardsmith.example/ for details\n");
  EXPECT_NE(ClipBMPPath().find("clip.bmp"), std::string::npos);
}
}  // namespace
