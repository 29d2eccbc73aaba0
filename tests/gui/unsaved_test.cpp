// Unsaved work: Quit and Open over a diagram that differs from its file ask "Save changes to
// NAME?" (Save, Discard, Cancel) instead of going on; with nothing unsaved they do as before.
#include "files/brd.h"
#include "tests/gui/editor_fixture.h"

namespace {
constexpr UINT SaveQuestion = MB_SAVEDISCARDCANCEL | MB_ICONQUESTION;

struct Unsaved : EditorWindow {
  void Change() {
    Editor().SelPiece = WQ;
    ClickSquare(4, 4);
  }
  std::string In(const std::string &name) { return folder + "/" + name; }
  // What the position file holds after a save of the diagram as it is now.
  static std::string Saved() { return MakeBRDFile(Now(), SaveSettings(0)); }
};

// Without changes, No (the close box, unscripted) keeps the window and Yes quits; with changes,
// Cancel (unscripted, or the save dialog cancelled) keeps the window and the diagram, Discard
// quits, Save writes the new diagram's position file named in the dialog, then quits. Quitting
// destroys the window, frees its images and ends the loop with exit code 0.
TEST_F(Unsaved, QuitAsksToSaveChangesInsteadOfTheQuitQuestion) {
  struct Row {
    bool changed;
    std::vector<int> answers;
    const char *file;  // the save dialog's answer, "" none
    bool quits;
  };
  const Row rows[] = {{false, {}, "", false},          {false, {IDYES}, "", true},
                      {true, {}, "", false},           {true, {IDYES}, "", false},
                      {true, {IDNO}, "", true},        {true, {IDYES}, "q.txt", true}};
  for (const Row &r : rows) {
    SCOPED_TRACE(testing::PrintToString(r.answers) + r.file);
    if (!IsWindow(hwnd)) hwnd = CreateMainWindow(SW_SHOWNORMAL);
    if (r.changed && !DiagramModified()) Change();
    const Diagram shown = Now();
    ClearRecords();
    for (int answer : r.answers) ScriptBoxAnswer(answer);
    if (*r.file) ScriptFileAnswer(In(r.file));
    CloseBox(hwnd);
    PumpMessages();
    if (r.changed)
      ExpectBox(hwnd, "Save changes to Untitled?", "Unsaved changes", SaveQuestion);
    else
      ExpectBox(hwnd, "Are you sure you want to quit?", "Quit?", MB_YESNO | MB_ICONEXCLAMATION);
    EXPECT_EQ(RecordedFileDialogs().size(), r.answers == std::vector<int>{IDYES} && r.changed ? 1u : 0u);
    EXPECT_EQ(ReadWhole(In("q.brd")), *r.file ? Saved() : "");
    EXPECT_EQ(Now(), shown);
    ASSERT_EQ(IsWindow(hwnd), !r.quits);
    if (!r.quits) continue;
    EXPECT_EQ(MainWnd, nullptr);
    for (int i = 1; i < 16; i++) EXPECT_EQ(Pics[i], nullptr);
    MSG msg = {};
    EXPECT_EQ(GetMessage(&msg, nullptr, 0, 0), 0);
    EXPECT_EQ(msg.wParam, 0u);
  }
}

// Open over changes to an opened file: Cancel opens nothing, Discard goes on to the dialog,
// Save rewrites the file (no dialog: it has a name) and then goes on; the title follows.
TEST_F(Unsaved, OpenAsksToSaveChangesToTheFileFirst) {
  const std::string title = std::string(" - ") + MainTitle;
  WriteWhole(In("a.brd"), Saved());
  ASSERT_TRUE(OpenFileByName(hwnd, In("a.brd")));
  for (int answer : {IDCANCEL, IDNO, IDYES}) {
    SCOPED_TRACE(answer);
    Change();
    const std::string before = ReadWhole(In("a.brd"));
    ClearRecords();
    ScriptBoxAnswer(answer);
    ScriptFileAnswer("");  // the open dialog cancelled
    Choose(CmdOpenBRD);
    ExpectBox(hwnd, "Save changes to a.brd?", "Unsaved changes", SaveQuestion);
    EXPECT_EQ(RecordedFileDialogs().size(), answer == IDCANCEL ? 0u : 1u);
    EXPECT_EQ(ReadWhole(In("a.brd")), answer == IDYES ? Saved() : before);
    EXPECT_EQ(WindowText(hwnd), (answer == IDYES ? "a.brd" : "a.brd*") + title);
    Choose(CmdEmpty);
  }
}
}  // namespace
