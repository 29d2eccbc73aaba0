// The custom size window: a small window beside the main one in which the user types the
// picture's printed width in inches.
#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "editor/editor.h"
#include "files/prefs.h"
#include "model/model.h"

namespace {
constexpr int SizeFieldId = 8001;
constexpr int OkButtonId = 8002;
constexpr int SizeTextRead = 10;  // bytes GetWindowText may fill: 9 characters and the zero

// One custom size window at a time: "&Custom" while it is open brings it forward, so the
// size field below is always the field of the window whose "Ok" was pressed.
HWND CustomWnd = nullptr;  // the open window, null when none
HWND SizeField = nullptr;  // its size field
char SizeText[32];         // the size text as shown and as read back

// A size with one decimal, as "%3.1f" writes it in the C locale. The window services set the
// user's locale, whose decimal comma would otherwise turn 4.0 into "4,0".
std::string OneDecimal(float size) {
  char text[64];
  auto [end, ec] = std::to_chars(text, text + sizeof text, static_cast<double>(size),
                                 std::chars_format::fixed, 1);
  if (ec != std::errc()) return "?";
  return std::string(text, end);
}

// The decimal number at the start of the text; 0.0 when there is none. Text that reads as
// infinity or not-a-number ("inf", "nan") counts as none; a number beyond a float's range counts
// as huge (or as zero when its exponent is negative), so that clamping gives what was meant.
float LeadingNumber(const char *text) {
  while (*text == ' ' || *text == '\t') text++;
  if (*text == '+') text++;
  const char *end = text + std::strlen(text);
  float value = 0.0f;
  auto [last, ec] = std::from_chars(text, end, value);
  if (ec == std::errc::result_out_of_range) {
    const char *e = std::find_if(text, last, [](char c) { return c == 'e' || c == 'E'; });
    if (e + 1 < last && e[1] == '-') return 0.0f;
    return *text == '-' ? -FLT_MAX : FLT_MAX;
  }
  if (ec != std::errc() || !std::isfinite(value)) return 0.0f;
  return value;
}

// "Ok": take the typed size, close the window, confirm and remember the size.
void TakeCustomSize(HWND hwnd) {
  SizeText[0] = '\0';
  GetWindowText(SizeField, SizeText, SizeTextRead);
  PicSiz = LeadingNumber(SizeText);
  if (PicSiz < 1.0f) PicSiz = 1.0f;
  if (PicSiz > 6.0f) PicSiz = 6.0f;
  // The size typed here is a custom size even if another size was chosen meanwhile: the box
  // below and the preferences must not claim a custom size that is not in effect.
  Dpi = 0;
  DestroyWindow(hwnd);
  std::string text = "CUSTOM Picture size " + OneDecimal(PicSiz) + " inches\n" +
                     "Size effective only on inserting bmp in Word\n" +
                     "Your preference will be remembered\n";
  MessageBox(nullptr, text.c_str(), "Picture Size", MB_OK | MB_ICONEXCLAMATION);
  std::string why;
  if (!WritePrefs(&why)) {
    std::string failed = "Cannot write " + PrefsPath() + ":\n" + why +
                         "\nThe size is set for this session only.";
    MessageBox(nullptr, failed.c_str(), "Picture Size", MB_OK | MB_ICONEXCLAMATION);
  }
}
}  // namespace

ATOM RegisterCustomSizeWin() {
  WNDCLASSEX wc{};
  wc.lpfnWndProc = CustomSizeProc;
  wc.hInstance = Inst;
  wc.hbrBackground = CreateSolidBrush(RGB(255, 255, 240));
  wc.lpszClassName = "CustomSizeClass";
  return RegisterClassEx(&wc);
}

HWND CustomSizeWindow() {
  if (CustomWnd && IsWindow(CustomWnd)) {
    ShowWindow(CustomWnd, SW_SHOWNORMAL);
    return CustomWnd;
  }
  return CreateWindowEx(0, "CustomSizeClass", "Custom Size", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                        200, 100, 340, 185, nullptr, nullptr, Inst, nullptr);
}

LRESULT CustomSizeProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE: {
      CustomWnd = hwnd;
      std::string size = OneDecimal(PicSiz);
      std::snprintf(SizeText, sizeof SizeText, "%s", size.c_str());
      SizeField = CreateWindowEx(0, "Edit", SizeText, WS_CHILD | WS_VISIBLE | WS_BORDER, 200, 10,
                                 60, 20, hwnd, reinterpret_cast<HMENU>(intptr_t{SizeFieldId}),
                                 Inst, nullptr);
      CreateWindowEx(0, "button", "Ok", WS_CHILD | WS_VISIBLE, 120, 105, 80, 25, hwnd,
                     reinterpret_cast<HMENU>(intptr_t{OkButtonId}), Inst, nullptr);
      break;
    }
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC hdc = BeginPaint(hwnd, &ps);
      SetBkMode(hdc, TRANSPARENT);
      const char *lines[] = {"Set Custom Size (inches):",
                             "Minimum is 1.0 and maximum is 6.0 inches",
                             "Size effective only on inserting bmp file in Word"};
      const int y[] = {10, 45, 70};
      for (int i = 0; i < 3; i++)
        TextOut(hdc, 10, y[i], lines[i], static_cast<int>(std::strlen(lines[i])));
      EndPaint(hwnd, &ps);
      break;
    }
    case WM_CLOSE:
      // Closing keeps PicSiz and writes nothing; Dpi stays custom as "&Custom" set it.
      DestroyWindow(hwnd);
      return 0;  // the window is gone: the default procedure must not see it again
    case WM_COMMAND:
      if (LOWORD(wParam) == OkButtonId && HIWORD(wParam) == BN_CLICKED) {
        TakeCustomSize(hwnd);
        return 0;  // destroyed, as above
      }
      break;
    case WM_DESTROY:
      if (hwnd == CustomWnd) {
        CustomWnd = nullptr;
        SizeField = nullptr;
      }
      break;
  }
  return DefWindowProc(hwnd, msg, wParam, lParam);
}
