// The window services driven through their API with a small window class of the test's own:
// messages and their order, the loop, drawing into the backing image, images, controls, menus,
// the scripted responder and input given as a person would.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/testing.h"

namespace {

const COLORREF Background = RGB(10, 20, 30);

struct Seen {
  HWND hwnd;
  UINT msg;
  WPARAM wParam;
  LPARAM lParam;
};
std::vector<Seen> Log;
bool AliveInCreate = false;
bool KeepOnClose = false;     // WM_CLOSE does not destroy
bool DestroyOnCommand = false;
bool MakeChildInCreate = false;
HCURSOR BoardCursor = nullptr;  // shown on mouse moves right of x 50

LRESULT TestProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Log.push_back(Seen{hwnd, msg, wParam, lParam});
  switch (msg) {
    case WM_CREATE:
      AliveInCreate = IsWindow(hwnd);
      if (MakeChildInCreate)
        CreateWindowEx(0, "button", "Ok", WS_CHILD | WS_VISIBLE, 5, 5, 40, 20, hwnd,
                       reinterpret_cast<HMENU>(intptr_t{77}), nullptr, nullptr);
      return 0;
    case WM_CLOSE:
      if (KeepOnClose) return 0;
      break;
    case WM_COMMAND:
      if (DestroyOnCommand) DestroyWindow(hwnd);
      return 0;
    case WM_MOUSEMOVE:
      if (LOWORD(static_cast<uintptr_t>(lParam)) > 50) SetCursor(BoardCursor);
      return 0;
  }
  return DefWindowProc(hwnd, msg, wParam, lParam);
}

// The last message of a kind that the procedure saw.
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

std::filesystem::path TempDir() {
  std::filesystem::path dir = std::filesystem::temp_directory_path() /
                              ("platform_test_" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  return dir;
}

// A 24-bit BMP of w x h pixels, colours given row by row from the top.
void WriteBmp(const std::filesystem::path &path, int w, int h, const std::vector<COLORREF> &px) {
  int stride = (w * 3 + 3) / 4 * 4;
  uint32_t size = 54 + static_cast<uint32_t>(stride * h);
  std::vector<uint8_t> b(size, 0);
  auto put = [&b](size_t at, uint32_t v, int n) {
    for (int i = 0; i < n; i++) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
  };
  b[0] = 'B';
  b[1] = 'M';
  put(2, size, 4);
  put(10, 54, 4);
  put(14, 40, 4);
  put(18, static_cast<uint32_t>(w), 4);
  put(22, static_cast<uint32_t>(h), 4);
  put(26, 1, 2);
  put(28, 24, 2);
  for (int y = 0; y < h; y++)
    for (int x = 0; x < w; x++) {
      COLORREF c = px[static_cast<size_t>(y * w + x)];
      size_t at = 54 + static_cast<size_t>((h - 1 - y) * stride + x * 3);
      b[at] = static_cast<uint8_t>(c >> 16);
      b[at + 1] = static_cast<uint8_t>(c >> 8);
      b[at + 2] = static_cast<uint8_t>(c);
    }
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<char *>(b.data()), size);
}

// A two-colour BMP of 8 x 1 pixels (palette black, white) with the given bits, left pixel first.
void WriteMonoBmp(const std::filesystem::path &path, uint8_t bits) {
  std::vector<uint8_t> b(66, 0);
  auto put = [&b](size_t at, uint32_t v, int n) {
    for (int i = 0; i < n; i++) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
  };
  b[0] = 'B';
  b[1] = 'M';
  put(2, 66, 4);
  put(10, 62, 4);
  put(14, 40, 4);
  put(18, 8, 4);
  put(22, 1, 4);
  put(26, 1, 2);
  put(28, 1, 2);
  put(58, 0xFFFFFF, 4);  // palette entry 1: white
  b[62] = bits;
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<char *>(b.data()), 66);
}

// A 2 x 2 icon, 32 bits a pixel, every pixel opaque in the given colour.
void WriteIco(const std::filesystem::path &path, COLORREF colour) {
  std::vector<uint8_t> b;
  auto put = [&b](uint32_t v, int n) {
    for (int i = 0; i < n; i++) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
  };
  put(0, 2), put(1, 2), put(1, 2);                        // header: icon, one image
  b.push_back(2), b.push_back(2), b.push_back(0), b.push_back(0);
  put(1, 2), put(32, 2), put(40 + 16 + 8, 4), put(22, 4);  // entry: size, offset
  put(40, 4), put(2, 4), put(4, 4), put(1, 2), put(32, 2);  // DIB header, height doubled
  for (int i = 0; i < 6; i++) put(0, 4);
  for (int i = 0; i < 4; i++) {
    b.push_back(static_cast<uint8_t>(colour >> 16));
    b.push_back(static_cast<uint8_t>(colour >> 8));
    b.push_back(static_cast<uint8_t>(colour));
    b.push_back(255);
  }
  for (int i = 0; i < 2; i++) put(0, 4);  // AND mask rows: all shown
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<char *>(b.data()),
                                              static_cast<std::streamsize>(b.size()));
}

