// The command-line exporter, run as a program on files in a temporary folder.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "chess/diagram.h"
#include "chess/fen.h"
#include "files/brd.h"
#include "files/htm.h"
#include "model/model.h"
#include "render/makebmp.h"
#include "tests/core/tempfolder.h"
#include "tests/core/testdiagram.h"

namespace {
struct Outcome {
  int status;
  std::string out, err;
};

std::string Quote(const std::string &arg) {
  std::string q = "'";
  for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

// "@" stands for the test's folder in arguments and texts.
std::string At(const std::string &text, const std::string &folder) {
  std::string out;
  for (char c : text) out += c == '@' ? folder + "/" : std::string(1, c);
  return out;
}

class Exporter : public ::testing::Test {
 protected:
  // Runs the exporter (or the program given) with "@" in arguments standing for the folder;
  // standard input from the file in (if any), standard output to out (if any).
  Outcome Run(const std::vector<std::string> &args, const std::string &in = "",
              const std::string &out = "", const std::string &program = BS_RUN_DIR "/boardsmith-export") {
    std::string command = Quote(program);
    // append, not +: g++ 12 warns falsely (-Wrestrict) on string sums in a Release build.
    for (const std::string &arg : args) command.append(" ").append(Quote(At(arg, folder_.Path())));
    if (!in.empty()) command.append(" <").append(Quote(in));
    command.append(" >").append(Quote(out.empty() ? logs_ / "out" : out));
    command.append(" 2>").append(Quote(logs_ / "err"));
    int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadWhole(logs_ / "out"), ReadWhole(logs_ / "err")};
  }

  // Writes the position file of a diagram and its settings.
  std::string Position(const std::string &name, const Diagram &diagram,
                       const PictureSettings &settings = {}) {
    std::string path = folder_ / name;
    WriteWhole(path, MakeBRDFile(diagram, settings));
    return path;
  }

  TempFolder folder_, logs_;
};

// The picture or page beside the position file or under the name given, with the file's
// coordinates or the option's: what the save commands write.
TEST_F(Exporter, PictureOrPageOfThePositionFile) {
  const Diagram diagram = Preset(TypicalPosition, 1);
  PictureSettings settings{.Dpi = 0, .PicSiz = 2.75f, .Theme = 4};
  auto canvas = std::make_unique<Canvas>();
  const struct {
    int fileCoords;
    std::vector<std::string> args;  // "@" stands for the folder
    const char *output;
    int coords;  // shown in the output
    bool page;
  } cases[] = {
      {1, {"@p.brd"}, "p.bmp", 1, false},
      {1, {"--coords=no", "@p.brd", "@plain.bmp"}, "plain.bmp", 0, false},
      {0, {"@p.brd", "@with.BMP", "--coords=YES"}, "with.BMP", 1, false},
      {1, {"@p.brd", "@p.htm"}, "p.htm", 1, true},
      {0, {"@p.brd", "@p.HTML"}, "p.HTML", 0, true},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.output);
    settings.Coords = c.fileCoords;
    Position("p.brd", diagram, settings);
    Outcome o = Run(c.args);
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.err, "");
    EXPECT_EQ(o.out, std::string(c.page ? "HTM" : "BMP") + " file saved with 0 errors and 0 warnings\n");
    // As the exporter reads it.
    std::optional<PositionFile> read = ReadBRDText(ReadWhole(folder_ / "p.brd"));
    ASSERT_TRUE(read);
    read->settings.Coords = c.coords;
    EXPECT_EQ(ReadWhole(folder_ / c.output), c.page ? MakeHTMFile(read->diagram, read->settings)
                                                    : MakeBMPFile(read->diagram, read->settings, *canvas));
    std::filesystem::remove(folder_ / c.output);
  }
  EXPECT_EQ(NamesIn(folder_.Path()), (std::set<std::string>{"p.brd"}));
}

// A write that fails at the disk (here the sync) keeps the old picture and says why.
TEST_F(Exporter, FailedWrites) {
  std::string brd = Position("s.brd", Preset(StartPosition)), output = folder_ / "s.bmp";
  WriteWhole(output, "old");
  setenv("BS_WRITE_FAULT", "sync 1 5", 1);
  Outcome o = Run({brd}, "", "", BS_FAULTY_EXPORT);
  unsetenv("BS_WRITE_FAULT");
  EXPECT_EQ(o.status, 1);
  EXPECT_EQ(o.out, "");
  EXPECT_EQ(o.err, "boardsmith-export: cannot write " + output + ": Input/output error\n");
  EXPECT_EQ(ReadWhole(output), "old");
  EXPECT_EQ(NamesIn(folder_.Path()), (std::set<std::string>{"s.brd", "s.bmp"}));

  // Standard output that cannot be written: the picture is written (exit 0) and the lost report
  // is said; FEN lines that are lost fail the run.
  o = Run({brd, folder_ / "s.bmp"}, "", "/dev/full");
  EXPECT_EQ(o.status, 0);
  EXPECT_EQ(o.err, "boardsmith-export: cannot write the check's report to standard output: "
                   "No space left on device\n");
  EXPECT_EQ(ReadWhole(folder_ / "s.bmp").size(), 45054u);
  o = Run({"--print-fen", brd}, "", "/dev/full");
  EXPECT_EQ(o.status, 1);
  EXPECT_EQ(o.err, "boardsmith-export: cannot write the FEN lines to standard output: "
                   "No space left on device\n");
}

