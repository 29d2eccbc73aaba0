// The menu commands through the window: their effect on the model and the screen, and every
// message box with its text, caption, buttons, icon and owner.
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "check/check.h"
#include "files/prefs.h"
#include "tests/gui/editor_fixture.h"

class Commands : public EditorWindow {
 protected:
  std::vector<COLORREF> Strip() {
    std::vector<COLORREF> out;
    for (int y = 340; y < 356; y++)
      for (int x = 10; x < 520; x++) out.push_back(Pixel(x, y));
    return out;
  }
  void ExpectStatus(const char *text) {
    std::vector<COLORREF> shown = Strip();
    HDC hdc = GetDC(hwnd);
    Scribe(hdc, text);
    ReleaseDC(hwnd, hdc);
    EXPECT_EQ(Strip(), shown) << "status should read: " << text;
  }
  void ExpectOneBox(HWND owner, const std::string &text, const std::string &caption, UINT type) {
    ASSERT_EQ(RecordedBoxes().size(), 1u);
    const BoxRecord &box = RecordedBoxes()[0];
    EXPECT_EQ(box.owner, owner);
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.caption, caption);
    EXPECT_EQ(box.type, type);
  }
  // The settings as the preferences file holds them.
  void ReadBack(int32_t *dpi, float *size, int32_t *show) {
    int32_t d = Dpi, s = ShowCoords;
    float p = PicSiz;
    Dpi = -1;
    PicSiz = -1;
    ShowCoords = -1;
    ReadPrefs();
    *dpi = Dpi;
    *size = PicSiz;
    *show = ShowCoords;
    Dpi = d;
    PicSiz = p;
    ShowCoords = s;
  }
};

TEST_F(Commands, ColoursCycleThroughTheEightThemesAndLeaveTheStatusLine) {
  HDC hdc = GetDC(hwnd);
  Scribe(hdc, "Start position");
  ReleaseDC(hwnd, hdc);
  std::vector<COLORREF> strip = Strip();
  EmptyPosition(nullptr);
  Theme = 6;
  for (int expected : {7, 0, 1, 2, 3, 4, 5, 6}) {
    Choose(CmdColours);
    ASSERT_EQ(Theme, expected);
    EXPECT_EQ(Pixel(230, 30), LightColour(expected));
    EXPECT_EQ(Pixel(230, 300), DarkColour(expected));
  }
  EXPECT_EQ(Strip(), strip);
  EXPECT_TRUE(RecordedBoxes().empty());
}

TEST_F(Commands, PictureSizesAreSetRememberedAndConfirmed) {
  struct Case {
    int id;
    int32_t dpi;
    float size;
    const char *first;
  };
  const Case cases[] = {
      {CmdSmall, 1, 2.0f, "Picture size set to SMALL (2.0 inches)\n"},
      {CmdLarge, 3, 6.0f, "Picture size set to LARGE (6.0 inches)\n"},
      {CmdMedium, 2, 4.0f, "Picture size set to MEDIUM (4.0 inches)\n"},
  };
  for (const Case &k : cases) {
    SCOPED_TRACE(k.id);
    ClearRecords();
    Choose(k.id);
    EXPECT_EQ(Dpi, k.dpi);
    EXPECT_EQ(PicSiz, k.size);
    ExpectOneBox(hwnd,
                 std::string(k.first) + "Size effective only on inserting bmp in Word\n" +
                     "Your preference will be remembered\n",
                 "Picture Size", MB_OK | MB_ICONEXCLAMATION);
    int32_t dpi, show;
    float size;
    ReadBack(&dpi, &size, &show);
    EXPECT_EQ(dpi, k.dpi);
    EXPECT_EQ(size, k.size);
  }
}

TEST_F(Commands, CoordinatesSettingsAreSetRememberedAndConfirmed) {
  struct Case {
    int id;
    int32_t show;
    const char *caption, *text;
  };
  const Case cases[] = {
      {CmdNever, 0, "Coordinates Never",
       "Coords (a-h, 1-8) will not be shown\nYour preference will be remembered\n"},
      {CmdAlways, 1, "Coordinates Always",
       "Coords (a-h, 1-8) will be shown\nYour preference will be remembered\n"},
      {CmdAsk, 2, "Coordinates Ask",
       "You will be asked about Coordinates everytime\nThis setting will be remembered\n"},
  };
  for (const Case &k : cases) {
    SCOPED_TRACE(k.id);
    ClearRecords();
    Choose(k.id);
    EXPECT_EQ(ShowCoords, k.show);
    ExpectOneBox(hwnd, k.text, k.caption, MB_OK | MB_ICONEXCLAMATION);
    int32_t dpi, show;
    float size;
    ReadBack(&dpi, &size, &show);
    EXPECT_EQ(show, k.show);
  }
  // Nothing on screen changes: the board keeps its labels.
  EXPECT_NE(Pixel(300, 100), WindowBackground);
}