class PlatformTest : public testing::Test {
 protected:
  void SetUp() override {
    ResetPlatform();
    Log.clear();
    AliveInCreate = KeepOnClose = DestroyOnCommand = MakeChildInCreate = false;
    BoardCursor = nullptr;
    WNDCLASSEX wc{};
    wc.lpfnWndProc = TestProc;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    wc.hbrBackground = CreateSolidBrush(Background);
    wc.lpszClassName = "PlatformTest";
    ASSERT_NE(RegisterClassEx(&wc), 0);
  }
  void TearDown() override { ResetPlatform(); }

  HWND Make(const char *title = "Test") {
    return CreateWindowEx(0, "PlatformTest", title, WS_OVERLAPPEDWINDOW, 10, 0, 208, 150,
                          nullptr, nullptr, nullptr, nullptr);
  }
  // Pixels of the client area of colour c inside (inside true) or outside the rectangle.
  static int CountPixels(HWND h, COLORREF c, RECT r, bool inside) {
    int n = 0;
    for (int y = 0; y < ClientHeight(h); y++)
      for (int x = 0; x < ClientWidth(h); x++) {
        bool in = x >= r.left && x < r.right && y >= r.top && y < r.bottom;
        if (in == inside && WindowPixel(h, x, y) == c) n++;
      }
    return n;
  }
};

TEST_F(PlatformTest, CreationSendsCreateFirstAndSizesTheClientArea) {
  MakeChildInCreate = true;
  HWND h = Make("Board");
  ASSERT_NE(h, nullptr);
  ASSERT_FALSE(Log.empty());
  EXPECT_EQ(Log.front().msg, WM_CREATE);
  EXPECT_EQ(Log.front().hwnd, h);
  EXPECT_TRUE(AliveInCreate);
  EXPECT_EQ(ClientWidth(h), 200);
  EXPECT_EQ(ClientHeight(h), 112);
  EXPECT_EQ(WindowPixel(h, 0, 0), Background);
  EXPECT_EQ(WindowPixel(h, 199, 111), Background);
  EXPECT_EQ(WindowPixel(h, 200, 0), 0xFFFFFFFFu);
  EXPECT_EQ(WindowText(h), "Board");
  EXPECT_EQ(ClassName(h), "PlatformTest");
  HWND child = GetDlgItem(h, 77);
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(GetParent(child), h);
  EXPECT_EQ(TopLevelWindows("platformtest"), std::vector<HWND>{h});
  EXPECT_TRUE(TopLevelWindows("Other").empty());

  EXPECT_EQ(CreateWindowEx(0, "NoSuchClass", "", 0, 0, 0, 50, 50, nullptr, nullptr, nullptr,
                           nullptr),
            nullptr);
  WNDCLASSEX again{};
  again.lpfnWndProc = TestProc;
  again.lpszClassName = "PlatformTest";
  EXPECT_EQ(RegisterClassEx(&again), 0);
}

TEST_F(PlatformTest, PaintComesOnceForAnInvalidWindowAndErasesToTheBackground) {
  HWND h = Make();
  EXPECT_TRUE(UpdateWindow(h));
  EXPECT_EQ(Count(WM_PAINT), 1);
  UpdateWindow(h);
  PumpMessages();
  EXPECT_EQ(Count(WM_PAINT), 1);  // valid now: no second paint

  HDC dc = GetDC(h);
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  RECT all{0, 0, 200, 112};
  FillRect(dc, &all, red);
  ReleaseDC(h, dc);
  DeleteObject(red);
  EXPECT_EQ(WindowPixel(h, 50, 50), RGB(255, 0, 0));

  RECT part{0, 0, 20, 10};
  InvalidateRect(h, &part, true);
  PumpMessages();  // the loop paints what is invalid
  EXPECT_EQ(Count(WM_PAINT), 2);
  EXPECT_EQ(WindowPixel(h, 19, 9), Background);
  EXPECT_EQ(WindowPixel(h, 20, 9), RGB(255, 0, 0));
  EXPECT_EQ(WindowPixel(h, 19, 10), RGB(255, 0, 0));

  InvalidateRect(h, nullptr, false);  // no erase: the picture stays until painted over
  UpdateWindow(h);
  EXPECT_EQ(Count(WM_PAINT), 3);
  EXPECT_EQ(WindowPixel(h, 50, 50), RGB(255, 0, 0));
}

