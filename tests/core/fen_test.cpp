// FEN: what the reader refuses and why, and positions through the diagram and back.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "check/check.h"
#include "chess/diagram.h"
#include "chess/fen.h"
#include "model/model.h"

namespace {
const char Start[] = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

TEST(FEN, RefusalsSayWhatAndWhere) {
  const struct {
    std::string text, why;
  } cases[] = {
      {"", "the text is empty"},
      {" \r\n", "the text is empty"},
      {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP", "7 ranks, expected 8"},
      {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR/8", "9 ranks, expected 8"},
      {"rnbqkbnr/pppppppp/9/8/8/8/PPPPPPPP/RNBQKBNR", "unknown piece letter '9' in rank 6"},
      {"rnbqkbnr/pppppppp/8/8/8/8/PPxPPPPP/RNBQKBNR", "unknown piece letter 'x' in rank 2"},
      {"rnbqkbnr/pppppppp/8/44p/8/8/PPPPPPPP/RNBQKBNR", "rank 5 has 9 squares"},
      {"rnbqkbnr/pppppppp/8/7/8/8/PPPPPPPP/RNBQKBNR", "rank 5 has 7 squares"},
      {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNRR", "rank 1 has 9 squares"},
      {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR x KQkq - 0 1", "side to move must be w or b"},
      {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQz - 0 1", "castling field 'KQz'"},
      {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KK - 0 1", "castling field 'KK'"},
      {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KH - 0 1", "castling field 'KH'"},  // one right twice
      {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KI - 0 1", "castling field 'KI'"},
      {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq e3 0 1",
       "en passant field 'e3' (expected - or a square on rank 6)"},
      {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w", "the castling and en passant fields are missing"},
      {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0", "the move number field is missing"},
      {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 x", "move number 'x' is not a number"},
      {std::string("rnbqkbnr/pppp\0ppp/8/8/8/8/PPPPPPPP/RNBQKBNR", 42), "character 0x00 at column 14"},
      {std::string(100000, '8'), "the text is 100000 characters long; a FEN has at most 512"},
  };
  for (const auto &c : cases) {
    Board board;
    std::memset(&board, 0x55, sizeof board);
    Board before = board;
    std::string why;
    EXPECT_FALSE(ReadFEN(c.text, &board, &why)) << c.why;
    EXPECT_EQ(why, c.why);
    EXPECT_EQ(std::memcmp(&board, &before, sizeof board), 0) << c.why;
  }
}

TEST(FEN, FormsReadAndWrittenAsSixFields) {
  const struct {
    const char *text, *written, *operations;
  } cases[] = {
      {Start, Start, ""},
      {"  rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR \n", Start, ""},  // placement only
      {"r3k2r/8/8/8/8/8/8/4K2R", "r3k2r/8/8/8/8/8/8/4K2R w Kkq - 0 1", ""},
      {"rnbqkbnr/ppp1pppp/8/3pP3/8/8/PPPP1PPP/RNBQKBNR w KQkq d6 bm Nf3; id \"x\";",
       "rnbqkbnr/ppp1pppp/8/3pP3/8/8/PPPP1PPP/RNBQKBNR w KQkq d6 0 1", "bm Nf3; id \"x\";"},
      {"4k3/8/8/8/8/8/8/4K2R w KQkq - 12 40", "4k3/8/8/8/8/8/8/4K2R w K - 12 40", ""},
      // Shredder-FEN and X-FEN: standard where the men stand as in standard chess, else Chess960
      // written with KQkq for the outermost rooks and file letters for inner ones.
      {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w HAha - 0 1", Start, ""},
      {"bqnb1rkr/pp3ppp/3ppn2/2p5/5P2/P2P4/NPP1P1PP/BQ1BNRKR w HFhf - 2 9",
       "bqnb1rkr/pp3ppp/3ppn2/2p5/5P2/P2P4/NPP1P1PP/BQ1BNRKR w KQkq - 2 9", ""},
      {"1r2k1r1/pppppppp/8/8/8/8/PPPPPPPP/1R2K1R1 w KQkq - 0 1",
       "1r2k1r1/pppppppp/8/8/8/8/PPPPPPPP/1R2K1R1 w KQkq - 0 1", ""},
      {"4k3/8/8/8/8/8/8/1R2KRR1 w F - 0 1", "4k3/8/8/8/8/8/8/1R2KRR1 w F - 0 1", ""},
      {"4k3/8/8/8/8/8/8/1R2KRR1 w BF - 0 1", "4k3/8/8/8/8/8/8/1R2KRR1 w FQ - 0 1", ""},
      {"r3k2r/8/8/8/8/8/8/R2K3R w KQkq - 0 1", "r3k2r/8/8/8/8/8/8/R2K3R w KQkq - 0 1", ""},
  };
  for (const auto &c : cases) {
    Board board;
    std::string why, operations;
    ASSERT_TRUE(ReadFEN(c.text, &board, &why, &operations)) << c.text << ": " << why;
    EXPECT_EQ(WriteFEN(board), c.written);
    EXPECT_EQ(operations, c.operations);
  }
}

// Positions of real games: through the diagram in both orientations and back, unchanged.
TEST(FEN, GamePositionsThroughTheDiagram) {
  const char *games[] = {
      Start,
      "rnbqkbnr/pp1ppppp/8/2p5/4P3/5N2/PPPP1PPP/RNBQKB1R b KQkq - 1 2",
      "rnbqkbnr/ppp2ppp/8/3pP3/8/8/PPPP1PPP/RNBQKBNR w KQkq d6 0 3",
      "r1bq1rk1/pp2bppp/2n1pn2/3p4/2PP4/2N2N2/PP2BPPP/R2QKB1R w KQ - 2 9",
      "r1b1k1nr/p2p1pNp/n2B4/1p1NP2P/6P1/3P1Q2/P1P1K3/q5b1 b kq - 0 22",
      "8/8/8/3k4/8/8/4pK2/8 b - - 0 60",
      "6k1/5ppp/8/8/3pP3/8/5PPP/6K1 b - e3 0 31",
  };
  for (int flipped = 0; flipped < 2; flipped++)
    for (const char *fen : games) {
      Diagram d;
      d.Flipped = flipped;
      d.Pos[0] = DotMark;  // a marker is not chess: it goes with the men
      Board board;
      ASSERT_TRUE(ReadFEN(fen, &board, nullptr));
      DiagramFromBoard(board, d);
      EXPECT_EQ(WriteFEN(BoardFromDiagram(d)), fen) << "flipped " << flipped;
      const Diagram shown = d;
      DiagramFromBoard(BoardFromDiagram(d), d);
      EXPECT_TRUE(d == shown) << fen;
    }
  // Rights and the en-passant square the men no longer allow are not written.
  Diagram d;
  Board board;
  ASSERT_TRUE(ReadFEN(games[2], &board, nullptr));
  DiagramFromBoard(board, d);
  d.Pos[7 * 8 + 0] = Empty;  // the rook leaves h1
  d.Pos[3 * 8 + 4] = Empty;  // the pawn leaves d5
  EXPECT_EQ(WriteFEN(BoardFromDiagram(d)),
            "rnbqkbnr/ppp2ppp/8/4P3/8/8/PPPP1PPP/RNBQKBN1 w Qkq - 0 3");
  // The start position set on the diagram: its men, white to move, rights from the men.
  d.Flipped = 1;
  StartPosition(d);
  EXPECT_EQ(WriteFEN(BoardFromDiagram(d)), Start);
}

// Mated positions: the side to move may be in check, the other side may not.
TEST(FEN, TheSideNotToMoveMayNotBeInCheck) {
  const struct {
    const char *fen;
    int errors;
  } cases[] = {
      {"rnb1kbnr/pppp1ppp/8/4p3/6Pq/5P2/PPPPP2P/RNBQKBNR w KQkq - 1 3", 0},
      {"rnb1kbnr/pppp1ppp/8/4p3/6Pq/5P2/PPPPP2P/RNBQKBNR b KQkq - 1 3", 1},
      {"r1bqkb1r/pppp1Qpp/2n2n2/4p3/2B1P3/8/PPPP1PPP/RNB1K1NR b KQkq - 0 4", 0},
      {"r1bqkb1r/pppp1Qpp/2n2n2/4p3/2B1P3/8/PPPP1PPP/RNB1K1NR w KQkq - 0 4", 1},
      {"6k1/5ppp/8/8/8/8/5PPP/1r4K1 w - - 0 30", 0},
      {"6k1/5ppp/8/8/8/8/5PPP/1r4K1 b - - 0 30", 1},
  };
  for (int flipped = 0; flipped < 2; flipped++)
    for (const auto &c : cases) {
      Diagram d;
      d.Flipped = flipped;
      Board board;
      ASSERT_TRUE(ReadFEN(c.fen, &board, nullptr));
      DiagramFromBoard(board, d);
      CheckResult r = CheckPosition(d, 0, 0);
      EXPECT_EQ(r.errors, c.errors) << c.fen;
      EXPECT_EQ(r.text.find("? The side not to move is in check\n") == 0, c.errors == 1) << r.text;
    }
}
}  // namespace
