#pragma once
// The editor window: main window, board view, mouse editing, side windows, file commands.
#include <functional>
#include <string>

#include "editor/state.h"
#include "platform/platform.h"

extern HINSTANCE Inst;        // the program's instance, stored by WinMain
extern HWND MainWnd;          // the main window, once created
extern HBITMAP Pics[16];      // board-view pictures by square code (15: arrow-start mark)
extern HBITMAP Mask[16];      // their masks: white where the square shows through
extern HCURSOR Curs[16];      // the cursor of each palette tool
extern std::string HFName;    // the help page to show: "readme.htm" or "about.htm"

// Main window.
int WinMain(HINSTANCE instance, HINSTANCE previous, const char *commandLine, int show);
LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Registers the main window's class and creates, shows and paints the window (WinMain's steps
// 3 to 5; tests use it without the message loop). Returns null when the window was not created.
HWND CreateMainWindow(int show);
// boardsmith --check-files: creates the window hidden and reports on standard output whether
// its images, cursors and help pages were found and where. 0 when all were, else 1.
int CheckFiles();
// The window's title: the program, its maker and its release date.
extern const char *const MainTitle;
// The main window's first outer size, the least it can be given.
constexpr int MainWidth = 535, MainHeight = 420;

// Palette: image stem and button position of each palette index (0 eraser .. 15 arrow tool).
extern const char *const PName[16];
extern const int ButX[16];
extern const int ButY[16];
// Creation: the sixteen buttons with their faces, the cursors, pictures and masks.
void CreatePalette(HWND hwnd);
// The buttons' faces: the men and markers of the editor's piece set, drawn by the composer at the
// screen's pixels (the face images of the data folder without it), the eraser and arrow tool's
// from the data folder.
void ShowPaletteFaces(HWND hwnd);
// Destruction: frees the button faces, pictures and masks.
void FreePaletteImages();

// Menus: the command ids, and the menu bar built from the command table.
enum : int {
  CmdOpenBRD = 1001, CmdSaveBMP = 1002, CmdClipboard = 1003, CmdSaveHTM = 1004, CmdExit = 1005,
  CmdColours = 2001, CmdKeepTheme = 2002,
  CmdThemeFirst = 2010, CmdThemeLast = 2017,  // the Colours menu's themes by name, 0 to 7
  CmdSmall = 3001, CmdMedium = 3002, CmdLarge = 3003, CmdCustom = 3004,
  CmdNever = 4001, CmdAlways = 4002, CmdAsk = 4003,
  CmdFlip = 5001, CmdEmpty = 5002, CmdStart = 5003, CmdTypical = 5004,
  CmdCheck = 6002,
  CmdHelp = 7002, CmdAbout = 7003,
  // Commands of the grown editor: files, side to move, the Edit menu.
  CmdOpenPGN = 1006, CmdSavePicture = 1007, CmdSavePage = 1008,
  CmdRecentFirst = 1100, CmdRecentLast = 1107,  // the File menu's recent files, newest first
  CmdWhiteToMove = 5005, CmdBlackToMove = 5006,
  CmdUndo = 8001, CmdRedo = 8002, CmdCopyFEN = 8003, CmdPasteFEN = 8004, CmdEnterFEN = 8005,
  CmdSaveLast = 1009,  // Ctrl+S: the picture command last used (SaveCommand)
  CmdPiecesFirst = 2100, CmdPiecesLast = 2139,  // the Pieces menu's sets, in its order
};
HMENU BuildMenuBar();
extern HMENU MainMenu;  // the bar BuildMenuBar made last
// The save command Ctrl+S repeats: the picture or page command last chosen (CmdSaveBMP first).
extern int SaveCommand;
// Check marks of the Picture Size and Show Coords menus after Dpi or ShowCoords changed; the
// pressed palette button after SelPiece changed.
void ShowSettingsChecks();
void ShowSelectedTool(HWND hwnd);
// The menus' Ctrl+S item follows SaveCommand.
void ShowSaveShortcut();
// The Pieces menu (the default set, classic, the installed chess fonts), its check mark on the
// editor's set, and choosing a set, which the board shows at once.
HMENU PieceSetMenu();
void ShowPieceSetCheck();
void PieceSetCommand(HWND hwnd, int id);

// Shortcuts: the accelerator table, the text a menu item shows for its command ("Ctrl+Z"), and
// one message through the accelerators to its window (the message loop's body).
extern HACCEL Shortcuts;
HACCEL CreateShortcutTable();
std::string ShortcutText(int id);
void HandleMessage(const MSG &msg);

// Undo and redo. Call RememberForUndo before ANY change of the editor's diagram: it keeps the
// diagram as it is now as one undo step (at most UndoDepth, a change that changes nothing leaves
// no step) and drops the redo steps. An open (opensFile) keeps the diagram's file and what it
// held too: undoing the open names that file again in the title.
constexpr int UndoDepth = 200;
void RememberForUndo(bool opensFile = false);
void UndoCommand(HWND hwnd);
void RedoCommand(HWND hwnd);
// A new main window: no steps, the present diagram counts as saved.
void StartUndo();
// The diagram as last opened or saved; the title marks any difference from it.
void MarkDiagramSaved();
bool DiagramModified();
// The changes made so far (RememberForUndo), undos and redos: the status line's message speaks of
// the diagram of its time.
unsigned long DiagramChanges();
// Posted by RememberForUndo: the change has been made, the title follows.
constexpr UINT WM_DIAGRAMCHANGED = WM_APP + 1;

