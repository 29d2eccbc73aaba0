#pragma once
// The window services the program needs, in the shape of the classic desktop API: window
// classes with a procedure, messages and a message loop, menus, button and edit controls,
// message boxes, drawing surfaces, images and cursors from files, file dialogs.
// Implemented on Qt 6 Widgets; this header includes no Qt header.
//
// Every window keeps its client area in a backing image: painting and drawing outside a paint
// request both draw into it, and the screen shows it. Message boxes and file dialogs go through
// one responder: a person, or in a test build the script of platform/testing/testing.h.
#include <cstdint>
#include <string>

struct Window;
struct Menu;
struct GdiBrush;
struct GdiPen;
struct GdiBitmap;
struct GdiCursor;
struct GdiFont;
struct Dc;

typedef Window *HWND;
typedef Menu *HMENU;
typedef Dc *HDC;  // a drawing surface the platform handed out
typedef GdiBrush *HBRUSH;
typedef GdiPen *HPEN;
typedef GdiBitmap *HBITMAP;
typedef GdiCursor *HCURSOR;
typedef GdiCursor *HICON;
typedef GdiFont *HFONT;
typedef void *HGDIOBJ;   // a brush, pen or bitmap
typedef void *HANDLE;    // what LoadImage returns: a bitmap or a cursor
typedef void *HINSTANCE;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;
typedef unsigned int UINT;
typedef uint32_t COLORREF;  // red + green * 256 + blue * 65536
typedef uint16_t ATOM;

typedef LRESULT (*WNDPROC)(HWND, UINT, WPARAM, LPARAM);

inline constexpr COLORREF RGB(int r, int g, int b) {
  return static_cast<COLORREF>((r & 0xFF) | (g & 0xFF) << 8 | (b & 0xFF) << 16);
}
inline constexpr int LOWORD(uintptr_t v) { return static_cast<int>(v & 0xFFFF); }
inline constexpr int HIWORD(uintptr_t v) { return static_cast<int>((v >> 16) & 0xFFFF); }
inline constexpr LPARAM MAKELPARAM(int lo, int hi) {
  return static_cast<LPARAM>((static_cast<uint32_t>(lo) & 0xFFFF) |
                             (static_cast<uint32_t>(hi) & 0xFFFF) << 16);
}
inline constexpr WPARAM MAKEWPARAM(int lo, int hi) {
  return static_cast<WPARAM>((static_cast<uint32_t>(lo) & 0xFFFF) |
                             (static_cast<uint32_t>(hi) & 0xFFFF) << 16);
}

struct RECT {
  int left, top, right, bottom;  // right and bottom excluded
};
struct POINT {
  int x, y;
};
struct MSG {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};
struct PAINTSTRUCT {
  HDC hdc;
  RECT rcPaint;
};
struct BITMAP {
  int bmWidth, bmHeight;
};
struct MINMAXINFO {
  POINT ptReserved, ptMaxSize, ptMaxPosition;
  POINT ptMinTrackSize;  // the smallest outer size the user may give the window
  POINT ptMaxTrackSize;
};

