#pragma once
// The main window created through the platform, as WinMain creates it but without the message
// loop, in a run folder of its own whose bmp/, cur/ and program are the build's; and the
// checks the editor's tests share.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "editor/editor.h"
#include "files/paths.h"
#include "model/model.h"
#include "platform/platform.h"
#include "platform/testing.h"

inline std::string ReadAll(const std::filesystem::path &path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// A 24-bit BMP of size x size pixels whose left half has one colour and right half another.
inline void WriteHalves(const std::string &path, int size, COLORREF left, COLORREF right) {
  const int stride = (size * 3 + 3) / 4 * 4;
  std::string b = "BM";
  auto put = [&](uint32_t v, int n) {
    for (int i = 0; i < n; i++) b += static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  put(54 + stride * size, 4), put(0, 4), put(54, 4), put(40, 4), put(size, 4), put(size, 4);
  put(1, 2), put(24, 2);
  for (int i = 0; i < 6; i++) put(0, 4);
  for (int y = 0; y < size; y++) {
    for (int x = 0; x < size; x++) {
      COLORREF c = x < size / 2 ? left : right;
      put((c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF), 3);  // blue, green, red
    }
    put(0, stride - 3 * size);
  }
  std::ofstream(path, std::ios::binary) << b;
}

class EditorWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    namespace fs = std::filesystem;
    char name[] = "/tmp/bs-editor-XXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    folder = name;
    fs::create_directory_symlink(fs::path(BS_RUN_DIR) / "bmp", folder + "/bmp");
    fs::create_directory_symlink(fs::path(BS_RUN_DIR) / "cur", folder + "/cur");
    fs::create_symlink(fs::path(BS_RUN_DIR) / "boardsmith", folder + "/boardsmith");
    // The virtual clipboard lives in the home folder: keep it inside the test's folder.
    setenv("HOME", folder.c_str(), 1);
    Init();
    StartFolder = folder;
    Theme = 0;
    Flipped = 0;
    StartPosition(nullptr);
    SelPiece = 1;
    ArrowStarted = 0;
    ShowCoords = 2;
    Dpi = 2;
    PicSiz = 4.0f;
    VClip = 0;
    UseScriptedResponder();
    ClearRecords();
    hwnd = CreateMainWindow(SW_SHOWNORMAL);
    ASSERT_NE(hwnd, nullptr);
    PumpMessages();
  }
  void TearDown() override {
    ResetPlatform();
    std::error_code ec;
    std::filesystem::current_path("/", ec);
    std::filesystem::remove_all(folder, ec);
  }

  COLORREF Pixel(int x, int y) { return WindowPixel(hwnd, x, y); }
  // Repaints the whole client area as after the window was covered.
  void Repaint() {
    InvalidateRect(hwnd, nullptr, true);
    UpdateWindow(hwnd);
  }
  // The centre of square (column, row-from-top), and the arrow point of a square.
  static int CentreX(int c) { return SquareLeft + SquareStep * c + 18; }
  static int CentreY(int t) { return SquareTop + SquareStep * t + 18; }
  static int PointX(int c) { return 237 + 37 * c; }
  static int PointY(int t) { return 37 + 37 * t; }
  void ClickSquare(int c, int t) { ClickAt(hwnd, CentreX(c), CentreY(t)); }
  void Choose(int id) { ASSERT_TRUE(ChooseMenuItem(hwnd, id)); }
  void ClickTool(int index) { ClickButton(GetDlgItem(hwnd, index)); }

  // The status strip's pixels, and a message written into it.
  std::vector<COLORREF> Strip() {
    std::vector<COLORREF> out;
    for (int y = 338; y < 358; y++)
      for (int x = 0; x < ClientWidth(hwnd); x++) out.push_back(Pixel(x, y));
    return out;
  }
  void Write(const std::string &text, bool transparent = false) {
    HDC hdc = GetDC(hwnd);
    if (transparent) SetBkMode(hdc, TRANSPARENT);
    Scribe(hdc, text.c_str());
    ReleaseDC(hwnd, hdc);
  }
  // The status line shows exactly this text: writing it again changes nothing. A message
  // written after a repaint on the same surface has a transparent background.
  void ExpectStatus(const char *text, bool afterRepaint = false) {
    std::vector<COLORREF> shown = Strip();
    Write(text, afterRepaint);
    EXPECT_EQ(Strip(), shown) << "status should read: " << text;
  }

  // The boxes shown with this caption; the check that a box is the one expected.
  static std::vector<BoxRecord> Boxes(const std::string &caption) {
    std::vector<BoxRecord> found;
    for (const BoxRecord &b : RecordedBoxes())
      if (b.caption == caption) found.push_back(b);
    return found;
  }
  static void ExpectBox(const BoxRecord &box, HWND owner, const std::string &text,
                        const std::string &caption, UINT type) {
    EXPECT_EQ(box.owner, owner);
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.caption, caption);
    EXPECT_EQ(box.type, type);
  }
  // A failure box: its caption, owner and type, naming the file and the reason.
  static void ExpectFailure(const std::string &caption, HWND owner, const std::string &file,
                            const std::string &reason) {
    std::vector<BoxRecord> failed = Boxes(caption);
    ASSERT_EQ(failed.size(), 1u) << caption;
    EXPECT_EQ(failed[0].owner, owner);
    EXPECT_EQ(failed[0].type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
    EXPECT_NE(failed[0].text.find(file), std::string::npos) << failed[0].text;
    EXPECT_NE(failed[0].text.find(reason), std::string::npos) << failed[0].text;
  }

  std::string folder;
  HWND hwnd = nullptr;
};

inline COLORREF LightColour(int theme) { return ThemeColour(Lt[theme]); }
inline COLORREF DarkColour(int theme) { return ThemeColour(Dk[theme]); }
constexpr COLORREF WindowBackground = RGB(242, 237, 222);
constexpr COLORREF ArrowColour = RGB(180, 0, 0);
