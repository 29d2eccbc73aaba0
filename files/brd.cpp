// The position file: a diagram and its picture settings written as lines of text, and read back.
//
// Every line ends in CR CR LF (the line's CR LF passed once more through a text stream that
// turns LF into CR LF). Value fields start at column 20; the custom size's number at column 27.
// Pieces are written as four-character entries: a letter for the content, the square's name,
// and a space.
#include "files/brd.h"

#include <cstring>
#include <vector>

#include "files/atomicwrite.h"
#include "files/numbers.h"
#include "model/themes.h"

namespace {
const char Banner[] = "Boardsmith by Hallam Pryce <hallam.pryce@boardsmith.example>";
const char EndOfLine[] = "\r\r\n";
constexpr int ValueColumn = 20;
constexpr int CustomSizeColumn = 27;
// A position file is a few hundred bytes; anything near this size is something else.
constexpr size_t MaxFileBytes = 1 << 20;

// The three lists of the file: their letters, and the square codes those letters stand for.
struct PieceList {
  const char *header;
  const char *letters;  // the letter of code first, first + 1, ...
  int32_t first;
};
const PieceList Lists[3] = {
    {"White Pieces:", "KQRBNP", WK},
    {"Black Pieces:", "kqrbnp", BK},
    {"Dot and Cross:", "DC", DotMark},
};

// Labels the fixed lines start with, by line number counted from 0. The reader takes values by
// column only, but a file whose lines do not carry these labels is not a position file.
struct Label {
  int line;
  const char *text;
};
const Label Labels[] = {
    {1, "Flipped:"}, {2, "Coords:"}, {3, "Size:"}, {4, "Colour theme:"}, {5, "White Pieces:"},
    {7, "Black Pieces:"}, {9, "Dot and Cross:"}, {11, "Arrows:"}};
constexpr int FixedLines = 12;  // banner to the arrow count
const char ToMoveLabel[] = "To move:";

void Pad(std::string &line, size_t column) { line.resize(column > line.size() ? column : line.size(), ' '); }

std::string Field(const char *label, const std::string &value) {
  std::string line = label;
  Pad(line, ValueColumn);
  return line + value;
}

// The list entries of codes first .. first + count - 1, scanned by rows, then columns.
std::string ListLine(const Diagram &d, const PieceList &list) {
  int count = static_cast<int>(std::strlen(list.letters));
  std::string line;
  for (int row = 0; row < 8; row++)
    for (int column = 0; column < 8; column++) {
      int k = d.Pos[column * 8 + row] - list.first;
      if (k < 0 || k >= count) continue;
      line += list.letters[k];
      line += static_cast<char>(d.Flipped ? 'h' - column : 'a' + column);
      line += static_cast<char>(d.Flipped ? '8' - row : '1' + row);
      line += ' ';
    }
  return line;
}

std::string Fail(std::string *why, const std::string &reason) {
  if (why) *why = reason;
  return reason;
}

// The text from column on, or nothing when the line is shorter.
const char *At(const std::string &line, size_t column) {
  return column <= line.size() ? line.c_str() + column : "";
}

bool StartsWith(const std::string &line, size_t column, const char *text) {
  return line.compare(column < line.size() ? column : line.size(), std::strlen(text), text) == 0;
}

// Splits the text into lines at LF; the CRs before each LF belong to the line end.
std::vector<std::string> Lines(const std::string &text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    size_t last = end;
    while (last > start && text[last - 1] == '\r') last--;
    lines.push_back(text.substr(start, last - start));
    start = end + 1;
  }
  return lines;
}

// Sets the squares named by the entries of one list line. Entries stand every four characters;
// the last may lack its space. Letters outside the list and squares off the board are skipped.
void ReadList(const std::string &line, const PieceList &list, int flipped, int32_t pos[64]) {
  for (size_t at = 0; at + 2 < line.size(); at += 4) {
    const char *letter = line[at] ? std::strchr(list.letters, line[at]) : nullptr;
    int column = line[at + 1] - 'a', row = line[at + 2] - '1';
    if (!letter || column < 0 || column > 7 || row < 0 || row > 7) continue;
    if (flipped) column = 7 - column, row = 7 - row;
    pos[column * 8 + row] = list.first + static_cast<int32_t>(letter - list.letters);
  }
}

