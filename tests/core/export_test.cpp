// The command-line exporter, run as a program on files in a temporary folder.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zlib.h>

#include <cstdio>
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
#include "exporter/pattern.h"
#include "files/brd.h"
#include "files/htm.h"
#include "model/model.h"
#include "render/makebmp.h"
#include "tests/core/chromium.h"
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

  // Starts the exporter with standard input and output from descriptors (-1: /dev/null) and
  // standard error to the log; Finish waits for its exit status.
  pid_t Start(const std::vector<std::string> &args, int in = -1, int out = -1) {
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    for (int fd : {0, 1})
      if ((fd ? out : in) >= 0) posix_spawn_file_actions_adddup2(&files, fd ? out : in, fd);
      else posix_spawn_file_actions_addopen(&files, fd, "/dev/null", O_RDWR, 0);
    posix_spawn_file_actions_addopen(&files, 2, (logs_ / "err").c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<std::string> all = {"boardsmith-export"};
    for (const std::string &arg : args) all.push_back(At(arg, folder_.Path()));
    std::vector<char *> argv;
    for (std::string &arg : all) argv.push_back(arg.data());
    argv.push_back(nullptr);
    // The stop signals as a shell gives them, whatever the test runner ignores or blocks.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t stops, none;
    sigemptyset(&stops), sigemptyset(&none);
    for (int s : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) sigaddset(&stops, s);
    posix_spawnattr_setsigdefault(&attributes, &stops);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    pid_t pid = -1;
    posix_spawn(&pid, BS_RUN_DIR "/boardsmith-export", &files, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&files);
    posix_spawnattr_destroy(&attributes);
    return pid;
  }
  static int Finish(pid_t pid) {
    int raw = 0;
    waitpid(pid, &raw, 0);
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
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

const char Usage[] = "Usage: boardsmith-export [OPTIONS] INPUT... [OUTPUT | -o PATTERN]\n"
                     "  or:  boardsmith-export [--coords=yes|no] POSITION.brd [OUTPUT]\n";

std::string StopName(int signal) {
  return signal == SIGINT    ? "SIGINT"
         : signal == SIGTERM ? "SIGTERM"
         : signal == SIGHUP  ? "SIGHUP"
                             : "SIGPIPE";
}

// Command lines and what they give: exit status, standard error (a part of it) and output.
struct Line {
  std::vector<std::string> args;
  int status;
  std::string err, out;
  std::string in = "";  // a file of the folder for standard input
};
const Line Lines[] = {
    {{}, 2, "no input given: name a file, give --fen=FEN, or - for standard input\n", ""},
    {{"--version"}, 0, "", std::string("boardsmith-export ") + BS_VERSION + "\n"},
    {{"--coords=maybe", "@s.brd"}, 2, Usage, ""},
    {{"--colour=red", "@s.brd"}, 2, Usage, ""},
    {{"@s.brd", "@x.tif"}, 2, Usage, ""},
    {{"@s.brd", "@x"}, 2, Usage, ""},
    {{"@s.brd", "@a.bmp", "@b.bmp"}, 2, Usage, ""},
    {{"--theme=9", "@s.brd"}, 2, "boardsmith-export: --theme takes 0..7, not \"9\"\n", ""},
    {{"--arrow=e2f5", "@s.brd"}, 2,
     "--arrow=e2f5 is not along a rank, file or diagonal, nor a knight's move\n", ""},
    {{"--arrow", "e4e4", "@s.brd"}, 2, "--arrow=e4e4 starts and ends on one square\n", ""},
    {{"--size=6.5", "@s.brd"}, 2, "--size takes small|medium|large or 1.0..6.0 (inches), not \"6.5\"\n", ""},
    {{"--px=4", "--style=colour", "@s.brd", "@o.png"}, 2, "--px takes 8..4096, not \"4\"\n", ""},
    {{"-j", "0", "@s.brd"}, 2, "-j takes 1..256, not \"0\"\n", ""},
    {{"--pieces=", "@s.brd"}, 2, "--pieces takes classic|FAMILY|FILE.ttf|FILE.otf, not \"\"\n", ""},
    {{"--px=300", "@s.brd", "@x.bmp"}, 2,
     "--px sets the width of a PNG, or of a colour GIF (--style=colour and a .gif output)\n", ""},
    {{"--pieces=/nowhere/men.ttf", "@s.brd", "@x.png"}, 1,
     "boardsmith-export: cannot write @x.png: The font /nowhere/men.ttf cannot be read as a font.\n", ""},
    {{"@s.brd", "-j"}, 2, "-j needs a value: N\n", ""},
    {{"--print-fen=yes", "@s.brd"}, 2, "--print-fen takes no value or =labelled, not \"yes\"\n", ""},
    {{"--game=3-2", "@g.pgn", "@x.bmp"}, 2, "--game takes N|N-M|all (games from 1, N <= M), not \"3-2\"\n", ""},
    {{"--game=all", "@g.pgn", "@x.bmp"}, 2, "OUTPUT names one file, but the inputs give many positions", ""},
    {{"--variations", "@g.pgn", "@x.bmp"}, 2, "--variations adds the variations' positions to --every-ply", ""},
    {{"--every-ply", "--variations", "@g.pgn", "@x.gif"}, 2, "an animated game shows its main line", ""},
    {{"--delay=500", "@s.brd", "@x.gif"}, 2, "--delay times the frames of an animated game", ""},
    {{"--every-ply", "--delay=5", "@g.pgn", "@x.gif"}, 2, "--delay takes 20..10000, not \"5\"\n", ""},
    {{"--fen=8/8/8/8/8/8/8/8"}, 2, "need OUTPUT or -o PATTERN\n", ""},
    {{"@l.fen", "@x.bmp"}, 2, "OUTPUT names one file, but the inputs give many positions", ""},
    {{"-o", "@{num}.bmp", "@s.brd"}, 2, "knows {n}, {name}, {game}, {ply} and {line}, a number's width "
     "1..9 as in {ply:3}, not {num}\n", ""},
    {{"-o", "@{name:2}{n:0}.bmp", "@s.brd"}, 2, "not {name:2}\n", ""},
    {{"--report=@r.txt", "@s.brd"}, 2, "--report takes FILE.json|FILE.csv, not", ""},
    {{"--every-ply", "--ply=2", "@g.pgn"}, 2, "--ply chooses one position, --every-ply all", ""},
    // Refused FEN: exit 1, the reason, no file (the reasons are fen_test.cpp's).
    {{"--fen=rnbqkbnr/ppppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w - - 0 1", "@o.bmp"}, 1,
     "boardsmith-export: --fen: rank 7 has 9 squares\n", ""},
    {{"--fen=", "@o.bmp"}, 1, "boardsmith-export: --fen: the text is empty\n", ""},
    {{"@nul.fen", "-o", "@{n}.bmp"}, 1,
     "boardsmith-export: cannot read @nul.fen: it is not text (byte 4 is 0x00)\n", ""},
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
    {{"--print-fen", "--game=all", "@g.pgn"}, 1, "@g.pgn: line 7, game 2, move 1...: Qxh7 is illegal\n",
     "rnbqkbnr/pppp1ppp/8/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R b KQkq - 1 2\n"},
    {{"--print-fen", "--every-ply", "@empty.pgn"}, 1, "boardsmith-export: @empty.pgn: no games\n", ""},
    {{"--print-fen", "@empty.fen"}, 1, "boardsmith-export: @empty.fen: no positions\n", ""},
    // Games as the file has them: a damaged tag, a comment holding [, a byte-order mark
    // mid-file, lenient moves, null moves, a variant refused by name, Chess960 (FEN as X-FEN),
    // a FEN with more men than promotions give; every game keeps the file's number.
    {{"--print-fen=labelled", "--game=all", "@edges.pgn"}, 1,
     "boardsmith-export: @edges.pgn: line 2, game 1: tag White is not closed with ]\n"
     "boardsmith-export: @edges.pgn: line 23, game 5: the variant Atomic is not supported\n"
     "boardsmith-export: @edges.pgn: line 39, game 8: tag FEN: White has 3 queens and 8 pawns: "
     "at most 0 promoted men\n"
     "boardsmith-export: @edges.pgn: line 43, game 9: tag Event: the value is not closed\n",
     "@edges.pgn\tgame 2\tply 4\tline main\trnbqkbnr/ppp2ppp/4p3/3p4/2PP4/8/PP2PPPP/RNBQKBNR w KQkq - 0 3\n"
     "@edges.pgn\tgame 3\tply 12\tline main\tr1bqk2r/ppp1bppp/2n2n2/3pp3/8/2PP1NP1/PP2PPBP/RNBQ1RK1 w kq - 3 7\n"
     "@edges.pgn\tgame 4\tply 9\tline main\trQbqkb1r/pp2pppp/5n2/8/8/8/PPPP1PPP/RNBQKBNR b KQkq - 0 5\n"
     "@edges.pgn\tgame 6\tply 4\tline main\t2kr3r/ppp1pppp/8/3p4/3P4/8/PPP1PPPP/R4RK1 w - d6 0 3\n"
     "@edges.pgn\tgame 7\tply 2\tline main\t2kr3r/pppppppp/8/8/8/8/PPPPPPPP/R4RK1 w - - 2 2\n"
     "@edges.pgn\tgame 10\tply 1\tline main\trnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1\n"
     "@edges.pgn\tgame 11\tply 0\tline main\t" + std::string(StartFEN) + "\n"
     "@edges.pgn\tgame 12\tply 1\tline main\trnbqkbnr/pppppppp/8/8/3P4/8/PPP1PPPP/RNBQKBNR b KQkq d3 0 1\n"},
    {{"--print-fen", "--game=6", "--ply=0", "@edges.pgn"}, 0, "", "rk5r/pppppppp/8/8/8/8/PPPPPPPP/RK5R w KQkq - 0 1\n"},
    {{"--print-fen", "--fen=rk4r1/pppppppp/8/8/8/8/PPPPPPPP/RK4R1 w GAga - 0 1"}, 0, "",
     "rk4r1/pppppppp/8/8/8/8/PPPPPPPP/RK4R1 w KQkq - 0 1\n"},
    {{"--print-fen", "--dot=e4", "--fen=rk4r1/pppppppp/8/8/8/8/PPPPPPPP/RK4R1 w GAga - 0 1"}, 0, "",
     "rk4r1/pppppppp/8/8/8/8/PPPPPPPP/RK4R1 w KQkq - 0 1\n"},  // through the diagram
    // Variations after the main line, depth-first; a null move said by the check.
    {{"--print-fen=labelled", "--every-ply", "--variations", "@v.pgn"}, 0, "",
     "@v.pgn\tgame 1\tply 0\tline main\t" + std::string(StartFEN) + "\n"
     "@v.pgn\tgame 1\tply 1\tline main\trnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1\n"
     "@v.pgn\tgame 1\tply 2\tline main\trnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR w KQkq e6 0 2\n"
     "@v.pgn\tgame 1\tply 1\tline 1\trnbqkbnr/pppppppp/8/8/3P4/8/PPP1PPPP/RNBQKBNR b KQkq d3 0 1\n"
     "@v.pgn\tgame 1\tply 2\tline 1\trnbqkbnr/ppp1pppp/8/3p4/3P4/8/PPP1PPPP/RNBQKBNR w KQkq d6 0 2\n"
     "@v.pgn\tgame 1\tply 2\tline 1.1\trnbqkb1r/pppppppp/5n2/8/3P4/8/PPP1PPPP/RNBQKBNR w KQkq - 1 2\n"},
    {{"--game=4", "--ply=2", "@edges.pgn", "@null.bmp"}, 0, "",
     "! The last move was a null move\nBMP file saved with 0 errors and 1 warnings\n"},
    {{"--print-fen", "-"}, 1, "boardsmith-export: stdin:4: rank 7 has 9 squares\n",
     "4k3/8/8/8/8/8/8/R3K2R b KQ - 0 1\n7k/8/8/8/8/8/8/RRR1K3 w - - 0 1\n", "l.fen"},
    {{"--print-fen", "-"}, 0, "", std::string(StartFEN) + "\n", "s.brd"},
    {{"--print-fen", "@l.txt"}, 1, "boardsmith-export: @l.txt:4: rank 7 has 9 squares\n",  // by content
     "4k3/8/8/8/8/8/8/R3K2R b KQ - 0 1\n7k/8/8/8/8/8/8/RRR1K3 w - - 0 1\n"},
    // The check's report; inputs that cannot be read (what the reader refuses is brd_test.cpp's);
    // a position file is never overwritten by its own picture.
    {{"@pawn.brd"}, 0, "",
     "? White has no king\n? Black has no king\n? White pawn on 1st rank\n"
     "BMP file saved with 3 errors and 0 warnings\n"},
    {{"@garbage.brd", "@out.bmp"}, 1,
     "boardsmith-export: cannot read @garbage.brd: It is not a position file: it holds binary data.\n", ""},
    {{"@missing.brd", "@out.bmp"}, 1, "boardsmith-export: cannot read @missing.brd: No such file or directory\n", ""},
    {{"@", "@out.bmp"}, 1, "boardsmith-export: cannot read @: It is not a regular file.\n", ""},
    {{"@self.bmp"}, 1,
     "boardsmith-export: cannot write @self.bmp: it is @self.bmp, an input of this run\n", ""},
    // Names decided before anything is written: positions that could meet are refused, naming
    // both; the records of one list meet one after another, and the second fails.
    {{"@l1.fen", "@l.fen", "-o", "@{name}{n}.bmp"}, 2, "-o @{name}{n}.bmp: @l1.fen and @l.fen could get "
     "one name, as {name} runs into the digits of {n}: put a separator such as - between them\n", ""},
    {{"@l.fen", "-o", "@{n}0{ply}.bmp"}, 2, "{n} and {ply} run together with only digits between", ""},
    {{"--fen=8/8/8/8/8/8/8/8", "--fen=8/8/8/8/8/8/8/8", "-o", "@{name}.bmp"}, 2,
     "--fen #1 and --fen #2 could both be written to @fen.bmp: put {n} in it\n", ""},
    {{"@s.brd", "@pawn.brd", "-o", "@x-{game}.bmp"}, 2,
     "@s.brd and @pawn.brd could both be written to @x-{game}.bmp: put {name} or {n} in it\n", ""},
    {{"--every-ply", "@g.pgn", "-o", "@{name}-{ply}.bmp"}, 2, "game 1 ply 0 and game 2 ply 0 of @g.pgn "
     "could both be written to @g-{ply}.bmp: put {game} or {n} in it\n", ""},
    {{"--every-ply", "--variations", "@g.pgn", "-o", "@{game}-{ply}.bmp"}, 2, "a ply of the main "
     "line and the same ply of a variation of @g.pgn could both be written to @{game}-{ply}.bmp", ""},
    {{"@l.fen", "@l-1.brd"}, 2, "@l.fen and @l-1.brd could both be written to @l-1.bmp: name the "
     "outputs with -o PATTERN\n", ""},
    {{"@s.brd", "@link/s.brd"}, 2, "@s.brd and @link/s.brd could both be written to @link/s.bmp", ""},
    {{"@l.fen", "-o", "@same.bmp"}, 1, "cannot write @same.bmp: @l.fen:2 of this run goes there\n",
     "1 of 3 diagrams written; their checks found 0 errors and 0 warnings\n"},
    {{"@...fen", "-o", "@{name}-{n}.bmp"}, 0, "", "BMP file saved with 0 errors and 0 warnings\n"},
    {{"@one.fen", "@one.bmp"}, 0, "", "BMP file saved with 0 errors and 0 warnings\n"},  // one record
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
  WriteWhole(folder_ / "l.txt", List);
  WriteWhole(folder_ / "nul.fen", std::string("abc\0def\n", 8));
  WriteWhole(folder_ / "...fen", "4k3/8/8/8/8/8/8/4K3 w - - 0 1\n");
  WriteWhole(folder_ / "one.fen", "\xEF\xBB\xBF# a comment\n\n  4k3/8/8/8/8/8/8/4K3 w - - 0 1\n \t\n");
  std::filesystem::create_directory_symlink(folder_.Path(), folder_ / "link");
  WriteWhole(folder_ / "empty.pgn", "\n");
  WriteWhole(folder_ / "empty.fen", "# nothing but a comment\n");
  WriteWhole(folder_ / "v.pgn", "1. e4 (1. d4 d5 (1... Nf6)) e5 *\n");
  WriteWhole(folder_ / "edges.pgn", ReadWhole(BS_SOURCE_DIR "/tests/data/pgn/edges.pgn"));
  for (const Line &line : Lines) {
    Outcome o = Run(line.args, line.in.empty() ? "" : folder_ / line.in);
    std::string err = At(line.err, folder_.Path());
    const std::string first = line.args.empty() ? "" : line.args[0];
    EXPECT_EQ(o.status, line.status) << first << " " << o.err;
    EXPECT_TRUE(err.empty() ? o.err.empty() : o.err.find(err) != std::string::npos) << o.err;
    EXPECT_EQ(o.err.find("Usage: boardsmith-export") != std::string::npos, line.status == 2);
    EXPECT_EQ(o.out, At(line.out, folder_.Path())) << first;
  }
  EXPECT_EQ(NamesIn(folder_.Path()),
            (std::set<std::string>{"s.brd", "g.pgn", "l.fen", "l.txt", "nul.fen", "self.bmp", "pawn.brd",
                                   "pawn.bmp", "garbage.brd", "link", "same.bmp", "...fen", "__-1.bmp",
                                   "empty.pgn", "empty.fen", "v.pgn", "edges.pgn", "null.bmp",
                                   "one.fen", "one.bmp"}));
  EXPECT_EQ(ReadWhole(folder_ / "self.bmp"), ReadWhole(folder_ / "s.brd"));

  Outcome help = Run({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("Usage: ", 0), 0u);
  for (const char *name : {"fen", "output", "coords", "flip", "theme", "size", "arrow", "dot",
                           "cross", "game", "ply", "every-ply", "variations", "delay", "print-fen",
                           "style", "px", "pieces", "page", "jobs", "report", "quiet", "progress", "help",
                           "version"})
    EXPECT_NE(help.out.find(std::string("--") + name), std::string::npos) << name;
}

// Number fields take a width and are padded with zeros to it, so that names sort in order.
TEST(OutputPattern, NumbersArePaddedToTheirWidth) {
  EXPECT_EQ(ExpandPattern("{game:2}/{ply:3}-{n}-{name}{n:1}{line}", {12, "x", 3, 7, "-1"}),
            "03/007-12-x12-1");
  EXPECT_TRUE(PatternNumbers("a{n:4}.bmp"));
  EXPECT_FALSE(PatternNumbers("a{ply:4}.bmp"));
}

std::string Base64(const std::string &bytes) {
  static const char digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  for (size_t i = 0; i < bytes.size(); i += 3) {
    uint32_t v = static_cast<uint8_t>(bytes[i]) << 16;
    if (i + 1 < bytes.size()) v |= static_cast<uint8_t>(bytes[i + 1]) << 8;
    if (i + 2 < bytes.size()) v |= static_cast<uint8_t>(bytes[i + 2]);
    for (size_t k = 0; k < 4; k++) out += i + k <= bytes.size() ? digits[v >> (18 - 6 * k) & 63] : '=';
  }
  return out;
}

// An APNG of palette indices played to its end: each frame's delay in milliseconds, and the
// last picture, index by index, each frame's pixels drawn over the one before (the transparent
// index, whose tRNS alpha is 0, leaving it) as the APNG extension says.
struct Played {
  std::vector<int> delays;
  std::vector<uint8_t> picture;
  int outside = 0;  // pixels of frames that reach past the picture
};
Played Play(const std::string &png) {
  Played played;
  auto Get = [&](size_t i) { return static_cast<uint32_t>(static_cast<uint8_t>(png[i])); };
  auto Get32 = [&](size_t i) { return Get(i) << 24 | Get(i + 1) << 16 | Get(i + 2) << 8 | Get(i + 3); };
  uint32_t width = 0, depth = 0, transparent = 256, frame[4] = {};  // width, height, x, y
  std::string data;
  auto Draw = [&] {
    const size_t stride = (frame[0] * depth + 7) / 8;
    std::vector<uint8_t> rows((stride + 1) * frame[1]);
    uLongf size = rows.size();
    uncompress(rows.data(), &size, reinterpret_cast<const Bytef *>(data.data()), data.size());
    for (uint32_t y = 0; y < frame[1]; y++)
      for (uint32_t x = 0; x < frame[0]; x++) {
        const uint32_t bit = x * depth, byte = rows[y * (stride + 1) + 1 + bit / 8];
        const uint32_t index = byte >> (8 - depth - bit % 8) & ((1u << depth) - 1);
        const size_t at = (frame[3] + y) * width + frame[2] + x;
        if (frame[2] + x >= width || at >= played.picture.size()) played.outside++;
        else if (index != transparent) played.picture[at] = static_cast<uint8_t>(index);
      }
    data.clear();
  };
  for (size_t at = 8; at + 12 <= png.size(); at += Get32(at) + 12) {
    const std::string type = png.substr(at + 4, 4);
    const size_t body = at + 8;
    if (type == "IHDR") width = Get32(body), depth = Get(body + 8), played.picture.resize(width * Get32(body + 4));
    if (type == "tRNS") transparent = static_cast<uint32_t>(png.find('\0', body) - body);
    if (type == "IDAT") data += png.substr(body, Get32(at));
    if (type == "fdAT") data += png.substr(body + 4, Get32(at) - 4);
    if ((type == "fcTL" || type == "IEND") && !data.empty()) Draw();
    if (type == "fcTL") {
      for (int k = 0; k < 4; k++) frame[k] = Get32(body + 4 + 4 * k);
      played.delays.push_back(static_cast<int>((Get(body + 20) << 8 | Get(body + 21)) * 1000 /
                                               (Get(body + 22) << 8 | Get(body + 23))));
    }
  }
  return played;
}

// A game as one animated picture: a frame a position (plies + 1) with the last move as an arrow,
// the final position longer, palette-sized and small; ImageMagick and Chromium play both.
TEST_F(Exporter, GamesAsAnimatedPictures) {
  WriteWhole(folder_ / "g.pgn", ReadWhole(BS_SOURCE_DIR "/tests/data/pgn/games.pgn"));  // 33, 45 plies
  for (const char *name : {"m.gif", "m.png"}) {
    Outcome o = Run({"--every-ply", "--game=1", "@g.pgn", std::string("@") + name});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, std::string(name[2] == 'g' ? "GIF" : "PNG") + " file saved with 0 errors and 0 warnings\n");
  }
  EXPECT_EQ(Run({"--every-ply", "--game=2", "--delay=250", "--style=colour", "--px=300", "@g.pgn", "@c.png"}).status, 0);
  const std::string gif = ReadWhole(folder_ / "m.gif"), png = ReadWhole(folder_ / "m.png");
  EXPECT_LT(gif.size(), 85000u);  // the first frame is 15 kB of it
  EXPECT_LT(png.size(), 60000u);
  // Played to the end, the frames leave the final position with 17. Rd8# as an arrow.
  EXPECT_EQ(Run({"--game=1", "--arrow=d1d8", "@g.pgn", "@final.bmp"}).status, 0);
  const std::string bmp = ReadWhole(folder_ / "final.bmp");
  const Played played = Play(png), colour = Play(ReadWhole(folder_ / "c.png"));
  ASSERT_EQ(played.picture.size(), 592u * 592u);
  EXPECT_EQ(played.outside + colour.outside, 0);
  int differ = 0;
  for (int y = 0; y < 592; y++)
    for (int x = 0; x < 592; x++)  // the BMP's rows bottom-up, 76 bytes each, a set bit white
      differ += played.picture[y * 592 + x] == (bmp[62 + (591 - y) * 76 + x / 8] >> (7 - x % 8) & 1);
  EXPECT_EQ(differ, 0);
  EXPECT_EQ(played.delays.size(), 34u);
  EXPECT_EQ(played.delays.front(), 1000);
  EXPECT_EQ(played.delays.back(), 3000);
  EXPECT_EQ(colour.delays.size(), 46u);
  EXPECT_EQ(colour.delays.back(), 2000);
  if (std::system("command -v identify >/dev/null 2>&1") == 0) {
    std::string hundredths;  // ImageMagick's delay of each frame
    for (int i = 0; i < 33; i++) hundredths += "100 ";
    EXPECT_EQ(Run({"-format", "%T ", "@m.gif"}, "", "", "identify").out, hundredths + "300 ");
    // The GIF's frames played to the end: the same final picture.
    EXPECT_EQ(Run({"@m.gif", "-coalesce", "@frame.png"}, "", "", "/usr/bin/convert").status, 0);
    EXPECT_EQ(Run({"-metric", "AE", "@frame-33.png", "@final.bmp", "null:"}, "", "", "compare").err, "0");
  }
  if (!chromium::Missing().empty()) GTEST_SKIP() << chromium::Missing();
  // Chromium's decoder counts the frames; the first, as drawn, is the start position's picture.
  auto canvas = std::make_unique<Canvas>();
  Compose(Preset(StartPosition), PictureSettings(), *canvas);
  int dark = 0;
  for (int x = 1; x <= 592; x++)
    for (int y = 1; y <= 592; y++) dark += canvas->Dot[x][y];
  std::string page = "<!DOCTYPE html><pre id=gif></pre><pre id=png></pre><script>\n"
      "async function Look(id, type, text) {\n"
      "  const decoder = new ImageDecoder({data: Uint8Array.from(atob(text), c => c.charCodeAt(0)), type});\n"
      "  await decoder.tracks.ready;\n"
      "  const track = decoder.tracks.selectedTrack, img = new Image();\n"
      "  await new Promise(loaded => { img.onload = loaded; img.src = `data:${type};base64,${text}`; });\n"
      "  const c = document.createElement('canvas');\n"
      "  c.width = img.naturalWidth, c.height = img.naturalHeight;\n"
      "  c.getContext('2d').drawImage(img, 0, 0);\n"
      "  const p = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;\n"
      "  let dark = 0;\n"
      "  for (let i = 0; i < p.length; i += 4) dark += p[i] < 128;\n"
      "  document.getElementById(id).textContent = `${track.frameCount} frames, repeated ${track.repetitionCount}, ${dark} dark`;\n"
      "}\n"
      "Look('gif', 'image/gif', '" + Base64(gif) + "');\nLook('png', 'image/png', '" + Base64(png) + "');\n</script>\n";
  WriteWhole(folder_ / "play.html", page);
  const std::string shown = chromium::DumpedPage(folder_ / "play.html", logs_.Path()), seen =
      " frames, repeated Infinity, " + std::to_string(dark) + " dark</pre>";
  EXPECT_NE(shown.find("<pre id=\"gif\">34" + seen), std::string::npos) << shown.substr(0, 300);
  EXPECT_NE(shown.find("<pre id=\"png\">34" + seen), std::string::npos) << shown.substr(0, 300);
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
      "\"errors\": 0, \"warnings\": 0, \"lines\": [], \"written\": true, \"failure\": null, \"line\": \"\"},\n"
      "{\"input\": \"@l.fen:4\", \"output\": \"\", \"fen\": \"\", \"errors\": 0, \"warnings\": 0, "
      "\"lines\": [], \"written\": false, \"failure\": \"@l.fen:4: rank 7 has 9 squares\", \"line\": \"\"},\n"
      "{\"input\": \"@l.fen:5\", \"output\": \"@j1/l-3.bmp\", \"fen\": \"7k/8/8/8/8/8/8/RRR1K3 w - - 0 1\", "
      "\"errors\": 0, \"warnings\": 1, \"lines\": [\"! White has more than 2 rooks\"], "
      "\"written\": true, \"failure\": null, \"line\": \"\"}\n]\n", folder_.Path()));
  EXPECT_EQ(ReadWhole(folder_ / "r2.csv"), At(
      "input,output,fen,errors,warnings,lines,written,failure,line\n"
      "\"@l.fen:2\",\"@j2/l-1.bmp\",\"4k3/8/8/8/8/8/8/R3K2R b KQ - 0 1\",0,0,\"\",yes,\"\",\"\"\n"
      "\"@l.fen:4\",\"\",\"\",0,0,\"\",no,\"@l.fen:4: rank 7 has 9 squares\",\"\"\n"
      "\"@l.fen:5\",\"@j2/l-3.bmp\",\"7k/8/8/8/8/8/8/RRR1K3 w - - 0 1\",0,1,"
      "\"! White has more than 2 rooks\",yes,\"\",\"\"\n", folder_.Path()));
}
// One writer for every file: a picture and the report each write through a symbolic link and
// keep the mode of the file they replace; a folder, a FIFO or an input however it is named is
// refused, the report's before any picture is written. A batch clears the temporaries that dead
// processes left in its folders.
TEST_F(Exporter, PicturesAndTheReportHaveOneWriter) {
  namespace fs = std::filesystem;
  Position("s.brd", Preset(StartPosition));
  WriteWhole(folder_ / ".bs4194305-AbCdEf.tmp", "");  // no process has that id
  WriteWhole(folder_ / ".bs1-AbCdEf.tmp", "");        // a process that lives
  const std::pair<const char *, const char *> kinds[] = {
      {"link", ""}, {"private", ""}, {"folder", "A folder of that name exists."},
      {"fifo", "It is not a regular file."}, {"input", "it is @s.brd, an input of this run"}};
  for (const std::string ext : {".bmp", ".json"})
    for (const auto &[kind, why] : kinds) {
      SCOPED_TRACE(kind + ext);
      const std::string target = folder_ / ("t" + ext), real = folder_ / ("real" + ext);
      for (const std::string &old : {target, real, folder_ / "p.bmp"}) fs::remove_all(old);
      if (kind == std::string("link")) WriteWhole(real, "old"), fs::create_symlink(real, target);
      if (kind == std::string("private")) WriteWhole(target, "old");
      chmod(kind == std::string("link") ? real.c_str() : target.c_str(), 0640);
      if (kind == std::string("folder")) fs::create_directory(target);
      if (kind == std::string("fifo")) mkfifo(target.c_str(), 0600);
      if (kind == std::string("input")) fs::create_symlink("s.brd", target);
      Outcome o = Run(ext == ".bmp" ? std::vector<std::string>{"@s.brd", target}
                                    : std::vector<std::string>{"@s.brd", "@p.bmp", "--report=" + target});
      EXPECT_EQ(o.status, *why ? 1 : 0);
      const std::string refused = "boardsmith-export: cannot write " + target + ": " + why + "\n";
      EXPECT_EQ(o.err, *why ? At(refused, folder_.Path()) : "");
      EXPECT_EQ(fs::exists(folder_ / "p.bmp"), ext == ".json" && !*why);  // refused up front
      struct stat st;
      EXPECT_EQ(stat(target.c_str(), &st) == 0 && (st.st_mode & 0777) == 0640 && st.st_size > 3, !*why);
      EXPECT_EQ(fs::is_symlink(target), kind == std::string("link") || kind == std::string("input"));
    }
  EXPECT_FALSE(fs::exists(folder_ / ".bs4194305-AbCdEf.tmp"));
  EXPECT_TRUE(fs::exists(folder_ / ".bs1-AbCdEf.tmp"));
}

