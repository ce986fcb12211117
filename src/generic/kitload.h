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
constexpr int KIT_VARIANTS = 64;         // variants of one part a match can hold
constexpr int KIT_LOOK_VALUES = 5;       // int16 look values of a person
constexpr int KIT_OFFICIALS_KIT = 999;   // the kit number the referee and linesmen wear
constexpr int KIT_KEEPER_KIT = 1;        // every goalkeeper kit's number
constexpr int KIT_SHIRT_NUMBERS = 16;    // number overlays B_NUM1-16
constexpr int KIT_NAME_SIZE = 160;       // room for any kit file name

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
// The part table as the program starts (the data-set tools read it too).
extern const KitPart (&KitPartTable)[KIT_PART_COUNT];

// Skin index 0 "Latin", 1 "Dafrican", 2 "WestInd", 3 "White".
enum KitSkin { KIT_SKIN_LATIN, KIT_SKIN_DAFRICAN, KIT_SKIN_WESTIND, KIT_SKIN_WHITE, KIT_SKINS };
// Hair colour index 0 "black", 1 "blonde", 2 "brown", 3 "ginger".
enum KitHairColour { KIT_HAIR_BLACK, KIT_HAIR_BLONDE, KIT_HAIR_BROWN, KIT_HAIR_GINGER, KIT_HAIR_COLOURS };
// Hair length index 0 "Short", 1 "Normal", 2 "Medium".
enum KitHairLength { KIT_HAIR_SHORT, KIT_HAIR_NORMAL, KIT_HAIR_MEDIUM, KIT_HAIR_LENGTHS };

// Look codes (a person's first, second and fourth look value) to indices.
int KIT_SkinIndex(int skinCode);
int KIT_HairColourIndex(int colourCode);
int KIT_HairLengthIndex(int styleCode);
// The folder names of the indices; an index outside its table is fatal.
const char* ReturnSkinName(int skin);
const char* ReturnHairColName(int colour);
const char* ReturnHairLengthName(int length);

// The look values of object 0-34 (players from the match set-up, the three
// officials one fixed look); any other object is fatal.
void KIT_GetPlayerPhysLook(int object, int16_t look[KIT_LOOK_VALUES]);
// Shirt number of players 0-31 from the match set-up, -1 for the others.
int KIT_GetPlayerShirtNumber(int object);
// The side's kit number for a part kind (its style number plus one); side 0
// or 1. Another kind, or a style that names no kit folder, is fatal.
int Kit_ReturnKit(int kind, int side);
// The object's variant of a part: 0 for shared items, the skin index, the
// face's packed skin, hair colour and length, or the kit side (0, 1, 2 the
// officials).
int KIT_GetKitType(const KitPart& part, int object);
// The file name (under "zvdata\software\") of a part's variant; `side`
// picks the kit (0, 1 or 2 the officials) for kit parts.
void KIT_BuildFilename(char* out, int size, int variant, const KitPart& part, int side);
// The number overlay of a part that carries one.
void KIT_BuildOverlayFilename(char* out, int size, int shirtNumber, const KitPart& part);

// Every slot of the per-person table to -1.
void KITPLR_ResetTextures();
// Every part for all 35 people; the software renderer records each part's
// size (all its textures must share one).
void KIT_LoadTextures();
// One part for all 35 people: each variant loaded once, numbered shirts
// each their own.
void KIT_LoadOneTexture(int partNumber, const KitPart& part);
// The texture number of a person's slot (-1 none).
int16_t KITPLR_GetTexture(int object, int slot);
// Its software texture (nullptr for none).
uint8_t* KITPLR_GetTexture256(int object, int slot);

// A sheet of one person's loaded textures, part by part in rows (4 pixels
// apart, each at its own size) from the top left of an 8-bit buffer of
// width x height pixels, `stride` bytes a row; whatever does not fit is cut.
// Answers the height the rows took.
int KIT_DrawKitSheet(uint8_t* pixels, int width, int height, int stride, int object);

// The 3D device's texture calls, waiting for its team textures; each is
// logged and answers -1.
int TexD3D_CreateTexture(const char* name);
int TexD3D_CreateTextureForTeam(const char* name, int side, int ramp);
int TexD3D_CreateTextureForTeamWithOverlay(const char* name, const char* overlay, int side, int ramp);
int KitLoad_SeamCount(const char* name);

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
