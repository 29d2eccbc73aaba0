// Animated pictures: the frames composed one at a time on the caller's canvas, turned into
// palette indices, cut to what changed, and handed to the GIF or APNG writer's module.
#include "render/animation.h"

#include <algorithm>
#include <unordered_map>

#include "model/themes.h"
#include "render/animationapi.h"
#include "render/colourraster.h"
#include "render/makebmp.h"
#include "render/moduleload.h"
#include "render/picturefile.h"

namespace {
// The colours a picture is made of: the print picture's white and black, or the colour
// picture's squares, black, white and arrow red.
std::vector<uint32_t> BaseColours(const PictureSettings &s) {
  auto Pack = [](const uint8_t c[3]) { return uint32_t{c[0]} << 16 | uint32_t{c[1]} << 8 | c[2]; };
  if (s.Style != StyleColour) return {0xFFFFFF, 0x000000};
  const int t = s.ThemeIndex();
  return {Pack(Dk[t]), Pack(Lt[t]), 0x000000, 0xFFFFFF, Pack(ArrowRed)};
}

// The frames' palette: the base colours and, for a scaled picture whose pixels are averages,
// blends of each two of them in equal steps, 255 colours at most; the entry after them is the
// frames' transparent one.
std::vector<uint32_t> PaletteOf(const PictureSettings &s, bool scaled) {
  std::vector<uint32_t> base = BaseColours(s), palette = base;
  if (!scaled) return palette;
  const size_t pairs = base.size() * (base.size() - 1) / 2;
  const int steps = static_cast<int>((255 - base.size()) / pairs) + 1;  // blends between two
  for (size_t a = 0; a < base.size(); a++)
    for (size_t b = a + 1; b < base.size(); b++)
      for (int k = 1; k < steps; k++) {
        uint32_t mix = 0;
        for (int shift = 16; shift >= 0; shift -= 8) {
          int ca = base[a] >> shift & 255, cb = base[b] >> shift & 255;
          mix |= static_cast<uint32_t>((ca * (steps - k) + cb * k + steps / 2) / steps) << shift;
        }
        palette.push_back(mix);
      }
  return palette;
}

// The frames, made when the writer asks for them: each diagram composed, its pixels as palette
// indices, and after the first only the rectangle that differs from the frame before.
class Frames {
 public:
  Frames(const std::vector<Diagram> &diagrams, const std::vector<int> &delays,
         const PictureSettings &settings, Canvas &canvas, int size,
         const std::vector<uint32_t> &palette)
      : diagrams_(diagrams),
        delays_(delays),
        settings_(settings),
        canvas_(canvas),
        size_(size),
        palette_(palette),
        transparent_(static_cast<uint8_t>(palette.size())),
        now_(static_cast<size_t>(size) * size),
        before_(now_.size()) {
    for (size_t i = 0; i < palette.size(); i++) index_[palette[i]] = static_cast<uint8_t>(i);
  }

  bool Next(int index, AnimationFrame *frame) {
    if (index < 0 || static_cast<size_t>(index) >= diagrams_.size()) return false;
    std::swap(now_, before_);
    Draw(diagrams_[index]);
    *frame = {0, 0, size_, size_, now_.data(), delays_[index]};
    if (index == 0) return true;
    // The rectangle of the pixels that changed (one transparent pixel when none did).
    int left = size_, right = -1, top = size_, bottom = -1;
    for (int y = 0; y < size_; y++) {
      const uint8_t *a = &now_[static_cast<size_t>(y) * size_],
                    *b = &before_[static_cast<size_t>(y) * size_];
      if (std::equal(a, a + size_, b)) continue;
      top = std::min(top, y), bottom = y;
      int x = 0, z = size_ - 1;
      while (a[x] == b[x]) x++;
      while (a[z] == b[z]) z--;
      left = std::min(left, x), right = std::max(right, z);
    }
    if (bottom < 0) left = right = top = bottom = 0;
    rect_.clear();
    for (int y = top; y <= bottom; y++)
      for (int x = left; x <= right; x++) {
        const size_t at = static_cast<size_t>(y) * size_ + x;
        rect_.push_back(now_[at] == before_[at] ? transparent_ : now_[at]);
      }
    *frame = {left, top, right - left + 1, bottom - top + 1, rect_.data(), delays_[index]};
    return true;
  }

