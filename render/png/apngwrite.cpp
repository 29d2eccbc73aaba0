// The APNG writer, in the PNG writer's module: an indexed PNG whose frames follow the animation
// chunks of the APNG extension (acTL, fcTL, fdAT), which Debian's libpng does not write. The
// chunks are written here around zlib's deflate; browsers play them, and a viewer that knows
// only PNG shows the first frame. Like the PNG writer it needs no C++ library.
#include <zlib.h>

#include <cstdlib>
#include <cstring>

#include "render/animationapi.h"

namespace {
struct Writer {
  PNGAppend *append;
  void *context;
  uint32_t sequence;  // of the fcTL and fdAT chunks, from 0
};

void Put32(uint8_t *p, uint32_t v) {
  p[0] = static_cast<uint8_t>(v >> 24), p[1] = static_cast<uint8_t>(v >> 16);
  p[2] = static_cast<uint8_t>(v >> 8), p[3] = static_cast<uint8_t>(v);
}

void Put16(uint8_t *p, uint32_t v) {
  p[0] = static_cast<uint8_t>(v >> 8), p[1] = static_cast<uint8_t>(v);
}

// A chunk: its length, type, data and the CRC of type and data.
void Chunk(Writer *w, const char *type, const uint8_t *data, size_t size) {
  uint8_t head[8], tail[4];
  Put32(head, static_cast<uint32_t>(size));
  std::memcpy(head + 4, type, 4);
  uLong crc = crc32_z(0, head + 4, 4);
  if (size) crc = crc32_z(crc, data, size);  // a null buffer would start the CRC again
  Put32(tail, static_cast<uint32_t>(crc));
  w->append(w->context, head, 8);
  if (size) w->append(w->context, data, size);
  w->append(w->context, tail, 4);
}

// Bits a pixel for a palette of so many colours.
int Depth(int colours) { return colours <= 2 ? 1 : colours <= 4 ? 2 : colours <= 16 ? 4 : 8; }

// The frame's rows (each a filter byte, none, then its indices depth bits each, the leftmost
// highest), deflated after 4 bytes left free for an fdAT's sequence number; null when memory or
// zlib fails. *size counts the deflated bytes.
uint8_t *Deflated(const AnimationFrame &f, int depth, size_t *size) {
  const size_t stride = (static_cast<size_t>(f.width) * depth + 7) / 8;
  const size_t raw = (stride + 1) * static_cast<size_t>(f.height);
  uint8_t *rows = static_cast<uint8_t *>(std::calloc(raw, 1));
  uLongf packed = compressBound(raw);
  uint8_t *out = static_cast<uint8_t *>(std::malloc(packed + 4));
  if (!rows || !out) {
    std::free(rows), std::free(out);
    return nullptr;
  }
  for (int y = 0; y < f.height; y++) {
    uint8_t *row = rows + static_cast<size_t>(y) * (stride + 1) + 1;
    const uint8_t *pixels = f.pixels + static_cast<size_t>(y) * f.width;
    for (int x = 0; x < f.width; x++) {
      const int bit = x * depth;
      row[bit / 8] = static_cast<uint8_t>(row[bit / 8] | pixels[x] << (8 - depth - bit % 8));
    }
  }
  const int result = compress2(out + 4, &packed, rows, raw, Z_BEST_COMPRESSION);
  std::free(rows);
  if (result != Z_OK) {
    std::free(out);
    return nullptr;
  }
  *size = packed;
  return out;
}

// The frame control chunk: the frame's rectangle and delay; a frame after the first is drawn
// over the one before (its transparent pixels leave it), and nothing is cleared after it.
void FrameControl(Writer *w, const AnimationFrame &f, bool first) {
  uint8_t c[26];
  Put32(c, w->sequence++);
  Put32(c + 4, static_cast<uint32_t>(f.width)), Put32(c + 8, static_cast<uint32_t>(f.height));
  Put32(c + 12, static_cast<uint32_t>(f.x)), Put32(c + 16, static_cast<uint32_t>(f.y));
  const int delay = f.delay < 0 ? 0 : f.delay;
  const bool hundredths = delay > 65535;  // the delay's numerator has 16 bits
  Put16(c + 20, static_cast<uint32_t>(hundredths ? delay / 10 : delay));
  Put16(c + 22, hundredths ? 100 : 1000);
  c[24] = 0;              // dispose: none
  c[25] = first ? 0 : 1;  // blend: the first replaces, the others go over
  Chunk(w, "fcTL", c, sizeof c);
}
}  // namespace

extern "C" __attribute__((visibility("default"))) bool BoardsmithAPNG(const AnimationHeader *h,
                                                                      AnimationFrameSource *next,
                                                                      void *frames,
                                                                      PNGAppend *append,
                                                                      void *context) {
  if (h->width < 1 || h->height < 1 || h->colours < 1 || h->colours > 256 || h->frames < 1)
    return false;
  Writer w{append, context, 0};
  const int depth = Depth(h->colours);
  static const uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  append(context, signature, sizeof signature);
  uint8_t ihdr[13] = {};
  Put32(ihdr, static_cast<uint32_t>(h->width)), Put32(ihdr + 4, static_cast<uint32_t>(h->height));
  ihdr[8] = static_cast<uint8_t>(depth), ihdr[9] = 3;  // palette indices
  Chunk(&w, "IHDR", ihdr, sizeof ihdr);
  uint8_t phys[9];
  Put32(phys, static_cast<uint32_t>(h->pixelsPerMetre)),
      Put32(phys + 4, static_cast<uint32_t>(h->pixelsPerMetre));
  phys[8] = 1;  // pixels per metre
  Chunk(&w, "pHYs", phys, sizeof phys);
  Chunk(&w, "PLTE", h->palette, static_cast<size_t>(h->colours) * 3);
  if (h->transparent >= 0 && h->transparent < h->colours) {
    uint8_t alpha[256];
    std::memset(alpha, 255, sizeof alpha);
    alpha[h->transparent] = 0;
    Chunk(&w, "tRNS", alpha, static_cast<size_t>(h->transparent) + 1);
  }
  const bool animated = h->frames > 1;
  if (animated) {
    uint8_t actl[8];
    Put32(actl, static_cast<uint32_t>(h->frames));
    Put32(actl + 4, 0);  // played for ever
    Chunk(&w, "acTL", actl, sizeof actl);
  }
  for (int i = 0; i < h->frames; i++) {
    AnimationFrame f;
    if (!next(frames, i, &f)) return false;
    // The first frame is the picture itself: all of it, in IDAT.
    if (f.x < 0 || f.y < 0 || f.width < 1 || f.height < 1 || f.x + f.width > h->width ||
        f.y + f.height > h->height || (i == 0 && (f.width != h->width || f.height != h->height)))
      return false;
    if (animated) FrameControl(&w, f, i == 0);
    size_t size = 0;
    uint8_t *data = Deflated(f, depth, &size);
    if (!data) return false;
    if (i == 0) {
      Chunk(&w, "IDAT", data + 4, size);
    } else {
      Put32(data, w.sequence++);
      Chunk(&w, "fdAT", data, size + 4);
    }
    std::free(data);
  }
  Chunk(&w, "IEND", nullptr, 0);
  return true;
}
