// The custom size window: a small window beside the main one in which the user types the
// picture's printed width in inches.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "editor/editor.h"
#include "files/numbers.h"
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

// The decimal number at the start of the typed text; 0.0 when there is none. A number begins
// with a digit or a point: the words "inf" and "nan", which the number reader also takes, count
// as none. A number too large to hold reads as infinity and is clamped like any other.
double TypedSize(const char *text) {
  const char *p = text;
  while (*p == ' ' || *p == '\t') p++;
  if (*p == '+' || *p == '-') p++;
  if ((*p < '0' || *p > '9') && *p != '.') return 0.0;
  double inches = 0.0;
  if (!LeadingFloat(text, &inches) || std::isnan(inches)) return 0.0;
  return inches;
}

// "Ok": take the typed size, close the window, confirm and remember the size.
void TakeCustomSize(HWND hwnd) {
  SizeText[0] = '\0';
  GetWindowText(SizeField, SizeText, SizeTextRead);
  double inches = TypedSize(SizeText);
  if (inches < 1.0) inches = 1.0;
  if (inches > 6.0) inches = 6.0;
  PicSiz = static_cast<float>(inches);
  // The size typed here is a custom size even if another size was chosen meanwhile: the box
  // below and the preferences must not claim a custom size that is not in effect.
  Dpi = 0;
  DestroyWindow(hwnd);
  std::string text = "CUSTOM Picture size " + FixedDecimals(PicSiz, 1) + " inches\n" +
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
  return RegisterPlainClass("CustomSizeClass", CustomSizeProc, RGB(255, 255, 240));
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
      // "%3.1f", written the same whatever the desktop's locale (no decimal comma).
      std::snprintf(SizeText, sizeof SizeText, "%s", FixedDecimals(PicSiz, 1).c_str());
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
