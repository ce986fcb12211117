// The software renderer's 8-bit textures: one table of texture numbers for
// the stadium, goal and flag textures the models name and the kit and skin
// textures built for each match. A texture is its file loaded whole into one
// managed block: int16 width, int16 height (little-endian), then width x
// height palette indices, row by row.
#pragma once

#include <cstdint>

constexpr int TEXTURE_TABLE_SIZE = 10255;
constexpr int TEXTURE_HEADER_SIZE = 4;
constexpr int TEXTURE_MAX_SIDE = 4096;

// The first side's kit colours lie in 48-91 of the game palette, the second
// side's 44 entries further on.
constexpr int KIT_FIRST_SIDE_MIN = 48;
constexpr int KIT_FIRST_SIDE_MAX = 91;
constexpr int KIT_SIDE_OFFSET = 44;

// Loads "zvdata\software\" + name into the first empty entry and answers its
// number. A file that is not a texture (short, sides outside 1-4096, size
// not 4 + width x height) stops naming it; so does a full table.
int TEXT_CreateTexture(const char* name);
// The entry of `number` (nullptr when empty or out of range).
uint8_t* TEXT_GetTexture(int number);
// The texture's size; fatal for a number outside the table or an empty entry.
void KIT_GetTextureSize(int number, int32_t* width, int32_t* height);
// Paints the non-zero pixels of the overlay file (same size, fatal if not)
// over the texture.
void TEXT_ModifyTextureWithOverlay(int number, const char* overlayName);
// Mode 1: every pixel of 48-91 moves 44 up, into the second side's colours;
// any other mode leaves the texture.
void RemapTextureToSecondSide(int number, int mode);
// Empties every entry without freeing (the match environment's start).
void ResetTextureTable();
// Frees every loaded texture.
void FreeTextures();

// A texture block's fields.
int32_t TextureWidth(const uint8_t* texture);
int32_t TextureHeight(const uint8_t* texture);
inline const uint8_t* TexturePixels(const uint8_t* texture) { return texture + TEXTURE_HEADER_SIZE; }
inline uint8_t* TexturePixels(uint8_t* texture) { return texture + TEXTURE_HEADER_SIZE; }
// Checks a texture image of `size` bytes; answers its pixel count, or -1
// with `why` set when it is not a texture.
int32_t CheckTextureImage(const uint8_t* image, uint32_t size, const char** why);

// The module as at program start (a registered reset).
void Textures_Reset();