// Reads one whitespace-separated integer at *p, like scanf's "%d". False when there is none.
bool NextInt(const char *&p, int32_t *value) {
  while (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n' || *p == '\v' || *p == '\f') p++;
  const char *digits = (*p == '-' || *p == '+') ? p + 1 : p;
  if (*digits < '0' || *digits > '9') return false;
  *value = LeadingInt(p);
  p = digits;
  while (*p >= '0' && *p <= '9') p++;
  return true;
}

// Parses the whole text into *out, which starts as a new position (nothing on the board, white
// to move, nothing remembered) with new settings. Returns the empty string on success, else the
// reason.
std::string Parse(const std::string &text, PositionFile *out, std::string *why) {
  if (text.empty()) return Fail(why, "The file is empty.");
  for (unsigned char c : text)
    if (c < 0x20 && c != '\r' && c != '\n' && c != '\t')
      return Fail(why, "It is not a position file: it holds binary data.");

  std::vector<std::string> lines = Lines(text);
  if (static_cast<int>(lines.size()) < FixedLines)
    return Fail(why, "It is not a complete position file: it ends before the arrow count.");
  for (const Label &label : Labels)
    if (!StartsWith(lines[label.line], 0, label.text))
      return Fail(why, "It is not a position file: line " + std::to_string(label.line + 1) +
                           " does not begin with \"" + label.text + "\".");

  Diagram &d = out->diagram;
  PictureSettings &s = out->settings;
  d.Flipped = StartsWith(lines[1], ValueColumn, "YES") ? 1 : 0;
  s.Coords = StartsWith(lines[2], ValueColumn, "YES") ? 1 : 0;

  const std::string &size = lines[3];
  if (StartsWith(size, ValueColumn, "SMA")) {
    s.Dpi = 1, s.PicSiz = 2.0f;
  } else if (StartsWith(size, ValueColumn, "MED")) {
    s.Dpi = 2, s.PicSiz = 4.0f;
  } else if (StartsWith(size, ValueColumn, "LAR")) {
    s.Dpi = 3, s.PicSiz = 6.0f;
  } else {
    // A custom width; the settings hold 1.0 to 6.0 inches, and no number (or not a number) is 1.0.
    s.Dpi = 0;
    s.PicSiz = CustomInches(At(size, CustomSizeColumn), 1.0);
  }

  int theme = LeadingInt(At(lines[4], ValueColumn));
  s.Theme = theme < 0 ? 0 : theme > NThemes - 1 ? NThemes - 1 : theme;

  for (int k = 0; k < 3; k++) ReadList(lines[6 + 2 * k], Lists[k], d.Flipped, d.Pos);

  int count = LeadingInt(At(lines[11], ValueColumn));
  count = count < 0 ? 0 : count > MaxArrows ? MaxArrows : count;
  // The records follow the count line as whitespace-separated numbers. A file that ends (or
  // holds something else) before all of them keeps the complete records it has.
  size_t rest = 0;
  for (int k = 0; k < FixedLines; k++) {
    rest = text.find('\n', rest);
    rest = rest == std::string::npos ? text.size() : rest + 1;
  }
  const char *q = text.c_str() + rest;
  d.NArrows = 0;
  for (int i = 0; i < count; i++) {
    int32_t record[4];
    bool complete = true;
    for (int k = 0; k < 4 && complete; k++) complete = NextInt(q, &record[k]);
    if (!complete) break;
    std::memcpy(d.Arr[i], record, sizeof record);
    d.NArrows = i + 1;
  }
  // The side to move has a line of its own after the arrows, written only when black is to
  // move, so that older readers (which stop after the arrow records) read the file as before.
  for (size_t k = FixedLines; k < lines.size(); k++)
    if (StartsWith(lines[k], 0, ToMoveLabel))
      d.SideToMove = StartsWith(lines[k], ValueColumn, "BLACK") ? 1 : 0;
  return std::string();
}
}  // namespace

std::string MakeBRDFile(const Diagram &diagram, const PictureSettings &settings) {
  std::vector<std::string> lines;
  lines.push_back(Banner);
  lines.push_back(Field("Flipped:", diagram.Flipped ? "YES" : "NO"));
  lines.push_back(Field("Coords:", settings.Coords ? "YES" : "NO"));
  switch (settings.Dpi) {
    case 1: lines.push_back(Field("Size:", "SMALL")); break;
    case 2: lines.push_back(Field("Size:", "MEDIUM")); break;
    case 3: lines.push_back(Field("Size:", "LARGE")); break;
    case 0: {
      // "%3.1f": one decimal, at least three characters wide; it starts at column 27.
      std::string number = FixedDecimals(settings.PicSiz, 1);
      if (number.size() < 3) number.insert(0, 3 - number.size(), ' ');
      lines.push_back(Field("Size:", "CUSTOM " + number));
      break;
    }
    default: lines.push_back(Field("Size:", "MEDIUM")); break;  // not a size the settings hold
  }
  lines.push_back(Field("Colour theme:", std::to_string(settings.Theme)));
  for (const PieceList &list : Lists) {
    lines.push_back(list.header);
    lines.push_back(ListLine(diagram, list));
  }
  const int arrows = diagram.ArrowCount();
  lines.push_back(Field("Arrows:", std::to_string(arrows)));
  for (int i = 0; i < arrows; i++) {
    const int32_t *a = diagram.Arr[i];
    lines.push_back(std::to_string(a[0]) + " " + std::to_string(a[1]) + " " + std::to_string(a[2]) +
                    " " + std::to_string(a[3]));
  }
  if (diagram.SideToMove) lines.push_back(Field(ToMoveLabel, "BLACK"));
  lines.push_back("End of File");

  std::string text;
  for (const std::string &line : lines) text += line + EndOfLine;
  return text;
}

std::optional<PositionFile> ReadBRDText(const std::string &text, std::string *why) {
  PositionFile file;
  if (!Parse(text, &file, why).empty()) return std::nullopt;
  return file;
}

std::optional<PositionFile> ReadBRDFile(const std::string &path, std::string *why) {
  std::string text;
  if (!ReadFileBounded(path, MaxFileBytes, &text, why)) return std::nullopt;
  return ReadBRDText(text, why);
}
