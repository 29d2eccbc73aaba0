// The file commands driven through the main window with scripted dialogs: the files each save
// writes and their names, the coordinates question, the reports, opening, cancelling, the
// virtual clipboard and saves that cannot be written.
#include <algorithm>
#include <cerrno>
#include <fstream>
#include <set>

#include "files/atomicwrite.h"
#include "files/brd.h"
#include "tests/gui/editor_fixture.h"
#include "tests/writefault/writefault.h"

namespace {
namespace fs = std::filesystem;
using Names = std::set<std::string>;

// The files of a folder other than the images and program the fixture links in and the
// preferences (which keep the recent files).
Names FilesIn(const std::string &folder) {
  Names names = NamesIn(folder);
  for (const char *linked : {"bmp", "cur", "gifs", "boardsmith", "prefs.txt"}) names.erase(linked);
  return names;
}

class FileCommands : public EditorWindow {
 protected:
  void SetUp() override {
    EditorWindow::SetUp();
    Editor().ShowCoords = 0;  // no question unless a test asks for one
  }
  void Command(int id) { SendMessage(hwnd, WM_COMMAND, static_cast<WPARAM>(id), 0); }
  std::string In(const std::string &name) { return folder + "/" + name; }
  void ExpectDialog(const FileDialogRecord &d, bool save, const std::string &filter,
                    const std::string &ext, uint32_t flags) {
    EXPECT_EQ(std::tie(d.save, d.owner, d.filter, d.initialDir, d.defExt, d.flags),
              std::tie(save, hwnd, filter, folder, ext, flags));
  }
};
}  // namespace

// A name keeps its dots; the position file of another diagram is replaced only when the user
// says so, the diagram's own without a question.
TEST_F(FileCommands, ANameKeepsItsDotsAndAnotherDiagramsPositionFileIsAskedAbout) {
  fs::create_directory(In("v1.2"));
  for (auto [answer, where, files] : std::vector<std::tuple<std::string, std::string, Names>>{
           {In("final.v2.bmp"), "", {"final.v2.bmp", "final.v2.brd", "v1.2"}},
           {"pos.txt", "", {"pos.txt.bmp", "pos.txt.brd", "v1.2"}},  // in the dialog's folder
           {In("v1.2/x.BMP"), "v1.2", {"x.bmp", "x.brd"}}}) {
    SCOPED_TRACE(answer);
    ScriptFileAnswer(answer);
    Command(CmdSaveBMP);
    EXPECT_EQ(FilesIn(In(where)), files);
    for (const std::string &name : files)
      if (name != "v1.2") fs::remove(In(where) + "/" + name);
  }
  EXPECT_EQ(Editor().StartFolder, folder);  // the help pages are still found there
  WriteWhole(In("final.brd"), "another diagram");
  const std::string question = "final.brd already exists.\nDo you want to replace it?";
  for (int answer : {int{IDNO}, int{IDYES}, 0}) {
    ClearRecords();
    ScriptFileAnswer(In("final.bmp"));
    ScriptBoxAnswer(answer ? answer : IDYES);  // last: the dialog's question about final.bmp
    Command(CmdSaveBMP);
    ASSERT_EQ(Boxes("Confirm Save As").size(), 1u);
    EXPECT_EQ(Boxes("Confirm Save As")[0].text == question, answer != 0);
    EXPECT_EQ(ReadWhole(In("final.brd")) == "another diagram", answer == IDNO);
    EXPECT_EQ(Boxes("Check Legal").size(), answer == IDNO ? 0u : 1u);
  }
}

// Asked at each save when set to Ask (the answer not kept), never when set to Always; each save
// offers the last picture name.
TEST_F(FileCommands, CoordinatesAreAskedEachTimeOnlyWhenSetToAsk) {
  for (auto [show, answer, name, offered] :
       std::vector<std::tuple<int, int, std::string, std::string>>{
           {2, IDNO, "a", ""}, {2, IDYES, "b", "a.bmp"}, {1, IDNO, "c", "b.bmp"}}) {
    SCOPED_TRACE(name);
    ClearRecords();
    Editor().ShowCoords = show;
    ScriptFileAnswer(In(name + ".bmp"));
    if (show == 2) ScriptBoxAnswer(answer);
    Command(CmdSaveBMP);
    if (show == 2)
      ExpectBox(hwnd, "Show Coordinates (a-h, 1-8)", "Show?", MB_YESNO | MB_ICONQUESTION,
                Boxes("Show?"));
    else
      EXPECT_TRUE(Boxes("Show?").empty());
    EXPECT_EQ(RecordedFileDialogs()[0].offered, offered.empty() ? "" : In(offered));
    const bool coords = answer == IDYES || show == 1;
    EXPECT_EQ(fs::file_size(In(name + ".bmp")), coords ? 49982u : 45054u);
    const std::string line = coords ? "Coords:             YES\r\r\n" : "Coords:             NO\r\r\n";
    EXPECT_NE(ReadWhole(In(name + ".brd")).find(line), std::string::npos) << line;
    EXPECT_EQ(Editor().ShowCoords, show);
  }
}

