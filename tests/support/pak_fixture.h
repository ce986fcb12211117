// A pak of given files in the current folder, opened as the only pak: the
// file fixtures of the loaders' tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "engine/pakfile.h"
#include "engine/pakwrite.h"

inline void OpenTestPak(const std::vector<PakWriteItem>& items) {
  std::filesystem::create_directories("pakfiles");
  std::string error;
  ASSERT_TRUE(PakWriteFiles("pakfiles/test", items, PAK_STORE_AUTO, nullptr, &error)) << error;
  PakFileInit();
  PakFileAdd("pakfiles\\test");
  PakFileAddDone();
}

// An 8-bit texture file: int16 width, int16 height, then the pixels.
inline std::vector<uint8_t> TextureFile(int width, int height, const std::vector<uint8_t>& pixels) {
  std::vector<uint8_t> b(4);
  StoreU16(b.data(), static_cast<uint32_t>(width));
  StoreU16(b.data() + 2, static_cast<uint32_t>(height));
  b.insert(b.end(), pixels.begin(), pixels.end());
  return b;
}
