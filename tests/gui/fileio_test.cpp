// The file commands driven through the main window's procedure with scripted dialogs: the
// files each save writes, the coordinates question, the reports, the dialogs' settings,
// opening, cancelling, the virtual clipboard and saves that cannot be written.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "files/brd.h"
#include "files/htm.h"
#include "tests/gui/editor_fixture.h"

namespace fs = std::filesystem;

namespace {
std::string ReadAll(const fs::path &path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The files of a folder other than the images the fixture links in.
std::vector<std::string> FilesIn(const fs::path &folder) {
  std::vector<std::string> names;
  for (const auto &entry : fs::directory_iterator(folder)) {
    std::string name = entry.path().filename().string();
    if (name != "bmp" && name != "cur") names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

bool HasLine(const std::string &text, const std::string &line) {
  return text.find(line + "\r\r\n") != std::string::npos;
}

class FileCommands : public EditorWindow {
 protected:
  void SetUp() override {
    EditorWindow::SetUp();
    // No name offered yet: a dialog opens in the start folder.
    BMPFile.clear();
    HTMFile.clear();
    BRDFile.clear();
  }
  void Command(int id) { SendMessage(hwnd, WM_COMMAND, static_cast<WPARAM>(id), 0); }
  fs::path In(const std::string &name) { return fs::path(folder) / name; }

  std::vector<BoxRecord> BoxesWithCaption(const std::string &caption) {
    std::vector<BoxRecord> found;
    for (const BoxRecord &b : RecordedBoxes())
      if (b.caption == caption) found.push_back(b);
    return found;
  }
  bool AnyBoxSays(const std::string &words) {
    for (const BoxRecord &b : RecordedBoxes())
      if (b.text.find(words) != std::string::npos) return true;
    return false;
  }
};
}  // namespace

TEST_F(FileCommands, PictureSaveWritesPositionFileThenPictureThenReport) {
  ShowCoords = 0;
  ScriptFileAnswer(In("pos.old.bmp").string());
  Command(CmdSaveBMP);

  // The base ends at the first "." of the name.
  EXPECT_EQ(FilesIn(folder), (std::vector<std::string>{"pos.bmp", "pos.brd"}));
  EXPECT_EQ(BMPFile, In("pos.bmp").string());
  EXPECT_EQ(BRDFile, In("pos.brd").string());
  EXPECT_EQ(fs::file_size(In("pos.bmp")), 45054u);
  EXPECT_EQ(ReadAll(In("pos.brd")), BRDText(0));

  ASSERT_EQ(RecordedFileDialogs().size(), 1u);
  const FileDialogRecord &d = RecordedFileDialogs()[0];
  EXPECT_TRUE(d.save);
  EXPECT_EQ(d.owner, hwnd);
  EXPECT_EQ(d.filter, "BMP Files (*.bmp)|*.bmp");
  EXPECT_EQ(d.offered, "");
  EXPECT_EQ(d.initialDir, folder);
  EXPECT_EQ(d.defExt, "bmp");
  EXPECT_EQ(d.flags, 0x80806u);

  ASSERT_EQ(RecordedBoxes().size(), 1u);
  const BoxRecord &report = RecordedBoxes()[0];
  EXPECT_EQ(report.caption, "Check Legal");
  EXPECT_EQ(report.text, "BMP file saved with 0 errors and 0 warnings");
  EXPECT_EQ(report.type, static_cast<UINT>(MB_OK));
}

TEST_F(FileCommands, DotInFolderNameDoesNotCut) {
  ShowCoords = 0;
  fs::create_directory(In("v1.2"));
  ScriptFileAnswer(In("v1.2/x.bmp").string());
  Command(CmdSaveBMP);
  EXPECT_EQ(FilesIn(In("v1.2")), (std::vector<std::string>{"x.bmp", "x.brd"}));
  EXPECT_EQ(FilesIn(folder), (std::vector<std::string>{"v1.2"}));
}

TEST_F(FileCommands, TypedExtensionIsReplaced) {
  ShowCoords = 0;
  ScriptFileAnswer("pos.txt");  // relative to the dialog's folder, the start folder
  Command(CmdSaveBMP);
  EXPECT_EQ(FilesIn(folder), (std::vector<std::string>{"pos.bmp", "pos.brd"}));
}

TEST_F(FileCommands, AskAnsweredNoThenYesAsksEachTime) {
  ShowCoords = 2;
  ScriptFileAnswer(In("a.bmp").string());
  ScriptBoxAnswer(IDNO);
  Command(CmdSaveBMP);
  std::vector<BoxRecord> asked = BoxesWithCaption("Show?");
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].text, "Show Coordinates (a-h, 1-8)");
  EXPECT_EQ(asked[0].type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
  EXPECT_EQ(asked[0].owner, hwnd);
  EXPECT_EQ(fs::file_size(In("a.bmp")), 45054u);
  EXPECT_TRUE(HasLine(ReadAll(In("a.brd")), "Coords:             NO"));
  EXPECT_EQ(ShowCoords, 2);

  // The next save offers the last picture name and asks again.
  ClearRecords();
  ScriptFileAnswer(In("b.bmp").string());
  ScriptBoxAnswer(IDYES);
  Command(CmdSaveBMP);
  ASSERT_EQ(RecordedFileDialogs().size(), 1u);
  EXPECT_EQ(RecordedFileDialogs()[0].offered, In("a.bmp").string());
  EXPECT_EQ(BoxesWithCaption("Show?").size(), 1u);
  EXPECT_EQ(fs::file_size(In("b.bmp")), 49982u);
  EXPECT_TRUE(HasLine(ReadAll(In("b.brd")), "Coords:             YES"));
}

TEST_F(FileCommands, AlwaysNeverAsks) {
  ShowCoords = 1;
  ScriptFileAnswer(In("c.bmp").string());
  Command(CmdSaveBMP);
  EXPECT_TRUE(BoxesWithCaption("Show?").empty());
  EXPECT_EQ(Coords, 1);
  EXPECT_EQ(fs::file_size(In("c.bmp")), 49982u);
  EXPECT_TRUE(HasLine(ReadAll(In("c.brd")), "Coords:             YES"));
}

TEST_F(FileCommands, PageSaveWritesPageAndReports) {
  ShowCoords = 2;
  Theme = 2;
  ScriptFileAnswer(In("page.html").string());
  ScriptBoxAnswer(IDYES);
  Command(CmdSaveHTM);
  EXPECT_EQ(FilesIn(folder), (std::vector<std::string>{"page.brd", "page.htm"}));
  EXPECT_EQ(ReadAll(In("page.htm")), HTMText(1));

  ASSERT_EQ(RecordedFileDialogs().size(), 1u);
  const FileDialogRecord &d = RecordedFileDialogs()[0];
  EXPECT_TRUE(d.save);
  EXPECT_EQ(d.filter, "Web-Page Files (*.htm)|*.htm");
  EXPECT_EQ(d.defExt, "htm");
  EXPECT_EQ(d.initialDir, folder);
  EXPECT_EQ(d.flags, 0x80806u);
  // The page's question has no owner.
  std::vector<BoxRecord> asked = BoxesWithCaption("Show?");
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].owner, nullptr);
  std::vector<BoxRecord> report = BoxesWithCaption("Check Legal");
  ASSERT_EQ(report.size(), 1u);
  EXPECT_EQ(report[0].text, "HTM file saved with 0 errors and 0 warnings");
}

