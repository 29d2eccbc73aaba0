// The window services the editor relies on, driven through their API with a small window class
// of the test's own: message order, the loop, drawing edges, images and file dialogs (menus,
// buttons, boxes, fields and input are driven through the editor in every GUI test); and the
// main window's quit question, which ends the loop.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/testing/testing.h"
#include "tests/gui/editor_fixture.h"

namespace {
namespace fs = std::filesystem;

const COLORREF Background = RGB(10, 20, 30);

struct Seen {
  HWND hwnd;
  UINT msg;
  WPARAM wParam;
  LPARAM lParam;
};
std::vector<Seen> Log;
bool AliveInCreate = false;
bool KeepOnClose = false;  // WM_CLOSE does not destroy

LRESULT TestProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Log.push_back(Seen{hwnd, msg, wParam, lParam});
  switch (msg) {
    case WM_CREATE:
      AliveInCreate = IsWindow(hwnd);
      return 0;
    case WM_CLOSE:
      if (KeepOnClose) return 0;
      break;
  }
  return DefWindowProc(hwnd, msg, wParam, lParam);
}

// The last message of a kind that the procedure saw, and how many came.
Seen Last(UINT msg) {
  for (auto it = Log.rbegin(); it != Log.rend(); ++it)
    if (it->msg == msg) return *it;
  return Seen{nullptr, 0, 0, 0};
}
int Count(UINT msg) {
  int n = 0;
  for (const Seen &s : Log) n += s.msg == msg;
  return n;
}

class PlatformTest : public testing::Test {
 protected:
  void SetUp() override {
    ResetPlatform();
    Log.clear();
    AliveInCreate = KeepOnClose = false;
    dir = fs::temp_directory_path() / ("platform_test_" + std::to_string(getpid()));
    fs::create_directories(dir);
    WNDCLASSEX wc{};
    wc.lpfnWndProc = TestProc;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = CreateSolidBrush(Background);
    wc.lpszClassName = "PlatformTest";
    ASSERT_NE(RegisterClassEx(&wc), 0);
  }
  void TearDown() override {
    ResetPlatform();
    fs::remove_all(dir);
  }

  HWND Make() {
    return CreateWindowEx(0, "PlatformTest", "Test", WS_OVERLAPPEDWINDOW, 10, 0, 208, 150,
                          nullptr, nullptr, nullptr, nullptr);
  }
  HBITMAP Load(const fs::path &path, int w, int h) {
    return static_cast<HBITMAP>(
        LoadImage(nullptr, path.c_str(), IMAGE_BITMAP, w, h, LR_LOADFROMFILE));
  }
  static OPENFILENAME SaveDialog(char *name, uint32_t size, uint32_t flags) {
    OPENFILENAME ofn{};
    ofn.lpstrFilter = "BMP Files (*.bmp)\0*.bmp\0";
    ofn.lpstrFile = name;
    ofn.nMaxFile = size;
    ofn.lpstrDefExt = "bmp";
    ofn.Flags = flags;
    return ofn;
  }

  fs::path dir;
};

TEST_F(PlatformTest, CreateComesFirstWithTheWindowAliveAndTheClientAreaSized) {
  HWND h = Make();
  ASSERT_NE(h, nullptr);
  ASSERT_FALSE(Log.empty());
  EXPECT_EQ(Log.front().msg, WM_CREATE);
  EXPECT_EQ(Log.front().hwnd, h);
  EXPECT_TRUE(AliveInCreate);
  EXPECT_EQ(ClientWidth(h), 200);
  EXPECT_EQ(ClientHeight(h), 112);
  EXPECT_EQ(WindowPixel(h, 199, 111), Background);
  EXPECT_EQ(WindowPixel(h, 200, 0), 0xFFFFFFFFu);  // outside: no pixel
}

TEST_F(PlatformTest, TheCloseBoxSendsCloseAndOnlyTheDefaultDestroys) {
  HWND h = Make();
  KeepOnClose = true;
  CloseBox(h);
  EXPECT_EQ(Count(WM_CLOSE), 1);
  EXPECT_TRUE(IsWindow(h));
  KeepOnClose = false;
  CloseBox(h);
  EXPECT_EQ(Count(WM_CLOSE), 2);
  EXPECT_EQ(Count(WM_DESTROY), 1);
  EXPECT_FALSE(IsWindow(h));
  EXPECT_TRUE(TopLevelWindows().empty());
  EXPECT_FALSE(DestroyWindow(h));
  EXPECT_EQ(Count(WM_DESTROY), 1);
}

