#pragma once
// The vector composer (cairo, with potrace for the classic figures and FreeType and fontconfig
// for the font sets) draws every picture but the exact 1-bit one: PDF, SVG, rasters at any size
// and the editor's board. It lives in a module of its own, boardsmith-vector.so, loaded on first
// use, so that programs which never write such a picture (a BMP export) never load cairo and
// the fonts. The module gets a copy of the diagram as a plain struct, hands the picture's
// bytes to a callback and keeps nothing of ours: only C types cross between the two, as with the
// PNG writer (render/png.h).
#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "model/diagram.h"
#include "model/picturesettings.h"
#include "render/canvas.h"

constexpr int VectorInterface = 5;  // raised whenever VectorDiagram or VectorEntry changes
constexpr const char *VectorModuleName = "boardsmith-vector.so";
constexpr const char *VectorEntryName = "BoardsmithVectorPicture";
constexpr const char *PieceSetsEntryName = "BoardsmithPieceSets";
constexpr const char *RoomEntryName = "BoardsmithVectorRoom";
constexpr const char *RoomReleaseName = "BoardsmithVectorRoomRelease";

// What the module makes besides PDF and SVG (render/picturefile.h numbers those), each as cairo's
// premultiplied 32-bit pixels (0xAARRGGBB in native order, rows top first, opaque): the picture as
// a width x width raster; the editor's board view, its white field of 322 x 320 units drawn
// width x height pixels; and a palette face, the man or marker of the diagram's first
// cell (a8 as shown) on a square of theme 0's light colour, width x height pixels, as the board
// view's pixels.
// PictureRasterPNG is the raster's PNG file (8-bit RGB, its pHYs the print width's resolution),
// encoded where it was drawn.
enum : int { PictureRaster = 10, PictureBoardView = 11, PictureFace = 12, PictureRasterPNG = 13 };
// Room for the module's reason for a failure, its terminating zero included.
constexpr size_t VectorReasonSize = 1024;

// The diagram and its settings are plain data (standard layout, trivially copyable): they cross
// as they are.
struct VectorDiagram {
  int interface;             // VectorInterface of the caller
  int format;                // PicturePDF, PictureSVG, PictureRaster, PictureBoardView, PictureFace
  int width, height;         // pixels of a raster, board view or face
  Diagram diagram;
  PictureSettings settings;  // style, coordinates, theme and printed width
};
static_assert(std::is_standard_layout_v<VectorDiagram> && std::is_trivially_copyable_v<VectorDiagram>);

// Where the module's bytes go, a piece at a time.
extern "C" typedef void VectorAppend(void *context, const uint8_t *bytes, size_t count);
// The module's entry point: the whole picture handed to append, or false with a reason written
// into why (whySize bytes of room) and nothing handed over. room is the caller's working memory
// from RoomEntry (null: the call makes its own).
extern "C" typedef bool VectorEntry(const VectorDiagram *diagram, void *room, VectorAppend *append,
                                    void *context, char *why, size_t whySize);
// A new working memory for one caller, and its release (ComposerRoom in render/canvas.h).
extern "C" typedef void *RoomEntry();
extern "C" typedef void RoomRelease(void *room);

// The module's list of piece sets: "classic", then each installed font family that has the twelve
// chess men, one a line, handed to append.
extern "C" typedef void PieceSetsEntry(VectorAppend *append, void *context);

// The diagram as the module wants it, in a format and the settings' style, coordinates, theme
// and piece set; width and height for a raster or board view.
VectorDiagram VectorDiagramOf(int format, const Diagram &diagram, const PictureSettings &settings,
                              int width = 0, int height = 0);
// Loads the module (once) and writes the picture, in the working memory the canvas carries;
// false with a reason when the module is missing or fails.
bool VectorPicture(const VectorDiagram &diagram, Canvas &canvas, std::string *bytes, std::string *why);
// The piece sets the editor's menu offers: "classic" and the installed chess fonts; only
// "classic" when the module is missing.
std::vector<std::string> PieceSets();