// SIGINT, SIGTERM, SIGHUP and SIGPIPE stop a batch cleanly, whether the reader waits on a pipe
// or workers are writing: every position handled is written and has its row in the report,
// whose last row says what stopped it; no temporary stays; exit status 128 + the signal. A
// second run into the same names meanwhile is refused.
TEST_F(Exporter, SignalsStopABatchCleanly) {
  const std::string fen = "7k/8/8/8/8/8/8/RRR1K3 w - - 0 1\n";
  std::string many;
  for (int i = 0; i < 20000; i++) many += fen;
  WriteWhole(folder_ / "many.fen", many);
  int row = 0;
  for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE})
    for (const std::string phase : {"reading", "-j1", "-j4"}) {
      const std::string out = folder_ / ("o" + std::to_string(++row)), name = strsignal(signal);
      SCOPED_TRACE(name + " " + phase);
      std::vector<std::string> args = {"-o", out + "/{n}.bmp", "--report=" + out + "/r.csv", phase};
      int pipe[2] = {-1, -1};
      if (phase == "reading") {
        ASSERT_EQ(::pipe(pipe), 0);
        ASSERT_EQ(write(pipe[1], fen.data(), fen.size()), static_cast<ssize_t>(fen.size()));
        args.back() = "-";
      } else {
        args.push_back("@many.fen");
      }
      pid_t pid = Start(args, pipe[0]);
      const size_t begun = phase == "reading" ? 1 : 3;
      for (int ms = 0; ms < 10000 && (!std::filesystem::exists(out) || NamesIn(out).size() < begun); ms++)
        usleep(1000);
      if (row == 2) {
        Outcome second = Run({"-o", out + "/{n}.bmp", "@many.fen"});
        EXPECT_EQ(second.status, 1);
        EXPECT_EQ(second.err, "boardsmith-export: another run (process " + std::to_string(pid) +
                                  ") is writing " + out + "/{n}.bmp; try again when it has finished\n");
      }
      kill(pid, signal);
      EXPECT_EQ(Finish(pid), 128 + signal);
      for (int fd : pipe) close(fd);
      std::set<std::string> names = NamesIn(out);
      const std::string handled = std::to_string(names.size() - 1) + " positions";  // r.csv too
      for (const std::string &n : names) EXPECT_TRUE(n == "r.csv" || n.ends_with(".bmp")) << n;
      const std::string report = ReadWhole(out + "/r.csv"), stop = "stopped by " + StopName(signal);
      EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), static_cast<long>(names.size() + 1));
      EXPECT_TRUE(report.ends_with(",no,\"" + stop + " after " + handled + "\",\"\"\n")) << report;  // no line
      EXPECT_EQ(ReadWhole(logs_ / "err").rfind("boardsmith-export: " + stop + " after " + handled, 0), 0u);
    }
}