const char StartFEN[] = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";
const char Games[] =
    "[Event \"one\"]\n\n1. e4 e5 2. Nf3 *\n\n[Event \"two\"]\n\n1. d4 Qxh7 *\n";
const char List[] =
    "# three positions\n4k3/8/8/8/8/8/8/R3K2R b KQ -\n\n"
    "rnbqkbnr/ppppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w - - 0 1\n  7k/8/8/8/8/8/8/RRR1K3 w - - 0 1\n";

const char Usage[] = "Usage: boardsmith-export [--coords=yes|no] POSITION.brd [OUTPUT]";

// Command lines and what they give: exit status, standard error (a part of it) and output.
struct Line {
  std::vector<std::string> args;
  int status;
  std::string err, out;
  std::string in = "";  // a file of the folder for standard input
};
const Line Lines[] = {
    {{}, 2, Usage, ""},
    {{"--coords=maybe", "@s.brd"}, 2, Usage, ""},
    {{"--colour=red", "@s.brd"}, 2, Usage, ""},
    {{"@s.brd", "@x.gif"}, 2, Usage, ""},
    {{"@s.brd", "@x"}, 2, Usage, ""},
    {{"@s.brd", "@a.bmp", "@b.bmp"}, 2, Usage, ""},
    {{"--theme=9", "@s.brd"}, 2, "boardsmith-export: --theme takes 0..7, not \"9\"\n", ""},
    {{"--arrow=e2f5", "@s.brd"}, 2,
     "--arrow=e2f5 is not along a rank, file or diagonal, nor a knight's move\n", ""},
    {{"--arrow", "e4e4", "@s.brd"}, 2, "--arrow=e4e4 starts and ends on one square\n", ""},
    {{"--size=6.5", "@s.brd"}, 2, "--size takes small|medium|large|INCHES, not \"6.5\"\n", ""},
    {{"--pieces=", "@s.brd"}, 2, "--pieces takes classic|FAMILY|FILE.ttf|FILE.otf, not \"\"\n", ""},
    {{"--px=300", "@s.brd", "@x.bmp"}, 2, "--px sets the width of a PNG (a .png output)\n", ""},
    {{"--pieces=/nowhere/men.ttf", "@s.brd", "@x.png"}, 1,
     "boardsmith-export: cannot write @x.png: The font /nowhere/men.ttf cannot be read as a font.\n", ""},
    {{"@s.brd", "-j"}, 2, "-j needs a value: N\n", ""},
    {{"--print-fen=yes", "@s.brd"}, 2, "--print-fen takes no value\n", ""},
    {{"--fen=8/8/8/8/8/8/8/8"}, 2, "need OUTPUT or -o PATTERN\n", ""},
    {{"@l.fen", "@x.bmp"}, 2, "OUTPUT names one file, but the inputs give many positions", ""},
    {{"-o", "@{num}.bmp", "@s.brd"}, 2, "knows {n}, {name}, {game} and {ply}, not {num}\n", ""},
    {{"--report=@r.txt", "@s.brd"}, 2, "--report takes FILE.json|FILE.csv, not", ""},
    {{"--every-ply", "--ply=2", "@g.pgn"}, 2, "--ply chooses one position, --every-ply all", ""},
    // Refused FEN: exit 1, the reason, no file (the reasons are fen_test.cpp's).
    {{"--fen=rnbqkbnr/ppppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w - - 0 1", "@o.bmp"}, 1,
     "boardsmith-export: --fen: rank 7 has 9 squares\n", ""},
    {{"--fen=", "@o.bmp"}, 1, "boardsmith-export: --fen: the text is empty\n", ""},
    {{"@nul.fen", "-o", "@{n}.bmp"}, 1, "boardsmith-export: @nul.fen:1: character 0x00 at column 4\n", ""},
    // FEN of a position file, a FEN, games and standard input.
    {{"--print-fen", "@s.brd"}, 0, "", std::string(StartFEN) + "\n"},
    {{"--print-fen", "--fen", "4k3/8/8/8/8/8/8/4K3 b - -"}, 0, "", "4k3/8/8/8/8/8/8/4K3 b - - 0 1\n"},
    {{"--print-fen", "--ply=1", "@g.pgn"}, 0, "",
     "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1\n"},
    {{"--print-fen", "--every-ply", "@g.pgn"}, 1,
     "boardsmith-export: @g.pgn: line 7, game 2, move 1...: Qxh7 is illegal\n",
     std::string(StartFEN) + "\nrnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1\n"
     "rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR w KQkq e6 0 2\n"
     "rnbqkbnr/pppp1ppp/8/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R b KQkq - 1 2\n"},
    {{"--print-fen", "--game=3", "@g.pgn"}, 1, "@g.pgn: no game 3: the file holds 2 games\n", ""},
    {{"--print-fen", "-"}, 1, "boardsmith-export: stdin:4: rank 7 has 9 squares\n",
     "4k3/8/8/8/8/8/8/R3K2R b KQ - 0 1\n7k/8/8/8/8/8/8/RRR1K3 w - - 0 1\n", "l.fen"},
    {{"--print-fen", "-"}, 0, "", std::string(StartFEN) + "\n", "s.brd"},
    // The check's report; inputs that cannot be read (what the reader refuses is brd_test.cpp's);
    // a position file is never overwritten by its own picture.
    {{"@pawn.brd"}, 0, "",
     "? White has no king\n? Black has no king\n? White pawn on 1st rank\n"
     "BMP file saved with 3 errors and 0 warnings\n"},
    {{"@garbage.brd", "@out.bmp"}, 1,
     "boardsmith-export: cannot read @garbage.brd: It is not a position file: it holds binary data.\n", ""},
    {{"@missing.brd", "@out.bmp"}, 1, "boardsmith-export: cannot read @missing.brd: No such file or directory\n", ""},
    {{"@", "@out.bmp"}, 1, "boardsmith-export: cannot read @: It is not a regular file.\n", ""},
    {{"@self.bmp"}, 1, "boardsmith-export: cannot write @self.bmp: it is the position file being read\n", ""},
};

