// The custom size window, opened from the main window's menu and answered by the script.
#include <string>
#include <vector>

#include "files/prefs.h"
#include "tests/gui/editor_fixture.h"

namespace {
constexpr COLORREF Background = RGB(255, 255, 240);
const std::string BoxTail =
    " inches\nSize effective only on inserting bmp in Word\nYour preference will be remembered\n";

class CustomSize : public EditorWindow {
 protected:
  // "&Custom" from the menu: the one custom size window.
  HWND ChooseCustom() {
    Choose(CmdCustom);
    std::vector<HWND> open = TopLevelWindows("CustomSizeClass");
    EXPECT_EQ(open.size(), 1u);
    return open.empty() ? nullptr : open[0];
  }
  static std::string Field(HWND w) { return WindowText(GetDlgItem(w, 8001)); }
  // Types text into the size field and presses "Ok".
  static void TypeAndOk(HWND w, const char *text) {
    ASSERT_NE(w, nullptr);
    SetWindowText(GetDlgItem(w, 8001), text);
    ClickButton(GetDlgItem(w, 8002));
    PumpMessages();
  }
};

TEST_F(CustomSize, OpensWithTheCurrentSizeToOneDecimal) {
  Settings().PicSiz = 2.75f;
  HWND w = ChooseCustom();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(WindowText(w), "Custom Size");
  EXPECT_EQ(ClientWidth(w), 340 - 8);
  EXPECT_EQ(ClientHeight(w), 185 - 38);
  EXPECT_EQ(Field(w), "2.8");
  EXPECT_EQ(WindowText(GetDlgItem(w, 8002)), "Ok");
  // The three painted lines sit in their bands; the strips between them are bare.
  auto inked = [&](int top, int bottom) {
    for (int y = top; y < bottom; y++)
      for (int x = 10; x < 190; x++)
        if (WindowPixel(w, x, y) != Background) return true;
    return false;
  };
  EXPECT_TRUE(inked(10, 27));
  EXPECT_FALSE(inked(29, 44));
  EXPECT_TRUE(inked(45, 62));
  EXPECT_TRUE(inked(70, 87));
  EXPECT_FALSE(inked(90, 104));
}

TEST_F(CustomSize, OkTakesASizeInRangeAndRefusesTheRest) {
  const std::string range = "The size must be between 1.0 and 6.0 inches.";
  auto notNumber = [](const std::string &text) {
    return "\"" + text + "\" is not a number.\nType the picture's width in inches, for example 2.5.";
  };
  struct Typed {
    const char *text;
    float stored;  // 0: refused
    std::string shown;  // the confirmation's size, or the refusal
  };
  const Typed cases[] = {
      {"2.75", 2.75f, "2.8"}, {" 5", 5.0f, "5.0"},   {"6.0", 6.0f, "6.0"},   {"1.0", 1.0f, "1.0"},
      {"0.5", 0, range},      {"7", 0, range},       {"-3", 0, range},       {"1e99", 0, range},
      {"1e999", 0, range},    {"abc", 0, notNumber("abc")}, {"", 0, notNumber("")},
      {"nan", 0, notNumber("nan")}, {"3.5 in", 0, notNumber("3.5 in")}, {"0x5", 0, notNumber("0x5")},
      // Only nine characters count: all of these, but not the 10th and 11th, nor an exponent
      // from the 10th.
      {"2.5000009", 2.5000009f, "2.5"}, {"000000003.5", 3.0f, "3.0"}, {"1.0000000e1", 1.0f, "1.0"},
  };
  for (const Typed &c : cases) {
    SCOPED_TRACE(c.text);
    Settings().PicSiz = 4.0f, Settings().Dpi = 2;
    HWND w = ChooseCustom();
    ClearRecords();
    TypeAndOk(w, c.text);
    ASSERT_EQ(RecordedBoxes().size(), 1u);
    if (c.stored == 0) {  // refused: the window stays open, nothing changes
      EXPECT_TRUE(IsWindow(w));
      EXPECT_EQ(Settings().PicSiz, 4.0f);
      EXPECT_EQ(Settings().Dpi, 2);
      ExpectBox(RecordedBoxes()[0], w, c.shown, "Custom Size", MB_OK | MB_ICONEXCLAMATION);
      DestroyWindow(w);
      continue;
    }
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(Settings().PicSiz, c.stored);
    EXPECT_EQ(Settings().Dpi, 0);
    EXPECT_TRUE(MenuItemChecked(hwnd, CmdCustom));
    ExpectBox(RecordedBoxes()[0], hwnd, "CUSTOM Picture size " + (c.shown + BoxTail),
              "Picture Size", MB_OK | MB_ICONEXCLAMATION);
  }
}

TEST_F(CustomSize, EnterIsOkEscapeCancelAndTheCloseBoxChangeNothing) {
  HWND w = ChooseCustom();
  SetWindowText(GetDlgItem(w, 8001), "2.5");
  PressKey(GetDlgItem(w, 8001), VK_RETURN, 0);
  PumpMessages();
  EXPECT_FALSE(IsWindow(w));
  EXPECT_EQ(Settings().PicSiz, 2.5f);
  EXPECT_EQ(Settings().Dpi, 0);
  Choose(CmdMedium);
  for (int way = 0; way < 3; way++) {
    SCOPED_TRACE(way);
    w = ChooseCustom();
    SetWindowText(GetDlgItem(w, 8001), "5.5");
    if (way == 0) PressKey(GetDlgItem(w, 8001), VK_ESCAPE, 0);
    if (way == 1) ClickButton(GetDlgItem(w, 8003));
    if (way == 2) {  // the close box, after commands that are no click of "Ok"
      SendMessage(w, WM_COMMAND, MAKEWPARAM(8002, 1), 0);
      SendMessage(w, WM_COMMAND, MAKEWPARAM(8001, 0), 0);
      EXPECT_TRUE(IsWindow(w));
      CloseBox(w);
    }
    PumpMessages();
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(Settings().PicSiz, 4.0f);
    EXPECT_EQ(Settings().Dpi, 2);
    EXPECT_TRUE(MenuItemChecked(hwnd, CmdMedium));
  }
  EXPECT_TRUE(IsWindow(hwnd));
  EXPECT_EQ(Field(ChooseCustom()), "4.0");  // a fresh window with the size in force
}

TEST_F(CustomSize, OneWindowWhateverHowOftenCustomIsChosen) {
  HWND w = ChooseCustom();
  SetWindowText(GetDlgItem(w, 8001), "5.25");
  Choose(CmdMedium);  // another size chosen meanwhile
  EXPECT_EQ(ChooseCustom(), w);
  EXPECT_EQ(Field(w), "5.25");  // what was typed stays
  Choose(CmdMedium);
  ClearRecords();
  ClickButton(GetDlgItem(w, 8002));
  PumpMessages();
  EXPECT_FALSE(IsWindow(w));
  EXPECT_EQ(Settings().Dpi, 0);  // "Ok" makes the size custom again
  EXPECT_EQ(Settings().PicSiz, 5.25f);
  ASSERT_EQ(RecordedBoxes().size(), 1u);
  EXPECT_EQ(RecordedBoxes()[0].text, "CUSTOM Picture size 5.2" + BoxTail);
  EXPECT_EQ(ReadWhole(PrefsPath(folder)),
            "Pic size (CUSTOM, SMALL, MEDIUM, LARGE):\r\nCUSTOM 5.25\r\n"
            "Coordinates (YES, NO, ASK):\r\nASK\r\n"
            "Window size (WIDTH HEIGHT):\r\n535 420\r\nRecent files:\r\n");
  EXPECT_EQ(Field(ChooseCustom()), "5.2");  // a new window shows the new size
}

}  // namespace