TEST_F(PlatformTest, TheCloseBoxAsksTheWindowAndTheDefaultDestroysIt) {
  HWND h = Make();
  KeepOnClose = true;
  CloseBox(h);
  EXPECT_EQ(Count(WM_CLOSE), 1);
  EXPECT_TRUE(IsWindow(h));  // the procedure said no

  KeepOnClose = false;
  Log.clear();
  CloseBox(h);
  ASSERT_EQ(Count(WM_CLOSE), 1);
  EXPECT_EQ(Count(WM_DESTROY), 1);
  EXPECT_FALSE(IsWindow(h));
  EXPECT_TRUE(TopLevelWindows().empty());
  EXPECT_EQ(WindowPixel(h, 0, 0), 0xFFFFFFFFu);
  EXPECT_FALSE(DestroyWindow(h));
  EXPECT_EQ(Count(WM_DESTROY), 1);
}

TEST_F(PlatformTest, DestroyReachesTheParentBeforeItsChildren) {
  HWND parent = Make();
  HWND child = CreateWindowEx(0, "PlatformTest", "", WS_CHILD | WS_VISIBLE, 10, 10, 50, 40,
                              parent, reinterpret_cast<HMENU>(intptr_t{5}), nullptr, nullptr);
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(ClientWidth(child), 50);  // a child's rectangle is its client area
  EXPECT_EQ(TopLevelWindows().size(), 1u);
  Log.clear();
  EXPECT_TRUE(DestroyWindow(parent));
  ASSERT_EQ(Log.size(), 2u);
  EXPECT_EQ(Log[0].hwnd, parent);
  EXPECT_EQ(Log[1].hwnd, child);
  EXPECT_EQ(Log[1].msg, WM_DESTROY);
  EXPECT_FALSE(IsWindow(child));
}

TEST_F(PlatformTest, PostedMessagesComeBeforeTheQuitMessageAndItsExitCode) {
  HWND h = Make();
  UpdateWindow(h);
  PostQuitMessage(3);
  PostMessage(h, WM_COMMAND, 1005, 0);
  MSG msg{};
  ASSERT_EQ(GetMessage(&msg, nullptr, 0, 0), 1);
  EXPECT_EQ(msg.message, WM_COMMAND);
  EXPECT_EQ(msg.hwnd, h);
  TranslateMessage(&msg);
  DispatchMessage(&msg);
  EXPECT_EQ(Log.back().msg, WM_COMMAND);
  EXPECT_EQ(Log.back().wParam, 1005u);
  EXPECT_EQ(GetMessage(&msg, nullptr, 0, 0), 0);
  EXPECT_EQ(msg.message, WM_QUIT);
  EXPECT_EQ(msg.wParam, 3u);

  // The pump leaves a quit message for the loop.
  PostQuitMessage(0);
  PostMessage(h, WM_COMMAND, 7, 0);
  PumpMessages();
  EXPECT_EQ(Log.back().wParam, 7u);
  EXPECT_EQ(GetMessage(&msg, nullptr, 0, 0), 0);
}

TEST_F(PlatformTest, AWindowCanDestroyItselfFromItsButtonsCommand) {
  MakeChildInCreate = true;
  DestroyOnCommand = true;
  HWND h = Make();
  HWND ok = GetDlgItem(h, 77);
  ClickButton(ok);
  EXPECT_FALSE(IsWindow(h));
  EXPECT_FALSE(IsWindow(ok));
  ClickButton(ok);  // a dead handle does nothing
}

TEST_F(PlatformTest, FillRectLeavesOutTheRightAndBottomEdges) {
  HWND h = Make();
  HDC dc = GetDC(h);
  HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  RECT r{10, 10, 20, 15};
  EXPECT_EQ(FillRect(dc, &r, brush), 1);
  EXPECT_EQ(CountPixels(h, RGB(1, 2, 3), r, true), 50);
  EXPECT_EQ(CountPixels(h, RGB(1, 2, 3), r, false), 0);
  EXPECT_EQ(GetPixel(dc, 19, 14), RGB(1, 2, 3));
  EXPECT_EQ(GetPixel(dc, 20, 14), Background);
  // The model's surface interface draws the same way.
  dc->FillSolid(0, 0, 2, 1, RGB(9, 9, 9));
  EXPECT_EQ(WindowPixel(h, 1, 0), RGB(9, 9, 9));
  EXPECT_EQ(WindowPixel(h, 2, 0), Background);
  RECT huge{-100, -100, 10000, 10000};  // cut to the client area
  FillRect(dc, &huge, brush);
  EXPECT_EQ(WindowPixel(h, 199, 111), RGB(1, 2, 3));
  ReleaseDC(h, dc);
  DeleteObject(brush);
}

