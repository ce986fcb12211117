// Kit and skin textures of the match's people, and the plain textures.
#include "generic/kitload.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include "engine/strcase.h"

#include <string>
#include <vector>

#include "engine/bytes.h"
#include "engine/debug.h"
#include "engine/reset.h"
#include "gamecode/matchframe.h"
#include "gamecode/matchrec.h"
#include "menus/kittab.h"
#include "menus/loadbar.h"
#include "render256/textures.h"
#include "render256/vidopt.h"

#define ABORT_FILE "kitload"

namespace {

constexpr const char* kMisc = "sskin\\textures\\MISC";
constexpr const char* kSkins = "sskin\\textures\\SKINS";
constexpr const char* kShins = "sskin\\textures\\kits\\SHINS\\SHIN";
constexpr const char* kShirtTop = "sskin\\textures\\kits\\shirttop\\stop";
constexpr const char* kUpperArm = "sskin\\textures\\kits\\upparms\\uparm";
constexpr const char* kShorts = "sskin\\textures\\kits\\shorts\\short";
constexpr const char* kShirts = "sskin\\textures\\kits\\SHIRTS\\SHIRT";
constexpr const char* kKeeper = "sskin\\textures\\kits\\keeper\\kit";
constexpr const char* kNumbers = "sskin\\textures\\overlays\\Numbers\\";

// The one look the referee and linesmen share: a white skin with brown hair
// of normal length.
constexpr int16_t kOfficialsLook[KIT_LOOK_VALUES] = {0, 2, 0, 4, 180};
// The look values' places in a set-up player entry.
constexpr int kLookOffsets[KIT_LOOK_VALUES] = {SETUP_PLAYER_LOOK1, SETUP_PLAYER_LOOK2, SETUP_PLAYER_SPARE1,
                                               SETUP_PLAYER_LOOK3, SETUP_PLAYER_SPARE2};

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
  int16_t slots[KIT_PEOPLE][KIT_PLAYER_SLOTS];
  std::vector<std::string> seamCalls;
};
KitLoadState gKit;

bool TeamColoured(const KitPart& part) { return (part.flags & KIT_FLAG_TEAM_COLOURED) != 0; }

bool IsKitKind(int kind) {
  return kind == KIT_KIND_SOCKS || kind == KIT_KIND_SHIRT || kind == KIT_KIND_SHIRT_TOP || kind == KIT_KIND_SHORTS ||
         kind == KIT_KIND_LEFT_ARM || kind == KIT_KIND_RIGHT_ARM || kind == KIT_KIND_KEEPER;
}

// The kit side of an object: 0 the first side, 1 the second, 2 the officials.
int KitSide(int object) { return object < 16 ? 0 : (object < 32 ? 1 : 2); }

void CheckObject(const char* function, int object) {
  if (object < 0 || object >= KIT_PEOPLE) FatalError("Error: %s(): player number %d out of range\n", function, object);
}

int FaceVariant(int object) {
  int16_t look[KIT_LOOK_VALUES];
  KIT_GetPlayerPhysLook(object, look);
  const int skin = KIT_SkinIndex(look[0]);
  int colour = KIT_HairColourIndex(look[1]);
  int length = KIT_HairLengthIndex(look[3]);
  // Dark skins have one face: black hair of normal length.
  if (skin == KIT_SKIN_DAFRICAN || skin == KIT_SKIN_WESTIND) {
    colour = KIT_HAIR_BLACK;
    length = KIT_HAIR_NORMAL;
  }
  return skin | (colour << 2) | (length << 4);
}

// A texture through the renderer of the match, coloured for its side.
int16_t CreateKitTexture(const char* name, const KitPart& part, int side, const char* overlay) {
  if (VideoMatchIsDirect3D() != 0) {
    if (overlay != nullptr) {
      if (!TeamColoured(part)) ABORT("no case for non-team textures with overlays!");
      return static_cast<int16_t>(TexD3D_CreateTextureForTeamWithOverlay(name, overlay, side, part.ramp));
    }
    return static_cast<int16_t>(TeamColoured(part) ? TexD3D_CreateTextureForTeam(name, side, part.ramp)
                                                   : TexD3D_CreateTexture(name));
  }
  const int texture = TEXT_CreateTexture(name);
  // The kits are drawn in the first side's colours; the second side's move
  // into its own range of the palette.
  if (TeamColoured(part)) RemapTextureToSecondSide(texture, side == 1 ? 1 : 0);
  if (overlay != nullptr) TEXT_ModifyTextureWithOverlay(texture, overlay);
  return static_cast<int16_t>(texture);
}

