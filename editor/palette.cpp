// The palette: sixteen image buttons, one per tool, and the screen images of each tool.
#include <cmath>
#include <string>

#include "editor/editor.h"
#include "files/paths.h"
#include "render/vectorapi.h"

// Image stem and button position of each palette index: 0 eraser, 1..14 square codes, 15 arrows.
const char *const PName[16] = {"em", "wk", "wq", "wr", "wb", "wn", "wp", "bk",
                               "bq", "br", "bb", "bn", "bp", "dt", "cr", "ar"};
const int ButX[16] = {130, 10, 10, 10, 10, 10, 10, 70, 70, 70, 70, 70, 70, 130, 130, 130};
const int ButY[16] = {10, 10, 64, 118, 172, 226, 280, 10, 64, 118, 172, 226, 280, 64, 118, 172};

namespace {
constexpr int ButtonSide = 46;
constexpr int ImageSize = 36;

// The button faces, kept for the window's lifetime.
HBITMAP Faces[16];

// An image of the program's data folder, found there whatever the current folder is.
HANDLE LoadScreenImage(const std::string &name, UINT type, int size = ImageSize) {
  std::string path = DataPath(Editor().StartFolder, name);
  return LoadImage(Inst, path.c_str(), type, size, size, LR_LOADFROMFILE);
}

void FreeBoardImages() {
  for (int i = 1; i < 16; i++) {
    if (Pics[i]) DeleteObject(Pics[i]);
    if (Mask[i]) DeleteObject(Mask[i]);
    Pics[i] = Mask[i] = nullptr;
  }
}
}  // namespace

void LoadBoardImages(int side) {
  FreeBoardImages();
  const std::string size = side > ImageSize ? "72" : "";
  for (int i = 1; i < 16; i++) {
    const std::string stem = "bmp/" + std::string(PName[i]) + size;
    Pics[i] = static_cast<HBITMAP>(LoadScreenImage(stem + ".bmp", IMAGE_BITMAP, side));
    Mask[i] = static_cast<HBITMAP>(LoadScreenImage(stem + "m.bmp", IMAGE_BITMAP, side));
  }
}

void ShowSelectedTool(HWND hwnd) {
  const int selected = Editor().SelPiece;
  for (int i = 0; i < 16; i++)
    SendMessage(GetDlgItem(hwnd, i), BM_SETCHECK, i == selected ? BST_CHECKED : BST_UNCHECKED, 0);
}

namespace {
// The face of a man or marker in the editor's piece set, drawn by the composer at the screen's
// own pixels; null when the composer is missing.
HBITMAP ComposedFace(HWND hwnd, int code) {
  const double ratio = PixelRatio(hwnd);
  const int side = static_cast<int>(std::lround(ImageSize * ratio));
  Diagram one;
  one.Pos[7] = code;
  std::string pixels, why;
  if (!VectorPicture(VectorDiagramOf(PictureFace, one, Editor().settings, side, side), PictureCanvas(),
                     &pixels, &why))
    return nullptr;
  return CreatePictureBitmap(reinterpret_cast<const uint32_t *>(pixels.data()), side, side, ratio);
}
}  // namespace

void ShowPaletteFaces(HWND hwnd) {
  for (int i = 0; i < 16; i++) {
    HBITMAP face = i >= 1 && i <= 14 ? ComposedFace(hwnd, i) : nullptr;
    if (!face) face = static_cast<HBITMAP>(LoadScreenImage("bmp/" + std::string(PName[i]) + "w.bmp", IMAGE_BITMAP));
    HWND button = GetDlgItem(hwnd, i);
    if (button) SendMessage(button, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(face));
    if (Faces[i]) DeleteObject(Faces[i]);
    Faces[i] = face;
  }
}

void CreatePalette(HWND hwnd) {
  for (int i = 0; i < 16; i++) {
    CreateWindowEx(0, "button", "", WS_CHILD | WS_VISIBLE | BS_BITMAP, ButX[i], ButY[i], ButtonSide,
                   ButtonSide, hwnd, reinterpret_cast<HMENU>(static_cast<intptr_t>(i)), Inst, nullptr);
    Curs[i] = static_cast<HCURSOR>(LoadScreenImage("cur/" + std::string(PName[i]) + ".ico", IMAGE_CURSOR));
  }
  ShowPaletteFaces(hwnd);
  LoadBoardImages(static_cast<int>(std::lround(ImageSize * BoardScale)));
  ShowSelectedTool(hwnd);
}

void FreePaletteImages() {
  for (int i = 0; i < 16; i++) {
    if (Faces[i]) DeleteObject(Faces[i]);
    Faces[i] = nullptr;
  }
  FreeBoardImages();
}