TEST_F(PlatformTest, AThinLineLeavesOutItsEndPoint) {
  HWND h = Make();
  HDC dc = GetDC(h);
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 255));
  HGDIOBJ old = SelectObject(dc, pen);
  EXPECT_NE(old, nullptr);
  const COLORREF blue = RGB(0, 0, 255);
  MoveToEx(dc, 5, 5, nullptr);
  LineTo(dc, 15, 5);
  EXPECT_EQ(CountPixels(h, blue, RECT{5, 5, 15, 6}, true), 10);
  EXPECT_EQ(WindowPixel(h, 15, 5), Background);
  LineTo(dc, 15, 15);  // continues from the current position
  EXPECT_EQ(WindowPixel(h, 15, 5), blue);
  EXPECT_EQ(WindowPixel(h, 15, 14), blue);
  EXPECT_EQ(WindowPixel(h, 15, 15), Background);

  MoveToEx(dc, 100, 20, nullptr);
  LineTo(dc, 90, 30);
  EXPECT_EQ(CountPixels(h, blue, RECT{91, 20, 101, 30}, true), 10);
  EXPECT_EQ(WindowPixel(h, 90, 30), Background);
  MoveToEx(dc, 150, 10, nullptr);
  LineTo(dc, 153, 30);  // steep: one pixel a row
  EXPECT_EQ(CountPixels(h, blue, RECT{150, 10, 154, 30}, true), 20);
  EXPECT_EQ(WindowPixel(h, 153, 30), Background);
  SelectObject(dc, old);
  DeleteObject(pen);
  ReleaseDC(h, dc);
}

TEST_F(PlatformTest, FarAwayCoordinatesAreCutToTheClientArea) {
  HWND h = Make();
  HDC dc = GetDC(h);
  HBRUSH brush = CreateSolidBrush(RGB(5, 5, 5));
  RECT everything{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
  FillRect(dc, &everything, brush);
  EXPECT_EQ(CountPixels(h, RGB(5, 5, 5), RECT{0, 0, 200, 112}, true), 200 * 112);
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 255));
  HGDIOBJ old = SelectObject(dc, pen);
  MoveToEx(dc, -1000000, 7, nullptr);
  LineTo(dc, 1000000, 7);
  EXPECT_EQ(CountPixels(h, RGB(0, 0, 255), RECT{0, 7, 200, 8}, true), 200);
  MoveToEx(dc, INT32_MIN, INT32_MIN, nullptr);
  LineTo(dc, INT32_MAX, INT32_MIN);  // far above the window: nothing
  EXPECT_EQ(CountPixels(h, RGB(0, 0, 255), RECT{0, 7, 200, 8}, false), 0);
  HDC mem = CreateCompatibleDC(dc);
  EXPECT_TRUE(BitBlt(dc, INT32_MAX - 5, 0, INT32_MAX, INT32_MAX, dc, 0, 0, SRCCOPY));
  EXPECT_TRUE(TextOut(dc, INT32_MAX, INT32_MAX, "x", 1));
  EXPECT_TRUE(InvalidateRect(h, &everything, true));
  DeleteDC(mem);
  SelectObject(dc, old);
  DeleteObject(pen);
  DeleteObject(brush);
  ReleaseDC(h, dc);
  UpdateWindow(h);
  EXPECT_EQ(WindowPixel(h, 100, 7), Background);
}

TEST_F(PlatformTest, AWidePenCoversItsWidthAcrossTheLine) {
  HWND h = Make();
  HDC dc = GetDC(h);
  HPEN pen = CreatePen(PS_SOLID, 5, RGB(0, 0, 0));
  HGDIOBJ old = SelectObject(dc, pen);
  MoveToEx(dc, 20, 40, nullptr);
  LineTo(dc, 80, 40);
  for (int y = 38; y <= 42; y++) EXPECT_EQ(WindowPixel(h, 50, y), RGB(0, 0, 0)) << y;
  EXPECT_EQ(WindowPixel(h, 50, 37), Background);
  EXPECT_EQ(WindowPixel(h, 50, 43), Background);
  MoveToEx(dc, 120, 20, nullptr);
  LineTo(dc, 120, 80);
  for (int x = 118; x <= 122; x++) EXPECT_EQ(WindowPixel(h, x, 50), RGB(0, 0, 0)) << x;
  EXPECT_EQ(WindowPixel(h, 117, 50), Background);
  EXPECT_EQ(WindowPixel(h, 123, 50), Background);
  // Deleting the selected pen leaves the surface drawing, not dangling.
  EXPECT_TRUE(DeleteObject(pen));
  MoveToEx(dc, 0, 100, nullptr);
  LineTo(dc, 10, 100);
  SelectObject(dc, old);
  ReleaseDC(h, dc);
}

