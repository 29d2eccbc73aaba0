#pragma once
// The main window created as WinMain creates it but without the message loop, in a run folder
// of its own whose bmp/, cur/ and program are the build's; the checks and the headers (standard,
// GoogleTest, platform, editor) that the editor's tests share.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "editor/editor.h"
#include "model/model.h"
#include "platform/platform.h"
#include "platform/testing/testing.h"
#include "tests/core/tempfolder.h"

// The editor's diagram and settings, which the tests read and set up directly; the diagram's men
// and its arrows (column and row from the top of each end).
inline Diagram &Now() { return Editor().diagram; }
inline PictureSettings &Settings() { return Editor().settings; }
inline std::vector<int> Men() { return std::vector<int>(Now().Pos, Now().Pos + 64); }
using ArrowList = std::vector<std::vector<int>>;
inline ArrowList Arrows() {
  ArrowList out;
  for (int i = 0; i < Now().ArrowCount(); i++) out.emplace_back(Now().Arr[i], Now().Arr[i] + 4);
  return out;
}

// The boxes shown with a caption; the check that boxes (by default all shown) are one, as expected.
inline std::vector<BoxRecord> Boxes(const std::string &caption) {
  std::vector<BoxRecord> found;
  for (const BoxRecord &b : RecordedBoxes())
    if (b.caption == caption) found.push_back(b);
  return found;
}
inline void ExpectBox(HWND owner, const std::string &text, const std::string &caption, UINT type,
                      const std::vector<BoxRecord> &boxes = RecordedBoxes()) {
  ASSERT_EQ(boxes.size(), 1u) << text;
  const BoxRecord &b = boxes[0];
  EXPECT_EQ(std::tie(b.owner, b.text, b.caption, b.type), std::tie(owner, text, caption, type));
}

class EditorWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    namespace fs = std::filesystem;
    char name[] = "/tmp/bs-editor-XXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    folder = name;
    for (const char *linked : {"bmp", "cur", "gifs", "boardsmith"})
      fs::create_symlink(fs::path(BS_RUN_DIR) / linked, folder + "/" + linked);
    // The virtual clipboard lives in the home folder: keep it inside the test's folder.
    setenv("HOME", folder.c_str(), 1);
    InitEditor();
    Editor().StartFolder = folder;
    Settings().Theme = 0;
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
  // Repaints the whole client area (by default the main window's) as after it was covered.
  static void Repaint(HWND w) {
    InvalidateRect(w, nullptr, true);
    UpdateWindow(w);
  }
  void Repaint() { Repaint(hwnd); }
  // The centre of square (column, row-from-top), and the arrow point of a square.
  static int CentreX(int c) { return SquareLeft + SquareStep * c + 18; }
  static int CentreY(int t) { return SquareTop + SquareStep * t + 18; }
  static int PointX(int c) { return 237 + 37 * c; }
  static int PointY(int t) { return 37 + 37 * t; }
  void ClickSquare(int c, int t) { ClickAt(hwnd, CentreX(c), CentreY(t)); }
  // An arrow drawn (or erased) with the arrow tool.
  void Arrow(int c0, int t0, int c1, int t1) {
    ClickTool(15);
    ClickSquare(c0, t0);
    ClickSquare(c1, t1);
  }
  // A key through the program's own message handling, accelerators included.
  void Key(int vk, int modifiers) {
    PressKey(hwnd, vk, modifiers);
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) HandleMessage(msg);
  }
  // The pixels of a rectangle, row by row; the board's at its present scale; the status strip's.
  std::vector<COLORREF> Pixels(int x0, int y0, int x1, int y1) {
    std::vector<COLORREF> out;
    for (int y = y0; y < y1; y++)
      for (int x = x0; x < x1; x++) out.push_back(Pixel(x, y));
    return out;
  }
  std::vector<COLORREF> BoardPixels() {
    return Pixels(BoardLeft, BoardTop, BoardLeft + FieldWidth * BoardScale,
                  BoardTop + FieldHeight * BoardScale);
  }
  std::vector<COLORREF> Strip() { return Pixels(0, 338, ClientWidth(hwnd), 358); }
  void Choose(int id) { ASSERT_TRUE(ChooseMenuItem(hwnd, id)); }
  // The one open window of a class (null, and a failure, when there is not exactly one).
  static HWND OnlyWindow(const char *cls) {
    std::vector<HWND> open = TopLevelWindows(cls);
    EXPECT_EQ(open.size(), 1u) << cls;
    return open.size() == 1 ? open[0] : nullptr;
  }
  void ClickTool(int index) { ClickButton(GetDlgItem(hwnd, index)); }
  // A message written into the status strip.
  void Write(const std::string &text, bool transparent = false) {
    HDC hdc = GetDC(hwnd);
    if (transparent) SetBkMode(hdc, TRANSPARENT);
    Scribe(hdc, text.c_str());
    ReleaseDC(hwnd, hdc);
  }
  // The status line shows exactly this text: writing it again changes nothing. A message
  // written after a repaint on the same surface has a transparent background.
  void ExpectStatus(const std::string &text, bool afterRepaint = false) {
    std::vector<COLORREF> shown = Strip();
    Write(text, afterRepaint);
    EXPECT_EQ(Strip(), shown) << "status should read: " << text;
  }
  // A failure box: its caption, owner and type, naming the file and the reason.
  static void ExpectFailure(const std::string &caption, HWND owner, const std::string &file,
                            const std::string &reason) {
    std::vector<BoxRecord> failed = Boxes(caption);
    ASSERT_EQ(failed.size(), 1u) << caption;
    EXPECT_EQ(failed[0].owner, owner);
    EXPECT_EQ(failed[0].type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
    for (const std::string &part : {file, reason})
      EXPECT_NE(failed[0].text.find(part), std::string::npos) << failed[0].text;
  }

  std::string folder;
  HWND hwnd = nullptr;
};

inline COLORREF LightColour(int theme) { return ThemeColour(Lt[theme]); }
inline COLORREF DarkColour(int theme) { return ThemeColour(Dk[theme]); }
constexpr COLORREF WindowBackground = RGB(242, 237, 222);
constexpr COLORREF ArrowColour = RGB(180, 0, 0);
// An arrow's pixel: its red (the start mark's, exactly), or the semi-transparent arrow's red
// over a square or a man.
inline bool IsArrow(COLORREF c) {
  const int r = c & 0xFF, g = c >> 8 & 0xFF, b = c >> 16 & 0xFF;
  return r >= 120 && g < 100 && b < 100 && r - g > 90;
}
