// bmp/ and cur/ of the run folder: for each palette tool its button face (bmp/<stem>w.bmp) and
// cursor (cur/<stem>.ico); for the square codes 1..14 and the arrow-start mark (15) the board
// view's picture (bmp/<stem>.bmp) and mask (bmp/<stem>m.bmp). All 36 x 36; the pictures and
// masks again at 72 x 72 (bmp/<stem>72.bmp, bmp/<stem>72m.bmp) for a board shown larger.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "tools/makeassets/assets.h"
#include "tools/makeassets/image36.h"

namespace {
// The image stems of the palette indices, as the main window loads them.
const char *const Stems[16] = {"em", "wk", "wq", "wr", "wb", "wn", "wp", "bk",
                               "bq", "br", "bb", "bn", "bp", "dt", "cr", "ar"};
constexpr int EraserTool = 0, ArrowTool = 15;

// The button face: the tool's figure on a light square.
void Face(const Image36 &figure, uint32_t (&rgb)[ImageSide][ImageSide]) {
  for (int y = 0; y < ImageSide; y++)
    for (int x = 0; x < ImageSide; x++)
      rgb[y][x] = figure.figure[y][x] ? figure.rgb[y][x] : FaceBackground;
}

bool Report(bool ok, const std::string &path, const std::string &why) {
  if (!ok) std::fprintf(stderr, "makeassets: cannot write %s: %s\n", path.c_str(), why.c_str());
  return ok;
}

// The board view's picture (bmp/<name>.bmp: black where the square shows through) and mask
// (bmp/<name>m.bmp: white there, black under the figure), at either size.
template <int N>
bool WritePictureAndMask(const Figure<N> &figure, const std::string &name) {
  static uint32_t picture[N][N], mask[N][N];
  for (int y = 0; y < N; y++)
    for (int x = 0; x < N; x++) {
      picture[y][x] = figure.figure[y][x] ? figure.rgb[y][x] : Black;
      mask[y][x] = figure.figure[y][x] ? Black : White;
    }
  std::string why, path = name + ".bmp";
  bool ok = Report(WriteBMP24(path, &picture[0][0], N, &why), path, why);
  path = name + "m.bmp";
  return Report(WriteBMP24(path, &mask[0][0], N, &why), path, why) && ok;
}
}  // namespace

bool WriteScreenImages(const std::string &folder) {
  const std::string bmp = folder + "/bmp/", cur = folder + "/cur/";
  for (const std::string &dir : {bmp, cur}) {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) return Report(false, dir, ec.message());
  }
  bool ok = true;
  for (int index = 0; index < 16; index++) {
    const std::string stem = Stems[index];
    // The tool's figure for its face and cursor, and the board's at both sizes: a glyph read
    // once, or for the arrow tool the start mark it leaves on the board.
    static Image72 large;
    Image36 tool, figure;
    if (index == EraserTool) {
      tool = EraserImage();
    } else if (index == ArrowTool) {
      tool = ArrowToolImage();
      figure = ArrowStartImage<ImageSide>(), large = ArrowStartImage<LargeSide>();
    } else {
      large = GlyphFigure(index);
      tool = figure = Halved(large);
    }
    static uint32_t face[ImageSide][ImageSide];
    Face(tool, face);
    std::string why, path = bmp + stem + "w.bmp";
    ok = Report(WriteBMP24(path, &face[0][0], ImageSide, &why), path, why) && ok;
    path = cur + stem + ".ico";
    ok = Report(WriteICO(path, tool, &why), path, why) && ok;
    if (index == EraserTool) continue;
    ok = WritePictureAndMask(figure, bmp + stem) && ok;
    ok = WritePictureAndMask(large, bmp + stem + "72") && ok;
  }
  return ok;
}
