// The program under a real X server: started from the run folder with xvfb-run, photographed
// with ImageMagick's import, and the window found on the screen with its board.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "files/atomicwrite.h"
#include "files/brd.h"
#include "model/model.h"
#include "tests/core/chromium.h"

namespace {
bool OnPath(const char *program) {
  std::string command = std::string("command -v ") + program + " >/dev/null 2>&1";
  return std::system(command.c_str()) == 0;
}

// A screenshot (a binary PPM as ImageMagick writes it, read as the browser tests read theirs)
// with pixels as red + green*256 + blue*65536, and none outside.
struct Screen : chromium::Shot {
  uint32_t At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return 0xFFFFFFFF;
    const chromium::Rgb c = Shot::At(x, y);
    return c.r | c.g << 8 | c.b << 16;
  }
};

constexpr uint32_t Colour(int r, int g, int b) { return r | g << 8 | b << 16; }

// A fresh folder for a run's screenshots and log; empty when none could be made.
std::string NewFolder() {
  char name[] = "/tmp/bs-xvfb-XXXXXX";
  return mkdtemp(name) ? name : "";
}

// Runs the shell script from the run folder on an X server of the given size (not headless,
// whatever the tests use), with F naming the folder, which gets the log. The timeout ends
// everything should the program hang. False when there is no folder.
bool RunOnXServer(const std::string &folder, const std::string &size, int seconds,
                  const std::string &script) {
  if (folder.empty()) return false;
  const std::string command = "cd '" BS_RUN_DIR "' && F='" + folder + "' timeout -k 5 " +
                              std::to_string(seconds) + " xvfb-run -a -s '-screen 0 " + size +
                              "' sh -c 'QT_QPA_PLATFORM=xcb; export QT_QPA_PLATFORM; " + script +
                              "' >'" + folder + "/log.txt' 2>&1";
  std::system(command.c_str());
  return true;
}

// A screenshot taken with import, read through a PPM beside it.
bool ReadShot(const std::string &png, Screen *screen) {
  const std::string ppm = png + ".ppm";
  return std::system(("convert '" + png + "' '" + ppm + "'").c_str()) == 0 &&
         chromium::ReadPpm(ppm, screen);
}

// The screenshots stay for a look when the test failed; otherwise their folder goes.
void KeepOnFailure(const std::string &folder) {
  if (::testing::Test::HasFailure())
    std::printf("screenshots kept in %s\n", folder.c_str());
  else
    std::system(("rm -rf '" + folder + "'").c_str());
}

// The top-left pixel of the first row holding a run of `run` black pixels (the board frame's
// top line); {-1, -1} when there is none. A run of 290 finds the frame at the first size, whose
// top line's left end lies at x 215 of the client area (the 5-pixel pen round x 217), at y 15.
std::pair<int, int> FrameAt(const Screen &screen) {
  const int run = 290;
  for (int y = 0; y < screen.height; y++) {
    int n = 0;
    for (int x = 0; x < screen.width; x++) {
      n = screen.At(x, y) == 0 ? n + 1 : 0;
      if (n == run) return {x - run + 1, y};
    }
  }
  return {-1, -1};
}

// The longest run of black pixels that starts right of a white one: the frame's top line on
// the white field, about 300 pixels per scale (the screen round the window is black).
int LongestBlackRun(const Screen &screen) {
  int best = 0;
  for (int y = 0; y < screen.height; y++)
    for (int x = 1, n = -1; x < screen.width; x++) {
      if (screen.At(x, y) != 0) n = -1;
      else if (n >= 0 || screen.At(x - 1, y) == Colour(255, 255, 255)) n = std::max(n, 0) + 1;
      best = std::max(best, n);
    }
  return best;
}

// The pixels of the board's white field (322 x 320 at the first size) of a screenshot.
std::vector<uint32_t> Field(const Screen &screen, int ox, int oy) {
  std::vector<uint32_t> out;
  for (int y = oy + 16; y < oy + 336; y++)
    for (int x = ox + 198; x < ox + 520; x++) out.push_back(screen.At(x, y));
  return out;
}
}  // namespace

