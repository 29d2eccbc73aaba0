// "Save Picture..." and "Save Web Page...": the pictures of today's documents (PNG, PDF, SVG, in
// print or colour) and the self-contained page, each with its position file beside it and the
// check's report after it; and the virtual clipboard's offer of every format at once.
#include <cmath>
#include <string>
#include <vector>

#include "check/check.h"
#include "chess/diagram.h"
#include "chess/fen.h"
#include "editor/editor.h"
#include "files/svgpage.h"
#include "render/picturefile.h"

namespace {
// One entry of a dialog's type list: what it writes.
struct SaveType {
  const char *filter;  // text and pattern, each zero-terminated
  int format;          // a picture format, or -1 for the web page
  int style;           // StylePrint or StyleColour
  const char *ext;     // given to a name typed without one
  const char *named;   // the format as the report's first line names it
};

// The picture types in the order of the dialog's list (the filter index counts from 1).
const SaveType PictureTypes[] = {
    {"PNG picture, print (*.png)\0*.png\0", PicturePNG, StylePrint, "png", "PNG picture"},
    {"PNG picture, colour (*.png)\0*.png\0", PicturePNG, StyleColour, "png", "PNG picture"},
    {"PDF document, print (*.pdf)\0*.pdf\0", PicturePDF, StylePrint, "pdf", "PDF document"},
    {"PDF document, colour (*.pdf)\0*.pdf\0", PicturePDF, StyleColour, "pdf", "PDF document"},
    {"SVG drawing, print (*.svg)\0*.svg\0", PictureSVG, StylePrint, "svg", "SVG drawing"},
    {"SVG drawing, colour (*.svg)\0*.svg\0", PictureSVG, StyleColour, "svg", "SVG drawing"},
};
const SaveType PageTypes[] = {
    {"Web page, colour (*.html *.htm)\0*.html;*.htm\0", -1, StyleColour, "html", "Web page"},
    {"Web page, print (*.html *.htm)\0*.html;*.htm\0", -1, StylePrint, "html", "Web page"},
};

// What the last save of each kind chose, offered again.
std::string PictureFile, PageFile;
uint32_t PictureType = 1, PageType = 1;

// The filter list of a table: its entries one after the other, then the empty text.
template <size_t N>
std::string FilterList(const SaveType (&types)[N]) {
  std::string list;
  for (const SaveType &t : types) {
    std::string text = t.filter;
    std::string pattern = t.filter + text.size() + 1;
    list += text + '\0' + pattern + '\0';
  }
  return list + '\0';
}

// The path without its extension (the last "." of the name).
std::string WithoutExtension(const std::string &path) {
  size_t slash = path.rfind('/'), dot = path.rfind('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return path;
  return path.substr(0, dot);
}

// The save dialog over a type table; false when cancelled. *path and *type receive the choice.
template <size_t N>
bool AskForType(HWND hwnd, const SaveType (&types)[N], std::string *path, uint32_t *type) {
  if (!AskForFile(hwnd, true, FilterList(types).c_str(), nullptr,
                  OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, path,
                  type))
    return false;
  if (*type < 1 || *type > N) *type = 1;
  return true;
}

// The position file beside the export, then the export in the type's style; the report names
// what was written.
bool WriteWithPosition(const std::string &path, int style,
                       const std::function<bool(const PictureSettings &, std::string *,
                                                std::string *)> &exportBytes) {
  Editor().BRDFile = WithoutExtension(path) + ".brd";
  const PictureSettings settings = SaveSettings(DecideCoords(MainWnd), style);
  auto bytes = [&](std::string *out, std::string *why) { return exportBytes(settings, out, why); };
  if (!WriteBoth(settings, bytes, path)) return false;
  SavedByUser();
  return true;
}

void Report(const SaveType &type, const std::string &path) {
  std::string text = std::string(type.named) +
                     (type.style == StyleColour ? " (colour)" : " (print)") + " saved as " + path +
                     " and " + Editor().BRDFile + "\n" + CheckPosition(Editor().diagram, 0, 0).text;
  MessageBox(nullptr, text.c_str(), "Check Legal", MB_OK);
}

const char Base64Letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::string Base64(const std::string &bytes) {
  std::string out;
  for (size_t i = 0; i < bytes.size(); i += 3) {
    uint32_t v = static_cast<uint8_t>(bytes[i]) << 16;
    if (i + 1 < bytes.size()) v |= static_cast<uint8_t>(bytes[i + 1]) << 8;
    if (i + 2 < bytes.size()) v |= static_cast<uint8_t>(bytes[i + 2]);
    for (int k = 0; k < 4; k++)
      out += i + k - 1 < bytes.size() || k < 2 ? Base64Letters[(v >> (18 - 6 * k)) & 63] : '=';
  }
  return out;
}

}  // namespace

void SavePictureCommand(HWND hwnd) {
  if (!AskForType(hwnd, PictureTypes, &PictureFile, &PictureType)) return;
  const SaveType &type = PictureTypes[PictureType - 1];
  // A name typed with a picture extension of its own is written in that format.
  int format = PictureFormatOf(PictureFile);
  if (format < 0) {
    PictureFile += std::string(".") + type.ext;
    format = type.format;
  }
  SaveType written = type;
  for (const SaveType &t : PictureTypes)
    if (t.format == format) written.named = t.named;
  if (format == PictureBMP) written.named = "BMP picture";
  auto picture = [&](const PictureSettings &settings, std::string *bytes, std::string *why) {
    return PictureBytes(format, Editor().diagram, settings, PictureCanvas(), bytes, why);
  };
  if (!WriteWithPosition(PictureFile, type.style, picture)) return;
  Report(written, PictureFile);
}

void SavePageCommand(HWND hwnd) {
  if (!AskForType(hwnd, PageTypes, &PageFile, &PageType)) return;
  const SaveType &type = PageTypes[PageType - 1];
  if (!EndsWith(PageFile, ".html") && !EndsWith(PageFile, ".htm")) PageFile += ".html";
  auto page = [](const PictureSettings &settings, std::string *bytes, std::string *why) {
    *bytes = SVGPageText(Editor().diagram, settings, why);
    return !bytes->empty();
  };
  if (!WriteWithPosition(PageFile, type.style, page)) return;
  Report(type, PageFile);
}

void OfferDiagramToClipboard(const std::string &picturePath, const PictureSettings &settings) {
  const Diagram &diagram = Editor().diagram;
  ClipboardOffer offer;
  offer.picturePath = picturePath;
  // The composer's picture at its print width (96 pixels an inch on a page) with twice the pixels,
  // sharp on a high-density screen; described for a reader; none without the writer modules.
  const int width = static_cast<int>(std::lround(settings.Inches() * 96.0));
  PictureSettings sharp = settings;
  sharp.Px = 2 * width;
  std::string png;
  if (PictureBytes(PicturePNG, diagram, sharp, PictureCanvas(), &png, nullptr))
    offer.png.assign(png.begin(), png.end());
  offer.text = WriteFEN(BoardFromDiagram(diagram));
  if (!offer.png.empty())
    offer.html = "<img src=\"data:image/png;base64," + Base64(offer.png) + "\" width=\"" +
                 std::to_string(width) + "\" height=\"" + std::to_string(width) + "\" alt=\"" +
                 Escaped(DiagramDescription(diagram)) + "\">";
  OfferToClipboard(offer);
}
