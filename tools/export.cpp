// boardsmith-export: turns a position file into a picture or a web page, with the same code the
// save commands use, and prints the check's report. For authors who build documents in batch.
//
// Exit status: 0 the output was written; 1 the input could not be read or the output not
// written (a message on standard error names the file and the reason); 2 wrong usage.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "check/check.h"
#include "files/brd.h"
#include "files/htm.h"
#include "files/paths.h"
#include "model/model.h"
#include "render/makebmp.h"

namespace {
const char Usage[] =
    "Usage: boardsmith-export [--coords=yes|no] POSITION.brd [OUTPUT]\n"
    "Writes the diagram of a position file as a picture (OUTPUT ending in .bmp) or a web page\n"
    "(.htm or .html; copy the gifs/ folder beside it). Without OUTPUT the picture is written\n"
    "beside the position file, under its name with .bmp. Coordinates follow the file's Coords:\n"
    "line unless --coords says otherwise. The check's report goes to standard output.\n";

int UsageError(const std::string &problem) {
  std::fprintf(stderr, "boardsmith-export: %s\n%s", problem.c_str(), Usage);
  return 2;
}

int Failure(const char *what, const std::string &path, const std::string &why) {
  std::fprintf(stderr, "boardsmith-export: cannot %s %s: %s\n", what, path.c_str(),
               why.empty() ? "unknown error" : why.c_str());
  return 1;
}

std::string Lower(std::string text) {
  for (char &c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

bool SameFile(const std::string &a, const std::string &b) {
  std::error_code ec;
  if (std::filesystem::equivalent(a, b, ec)) return true;
  return std::filesystem::absolute(a, ec).lexically_normal() ==
         std::filesystem::absolute(b, ec).lexically_normal();
}
}  // namespace

int main(int argc, char **argv) {
  int coordsOption = -1;  // -1: as the file says
  std::string input, output;
  int positional = 0;
  bool options = true;
  for (int i = 1; i < argc; i++) {
    std::string arg = argv[i];
    if (options && arg == "--") {
      options = false;
    } else if (options && (arg == "-h" || arg == "--help")) {
      std::fputs(Usage, stdout);
      return 0;
    } else if (options && arg.rfind("--coords=", 0) == 0) {
      std::string value = Lower(arg.substr(9));
      if (value == "yes") coordsOption = 1;
      else if (value == "no") coordsOption = 0;
      else return UsageError("--coords takes yes or no, not \"" + arg.substr(9) + "\"");
    } else if (options && arg.size() > 1 && arg[0] == '-') {
      return UsageError("unknown option " + arg);
    } else {
      positional++;
      if (positional == 1) input = arg;
      else if (positional == 2) output = arg;
    }
  }
  if (positional < 1) return UsageError("no position file given");
  if (positional > 2) return UsageError("too many arguments");
  if (input.empty()) return UsageError("the position file's name is empty");

  if (output.empty()) output = std::filesystem::path(input).replace_extension(".bmp").string();
  std::string extension = Lower(std::filesystem::path(output).extension().string());
  bool page = extension == ".htm" || extension == ".html";
  if (!page && extension != ".bmp")
    return UsageError("OUTPUT must end in .bmp, .htm or .html: " + output);
  if (SameFile(input, output))
    return Failure("write", output, "it is the position file being read");

  InitThemes();
  BRDFile = input;
  std::string why;
  if (!ReadBRDFile(&why)) return Failure("read", input, why);
  if (coordsOption >= 0) Coords = coordsOption;
  VClip = 0;

  bool written;
  if (page) {
    HTMFile = output;
    written = MakeHTMFile(Coords, &why);
  } else {
    BMPFile = output;
    written = MakeBMPFile(Coords, &why);
  }
  if (!written) return Failure("write", output, why);

  std::string report = CheckPosition(page ? 2 : 1, 0).text;
  std::printf("%s\n", report.c_str());
  return std::fflush(stdout) == 0 ? 0 : 1;
}
