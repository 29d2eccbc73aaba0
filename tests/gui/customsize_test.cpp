// The custom size window, driven through the window services with a scripted responder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "editor/editor.h"
#include "files/prefs.h"
#include "model/model.h"
#include "platform/testing.h"
#include "tests/gui/editor_fixture.h"

namespace {
namespace fs = std::filesystem;

constexpr COLORREF Background = RGB(255, 255, 240);
const char *const BoxTail =
    " inches\nSize effective only on inserting bmp in Word\nYour preference will be remembered\n";

std::string ReadAll(const fs::path &path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class CustomSize : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/bs-customsize-XXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    folder_ = name;
    StartFolder = folder_.string();
    Dpi = 2;
    PicSiz = 4.0f;
    ShowCoords = 2;
    UseScriptedResponder();
    ClearRecords();
    ASSERT_NE(RegisterCustomSizeWin(), 0);
  }
  void TearDown() override {
    ResetPlatform();
    std::error_code ec;
    fs::current_path("/", ec);
    fs::remove_all(folder_, ec);
  }

  // "&Custom" as the main window runs it.
  HWND ChooseCustom() {
    Dpi = 0;
    HWND w = CustomSizeWindow();
    PumpMessages();
    return w;
  }
  // Types text into the size field and presses "Ok".
  void TypeAndOk(HWND w, const char *text) {
    HWND field = GetDlgItem(w, 8001);
    ASSERT_NE(field, nullptr);
    SetWindowText(field, text);
    HWND ok = GetDlgItem(w, 8002);
    ASSERT_NE(ok, nullptr);
    ClickButton(ok);
    PumpMessages();
  }
  std::string Prefs() { return ReadAll(folder_ / "prefs.txt"); }

  fs::path folder_;
};

