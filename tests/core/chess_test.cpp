// Chess rules: perft known answers, SAN read and written, and PGN games read from small files
// whose positions were checked against an independent PGN tool.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "chess/census.h"
#include "chess/fen.h"
#include "chess/move.h"
#include "chess/pgn.h"
#include "chess/san.h"

namespace {
Board FromFEN(const std::string &fen) {
  Board board;
  std::string why;
  EXPECT_TRUE(ReadFEN(fen, &board, &why)) << fen << ": " << why;
  return board;
}

// Published counts: the start position, "Kiwipete", positions 3 to 6 of the usual set (4 also
// mirrored; 3 holds en passant that would expose the king along the rank), and positions made
// for discovered and double check, underpromotion and stalemate.
TEST(Chess, PerftKnownAnswers) {
  const struct {
    const char *fen;
    int depth;
    uint64_t leaves;
  } cases[] = {
      {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", 4, 197281},
      {"r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1", 3, 97862},
      {"8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1", 5, 674624},
      {"r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1", 4, 422333},
      {"r2q1rk1/pP1p2pp/Q4n2/bbp1p3/Np6/1B3NBn/pPPP1PPP/R3K2R b KQ - 0 1", 3, 9467},
      {"rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8", 3, 62379},
      {"r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - - 0 10", 3, 89890},
      {"8/8/2k5/5q2/5n2/8/5K2/8 b - - 0 1", 4, 23527},         // discovered check
      {"4k3/1P6/8/8/8/8/K7/8 w - - 0 1", 6, 217342},           // underpromotion with check
      {"8/8/1P2K3/8/2n5/1q6/8/5k2 b - - 0 1", 5, 1004658},     // double check
      {"K1k5/8/P7/8/8/8/8/8 w - - 0 1", 6, 2217},              // stalemate
  };
  for (const auto &c : cases)
    EXPECT_EQ(Perft(FromFEN(c.fen), c.depth), c.leaves) << c.fen << " depth " << c.depth;
}

// Published counts of the usual Chess960 test positions (Shredder-FEN castling), depths 1 to 4.
TEST(Chess, Chess960PerftKnownAnswers) {
  const struct {
    const char *fen;
    uint64_t leaves[4];
  } cases[] = {
      {"bqnb1rkr/pp3ppp/3ppn2/2p5/5P2/P2P4/NPP1P1PP/BQ1BNRKR w HFhf - 2 9", {21, 528, 12189, 326672}},
      {"2nnrbkr/p1qppppp/8/1ppb4/6PP/3PP3/PPP2P2/BQNNRBKR w HEhe - 1 9", {21, 807, 18002, 667366}},
      {"b1q1rrkb/pppppppp/3nn3/8/P7/1PPP4/4PPPP/BQNNRKRB w GE - 1 9", {20, 479, 10471, 273318}},
      {"qbbnnrkr/2pp2pp/p7/1p2pp2/8/P3PP2/1PPP1KPP/QBBNNR1R w hf - 0 9", {22, 593, 13440, 382958}},
      {"1nbbnrkr/p1p1ppp1/3p4/1p3P1p/3Pq2P/8/PPP1P1P1/QNBBNRKR w HFhf - 0 9", {28, 1120, 31058, 1171749}},
      {"qnbnr1kr/ppp1b1pp/4p3/3p1p2/8/2NPP3/PPP1BPPP/QNB1R1KR w HEhe - 1 9", {29, 899, 26578, 824055}},
      {"r1kbbqrn/ppp3pp/2np1p2/1P2p3/3P1P2/8/P1P1P1PP/RNKBBQRN w GAga - 0 9", {32, 920, 28916, 844881}},
      {"rk1qbbrn/p2npppp/1p6/2p4Q/8/4P3/PPPP1PPP/RNK1B1RN w GA - 2 9", {35, 657, 22359, 495406}},
  };
  for (const auto &c : cases) {
    Board board = FromFEN(c.fen);
    EXPECT_TRUE(board.chess960) << c.fen;
    for (int depth = 1; depth <= 4; depth++)
      EXPECT_EQ(Perft(board, depth), c.leaves[depth - 1]) << c.fen << " depth " << depth;
  }
}

// More men than the start and the promotions of the missing pawns give, or more than 16.
TEST(Chess, CensusOfTheMen) {
  const struct {
    const char *fen, *line;
  } cases[] = {
      {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", ""},
      {"QQQQQQQQ/QQQQQQQQ/Q7/8/8/8/8/K6k w - - 0 1", "? White has 18 men: at most 16"},
      {"rnbqkbnr/pppppppp/8/8/8/2QQ4/PPPPPPPP/RNBQKBNR w KQkq - 0 1", "? White has 18 men: at most 16"},
      {"4k3/8/8/8/2QQ4/8/PPPPPPPP/3QK3 w - - 0 1", "? White has 3 queens and 8 pawns: at most 0 promoted men"},
      {"4k3/8/8/8/2QQ4/8/PPPPPP2/3QK3 w - - 0 1", ""},  // two pawns became queens
      {"QQQQQQQQ/8/8/k7/8/8/8/RNBQKBNR w - - 0 1", ""},  // all eight did
      {"4k3/8/8/8/8/RQ6/PPPPPPP1/R2QK2R w - - 0 1",
       "? White has 2 queens, 3 rooks and 7 pawns: at most 1 promoted man"},
      {"4k3/pppppppp/p7/8/8/8/8/4K3 b - - 0 1", "? Black has 9 pawns: at most 8"},
      {"1nn1k1n1/pppppppp/8/8/8/8/8/4K3 b - - 0 1", "? Black has 3 knights and 8 pawns: at most 0 promoted men"},
      {"1nn1k1n1/pppppp2/8/8/8/8/8/4K3 b - - 0 1", ""},
  };
  for (const auto &c : cases) EXPECT_EQ(ImpossibleCount(FromFEN(c.fen)), c.line) << c.fen;
}

// Each text read in its position: the move as WriteSAN writes it, or why it was refused. Every
// legal move of each position also goes through WriteSAN and back unchanged.
TEST(Chess, SANReadAndWritten) {
  const char *start = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";
  const char *castles = "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1";
  const char *promotions = "5n2/4P3/8/8/8/8/k7/4K3 w - - 0 1";
  const struct {
    const char *fen, *text, *written, *why;
  } cases[] = {
      {start, "e4", "e4", ""},
      {start, "Nf3!?", "Nf3", ""},
      {start, "Ng1-f3", "Nf3", ""},
      {start, "e2e4", "e4", ""},
      {start, "e5", "", "e5 is illegal"},
      {start, "Ke2", "", "Ke2 is illegal"},
      {start, "Xe4", "", "Xe4 is not a move"},
      {start, "xe3", "", "xe3 is not a move"},
      {start, "", "", "an empty move"},
      {"rn1qkb1r/ppp1pppp/5n2/3p4/3P4/5N2/PPPNPPPP/R1BQKB1R b KQkq - 0 4", "Nd7", "",
       "Nd7 is ambiguous: Nbd7 or Nfd7"},
      {"rn1qkb1r/ppp1pppp/5n2/3p4/3P4/5N2/PPPNPPPP/R1BQKB1R b KQkq - 0 4", "Nbd7", "Nbd7", ""},
      {"4k3/8/8/R7/8/8/8/R3K3 w - - 0 1", "Ra3", "", "Ra3 is ambiguous: R1a3 or R5a3"},
      {"4k3/8/8/R7/8/8/8/R3K3 w - - 0 1", "R1a3", "R1a3", ""},
      {"8/8/1k6/8/4Q2Q/8/8/K6Q w - - 0 1", "Qh4e1", "Qh4e1", ""},
      {"8/8/1k6/8/4Q2Q/8/8/K6Q w - - 0 1", "Qhe1", "", "Qhe1 is ambiguous: Q1e1 or Qh4e1"},
      {"rnbqkbnr/ppp1pppp/8/3p4/4P3/8/PPPP1PPP/RNBQKBNR w KQkq d6 0 2", "ed5", "exd5", ""},
      {"rnbqkbnr/ppp2ppp/8/3pP3/8/8/PPPP1PPP/RNBQKBNR w KQkq d6 0 3", "exd6", "exd6", ""},
      {"8/8/8/KPp4r/8/8/8/7k w - c6 0 1", "bxc6", "", "bxc6 is illegal"},  // pinned on the rank
      {promotions, "e8Q", "e8=Q", ""},
      {promotions, "exf8=N", "exf8=N", ""},
      {promotions, "e8=q", "e8=Q", ""},
      {promotions, "e8", "", "e8 is ambiguous: e8=B, e8=N, e8=Q or e8=R"},
      {promotions, "e8=K", "", "e8=K is not a move"},
      {castles, "O-O", "O-O", ""},
      {castles, "0-0-0+", "O-O-O", ""},
      {"r3k1r1/8/8/8/8/8/8/R3K2R w KQq - 0 1", "O-O", "", "O-O is illegal"},
      {"r3k2r/8/8/8/8/8/5b2/R3K2R w KQkq - 0 1", "O-O-O", "", "O-O-O is illegal"},  // in check
      {"3qk2r/8/8/8/8/8/8/R3K2R w KQk - 0 1", "O-O-O", "", "O-O-O is illegal"},  // through d1
      {"4rkr1/4p1p1/8/8/8/8/8/4K2R w K - 0 1", "O-O", "O-O#", ""},
      {"5rk1/5ppp/8/8/8/8/8/R3K3 w Q - 0 1", "O-O-O", "O-O-O", ""},
      {"r1bqkb1r/pppp1ppp/2n2n2/4p2Q/2B1P3/8/PPPP1PPP/RNB1K1NR w KQkq - 4 4", "Qxf7", "Qxf7#", ""},
      {"rnbqkbnr/pppp1ppp/8/4p3/6P1/5P2/PPPPP2P/RNBQKBNR b KQkq - 0 2", "Qh4??", "Qh4#", ""},
      {"4k3/4r3/8/8/8/8/4N3/4K3 w - - 0 1", "Nc3", "", "Nc3 is illegal"},  // pinned knight
      // Lenient reading: lower case, long algebraic and coordinates, e.p., null moves.
      {start, "nf3", "Nf3", ""},
      {start, "g1f3", "Nf3", ""},
      {start, "Ng1f3", "Nf3", ""},
      {start, "ng1-f3", "Nf3", ""},
      {start, "Nb1f3", "", "Nb1f3 is illegal"},
      {start, "Bg1f3", "", "Bg1f3 is illegal"},
      {start, "e3e4", "", "e3e4 is illegal"},
      {start, "--", "--", ""},
      {start, "Z0", "--", ""},
      {"r3k2r/8/8/8/8/8/5b2/R3K2R w KQkq - 0 1", "--", "", "-- is illegal: white is in check"},
      {"rnbqkbnr/ppp2ppp/8/3pP3/8/8/PPPP1PPP/RNBQKBNR w KQkq d6 0 3", "exd6 e.p.", "exd6", ""},
      {"rnbqkbnr/ppp2ppp/8/3pP3/8/8/PPPP1PPP/RNBQKBNR w KQkq d6 0 3", "exd6e.p.+", "exd6", ""},
      {"rnbqkbnr/ppp2ppp/8/3pP3/8/8/PPPP1PPP/RNBQKBNR w KQkq d6 0 3", "exd6ep", "exd6", ""},
      {"rnbqkbnr/ppp2ppp/8/3pP3/8/8/PPPP1PPP/RNBQKBNR w KQkq d6 0 3", "e5d6", "exd6", ""},
      {promotions, "e8n", "e8=N", ""},
      {promotions, "exf8q", "exf8=Q", ""},
      {promotions, "e7e8q", "e8=Q", ""},
      {promotions, "e7e8", "", "e7e8 is ambiguous: e8=B, e8=N, e8=Q or e8=R"},
      {"4k3/8/8/8/8/2n5/1P1B4/4K3 w - - 0 1", "bxc3", "bxc3", ""},  // a b-pawn's capture fits
      {"4k3/8/8/8/8/2n5/1P1B4/4K3 w - - 0 1", "bc3", "bxc3", ""},
      {"4k3/8/8/8/8/2n5/3B4/4K3 w - - 0 1", "bxc3", "Bxc3", ""},    // none does: the bishop
      {"4k3/8/8/8/8/2n5/3B4/4K3 w - - 0 1", "be3", "Be3", ""},
      {castles, "o-o", "O-O", ""},
      {castles, "e1g1", "O-O", ""},
      {castles, "e1c1", "O-O-O", ""},
      {castles, "e1h1", "", "e1h1 is illegal"},
      // Chess960: the king takes its rook, written O-O, O-O-O or as coordinates.
      {"1r2k1r1/pppppppp/8/8/8/8/PPPPPPPP/1R2K1R1 w GBgb - 0 1", "O-O", "O-O", ""},
      {"1r2k1r1/pppppppp/8/8/8/8/PPPPPPPP/1R2K1R1 w GBgb - 0 1", "e1g1", "O-O", ""},
      {"1r2k1r1/pppppppp/8/8/8/8/PPPPPPPP/1R2K1R1 w GBgb - 0 1", "e1c1", "O-O-O", ""},
      {"1r2k1r1/pppppppp/8/8/8/8/PPPPPPPP/1R2K1R1 w GBgb - 0 1", "e1b1", "O-O-O", ""},
      {"1r2k1r1/pppppppp/8/8/8/8/PPPPPPPP/1R2K1R1 w GBgb - 0 1", "Kf1", "Kf1", ""},
      {"4k3/8/8/8/8/8/8/5K1R w H - 0 1", "f1g1", "Kg1", ""},  // the king's step, not castling
      {"4k3/8/8/8/8/8/8/5K1R w H - 0 1", "f1h1", "O-O", ""},
      {"4k3/8/8/8/8/8/8/6KR w H - 0 1", "O-O", "O-O", ""},    // the king stays on g1
      {"4k3/8/8/8/8/8/8/5RK1 w F - 0 1", "O-O-O", "O-O-O", ""},
      {"4k3/8/8/8/8/8/8/5RK1 w F - 0 1", "O-O", "", "O-O is illegal"},
      {"4k3/8/8/8/8/8/3r4/5RK1 w F - 0 1", "O-O-O", "", "O-O-O is illegal"},  // d1 attacked
  };
  for (const auto &c : cases) {
    Board board = FromFEN(c.fen);
    Move move{};
    std::string why;
    bool read = ReadSAN(board, c.text, &move, &why);
    EXPECT_EQ(read ? WriteSAN(board, move) : why, *c.written ? c.written : c.why) << c.text;
    Move moves[MaxMoves];
    int count = LegalMoves(board, moves);
    for (int k = 0; k < count; k++) {
      std::string san = WriteSAN(board, moves[k]);
      EXPECT_TRUE(ReadSAN(board, san, &move, &why) && move == moves[k]) << c.fen << " " << san;
    }
  }
}

// Each game of the files under tests/data/pgn: its final position and last move (as the
// independent tool replayed it), result and a tag, or why it was refused.
TEST(PGN, GamesOfTheTestFiles) {
  const struct {
    const char *file;
    int number;
    const char *why, *fen = "", *lastSAN = "", *result = "", *tag = "White", *value = "";
    size_t plies = 0;
    int nullMoves = 0;  // positions reached by a null move
  } cases[] = {
      {"games.pgn", 1, "", "1n1Rkb1r/p4ppp/4q3/4p1B1/4P3/8/PPP2PPP/2K5 b k - 1 17", "Rd8#", "1-0",
       "Annotator", "A \"quoted\" name \\ backslash", 33},
      {"games.pgn", 2, "", "r1bk3r/p2pBpNp/n4n2/1p1NP2P/6P1/3P4/P1P1K3/q5b1 b - - 1 23", "Be7#",
       "1-0", "White", "Anderssen, Adolf", 45},
      {"setup.pgn", 1, "", "8/8/2NR4/6k1/8/6n1/8/rK6 w - - 7 38", "Ra1+", "*", "SetUp", "1", 16},
      {"setup.pgn", 2, "", "8/3k4/8/8/8/3p4/3K4/8 b - - 1 3", "Kd2", "*", "Event", "Black first", 4},
      {"bom_crlf_latin1.pgn", 1, "",
       "r1bqk2r/1pppbppp/p1n2n2/4p3/B3P3/5N2/PPPP1PPP/RNBQ1RK1 w kq - 4 6", "Be7", "1/2-1/2",
       "White", "M\xc3\xbcller, J\xc3\xbcrgen", 10},
      {"cr_utf8.pgn", 1, "", "r1bqkbnr/ppp2ppp/2n5/4P3/2Bp4/8/PP3PPP/RNBQK1NR w KQkq - 1 6", "Nc6",
       "*", "White", "Ljubojevi\xc4\x87, Ljubomir", 10},
      {"damaged.pgn", 1, "", "rnbqkb1r/1p2pppp/p2p1n2/8/3NP3/2N5/PPP2PPP/R1BQKB1R w KQkq - 0 6",
       "a6", "1/2-1/2", "Event", "good 1", 10},
      {"damaged.pgn", 2, "line 7, game 2, move 2: Ke3 is illegal"},
      {"damaged.pgn", 3, "line 11, game 3, move 3: Nd2 is ambiguous: Nbd2 or Nfd2"},
      {"damaged.pgn", 4, "line 15, game 4, move 1...: a variation is not closed"},
      {"damaged.pgn", 5, "line 19, game 5, move 1...: unexpected character 0x01"},
      {"damaged.pgn", 6, "line 23, game 6, move 2...: a comment is not closed"},
      {"damaged.pgn", 7, "line 27, game 7: tag FEN: 9 ranks, expected 8"},
      {"damaged.pgn", 8, "line 34, game 8, move 1: e8 is ambiguous: e8=B+, e8=N, e8=Q+ or e8=R"},
      {"damaged.pgn", 9, "line 37, game 9: tag FEN: black is in check with white to move"},
      {"damaged.pgn", 10, "", "r1b2rk1/ppq2ppp/2n1pn2/2p5/2BP4/P1P1PN2/5PPP/R1BQ1RK1 w - - 1 11",
       "Qc7", "*", "Event", "good 2", 20},
      // Game boundaries as the file has them, lenient moves, variants, the census.
      {"edges.pgn", 1, "line 2, game 1: tag White is not closed with ]"},
      {"edges.pgn", 2, "", "rnbqkbnr/ppp2ppp/4p3/3p4/2PP4/8/PP2PPPP/RNBQKBNR w KQkq - 0 3", "e6", "*",
       "White", "Good", 4},  // a comment line that begins with [
      {"edges.pgn", 3, "", "r1bqk2r/ppp1bppp/2n2n2/3pp3/8/2PP1NP1/PP2PPBP/RNBQ1RK1 w kq - 3 7", "Nf6",
       "*", "White", "M\xc3\xbcller", 12},  // after a byte-order mark, Latin-1
      {"edges.pgn", 4, "", "rQbqkb1r/pp2pppp/5n2/8/8/8/PPPP1PPP/RNBQKBNR b KQkq - 0 5", "cxb8=Q", "*",
       "Event", "null moves", 9, 2},
      {"edges.pgn", 5, "line 23, game 5: the variant Atomic is not supported"},
      {"edges.pgn", 6, "", "2kr3r/ppp1pppp/8/3p4/3P4/8/PPP1PPPP/R4RK1 w - d6 0 3", "d5", "*",
       "Variant", "chess960", 4},
      {"edges.pgn", 7, "", "2kr3r/pppppppp/8/8/8/8/PPPPPPPP/R4RK1 w - - 2 2", "O-O-O", "*", "Event",
       "Shredder-FEN", 2},
      {"edges.pgn", 8, "line 39, game 8: tag FEN: White has 3 queens and 8 pawns: at most 0 promoted men"},
      {"edges.pgn", 9, "line 43, game 9: tag Event: the value is not closed"},
      {"edges.pgn", 10, "", "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1", "e4", "*",
       "Event", "last", 1},
      {"edges.pgn", 11, "", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", "", "", "White",
       "Nobody", 0},  // tags and no moves: an empty line, then the next game's tags
      {"edges.pgn", 12, "", "rnbqkbnr/pppppppp/8/8/3P4/8/PPP1PPPP/RNBQKBNR b KQkq d3 0 1", "d4", "*",
       "Event", "after tags only", 1},
  };
  for (const auto &c : cases) {
    std::string path = std::string(BS_SOURCE_DIR) + "/tests/data/pgn/" + c.file, why;
    std::FILE *file = std::fopen(path.c_str(), "rb");
    ASSERT_TRUE(file) << path;
    PGNSource source;
    OpenPGNSource(&source, file);
    PGNGame game;
    int read = 0;
    for (int n = 0; n < c.number; n++) read = ReadPGNGame(&source, &game, &why);
    std::fclose(file);
    std::string where = std::string(c.file) + " game " + std::to_string(c.number);
    EXPECT_EQ(game.number, c.number) << where;
    if (*c.why) {
      EXPECT_EQ(read, -1) << where;
      EXPECT_EQ(why, c.why) << where;
      continue;
    }
    ASSERT_EQ(read, 1) << where << ": " << why;
    ASSERT_EQ(game.moves.size(), c.plies) << where;
    EXPECT_EQ(game.positions.size(), c.plies + 1) << where;
    EXPECT_EQ(WriteFEN(game.positions.back()), c.fen) << where;
    EXPECT_EQ(game.san.empty() ? "" : game.san.back(), c.lastSAN) << where;
    EXPECT_EQ(game.result, c.result) << where;
    EXPECT_EQ(PGNTag(game, c.tag), c.value) << where;
    int nullMoves = 0;
    for (size_t p = 0; p < c.plies; p++) {
      EXPECT_EQ(game.positions[p + 1].nullMove, IsNullMove(game.moves[p])) << where << " ply " << p + 1;
      nullMoves += game.positions[p + 1].nullMove;
    }
    EXPECT_EQ(nullMoves, c.nullMoves) << where;
  }
}

// Variations kept when the source asks: those of games.pgn game 1 depth-first as written, each
// with its path, first ply, moves and last position; a fault in one names it.
TEST(PGN, VariationsDepthFirst) {
  std::string path = std::string(BS_SOURCE_DIR) + "/tests/data/pgn/games.pgn", why;
  std::FILE *file = std::fopen(path.c_str(), "rb");
  ASSERT_TRUE(file) << path;
  PGNSource source;
  OpenPGNSource(&source, file);
  source.variations = true;
  PGNGame game;
  ASSERT_EQ(ReadPGNGame(&source, &game, &why), 1) << why;
  std::fclose(file);
  const struct {
    const char *path;
    int firstPly;
    const char *san, *fen;
  } variations[] = {
      {"1", 6, "exd4 Nxd4 Nf6", "rnbqkb1r/ppp2ppp/3p1n2/8/3NP3/8/PPP2PPP/RNBQKB1R w KQkq - 1 5"},
      {"1.1", 7, "Qxd4 Nc6 Bb5", "r1bqkbnr/ppp2ppp/2np4/1B6/3QP3/5N2/PPP2PPP/RNB1K2R b KQkq - 2 5"},
      {"1.1.1", 8, "Nf6", "rnbqkb1r/ppp2ppp/3p1n2/8/3QP3/5N2/PPP2PPP/RNB1KB1R w KQkq - 1 5"},
  };
  EXPECT_EQ(game.moves.size(), 33u);
  ASSERT_EQ(game.variations.size(), std::size(variations));
  for (size_t k = 0; k < std::size(variations); k++) {
    const PGNVariation &v = game.variations[k];
    EXPECT_EQ(v.path, variations[k].path);
    EXPECT_EQ(v.firstPly, variations[k].firstPly) << v.path;
    std::string san;
    for (const std::string &move : v.san) san += (san.empty() ? "" : " ") + move;
    EXPECT_EQ(san, variations[k].san) << v.path;
    ASSERT_EQ(v.positions.size(), v.moves.size() + 1) << v.path;
    EXPECT_EQ(WriteFEN(v.positions.back()), variations[k].fen) << v.path;
  }
  EXPECT_EQ(WriteFEN(game.variations[0].positions[0]), WriteFEN(game.positions[5]));

  const struct {
    const char *text, *why;
  } faults[] = {
      {"1. e4 (1. d4 Ke7) *\n", "line 1, game 1, variation 1, move 1...: Ke7 is illegal"},
      {"1. e4 e5\n(1... d5 (1... Nf6 2. Nc3 (2. e5 Ne4) 2... c6) (1... c5 Z0 Ke7)) *\n",
       "line 2, game 1, variation 1.2, move 2...: Ke7 is illegal"},
      {"( 1. d4 ) 1. e4 *\n", "line 1, game 1, move 1: a variation before any move"},
  };
  for (const auto &c : faults) {
    std::string text = c.text;
    std::FILE *input = fmemopen(text.data(), text.size(), "rb");
    ASSERT_TRUE(input);
    OpenPGNSource(&source, input);
    source.variations = true;
    EXPECT_EQ(ReadPGNGame(&source, &game, &why), -1) << c.text;
    EXPECT_EQ(why, c.why);
    std::fclose(input);
  }
}

// Huge input: a game of a 10 MB line is refused, the games around it read, nothing grows.
TEST(PGN, HugeLineRefusedAndSkipped) {
  std::string text = "[Event \"a\"]\n1. e4 e5 *\n[Event \"b\"]\n1. d4 {" +
                     std::string(10 << 20, 'x') + "} d5 *\n1. c4 " + std::string(2 << 20, 'N') +
                     "\n\n[Event \"c\"]\n1. f4 *\n";
  std::FILE *file = fmemopen(text.data(), text.size(), "rb");
  ASSERT_TRUE(file);
  PGNSource source;
  OpenPGNSource(&source, file);
  PGNGame game;
  std::string why, outcomes;
  for (int read; (read = ReadPGNGame(&source, &game, &why)) != 0;)
    outcomes += read > 0 ? PGNTag(game, "Event") + "; " : why + "; ";
  std::fclose(file);
  EXPECT_EQ(outcomes, "a; line 3, game 2: the game is longer than 1 MB; line 5, game 3, move 1...: "
                      "NNNNNNNNNNNNNNNN... is not a move; c; ");
  EXPECT_LE(source.block.capacity(), size_t{1} << 16);
}
}  // namespace
