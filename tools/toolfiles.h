// What the data-set tools share: writing a whole file (its folders made as
// needed) and the 16-byte GFX0 header of a graphic.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "engine/bytes.h"
#include "menus/menugfx_files.h"

// Writes the bytes as the file; on failure says so on stderr in the tool's
// name and answers false.
inline bool WriteToolFile(const char* tool, const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::error_code ec;
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ec);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "%s: cannot write '%s'\n", tool, path.string().c_str());
    return false;
  }
  return true;
}

// "GFX0", then the frame width, height and count.
inline std::vector<uint8_t> Gfx0Header(int width, int height, int frames) {
  std::vector<uint8_t> bytes(GFX0_HEADER_SIZE, 0);
  std::memcpy(bytes.data(), "GFX0", 4);
  StoreU16(bytes.data() + GFX0_WIDTH_OFFSET, static_cast<uint32_t>(width));
  StoreU16(bytes.data() + GFX0_HEIGHT_OFFSET, static_cast<uint32_t>(height));
  StoreU16(bytes.data() + GFX0_FRAMES_OFFSET, static_cast<uint32_t>(frames));
  return bytes;
}
