// Kit and skin textures: every textured part of the player model gets, for
// each of the 35 people of a match (objects 0-34), its own texture number:
// skins and faces by look, kits by the sides' styles, numbered shirt backs.
// Plain textures (stadium, goals, flags) are loaded once per file name.
#pragma once

#include <cstdint>

constexpr int KIT_PART_COUNT = 34;
constexpr int KIT_PLAYER_SLOTS = 37;
constexpr int KIT_PEOPLE = 35;
constexpr int KIT_PLAIN_TEXTURES = 1024;
constexpr int KIT_PLAIN_NAME_SIZE = 80;

// The kinds of kit part.
enum KitPartKind : int16_t {
  KIT_KIND_SHARED = 0,
  KIT_KIND_SKIN = 1,
  KIT_KIND_SOCKS = 2,
  KIT_KIND_SHIRT = 3,
  KIT_KIND_SHIRT_TOP = 4,
  KIT_KIND_SHORTS = 5,
  KIT_KIND_LEFT_ARM = 6,
  KIT_KIND_FACE = 9,
  KIT_KIND_RIGHT_ARM = 10,
  KIT_KIND_KEEPER = 11,
};

// Part flags: coloured with the side's ramps; carries a shirt number.
constexpr int KIT_FLAG_TEAM_COLOURED = 0x1000;
constexpr int KIT_FLAG_NUMBER_OVERLAY = 0x200;

struct KitPart {
  int16_t kind;
  int16_t flags;
  const char* name;    // the texture name as the models give it
  const char* folder;  // under "zvdata\software\"
  int16_t ramp;        // colour ramp 0-3
  int32_t width, height;  // found at load (software), 0 x 0 before
};
extern KitPart KitParts[KIT_PART_COUNT];

// Empties the plain-texture table.
void KIT_ResetTextureTable();
// A plain texture by file name (under "zvdata\software\"), loaded once;
// answers its texture number.
int16_t NORMTEXT_LoadTexture(const char* name);
// The slot of the part whose "%s.GFX" name equals `name` (any case).
int KITPLR_GetTextureIndexFromName(const char* name);
// The recorded size of slot `slot`'s textures.
void KITPLR_GetTextureSizeFromIndex(int slot, int32_t* width, int32_t* height);
// The size of texture number `texture`.
void KIT_GetTextureSizeFromIndex(int texture, int32_t* width, int32_t* height);

// The module as at program start (a registered reset).
void KitLoad_Reset();
