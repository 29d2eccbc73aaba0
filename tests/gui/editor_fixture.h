#pragma once
// The main window created through the platform, as WinMain creates it but without the message
// loop, in a start folder of its own whose bmp/ and cur/ are the run folder's images.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "editor/editor.h"
#include "files/paths.h"
#include "model/model.h"
#include "platform/platform.h"
#include "platform/testing.h"

class EditorWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    namespace fs = std::filesystem;
    char name[] = "/tmp/bs-editor-XXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    folder = name;
    fs::create_directory_symlink(fs::path(BS_RUN_DIR) / "bmp", folder + "/bmp");
    fs::create_directory_symlink(fs::path(BS_RUN_DIR) / "cur", folder + "/cur");
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
    std::filesystem::remove_all(folder, ec);
  }

  COLORREF Pixel(int x, int y) { return WindowPixel(hwnd, x, y); }
  // Repaints the whole client area as after the window was covered.
  void Repaint() {
    InvalidateRect(hwnd, nullptr, true);
    UpdateWindow(hwnd);
  }
  // The centre of square (column, row-from-top).
  static int CentreX(int c) { return SquareLeft + SquareStep * c + 18; }
  static int CentreY(int t) { return SquareTop + SquareStep * t + 18; }
  void ClickSquare(int c, int t) { ClickAt(hwnd, CentreX(c), CentreY(t)); }
  void Choose(int id) { ASSERT_TRUE(ChooseMenuItem(hwnd, id)); }
  void ClickTool(int index) { ClickButton(GetDlgItem(hwnd, index)); }

  std::string folder;
  HWND hwnd = nullptr;
};

inline COLORREF LightColour(int theme) { return ThemeColour(Lt[theme]); }
inline COLORREF DarkColour(int theme) { return ThemeColour(Dk[theme]); }
constexpr COLORREF WindowBackground = RGB(242, 237, 222);
constexpr COLORREF ArrowColour = RGB(180, 0, 0);