// A list that grows while it is read is reported: its positions may not be what it now holds.
TEST_F(Exporter, AListThatChangesWhileReadIsReported) {
  std::string fen = "7k/8/8/8/8/8/8/RRR1K3 w - - 0 1\n", many;
  for (int i = 0; i < 20000; i++) many += fen;
  WriteWhole(folder_ / "many.fen", many);
  int pipe[2];
  ASSERT_EQ(::pipe(pipe), 0);
  pid_t pid = Start({"--print-fen", "-j1", "@many.fen"}, -1, pipe[1]);
  close(pipe[1]);
  char buffer[65536];
  ASSERT_EQ(read(pipe[0], buffer, 1), 1);  // it has begun, and waits once the pipe is full
  std::ofstream(folder_ / "many.fen", std::ios::app) << fen;
  while (read(pipe[0], buffer, sizeof buffer) > 0) {
  }
  close(pipe[0]);
  EXPECT_EQ(Finish(pid), 1);
  EXPECT_EQ(ReadWhole(logs_ / "err"),
            "boardsmith-export: " + folder_ / "many.fen" + ": it changed while it was read (" +
                std::to_string(many.size()) + " bytes when opened, " +
                std::to_string(many.size() + fen.size()) +
                " at the end): its positions may be incomplete\n");
}
}  // namespace
