// A lossless WebP image of one colour, written directly: its five prefix
// codes each hold a single symbol, so the pixels take no bits at all. The
// first frame of an animation on a plain ground is such an image; libwebp's
// encoder would need several copies of the picture's size to find that out.
#pragma once

#include <cstdint>
#include <vector>

namespace sumimai {

// The "VP8L" chunk (tag, size and data, padded to an even length) of an
// image of width x height pixels, all `pixel` (straight 0xAARRGGBB). The
// sides are 1 to 16384.
std::vector<std::uint8_t> oneColourLosslessChunk(std::uint32_t pixel, int width, int height);

}  // namespace sumimai
