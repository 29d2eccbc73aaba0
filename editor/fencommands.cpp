// FEN in and out through the desktop clipboard: "Paste FEN" finds a FEN in the clipboard's text,
// "Copy FEN" puts the diagram's FEN there.
#include <cstring>
#include <vector>

#include "chess/diagram.h"
#include "chess/fen.h"
#include "editor/editor.h"

namespace {
// The clipboard text looked through: a FEN comes with a line or a page round it, not a book.
constexpr size_t MaxPastedText = 1 << 16;
const char PlacementLetters[] = "KQRBNPkqrbnp12345678/";

// A word with what surrounds a FEN in a sentence or a PGN tag taken off: quotes, brackets,
// trailing punctuation.
std::string Bare(const std::string &word) {
  size_t first = word.find_first_not_of("\"'[({<");
  size_t last = word.find_last_not_of("\"'])}>,;:.");
  if (first == std::string::npos || last == std::string::npos || last < first) return "";
  return word.substr(first, last - first + 1);
}

// A word that can only be meant as a board: ranks of men and digits, most of the slashes there.
bool IsPlacement(const std::string &word) {
  size_t slashes = 0;
  for (char c : word) {
    if (!c || !std::strchr(PlacementLetters, c)) return false;
    slashes += c == '/';
  }
  return slashes >= 4;
}

std::vector<std::string> BareWords(const std::string &line) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < line.size()) {
    size_t start = line.find_first_not_of(" \t", i);
    if (start == std::string::npos) break;
    size_t end = line.find_first_of(" \t", start);
    if (end == std::string::npos) end = line.size();
    words.push_back(Bare(line.substr(start, end - start)));
    i = end;
  }
  return words;
}
}  // namespace

bool FindFEN(const std::string &text, Board *board, std::string *why) {
  std::string problem;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    std::vector<std::string> words = BareWords(text.substr(start, end - start));
    for (size_t i = 0; i < words.size(); i++) {
      if (!IsPlacement(words[i])) continue;
      // The fields after the placement belong to it when a side to move follows (one letter,
      // right or wrong); otherwise the placement stands alone in a sentence.
      std::string fen = words[i];
      if (i + 1 < words.size() && words[i + 1].size() == 1)
        for (size_t j = i + 1; j < words.size() && j <= i + 5; j++) fen += " " + words[j];
      std::string refused;
      if (ReadFEN(fen, board, &refused)) return true;
      if (problem.empty()) problem = refused;
    }
    start = end + 1;
  }
  if (problem.empty()) {
    // One line with a slash was meant as a FEN: the reader says what is wrong with it.
    size_t first = text.find_first_not_of(" \t\r\n"), last = text.find_last_not_of(" \t\r\n");
    std::string line = first == std::string::npos ? "" : text.substr(first, last - first + 1);
    Board unused;
    if (line.find('/') != std::string::npos && line.find_first_of("\r\n") == std::string::npos)
      ReadFEN(line, &unused, &problem);
  }
  if (why) *why = problem.empty() ? "no FEN in the text" : problem;
  return false;
}

void PasteFEN(HWND hwnd) {
  std::string text = ClipboardText(MaxPastedText);
  Board board;
  std::string why = "the clipboard holds no text";
  if (text.find_first_not_of(" \t\r\n") == std::string::npos || !FindFEN(text, &board, &why)) {
    std::string message = "No position was pasted:\n" + why;
    MessageBox(hwnd, message.c_str(), "Paste FEN", MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  PutBoard(hwnd, board, "FEN pasted");
}

void CopyFEN(HWND hwnd) {
  std::string fen = WriteFEN(BoardFromDiagram(Editor().diagram));
  if (!CopyTextToClipboard(fen)) {
    MessageBox(hwnd, "The clipboard did not take the FEN.", "Copy FEN", MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  std::string status = "FEN copied: " + fen;
  HDC hdc = GetDC(hwnd);
  Scribe(hdc, status.c_str());
  ReleaseDC(hwnd, hdc);
}
