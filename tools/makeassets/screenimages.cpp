// bmp/ and cur/ of the run folder: for each palette tool its button face (bmp/<stem>w.bmp) and
// cursor (cur/<stem>.ico); for the square codes 1..14 and the arrow-start mark (15) the board
// view's picture (bmp/<stem>.bmp) and mask (bmp/<stem>m.bmp). All 36 x 36; the pictures and
// masks again at 72 x 72 (bmp/<stem>72.bmp, bmp/<stem>72m.bmp) for a board shown larger.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "tools/makeassets/assets.h"
#include "files/atomicwrite.h"
#include "tools/makeassets/image36.h"

namespace {
// The image stems of the palette indices, as the main window loads them.
const char *const Stems[16] = {"em", "wk", "wq", "wr", "wb", "wn", "wp", "bk",
                               "bq", "br", "bb", "bn", "bp", "dt", "cr", "ar"};
constexpr int EraserTool = 0, ArrowTool = 15;

// The figure shown on the board for a palette index (1..15) and by its tool's cursor (0..15).
Image36 ToolFigure(int index) {
  if (index == EraserTool) return EraserImage();
  if (index == ArrowTool) return ArrowToolImage();
  return GlyphImage(index);
}

// The button face: the tool's figure on a light square.
void Face(const Image36 &figure, uint32_t (&rgb)[ImageSide][ImageSide]) {
  for (int y = 0; y < ImageSide; y++)
    for (int x = 0; x < ImageSide; x++)
      rgb[y][x] = figure.figure[y][x] ? figure.rgb[y][x] : FaceBackground;
}

// Picture: black where the square shows through. Mask: white there, black under the figure.
void PictureAndMask(const Image36 &figure, uint32_t (&picture)[ImageSide][ImageSide],
                    uint32_t (&mask)[ImageSide][ImageSide]) {
  for (int y = 0; y < ImageSide; y++)
    for (int x = 0; x < ImageSide; x++) {
      picture[y][x] = figure.figure[y][x] ? figure.rgb[y][x] : Black;
      mask[y][x] = figure.figure[y][x] ? Black : White;
    }
}

bool Report(bool ok, const std::string &path, const std::string &why) {
  if (!ok) std::fprintf(stderr, "makeassets: cannot write %s: %s\n", path.c_str(), why.c_str());
  return ok;
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
    std::string why, path;
    Image36 tool = ToolFigure(index);
    static uint32_t face[ImageSide][ImageSide];
    Face(tool, face);
    path = bmp + stem + "w.bmp";
    ok = Report(WriteBMP24(path, face, &why), path, why) && ok;
    path = cur + stem + ".ico";
    ok = Report(WriteICO(path, tool, &why), path, why) && ok;
    if (index == EraserTool) continue;
    // On the board the arrow tool leaves its start mark, not its face.
    Image36 figure = index == ArrowTool ? ArrowStartImage() : tool;
    static uint32_t picture[ImageSide][ImageSide], mask[ImageSide][ImageSide];
    PictureAndMask(figure, picture, mask);
    path = bmp + stem + ".bmp";
    ok = Report(WriteBMP24(path, picture, &why), path, why) && ok;
    path = bmp + stem + "m.bmp";
    ok = Report(WriteBMP24(path, mask, &why), path, why) && ok;
    static uint32_t large[LargeSide][LargeSide], largeMask[LargeSide][LargeSide];
    LargeFigure(index, large, largeMask);
    path = bmp + stem + "72.bmp";
    ok = Report(WriteFileAtomically(path, BMP24Bytes(&large[0][0], LargeSide), &why), path, why) && ok;
    path = bmp + stem + "72m.bmp";
    ok = Report(WriteFileAtomically(path, BMP24Bytes(&largeMask[0][0], LargeSide), &why), path,
                why) && ok;
  }
  return ok;
}