TEST_F(PlatformTest, TextGoesInTheTextColourNearItsPointAndNowhereElse) {
  HWND h = Make();
  HDC dc = GetDC(h);
  const COLORREF red = RGB(255, 0, 0);
  EXPECT_EQ(SetTextColor(dc, red), RGB(0, 0, 0));  // black by default
  EXPECT_EQ(SetBkMode(dc, TRANSPARENT), OPAQUE);
  EXPECT_TRUE(TextOut(dc, 10, 20, "Hello", 5));
  RECT cell{10, 20, 60, 40};
  EXPECT_GT(CountPixels(h, red, cell, true), 20);
  EXPECT_EQ(CountPixels(h, red, cell, false), 0);
  EXPECT_EQ(WindowPixel(h, 10, 20), Background);  // transparent: the cell's corner unchanged

  SetBkMode(dc, OPAQUE);
  TextOut(dc, 10, 60, "Hello", 5);
  EXPECT_EQ(WindowPixel(h, 10, 60), RGB(255, 255, 255));  // opaque: a white cell
  EXPECT_GT(CountPixels(h, red, RECT{10, 60, 60, 80}, true), 20);

  // Text in a rectangle: at its top-left; cut to it unless told not to.
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 255));
  RECT small{120, 10, 125, 30};
  int height = DrawText(dc, "Wide text", -1, &small, DT_LEFT | DT_TOP | DT_SINGLELINE);
  EXPECT_GE(height, 13);
  EXPECT_GT(CountPixels(h, RGB(0, 0, 255), small, true), 0);
  EXPECT_EQ(CountPixels(h, RGB(0, 0, 255), small, false), 0);
  RECT loose{120, 50, 125, 70};
  DrawText(dc, "Wide text", -1, &loose, DT_LEFT | DT_TOP | DT_NOCLIP | DT_SINGLELINE);
  EXPECT_GT(CountPixels(h, RGB(0, 0, 255), RECT{125, 50, 200, 70}, true), 0);
  ReleaseDC(h, dc);
}

TEST_F(PlatformTest, BitmapsLoadScaledAndCombineByAndAndOr) {
  std::filesystem::path dir = TempDir();
  const COLORREF W = RGB(255, 255, 255), K = RGB(0, 0, 0), G = RGB(0, 200, 0);
  WriteBmp(dir / "m.bmp", 2, 2, {W, K, W, K});  // mask: right half is the figure
  WriteBmp(dir / "p.bmp", 2, 2, {K, G, K, G});  // picture: black where the square shows
  HBITMAP mask = static_cast<HBITMAP>(
      LoadImage(nullptr, (dir / "m.bmp").c_str(), IMAGE_BITMAP, 36, 36, LR_LOADFROMFILE));
  HBITMAP pic = static_cast<HBITMAP>(
      LoadImage(nullptr, (dir / "p.bmp").c_str(), IMAGE_BITMAP, 36, 36, LR_LOADFROMFILE));
  ASSERT_NE(mask, nullptr);
  ASSERT_NE(pic, nullptr);
  BITMAP info{};
  EXPECT_EQ(GetObject(mask, sizeof info, &info), static_cast<int>(sizeof info));
  EXPECT_EQ(info.bmWidth, 36);
  EXPECT_EQ(info.bmHeight, 36);
  EXPECT_EQ(LoadImage(nullptr, (dir / "none.bmp").c_str(), IMAGE_BITMAP, 36, 36,
                      LR_LOADFROMFILE),
            nullptr);
  std::ofstream(dir / "junk.bmp") << "not a picture";
  EXPECT_EQ(LoadImage(nullptr, (dir / "junk.bmp").c_str(), IMAGE_BITMAP, 36, 36,
                      LR_LOADFROMFILE),
            nullptr);

  HWND h = Make();
  HDC dc = GetDC(h);
  HDC mem = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(mem, mask);
  EXPECT_FALSE(DeleteObject(mask));  // selected: refused
  BitBlt(dc, 100, 50, 36, 36, mem, 0, 0, SRCAND);
  SelectObject(mem, pic);
  BitBlt(dc, 100, 50, 36, 36, mem, 0, 0, SRCPAINT);
  SelectObject(mem, old);
  DeleteDC(mem);
  ReleaseDC(h, dc);
  EXPECT_EQ(WindowPixel(h, 100, 50), Background);  // square shows through
  EXPECT_EQ(WindowPixel(h, 117, 85), Background);
  EXPECT_EQ(WindowPixel(h, 118, 50), G);           // the figure, nearest-scaled: no blend
  EXPECT_EQ(WindowPixel(h, 135, 85), G);
  EXPECT_EQ(WindowPixel(h, 136, 85), Background);
  EXPECT_EQ(WindowPixel(h, 100, 86), Background);
  EXPECT_TRUE(DeleteObject(mask));
  EXPECT_TRUE(DeleteObject(pic));

  // A two-colour file reads as black and white, each pixel scaled to a 2 x 2 block.
  WriteMonoBmp(dir / "mono.bmp", 0xA5);  // 1010 0101
  HBITMAP mono = static_cast<HBITMAP>(
      LoadImage(nullptr, (dir / "mono.bmp").c_str(), IMAGE_BITMAP, 16, 2, LR_LOADFROMFILE));
  ASSERT_NE(mono, nullptr);
  dc = GetDC(h);
  mem = CreateCompatibleDC(dc);
  old = SelectObject(mem, mono);
  BitBlt(dc, 0, 0, 16, 2, mem, 0, 0, SRCCOPY);
  SelectObject(mem, old);
  DeleteDC(mem);
  ReleaseDC(h, dc);
  const bool bit[8] = {true, false, true, false, false, true, false, true};
  for (int x = 0; x < 16; x++)
    for (int y = 0; y < 2; y++)
      EXPECT_EQ(WindowPixel(h, x, y), bit[x / 2] ? W : K) << x << "," << y;
  DeleteObject(mono);
  std::filesystem::remove_all(dir);
}

