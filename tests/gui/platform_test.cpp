// The window services the editor relies on, through a window class of the test's own: message
// order, the loop, drawing edges, images and file dialogs (the rest is driven through the editor
// in every GUI test). The main window's quit question, which ends the loop, is unsaved_test.cpp's.
#include <algorithm>
#include <fstream>

#include "tests/gui/editor_fixture.h"

namespace {
const COLORREF Background = RGB(10, 20, 30);

struct Seen {
  HWND hwnd;
  UINT msg;
  WPARAM wParam;
};
std::vector<Seen> Log;                            // what the procedure saw
bool AliveInCreate = false, KeepOnClose = false;  // with KeepOnClose WM_CLOSE does not destroy

LRESULT TestProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Log.push_back(Seen{hwnd, msg, wParam});
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

int Count(UINT msg) {
  return static_cast<int>(
      std::count_if(Log.begin(), Log.end(), [msg](const Seen &s) { return s.msg == msg; }));
}

class PlatformTest : public testing::Test {
 protected:
  void SetUp() override {
    ResetPlatform();
    Log.clear();
    AliveInCreate = KeepOnClose = false;
    WNDCLASSEX wc{};
    wc.lpfnWndProc = TestProc;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = CreateSolidBrush(Background);
    wc.lpszClassName = "PlatformTest";
    ASSERT_NE(RegisterClassEx(&wc), 0);
  }
  void TearDown() override { ResetPlatform(); }
  static HBITMAP Load(const std::string &path, int w, int h) {
    return static_cast<HBITMAP>(
        LoadImage(nullptr, path.c_str(), IMAGE_BITMAP, w, h, LR_LOADFROMFILE));
  }
  static OPENFILENAME SaveDialog(char *name, uint32_t size, uint32_t flags) {
    // No owner or initial folder; the name offered and its capacity.
    return {0, nullptr, "BMP Files (*.bmp)\0*.bmp\0", name, size, nullptr, "bmp", flags, 0};
  }
  TempFolder dir;
};

// WM_CREATE comes first, with the window alive; posted messages come before the quit message and
// its exit code; a close box's WM_CLOSE destroys only through the default handling.
TEST_F(PlatformTest, CreateComesFirstThenPostedMessagesThenQuitAndOnlyTheDefaultCloseDestroys) {
  HWND h = CreateWindowEx(0, "PlatformTest", "Test", WS_OVERLAPPEDWINDOW, 10, 0, 208, 150, nullptr,
                          nullptr, nullptr, nullptr);
  ASSERT_NE(h, nullptr);
  ASSERT_FALSE(Log.empty());
  EXPECT_EQ(Log.front().msg, WM_CREATE);
  EXPECT_EQ(Log.front().hwnd, h);
  EXPECT_TRUE(AliveInCreate);
  EXPECT_EQ(std::make_pair(ClientWidth(h), ClientHeight(h)), std::make_pair(200, 112));
  EXPECT_EQ(WindowPixel(h, 199, 111), Background);
  EXPECT_EQ(WindowPixel(h, 200, 0), 0xFFFFFFFFu);  // outside: no pixel
  PostQuitMessage(3);
  PostMessage(h, WM_COMMAND, 1005, 0);
  MSG msg{};
  ASSERT_EQ(GetMessage(&msg, nullptr, 0, 0), 1);
  EXPECT_EQ(msg.message, WM_COMMAND);
  DispatchMessage(&msg);
  EXPECT_EQ(Log.back().wParam, 1005u);
  EXPECT_EQ(GetMessage(&msg, nullptr, 0, 0), 0);
  EXPECT_EQ(msg.message, WM_QUIT);
  EXPECT_EQ(msg.wParam, 3u);
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

// How a figure is combined with its square (AND the mask, OR the picture) is checked on the board.
TEST_F(PlatformTest, BitmapsLoadAtTheAskedSizeOrNotAtAll) {
  std::ofstream(dir / "junk.bmp") << "not a picture";
  EXPECT_EQ(Load(dir / "none.bmp", 36, 36), nullptr);
  EXPECT_EQ(Load(dir / "junk.bmp", 36, 36), nullptr);
  HBITMAP scaled = Load(BS_RUN_DIR "/bmp/wk.bmp", 72, 54);
  ASSERT_NE(scaled, nullptr);
  BITMAP info{};
  GetObject(scaled, sizeof info, &info);
  EXPECT_EQ(std::make_pair(info.bmWidth, info.bmHeight), std::make_pair(72, 54));
  DeleteObject(scaled);
}

TEST_F(PlatformTest, ScriptedFileDialogsReturnBoundedPathsAndAskBeforeReplacing) {
  char name[260] = "";
  OPENFILENAME ofn = SaveDialog(name, sizeof name, OFN_OVERWRITEPROMPT);
  ofn.lpstrInitialDir = dir.Path().c_str();
  ScriptFileAnswer("pos");  // a bare name: the initial folder, the default extension added
  ASSERT_TRUE(GetSaveFileName(&ofn));
  EXPECT_EQ(std::string(name), dir / "pos.bmp");
  ScriptFileAnswer("");  // cancelled
  EXPECT_FALSE(GetOpenFileName(&ofn));
  EXPECT_FALSE(GetOpenFileName(&ofn));  // nothing scripted: cancelled
  std::ofstream(dir / "x.bmp") << "old";
  ScriptFileAnswer(dir / "x.bmp");
  ScriptBoxAnswer(IDNO);
  EXPECT_FALSE(GetSaveFileName(&ofn));
  ExpectBox(nullptr, "x.bmp already exists.\nDo you want to replace it?", "Confirm Save As",
            MB_YESNO | MB_ICONEXCLAMATION);
  ScriptFileAnswer(dir / "x");
  ScriptBoxAnswer(IDYES);
  EXPECT_TRUE(GetSaveFileName(&ofn));
  EXPECT_EQ(std::string(name), dir / "x.bmp");
  ofn.Flags = 0;  // no prompt asked for: no question
  ScriptFileAnswer(dir / "x.bmp");
  EXPECT_TRUE(GetSaveFileName(&ofn));
  EXPECT_EQ(RecordedBoxes().size(), 2u);
  char tiny[8] = "";
  OPENFILENAME small = SaveDialog(tiny, sizeof tiny, 0);
  ScriptFileAnswer(dir / "long-name.bmp");
  EXPECT_FALSE(GetSaveFileName(&small));  // does not fit
  EXPECT_STREQ(tiny, "");
}
}  // namespace