TEST_F(FileCommands, PageThenPictureLeaveTheSecondPositionFile) {
  ShowCoords = 0;
  ScriptFileAnswer(In("x.htm").string());
  Command(CmdSaveHTM);
  Command(CmdTypical);
  ShowCoords = 1;
  ScriptFileAnswer(In("x.bmp").string());
  Command(CmdSaveBMP);
  EXPECT_EQ(FilesIn(folder), (std::vector<std::string>{"x.bmp", "x.brd", "x.htm"}));
  EXPECT_EQ(ReadAll(In("x.brd")), BRDText(1));
  EXPECT_TRUE(HasLine(ReadAll(In("x.brd")), "Arrows:             1"));
}

TEST_F(FileCommands, CancelledDialogsWriteAndChangeNothing) {
  ShowCoords = 2;
  TypicalPosition(nullptr);
  int32_t before[64];
  std::copy(Pos, Pos + 64, before);
  BMPFile = In("old.bmp").string();
  ScriptFileAnswer("");
  Command(CmdSaveBMP);
  ScriptFileAnswer("");
  Command(CmdSaveHTM);
  ScriptFileAnswer("");
  Command(CmdOpenBRD);
  EXPECT_TRUE(FilesIn(folder).empty());
  EXPECT_TRUE(RecordedBoxes().empty());
  EXPECT_EQ(BMPFile, In("old.bmp").string());
  EXPECT_TRUE(std::equal(Pos, Pos + 64, before));
  EXPECT_EQ(NArrows, 1);

  ASSERT_EQ(RecordedFileDialogs().size(), 3u);
  EXPECT_EQ(RecordedFileDialogs()[0].offered, In("old.bmp").string());
  const FileDialogRecord &open = RecordedFileDialogs()[2];
  EXPECT_FALSE(open.save);
  EXPECT_EQ(open.owner, hwnd);
  EXPECT_EQ(open.filter, "Boardsmith Files (*.brd)|*.brd");
  EXPECT_EQ(open.defExt, "brd");
  EXPECT_EQ(open.initialDir, folder);
  EXPECT_EQ(open.flags, 0x81004u);
}