void NoteSeam(const char* name) {
  if (gKit.seamCalls.empty()) std::printf("kitload: the 3D device's team textures are not built yet (%s)\n", name);
  gKit.seamCalls.emplace_back(name);
}

}  // namespace

KitPart KitParts[KIT_PART_COUNT];
const KitPart (&KitPartTable)[KIT_PART_COUNT] = kParts;

void KitLoad_Reset() {
  std::memcpy(KitParts, kParts, sizeof KitParts);
  KIT_ResetTextureTable();
  KITPLR_ResetTextures();
  gKit.seamCalls.clear();
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
    if (e.texture >= 0 && StrICmp(e.name, name) == 0) return e.texture;
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
    if (StrICmp(full, name) == 0) return slot;
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

// ---- looks -----------------------------------------------------------------

int KIT_SkinIndex(int skinCode) {
  switch (skinCode) {
    case 1: return KIT_SKIN_LATIN;
    case 5: return KIT_SKIN_DAFRICAN;
    case 4:
    case 6: return KIT_SKIN_WESTIND;
    default: return KIT_SKIN_WHITE;
  }
}

int KIT_HairColourIndex(int colourCode) {
  switch (colourCode) {
    case 0: return KIT_HAIR_BLONDE;
    case 1: return KIT_HAIR_GINGER;
    case 2: return KIT_HAIR_BROWN;
    default: return KIT_HAIR_BLACK;
  }
}

int KIT_HairLengthIndex(int styleCode) {
  if (styleCode >= 0 && styleCode <= 2) return KIT_HAIR_SHORT;
  if (styleCode == 3 || styleCode == 5 || styleCode == 6) return KIT_HAIR_MEDIUM;
  return KIT_HAIR_NORMAL;
}

const char* ReturnSkinName(int skin) {
  static const char* const kNames[KIT_SKINS] = {"Latin", "Dafrican", "WestInd", "White"};
  if (skin < 0 || skin >= KIT_SKINS) FatalError("ERROR: ReturnSkinName default case hit!");
  return kNames[skin];
}

const char* ReturnHairColName(int colour) {
  static const char* const kNames[KIT_HAIR_COLOURS] = {"black", "blonde", "brown", "ginger"};
  if (colour < 0 || colour >= KIT_HAIR_COLOURS) FatalError("ERROR: ReturnHairColName default case hit!");
  return kNames[colour];
}

const char* ReturnHairLengthName(int length) {
  // Two folders once differed only in case ("Normal" and "normal"); the
  // middle length has a name of its own so the paks keep them apart.
  static const char* const kNames[KIT_HAIR_LENGTHS] = {"Short", "Normal", "Medium"};
  if (length < 0 || length >= KIT_HAIR_LENGTHS) FatalError("ERROR: ReturnHairLengthName default case hit!");
  return kNames[length];
}

void KIT_GetPlayerPhysLook(int object, int16_t look[KIT_LOOK_VALUES]) {
  if (object < 0 || object >= KIT_PEOPLE)
    FatalError("Error: KIT_GetPlayerPhysLook(): player number %d out of range\n", object);
  if (object >= 32) {
    std::memcpy(look, kOfficialsLook, sizeof kOfficialsLook);
    return;
  }
  const uint8_t* entry = GetMatchSetupRecord() + SetupPlayerOffset(object / 16, object % 16);
  for (int k = 0; k < KIT_LOOK_VALUES; ++k) look[k] = LoadI16(entry + kLookOffsets[k]);
}

int KIT_GetPlayerShirtNumber(int object) {
  if (object < 0 || object >= 32) return -1;
  return LoadI16(GetMatchSetupRecord() + SetupPlayerOffset(object / 16, object % 16) + SETUP_PLAYER_SHIRT);
}

// ---- kits and names -----------------------------------------------------------

int Kit_ReturnKit(int kind, int side) {
  int style = -1;
  switch (kind) {
    case KIT_KIND_SHIRT:
    case KIT_KIND_KEEPER: style = KIT_STYLE_SHIRT; break;
    case KIT_KIND_SHIRT_TOP: style = KIT_STYLE_SHIRT_TOP; break;
    case KIT_KIND_LEFT_ARM: style = KIT_STYLE_LEFT_SLEEVE; break;
    case KIT_KIND_RIGHT_ARM: style = KIT_STYLE_RIGHT_SLEEVE; break;
    case KIT_KIND_SHORTS: style = KIT_STYLE_SHORTS; break;
    case KIT_KIND_SOCKS: style = KIT_STYLE_SOCKS; break;
    default: FatalError("ERROR: Kit_ReturnKit %d kitpart not found", kind);
  }
  if (side < 0 || side > 1) FatalError("Error: Kit_ReturnKit(): no side %d\n", side);
  const uint8_t* design = GetMatchSetupRecord() + MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_KIT;
  const int kit = KitDesign_GetStyle(design, style) + 1;
  // Kit numbers name three-digit folders; 999 is the officials'.
  if (kit < 1 || kit >= KIT_OFFICIALS_KIT)
    FatalError("Error: Kit_ReturnKit(): side %d style %d names no kit\n", side, kit - 1);
  return kit;
}

int KIT_GetKitType(const KitPart& part, int object) {
  CheckObject("KIT_GetKitType", object);
  switch (part.kind) {
    case KIT_KIND_SHARED: return 0;
    case KIT_KIND_SKIN: {
      int16_t look[KIT_LOOK_VALUES];
      KIT_GetPlayerPhysLook(object, look);
      return KIT_SkinIndex(look[0]);
    }
    case KIT_KIND_FACE: return FaceVariant(object);
    default:
      if (!IsKitKind(part.kind)) FatalError("Error: KIT_GetKitType(): no kind %d\n", part.kind);
      return KitSide(object);
  }
}

void KIT_BuildFilename(char* out, int size, int variant, const KitPart& part, int side) {
  const size_t n = static_cast<size_t>(size);
  switch (part.kind) {
    case KIT_KIND_SHARED: std::snprintf(out, n, "%s\\%s.GFX", part.folder, part.name); return;
    case KIT_KIND_SKIN:
      std::snprintf(out, n, "%s\\%s\\skin\\%s.GFX", part.folder, ReturnSkinName(variant), part.name);
      return;
    case KIT_KIND_FACE:
      std::snprintf(out, n, "%s\\%s\\faces\\%s\\%s\\%s.GFX", part.folder, ReturnSkinName(variant & 3),
                    ReturnHairLengthName((variant >> 4) & 3), ReturnHairColName((variant >> 2) & 3), part.name);
      return;
    default: break;
  }
  if (!IsKitKind(part.kind)) FatalError("Error: KIT_BuildFilename(): no kind %d\n", part.kind);
  if (side < 0 || side > 2) FatalError("ERROR: BuildFilename type = %d", side);
  int kit = KIT_KEEPER_KIT;
  if (part.kind != KIT_KIND_KEEPER) kit = side == 2 ? KIT_OFFICIALS_KIT : Kit_ReturnKit(part.kind, side);
  // Both sleeves are cut from the left one's texture.
  const bool arm = part.kind == KIT_KIND_LEFT_ARM || part.kind == KIT_KIND_RIGHT_ARM;
  std::snprintf(out, n, "%s%03d\\%s.GFX", part.folder, kit, arm ? "uparml" : part.name);
}

void KIT_BuildOverlayFilename(char* out, int size, int shirtNumber, const KitPart& part) {
  if ((part.flags & KIT_FLAG_NUMBER_OVERLAY) == 0)
    FatalError("Error: KitBuildOverlayFilename(): can't build shirt overlay name\n");
  std::snprintf(out, static_cast<size_t>(size), "%sB_NUM%d.GFX", kNumbers, shirtNumber);
}

// ---- the per-person textures -------------------------------------------------

void KITPLR_ResetTextures() {
  for (auto& person : gKit.slots)
    for (int16_t& slot : person) slot = -1;
}

void KIT_LoadOneTexture(int partNumber, const KitPart& part) {
  if (partNumber < 0 || partNumber >= KIT_PLAYER_SLOTS)
    FatalError("Error: KIT_LoadOneTexture(): no slot %d\n", partNumber);
  if (MatchDisplayMode() != MATCH_DISPLAY_WATCH) ABORT("KIT_LoadOneTexture(): unknown game type");
  int16_t shared[KIT_VARIANTS];
  for (int16_t& t : shared) t = -1;
  const bool numbered = (part.kind == KIT_KIND_SHIRT || part.kind == KIT_KIND_KEEPER) &&
                        (part.flags & KIT_FLAG_NUMBER_OVERLAY) != 0;
  char name[KIT_NAME_SIZE];
  for (int object = 0; object < KIT_PEOPLE; ++object) {
    const int variant = KIT_GetKitType(part, object);
    if (variant < 0 || variant >= KIT_VARIANTS)
      FatalError("Error: KIT_LoadOneTexture(): type out of range: %d\n", variant);
    const int number = numbered ? KIT_GetPlayerShirtNumber(object) : -1;
    // A shirt number without an overlay (none, or past the last) wears the
    // plain shirt.
    if (number >= 1 && number <= KIT_SHIRT_NUMBERS) {
      char overlay[KIT_NAME_SIZE];
      KIT_BuildFilename(name, sizeof name, variant, part, variant);
      KIT_BuildOverlayFilename(overlay, sizeof overlay, number, part);
      gKit.slots[object][partNumber] = CreateKitTexture(name, part, variant, overlay);
      continue;
    }
    if (shared[variant] < 0) {
      KIT_BuildFilename(name, sizeof name, variant, part, variant);
      shared[variant] = CreateKitTexture(name, part, variant, nullptr);
    }
    gKit.slots[object][partNumber] = shared[variant];
  }
}

void KIT_LoadTextures() {
  if (MatchDisplayMode() != MATCH_DISPLAY_WATCH) FatalError("no case for non-watch games");
  for (int p = 0; p < KIT_PART_COUNT; ++p) {
    LoadBar_AddProgress(1.0f / KIT_PART_COUNT);
    KIT_LoadOneTexture(p, KitParts[p]);
    KitPart& part = KitParts[p];
    part.width = 0;
    part.height = 0;
    if (VideoMatchIsDirect3D() != 0) continue;
    bool found = false;
    for (int object = 0; object < KIT_PEOPLE; ++object) {
      const int16_t texture = gKit.slots[object][p];
      if (texture < 0) continue;
      int32_t w = 0, h = 0;
      KIT_GetTextureSize(texture, &w, &h);
      if (!found) {
        part.width = w;
        part.height = h;
        found = true;
      } else if (w != part.width || h != part.height) {
        FatalError(
            "Error: KITPLR_GetTextureSizeFromIndex(): Error in texture sizes for '%s' %d\n       found size %dx%d "
            "and %dx%d\n",
            part.name, p, part.width, part.height, w, h);
      }
    }
    if (!found) FatalError("Error: KITPLR_GetTextureSizeFromIndex(): failed to find a texture '%s' %d loaded\n", part.name, p);
  }
}

int16_t KITPLR_GetTexture(int object, int slot) {
  if (object < 0 || object >= KIT_PEOPLE || slot < 0 || slot >= KIT_PLAYER_SLOTS)
    FatalError("Error: KITPLR_GetTexture(): person %d slot %d out of range\n", object, slot);
  return gKit.slots[object][slot];
}

uint8_t* KITPLR_GetTexture256(int object, int slot) { return TEXT_GetTexture(KITPLR_GetTexture(object, slot)); }

int KIT_DrawKitSheet(uint8_t* pixels, int width, int height, int stride, int object) {
  constexpr int kGap = 4;
  int x = 0, y = 0, rowHeight = 0;
  for (int part = 0; part < KIT_PART_COUNT; ++part) {
    const uint8_t* t = KITPLR_GetTexture256(object, part);
    if (t == nullptr) continue;
    const int w = TextureWidth(t), h = TextureHeight(t);
    if (x > 0 && x + w > width) {
      x = 0;
      y += rowHeight + kGap;
      rowHeight = 0;
    }
    for (int row = 0; row < h && y + row < height; ++row)
      for (int col = 0; col < w && x + col < width; ++col)
        pixels[(y + row) * stride + x + col] = TexturePixels(t)[row * w + col];
    x += w + kGap;
    rowHeight = std::max(rowHeight, h);
  }
  return y + rowHeight;
}

// ---- the 3D device's calls --------------------------------------------------------

int TexD3D_CreateTexture(const char*) {
  NoteSeam("TexD3D_CreateTexture");
  return -1;
}

int TexD3D_CreateTextureForTeam(const char*, int, int) {
  NoteSeam("TexD3D_CreateTextureForTeam");
  return -1;
}

int TexD3D_CreateTextureForTeamWithOverlay(const char*, const char*, int, int) {
  NoteSeam("TexD3D_CreateTextureForTeamWithOverlay");
  return -1;
}

int KitLoad_SeamCount(const char* name) {
  int n = 0;
  for (const std::string& s : gKit.seamCalls)
    if (s == name) ++n;
  return n;
}
