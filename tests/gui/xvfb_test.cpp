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
}  // namespace

TEST(Xvfb, ProgramShowsItsWindowWithTheBoard) {
  if (!OnPath("xvfb-run") || !OnPath("import") || !OnPath("convert"))
    GTEST_SKIP() << "xvfb-run or ImageMagick is not installed";
  char name[] = "/tmp/bs-xvfb-XXXXXX";
  ASSERT_NE(mkdtemp(name), nullptr);
  const std::string folder = name, shot = folder + "/screen.png", ppm = folder + "/screen.ppm";
  // The program runs from the run folder on the X server (not headless, whatever the tests
  // use); the screenshot is taken once it has painted, then the
  // program is stopped. The timeout ends everything should the program hang.
  const std::string command =
      "cd '" BS_RUN_DIR "' && timeout -k 5 60 xvfb-run -a -s '-screen 0 800x600x24' "
      "sh -c 'QT_QPA_PLATFORM=xcb ./boardsmith & pid=$!; sleep 4; import -window root '" + shot +
      "'; kill $pid; wait $pid' >'" + folder + "/log.txt' 2>&1";
  std::system(command.c_str());
  ASSERT_EQ(std::system(("convert '" + shot + "' '" + ppm + "'").c_str()), 0)
      << "no screenshot; see " << folder << "/log.txt";
  Screen screen;
  ASSERT_TRUE(ReadPPM(ppm, &screen));

  // The frame's top line: the first row with a run of 290 black pixels. Its left end lies at
  // x 215 of the client area (the 5-pixel pen round x 217), its top at y 15.
  int frameX = -1, frameY = -1;
  for (int y = 0; y < screen.height && frameY < 0; y++) {
    int run = 0;
    for (int x = 0; x < screen.width; x++) {
      run = screen.At(x, y) == 0 ? run + 1 : 0;
      if (run == 290) {
        frameX = x - 289;
        frameY = y;
        break;
      }
    }
  }
  ASSERT_GE(frameY, 0) << "no board frame on the screen: " << shot;
  const int ox = frameX - 215, oy = frameY - 15;  // the client area's origin on the screen
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
  if (HasFailure()) {
    std::printf("screenshot kept: %s\n", shot.c_str());
  } else {
    std::system(("rm -rf '" + folder + "'").c_str());
  }
}