TEST_F(Exporter, CommandLines) {
  Position("s.brd", Preset(StartPosition));
  Position("self.bmp", Preset(StartPosition));
  Diagram pawn;  // no kings, a white pawn on a1
  pawn.Pos[0] = WP;
  Position("pawn.brd", pawn);
  std::string garbage;
  for (int i = 0; i < 5000; i++) garbage += static_cast<char>(i * 131 % 256);
  WriteWhole(folder_ / "garbage.brd", garbage);
  WriteWhole(folder_ / "g.pgn", Games);
  WriteWhole(folder_ / "l.fen", List);
  WriteWhole(folder_ / "nul.fen", std::string("abc\0def\n", 8));
  for (const Line &line : Lines) {
    Outcome o = Run(line.args, line.in.empty() ? "" : folder_ / line.in);
    std::string err = At(line.err, folder_.Path());
    const std::string first = line.args.empty() ? "" : line.args[0];
    EXPECT_EQ(o.status, line.status) << first << " " << o.err;
    EXPECT_TRUE(err.empty() ? o.err.empty() : o.err.find(err) != std::string::npos) << o.err;
    EXPECT_EQ(o.err.find("Usage: boardsmith-export") != std::string::npos, line.status == 2);
    EXPECT_EQ(o.out, line.out) << first;
  }
  EXPECT_EQ(NamesIn(folder_.Path()), (std::set<std::string>{"s.brd", "g.pgn", "l.fen", "nul.fen", "self.bmp",
                                                             "pawn.brd", "pawn.bmp", "garbage.brd"}));
  EXPECT_EQ(ReadWhole(folder_ / "self.bmp"), ReadWhole(folder_ / "s.brd"));

  Outcome help = Run({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("Usage: ", 0), 0u);
  for (const char *name : {"fen", "output", "coords", "flip", "theme", "size", "arrow", "dot",
                           "cross", "game", "ply", "every-ply", "print-fen", "style", "px", "pieces", "page",
                           "jobs", "report", "quiet", "help"})
    EXPECT_NE(help.out.find(std::string("--") + name), std::string::npos) << name;
}

TEST_F(Exporter, FENWithMarkersDrawsAsThePositionFile) {
  const char fen[] = "r1bqkbnr/pppp1ppp/2n5/4p3/2B1P3/5N2/PPPP1PPP/RNBQK2R b KQkq - 3 3";
  Board board;
  ASSERT_TRUE(ReadFEN(fen, &board, nullptr));
  Diagram diagram{.Flipped = 1};
  DiagramFromBoard(board, diagram);
  // Seen from black's side: g1-f3 and c1-h6 (columns from the left, rows from the top), a dot
  // on d4 and a cross on d5.
  const int32_t arrows[2][4] = {{1, 0, 2, 2}, {5, 0, 0, 5}};
  diagram.NArrows = 2;
  std::memcpy(diagram.Arr, arrows, sizeof arrows);
  diagram.Pos[4 * 8 + 4] = DotMark, diagram.Pos[4 * 8 + 3] = CrossMark;
  const PictureSettings coords{.Coords = 1};
  std::string brd = Position("p.brd", diagram, coords);
  EXPECT_EQ(Run({brd, folder_ / "file.bmp"}).status, 0);
  Outcome o = Run({"--fen", fen, "--flip=yes", "--coords=yes", "--arrow=g1f3", "--arrow=c1-h6",
                   "--dot=d4", "--cross=D5", folder_ / "fen.bmp"});
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.out, "BMP file saved with 0 errors and 0 warnings\n");
  EXPECT_EQ(ReadWhole(folder_ / "fen.bmp"), ReadWhole(folder_ / "file.bmp"));
  EXPECT_EQ(ReadWhole(folder_ / "fen.bmp").size(), 49982u);
  // The same diagram from white's side, turned round by --flip.
  FlipPosition(diagram);
  std::string white = Position("white.brd", diagram, coords);
  EXPECT_EQ(Run({"--flip=yes", white, folder_ / "turned.bmp"}).status, 0);
  EXPECT_EQ(ReadWhole(folder_ / "turned.bmp"), ReadWhole(folder_ / "file.bmp"));
}

