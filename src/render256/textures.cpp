// The software texture table.
#include "render256/textures.h"

#include <cstdio>
#include <cstring>

#include "engine/bytes.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/reset.h"
#include "engine/debug.h"

namespace {

struct TextureState {
  uint8_t* table[TEXTURE_TABLE_SIZE];
};
TextureState gTex;

constexpr const char* kRoot = "zvdata\\software\\";

// Loads one texture file whole into *owner, checked.
uint32_t LoadTextureFile(const char* name, uint8_t** owner) {
  char path[300];
  std::snprintf(path, sizeof path, "%s%s", kRoot, name);
  const uint32_t size = PakLoadFile(path, owner, ManualFree);
  const char* why = nullptr;
  if (CheckTextureImage(*owner, size, &why) < 0) FatalError("Error: texture '%s': %s\n", path, why);
  return size;
}

}  // namespace

void Textures_Reset() { std::memset(&gTex, 0, sizeof gTex); }
REGISTER_RESET(RESET_RENDER, Textures_Reset);

int32_t TextureWidth(const uint8_t* texture) { return LoadI16(texture); }
int32_t TextureHeight(const uint8_t* texture) { return LoadI16(texture + 2); }

int32_t CheckTextureImage(const uint8_t* image, uint32_t size, const char** why) {
  if (size < TEXTURE_HEADER_SIZE) {
    *why = "shorter than its 4-byte header";
    return -1;
  }
  const int32_t w = TextureWidth(image), h = TextureHeight(image);
  if (w < 1 || h < 1 || w > TEXTURE_MAX_SIDE || h > TEXTURE_MAX_SIDE) {
    *why = "width or height outside 1-4096";
    return -1;
  }
  if (size != static_cast<uint32_t>(TEXTURE_HEADER_SIZE + w * h)) {
    *why = "its size is not 4 + width x height bytes";
    return -1;
  }
  return w * h;
}

int TEXT_CreateTexture(const char* name) {
  for (int n = 0; n < TEXTURE_TABLE_SIZE; ++n)
    if (gTex.table[n] == nullptr) {
      LoadTextureFile(name, &gTex.table[n]);
      return n;
    }
  AbortError("zv256\\textures", __LINE__, "TEXT_CreateTexture(): too many textures created");
}

uint8_t* TEXT_GetTexture(int number) {
  if (number < 0 || number >= TEXTURE_TABLE_SIZE) return nullptr;
  return gTex.table[number];
}

void KIT_GetTextureSize(int number, int32_t* width, int32_t* height) {
  if (number < 0 || number >= TEXTURE_TABLE_SIZE)
    FatalError("Error: KIT_GetTextureSize(): invalid texture number - %d\n", number);
  const uint8_t* t = gTex.table[number];
  if (t == nullptr) FatalError("Error: KIT_GetTextureSize(): texture no %d not loaded\n", number);
  *width = TextureWidth(t);
  *height = TextureHeight(t);
}

void TEXT_ModifyTextureWithOverlay(int number, const char* overlayName) {
  int32_t w = 0, h = 0;
  KIT_GetTextureSize(number, &w, &h);
  uint8_t* overlay = nullptr;
  LoadTextureFile(overlayName, &overlay);
  const int32_t ow = TextureWidth(overlay), oh = TextureHeight(overlay);
  if (ow != w || oh != h)
    FatalError("Error: TEXT_ModifyTextureWithOverlay sizes dont match Source:%dx%d, Dest:%dx%d", ow, oh, w, h);
  uint8_t* dst = TexturePixels(gTex.table[number]);
  const uint8_t* src = TexturePixels(overlay);
  for (int32_t i = 0; i < w * h; ++i)
    if (src[i] != 0) dst[i] = src[i];
  FreeMemory(reinterpret_cast<void**>(&overlay));
}

void RemapTextureToSecondSide(int number, int mode) {
  if (mode != 1) return;
  int32_t w = 0, h = 0;
  KIT_GetTextureSize(number, &w, &h);
  uint8_t* p = TexturePixels(gTex.table[number]);
  for (int32_t i = 0; i < w * h; ++i)
    if (p[i] >= KIT_FIRST_SIDE_MIN && p[i] <= KIT_FIRST_SIDE_MAX) p[i] = static_cast<uint8_t>(p[i] + KIT_SIDE_OFFSET);
}

void ResetTextureTable() { std::memset(gTex.table, 0, sizeof gTex.table); }

void FreeTextures() {
  for (uint8_t*& t : gTex.table)
    if (t != nullptr) FreeMemory(reinterpret_cast<void**>(&t));
}
