// The FEN entry window: a field for a FEN typed or pasted by hand. "Ok" (or Enter) takes it; a
// FEN the reader refuses leaves the diagram and the typed text as they are and says why, in a
// box and under the field.
#include <cstring>
#include <string>

#include "chess/board.h"
#include "chess/diagram.h"
#include "chess/fen.h"
#include "editor/editor.h"

namespace {
constexpr int FENFieldId = 8101;
constexpr int OkButtonId = 8102;
constexpr int CancelButtonId = 8103;
constexpr int TypedTextRead = 4096;  // bytes read back from the field, the zero included

HWND FENWnd = nullptr;    // the open window, null when none
HWND FENField = nullptr;  // its field
std::string Typed;        // the field's text, kept for the next window
std::string Refusal;      // why the last "Ok" was refused, shown under the field

void TakeTypedFEN(HWND hwnd) {
  char text[TypedTextRead];
  GetWindowText(FENField, text, TypedTextRead);
  Board board;
  std::string why;
  if (!FindFEN(text, &board, &why)) {
    Refusal = why;
    InvalidateRect(hwnd, nullptr, true);
    std::string message = "The position was not taken:\n" + why;
    MessageBox(hwnd, message.c_str(), "Enter FEN", MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  DestroyWindow(hwnd);
  if (MainWnd) PutBoard(MainWnd, board, "FEN entered");
}

LRESULT EnterFENProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE:
      FENWnd = hwnd;
      // The text typed last time, or else the diagram's own FEN to start from.
      if (Typed.empty()) Typed = WriteFEN(BoardFromDiagram(Editor().diagram));
      Refusal.clear();
      FENField = Control(hwnd, "Edit", Typed.c_str(), WS_BORDER, 10, 32, 532, 22, FENFieldId);
      Control(hwnd, "button", "Ok", 0, 370, 95, 80, 25, OkButtonId);
      Control(hwnd, "button", "Cancel", 0, 462, 95, 80, 25, CancelButtonId);
      break;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC hdc = BeginPaint(hwnd, &ps);
      SetBkMode(hdc, TRANSPARENT);
      const char *prompt = "Type or paste a position in FEN:";
      TextOut(hdc, 10, 8, prompt, static_cast<int>(std::strlen(prompt)));
      if (!Refusal.empty()) {
        SetTextColor(hdc, RGB(160, 0, 0));
        TextOut(hdc, 10, 62, Refusal.c_str(), static_cast<int>(Refusal.size()));
      }
      EndPaint(hwnd, &ps);
      break;
    }
    case WM_CLOSE:
      DestroyWindow(hwnd);
      return 0;
    case WM_KEYDOWN:  // Enter is "Ok", Escape "Cancel"
      if (wParam == VK_RETURN) TakeTypedFEN(hwnd);
      if (wParam == VK_ESCAPE) DestroyWindow(hwnd);
      return 0;
    case WM_COMMAND:
      if (HIWORD(wParam) != BN_CLICKED) break;
      if (LOWORD(wParam) == OkButtonId) {
        TakeTypedFEN(hwnd);
        return 0;
      }
      if (LOWORD(wParam) == CancelButtonId) {
        DestroyWindow(hwnd);
        return 0;
      }
      break;
    case WM_DESTROY:
      if (hwnd == FENWnd) {
        // What was typed stays for the next window, whichever way this one closes.
        char text[TypedTextRead];
        if (FENField) {
          GetWindowText(FENField, text, TypedTextRead);
          Typed = text;
        }
        FENWnd = nullptr;
        FENField = nullptr;
      }
      break;
  }
  return DefWindowProc(hwnd, msg, wParam, lParam);
}
}  // namespace

HWND EnterFENWindow() {
  if (FENWnd && IsWindow(FENWnd)) {
    ShowWindow(FENWnd, SW_SHOWNORMAL);
    return FENWnd;
  }
  RegisterPlainClass("EnterFENClass", EnterFENProc, RGB(255, 255, 240));
  return CreateWindowEx(0, "EnterFENClass", "Enter FEN",
                        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 150, 120, 560, 170,
                        nullptr, nullptr, Inst, nullptr);
}
