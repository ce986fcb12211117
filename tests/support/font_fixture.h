// Font and graphic files for the 2D drawing tests: small GFX0 images whose
// pixels say which glyph or frame they came from.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "engine/pakwrite.h"
#include "menus/menugfx_files.h"

// A GFX0 header and `pixels` as they are.
inline std::vector<uint8_t> Gfx0File(int width, int height, int frames, const std::vector<uint8_t>& pixels) {
  std::vector<uint8_t> b(GFX0_HEADER_SIZE + pixels.size(), 0);
  std::memcpy(b.data(), "GFX0", 4);
  StoreU16(b.data() + GFX0_WIDTH_OFFSET, static_cast<uint32_t>(width));
  StoreU16(b.data() + GFX0_HEIGHT_OFFSET, static_cast<uint32_t>(height));
  StoreU16(b.data() + GFX0_FRAMES_OFFSET, static_cast<uint32_t>(frames));
  if (!pixels.empty()) std::memcpy(b.data() + GFX0_HEADER_SIZE, pixels.data(), pixels.size());
  return b;
}

// Frames of width x height where every pixel of frame f is 1 + f % 250,
// except the first pixel of the second row (colour 0, transparent).
inline std::vector<uint8_t> MarkedFrames(int width, int height, int frames) {
  std::vector<uint8_t> px;
  for (int f = 0; f < frames; ++f)
    for (int i = 0; i < width * height; ++i)
      px.push_back(i == width ? 0 : static_cast<uint8_t>(1 + f % 250));
  return px;
}

// The two files of font `name`: `glyphs` marked cells of width x height, and
// an advance of `advance` for every glyph except 'W' (twice as much).
inline std::vector<PakWriteItem> FontFiles(const std::string& name, int width, int height, int glyphs, int advance) {
  std::vector<uint8_t> wid(static_cast<size_t>(glyphs), static_cast<uint8_t>(advance));
  if (glyphs > 'W') wid['W'] = static_cast<uint8_t>(2 * advance);
  std::string upper = name;
  for (char& c : upper) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
  return {{"MISCGFX\\FONTS\\" + upper + ".GFX", Gfx0File(width, height, glyphs, MarkedFrames(width, height, glyphs))},
          {"MISCGFX\\FONTS\\" + upper + ".WID", wid}};
}
