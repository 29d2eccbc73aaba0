// The command-line exporter, run as a program on files in a temporary folder.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "files/brd.h"
#include "files/htm.h"
#include "model/model.h"
#include "render/makebmp.h"
#include "tests/core/tempfolder.h"

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

class Exporter : public ::testing::Test {
 protected:
  Outcome Run(const std::vector<std::string> &args,
              const std::string &program = BS_RUN_DIR "/boardsmith-export") {
    std::string command = Quote(program);
    for (const std::string &arg : args) command.append(" ").append(Quote(arg));
    command.append(" >").append(Quote(logs_ / "out")).append(" 2>").append(Quote(logs_ / "err"));
    int raw = std::system(command.c_str());
    Outcome o{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadWhole(logs_ / "out"), ReadWhole(logs_ / "err")};
    return o;
  }

  // Writes the position file of the current model (with the given coordinates line).
  std::string Position(const std::string &name, int coords) {
    std::string path = folder_ / name;
    WriteWhole(path, BRDText(coords));
    return path;
  }

  std::set<std::string> Files() const {
    std::set<std::string> names;
    for (auto &entry : std::filesystem::directory_iterator(folder_.Path()))
      names.insert(entry.path().filename().string());
    return names;
  }

  // What the save commands would write for the position file at path.
  static std::string PictureOf(const std::string &path, int coords) {
    EXPECT_TRUE(ReadBRDText(ReadWhole(path)));
    ComposeDiagram(coords);
    std::vector<uint8_t> bytes = EncodeBMP(coords);
    return std::string(bytes.begin(), bytes.end());
  }

  TempFolder folder_, logs_;
};

TEST_F(Exporter, PictureBesideThePositionFile) {
  InitThemes();
  Flipped = 0;
  TypicalPosition(nullptr);
  Dpi = 0, PicSiz = 2.75f, Theme = 4;
  std::string brd = Position("immortal.brd", 1);
  Outcome o = Run({brd});
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.out, "BMP file saved with 0 errors and 0 warnings\n");
  EXPECT_EQ(o.err, "");
  EXPECT_EQ(Files(), (std::set<std::string>{"immortal.brd", "immortal.bmp"}));
  std::string picture = ReadWhole(folder_ / "immortal.bmp");
  EXPECT_EQ(picture.size(), 49982u);
  EXPECT_EQ(picture, PictureOf(brd, 1));
}

TEST_F(Exporter, CoordinatesOptionOverridesTheFile) {
  Flipped = 1;
  StartPosition(nullptr);
  Dpi = 3;
  std::string brd = Position("start.brd", 1);
  Outcome o = Run({"--coords=no", brd, folder_ / "plain.bmp"});
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(ReadWhole(folder_ / "plain.bmp"), PictureOf(brd, 0));
  brd = Position("start.brd", 0);
  o = Run({brd, folder_ / "with.BMP", "--coords=YES"});
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(ReadWhole(folder_ / "with.BMP"), PictureOf(brd, 1));
}

TEST_F(Exporter, WebPage) {
  InitThemes();
  Flipped = 0;
  StartPosition(nullptr);
  Theme = 2;
  std::string brd = Position("p.brd", 1);
  for (const char *name : {"p.htm", "p.HTML"}) {
    Outcome o = Run({brd, folder_ / name});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, "HTM file saved with 0 errors and 0 warnings\n");
    ASSERT_TRUE(ReadBRDText(ReadWhole(brd)));
    EXPECT_EQ(ReadWhole(folder_ / name), HTMText(1));
    EXPECT_FALSE(ReadWhole(folder_ / name).empty());
  }
}

TEST_F(Exporter, PrintsTheCheckReport) {
  Flipped = 0;
  EmptyPosition(nullptr);
  Pos[0] = WP;
  std::string brd = Position("odd.brd", 0);
  Outcome o = Run({brd});
  EXPECT_EQ(o.status, 0);
  EXPECT_EQ(o.out,
            "? White has no king\n? Black has no king\n? White pawn on 1st rank\n"
            "BMP file saved with 3 errors and 0 warnings\n");
}