TEST_F(Exporter, BatchOfAListWithABadLine) {
  std::string list = folder_ / "l.fen";
  WriteWhole(list, List);
  for (const std::string j : {"1", "2"}) {
    Outcome o = Run({"-j", j, list, "-o", folder_ / ("j" + j + "/"),
                     "--report=" + folder_ / ("r" + j + (j == "1" ? ".json" : ".csv"))});
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "boardsmith-export: " + list + ":4: rank 7 has 9 squares\n");
    EXPECT_EQ(o.out, "2 of 3 diagrams written; their checks found 0 errors and 1 warnings\n");
  }
  EXPECT_EQ(NamesIn(folder_ / "j2"), (std::set<std::string>{"l-1.bmp", "l-3.bmp"}));
  // Each picture is the single export of its line, whatever the threads.
  const char *fens[] = {"4k3/8/8/8/8/8/8/R3K2R b KQ -", "7k/8/8/8/8/8/8/RRR1K3 w - - 0 1"};
  for (int i = 0; i < 2; i++) {
    std::string name = i ? "l-3.bmp" : "l-1.bmp";
    EXPECT_EQ(Run({"--fen", fens[i], folder_ / "one.bmp"}).status, 0);
    EXPECT_EQ(ReadWhole(folder_ / ("j1/" + name)), ReadWhole(folder_ / "one.bmp")) << name;
    EXPECT_EQ(ReadWhole(folder_ / ("j2/" + name)), ReadWhole(folder_ / "one.bmp")) << name;
  }
  EXPECT_EQ(ReadWhole(folder_ / "r1.json"), At(
      "[\n"
      "{\"input\": \"@l.fen:2\", \"output\": \"@j1/l-1.bmp\", \"fen\": \"4k3/8/8/8/8/8/8/R3K2R b KQ - 0 1\", "
      "\"errors\": 0, \"warnings\": 0, \"lines\": [], \"written\": true, \"failure\": null},\n"
      "{\"input\": \"@l.fen:4\", \"output\": \"\", \"fen\": \"\", \"errors\": 0, \"warnings\": 0, "
      "\"lines\": [], \"written\": false, \"failure\": \"@l.fen:4: rank 7 has 9 squares\"},\n"
      "{\"input\": \"@l.fen:5\", \"output\": \"@j1/l-3.bmp\", \"fen\": \"7k/8/8/8/8/8/8/RRR1K3 w - - 0 1\", "
      "\"errors\": 0, \"warnings\": 1, \"lines\": [\"! White has more than 2 rooks\"], "
      "\"written\": true, \"failure\": null}\n]\n", folder_.Path()));
  EXPECT_EQ(ReadWhole(folder_ / "r2.csv"), At(
      "input,output,fen,errors,warnings,lines,written,failure\n"
      "\"@l.fen:2\",\"@j2/l-1.bmp\",\"4k3/8/8/8/8/8/8/R3K2R b KQ - 0 1\",0,0,\"\",yes,\"\"\n"
      "\"@l.fen:4\",\"\",\"\",0,0,\"\",no,\"@l.fen:4: rank 7 has 9 squares\"\n"
      "\"@l.fen:5\",\"@j2/l-3.bmp\",\"7k/8/8/8/8/8/8/RRR1K3 w - - 0 1\",0,1,"
      "\"! White has more than 2 rooks\",yes,\"\"\n", folder_.Path()));
}
}  // namespace
