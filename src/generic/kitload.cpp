// Kit and skin textures of the match's people, and the plain textures.
#include "generic/kitload.h"

#include <cstdio>
#include <cstring>
#include <strings.h>

#include "engine/debug.h"
#include "engine/reset.h"
#include "gamecode/matchframe.h"
#include "render256/textures.h"

namespace {

constexpr const char* kMisc = "sskin\\textures\\MISC";
constexpr const char* kSkins = "sskin\\textures\\SKINS";
constexpr const char* kShins = "sskin\\textures\\kits\\SHINS\\SHIN";
constexpr const char* kShirtTop = "sskin\\textures\\kits\\shirttop\\stop";
constexpr const char* kUpperArm = "sskin\\textures\\kits\\upparms\\uparm";
constexpr const char* kShorts = "sskin\\textures\\kits\\shorts\\short";
constexpr const char* kShirts = "sskin\\textures\\kits\\SHIRTS\\SHIRT";
constexpr const char* kKeeper = "sskin\\textures\\kits\\keeper\\kit";

// The part table as the program starts.
constexpr KitPart kParts[KIT_PART_COUNT] = {
    {KIT_KIND_SHARED, 255, "shoe", kMisc, 0, 0, 0},
    {KIT_KIND_SHARED, 255, "shoeb", kMisc, 0, 0, 0},
    {KIT_KIND_SHARED, 255, "bbottom", kMisc, 0, 0, 0},
    {KIT_KIND_SHARED, 255, "CARDred", kMisc, 0, 0, 0},
    {KIT_KIND_SHARED, 255, "CARDyel", kMisc, 0, 0, 0},
    {KIT_KIND_SKIN, 28, "forearm", kSkins, 0, 0, 0},
    {KIT_KIND_SKIN, 28, "hand", kSkins, 0, 0, 0},
    {KIT_KIND_SKIN, 255, "AllLeg", kSkins, 0, 0, 0},
    {KIT_KIND_FACE, 255, "faceF", kSkins, 0, 0, 0},
    {KIT_KIND_FACE, 255, "faceb", kSkins, 0, 0, 0},
    {KIT_KIND_FACE, 255, "faceL", kSkins, 0, 0, 0},
    {KIT_KIND_FACE, 255, "neckb", kSkins, 0, 0, 0},
    {KIT_KIND_FACE, 255, "neckf", kSkins, 0, 0, 0},
    {KIT_KIND_FACE, 255, "necks", kSkins, 0, 0, 0},
    {KIT_KIND_SOCKS, 4351, "AllShin", kShins, 2, 0, 0},
    {KIT_KIND_SHIRT_TOP, 4124, "shirttop", kShirtTop, 0, 0, 0},
    {KIT_KIND_LEFT_ARM, 4124, "uparml", kUpperArm, 0, 0, 0},
    {KIT_KIND_SHORTS, 4351, "sinsidel", kShorts, 1, 0, 0},
    {KIT_KIND_SHORTS, 4351, "ssidel", kShorts, 1, 0, 0},
    {KIT_KIND_SHORTS, 4351, "sback", kShorts, 1, 0, 0},
    {KIT_KIND_SHORTS, 4351, "sfront", kShorts, 1, 0, 0},
    {KIT_KIND_SHIRT, 4124, "shirtsr", kShirts, 0, 0, 0},
    {KIT_KIND_SHIRT, 4124, "shirtsl", kShirts, 0, 0, 0},
    {KIT_KIND_SHIRT, 4124, "shirtfr", kShirts, 0, 0, 0},
    {KIT_KIND_SHIRT, 4636, "shirtbac", kShirts, 0, 0, 0},
    {KIT_KIND_RIGHT_ARM, 4124, "uparmr", kUpperArm, 0, 0, 0},
    {KIT_KIND_KEEPER, 4108, "sleve", kKeeper, 3, 0, 0},
    {KIT_KIND_KEEPER, 4108, "glove", kKeeper, 3, 0, 0},
    {KIT_KIND_KEEPER, 4108, "kshirtsr", kKeeper, 3, 0, 0},
    {KIT_KIND_KEEPER, 4108, "kshirtsl", kKeeper, 3, 0, 0},
    {KIT_KIND_KEEPER, 4108, "kshirtfr", kKeeper, 3, 0, 0},
    {KIT_KIND_KEEPER, 4620, "kshirtb", kKeeper, 3, 0, 0},
    {KIT_KIND_KEEPER, 4108, "kuparml", kKeeper, 3, 0, 0},
    {KIT_KIND_KEEPER, 4108, "kshirtt", kKeeper, 3, 0, 0},
};

struct KitTextureEntry {
  char name[KIT_PLAIN_NAME_SIZE];
  int16_t texture;  // -1 none
};

struct KitLoadState {
  KitTextureEntry plain[KIT_PLAIN_TEXTURES];
};
KitLoadState gKit;

}  // namespace

KitPart KitParts[KIT_PART_COUNT];

void KitLoad_Reset() {
  std::memcpy(KitParts, kParts, sizeof KitParts);
  KIT_ResetTextureTable();
}
REGISTER_RESET(RESET_PRESENTATION, KitLoad_Reset);

void KIT_ResetTextureTable() {
  for (KitTextureEntry& e : gKit.plain) {
    e.name[0] = 0;
    e.texture = -1;
  }
}

int16_t NORMTEXT_LoadTexture(const char* name) {
  for (const KitTextureEntry& e : gKit.plain)
    if (e.texture >= 0 && strcasecmp(e.name, name) == 0) return e.texture;
  if (MatchDisplayMode() != MATCH_DISPLAY_WATCH) FatalError("NORMTEXT_LoadTexture(): unknown game format");
  if (std::strlen(name) >= KIT_PLAIN_NAME_SIZE) FatalError("Error: NORMTEXT_LoadTexture(): name too long '%s'\n", name);
  for (KitTextureEntry& e : gKit.plain)
    if (e.texture < 0) {
      // The 3D device's textures come with its match; until then the
      // software renderer's loader serves both.
      e.texture = static_cast<int16_t>(TEXT_CreateTexture(name));
      std::snprintf(e.name, sizeof e.name, "%s", name);
      return e.texture;
    }
  FatalError("ERROR:NORMTEXT_LoadTexture MAX Textures reached\n");
}

int KITPLR_GetTextureIndexFromName(const char* name) {
  for (int slot = 0; slot < KIT_PART_COUNT; ++slot) {
    char full[32];
    std::snprintf(full, sizeof full, "%s.GFX", KitParts[slot].name);
    if (strcasecmp(full, name) == 0) return slot;
  }
  FatalError("Error: KITPLR_GetTextureIndexFromName(): cannot find '%s' texture in list\n", name);
}

void KITPLR_GetTextureSizeFromIndex(int slot, int32_t* width, int32_t* height) {
  if (slot < 0 || slot >= KIT_PART_COUNT)
    FatalError("Error: KITPLR_GetTextureSizeFromIndex(): invalid index %d\n", slot);
  *width = KitParts[slot].width;
  *height = KitParts[slot].height;
}

void KIT_GetTextureSizeFromIndex(int texture, int32_t* width, int32_t* height) {
  if (TEXT_GetTexture(texture) == nullptr) FatalError("Error: KIT_GetTextureSizeFromIndex(): invalid index %d\n", texture);
  KIT_GetTextureSize(texture, width, height);
}