TEST_F(PlatformTest, MenuItemsSendTheirIdsAndKeepTheirMnemonics) {
  HWND h = Make();
  HMENU bar = CreateMenu(), file = CreatePopupMenu(), help = CreatePopupMenu();
  AppendMenu(file, MF_STRING, 1001, "&Open BRD...");
  AppendMenu(file, MF_STRING, 1005, "E&xit");
  AppendMenu(bar, MF_POPUP, reinterpret_cast<uintptr_t>(file), "&File");
  AppendMenu(bar, MF_POPUP, reinterpret_cast<uintptr_t>(help), "&Help");
  EXPECT_TRUE(SetMenu(h, bar));
  AppendMenu(help, MF_STRING, 7002, "&Help");  // after SetMenu: shows as well
  std::vector<std::string> expected{"&File||0", "&File|&Open BRD...|1001", "&File|E&xit|1005",
                                    "&Help||0", "&Help|&Help|7002"};
  EXPECT_EQ(MenuBarTexts(h), expected);
  EXPECT_EQ(ClientHeight(h), 112);  // the bar takes nothing from the client area

  EXPECT_TRUE(ChooseMenuItem(h, 1005));
  ASSERT_EQ(Count(WM_COMMAND), 1);
  EXPECT_EQ(Last(WM_COMMAND).wParam, MAKEWPARAM(1005, 0));
  EXPECT_TRUE(ChooseMenuItem(h, 7002));
  EXPECT_EQ(Last(WM_COMMAND).wParam, MAKEWPARAM(7002, 0));
  EXPECT_FALSE(ChooseMenuItem(h, 4242));
  EXPECT_EQ(Count(WM_COMMAND), 2);

  std::filesystem::path shot = TempDir() / "shot.png";
  EXPECT_TRUE(SaveWindowShot(h, shot.string()));
  EXPECT_TRUE(SaveWindowImage(h, shot.string()));
  EXPECT_GT(std::filesystem::file_size(shot), 0u);
  std::filesystem::remove_all(shot.parent_path());
}