TEST_F(Exporter, BadInputIsReportedAndWritesNothing) {
  std::string garbage = folder_ / "garbage.brd";
  std::string bytes;
  for (int i = 0; i < 5000; i++) bytes += static_cast<char>(i * 131 % 256);
  WriteWhole(garbage, bytes);
  std::string truncated = folder_ / "truncated.brd";
  Flipped = 0;
  StartPosition(nullptr);
  WriteWhole(truncated, BRDText(0).substr(0, 150));
  std::string wide = folder_ / "wide.brd";
  WriteWhole(wide, std::string(10000, 'Q') + "\n" + std::string(10000, ' ') + "\n");

  for (const std::string &input : {garbage, truncated, wide, folder_ / "missing.brd", folder_.Path()}) {
    Outcome o = Run({input, folder_ / "out.bmp"});
    EXPECT_EQ(o.status, 1) << input;
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(o.err.rfind("boardsmith-export: cannot read " + input + ": ", 0), 0u) << o.err;
    EXPECT_GT(o.err.size(), input.size() + 32);  // a reason follows
  }
  EXPECT_EQ(Files(), (std::set<std::string>{"garbage.brd", "truncated.brd", "wide.brd"}));
}

TEST_F(Exporter, AnOutputThatCannotBeWrittenLeavesNothing) {
  Flipped = 0;
  StartPosition(nullptr);
  std::string brd = Position("s.brd", 0);
  std::filesystem::create_directory(folder_ / "taken.bmp");
  for (const std::string &output :
       {folder_ / "no/such/folder/x.bmp", folder_ / "taken.bmp", folder_ / "no/x.htm"}) {
    Outcome o = Run({brd, output});
    EXPECT_EQ(o.status, 1) << output;
    EXPECT_EQ(o.out, "");  // nothing was saved, so no report
    EXPECT_EQ(o.err.rfind("boardsmith-export: cannot write " + output + ": ", 0), 0u) << o.err;
  }
  EXPECT_EQ(Files(), (std::set<std::string>{"s.brd", "taken.bmp"}));

  // A position file is never overwritten by its own picture.
  std::string odd = Position("odd.bmp", 0);
  Outcome o = Run({odd});
  EXPECT_EQ(o.status, 1);
  EXPECT_EQ(ReadWhole(odd), BRDText(0));
}

// A write that fails at the disk (here the sync) keeps the old picture and says why.
TEST_F(Exporter, AFailedWriteKeepsTheOldPictureAndSaysWhy) {
  Flipped = 0;
  StartPosition(nullptr);
  std::string brd = Position("s.brd", 0), output = folder_ / "s.bmp";
  WriteWhole(output, "old");
  setenv("BS_WRITE_FAULT", "sync 1 5", 1);
  Outcome o = Run({brd}, BS_FAULTY_EXPORT);
  unsetenv("BS_WRITE_FAULT");
  EXPECT_EQ(o.status, 1);
  EXPECT_EQ(o.out, "");
  EXPECT_EQ(o.err, "boardsmith-export: cannot write " + output + ": Input/output error\n");
  EXPECT_EQ(ReadWhole(output), "old");
  EXPECT_EQ(Files(), (std::set<std::string>{"s.brd", "s.bmp"}));
}

TEST_F(Exporter, WrongUsage) {
  Flipped = 0;
  StartPosition(nullptr);
  std::string brd = Position("s.brd", 0);
  const std::vector<std::vector<std::string>> wrong = {
      {},
      {"--coords=maybe", brd},
      {"--colour=red", brd},
      {brd, folder_ / "x.png"},
      {brd, folder_ / "x"},
      {brd, folder_ / "a.bmp", folder_ / "b.bmp"},
  };
  for (const auto &args : wrong) {
    Outcome o = Run(args);
    EXPECT_EQ(o.status, 2) << (args.empty() ? "" : args[0]);
    EXPECT_NE(o.err.find("Usage: boardsmith-export [--coords=yes|no] POSITION.brd [OUTPUT]"),
              std::string::npos);
  }
  EXPECT_EQ(Files(), (std::set<std::string>{"s.brd"}));
  Outcome help = Run({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("Usage: ", 0), 0u);
}
}  // namespace
