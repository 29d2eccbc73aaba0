#pragma once
// The main window created through the platform, as WinMain creates it but without the message
// loop, in a run folder of its own whose bmp/, cur/ and program are the build's; and the
// checks the editor's tests share.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "editor/editor.h"
#include "files/paths.h"
#include "model/model.h"
#include "platform/platform.h"
#include "platform/testing/testing.h"
#include "tests/core/tempfolder.h"

// The editor's diagram and settings, which the tests read and set up directly.
inline Diagram &Now() { return Editor().diagram; }
inline PictureSettings &Settings() { return Editor().settings; }

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
  // A key through the program's own message handling, accelerators included.
  void Key(int vk, int modifiers) {
    PressKey(hwnd, vk, modifiers);
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) HandleMessage(msg);
  }
  // The window sized as by the user (outer size), and the board's pixels at its present scale.
  void Resize(int width, int height) {
    MoveWindow(hwnd, 10, 0, width, height, true);
    PumpMessages();
  }
  std::vector<COLORREF> BoardPixels() {
    std::vector<COLORREF> out;
    for (int y = BoardTop; y < BoardTop + FieldHeight * BoardScale; y++)
      for (int x = BoardLeft; x < BoardLeft + FieldWidth * BoardScale; x++) out.push_back(Pixel(x, y));
    return out;
  }
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

// The prefs.txt of the test's folder.
inline Prefs PrefsOfFolder() { return ReadPrefs(PrefsPath(Editor().StartFolder)); }

inline COLORREF LightColour(int theme) { return ThemeColour(Lt[theme]); }
inline COLORREF DarkColour(int theme) { return ThemeColour(Dk[theme]); }
constexpr COLORREF WindowBackground = RGB(242, 237, 222);
constexpr COLORREF ArrowColour = RGB(180, 0, 0);
