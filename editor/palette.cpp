// The palette: sixteen image buttons, one per tool, and the screen images of each tool.
#include <string>

#include "editor/editor.h"
#include "files/paths.h"

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

void LoadBoardImages(int scale) {
  FreeBoardImages();
  // 72-pixel figures drawn at whole multiples of 36: exact at 2 and 4, every glyph pixel kept.
  const std::string size = scale > 1 ? "72" : "";
  for (int i = 1; i < 16; i++) {
    const std::string stem = "bmp/" + std::string(PName[i]) + size;
    Pics[i] = static_cast<HBITMAP>(LoadScreenImage(stem + ".bmp", IMAGE_BITMAP, ImageSize * scale));
    Mask[i] = static_cast<HBITMAP>(LoadScreenImage(stem + "m.bmp", IMAGE_BITMAP, ImageSize * scale));
  }
}

void ShowSelectedTool(HWND hwnd) {
  const int selected = Editor().SelPiece;
  for (int i = 0; i < 16; i++)
    SendMessage(GetDlgItem(hwnd, i), BM_SETCHECK, i == selected ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CreatePalette(HWND hwnd) {
  for (int i = 0; i < 16; i++) {
    const std::string stem = PName[i];
    HWND button = CreateWindowEx(0, "button", "", WS_CHILD | WS_VISIBLE | BS_BITMAP, ButX[i],
                                 ButY[i], ButtonSide, ButtonSide, hwnd,
                                 reinterpret_cast<HMENU>(static_cast<intptr_t>(i)), Inst, nullptr);
    Faces[i] = static_cast<HBITMAP>(LoadScreenImage("bmp/" + stem + "w.bmp", IMAGE_BITMAP));
    if (button && Faces[i])
      SendMessage(button, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(Faces[i]));
    Curs[i] = static_cast<HCURSOR>(LoadScreenImage("cur/" + stem + ".ico", IMAGE_CURSOR));
  }
  LoadBoardImages(BoardScale);
  ShowSelectedTool(hwnd);
}

void FreePaletteImages() {
  for (int i = 0; i < 16; i++) {
    if (Faces[i]) DeleteObject(Faces[i]);
    Faces[i] = nullptr;
  }
  FreeBoardImages();
}
