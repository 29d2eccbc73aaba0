// The main window's procedure: creation, painting, closing, destruction, commands and mouse.
#include <cstdint>

#include "editor/editor.h"
#include "files/paths.h"
#include "model/model.h"

namespace {
typedef void (*Preset)(Diagram &);

// A position command: the preset sets up the diagram, its status message is written, then the
// board is redrawn.
void RunPreset(HWND hwnd, Preset preset, const char *status) {
  RememberForUndo();
  Editor().ArrowStarted = false;  // the pending arrow's start belonged to the old position
  preset(Editor().diagram);
  HDC hdc = GetDC(hwnd);
  Scribe(hdc, status);
  DrawBoard(hdc);
  ReleaseDC(hwnd, hdc);
}

void SelectTool(HWND hwnd, int index) {
  if (index < 0 || index > 15) return;  // only the palette's sixteen buttons choose a tool
  const bool fromArrows = Editor().SelPiece == 15;
  Editor().SelPiece = index;
  ShowSelectedTool(hwnd);
  if (index != 15) {
    if (fromArrows) {  // the arrow tool's prompt no longer holds
      HDC hdc = GetDC(hwnd);
      Scribe(hdc, "");
      ReleaseDC(hwnd, hdc);
    }
    return;
  }
  Editor().ArrowStarted = false;
  HDC hdc = GetDC(hwnd);
  Scribe(hdc, "Arrow selected. Click on a square to start.");
  ReleaseDC(hwnd, hdc);
}

// The picture or page command Ctrl+S repeats from now on.
void RememberSave(int id) {
  if (SaveCommand == id) return;
  SaveCommand = id;
  ShowSaveShortcut();
}

void Command(HWND hwnd, int id, int code) {
  EditorState &e = Editor();
  if (id == CmdSaveBMP || id == CmdSaveHTM || id == CmdSavePicture || id == CmdSavePage)
    RememberSave(id);
  if (id >= CmdRecentFirst && id <= CmdRecentLast) {
    OpenRecentFile(hwnd, id);
    return;
  }
  if (id >= CmdThemeFirst && id <= CmdThemeLast) {
    ThemeCommand(hwnd, id);
    return;
  }
  if (id >= CmdPiecesFirst && id <= CmdPiecesLast) {
    PieceSetCommand(hwnd, id);
    return;
  }
  switch (id) {
    case CmdOpenBRD:
      if (SaveChangesFirst(hwnd)) FileIO(hwnd, 2);
      break;
    case CmdOpenPGN: OpenPGN(hwnd); break;
    case CmdSaveLast: Command(hwnd, SaveCommand, 0); break;
    case CmdSaveBMP: e.VClip = false; FileIO(hwnd, 0); break;
    case CmdClipboard:
      e.VClip = true;
      e.BMPFile = ClipBMPPath();
      SaveBMP(hwnd);
      break;
    case CmdSavePicture: e.VClip = false; SavePictureCommand(hwnd); break;
    case CmdSavePage: e.VClip = false; SavePageCommand(hwnd); break;
    case CmdSaveHTM: e.VClip = false; FileIO(hwnd, 1); break;
    case CmdUndo: UndoCommand(hwnd); break;
    case CmdRedo: RedoCommand(hwnd); break;
    case CmdExit: PostMessage(hwnd, WM_CLOSE, 0, 0); break;
    case CmdColours: ChangeColours(hwnd); break;
    case CmdKeepTheme: KeepThemeCommand(hwnd); break;
    case CmdSmall: case CmdMedium: case CmdLarge: PictureSizeCommand(hwnd, id); break;
    case CmdCustom: CustomSizeWindow(); break;  // custom once its "Ok" takes a size
    case CmdNever: case CmdAlways: case CmdAsk: ShowCoordsCommand(hwnd, id); break;
    case CmdFlip: RunPreset(hwnd, FlipPosition, FlipPositionText); break;
    case CmdEmpty: RunPreset(hwnd, EmptyPosition, EmptyPositionText); break;
    case CmdStart: RunPreset(hwnd, StartPosition, StartPositionText); break;
    case CmdTypical: RunPreset(hwnd, TypicalPosition, TypicalPositionText); break;
    case CmdWhiteToMove: case CmdBlackToMove: SideToMoveCommand(hwnd, id); break;
    case CmdCopyFEN: CopyFEN(hwnd); break;
    case CmdPasteFEN: PasteFEN(hwnd); break;
    case CmdEnterFEN: EnterFENWindow(); break;
    case CmdCheck: CheckLegal(0); break;
    case CmdAbout: HFName = "about.htm"; HelpWindow(); break;
    case CmdHelp: HFName = "readme.htm"; HelpWindow(); break;
    default:
      if (code == BN_CLICKED) SelectTool(hwnd, id);  // a palette button
      if (code == BN_DRAGGED) PaletteDrag(id);
      break;
  }
}

// The outer size kept with the preferences when it changed; nothing to confirm on the way out.
void RememberWindowSize(HWND hwnd) {
  RECT client;
  if (hwnd != MainWnd || !GetClientRect(hwnd, &client)) return;
  int width = client.right + 8, height = client.bottom + 38;
  Prefs &prefs = Editor().prefs;
  if (width == prefs.WindowWidth && height == prefs.WindowHeight) return;
  prefs.WindowWidth = width, prefs.WindowHeight = height;
  SavePrefs();
}

// Mouse positions come as signed 16-bit client coordinates.
int LowSigned(LPARAM v) { return static_cast<int16_t>(v & 0xFFFF); }
int HighSigned(LPARAM v) { return static_cast<int16_t>((v >> 16) & 0xFFFF); }
}  // namespace

LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE:
      MainWnd = hwnd;
      SetMenu(hwnd, BuildMenuBar());
      ShowSideToMove();
      ShowSettingsChecks();
      ShowThemeChecks();
      ShowPieceSetCheck();
      ShowRecentFiles();
      StartUndo();
      CreatePalette(hwnd);
      RegisterHelpWin();
      RegisterCustomSizeWin();
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC hdc = BeginPaint(hwnd, &ps);
      DrawBoard(hdc);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_CLOSE:
      // Unsaved changes are asked about instead of the quit question.
      if (DiagramModified() ? SaveChangesFirst(hwnd)
                            : MessageBox(hwnd, "Are you sure you want to quit?", "Quit?",
                                         MB_YESNO | MB_ICONEXCLAMATION) == IDYES)
        DestroyWindow(hwnd);
      return 0;
    case WM_GETMINMAXINFO:  // the first size: palette, board and status line at scale 1
      reinterpret_cast<MINMAXINFO *>(lParam)->ptMinTrackSize = POINT{MainWidth, MainHeight};
      return 0;
    case WM_SIZE:
      FitBoard(LOWORD(lParam), HIWORD(lParam));
      InvalidateRect(hwnd, nullptr, true);
      return 0;
    case WM_DIAGRAMCHANGED:
      UpdateTitle();
      ClearStaleStatus();
      return 0;
    case WM_DESTROY:
      RememberWindowSize(hwnd);
      if (hwnd == MainWnd) CloseGameWindow();
      PostQuitMessage(0);
      FreePaletteImages();
      if (MainWnd == hwnd) MainWnd = nullptr;
      return 0;
    case WM_COMMAND:
      Command(hwnd, LOWORD(wParam), HIWORD(wParam));
      ShowSideToMove();  // a command may have set up another position
      ShowThemeChecks();  // or opened a file with a theme of its own
      return 0;
    case WM_MOUSEMOVE:
      if (wParam & MK_LBUTTON)
        DragMove(LowSigned(lParam), HighSigned(lParam));
      else
        MouseMove(LowSigned(lParam), HighSigned(lParam));
      return 0;
    case WM_LBUTTONDOWN:
      LeftButtonDown(hwnd, LowSigned(lParam), HighSigned(lParam));
      return 0;
    case WM_LBUTTONUP:
      LeftButtonUp(hwnd, LowSigned(lParam), HighSigned(lParam));
      return 0;
  }
  return DefWindowProc(hwnd, msg, wParam, lParam);
}