TEST_F(PlatformTest, AButtonClickSendsItsIdWithTheClickedCodeToItsParent) {
  HWND h = Make();
  HWND button = CreateWindowEx(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_BITMAP, 10, 10, 46,
                               46, h, reinterpret_cast<HMENU>(intptr_t{15}), nullptr, nullptr);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(ClassName(button), "button");
  std::filesystem::path dir = TempDir();
  WriteBmp(dir / "f.bmp", 1, 1, {RGB(1, 1, 1)});
  HBITMAP face = static_cast<HBITMAP>(
      LoadImage(nullptr, (dir / "f.bmp").c_str(), IMAGE_BITMAP, 36, 36, LR_LOADFROMFILE));
  EXPECT_EQ(SendMessage(button, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(face)), 0);
  EXPECT_EQ(ButtonImage(button), face);
  ClickButton(button);
  ASSERT_EQ(Count(WM_COMMAND), 1);
  EXPECT_EQ(Last(WM_COMMAND).hwnd, h);
  EXPECT_EQ(Last(WM_COMMAND).wParam, MAKEWPARAM(15, BN_CLICKED));
  EXPECT_EQ(Last(WM_COMMAND).lParam, reinterpret_cast<LPARAM>(button));
  // Controls need a parent.
  EXPECT_EQ(CreateWindowEx(0, "button", "x", WS_VISIBLE, 0, 0, 9, 9, nullptr, nullptr, nullptr,
                           nullptr),
            nullptr);
  DestroyWindow(h);
  DeleteObject(face);
  std::filesystem::remove_all(dir);
}

TEST_F(PlatformTest, AnEditFieldIsReadIntoABoundedBuffer) {
  HWND h = Make();
  HWND edit = CreateWindowEx(0, "Edit", "4.0", WS_CHILD | WS_VISIBLE | WS_BORDER, 100, 10, 60,
                             20, h, reinterpret_cast<HMENU>(intptr_t{8001}), nullptr, nullptr);
  ASSERT_NE(edit, nullptr);
  char buffer[16];
  EXPECT_EQ(GetWindowText(edit, buffer, sizeof buffer), 3);
  EXPECT_STREQ(buffer, "4.0");
  EXPECT_TRUE(SetWindowText(edit, "123456789012"));
  EXPECT_EQ(GetWindowText(edit, buffer, 10), 9);
  EXPECT_STREQ(buffer, "123456789");
  EXPECT_EQ(GetWindowText(edit, buffer, 1), 0);
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(WindowText(edit), "123456789012");
  EXPECT_EQ(GetDlgItem(h, 8001), edit);
}

TEST_F(PlatformTest, ScriptedBoxesRecordTheQuestionAndAnswerInOrder) {
  HWND h = Make();
  ClearRecords();
  ScriptBoxAnswer(IDYES);
  EXPECT_EQ(MessageBox(h, "Are you sure?", "Quit?", MB_YESNO | MB_ICONEXCLAMATION), IDYES);
  EXPECT_EQ(MessageBox(nullptr, "Again?", "Quit?", MB_YESNO | MB_ICONQUESTION), IDNO);
  EXPECT_EQ(MessageBox(nullptr, "Done", "Picture Size", MB_OK | MB_ICONEXCLAMATION), IDOK);
  const std::vector<BoxRecord> &boxes = RecordedBoxes();
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(boxes[0].owner, h);
  EXPECT_EQ(boxes[0].text, "Are you sure?");
  EXPECT_EQ(boxes[0].caption, "Quit?");
  EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_YESNO | MB_ICONEXCLAMATION));
  EXPECT_EQ(boxes[1].owner, nullptr);
  EXPECT_EQ(boxes[2].type, static_cast<UINT>(MB_ICONEXCLAMATION));
  ClearRecords();
  EXPECT_TRUE(RecordedBoxes().empty());
}

TEST_F(PlatformTest, ScriptedFileDialogsRecordTheirSettingsAndReturnThePath) {
  std::filesystem::path dir = TempDir();
  char name[260] = "last.bmp";
  OPENFILENAME ofn{};
  ofn.lStructSize = 76;
  ofn.lpstrFilter = "BMP Files (*.bmp)\0*.bmp\0";
  ofn.lpstrFile = name;
  ofn.nMaxFile = sizeof name;
  std::string initial = dir.string();
  ofn.lpstrInitialDir = initial.c_str();
  ofn.lpstrDefExt = "bmp";
  ofn.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
  ClearRecords();

  ScriptFileAnswer((dir / "pos").string());  // no extension: the default one is added
  ASSERT_TRUE(GetSaveFileName(&ofn));
  EXPECT_EQ(std::string(name), (dir / "pos.bmp").string());
  ASSERT_EQ(RecordedFileDialogs().size(), 1u);
  const FileDialogRecord &r = RecordedFileDialogs()[0];
  EXPECT_TRUE(r.save);
  EXPECT_EQ(r.filter, "BMP Files (*.bmp)|*.bmp");
  EXPECT_EQ(r.offered, "last.bmp");
  EXPECT_EQ(r.initialDir, dir.string());
  EXPECT_EQ(r.defExt, "bmp");
  EXPECT_EQ(r.flags, 0x80806u);

  ScriptFileAnswer("pos.txt");  // a bare name lands in the initial folder, extension kept
  ASSERT_TRUE(GetSaveFileName(&ofn));
  EXPECT_EQ(std::string(name), (dir / "pos.txt").string());

  ScriptFileAnswer("");  // cancelled
  EXPECT_FALSE(GetOpenFileName(&ofn));
  EXPECT_FALSE(RecordedFileDialogs().back().save);
  EXPECT_FALSE(GetOpenFileName(&ofn));  // nothing scripted: cancelled

  char tiny[8] = "";
  ofn.lpstrFile = tiny;
  ofn.nMaxFile = sizeof tiny;
  ScriptFileAnswer((dir / "long-name.bmp").string());
  EXPECT_FALSE(GetSaveFileName(&ofn));  // does not fit
  EXPECT_STREQ(tiny, "");
  std::filesystem::remove_all(dir);
}