// Unsaved work. SaveChangesFirst, before a command replaces the diagram: when it differs from its
// file, "Save changes to NAME?" with Save, Discard and Cancel; true when the command may go on
// (saved, discarded, or nothing to save). SaveDiagramFile writes the diagram to its position file
// (chosen in a dialog when it has none); false, after a box saying why, when it was not written.
bool SaveChangesFirst(HWND hwnd);
bool SaveDiagramFile(HWND hwnd);

// Files: the position file the diagram came from or went to (empty for a new diagram), the
// title naming it, opening a file named on the command line or in the recent files: a position
// file (after SaveChangesFirst) or games, shown in the game window.
extern std::string DiagramFile;
void UpdateTitle();
bool OpenFileByName(HWND hwnd, const std::string &path);
// The recent files of the File menu (RecentFiles of the editor's preferences), newest first:
// the position files and games the user opened.
void AddRecentFile(const std::string &path);
void ShowRecentFiles();
void OpenRecentFile(HWND hwnd, int id);
// The folder the file dialogs start in: where the last file was chosen.
extern std::string LastFolder;
// A path shown in a menu: a "&" of its own must not become a mnemonic.
std::string MenuLiteral(const std::string &text);
// True when text ends with end (given in lower case), its letters in either case.
bool EndsWith(const std::string &text, const std::string &end);
// The virtual-clipboard item's text, showing where the clipboard picture goes.
std::string ClipMenuText();

// Settings commands: picture size (3001..3003) and coordinates (4001..4003). A box saying why,
// when a setting the user chose could not be kept in the preferences.
void PictureSizeCommand(HWND hwnd, int id);
void ShowCoordsCommand(HWND hwnd, int id);
void ReportNotRemembered(HWND hwnd, const std::string &why);
// Colour themes: the next one, one by name (CmdThemeFirst..CmdThemeLast), keeping the one in
// force for the next start (or no longer); the menus' check marks after the theme changed.
void ChangeColours(HWND hwnd);
void ThemeCommand(HWND hwnd, int id);
void KeepThemeCommand(HWND hwnd);
void ShowThemeChecks();

// Mouse: the tool cursor over the board, a press on a square, a drag and the release.
// A press on a figure waits for the release: released on another square the figure moves
// there, off the board it is removed, on its own square the press is the classic click.
void MouseMove(int x, int y);
void LeftButtonDown(HWND hwnd, int x, int y);
void DragMove(int x, int y);
void LeftButtonUp(HWND hwnd, int x, int y);
// A palette button dragged (BN_DRAGGED): released on a square it places that figure.
void PaletteDrag(int index);

// Board view. At the first window size (scale 1) square (column c, row-from-top t) has its
// top-left pixel at (SquareLeft + SquareStep * c, SquareTop + SquareStep * t) and is 36 x 36; a
// grid line runs between neighbours. The view grows with the window, by any factor: every
// length is BoardScale times as long (rounded to whole pixels), measured from the white field's
// corner (BoardLeft, BoardTop), which is (198, 16) at the first size.
constexpr int SquareLeft = 220, SquareTop = 20, SquareStep = 37, SquareSide = 36;
constexpr int FieldWidth = 322, FieldHeight = 320;  // the white field at scale 1
extern double BoardScale;
extern int BoardLeft, BoardTop;
int SquareX(int column);
int SquareY(int rowFromTop);
// Scale and place of the board for a client area of width x height (WM_SIZE): the largest
// scale (at least 1) that fits right of the palette and above the status line, centred there;
// the status line moves under it. Loads the arrow tool's start mark for a new scale.
void FitBoard(int width, int height);
// The board view's screen images (Pics, Mask: the arrow tool's start mark, and the figures the
// palette shows) side pixels square: the 36-pixel images at 36, the 72-pixel ones above.
void LoadBoardImages(int side);
// One square drawn again (the composer draws the whole field).
void RepaintSquare(HDC hdc, int column, int rowFromTop);
void DrawBoard(HDC hdc);
// A screen image (the arrow tool's start mark) over its square's top-left pixel (x, y).
void DrawPiece(HDC hdc, int code, int x, int y);
// Writes one line into the status strip under the board, ended with "..." where it is too long
// for the strip. ClearStaleStatus clears it once the diagram has changed since it was written
// (a change that writes its own message writes it after RememberForUndo).
void Scribe(HDC hdc, const char *text);
void ClearStaleStatus();

// Arrow tool, on the pending arrow (EditorState::PendingArrow).
int ArrowValid(HDC hdc);
int EraseArrow(HDC hdc);

// The check's report in a message box (mode 0 check command, 1 picture save, 2 page save); after
// a virtual-clipboard save it says where the picture went.
int CheckLegal(int mode);

