// The program under a real X server: started from the run folder with xvfb-run, photographed
// with ImageMagick's import, and the window found on the screen with its board.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "model/model.h"

namespace {
bool OnPath(const char *program) {
  std::string command = std::string("command -v ") + program + " >/dev/null 2>&1";
  return std::system(command.c_str()) == 0;
}

struct Screen {
  int width = 0, height = 0;
  std::vector<unsigned char> rgb;
  uint32_t At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return 0xFFFFFFFF;
    size_t i = 3 * (static_cast<size_t>(y) * width + x);
    return rgb[i] | rgb[i + 1] << 8 | rgb[i + 2] << 16;  // red + green*256 + blue*65536
  }
};

// A binary PPM as ImageMagick writes it.
bool ReadPPM(const std::string &path, Screen *screen) {
  std::ifstream in(path, std::ios::binary);
  std::string magic;
  int max = 0;
  in >> magic >> screen->width >> screen->height >> max;
  in.get();
  if (magic != "P6" || max != 255 || screen->width <= 0 || screen->height <= 0) return false;
  screen->rgb.resize(3 * static_cast<size_t>(screen->width) * screen->height);
  in.read(reinterpret_cast<char *>(screen->rgb.data()), screen->rgb.size());
  return static_cast<size_t>(in.gcount()) == screen->rgb.size();
}

constexpr uint32_t Colour(int r, int g, int b) { return r | g << 8 | b << 16; }

// The program run from the run folder on an X server (not headless, whatever the tests use):
// `steps` run once it has painted, then the screen is photographed and the program stopped. The
// timeout ends everything should the program hang. False when there is no screenshot.
bool ScreenOfProgram(const std::string &steps, Screen *screen, std::string *shot) {
  char name[] = "/tmp/bs-xvfb-XXXXXX";
  if (!mkdtemp(name)) return false;
  const std::string folder = name, ppm = folder + "/screen.ppm";
  *shot = folder + "/screen.png";
  const std::string command =
      "cd '" BS_RUN_DIR "' && timeout -k 5 60 xvfb-run -a -s '-screen 0 800x600x24' "
      "sh -c 'QT_QPA_PLATFORM=xcb ./boardsmith & pid=$!; sleep 4; " + steps +
      "import -window root '" + *shot + "'; kill $pid; wait $pid' >'" + folder + "/log.txt' 2>&1";
  std::system(command.c_str());
  return std::system(("convert '" + *shot + "' '" + ppm + "'").c_str()) == 0 &&
         ReadPPM(ppm, screen);
}

// The client area's origin on the screen, from the frame's top line: the first row with a run
// of 290 black pixels. Its left end lies at x 215 of the client area (the 5-pixel pen round
// x 217), its top at y 15.
bool FindClientArea(const Screen &screen, int *ox, int *oy) {
  for (int y = 0; y < screen.height; y++) {
    int run = 0;
    for (int x = 0; x < screen.width; x++) {
      run = screen.At(x, y) == 0 ? run + 1 : 0;
      if (run == 290) {
        *ox = x - 289 - 215;
        *oy = y - 15;
        return true;
      }
    }
  }
  return false;
}

// The screenshot stays for a look when the test failed; otherwise its folder goes.
void KeepOnFailure(const std::string &shot) {
  if (::testing::Test::HasFailure())
    std::printf("screenshot kept: %s\n", shot.c_str());
  else
    std::system(("rm -rf '" + shot.substr(0, shot.rfind('/')) + "'").c_str());
}
}  // namespace

TEST(Xvfb, ProgramShowsItsWindowWithTheBoard) {
  if (!OnPath("xvfb-run") || !OnPath("import") || !OnPath("convert"))
    GTEST_SKIP() << "xvfb-run or ImageMagick is not installed";
  Screen screen;
  std::string shot;
  ASSERT_TRUE(ScreenOfProgram("", &screen, &shot)) << "no screenshot: " << shot;
  int ox = 0, oy = 0;
  ASSERT_TRUE(FindClientArea(screen, &ox, &oy)) << "no board frame on the screen: " << shot;
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
  Init();
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
  KeepOnFailure(shot);
}

TEST(Xvfb, CtrlVPastesTheFENOfTheDesktopClipboard) {
  if (!OnPath("xvfb-run") || !OnPath("import") || !OnPath("convert") || !OnPath("xclip") ||
      !OnPath("xdotool"))
    GTEST_SKIP() << "xvfb-run, ImageMagick, xclip or xdotool is not installed";
  // Another program holds the FEN on the clipboard; the key goes to the focused main window.
  Screen screen;
  std::string shot;
  ASSERT_TRUE(ScreenOfProgram("printf %s \"K7/8/8/8/8/8/8/7k b - - 0 1\" | xclip -selection "
                              "clipboard; xdotool search --sync --onlyvisible --name Boardsmith "
                              "windowfocus --sync; xdotool key ctrl+v; sleep 1; ",
                              &screen, &shot))
      << "no screenshot: " << shot;
  int ox = 0, oy = 0;
  ASSERT_TRUE(FindClientArea(screen, &ox, &oy)) << shot;
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
  KeepOnFailure(shot);
}