// Cancelled dialogs write and change nothing; a damaged position file leaves the diagram and says
// why (a file gone since it was named is editing_test.cpp's: the title and the recent files).
TEST_F(FileCommands, CancelledDialogsAndADamagedPositionFileChangeNothing) {
  TypicalPosition(Now());
  MarkDiagramSaved();  // nothing unsaved to ask about before the open
  const Diagram before = Now();
  Settings().Theme = 3;
  Editor().BMPFile = In("old.bmp");
  for (int id : {CmdSaveBMP, CmdSaveHTM, CmdOpenBRD}) {
    ScriptFileAnswer("");
    Command(id);
  }
  EXPECT_TRUE(FilesIn(folder).empty());
  EXPECT_TRUE(RecordedBoxes().empty());
  EXPECT_EQ(Editor().BMPFile, In("old.bmp"));
  EXPECT_EQ(Now(), before);
  ASSERT_EQ(RecordedFileDialogs().size(), 3u);
  EXPECT_EQ(RecordedFileDialogs()[0].offered, In("old.bmp"));
  ExpectDialog(RecordedFileDialogs()[2], false, "Boardsmith Files (*.brd)|*.brd", "brd", 0x81004u);
  std::string junk;
  for (int i = 0; i < 3000; i++) junk += static_cast<char>(i * 37 % 256);
  WriteWhole(In("junk.brd"), junk);
  ScriptFileAnswer(In("junk.brd"));
  Command(CmdOpenBRD);
  EXPECT_EQ(Now(), before);
  EXPECT_EQ(Settings().Theme, 3);
  ExpectFailure("Open failed", hwnd, In("junk.brd"), "not a position file");
}

TEST_F(FileCommands, OpenAndStartUpReplaceTheDiagram) {
  // The typical position on a flipped board, theme 5, large, written as a position file.
  Command(CmdTypical);
  Command(CmdFlip);
  const Diagram typical = Now();
  const PictureSettings large{.Coords = 1, .Dpi = 3, .PicSiz = 6.0f, .Theme = 5};
  ASSERT_TRUE(WriteFileAtomically(In("typ.brd"), MakeBRDFile(typical, large), nullptr));
  Command(CmdFlip);
  Command(CmdStart);
  Editor().ArrowStarted = true;  // an arrow half drawn on the old diagram
  Repaint();
  ClearRecords();
  ScriptFileAnswer(In("typ.brd"));
  Command(CmdOpenBRD);
  EXPECT_EQ(Now(), typical);
  EXPECT_EQ(std::make_pair(Settings().Theme, Settings().Dpi), std::make_pair(5, 3));
  EXPECT_FALSE(Editor().ArrowStarted);
  EXPECT_TRUE(RecordedBoxes().empty());  // no check
  EXPECT_EQ(Editor().prefs.RecentFiles, std::vector<std::string>{In("typ.brd")});
  // A light, empty square (table row 4, column 2 of the flipped board) in theme 5's colour.
  ASSERT_EQ(Now().Pos[2 * 8 + 3], 0);
  EXPECT_EQ(Pixel(CentreX(2), CentreY(4)), LightColour(5));
  // The desktop starts the program with the position file opened (Exec=boardsmith %f).
  Command(CmdFlip);
  Command(CmdEmpty);
  PostQuitMessage(0);  // the message loop ends at once
  EXPECT_EQ(WinMain(nullptr, nullptr, In("typ.brd").c_str(), SW_SHOWNORMAL), 0);
  EXPECT_EQ(Now(), typical);
}