// Messages.
enum : UINT {
  WM_CREATE = 0x0001,      // sent by CreateWindowEx before it returns
  WM_DESTROY = 0x0002,     // sent by DestroyWindow
  WM_PAINT = 0x000F,       // sent by UpdateWindow when part of the window is invalid
  WM_CLOSE = 0x0010,       // the close box, the system menu's close, or posted
  WM_QUIT = 0x0012,        // posted by PostQuitMessage; GetMessage returns 0 for it
  WM_SETTEXT = 0x000C,     // lParam: const char *
  WM_COMMAND = 0x0111,     // wParam: id in the low 16 bits, notification code in the high 16
  WM_SIZE = 0x0005,        // the client area's new size: width in the low 16 bits of lParam
  WM_GETMINMAXINFO = 0x0024, // lParam: MINMAXINFO *, sent while a top-level window is created
  WM_KEYDOWN = 0x0100,     // wParam: the virtual key; lParam: the modifier keys held (FSHIFT ...)
  WM_MOUSEMOVE = 0x0200,   // lParam: x in the low 16 bits, y in the high 16 (client coordinates);
                           // wParam: MK_LBUTTON while the left button is held
  WM_LBUTTONDOWN = 0x0201, // lParam as for WM_MOUSEMOVE
  WM_LBUTTONUP = 0x0202,   // lParam as for WM_MOUSEMOVE
  WM_MOUSEWHEEL = 0x020A,  // wParam: the turn in its high 16 bits (signed, WHEEL_DELTA a notch,
                           // positive away from the user); lParam as for WM_MOUSEMOVE
  BM_GETCHECK = 0x00F0,    // returns BST_CHECKED or BST_UNCHECKED
  BM_SETCHECK = 0x00F1,    // wParam BST_CHECKED shows the button pressed in
  BM_SETIMAGE = 0x00F7,
  WM_APP = 0x8000,         // the first of the messages a program defines for itself    // wParam IMAGE_BITMAP, lParam the HBITMAP; returns the old one
};
enum : int {
  BN_CLICKED = 0,
  // Ours: the left button was pressed on a button and the pointer moved away with it held. Until
  // the button is released, moves and the release reach the parent as WM_MOUSEMOVE and
  // WM_LBUTTONUP in the parent's client coordinates; no BN_CLICKED follows.
  BN_DRAGGED = 0x100,
};
enum : WPARAM { MK_LBUTTON = 0x0001, BST_UNCHECKED = 0, BST_CHECKED = 1 };
constexpr int WHEEL_DELTA = 120;
inline constexpr int GET_WHEEL_DELTA_WPARAM(WPARAM w) { return static_cast<int16_t>(HIWORD(w)); }

// Window styles.
enum : uint32_t {
  WS_OVERLAPPED = 0x00000000,
  WS_CAPTION = 0x00C00000,
  WS_SYSMENU = 0x00080000,
  WS_THICKFRAME = 0x00040000,
  WS_MINIMIZEBOX = 0x00020000,
  WS_MAXIMIZEBOX = 0x00010000,
  WS_OVERLAPPEDWINDOW = 0x00CF0000,
  WS_CLIPCHILDREN = 0x02000000,
  WS_VISIBLE = 0x10000000,
  WS_CHILD = 0x40000000,
  WS_BORDER = 0x00800000,
  BS_AUTOCHECKBOX = 0x00000003,  // a "button" that is a check box, ticked and cleared by a click
  BS_BITMAP = 0x00000080,
  LBS_NOTIFY = 0x00000001,       // a "listbox" that tells its parent when the user chooses a row
};
enum : int { SW_HIDE = 0, SW_SHOWNORMAL = 1, SW_SHOW = 5 };

// Window classes. The background brush fills the client area on creation and on an erasing
// invalidation.
struct WNDCLASSEX {
  UINT style;
  WNDPROC lpfnWndProc;
  HINSTANCE hInstance;
  HICON hIcon;
  HCURSOR hCursor;
  HBRUSH hbrBackground;
  const char *lpszMenuName;
  const char *lpszClassName;
  HICON hIconSm;
};
// Registers a class by name; returns 0 when a class of that name exists or the record is empty.
ATOM RegisterClassEx(const WNDCLASSEX *wc);
// A top-level window (parent null) or a child control (parent given; menu is then the control
// identifier, as (HMENU)(intptr_t)id). Class names "button", "Edit" and "listbox" (any case) are
// the platform's controls; any other name must be registered. x, y, w, h: the outer frame of a
// top-level window (its client area is (w - 8) x (h - 38) pixels, with a menu bar placed above
// it taking nothing from it); the control's rectangle in the parent's client area for a child.
// WM_CREATE reaches the procedure before this returns. Returns null when the class is unknown.
HWND CreateWindowEx(uint32_t exStyle, const char *className, const char *title, uint32_t style,
                    int x, int y, int w, int h, HWND parent, HMENU menu, HINSTANCE instance,
                    void *param);
LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Sends WM_DESTROY, destroys the children, then the window. The handle is dead afterwards.
bool DestroyWindow(HWND hwnd);
bool IsWindow(HWND hwnd);
bool ShowWindow(HWND hwnd, int show);
// Sends WM_PAINT at once when part of the window is invalid.
bool UpdateWindow(HWND hwnd);
// Marks the client area (or rect) invalid; with erase the backing image is filled with the class
// background first. The next UpdateWindow, or the message loop, sends WM_PAINT.
bool InvalidateRect(HWND hwnd, const RECT *rect, bool erase);
bool SetWindowText(HWND hwnd, const char *text);
// Copies at most max - 1 characters and a terminating zero; returns the number copied.
int GetWindowText(HWND hwnd, char *buffer, int max);
HWND GetDlgItem(HWND parent, int id);
// The client area: left and top 0, right and bottom its width and height.
bool GetClientRect(HWND hwnd, RECT *rect);
// Moves and sizes a top-level window (outer frame, as for CreateWindowEx); a new client size
// reaches the procedure as WM_SIZE. False for a control.
bool MoveWindow(HWND hwnd, int x, int y, int w, int h, bool repaint);
HWND GetParent(HWND hwnd);
// A top-level window's outer frame on the screen, as given to CreateWindowEx and MoveWindow.
bool GetWindowRect(HWND hwnd, RECT *rect);
// The part of the screen windows may take (without panels and docks).
RECT ScreenWorkArea();

// The message loop. GetMessage waits for the next message of any window of the thread: posted
// messages first, then input, then WM_PAINT of invalid windows. Returns 0 for WM_QUIT.
int GetMessage(MSG *msg, HWND hwnd, UINT first, UINT last);
bool TranslateMessage(const MSG *msg);
LRESULT DispatchMessage(const MSG *msg);
bool PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);
// Calls the window's procedure at once (BM_SETIMAGE and WM_SETTEXT for the controls).
LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Takes the next message as GetMessage would, without waiting; false when there is none.
enum : UINT { PM_REMOVE = 0x0001 };
bool PeekMessage(MSG *msg, HWND hwnd, UINT first, UINT last, UINT remove);

// Keyboard. A key pressed in a top-level window (or in a control of it that does not take the
// key itself) is posted to that window as WM_KEYDOWN. Virtual keys: 'A'..'Z' and '0'..'9' as
// their letters, and these.
enum : int {
  VK_RETURN = 0x0D, VK_ESCAPE = 0x1B, VK_SPACE = 0x20, VK_PRIOR = 0x21, VK_NEXT = 0x22,
  VK_END = 0x23, VK_HOME = 0x24, VK_LEFT = 0x25, VK_UP = 0x26, VK_RIGHT = 0x27, VK_DOWN = 0x28,
  VK_F1 = 0x70,
};
// Accelerator tables: key with modifiers -> command. TranslateAccelerator turns a WM_KEYDOWN
// for hwnd whose key and modifiers match an entry exactly into WM_COMMAND (id, code 1) sent to
// hwnd, and returns true; the message is then not to be dispatched.
enum : uint8_t { FVIRTKEY = 0x01, FSHIFT = 0x04, FCONTROL = 0x08, FALT = 0x10 };
struct ACCEL {
  uint8_t fVirt;  // FVIRTKEY with the modifiers
  uint16_t key;   // the virtual key
  uint16_t cmd;   // the command id
};
struct AcceleratorTable;
typedef AcceleratorTable *HACCEL;
HACCEL CreateAcceleratorTable(const ACCEL *entries, int count);
bool TranslateAccelerator(HWND hwnd, HACCEL table, const MSG *msg);

// Menus built in code. "&" marks the mnemonic. A chosen item sends WM_COMMAND with its id and
// notification code 0 to the window the bar is attached to.
enum : UINT {
  MF_STRING = 0x0000, MF_BYCOMMAND = 0x0000, MF_UNCHECKED = 0x0000, MF_CHECKED = 0x0008,
  MF_POPUP = 0x0010,
};
HMENU CreateMenu();
HMENU CreatePopupMenu();
// With MF_POPUP, item is the HMENU of the pop-up menu; otherwise the command id.
bool AppendMenu(HMENU menu, UINT flags, uintptr_t item, const char *text);
bool SetMenu(HWND hwnd, HMENU menu);
// By command (MF_BYCOMMAND), searching the pop-up menus too. CheckMenuItem returns the old state
// (MF_CHECKED or MF_UNCHECKED), or -1 when there is no such item.
int CheckMenuItem(HMENU menu, UINT id, UINT flags);
// Inserts an item before the item with command id `before`.
bool InsertMenu(HMENU menu, UINT before, UINT flags, uintptr_t item, const char *text);
bool DeleteMenu(HMENU menu, UINT id, UINT flags);
// Gives the item with command id a new id and text.
bool ModifyMenu(HMENU menu, UINT id, UINT flags, uintptr_t newId, const char *text);

