// The program under a real X server: started from the run folder with xvfb-run, photographed
// with ImageMagick's import, and the window found on the screen with its board.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <initializer_list>
#include <string>
#include <tuple>
#include <vector>

#include "files/atomicwrite.h"
#include "files/brd.h"
#include "model/model.h"
#include "tests/core/chromium.h"

namespace {
// A screenshot taken with import, read through a PPM beside it as the browser tests read theirs;
// pixels as red + green*256 + blue*65536, and none outside.
struct Screen : chromium::Shot {
  bool Read(const std::string &png) {
    return std::system(("convert '" + png + "' '" + png + ".ppm'").c_str()) == 0 &&
           chromium::ReadPpm(png + ".ppm", this);
  }
  uint32_t At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return 0xFFFFFFFF;
    const chromium::Rgb c = Shot::At(x, y);
    return c.r | c.g << 8 | c.b << 16;
  }
};

constexpr uint32_t Colour(int r, int g, int b) { return r | g << 8 | b << 16; }

// The board frame's top line: the first row's run of 290 to 330 black pixels times the scale (the
// black screen beside the window is longer); its left end and length, x -1 when there is none. At
// the first size its left end lies at x 215 of the client area, y 16.
struct FrameLine {
  int x = -1, y = -1, length = 0;
};
FrameLine FrameAt(const Screen &screen, double scale = 1) {
  for (int y = 0; y < screen.height; y++)
    for (int x = 0, n = 0; x <= screen.width; x++) {  // the pixel right of the screen is no black
      if (screen.At(x, y) == 0) {
        n++;
      } else {
        if (n >= 290 * scale && n <= 330 * scale) return {x - n, y, n};
        n = 0;
      }
    }
  return {};
}

// The pixels of a rectangle of a screenshot, and how many of them have a colour.
std::vector<uint32_t> Pixels(const Screen &screen, int x0, int y0, int width, int height) {
  std::vector<uint32_t> out;
  for (int y = y0; y < y0 + height; y++)
    for (int x = x0; x < x0 + width; x++) out.push_back(screen.At(x, y));
  return out;
}
int Count(const std::vector<uint32_t> &pixels, uint32_t colour) {
  return static_cast<int>(std::count(pixels.begin(), pixels.end(), colour));
}

// The first of the tools that is not installed, or "".
std::string MissingTool(std::initializer_list<const char *> tools) {
  for (const char *tool : tools)
    if (std::system(("command -v " + std::string(tool) + " >/dev/null 2>&1").c_str()) != 0) return tool;
  return "";
}

// A new folder under /tmp holding the typical position in a position file of the given name;
// "" when it could not be made.
std::string FolderWithTypical(const std::string &file) {
  char name[] = "/tmp/bs-xvfb-XXXXXX";
  if (!mkdtemp(name)) return "";
  Diagram typical;
  TypicalPosition(typical);
  return WriteFileAtomically(std::string(name) + "/" + file, MakeBRDFile(typical, PictureSettings()), nullptr)
             ? name
             : "";
}
}  // namespace

