// FEN through the editor: pasting from the desktop clipboard, copying to it, the entry window,
// and the side-to-move items.
#include "chess/fen.h"

#include <string>
#include <vector>

#include "chess/diagram.h"
#include "tests/gui/editor_fixture.h"

namespace {
const std::string StartFEN = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

class FEN : public EditorWindow {
 protected:
  std::string Shown() { return WriteFEN(BoardFromDiagram(Now())); }
  std::vector<int> Men() { return std::vector<int>(Now().Pos, Now().Pos + 64); }
  HWND EntryWindow() {
    std::vector<HWND> open = TopLevelWindows("EnterFENClass");
    return open.size() == 1 ? open[0] : nullptr;
  }
};

// What the clipboard holds, and the position it gives or the reason it is refused.
struct Pasted {
  const char *text;
  const char *fen;     // null: refused
  const char *reason;  // the box's second line when refused
};
const Pasted PasteCases[] = {
    {"rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1\n",
     "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1", nullptr},
    {"[FEN \"r1bqkbnr/pppp1ppp/2n5/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R w KQkq - 2 3\"]",
     "r1bqkbnr/pppp1ppp/2n5/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R w KQkq - 2 3", nullptr},
    {"Study by a reader\r\nFEN: 8/8/8/4k3/8/8/4K3/7R, white wins", "8/8/8/4k3/8/8/4K3/7R w - - 0 1",
     nullptr},
    {"6k1/5ppp/8/8/8/8/5PPP/3R2K1 w - - bm Rd8#; id \"mate\";",
     "6k1/5ppp/8/8/8/8/5PPP/3R2K1 w - - 0 1", nullptr},
    {"", nullptr, "the clipboard holds no text"},
    {"hello, world", nullptr, "no FEN in the text"},
    {"see rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQz - 0 1", nullptr,
     "castling field 'KQz'"},
};

TEST_F(FEN, PasteTakesTheFirstFENOfTheClipboardInEitherOrientation) {
  for (int flipped : {0, 1}) {
    for (const Pasted &k : PasteCases) {
      SCOPED_TRACE(std::to_string(flipped) + ": " + k.text);
      Now().Flipped = 0;
      Choose(CmdTypical);  // men, an arrow, a marker
      Now().Pos[0] = DotMark;
      if (flipped) Choose(CmdFlip);
      Settings().Theme = 5;
      const std::vector<int> before = Men();
      CopyTextToClipboard(k.text);
      ClearRecords();
      if (flipped)
        Key('V', FCONTROL);
      else
        Choose(CmdPasteFEN);
      EXPECT_EQ(Now().Flipped, flipped);
      EXPECT_EQ(Settings().Theme, 5);
      if (k.fen) {
        EXPECT_TRUE(RecordedBoxes().empty());
        EXPECT_EQ(Shown(), k.fen);
        EXPECT_EQ(Now().NArrows, 0);
        for (int cell : Now().Pos) EXPECT_LT(cell, DotMark);
        ExpectStatus((std::string("FEN pasted, ") + (Now().SideToMove ? "black" : "white") +
                      " to move; arrows and markers cleared")
                         .c_str(),
                     true);
      } else {
        ASSERT_EQ(RecordedBoxes().size(), 1u);
        ExpectBox(RecordedBoxes()[0], hwnd, std::string("No position was pasted:\n") + k.reason,
                  "Paste FEN", MB_OK | MB_ICONEXCLAMATION);
        EXPECT_EQ(Men(), before);
        EXPECT_EQ(Now().NArrows, 1);
      }
    }
  }
}

TEST_F(FEN, SideToMoveItemsAndCopy) {
  EXPECT_TRUE(MenuItemChecked(hwnd, CmdWhiteToMove));
  EXPECT_FALSE(MenuItemChecked(hwnd, CmdBlackToMove));
  Choose(CmdBlackToMove);
  EXPECT_EQ(Now().SideToMove, 1);
  EXPECT_FALSE(MenuItemChecked(hwnd, CmdWhiteToMove));
  EXPECT_TRUE(MenuItemChecked(hwnd, CmdBlackToMove));
  ExpectStatus("Black to move", true);
  Choose(CmdFlip);  // the orientation does not change the FEN
  Key('C', FCONTROL | FSHIFT);
  const std::string black = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR b KQkq - 0 1";
  EXPECT_EQ(ClipboardText(1000), black);
  ExpectStatus(("FEN copied: " + black).c_str());
  Choose(CmdStart);  // a new position is white to move
  EXPECT_TRUE(MenuItemChecked(hwnd, CmdWhiteToMove));
  EXPECT_FALSE(MenuItemChecked(hwnd, CmdBlackToMove));
  Choose(CmdCopyFEN);
  EXPECT_EQ(ClipboardText(1000), StartFEN);
  // Undoing a paste brings back what the FEN said beyond the men too.
  CopyTextToClipboard("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR b Kq - 5 40");
  Choose(CmdPasteFEN);
  Key('Z', FCONTROL);
  Choose(CmdCopyFEN);
  EXPECT_EQ(ClipboardText(1000), StartFEN);
  EXPECT_TRUE(RecordedBoxes().empty());
}

TEST_F(FEN, EntryWindowKeepsTheTextAndSaysWhyItRefuses) {
  Choose(CmdEnterFEN);
  HWND w = EntryWindow();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(WindowText(GetDlgItem(w, 8101)), StartFEN);  // the diagram's FEN to start from
  const std::vector<int> before = Men();
  const std::string bad = "8/8/8/8/8/8/8/8 x - - 0 1";
  SetWindowText(GetDlgItem(w, 8101), bad.c_str());
  ClickButton(GetDlgItem(w, 8102));
  ASSERT_EQ(RecordedBoxes().size(), 1u);
  ExpectBox(RecordedBoxes()[0], w, "The position was not taken:\nside to move must be w or b",
            "Enter FEN", MB_OK | MB_ICONEXCLAMATION);
  EXPECT_TRUE(IsWindow(w));
  EXPECT_EQ(WindowText(GetDlgItem(w, 8101)), bad);
  EXPECT_EQ(Men(), before);
  EXPECT_NE(WindowPixel(w, 12, 70), RGB(255, 255, 240)) << "the reason is shown under the field";

  Choose(CmdEnterFEN);  // the same window, text kept
  EXPECT_EQ(EntryWindow(), w);
  ClickButton(GetDlgItem(w, 8103));  // "Cancel"
  EXPECT_FALSE(IsWindow(w));
  Choose(CmdEnterFEN);
  w = EntryWindow();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(WindowText(GetDlgItem(w, 8101)), bad);
  const std::string good = "4k3/8/8/8/8/8/8/R3K2R b KQ - 3 40";
  SetWindowText(GetDlgItem(w, 8101), good.c_str());
  PressKey(GetDlgItem(w, 8101), VK_RETURN, 0);  // Enter in the field is "Ok"
  PumpMessages();
  EXPECT_FALSE(IsWindow(w));
  EXPECT_EQ(Shown(), good);
  EXPECT_EQ(Now().Pos[4 * 8 + 0], WK);  // e1
  ExpectStatus("FEN entered, black to move", true);
  EXPECT_TRUE(MenuItemChecked(hwnd, CmdBlackToMove));
  EXPECT_EQ(RecordedBoxes().size(), 1u);
}
}  // namespace