// List boxes ("listbox" controls): a column of text rows, one of them chosen. Rows count from 0.
// A row chosen by the user (click or arrow keys) sends WM_COMMAND (id, LBN_SELCHANGE) to the
// parent when the list has LBS_NOTIFY; a row chosen with LB_SETCURSEL sends nothing.
enum : UINT {
  LB_ADDSTRING = 0x0180,    // lParam: const char *; returns the new row's index
  LB_RESETCONTENT = 0x0184, // removes every row
  LB_SETCURSEL = 0x0186,    // wParam: the row to choose (and show), or -1 for none
  LB_GETCURSEL = 0x0188,    // returns the chosen row, or LB_ERR
};
enum : int { LB_ERR = -1, LBN_SELCHANGE = 1 };

// Message boxes: modal, through the responder.
enum : UINT {
  MB_OK = 0x0000,
  MB_YESNO = 0x0004,
  // Ours: "Save", "Discard" and "Cancel", answered IDYES, IDNO and IDCANCEL (Escape cancels).
  MB_SAVEDISCARDCANCEL = 0x0007,
  MB_ICONQUESTION = 0x0020,
  MB_ICONEXCLAMATION = 0x0030,
};
enum : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };
int MessageBox(HWND owner, const char *text, const char *caption, UINT type);

// Drawing surfaces of a client area, held for one operation or one paint request.
HDC GetDC(HWND hwnd);
int ReleaseDC(HWND hwnd, HDC hdc);
HDC BeginPaint(HWND hwnd, PAINTSTRUCT *ps);
bool EndPaint(HWND hwnd, const PAINTSTRUCT *ps);

// Shapes and text.
enum : int { PS_SOLID = 0 };
enum : int { TRANSPARENT = 1, OPAQUE = 2 };
// DT_END_ELLIPSIS (with DT_SINGLELINE): a text wider than the rectangle ends in "..." inside it.
enum : UINT {
  DT_LEFT = 0x0, DT_TOP = 0x0, DT_SINGLELINE = 0x20, DT_NOCLIP = 0x100, DT_END_ELLIPSIS = 0x8000
};
HBRUSH CreateSolidBrush(COLORREF colour);
int FillRect(HDC hdc, const RECT *rect, HBRUSH brush);
HPEN CreatePen(int style, int width, COLORREF colour);
// The system font's face at another height in pixels; SelectObject makes it the surface's font.
HFONT CreateFontOfHeight(int pixels);
// Selects a pen, a font or a bitmap (into a memory surface); returns the one selected before
// (for a font, null when the system font was in use).
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object);
bool DeleteObject(HGDIOBJ object);
bool MoveToEx(HDC hdc, int x, int y, POINT *old);
// Draws from the current position to (x, y), without the end point; (x, y) becomes current.
bool LineTo(HDC hdc, int x, int y);
bool TextOut(HDC hdc, int x, int y, const char *text, int length);
// Text in a rectangle; length -1 for a zero-terminated text. Returns the text's height.
int DrawText(HDC hdc, const char *text, int length, RECT *rect, UINT format);
COLORREF SetTextColor(HDC hdc, COLORREF colour);
int SetBkMode(HDC hdc, int mode);
COLORREF GetPixel(HDC hdc, int x, int y);