TEST_F(PlatformTest, ScriptedSaveAsksBeforeReplacingAFile) {
  std::filesystem::path dir = TempDir();
  std::ofstream(dir / "x.bmp") << "old";
  char name[260] = "";
  OPENFILENAME ofn{};
  ofn.lpstrFilter = "BMP Files (*.bmp)\0*.bmp\0";
  ofn.lpstrFile = name;
  ofn.nMaxFile = sizeof name;
  ofn.lpstrDefExt = "bmp";
  ofn.Flags = OFN_OVERWRITEPROMPT;
  ClearRecords();
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
  std::filesystem::remove_all(dir);
}

TEST_F(PlatformTest, MouseInputReachesTheProcedureWithPackedCoordinates) {
  HWND h = Make();
  ShowWindow(h, SW_SHOWNORMAL);
  ClickAt(h, 30, 40);
  ASSERT_EQ(Count(WM_LBUTTONDOWN), 1);
  EXPECT_EQ(Last(WM_LBUTTONDOWN).hwnd, h);
  EXPECT_EQ(Last(WM_LBUTTONDOWN).lParam, MAKELPARAM(30, 40));
  EXPECT_EQ(LOWORD(static_cast<uintptr_t>(Last(WM_LBUTTONDOWN).lParam)), 30);
  EXPECT_EQ(HIWORD(static_cast<uintptr_t>(Last(WM_LBUTTONDOWN).lParam)), 40);
  HWND hidden = Make();  // never shown: input still arrives, as tests give it
  ClickAt(hidden, 5, 6);
  EXPECT_EQ(Last(WM_LBUTTONDOWN).hwnd, hidden);
  EXPECT_EQ(Last(WM_LBUTTONDOWN).lParam, MAKELPARAM(5, 6));
}

TEST_F(PlatformTest, TheCursorFollowsTheProcedureAndFallsBackToTheClassCursor) {
  std::filesystem::path dir = TempDir();
  WriteIco(dir / "c.ico", RGB(200, 0, 0));
  BoardCursor = static_cast<HCURSOR>(
      LoadImage(nullptr, (dir / "c.ico").c_str(), IMAGE_CURSOR, 36, 36, LR_LOADFROMFILE));
  ASSERT_NE(BoardCursor, nullptr);
  EXPECT_EQ(LoadImage(nullptr, (dir / "none.ico").c_str(), IMAGE_CURSOR, 36, 36,
                      LR_LOADFROMFILE),
            nullptr);
  HWND h = Make();
  MoveMouseTo(h, 60, 10);
  ASSERT_EQ(Count(WM_MOUSEMOVE), 1);
  EXPECT_EQ(Last(WM_MOUSEMOVE).lParam, MAKELPARAM(60, 10));
  EXPECT_EQ(CurrentCursor(), BoardCursor);
  MoveMouseTo(h, 10, 10);
  EXPECT_EQ(CurrentCursor(), LoadCursor(nullptr, IDC_ARROW));
  EXPECT_EQ(SetCursor(BoardCursor), LoadCursor(nullptr, IDC_ARROW));
  EXPECT_EQ(CurrentCursor(), BoardCursor);
  std::filesystem::remove_all(dir);
}

TEST_F(PlatformTest, ASavedPictureGoesOnTheDesktopClipboard) {
  std::filesystem::path dir = TempDir();
  WriteBmp(dir / "clip.bmp", 3, 2, {0, 0, 0, 0, 0, 0});
  EXPECT_TRUE(CopyPictureToClipboard((dir / "clip.bmp").c_str()));
  int w = 0, h = 0;
  ASSERT_TRUE(ClipboardPicture(&w, &h));
  EXPECT_EQ(w, 3);
  EXPECT_EQ(h, 2);
  EXPECT_FALSE(CopyPictureToClipboard((dir / "missing.bmp").c_str()));
  std::filesystem::remove_all(dir);
}

}  // namespace