// Started from the run folder: the window with its board, squares in a theme's colours and the
// palette's faces; and Ctrl+V, sent to the focused main window, pastes the FEN another program
// holds on the desktop clipboard.
TEST(Xvfb, ProgramShowsItsBoardAndCtrlVPastesTheFENOfTheDesktopClipboard) {
  if (!OnPath("xvfb-run") || !OnPath("import") || !OnPath("convert") || !OnPath("xclip") ||
      !OnPath("xdotool"))
    GTEST_SKIP() << "xvfb-run, ImageMagick, xclip or xdotool is not installed";
  const std::string folder = NewFolder(), shot = folder + "/screen.png";
  Screen screen;
  ASSERT_TRUE(RunOnXServer(folder, "800x600x24", 60,
                           "./boardsmith & pid=$!; sleep 4; "
                           "printf %s \"K7/8/8/8/8/8/8/7k b - - 0 1\" | xclip -selection clipboard; "
                           "xdotool search --sync --onlyvisible --name Boardsmith windowfocus --sync; "
                           "xdotool key ctrl+v; sleep 1; "
                           "import -window root \"$F/screen.png\"; kill $pid; wait $pid") &&
              ReadShot(shot, &screen))
      << "no screenshot: " << shot;
  auto [fx, fy] = FrameAt(screen);
  ASSERT_GE(fy, 0) << "no board frame on the screen: " << shot;
  const int ox = fx - 215, oy = fy - 15;
  SCOPED_TRACE("client origin " + std::to_string(ox) + "," + std::to_string(oy));
  // The menu bar sits above the client area, the client area below it whole.
  EXPECT_GT(oy, 10);
  EXPECT_GE(ox, 0);
  // The white field round the frame, fully visible.
  EXPECT_EQ(screen.At(ox + 200, oy + 16), Colour(255, 255, 255));
  EXPECT_EQ(screen.At(ox + 518, oy + 334), Colour(255, 255, 255));
  EXPECT_EQ(screen.At(ox + 199, oy + 300), Colour(255, 255, 255));
  // The window's background left of the field and in the status strip.
  EXPECT_EQ(screen.At(ox + 190, oy + 100), Colour(242, 237, 222));
  EXPECT_EQ(screen.At(ox + 300, oy + 350), Colour(242, 237, 222));
  // Squares in one theme's colours: the top-left corner light, the bottom-left dark.
  uint32_t light = screen.At(ox + 221, oy + 21), dark = screen.At(ox + 221, oy + 20 + 37 * 7 + 1);
  bool themed = false;
  for (int t = 0; t < NThemes; t++)
    themed = themed || (light == ThemeColour(Lt[t]) && dark == ThemeColour(Dk[t]));
  EXPECT_TRUE(themed) << std::hex << light << " " << dark;
  // The palette buttons show their faces: the faces' light square colour at each button.
  for (auto [bx, by] : std::vector<std::pair<int, int>>{{10, 10}, {70, 280}, {130, 172}}) {
    int face = 0;
    for (int x = bx; x < bx + 46; x++)
      for (int y = by; y < by + 46; y++) face += screen.At(ox + x, oy + y) == Colour(231, 208, 167);
    EXPECT_GT(face, 200) << "button at " << bx << "," << by;
  }
  // A square (column, row from the top) shows a man when its pixels (inside a margin of 3) are
  // not all one colour.
  auto occupied = [&](int c, int t) {
    int x0 = ox + 223 + 37 * c, y0 = oy + 23 + 37 * t;
    for (int y = y0; y < y0 + 30; y++)
      for (int x = x0; x < x0 + 30; x++)
        if (screen.At(x, y) != screen.At(x0, y0)) return true;
    return false;
  };
  for (int c = 0; c < 8; c++)
    for (int t = 0; t < 8; t++)
      EXPECT_EQ(occupied(c, t), (c == 0 && t == 0) || (c == 7 && t == 7)) << c << "," << t;
  KeepOnFailure(folder);
}

// Started with a position file: its name in the title; a change by the keyboard (P&osition,
// &Flip) undone by Ctrl+Z to exactly the pixels before it and redone by Ctrl+Y; the window made
// twice as large shows the board twice as large.
TEST(Xvfb, FileArgumentTitleUndoRedoAndALargerBoard) {
  if (!OnPath("xvfb-run") || !OnPath("import") || !OnPath("convert") || !OnPath("xdotool"))
    GTEST_SKIP() << "xvfb-run, ImageMagick or xdotool is not installed";
  const std::string folder = NewFolder();
  ASSERT_NE(folder, "");
  Diagram typical;
  TypicalPosition(typical);
  ASSERT_TRUE(WriteFileAtomically(folder + "/immortal game.brd",
                                  MakeBRDFile(typical, PictureSettings()), nullptr));
  RunOnXServer(folder, "1280x1024x24", 90,
      "./boardsmith \"$F/immortal game.brd\" & pid=$!; sleep 4; "
      "w=$(xdotool search --name \"immortal game.brd - Boardsmith13\" | head -1); echo \"$w\" >\"$F/found\"; "
      "xdotool windowfocus $w; sleep 0.5; import -window root \"$F/1.png\"; "
      "xdotool key alt+o; sleep 0.5; xdotool key f; sleep 1; import -window root \"$F/2.png\"; "
      "xdotool key ctrl+z; sleep 1; import -window root \"$F/3.png\"; "
      "xdotool key ctrl+y; sleep 1; import -window root \"$F/4.png\"; "
      "xdotool windowsize $w 1070 840; sleep 1.5; import -window root \"$F/5.png\"; "
      "kill $pid; wait $pid");
  std::ifstream found(folder + "/found");
  std::string window;
  found >> window;
  EXPECT_FALSE(window.empty()) << "no window titled with the file's name; see " << folder;
  Screen shots[6];
  for (int i = 1; i <= 5; i++) {
    std::string png = folder + "/" + std::to_string(i) + ".png";
    ASSERT_TRUE(ReadShot(png, &shots[i])) << png;
  }
  auto [fx, fy] = FrameAt(shots[1]);
  ASSERT_GE(fy, 0) << "no board on the screen";
  const int ox = fx - 215, oy = fy - 15;
  EXPECT_NE(Field(shots[2], ox, oy), Field(shots[1], ox, oy)) << "the flip changed nothing";
  EXPECT_EQ(Field(shots[3], ox, oy), Field(shots[1], ox, oy)) << "Ctrl+Z";
  EXPECT_EQ(Field(shots[4], ox, oy), Field(shots[2], ox, oy)) << "Ctrl+Y";
  int before = LongestBlackRun(shots[4]), after = LongestBlackRun(shots[5]);
  EXPECT_GE(after, 2 * before - 20) << before << " -> " << after;
  EXPECT_LE(after, 2 * before + 20) << before << " -> " << after;
  KeepOnFailure(folder);
}