// Started from the run folder with a position file: its name in the title; P&osition, &Flip by
// the keyboard undone by Ctrl+Z to exactly the pixels before it and redone by Ctrl+Y; Ctrl+V pastes
// the FEN another program holds on the desktop clipboard, shown with the theme's squares and the
// palette's faces; the window made twice as large shows the board twice as large.
TEST(Xvfb, FileArgumentUndoRedoDesktopClipboardPasteAndALargerBoard) {
  const std::string missing = MissingTool({"xvfb-run", "import", "convert", "xclip", "xdotool"});
  if (!missing.empty()) GTEST_SKIP() << missing << " is not installed";
  const std::string folder = FolderWithTypical("immortal game.brd");
  ASSERT_FALSE(folder.empty());
  const std::string script =
      "./boardsmith \"$F/immortal game.brd\" & pid=$!; sleep 4; "
      "w=$(xdotool search --name \"immortal game.brd - Boardsmith13\" | head -1); echo \"$w\" >\"$F/found\"; "
      "xdotool windowfocus $w; sleep 0.5; import -window root \"$F/1.png\"; "
      "xdotool key alt+o; sleep 0.5; xdotool key f; sleep 1; import -window root \"$F/2.png\"; "
      "xdotool key ctrl+z; sleep 1; import -window root \"$F/3.png\"; "
      "xdotool key ctrl+y; sleep 1; import -window root \"$F/4.png\"; "
      "printf %s \"K7/8/8/8/8/8/8/7k b - - 0 1\" | xclip -selection clipboard; "
      "xdotool key ctrl+v; sleep 1; import -window root \"$F/5.png\"; "
      "xdotool windowsize $w 688 700; sleep 1.5; import -window root \"$F/6.png\"; "
      "kill $pid; wait $pid";
  // The script runs from the run folder on an X server (not headless, whatever the tests use),
  // with F naming the folder, which gets the log; the timeout ends everything should it hang.
  std::system(("cd '" BS_RUN_DIR "' && F='" + folder + "' timeout -k 5 90 xvfb-run -a -s "
               "'-screen 0 1280x1024x24' sh -c 'QT_QPA_PLATFORM=xcb; export QT_QPA_PLATFORM; " +
               script + "' >'" + folder + "/log.txt' 2>&1").c_str());
  std::string window;
  std::ifstream(folder + "/found") >> window;
  EXPECT_FALSE(window.empty()) << "no window titled with the file's name; see " << folder;
  Screen shots[7];
  for (int i = 1; i <= 6; i++)
    ASSERT_TRUE(shots[i].Read(folder + "/" + std::to_string(i) + ".png")) << i << ".png";
  const FrameLine frame = FrameAt(shots[1]);
  ASSERT_GE(frame.x, 0) << "no board on the screen";
  const int ox = frame.x - 215, oy = frame.y - 16;
  SCOPED_TRACE("client origin " + std::to_string(ox) + "," + std::to_string(oy));
  // The board's white field, 322 x 320 pixels at the first size.
  auto field = [&](int shot) { return Pixels(shots[shot], ox + 198, oy + 16, 322, 320); };
  EXPECT_NE(field(2), field(1)) << "the flip changed nothing";
  EXPECT_EQ(field(3), field(1)) << "Ctrl+Z";
  EXPECT_EQ(field(4), field(2)) << "Ctrl+Y";
  // The menu bar sits above the client area, the client area below it whole.
  EXPECT_GT(oy, 10);
  EXPECT_GE(ox, 0);
  const Screen &screen = shots[5];
  // The white field round the frame, fully visible; the window's background left of the field
  // and in the status strip.
  const uint32_t white = Colour(255, 255, 255), background = Colour(242, 237, 222);
  for (auto [x, y, colour] : std::vector<std::tuple<int, int, uint32_t>>{
           {200, 16, white}, {518, 334, white}, {199, 300, white}, {190, 100, background},
           {300, 350, background}})
    EXPECT_EQ(screen.At(ox + x, oy + y), colour) << x << "," << y;
  // Squares in one theme's colours: the top-left corner light, the bottom-left dark.
  uint32_t light = screen.At(ox + 221, oy + 21), dark = screen.At(ox + 221, oy + 20 + 37 * 7 + 1);
  bool themed = false;
  for (int t = 0; t < NThemes; t++)
    themed = themed || (light == ThemeColour(Lt[t]) && dark == ThemeColour(Dk[t]));
  EXPECT_TRUE(themed) << std::hex << light << " " << dark;
  // The palette buttons show their faces: the faces' light square colour at each button.
  for (auto [bx, by] : std::vector<std::pair<int, int>>{{10, 10}, {70, 280}, {130, 172}})
    EXPECT_GT(Count(Pixels(screen, ox + bx, oy + by, 46, 46), Colour(231, 208, 167)), 200)
        << "button at " << bx << "," << by;
  // A square (column, row from the top) shows a man when its pixels (inside a margin of 3) are
  // not all one colour: the two kings, in the corners whichever way the board is turned.
  auto occupied = [&](int c, int t) {
    std::vector<uint32_t> square = Pixels(screen, ox + 223 + 37 * c, oy + 23 + 37 * t, 30, 30);
    return Count(square, square[0]) != 900;
  };
  for (int c = 0; c < 8; c++)
    for (int t = 0; t < 8; t++)
      EXPECT_EQ(occupied(c, t), (c == 0 && t == 0) || (c == 7 && t == 7)) << c << "," << t;
  // 688 pixels wide: the room right of the palette is 1.5 times the field's 322.
  int before = FrameAt(shots[4]).length, after = FrameAt(shots[6], 1.5).length;
  EXPECT_GE(after, 1.5 * before - 10) << before << " -> " << after;
  EXPECT_LE(after, 1.5 * before + 10) << before << " -> " << after;
  // The screenshots stay for a look when the test failed; otherwise their folder goes.
  if (HasFailure())
    std::printf("screenshots kept in %s\n", folder.c_str());
  else
    std::system(("rm -rf '" + folder + "'").c_str());
}

