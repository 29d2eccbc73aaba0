// The custom size window, opened from the main window's menu and answered by the script.
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
    return OnlyWindow("CustomSizeClass");
  }
  // The size field's text, and text typed into it.
  static std::string Field(HWND w) { return WindowText(GetDlgItem(w, 8001)); }
  static void Type(HWND w, const char *text) { SetWindowText(GetDlgItem(w, 8001), text); }
};

// It opens with the size in force to one decimal; "Ok" takes a size in range and refuses the rest.
TEST_F(CustomSize, OpensWithTheCurrentSizeAndOkTakesASizeInRangeAndRefusesTheRest) {
  Settings().PicSiz = 2.75f;
  HWND w = ChooseCustom();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(WindowText(w), "Custom Size");
  EXPECT_EQ(std::make_pair(ClientWidth(w), ClientHeight(w)), std::make_pair(340 - 8, 185 - 38));
  EXPECT_EQ(Field(w), "2.8");
  EXPECT_EQ(WindowText(GetDlgItem(w, 8002)), "Ok");
  // The three painted lines sit in their bands; the strips between them are bare.
  auto inked = [&](int top, int bottom) {
    for (int y = top; y < bottom; y++)
      for (int x = 10; x < 190; x++)
        if (WindowPixel(w, x, y) != Background) return true;
    return false;
  };
  for (auto [top, bottom, ink] : std::vector<std::tuple<int, int, bool>>{
           {10, 27, true}, {29, 44, false}, {45, 62, true}, {70, 87, true}, {90, 104, false}})
    EXPECT_EQ(inked(top, bottom), ink) << top;
  const std::string range = "The size must be between 1.0 and 6.0 inches.";
  auto notNumber = [](const std::string &text) {
    return "\"" + text + "\" is not a number.\nType the picture's width in inches, for example 2.5.";
  };
  // What is typed, the size stored (0: refused) and the confirmation's size or the refusal.
  const std::vector<std::tuple<const char *, float, std::string>> cases = {
      {"2.75", 2.75f, "2.8"}, {" 5", 5.0f, "5.0"},   {"6.0", 6.0f, "6.0"},   {"1.0", 1.0f, "1.0"},
      {"0.5", 0, range},      {"7", 0, range},       {"-3", 0, range},       {"1e99", 0, range},
      {"1e999", 0, range},    {"abc", 0, notNumber("abc")}, {"", 0, notNumber("")},
      {"nan", 0, notNumber("nan")}, {"3.5 in", 0, notNumber("3.5 in")}, {"0x5", 0, notNumber("0x5")},
      // Only nine characters count: all of these, but not the 10th and 11th, nor an exponent
      // from the 10th.
      {"2.5000009", 2.5000009f, "2.5"}, {"000000003.5", 3.0f, "3.0"}, {"1.0000000e1", 1.0f, "1.0"}};
  for (const auto &[text, stored, shown] : cases) {
    SCOPED_TRACE(text);
    Settings().PicSiz = 4.0f, Settings().Dpi = 2;
    w = ChooseCustom();
    ASSERT_NE(w, nullptr);
    ClearRecords();
    Type(w, text);
    ClickButton(GetDlgItem(w, 8002));
    PumpMessages();
    EXPECT_EQ(IsWindow(w), stored == 0);  // refused: the window stays open, nothing changes
    EXPECT_EQ(Settings().PicSiz, stored == 0 ? 4.0f : stored);
    EXPECT_EQ(Settings().Dpi, stored == 0 ? 2 : 0);
    if (stored == 0) {
      ExpectBox(w, shown, "Custom Size", MB_OK | MB_ICONEXCLAMATION);
      DestroyWindow(w);
    } else {
      EXPECT_TRUE(MenuItemChecked(hwnd, CmdCustom));
      ExpectBox(hwnd, "CUSTOM Picture size " + shown + BoxTail, "Picture Size",
                MB_OK | MB_ICONEXCLAMATION);
    }
  }
}

// One window, whatever how often Custom is chosen, what was typed kept; Escape, "Cancel" and the
// close box change nothing; Enter is "Ok"; a new window shows the size in force.
TEST_F(CustomSize, OneWindowWhoseEnterIsOkAndWhoseEscapeCancelAndCloseBoxChangeNothing) {
  Choose(CmdMedium);
  for (int way = 0; way < 3; way++) {
    SCOPED_TRACE(way);
    HWND w = ChooseCustom();
    Type(w, "5.5");
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
    EXPECT_EQ(std::make_pair(Settings().PicSiz, Settings().Dpi), std::make_pair(4.0f, 2));
    EXPECT_TRUE(MenuItemChecked(hwnd, CmdMedium));
  }
  EXPECT_TRUE(IsWindow(hwnd));
  HWND w = ChooseCustom();
  EXPECT_EQ(Field(w), "4.0");  // a fresh window with the size in force
  Type(w, "5.25");
  Choose(CmdMedium);  // another size chosen meanwhile
  EXPECT_EQ(ChooseCustom(), w);
  EXPECT_EQ(Field(w), "5.25");  // what was typed stays
  Choose(CmdMedium);
  ClearRecords();
  PressKey(GetDlgItem(w, 8001), VK_RETURN, 0);
  PumpMessages();
  EXPECT_FALSE(IsWindow(w));
  // "Ok" makes the size custom again.
  EXPECT_EQ(std::make_pair(Settings().PicSiz, Settings().Dpi), std::make_pair(5.25f, 0));
  ExpectBox(hwnd, "CUSTOM Picture size 5.2" + BoxTail, "Picture Size", MB_OK | MB_ICONEXCLAMATION);
  EXPECT_EQ(ReadWhole(PrefsPath(folder)),
            "Pic size (CUSTOM, SMALL, MEDIUM, LARGE):\r\nCUSTOM 5.25\r\n"
            "Coordinates (YES, NO, ASK):\r\nASK\r\n"
            "Window size (WIDTH HEIGHT):\r\n535 420\r\nRecent files:\r\n");
  EXPECT_EQ(Field(ChooseCustom()), "5.2");  // a new window shows the new size
}
}  // namespace
