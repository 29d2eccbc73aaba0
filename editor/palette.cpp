// The palette: sixteen image buttons, one per tool, and the screen images of each tool.
#include <string>

#include "editor/editor.h"
#include "files/paths.h"
#include "model/model.h"

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
HANDLE LoadScreenImage(const std::string &name, UINT type) {
  std::string path = DataPath(name);
  return LoadImage(Inst, path.c_str(), type, ImageSize, ImageSize, LR_LOADFROMFILE);
}
}  // namespace

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
    if (i == 0) continue;
    Pics[i] = static_cast<HBITMAP>(LoadScreenImage("bmp/" + stem + ".bmp", IMAGE_BITMAP));
    Mask[i] = static_cast<HBITMAP>(LoadScreenImage("bmp/" + stem + "m.bmp", IMAGE_BITMAP));
  }
}

void FreePaletteImages() {
  for (int i = 0; i < 16; i++) {
    if (Faces[i]) DeleteObject(Faces[i]);
    Faces[i] = nullptr;
    if (i == 0) continue;
    if (Pics[i]) DeleteObject(Pics[i]);
    if (Mask[i]) DeleteObject(Mask[i]);
    Pics[i] = Mask[i] = nullptr;
  }
}
