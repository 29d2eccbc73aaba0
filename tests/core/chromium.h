#pragma once
// Pages opened in headless Chromium: the screenshot, read through ImageMagick as binary PPM.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

namespace chromium {
namespace fs = std::filesystem;
const char *const Chromium = "/usr/bin/chromium";

struct Rgb {
  int r, g, b;
  bool operator==(const Rgb &o) const { return r == o.r && g == o.g && b == o.b; }
};
inline std::ostream &operator<<(std::ostream &out, const Rgb &c) {
  return out << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

struct Shot {
  int width = 0, height = 0;
  std::vector<unsigned char> bytes;
  Rgb At(int x, int y) const {
    size_t i = (static_cast<size_t>(y) * width + x) * 3;
    return {bytes[i], bytes[i + 1], bytes[i + 2]};
  }
};

inline bool ReadPpm(const fs::path &path, Shot *shot) {
  std::ifstream in(path, std::ios::binary);
  std::string magic;
  int maxval = 0;
  in >> magic >> shot->width >> shot->height >> maxval;
  in.get();
  if (!in || magic != "P6" || maxval != 255 || shot->width <= 0 || shot->height <= 0) return false;
  shot->bytes.resize(static_cast<size_t>(shot->width) * shot->height * 3);
  in.read(reinterpret_cast<char *>(shot->bytes.data()), shot->bytes.size());
  return static_cast<size_t>(in.gcount()) == shot->bytes.size();
}

// Why a browser test cannot run here, or empty.
inline std::string Missing() {
  if (access(Chromium, X_OK) != 0) return "Chromium is not installed";
  if (std::system("command -v convert >/dev/null 2>&1") != 0) return "ImageMagick is not installed";
  return "";
}

// The page as text once its scripts have run for five seconds of the page's own time: for pages
// that write what they find into themselves. The profile goes into folder.
inline std::string DumpedPage(const fs::path &page, const fs::path &folder) {
  std::string command = std::string("timeout 120 ") + Chromium +
                        " --headless --no-sandbox --disable-gpu --no-first-run --virtual-time-budget=5000"
                        " --user-data-dir=" + (folder / "profile").string() + " --dump-dom file://" +
                        page.string() + " 2>/dev/null";
  std::string text;
  if (FILE *out = popen(command.c_str(), "r")) {
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, out)) > 0;) text.append(buffer, n);
    pclose(out);
  }
  return text;
}

// The browser's picture of the page, an 800 x 800 window at one pixel a CSS pixel; the
// profile and the screenshot files go into folder.
inline Shot Screenshot(const std::string &page, const fs::path &folder, const std::string &name) {
  fs::path png = folder / (name + ".png"), ppm = folder / (name + ".ppm");
  std::string command = std::string("timeout 120 ") + Chromium +
                        " --headless --no-sandbox --disable-gpu --disable-quic --no-first-run"
                        " --disable-background-networking --disable-component-update"
                        " --disable-sync --hide-scrollbars --force-device-scale-factor=1"
                        " --force-color-profile=srgb"
                        " --user-data-dir=" + (folder / "profile").string() +
                        " --screenshot=" + png.string() + " --window-size=800,800 file://" + page +
                        " >/dev/null 2>&1";
  std::system(command.c_str());
  Shot shot;
  EXPECT_TRUE(fs::exists(png)) << "no screenshot from: " << command;
  std::string convert = "convert " + png.string() + " -depth 8 ppm:" + ppm.string();
  EXPECT_EQ(std::system(convert.c_str()), 0);
  EXPECT_TRUE(ReadPpm(ppm, &shot));
  return shot;
}
}  // namespace chromium