// The virtual clipboard offers the picture (as an image, a bitmap and PNG), the FEN and HTML to
// the desktop clipboard at once; its files are replaced without asking; the next dialogs offer
// the clipboard name and end clipboard mode.
TEST_F(FileCommands, TheClipboardIsOfferedAllAtOnceReplacedWithoutAskingAndEndsAtTheNextSave) {
  Command(CmdClipboard);
  EXPECT_EQ(fs::file_size(In("clip.bmp")), 45054u);
  std::vector<std::string> formats = ClipboardFormats();
  std::sort(formats.begin(), formats.end());
  EXPECT_EQ(formats, (std::vector<std::string>{"application/x-qt-image", "image/bmp", "image/png",
                                               "text/html", "text/plain"}));
  EXPECT_EQ(ClipboardData("text/plain"),
            "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1");
  EXPECT_EQ(ClipboardData("image/bmp"), ReadWhole(In("clip.bmp")));
  const std::string png = ClipboardData("image/png");
  EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
  EXPECT_EQ(png.substr(16, 8), std::string("\0\0\x03\0\0\0\x03\0", 8));  // 768: twice the 384 shown
  const std::string html = ClipboardData("text/html");
  EXPECT_EQ(html.rfind("<img src=\"data:image/png;base64,iVBORw0KGgo", 0), 0u)
      << html.substr(0, 80);
  EXPECT_NE(html.find("\" width=\"384\" height=\"384\" alt=\"White to move."), std::string::npos);
  int width = 0, height = 0;
  EXPECT_TRUE(ClipboardPicture(&width, &height));
  EXPECT_EQ(width, 592);
  Command(CmdTypical);
  ClearRecords();
  Editor().ShowCoords = 1;
  Command(CmdClipboard);
  EXPECT_EQ(RecordedBoxes().size(), 1u);
  EXPECT_EQ(fs::file_size(In("clip.bmp")), 49982u);
  EXPECT_EQ(ReadWhole(In("clip.brd")), MakeBRDFile(Now(), SaveSettings(1)));
  EXPECT_TRUE(Editor().VClip);
  Command(CmdSaveBMP);
  EXPECT_EQ(RecordedFileDialogs()[0].offered, In("clip.bmp"));
  EXPECT_FALSE(Editor().VClip);
  Command(CmdClipboard);
  Command(CmdSaveHTM);
  EXPECT_FALSE(Editor().VClip);
}

// Every save writes its file beside the position file of the same name and reports; only the
// clipboard asks no name.
TEST_F(FileCommands, EverySaveWritesItsFileBesideThePositionFileAndReports) {
  const std::string checked = "\nThe position has 0 errors and 0 warnings";
  struct Row {
    int id;
    const char *answer;  // the name given in the dialog (nullptr: no dialog)
    uint32_t type;       // the entry chosen in the dialog's type list
    const char *file;    // what is written beside the position file
    const char *magic;   // how the file begins
    std::string report;  // the check's box, "@" standing for the file's path
    const char *filter = nullptr, *ext = nullptr;  // the dialog's, where checked here
  };
  const Row rows[] = {
      {CmdSaveBMP, "a.bmp", 0, "a.bmp", "BM",
       "BMP file saved with 0 errors and 0 warnings\nSaved as @ and #", "BMP Files (*.bmp)|*.bmp",
       "bmp"},
      {CmdSaveHTM, "b.html", 0, "b.htm", "<HTML><HEAD>",
       "HTM file saved with 0 errors and 0 warnings\nSaved as @ and #",
       "Web-Page Files (*.htm)|*.htm", "htm"},
      {CmdClipboard, nullptr, 0, "clip.bmp", "BM",
       "0 errors and 0 warnings\nDiagram saved in virtual clipboard @\n"
       "Use a macro in Word to paste it easily\n"
       "Refer to https://boardsmith.example/ for details\n"},
      {CmdSavePicture, "a", 1, "a.png", "\x89PNG", "PNG picture (print) saved as @ and #" + checked},
      {CmdSavePicture, "b.png", 2, "b.png", "\x89PNG", "PNG picture (colour) saved as @ and #" + checked},
      {CmdSavePicture, "c", 3, "c.pdf", "%PDF", "PDF document (print) saved as @ and #" + checked},
      {CmdSavePicture, "d.svg", 4, "d.svg", "<?xml", "SVG drawing (colour) saved as @ and #" + checked},
      {CmdSavePicture, "e", 5, "e.svg", "<?xml", "SVG drawing (print) saved as @ and #" + checked},
      {CmdSavePage, "f", 1, "f.html", "<!DOCTYPE html>", "Web page (colour) saved as @ and #" + checked},
      {CmdSavePage, "g.htm", 2, "g.htm", "<!DOCTYPE html>",
       "Web page (print) saved as @ and #" + checked}};
  for (const Row &r : rows) {
    SCOPED_TRACE(r.file);
    ClearRecords();
    if (r.answer) ScriptFileAnswer(r.answer, r.type);
    Command(r.id);
    const std::string stem = std::string(r.file).substr(0, std::string(r.file).find('.'));
    EXPECT_EQ(FilesIn(folder), (Names{stem + ".brd", r.file}));
    EXPECT_EQ(ReadWhole(In(stem + ".brd")), MakeBRDFile(Now(), SaveSettings(0)));
    const std::string bytes = ReadWhole(In(r.file));
    EXPECT_EQ(bytes.rfind(r.magic, 0), 0u);
    if (std::string(r.file).ends_with(".png")) {
      EXPECT_EQ(bytes[24], 8);  // bit depth: the composer's picture in print or colour
    }
    ASSERT_EQ(RecordedFileDialogs().size(), r.answer ? 1u : 0u);
    if (r.filter) ExpectDialog(RecordedFileDialogs()[0], true, r.filter, r.ext, 0x80806u);
    std::string report = r.report;  // "@" the file, "#" the position file
    if (report.find('@') != std::string::npos) report.replace(report.find('@'), 1, In(r.file));
    if (report.find('#') != std::string::npos) report.replace(report.find('#'), 1, In(stem + ".brd"));
    ExpectBox(nullptr, report, "Check Legal", MB_OK);
    fs::remove(In(r.file)), fs::remove(In(stem + ".brd"));
  }
  EXPECT_EQ(RecordedFileDialogs().back().filter,
            "Web page, colour (*.html *.htm)|*.html;*.htm|"
            "Web page, print (*.html *.htm)|*.html;*.htm");
  EXPECT_EQ(RecordedFileDialogs().back().filterIndex, 1u);  // the type chosen last time
  ScriptFileAnswer(In("missing/x.png"));
  Command(CmdSavePicture);
  ExpectFailure("Save failed", hwnd, In("missing/x.brd"), "No such file or directory");
}

