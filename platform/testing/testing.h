#pragma once
// Hooks for tests: a scripted responder for message boxes and file dialogs, a look at what the
// windows show, and input as a user would give it. Built only for the tests (bsplatform_testing):
// the shipped program has none of it.
#include <string>
#include <vector>

#include "platform/platform.h"

// From now on message boxes and file dialogs answer from the script instead of asking a person.
void UseScriptedResponder();

struct BoxRecord {
  HWND owner;
  std::string text, caption;
  UINT type;  // buttons and icon, as given to MessageBox
};
struct FileDialogRecord {
  bool save;  // GetSaveFileName (true) or GetOpenFileName
  HWND owner;
  std::string filter;  // the filter pairs joined with '|'
  std::string offered; // the name field's text when the dialog opened
  std::string initialDir, defExt;
  uint32_t flags;
  uint32_t filterIndex;  // the filter pair offered first (0: the first)
};

// Answers given in order; when none is left a box answers IDOK (OK box), IDNO (Yes/No box) or
// IDCANCEL (Save/Discard/Cancel box).
void ScriptBoxAnswer(int answer);
// The path the next file dialog returns; an empty path cancels it. When none is left, cancel.
// For a save dialog with OFN_OVERWRITEPROMPT on an existing file, the overwrite question is a
// message box of its own and takes the next box answer; a default extension is added as the
// real dialog does when the typed name has no extension.
// filterIndex: the filter pair the person chose (from 1; 0 leaves the one offered).
void ScriptFileAnswer(const std::string &path, uint32_t filterIndex = 0);
const std::vector<BoxRecord> &RecordedBoxes();
const std::vector<FileDialogRecord> &RecordedFileDialogs();
void ClearRecords();
// Forgets the answers not yet given and the records (ResetPlatform does it too).
void ResetScript();

// The pixel of the window's backing image at client coordinates (x, y).
COLORREF WindowPixel(HWND hwnd, int x, int y);
int ClientWidth(HWND hwnd);
int ClientHeight(HWND hwnd);
// Writes the window's client area (the backing image) as a PNG file.
bool SaveWindowImage(HWND hwnd, const std::string &path);
// Writes the whole window as it shows on screen (menu bar, client area and controls) as PNG.
bool SaveWindowShot(HWND hwnd, const std::string &path);
// The button's bitmap face as set by BM_SETIMAGE (null when none).
HBITMAP ButtonImage(HWND button);
// The size of the picture on the desktop clipboard; false when it holds none.
bool ClipboardPicture(int *width, int *height);
// The formats the desktop clipboard offers (MIME types), and the bytes of one of them.
std::vector<std::string> ClipboardFormats();
std::string ClipboardData(const std::string &format);
// The cursor last shown by SetCursor. A mouse move over a window first shows its class cursor
// (when the class has one), as the platform's default handling does.
HCURSOR CurrentCursor();

// Dispatches posted messages and pending paints without waiting; returns when none is left.
// A quit message stays for GetMessage.
void PumpMessages();
// Input as from a person: through Qt's event delivery, so it reaches the procedure as the real
// message would (mouse at client coordinates; a menu item by its id; a control click). Each
// then pumps the messages, so the procedure has handled the input when the call returns.
void ClickAt(HWND hwnd, int x, int y);
void MoveMouseTo(HWND hwnd, int x, int y);
bool ChooseMenuItem(HWND hwnd, int id);
void ClickButton(HWND button);
void CloseBox(HWND hwnd);  // the close box of the title bar
// A press at (x0, y0), a move to (x1, y1) with the button held, the release there.
void DragMouse(HWND hwnd, int x0, int y0, int x1, int y1);
// A press on a button, a drag out of it and the release at (x, y) of the parent's client area.
void DragButtonTo(HWND button, int x, int y);
// A key pressed in the window (modifiers FSHIFT, FCONTROL, FALT). Only delivered: the messages
// are left for the program's own loop, so that its accelerators see them.
void PressKey(HWND hwnd, int vk, int modifiers);
// The mouse wheel turned over (x, y) of the client area: notches away from the user (negative:
// towards). The messages are pumped.
void TurnWheel(HWND hwnd, int x, int y, int notches);
// The menu item's check mark.
bool MenuItemChecked(HWND hwnd, int id);
void ChooseListRow(HWND list, int row);  // the user chooses a list box's row
// A list box's rows.
std::vector<std::string> ListBoxRows(HWND list);

// The menu bar as text: one entry per item, "Menu|Item|id" (pop-up titles as "Menu||0").
std::vector<std::string> MenuBarTexts(HWND hwnd);
// Top-level windows that are alive, optionally only those of one class.
std::vector<HWND> TopLevelWindows(const char *className = nullptr);
std::string WindowText(HWND hwnd);
std::string ClassName(HWND hwnd);
// Destroys every window left and forgets registered classes, the queue and the script.
void ResetPlatform();