TEST_F(FileCommands, OpenReplacesTheDiagramAndRepaints) {
  // A typical position on a flipped board, theme 5, large, written as a position file.
  Flipped = 1;
  TypicalPosition(nullptr);
  Theme = 5;
  Dpi = 3;
  PicSiz = 6.0f;
  BRDFile = In("typ.brd").string();
  ASSERT_TRUE(MakeBRDFile(1));
  int32_t typical[64];
  std::copy(Pos, Pos + 64, typical);

  Flipped = 0;
  Command(CmdStart);
  Theme = 0;
  Dpi = 2;
  PicSiz = 4.0f;
  SelPiece = 15;
  ArrowStarted = 1;  // an arrow half drawn on the old diagram
  Repaint();
  ClearRecords();
  ScriptFileAnswer(In("typ.brd").string());
  Command(CmdOpenBRD);

  EXPECT_TRUE(std::equal(Pos, Pos + 64, typical));
  EXPECT_EQ(NArrows, 1);
  EXPECT_EQ(Flipped, 1);
  EXPECT_EQ(Theme, 5);
  EXPECT_EQ(Dpi, 3);
  EXPECT_EQ(ArrowStarted, 0);
  // No check, no preferences written.
  EXPECT_TRUE(RecordedBoxes().empty());
  EXPECT_FALSE(fs::exists(In("prefs.txt")));
  // The board view shows the new theme: a light, empty square (f5 in table row 4, column 2 of
  // the flipped board) has theme 5's light colour.
  ASSERT_EQ(Pos[2 * 8 + 3], 0);
  EXPECT_EQ(Pixel(SquareLeft + SquareStep * 2 + 18, SquareTop + SquareStep * 4 + 18),
            LightColour(5));
}

TEST_F(FileCommands, DamagedPositionFileLeavesTheDiagramAndSaysWhy) {
  Command(CmdTypical);
  int32_t before[64];
  std::copy(Pos, Pos + 64, before);
  Theme = 3;
  {
    std::ofstream out(In("junk.brd"), std::ios::binary);
    for (int i = 0; i < 3000; i++) out.put(static_cast<char>(i * 37 % 256));
  }
  ScriptFileAnswer(In("junk.brd").string());
  Command(CmdOpenBRD);
  EXPECT_TRUE(std::equal(Pos, Pos + 64, before));
  EXPECT_EQ(NArrows, 1);
  EXPECT_EQ(Theme, 3);
  std::vector<BoxRecord> failed = BoxesWithCaption("Open failed");
  ASSERT_EQ(failed.size(), 1u);
  EXPECT_NE(failed[0].text.find(In("junk.brd").string()), std::string::npos) << failed[0].text;
  EXPECT_NE(failed[0].text.find("not a position file"), std::string::npos) << failed[0].text;
  EXPECT_EQ(failed[0].owner, hwnd);
  EXPECT_EQ(failed[0].type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));

  // A file that vanished between the dialog and the read: the same, with the system's reason.
  ClearRecords();
  ScriptFileAnswer(In("gone.brd").string());
  Command(CmdOpenBRD);
  failed = BoxesWithCaption("Open failed");
  ASSERT_EQ(failed.size(), 1u);
  EXPECT_NE(failed[0].text.find("gone.brd"), std::string::npos);
  EXPECT_TRUE(std::equal(Pos, Pos + 64, before));
}