TEST_F(PlatformTest, PostedMessagesComeBeforeTheQuitMessageAndItsExitCode) {
  HWND h = Make();
  PostQuitMessage(3);
  PostMessage(h, WM_COMMAND, 1005, 0);
  MSG msg{};
  ASSERT_EQ(GetMessage(&msg, nullptr, 0, 0), 1);
  EXPECT_EQ(msg.message, WM_COMMAND);
  DispatchMessage(&msg);
  EXPECT_EQ(Last(WM_COMMAND).wParam, 1005u);
  EXPECT_EQ(GetMessage(&msg, nullptr, 0, 0), 0);
  EXPECT_EQ(msg.message, WM_QUIT);
  EXPECT_EQ(msg.wParam, 3u);
  // The pump leaves a quit message for the loop.
  PostQuitMessage(0);
  PumpMessages();
  EXPECT_EQ(GetMessage(&msg, nullptr, 0, 0), 0);
}

// How a figure is combined with its square (AND the mask, OR the picture) is checked on the board.
TEST_F(PlatformTest, BitmapsLoadAtTheAskedSizeOrNotAtAll) {
  std::ofstream(dir / "junk.bmp") << "not a picture";
  EXPECT_EQ(Load(dir / "none.bmp", 36, 36), nullptr);
  EXPECT_EQ(Load(dir / "junk.bmp", 36, 36), nullptr);
  HBITMAP scaled = Load(BS_RUN_DIR "/bmp/wk.bmp", 72, 54);
  ASSERT_NE(scaled, nullptr);
  BITMAP info{};
  GetObject(scaled, sizeof info, &info);
  EXPECT_EQ(info.bmWidth, 72);
  EXPECT_EQ(info.bmHeight, 54);
  DeleteObject(scaled);
}

TEST_F(PlatformTest, ScriptedFileDialogsReturnBoundedPathsAndAskBeforeReplacing) {
  char name[260] = "";
  OPENFILENAME ofn = SaveDialog(name, sizeof name, OFN_OVERWRITEPROMPT);
  std::string initial = dir.string();
  ofn.lpstrInitialDir = initial.c_str();
  ClearRecords();
  ScriptFileAnswer("pos");  // a bare name: the initial folder, the default extension added
  ASSERT_TRUE(GetSaveFileName(&ofn));
  EXPECT_EQ(std::string(name), (dir / "pos.bmp").string());
  EXPECT_EQ(RecordedFileDialogs().back().filter, "BMP Files (*.bmp)|*.bmp");
  ScriptFileAnswer("");  // cancelled
  EXPECT_FALSE(GetOpenFileName(&ofn));
  EXPECT_FALSE(GetOpenFileName(&ofn));  // nothing scripted: cancelled

  std::ofstream(dir / "x.bmp") << "old";
  ScriptFileAnswer((dir / "x.bmp").string());
  ScriptBoxAnswer(IDNO);
  EXPECT_FALSE(GetSaveFileName(&ofn));
  ASSERT_EQ(RecordedBoxes().size(), 1u);
  EXPECT_EQ(RecordedBoxes()[0].text, "x.bmp already exists.\nDo you want to replace it?");
  EXPECT_EQ(RecordedBoxes()[0].type, static_cast<UINT>(MB_YESNO | MB_ICONEXCLAMATION));
  ScriptFileAnswer((dir / "x").string());
  ScriptBoxAnswer(IDYES);
  EXPECT_TRUE(GetSaveFileName(&ofn));
  EXPECT_EQ(std::string(name), (dir / "x.bmp").string());
  ofn.Flags = 0;  // no prompt asked for: no question
  ScriptFileAnswer((dir / "x.bmp").string());
  EXPECT_TRUE(GetSaveFileName(&ofn));
  EXPECT_EQ(RecordedBoxes().size(), 2u);

  char tiny[8] = "";
  OPENFILENAME small = SaveDialog(tiny, sizeof tiny, 0);
  ScriptFileAnswer((dir / "long-name.bmp").string());
  EXPECT_FALSE(GetSaveFileName(&small));  // does not fit
  EXPECT_STREQ(tiny, "");
}
}  // namespace

// No (the close box, unscripted) keeps the window and the diagram; Yes destroys the window, frees
// its images and ends the loop with exit code 0.
TEST_F(EditorWindow, QuitIsAskedAndOnlyYesEndsTheLoop) {
  Editor().SelPiece = WQ;
  ClickSquare(4, 4);
  ClearRecords();
  CloseBox(hwnd);
  PumpMessages();
  ASSERT_EQ(RecordedBoxes().size(), 1u);
  ExpectBox(RecordedBoxes()[0], hwnd, "Are you sure you want to quit?", "Quit?",
            MB_YESNO | MB_ICONEXCLAMATION);
  EXPECT_TRUE(IsWindow(hwnd));
  EXPECT_EQ(Now().Pos[4 * 8 + 3], WQ);
  EXPECT_NE(Pics[1], nullptr);
  ScriptBoxAnswer(IDYES);
  Choose(CmdExit);
  PumpMessages();
  EXPECT_EQ(Boxes("Quit?").size(), 2u);
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(MainWnd, nullptr);
  for (int i = 1; i < 16; i++) EXPECT_EQ(Pics[i], nullptr);
  MSG msg = {};
  EXPECT_EQ(GetMessage(&msg, nullptr, 0, 0), 0);
  EXPECT_EQ(msg.wParam, 0u);
}
