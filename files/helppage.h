#pragma once
// A help page as the help viewer shows it: which lines it draws, where and in what colour. The
// viewer's window draws these; the reading itself needs no window.
#include <cstddef>
#include <string>
#include <vector>

// The text rectangle of the first line, moved down by HelpLineStep for each line of the page.
// The window shows HelpViewLines of them at a time, from HelpTop down to HelpViewBottom (above
// its "Ok" button), and scrolls by whole lines; a page is read up to HelpMaxLines lines.
constexpr int HelpLeft = 5, HelpTop = 5, HelpRight = 495, HelpLineHeight = 17;
constexpr int HelpLineStep = 17;
constexpr int HelpViewBottom = 520;
constexpr int HelpViewLines = (HelpViewBottom - HelpTop) / HelpLineStep;
constexpr int HelpMaxLines = 4000;
constexpr int HelpPieceMax = 119;           // characters one read takes; a longer line goes on
constexpr size_t HelpPageLimit = 1u << 20;  // bytes of a page read at most; a page is a few KB

struct HelpColour {
  unsigned char red, green, blue;
};

struct HelpLine {
  std::string text;   // as read, without its line end, up to a zero byte
  int top;            // the top of its text rectangle on the page (scrolled to the top)
  HelpColour colour;  // black until a colour line says otherwise
};

// The lines drawn for a page: each read takes at most 119 characters up to and including a line
// feed (CR LF counts as one); a read that begins with one of the four colour tags sets the
// colour; a read that begins with "<" is not drawn; every other read is drawn, one line each,
// up to HelpMaxLines.
std::vector<HelpLine> HelpPageLines(const std::string &page);