// The picture and its position file are written as a pair: a write that fails at the disk (the
// picture's sync), or a rename that fails (the first or the second), leaves the old pair as it
// was and no temporary file, and the box names the file and the reason; no report follows.
TEST_F(FileCommands, AFailedPairSaveKeepsTheOldPairAndIsReportedNotConfirmed) {
  const struct {
    WriteStep step;
    int nth, err;
    bool oldPosition;  // a position file of another diagram was there
    const char *failed, *why;
  } cases[] = {{WriteStep::Sync, 2, EIO, false, "pos.bmp", "Input/output error"},
               {WriteStep::Rename, 1, EROFS, true, "pos.brd", "Read-only file system"},
               {WriteStep::Rename, 2, EACCES, true, "pos.bmp", "Permission denied"},
               {WriteStep::Rename, 2, EACCES, false, "pos.bmp", "Permission denied"}};
  for (const auto &c : cases) {
    SCOPED_TRACE(std::string(c.failed) + " " + c.why);
    ClearRecords();
    WriteWhole(In("pos.bmp"), "old picture");
    if (c.oldPosition) WriteWhole(In("pos.brd"), "old position");
    InjectWriteFault(c.step, c.nth, c.err);
    ScriptFileAnswer(In("pos.bmp"));
    ScriptBoxAnswer(IDYES);                     // the dialog's replace question
    if (c.oldPosition) ScriptBoxAnswer(IDYES);  // and the position file's
    Command(CmdSaveBMP);
    EXPECT_FALSE(WriteFaultPending());
    ClearWriteFault();
    ExpectFailure("Save failed", hwnd, In(c.failed), c.why);
    EXPECT_TRUE(Boxes("Check Legal").empty());  // no report of a save
    EXPECT_EQ(ReadWhole(In("pos.bmp")), "old picture");
    EXPECT_EQ(FilesIn(folder), (c.oldPosition ? Names{"pos.bmp", "pos.brd"} : Names{"pos.bmp"}));
    EXPECT_EQ(ReadWhole(In("pos.brd")), c.oldPosition ? "old position" : "");
    fs::remove(In("pos.brd"));
  }
}

// A classic page shows its diagram with gifs/ beside it: the program's is copied there when the
// page's folder has none (never over one that is there), and the status line says so; when it
// cannot be, a box says why and nothing is left behind.
TEST_F(FileCommands, AClassicPageGetsTheGifsFolderBesideIt) {
  fs::create_directory(In("a")), fs::create_directory(In("b")), fs::create_directory(In("b/gifs"));
  fs::create_directory(In("c"));
  for (const char *page : {"a/p.htm", "b/p.htm"}) {
    ScriptFileAnswer(In(page));
    Command(CmdSaveHTM);
  }
  EXPECT_EQ(NamesIn(In("a/gifs")).size(), 61u);
  EXPECT_EQ(ReadWhole(In("a/gifs/wkl.gif")), ReadWhole(In("gifs/wkl.gif")));
  EXPECT_EQ(NamesIn(In("a")), (Names{"gifs", "p.brd", "p.htm"}));
  EXPECT_TRUE(NamesIn(In("b/gifs")).empty());
  EXPECT_TRUE(Boxes("Web page images").empty());
  ExpectStatus("The page's images were copied to " + In("a/gifs"));
  fs::remove(In("gifs"));  // the program's own images missing
  ScriptFileAnswer(In("c/p.htm"));
  Command(CmdSaveHTM);
  ExpectFailure("Web page images", hwnd, In("c/gifs"), "No such file or directory");
  EXPECT_EQ(NamesIn(In("c")), (Names{"p.brd", "p.htm"}));
}