TEST_F(FileCommands, ClipboardSaveWritesBothFilesAndItsReport) {
  ShowCoords = 2;
  ScriptBoxAnswer(IDNO);
  Command(CmdClipboard);
  EXPECT_TRUE(RecordedFileDialogs().empty());
  EXPECT_EQ(FilesIn(folder), (std::vector<std::string>{"clip.bmp", "clip.brd"}));
  EXPECT_EQ(fs::file_size(In("clip.bmp")), 45054u);
  EXPECT_EQ(BMPFile, In("clip.bmp").string());
  std::vector<BoxRecord> report = BoxesWithCaption("Check Legal");
  ASSERT_EQ(report.size(), 1u);
  EXPECT_EQ(report[0].text.rfind("0 errors and 0 warnings\nDiagram saved in virtual clipboard " +
                                     In("clip.bmp").string() + "\n",
                                 0),
            0u)
      << report[0].text;
  EXPECT_NE(report[0].text.find("Use a macro in Word tp paste it easily\n"), std::string::npos);
  EXPECT_NE(report[0].text.find("Refer to "), std::string::npos);
  // The picture is on the desktop clipboard too.
  int width = 0, height = 0;
  EXPECT_TRUE(ClipboardPicture(&width, &height));
  EXPECT_EQ(width, 592);
  EXPECT_EQ(height, 592);

  // Replaced without asking; the next picture dialog offers the clipboard name.
  Command(CmdTypical);
  ClearRecords();
  ShowCoords = 1;
  Command(CmdClipboard);
  EXPECT_EQ(BoxesWithCaption("Check Legal").size(), 1u);
  EXPECT_EQ(RecordedBoxes().size(), 1u);
  EXPECT_EQ(fs::file_size(In("clip.bmp")), 49982u);
  EXPECT_EQ(ReadAll(In("clip.brd")), BRDText(1));
  ScriptFileAnswer("");
  Command(CmdSaveBMP);
  ASSERT_EQ(RecordedFileDialogs().size(), 1u);
  EXPECT_EQ(RecordedFileDialogs()[0].offered, In("clip.bmp").string());
  EXPECT_EQ(VClip, 0);
}

TEST_F(FileCommands, SaveIntoMissingFolderReportsFailure) {
  ShowCoords = 0;
  ScriptFileAnswer(In("missing/pos.bmp").string());
  Command(CmdSaveBMP);
  std::vector<BoxRecord> failed = BoxesWithCaption("Save failed");
  ASSERT_EQ(failed.size(), 1u);
  EXPECT_NE(failed[0].text.find(In("missing/pos.brd").string()), std::string::npos)
      << failed[0].text;
  EXPECT_NE(failed[0].text.find("No such file or directory"), std::string::npos);
  EXPECT_EQ(failed[0].owner, hwnd);
  EXPECT_EQ(failed[0].type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
  EXPECT_FALSE(AnyBoxSays("saved with"));
  EXPECT_TRUE(FilesIn(folder).empty());

  ClearRecords();
  ScriptFileAnswer(In("missing/page.htm").string());
  Command(CmdSaveHTM);
  EXPECT_EQ(BoxesWithCaption("Save failed").size(), 1u);
  EXPECT_FALSE(AnyBoxSays("saved with"));
  EXPECT_TRUE(FilesIn(folder).empty());
}

TEST_F(FileCommands, SaveOverAFolderReportsFailureAndKeepsIt) {
  ShowCoords = 0;
  // The picture's name is a folder: the position file is written, the picture is not.
  fs::create_directory(In("pic.bmp"));
  ScriptFileAnswer(In("pic.bmp").string());
  ScriptBoxAnswer(IDYES);  // the dialog's replace question
  Command(CmdSaveBMP);
  std::vector<BoxRecord> failed = BoxesWithCaption("Save failed");
  ASSERT_EQ(failed.size(), 1u);
  EXPECT_NE(failed[0].text.find(In("pic.bmp").string()), std::string::npos) << failed[0].text;
  EXPECT_FALSE(AnyBoxSays("saved with"));
  EXPECT_TRUE(fs::is_directory(In("pic.bmp")));
  EXPECT_TRUE(fs::is_empty(In("pic.bmp")));

  // The position file's name is a folder: nothing else is written.
  ClearRecords();
  fs::create_directory(In("d.brd"));
  ScriptFileAnswer(In("d.bmp").string());
  Command(CmdSaveBMP);
  failed = BoxesWithCaption("Save failed");
  ASSERT_EQ(failed.size(), 1u);
  EXPECT_NE(failed[0].text.find(In("d.brd").string()), std::string::npos) << failed[0].text;
  EXPECT_FALSE(AnyBoxSays("saved with"));
  EXPECT_FALSE(fs::exists(In("d.bmp")));

  // An existing picture stays as it was when its position file cannot be written.
  ClearRecords();
  fs::create_directory(In("keep.brd"));
  { std::ofstream(In("keep.bmp"), std::ios::binary) << "old picture"; }
  ScriptFileAnswer(In("keep.bmp").string());
  ScriptBoxAnswer(IDYES);
  Command(CmdSaveBMP);
  EXPECT_EQ(BoxesWithCaption("Save failed").size(), 1u);
  EXPECT_EQ(ReadAll(In("keep.bmp")), "old picture");
}