TEST_F(CustomSize, OpensWithTheCurrentSizeAndItsLayout) {
  HWND w = ChooseCustom();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(ClassName(w), "CustomSizeClass");
  EXPECT_EQ(WindowText(w), "Custom Size");
  EXPECT_EQ(ClientWidth(w), 340 - 8);
  EXPECT_EQ(ClientHeight(w), 185 - 38);
  HWND field = GetDlgItem(w, 8001);
  ASSERT_NE(field, nullptr);
  EXPECT_EQ(WindowText(field), "4.0");
  EXPECT_EQ(WindowText(GetDlgItem(w, 8002)), "Ok");
  EXPECT_EQ(Dpi, 0);  // set by the command, before anything is typed

  // The three painted lines sit in their bands; the strip between them is bare.
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

TEST_F(CustomSize, FieldShowsOneDecimal) {
  PicSiz = 2.75f;
  HWND w = ChooseCustom();
  EXPECT_EQ(WindowText(GetDlgItem(w, 8001)), "2.8");
}

struct Typed {
  const char *text;
  float stored;
  const char *shown;
};

TEST_F(CustomSize, OkClampsStoresConfirmsAndRemembers) {
  const Typed cases[] = {
      {"0.5", 1.0f, "1.0"},     {"7", 6.0f, "6.0"},         {"abc", 1.0f, "1.0"},
      {"2.75", 2.75f, "2.8"},   {"", 1.0f, "1.0"},          {"nan", 1.0f, "1.0"},
      {"inf", 1.0f, "1.0"},     {"-3", 1.0f, "1.0"},        {"1e99", 6.0f, "6.0"},
      {"1e300", 6.0f, "6.0"},   {"1e999", 6.0f, "6.0"},   {"1e-99", 1.0f, "1.0"},     {"-1e99", 1.0f, "1.0"},   {"3.5 in", 3.5f, "3.5"},    {" 5", 5.0f, "5.0"},
      {"0x5", 1.0f, "1.0"},     {"6.0", 6.0f, "6.0"},       {"1.0", 1.0f, "1.0"},
  };
  for (const Typed &c : cases) {
    SCOPED_TRACE(c.text);
    ClearRecords();
    PicSiz = 4.0f;
    HWND w = ChooseCustom();
    TypeAndOk(w, c.text);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_TRUE(TopLevelWindows("CustomSizeClass").empty());
    EXPECT_EQ(PicSiz, c.stored);
    EXPECT_EQ(Dpi, 0);
    ASSERT_EQ(RecordedBoxes().size(), 1u);
    const BoxRecord &box = RecordedBoxes()[0];
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_EQ(box.caption, "Picture Size");
    EXPECT_EQ(box.type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
    EXPECT_EQ(box.text, std::string("CUSTOM Picture size ") + c.shown + BoxTail);
  }
}

TEST_F(CustomSize, PreferencesKeepTwoDecimals) {
  TypeAndOk(ChooseCustom(), "2.75");
  EXPECT_EQ(PicSiz, 2.75f);
  EXPECT_EQ(Prefs(), "Pic size (CUSTOM, SMALL, MEDIUM, LARGE):\r\nCUSTOM 2.75\r\n"
                     "Coordinates (YES, NO, ASK):\r\nASK\r\n");
  // Read back at the next start.
  Dpi = 2;
  PicSiz = 4.0f;
  ReadPrefs();
  EXPECT_EQ(Dpi, 0);
  EXPECT_FLOAT_EQ(PicSiz, 2.75f);
}

TEST_F(CustomSize, OnlyNineCharactersCount) {
  TypeAndOk(ChooseCustom(), "2.5000009");  // exactly nine: all of it counts
  EXPECT_EQ(PicSiz, 2.5000009f);
  EXPECT_NE(PicSiz, 2.5f);
  TypeAndOk(ChooseCustom(), "000000003.5");  // the ".5" is the 10th and 11th character
  EXPECT_EQ(PicSiz, 3.0f);
  TypeAndOk(ChooseCustom(), "1.0000000e1");  // the exponent starts at the 10th character
  EXPECT_EQ(PicSiz, 1.0f);
  TypeAndOk(ChooseCustom(), "00000000025");  // nine zeros, then what would be 25
  EXPECT_EQ(PicSiz, 1.0f);
}

TEST_F(CustomSize, ClosingWithoutOkWritesNothing) {
  PicSiz = 4.0f;
  HWND w = ChooseCustom();
  SetWindowText(GetDlgItem(w, 8001), "5.5");
  CloseBox(w);
  PumpMessages();
  EXPECT_FALSE(IsWindow(w));
  EXPECT_TRUE(TopLevelWindows().empty());
  EXPECT_EQ(Dpi, 0);
  EXPECT_EQ(PicSiz, 4.0f);
  EXPECT_TRUE(RecordedBoxes().empty());
  EXPECT_FALSE(fs::exists(folder_ / "prefs.txt"));

  // The next "&Custom" opens a fresh window with the old size.
  HWND again = ChooseCustom();
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(WindowText(GetDlgItem(again, 8001)), "4.0");
}

TEST_F(CustomSize, SecondCustomBringsTheOpenWindowForward) {
  HWND first = ChooseCustom();
  SetWindowText(GetDlgItem(first, 8001), "3.25");
  HWND second = ChooseCustom();
  EXPECT_EQ(second, first);
  EXPECT_EQ(TopLevelWindows("CustomSizeClass").size(), 1u);
  // What was typed stays, and "Ok" reads it.
  EXPECT_EQ(WindowText(GetDlgItem(first, 8001)), "3.25");
  ClickButton(GetDlgItem(first, 8002));
  PumpMessages();
  EXPECT_EQ(PicSiz, 3.25f);
  EXPECT_TRUE(TopLevelWindows("CustomSizeClass").empty());
  // Once it is gone, "&Custom" opens a new one showing the new size.
  HWND third = ChooseCustom();
  ASSERT_NE(third, nullptr);
  EXPECT_EQ(WindowText(GetDlgItem(third, 8001)), "3.2");
  EXPECT_EQ(TopLevelWindows("CustomSizeClass").size(), 1u);
}

TEST_F(CustomSize, OkMakesTheSizeCustomEvenAfterAnotherSizeWasChosen) {
  HWND w = ChooseCustom();
  Dpi = 2;  // "&Medium" chosen while the window is open
  PicSiz = 4.0f;
  TypeAndOk(w, "2.5");
  EXPECT_EQ(Dpi, 0);
  EXPECT_EQ(PicSiz, 2.5f);
  EXPECT_NE(Prefs().find("\r\nCUSTOM 2.50\r\n"), std::string::npos);
}

TEST_F(CustomSize, OtherCommandsAreIgnored) {
  HWND w = ChooseCustom();
  SendMessage(w, WM_COMMAND, MAKEWPARAM(8002, 1), 0);  // not a click
  SendMessage(w, WM_COMMAND, MAKEWPARAM(8001, 0), 0);  // the field
  EXPECT_TRUE(IsWindow(w));
  EXPECT_EQ(PicSiz, 4.0f);
  EXPECT_TRUE(RecordedBoxes().empty());
}

TEST_F(CustomSize, UnwritablePreferencesAreReported) {
  StartFolder = (folder_ / "gone").string();  // a start folder that no longer exists
  TypeAndOk(ChooseCustom(), "3");
  EXPECT_EQ(PicSiz, 3.0f);
  ASSERT_EQ(RecordedBoxes().size(), 2u);
  const BoxRecord &failed = RecordedBoxes()[1];
  EXPECT_EQ(failed.caption, "Picture Size");
  EXPECT_NE(failed.text.find(PrefsPath()), std::string::npos) << failed.text;
  EXPECT_NE(failed.text.find("Cannot write"), std::string::npos) << failed.text;
  EXPECT_FALSE(fs::exists(folder_ / "gone"));
}
}  // namespace

// Through the main window's menu, as a user gets there.
namespace {
class CustomSizeFromMenu : public EditorWindow {};

TEST_F(CustomSizeFromMenu, OneWindowWhateverHowOftenCustomIsChosen) {
  Choose(CmdCustom);
  std::vector<HWND> open = TopLevelWindows("CustomSizeClass");
  ASSERT_EQ(open.size(), 1u);
  HWND w = open[0];
  SetWindowText(GetDlgItem(w, 8001), "5.25");
  Choose(CmdMedium);  // a size chosen meanwhile
  Choose(CmdCustom);
  EXPECT_EQ(TopLevelWindows("CustomSizeClass"), open);
  EXPECT_EQ(Dpi, 0);
  ClearRecords();
  ClickButton(GetDlgItem(w, 8002));
  PumpMessages();
  EXPECT_FALSE(IsWindow(w));
  EXPECT_TRUE(IsWindow(hwnd));
  EXPECT_EQ(PicSiz, 5.25f);
  ASSERT_EQ(RecordedBoxes().size(), 1u);
  EXPECT_EQ(RecordedBoxes()[0].text, std::string("CUSTOM Picture size 5.2") + BoxTail);
  EXPECT_NE(ReadAll(PrefsPath()).find("\r\nCUSTOM 5.25\r\n"), std::string::npos);
}
}  // namespace