// The file dialog, save or open, over a filter list ("text\0pattern\0" pairs, then an empty
// text). It offers *path, moved to the folder last used (LastFolder) and starts there, else in
// the start folder; the chosen path goes to *path and its folder to LastFolder, the chosen filter
// (from 1) to *filterIndex when one is given. False when cancelled. With remember false it
// offers *path as it is, starts in the start folder and leaves LastFolder alone.
bool AskForFile(HWND owner, bool save, const char *filter, const char *defExt, uint32_t flags,
                std::string *path, uint32_t *filterIndex = nullptr, bool remember = true);
// The file name part of a path: what follows its last "/".
std::string FileName(const std::string &path);

// File commands: mode 0 save picture, 1 save web page, 2 open position file.
void FileIO(HWND hwnd, int mode);
void SaveBMP(HWND hwnd);
void SaveHTM();
// Opens BRDFile; false (after a box saying why) when it could not be read.
bool OpenBRDFile(HWND hwnd);

// Registers a side window's class: no style, icon, cursor or menu, a solid background.
ATOM RegisterPlainClass(const char *name, WNDPROC proc, COLORREF background);
// A visible control (class "button", "Edit", "listbox") of a side window, with its id.
HWND Control(HWND parent, const char *cls, const char *text, uint32_t style, int x, int y, int w,
             int h, int id);

// Custom size window.
ATOM RegisterCustomSizeWin();
HWND CustomSizeWindow();
LRESULT CustomSizeProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Help viewer: the page named in HFName, scrolled by the arrow, page, Home and End keys and the
// mouse wheel.
ATOM RegisterHelpWin();
HWND HelpWindow();
LRESULT HlpProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Changes of the diagram made by the FEN, game and side-to-move commands all go through
// ChangeDiagram: it remembers what was there, runs the change on the editor's diagram, and shows
// the board with the status line. PutBoard is the usual change: the board's men, side to move
// and castling, markers and arrows cleared (orientation, theme and settings stay); its status
// line says what was cleared. A move's squares (a1 = 0) given to PutBoard become its one arrow.
struct Board;
void ChangeDiagram(HWND hwnd, const std::function<void(Diagram &)> &change,
                   const std::string &status);
void PutBoard(HWND hwnd, const Board &board, const std::string &status, int arrowFrom = -1,
              int arrowTo = -1);
void SideToMoveCommand(HWND hwnd, int id);
void ShowSideToMove();  // the check mark on "White to move" or "Black to move"

// FEN commands. FindFEN reads the first FEN in a text (alone, or within a line as a web board,
// a PGN tag or an EPD record holds it); false with the reader's message or "no FEN in the text".
bool FindFEN(const std::string &text, Board *board, std::string *why);
void PasteFEN(HWND hwnd);
void CopyFEN(HWND hwnd);
HWND EnterFENWindow();

// "Open PGN...": a PGN file chosen in the dialog, its games shown in the game window, where
// choosing a move shows the position after it.
void OpenPGN(HWND hwnd);
// The game window for a PGN file: beside the main window the first time, then where the user
// left it (kept in the preferences). False, after a box saying why, when the file holds no game.
bool ShowGames(HWND hwnd, const std::string &path);
void CloseGameWindow();  // when the main window goes: its place is kept

// What every save shares (fileio.cpp): the coordinates decision of one save (the setting, or
// the user's answer when it is Ask), the box of a file that could not be written, and the
// bookkeeping of a save of the user's own (not the virtual clipboard's) or an open: the diagram
// is in its position file (DiagramInFile).
int DecideCoords(HWND owner);
void SaveFailed(const std::string &path, const std::string &why);
// Writes the position file (BRDFile) with the save's settings and the export's bytes (false,
// with the reason, when they cannot be made) to exportPath as a pair: both written in full before
// either replaces an old file, so a failure leaves the old pair (files/atomicwrite.h). A position
// file of another diagram that is there already is replaced only when the user says so (not
// asked for the virtual clipboard's). False when the user says no, or, after SaveFailed names
// the file that failed and why, when the pair cannot be written.
bool WriteBoth(const PictureSettings &settings,
               const std::function<bool(std::string *bytes, std::string *why)> &exportBytes,
               const std::string &exportPath);
void DiagramInFile();
// After a classic page was written: the program's gifs/ copied beside it when its folder has
// none (the status line says so), or a box saying why it could not be.
void CopyGifsBeside(const std::string &pagePath);
void SavedByUser();
// "Save Picture..." (PNG, PDF or SVG, print or colour, chosen in the dialog's type list) and
// "Save Web Page..." (one HTML5 file with the diagram inline), each with the position file
// beside it and the check's report after it.
void SavePictureCommand(HWND hwnd);
void SavePageCommand(HWND hwnd);
// The virtual-clipboard save's offer to the desktop clipboard: the picture (as an image, a
// bitmap and PNG, in the save's settings), the FEN as text and an HTML fragment with the
// picture, all at once.
void OfferDiagramToClipboard(const std::string &picturePath, const PictureSettings &settings);
