// The two file formats of the screen images: 24-bit BMP for pictures, masks and button faces,
// ICO (one 32-bit image with its AND mask) for cursors. Little-endian fields, rows bottom-up.
#include <cstdint>
#include <string>

#include "files/atomicwrite.h"
#include "tools/makeassets/image36.h"

namespace {
void Put16(std::string &out, uint32_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string &out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
void PutBGR(std::string &out, uint32_t rgb) {
  out += static_cast<char>(rgb & 0xFF);
  out += static_cast<char>((rgb >> 8) & 0xFF);
  out += static_cast<char>((rgb >> 16) & 0xFF);
}

// The information header shared by both formats.
void PutInfoHeader(std::string &out, int height, int bits, uint32_t dataSize,
                   int width = ImageSide) {
  Put32(out, 40);          // size of this header
  Put32(out, static_cast<uint32_t>(width));
  Put32(out, static_cast<uint32_t>(height));
  Put16(out, 1);           // planes
  Put16(out, static_cast<uint32_t>(bits));
  Put32(out, 0);           // no compression
  Put32(out, dataSize);
  Put32(out, 2835);        // 72 pixels per inch, both axes
  Put32(out, 2835);
  Put32(out, 0);           // colours used
  Put32(out, 0);           // important colours
}

constexpr uint32_t ANDStride = (ImageSide + 31) / 32 * 4;
}  // namespace

std::string BMP24Bytes(const uint32_t *rgb, int side) {
  const uint32_t stride = (static_cast<uint32_t>(side) * 3 + 3) / 4 * 4;
  const uint32_t dataSize = stride * static_cast<uint32_t>(side);
  std::string out;
  out += "BM";
  Put32(out, 54 + dataSize);  // file size
  Put32(out, 0);              // reserved
  Put32(out, 54);             // offset of the pixel data
  PutInfoHeader(out, side, 24, dataSize, side);
  for (int y = side - 1; y >= 0; y--) {
    std::string row;
    for (int x = 0; x < side; x++) PutBGR(row, rgb[y * side + x]);
    row.resize(stride, '\0');
    out += row;
  }
  return out;
}

std::string ICOBytes(const Image36 &image) {
  const uint32_t colourSize = ImageSide * ImageSide * 4;
  const uint32_t maskSize = ANDStride * ImageSide;
  const uint32_t imageSize = 40 + colourSize + maskSize;
  std::string out;
  // The directory: one image.
  Put16(out, 0);  // reserved
  Put16(out, 1);  // an icon
  Put16(out, 1);  // one image
  out += static_cast<char>(ImageSide);
  out += static_cast<char>(ImageSide);
  out += '\0';    // no palette
  out += '\0';    // reserved
  Put16(out, 1);  // planes
  Put16(out, 32); // bits per pixel
  Put32(out, imageSize);
  Put32(out, 6 + 16);  // the image follows the directory
  // The image: its header counts the colour rows and the mask rows together.
  PutInfoHeader(out, 2 * ImageSide, 32, colourSize + maskSize);
  for (int y = ImageSide - 1; y >= 0; y--)
    for (int x = 0; x < ImageSide; x++) {
      PutBGR(out, image.figure[y][x] ? image.rgb[y][x] : 0);
      out += static_cast<char>(image.figure[y][x] ? 0xFF : 0);
    }
  // AND mask: 1 where the screen shows through.
  for (int y = ImageSide - 1; y >= 0; y--) {
    std::string row(ANDStride, '\0');
    for (int x = 0; x < ImageSide; x++)
      if (!image.figure[y][x]) row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
    out += row;
  }
  return out;
}

bool WriteBMP24(const std::string &path, const uint32_t *rgb, int side, std::string *why) {
  return WriteFileAtomically(path, BMP24Bytes(rgb, side), why);
}

bool WriteICO(const std::string &path, const Image36 &image, std::string *why) {
  return WriteFileAtomically(path, ICOBytes(image), why);
}