// With QT_SCALE_FACTOR=2 the palette and the board are twice the size, and the board is drawn
// at the screen's own pixels: its men's edges are smooth at that resolution, not the first
// size's pixels doubled (where every aligned 2 x 2 block is one colour).
TEST(Xvfb, TwiceTheScaleFactorGivesATwiceAsLargeSharpBoard) {
  const std::string missing = MissingTool({"xvfb-run", "import", "convert", "xdotool"});
  if (!missing.empty()) GTEST_SKIP() << missing << " is not installed";
  const std::string folder = FolderWithTypical("typical.brd");
  ASSERT_FALSE(folder.empty());
  const std::string script =
      "./boardsmith \"$F/typical.brd\" & pid=$!; sleep 4; import -window root \"$F/1.png\"; kill $pid; wait $pid";
  std::system(("cd '" BS_RUN_DIR "' && F='" + folder + "' timeout -k 5 60 xvfb-run -a -s "
               "'-screen 0 1600x1200x24' sh -c 'QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=2; "
               "export QT_QPA_PLATFORM QT_SCALE_FACTOR; " + script + "' >'" + folder + "/log.txt' 2>&1").c_str());
  Screen screen;
  ASSERT_TRUE(screen.Read(folder + "/1.png"));
  const FrameLine frame = FrameAt(screen, 2);
  ASSERT_GE(frame.x, 0) << "no board twice the size on the screen; see " << folder;
  EXPECT_NEAR(frame.length, 2 * 305, 4);
  const int ox = frame.x - 2 * 215, oy = frame.y - 2 * 16;
  // A palette button's face, twice as large: its light square colour.
  EXPECT_GT(Count(Pixels(screen, ox + 20, oy + 20, 92, 92), Colour(231, 208, 167)), 4 * 200);
  // The field's aligned 2 x 2 blocks of more than one colour.
  int mixed = 0, blocks = 0;
  for (int y = oy + 2 * 20; y < oy + 2 * 316; y += 2)
    for (int x = ox + 2 * 220; x < ox + 2 * 516; x += 2, blocks++) {
      const uint32_t c = screen.At(x, y);
      mixed += screen.At(x + 1, y) != c || screen.At(x, y + 1) != c || screen.At(x + 1, y + 1) != c;
    }
  EXPECT_GT(mixed, blocks / 50) << mixed << " of " << blocks;
  if (HasFailure())
    std::printf("screenshots kept in %s\n", folder.c_str());
  else
    std::system(("rm -rf '" + folder + "'").c_str());
}
