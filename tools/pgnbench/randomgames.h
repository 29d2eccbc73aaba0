#pragma once
// Random legal games as PGN, the same for the same seed: the input of the PGN benchmarks.
// Every move is written with WriteSAN; some games carry comments, NAGs and variations (legal
// too, so that any PGN tool accepts them), and the games end in mate, stalemate, the 50-move
// rule or at a chosen length.
#include <cstdint>
#include <string>

#include "chess/attack.h"
#include "chess/fen.h"
#include "chess/move.h"
#include "chess/san.h"

namespace randomgames {
// xorshift32: the same numbers on every machine.
inline uint32_t Random(uint32_t *state) {
  uint32_t x = *state;
  x ^= x << 13, x ^= x >> 17, x ^= x << 5;
  return *state = x;
}

// Appends a word to the movetext, breaking lines before 80 characters.
inline void Word(std::string *text, size_t *column, const std::string &word) {
  if (*column && *column + 1 + word.size() > 79) *text += '\n', *column = 0;
  if (*column) *text += ' ', (*column)++;
  *text += word;
  *column += word.size();
}

// A few random plies from the board, in SAN with their move numbers.
inline void Variation(Board board, int plies, uint32_t *seed, std::string *text, size_t *column) {
  Word(text, column, "(");
  for (int p = 0; p < plies; p++) {
    Move moves[MaxMoves];
    int count = LegalMoves(board, moves);
    if (count == 0) break;
    const Move &m = moves[Random(seed) % count];
    std::string number = std::to_string(board.fullMoves) + (board.side ? "..." : ".");
    if (p == 0 || board.side == 0) Word(text, column, number);
    Word(text, column, WriteSAN(board, m));
    MakeMove(&board, m);
  }
  *text += ')', (*column)++;
}

inline std::string RandomGames(int games, uint32_t seed) {
  const char *names[] = {"Carlsen, Magnus", "Polgar, Judit", "Ljubojević, Ljubomir",
                         "Müller, Jürgen", "Tal, Mikhail", "Hou, Yifan", "Nakamura, Hikaru",
                         "Kasparov, Garry"};
  std::string text;
  seed = seed ? seed : 1;
  for (int g = 1; g <= games; g++) {
    Board board;
    ReadFEN(StartFEN, &board, nullptr);
    int length = 20 + static_cast<int>(Random(&seed) % 180);
    bool annotated = Random(&seed) % 4 == 0;
    std::string moves;
    size_t column = 0;
    bool numberDue = true;  // after a comment or variation black's move gets its number again
    std::string result = "*";
    for (int ply = 0;; ply++) {
      Move list[MaxMoves];
      int count = LegalMoves(board, list);
      if (count == 0) {
        result = !InCheck(board, board.side) ? "1/2-1/2" : board.side ? "1-0" : "0-1";
        break;
      }
      if (board.halfMoves >= 100) {
        result = "1/2-1/2";
        break;
      }
      if (ply == length) break;
      const Move &m = list[Random(&seed) % count];
      if (board.side == 0 || numberDue)
        Word(&moves, &column, std::to_string(board.fullMoves) + (board.side ? "..." : "."));
      const std::string san = WriteSAN(board, m);
      Word(&moves, &column, san);
      numberDue = false;
      if (annotated && Random(&seed) % 10 == 0) {
        switch (Random(&seed) % 3) {
          case 0: Word(&moves, &column, "$" + std::to_string(1 + Random(&seed) % 6)); break;
          case 1: Word(&moves, &column, "{A comment on " + san + "}"); break;
          default: Variation(board, 1 + static_cast<int>(Random(&seed) % 6), &seed, &moves,
                             &column);
        }
        numberDue = true;
      }
      MakeMove(&board, m);
    }
    text += "[Event \"Random games\"]\n[Site \"Boardsmith\"]\n[Date \"2026.12.06\"]\n";
    text += "[Round \"" + std::to_string(g) + "\"]\n";
    text += std::string("[White \"") + names[Random(&seed) % 8] + "\"]\n";
    text += std::string("[Black \"") + names[Random(&seed) % 8] + "\"]\n";
    text += "[Result \"" + result + "\"]\n\n";
    Word(&moves, &column, result);
    text += moves + "\n\n";
  }
  return text;
}
}  // namespace randomgames
