// The custom size window: a small window beside the main one in which the user types the
// picture's printed width in inches.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "editor/editor.h"
#include "files/numbers.h"
#include "files/prefs.h"

namespace {
constexpr int SizeFieldId = 8001;
constexpr int OkButtonId = 8002;
constexpr int CancelButtonId = 8003;
constexpr int SizeTextRead = 10;  // bytes GetWindowText may fill: 9 characters and the zero

// One custom size window at a time: "&Custom" while it is open brings it forward, so the
// size field below is always the field of the window whose "Ok" was pressed.
HWND CustomWnd = nullptr;  // the open window, null when none
HWND SizeField = nullptr;  // its size field
char SizeText[32];         // the size text as shown and as read back

// The typed text as a number of inches: a decimal number, with blanks round it and nothing
// else. A number begins with a digit or a point: the words "inf" and "nan", which the number
// reader also takes, are not numbers here. False when the text is not a number.
bool TypedSize(const char *text, double *inches) {
  const char *p = text;
  while (*p == ' ' || *p == '\t') p++;
  const char *start = p;
  if (*p == '+' || *p == '-') p++;
  if ((*p < '0' || *p > '9') && *p != '.') return false;
  if (!LeadingFloat(start, inches) || std::isnan(*inches)) return false;
  // The number's own characters, then only blanks.
  while ((*p >= '0' && *p <= '9') || *p == '.' || *p == 'e' || *p == 'E' ||
         ((*p == '+' || *p == '-') && (p[-1] == 'e' || p[-1] == 'E')))
    p++;
  while (*p == ' ' || *p == '\t') p++;
  return *p == '\0';
}

void Refuse(HWND hwnd, const std::string &text) {
  MessageBox(hwnd, text.c_str(), "Custom Size", MB_OK | MB_ICONEXCLAMATION);
}

// "Ok" (or Enter): take the typed size, close the window, confirm and remember the size. A
// text that is not a number, or a size outside 1.0 to 6.0 inches, is refused with a box and
// the window stays open.
void TakeCustomSize(HWND hwnd) {
  SizeText[0] = '\0';
  GetWindowText(SizeField, SizeText, SizeTextRead);
  double inches = 0.0;
  if (!TypedSize(SizeText, &inches)) {
    Refuse(hwnd, std::string("\"") + SizeText + "\" is not a number.\n" +
                     "Type the picture's width in inches, for example 2.5.");
    return;
  }
  if (!(inches >= 1.0 && inches <= 6.0)) {
    Refuse(hwnd, "The size must be between 1.0 and 6.0 inches.");
    return;
  }
  PictureSettings &settings = Editor().settings;
  settings.PicSiz = static_cast<float>(inches);
  // The size typed here is a custom size even if another size was chosen meanwhile: the box
  // below and the preferences must not claim a custom size that is not in effect.
  settings.Dpi = 0;
  ShowSettingsChecks();
  DestroyWindow(hwnd);
  std::string text = "CUSTOM Picture size " + FixedDecimals(settings.PicSiz, 1) + " inches\n" +
                     "Size effective only on inserting bmp in Word\n" +
                     "Your preference will be remembered\n";
  MessageBox(MainWnd, text.c_str(), "Picture Size", MB_OK | MB_ICONEXCLAMATION);
  std::string why;
  if (!SavePrefs(&why)) {
    std::string failed = "Cannot write " + PrefsPath(Editor().StartFolder) + ":\n" + why +
                         "\nThe size is set for this session only.";
    MessageBox(MainWnd, failed.c_str(), "Picture Size", MB_OK | MB_ICONEXCLAMATION);
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
      const std::string shown = FixedDecimals(Editor().settings.PicSiz, 1);
      std::snprintf(SizeText, sizeof SizeText, "%s", shown.c_str());
      SizeField = CreateWindowEx(0, "Edit", SizeText, WS_CHILD | WS_VISIBLE | WS_BORDER, 200, 10,
                                 60, 20, hwnd, reinterpret_cast<HMENU>(intptr_t{SizeFieldId}),
                                 Inst, nullptr);
      CreateWindowEx(0, "button", "Ok", WS_CHILD | WS_VISIBLE, 120, 105, 80, 25, hwnd,
                     reinterpret_cast<HMENU>(intptr_t{OkButtonId}), Inst, nullptr);
      CreateWindowEx(0, "button", "Cancel", WS_CHILD | WS_VISIBLE, 210, 105, 80, 25, hwnd,
                     reinterpret_cast<HMENU>(intptr_t{CancelButtonId}), Inst, nullptr);
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
      // Closing (the close box, Cancel, Escape) changes nothing and writes nothing.
      DestroyWindow(hwnd);
      return 0;  // the window is gone: the default procedure must not see it again
    case WM_KEYDOWN:
      if (wParam == VK_RETURN) TakeCustomSize(hwnd);
      if (wParam == VK_ESCAPE) DestroyWindow(hwnd);
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == OkButtonId && HIWORD(wParam) == BN_CLICKED) {
        TakeCustomSize(hwnd);
        return 0;  // destroyed, as above
      }
      if (LOWORD(wParam) == CancelButtonId && HIWORD(wParam) == BN_CLICKED) {
        DestroyWindow(hwnd);
        return 0;
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