// Images.
enum : UINT { IMAGE_BITMAP = 0, IMAGE_ICON = 1, IMAGE_CURSOR = 2 };
enum : UINT { LR_LOADFROMFILE = 0x0010 };
enum : uint32_t { SRCCOPY = 0x00CC0020, SRCPAINT = 0x00EE0086, SRCAND = 0x008800C6 };
// A bitmap or cursor read from a file (with LR_LOADFROMFILE), scaled to cx x cy. Null when the
// file is missing or unreadable.
HANDLE LoadImage(HINSTANCE instance, const char *name, UINT type, int cx, int cy, UINT flags);
HDC CreateCompatibleDC(HDC hdc);
bool DeleteDC(HDC hdc);
// For a bitmap: fills a BITMAP with its width and height; returns the bytes written.
int GetObject(HGDIOBJ object, int size, void *out);
// Copies w x h pixels from (sx, sy) of src to (x, y) of dst: SRCCOPY, SRCAND (dst AND src) or
// SRCPAINT (dst OR src).
bool BitBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, uint32_t rop);
// Draws a picture of pw x ph premultiplied 32-bit pixels (0xAARRGGBB), its top row first, into
// the rectangle (x, y, w, h) of a window's surface. When the picture has more pixels than the
// rectangle (a screen with a device pixel ratio above 1) the window shows them as they are,
// sharp, until something else is drawn over that rectangle; the backing image gets the picture
// at its own size.
bool DrawPicture(HDC hdc, int x, int y, int w, int h, const uint32_t *pixels, int pw, int ph);
// A bitmap of pw x ph opaque 32-bit pixels (0xFFRRGGBB), shown as a button's face at ratio screen
// pixels a unit (sharp on a high-density screen). Null for a picture of no pixels.
HBITMAP CreatePictureBitmap(const uint32_t *pixels, int pw, int ph, double ratio);
// Screen pixels per unit of the window's client area (1, or 2 with QT_SCALE_FACTOR=2).
double PixelRatio(HWND hwnd);

// Cursors and icons.
enum : int { IDC_ARROW = 32512, IDI_APPLICATION = 32512 };
HCURSOR LoadCursor(HINSTANCE instance, int id);
HICON LoadIcon(HINSTANCE instance, int id);
// Shows the cursor over the window under the pointer; returns the previous one.
HCURSOR SetCursor(HCURSOR cursor);

// The millisecond tick count since the system started.
uint32_t GetTickCount();

// File dialogs. The filter holds pairs of zero-terminated texts ending in an empty one.
enum : uint32_t {
  OFN_HIDEREADONLY = 0x4,
  OFN_OVERWRITEPROMPT = 0x2,
  OFN_PATHMUSTEXIST = 0x800,
  OFN_FILEMUSTEXIST = 0x1000,
  OFN_EXPLORER = 0x80000,
};
struct OPENFILENAME {
  uint32_t lStructSize;
  HWND hwndOwner;
  const char *lpstrFilter;
  char *lpstrFile;    // holds the name to offer; receives the chosen path
  uint32_t nMaxFile;  // capacity of lpstrFile, terminating zero included
  const char *lpstrInitialDir;
  const char *lpstrDefExt;
  uint32_t Flags;
  uint32_t nFilterIndex;  // the filter pair shown first, from 1 (0: the first); receives the chosen one
};
// Both return false when cancelled (or when the path does not fit nMaxFile).
bool GetSaveFileName(OPENFILENAME *ofn);
bool GetOpenFileName(OPENFILENAME *ofn);

// Puts what is given on the desktop clipboard at once, each for the programs that take it: the
// picture of an image file (as an image, and its bytes as image/bmp), PNG bytes (image/png), a
// text and an HTML fragment. Empty parts are left out. False when nothing could be offered.
struct ClipboardOffer {
  std::string picturePath, png, text, html;
};
bool OfferToClipboard(const ClipboardOffer &offer);
// The desktop clipboard's text (at most maxBytes of it); empty when it holds none.
std::string ClipboardText(size_t maxBytes);
bool CopyTextToClipboard(const std::string &text);

// Start-up of the window services (creates the application object); call once before anything
// above. argc and argv may be the program's.
// Every pixel of a client area is a pixel of the screen (no scaling by the window services), so
// a high-density screen shows the board sharp; programs scale their own drawing instead.
void PlatformStart(int argc, char **argv);
// The screen's density as a whole factor: 1 for about 96 dots per inch, 2 for about 192.
int ScreenScale();