 private:
  void Draw(const Diagram &diagram) {
    if (settings_.Style != StyleColour) {
      // The print picture's canvas: pixel x 1..size to the right, y 1..size upward; 1 black.
      Compose(diagram, settings_, canvas_);
      for (int row = 0; row < size_; row++)
        for (int col = 0; col < size_; col++)
          now_[static_cast<size_t>(row) * size_ + col] = canvas_.Dot[col + 1][size_ - row] ? 1 : 0;
      return;
    }
    const int own = PictureSize(settings_.Coords);
    std::vector<uint8_t> rgb = ScaleByArea(ComposeColour(diagram, settings_, canvas_), own, size_);
    for (size_t i = 0; i < now_.size(); i++)
      now_[i] =
          IndexOf(uint32_t{rgb[3 * i]} << 16 | uint32_t{rgb[3 * i + 1]} << 8 | rgb[3 * i + 2]);
  }

  // The palette's colour nearest to rgb, remembered.
  uint8_t IndexOf(uint32_t rgb) {
    auto known = index_.find(rgb);
    if (known != index_.end()) return known->second;
    int best = 0;
    long bestDistance = -1;
    for (size_t i = 0; i < palette_.size(); i++) {
      long distance = 0;
      for (int shift = 16; shift >= 0; shift -= 8) {
        long d =
            static_cast<long>(rgb >> shift & 255) - static_cast<long>(palette_[i] >> shift & 255);
        distance += d * d;
      }
      if (bestDistance < 0 || distance < bestDistance)
        best = static_cast<int>(i), bestDistance = distance;
    }
    return index_[rgb] = static_cast<uint8_t>(best);
  }

  const std::vector<Diagram> &diagrams_;
  const std::vector<int> &delays_;
  const PictureSettings &settings_;
  Canvas &canvas_;
  const int size_;
  const std::vector<uint32_t> &palette_;
  const uint8_t transparent_;
  std::vector<uint8_t> now_, before_, rect_;
  std::unordered_map<uint32_t, uint8_t> index_;
};

bool NextFrame(void *frames, int index, AnimationFrame *frame) {
  return static_cast<Frames *>(frames)->Next(index, frame);
}
}  // namespace

bool AnimationBytes(int format, const std::vector<Diagram> &diagrams,
                    const std::vector<int> &delays, const PictureSettings &settings, Canvas &canvas,
                    std::string *bytes, std::string *why) {
  auto Fail = [&](const std::string &reason) {
    if (why) *why = reason;
    return false;
  };
  const bool colour = settings.Style == StyleColour;
  const int size =
      colour ? (settings.Px ? settings.Px : DefaultColourPixels) : PictureSize(settings.Coords);
  if (diagrams.empty() || delays.size() != diagrams.size() ||
      (format == PicturePNG && diagrams.size() < 2))
    return Fail("An animated picture needs a delay for each of its frames, and a PNG two frames.");
  if (colour && (size < 8 || size > MaxColourPixels))
    return Fail("A colour picture is 8 to " + std::to_string(MaxColourPixels) +
                " pixels wide, not " + std::to_string(size) + ".");
  std::string reason;
  auto *entry = reinterpret_cast<AnimationEntry *>(
      format == PictureGIF
          ? ModuleEntry(GIFModuleName, GIFEntryName, "GIF writer", "GIF pictures", &reason)
          : ModuleEntry(PNGModuleName, APNGEntryName, "PNG writer", "Animated PNG pictures",
                        &reason));
  if (!entry) return Fail(reason);

  const bool animated = diagrams.size() > 1;
  const std::vector<uint32_t> palette =
      PaletteOf(settings, colour && size != PictureSize(settings.Coords));
  std::vector<uint8_t> rgb;
  for (uint32_t c : palette)
    rgb.insert(rgb.end(), {uint8_t(c >> 16), uint8_t(c >> 8 & 255), uint8_t(c & 255)});
  if (animated) rgb.insert(rgb.end(), {255, 255, 255});  // the transparent entry
  const AnimationHeader header{
      size,
      size,
      rgb.data(),
      static_cast<int>(rgb.size() / 3),
      animated ? static_cast<int>(palette.size()) : -1,
      static_cast<int>(diagrams.size()),
      colour ? ColourResolution(settings, size) : PictureResolution(settings)};
  Frames frames(diagrams, delays, settings, canvas, size, palette);
  bytes->clear();
  if (entry(&header, NextFrame, &frames, AppendToString, bytes)) return true;
  bytes->clear();
  return Fail(format == PictureGIF ? "The GIF encoder failed." : "The PNG encoder failed.");
}