TEST_F(Commands, APreferenceThatCannotBeSavedIsReported) {
  // A folder where the preferences file should be: the write must fail.
  std::filesystem::create_directory(PrefsPath());
  Choose(CmdLarge);
  EXPECT_EQ(Dpi, 3);
  ASSERT_EQ(RecordedBoxes().size(), 2u);
  EXPECT_EQ(RecordedBoxes()[0].caption, "Picture Size");
  const BoxRecord &failure = RecordedBoxes()[1];
  EXPECT_EQ(failure.owner, hwnd);
  EXPECT_NE(failure.text.find(PrefsPath()), std::string::npos) << failure.text;
  EXPECT_NE(failure.text.find("could not be saved"), std::string::npos);
  EXPECT_EQ(failure.type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
  ClearRecords();
  Choose(CmdNever);
  ASSERT_EQ(RecordedBoxes().size(), 2u);
  EXPECT_EQ(RecordedBoxes()[0].caption, "Coordinates Never");
  EXPECT_NE(RecordedBoxes()[1].text.find(PrefsPath()), std::string::npos);
}

TEST_F(Commands, CustomSetsCustomAtOnceAndWritesNothingYet) {
  PicSiz = 4.0f;
  Choose(CmdCustom);
  EXPECT_EQ(Dpi, 0);
  EXPECT_EQ(PicSiz, 4.0f);
  EXPECT_FALSE(std::filesystem::exists(PrefsPath()));
  EXPECT_TRUE(RecordedBoxes().empty());
  EXPECT_EQ(TopLevelWindows("CustomSizeClass").size(), 1u);
}

TEST_F(Commands, PositionCommandsWriteTheirMessageAndRepaint) {
  Choose(CmdEmpty);
  for (int v : Pos) ASSERT_EQ(v, 0);
  EXPECT_EQ(NArrows, 0);
  ExpectStatus("Empty position");

  Choose(CmdTypical);
  EXPECT_EQ(NArrows, 1);
  EXPECT_EQ(Pos[4 * 8 + 1], WK);  // e2
  ExpectStatus("Immortal Game: Vellmark - Dorrantis, 1851");
  // Its arrow d6-e7 is on screen: the middle of the shaft from (3, 2) to (4, 1).
  EXPECT_EQ(Pixel((237 + 37 * 3 + 237 + 37 * 4) / 2, (37 + 37 * 2 + 37 + 37 * 1) / 2),
            ArrowColour);

  Choose(CmdFlip);
  EXPECT_EQ(Flipped, 1);
  EXPECT_EQ(Pos[3 * 8 + 6], WK);  // e2 seen from black's side
  EXPECT_EQ(std::vector<int>(Arr[0], Arr[0] + 4), (std::vector<int>{4, 5, 3, 6}));
  ExpectStatus("Position flipped");
  EXPECT_EQ(Pixel((237 + 37 * 4 + 237 + 37 * 3) / 2, (37 + 37 * 5 + 37 + 37 * 6) / 2),
            ArrowColour);

  Choose(CmdStart);
  EXPECT_EQ(NArrows, 0);
  EXPECT_EQ(Pos[3 * 8 + 7], WK);  // flipped start position: e1 at the top
  ExpectStatus("Start position");
  EXPECT_NE(Pixel((237 + 37 * 4 + 237 + 37 * 3) / 2, (37 + 37 * 5 + 37 + 37 * 6) / 2),
            ArrowColour);
  EXPECT_TRUE(RecordedBoxes().empty());
}

TEST_F(Commands, CheckLegalShowsTheReportInAnOwnerlessBox) {
  Choose(CmdEmpty);
  ClearRecords();
  Choose(CmdCheck);
  ExpectOneBox(nullptr, CheckPosition(0, 0).text, "Check Legal", MB_OK);
  EXPECT_TRUE(IsWindow(hwnd));
}

TEST_F(Commands, HelpAndAboutNameTheirPageAndOpenTheViewer) {
  Choose(CmdAbout);
  EXPECT_EQ(HFName, "about.htm");
  EXPECT_EQ(TopLevelWindows("HelpClass").size(), 1u);
  Choose(CmdHelp);
  EXPECT_EQ(HFName, "readme.htm");
  EXPECT_EQ(TopLevelWindows("HelpClass").size(), 2u);
  EXPECT_TRUE(RecordedBoxes().empty());
}

TEST_F(Commands, FileCommandsSetTheClipboardFlag) {
  ScriptFileAnswer("");  // cancel whatever dialog comes
  VClip = 1;
  Choose(CmdSaveBMP);
  EXPECT_EQ(VClip, 0);
  ScriptFileAnswer("");
  VClip = 1;
  Choose(CmdSaveHTM);
  EXPECT_EQ(VClip, 0);
  Choose(CmdClipboard);
  EXPECT_EQ(VClip, 1);
  EXPECT_EQ(BMPFile, folder + "/clip.bmp");
}

TEST_F(Commands, CancelledOpenLeavesTheBoard) {
  int32_t pos[64];
  std::memcpy(pos, Pos, sizeof pos);
  ScriptFileAnswer("");
  Choose(CmdOpenBRD);
  EXPECT_EQ(std::memcmp(pos, Pos, sizeof pos), 0);
  for (const FileDialogRecord &d : RecordedFileDialogs()) EXPECT_FALSE(d.save);
}

TEST_F(Commands, UnknownCommandsAndNotificationsAreIgnored) {
  SelPiece = WQ;
  SendMessage(hwnd, WM_COMMAND, MAKEWPARAM(9, 1), 0);  // a notification other than a click
  EXPECT_EQ(SelPiece, WQ);
  SendMessage(hwnd, WM_COMMAND, MAKEWPARAM(6001, 0), 0);  // no such tool
  EXPECT_EQ(SelPiece, WQ);
  SendMessage(hwnd, WM_COMMAND, MAKEWPARAM(12, 0), 0);
  EXPECT_EQ(SelPiece, BP);
}
