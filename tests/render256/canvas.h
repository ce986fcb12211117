// An 8-bit drawing target on a vector, for the renderer's tests.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/gfx.h"

struct Canvas {
  Canvas(int w, int h, uint8_t fill) : pixels(static_cast<size_t>(w) * h, fill) {
    buffer.w = static_cast<int16_t>(w);
    buffer.h = static_cast<int16_t>(h);
    buffer.width = w;
    buffer.height = h;
    buffer.stride = w;
    buffer.pixels = pixels.data();
  }
  uint8_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * buffer.stride + x]; }
  std::vector<uint8_t> pixels;
  GfxBuffer buffer{};
};
