#pragma once
// Animated pictures: diagrams one after another as one GIF or APNG (a PNG with the animation
// chunks), or one diagram as a still GIF. Each frame is the print picture or the colour picture,
// on one palette: the print picture's black and white, or the theme's colours (and, in a colour
// picture scaled to another width, blends of each two of them). A frame after the first holds
// only the rectangle that changed, the pixels that stay as they were transparent, so a game's
// file is little more than its first frame.
#include <string>
#include <vector>

#include "model/diagram.h"
#include "model/picturesettings.h"
#include "render/canvas.h"

// The bytes of the diagrams' animation in format (PictureGIF or PicturePNG), each shown for its
// delay in milliseconds and the whole repeated for ever; one diagram (GIF only) gives a still
// picture. The settings' style, coordinates, theme and (for colour) Px width hold for every
// frame. False with a reason when the writer module is missing or fails.
bool AnimationBytes(int format, const std::vector<Diagram> &diagrams,
                    const std::vector<int> &delays, const PictureSettings &settings, Canvas &canvas,
                    std::string *bytes, std::string *why);
