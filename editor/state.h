#pragma once
// What the editor holds: the diagram on the board, the picture settings in force, the tools,
// the status line, the names the save and open commands offer, and the preferences. The program
// has one editor; its windows read and change this value through Editor().
#include <cstdint>
#include <memory>
#include <string>

#include "files/prefs.h"
#include "model/diagram.h"
#include "model/picturesettings.h"
#include "render/canvas.h"

struct EditorState {
  Diagram diagram;
  // Dpi, PicSiz and Theme in force. Coords and Style are decided by each save, on a copy.
  PictureSettings settings;
  int32_t ShowCoords = 2;     // coordinates setting: 0 Never, 1 Always, 2 Ask
  int32_t SelPiece = 1;       // palette index of the tool: 0 eraser, 1..14 square codes, 15 arrows
  bool ArrowStarted = false;  // while an arrow's end square is awaited
  // The arrow being drawn: from column, from row, to column, to row (rows from the top, as the
  // diagram's arrows). It joins the diagram when its end is clicked and it is valid.
  int32_t PendingArrow[4] = {};
  // The working folder at start-up; prefs.txt lives there when it is a run folder
  // (files/prefs.h), and the file dialogs start there.
  std::string StartFolder;
  // The status strip: from (10, StatusTop) to (StatusRight, StatusTop + 16) of the main window;
  // it moves with the window's size (340 and 520 in the window's first size).
  int32_t StatusTop = 340, StatusRight = 520;
  std::string BMPFile;  // last picture path; the picture dialog's name field
  std::string HTMFile;  // last web-page path; the page dialog's name field
  std::string BRDFile;  // position file to write or read; the open dialog's name field
  bool VClip = false;   // set by the virtual-clipboard save, until the next save command
  // The window size and recent files kept in prefs.txt. Its Dpi, PicSiz and ShowCoords are what
  // the file said: those in force are the ones above, written back with the rest.
  Prefs prefs;
  std::unique_ptr<Canvas> canvas;  // the saves' and the clipboard's, made when first needed
};

// The editor's state.
EditorState &Editor();
// Start-up: the start position, a theme from the tick count, the start folder (the working
// folder), the default size and coordinates setting; everything else as new.
void InitEditor();
// The canvas the editor composes its pictures on.
Canvas &PictureCanvas();
// The settings of one save: those in force with the save's coordinates and style.
PictureSettings SaveSettings(int coords, int style = StylePrint);

// The preferences: read at start-up into the settings in force and the window size and recent
// files; written (making the configuration folder when the start folder is not a run folder)
// whenever one of them changes. False, with the reason, when the file cannot be written.
void LoadPrefs();
bool SavePrefs(std::string *why = nullptr);
