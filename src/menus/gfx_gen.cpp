#include "menus/gfx_gen.h"

#include <cstring>
#include <vector>

#include "engine/bytes.h"
#include "engine/colconv.h"
#include "engine/debug.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/reset.h"
#include "menus/kittab.h"
#include "menus/menugfx_files.h"
#include "menus/menupc.h"
#include "world/savegame.h"

#define ABORT_FILE "menus\\gfx_gen"

const char TACTICS_FILE[] = "tactics\\tactics.dat";
const char GFXGEN_DIR[] = "gfxgen";

namespace {

static_assert(sizeof(SavePlaceholderTables::customTactics) == NUM_CUSTOM_TACTICS * TACTICS_RECORD_SIZE);
static_assert(TACTICS_HEADER_SIZE + 30 * 10 + 25 == TACTICS_RECORD_SIZE, "the eleventh slot keeps 25 bytes");

// The formation and style texts of the stock tactics, and the names of the
// custom ones.
constexpr int16_t kFormationTexts[NUM_TACTIC_FORMATIONS] = {267, 268, 269, 270, 271, 272, 583, 584};
constexpr int16_t kStyleTexts[NUM_TACTIC_STYLES] = {702, 703, 704, 705, 706};
constexpr int16_t kCustomTexts[NUM_CUSTOM_TACTICS] = {1302, 1303, 1304, 1320, 1321, 1322,
                                                      1323, 1324, 1325, 1326, 1327, 1329};

constexpr int kRampLightRed = 47, kRampLightGreen = 63, kRampLightBlue = 58;
constexpr uint16_t kTransparent = MENU_COLOUR_KEY;

struct GfxGenState {
  uint8_t stock[TACTICS_RECORD_SIZE];  // the shared stock-tactic buffer
  int16_t designerSelection[2];
  uint8_t workPalette[GFXGEN_WORK_COLOURS * 3];
  GfxGenEntry entries[GFXGEN_GRAPHICS + 1];  // a zeroed entry ends the table
};

GfxGenState FreshState() {
  GfxGenState s{};
  s.entries[0].name = "ball";
  return s;
}

GfxGenState gGfx = FreshState();

// The managed blocks belong to the memory manager, which its own reset
// empties; only the owner pointers are dropped here.
void GfxGen_Reset() { gGfx = FreshState(); }
REGISTER_RESET(RESET_MENUS, GfxGen_Reset);

void CheckTactic(int16_t n, const char* function) {
  if (n < 0 || n >= NUM_TACTICS) FatalError("%s(): tactic %d is not 0-%d\n", function, static_cast<int>(n), NUM_TACTICS - 1);
}

GfxGenEntry* Entry(int16_t n, const char* function) {
  if (n < 0 || n >= GFXGEN_GRAPHICS) FatalError("%s(): no general graphic %d\n", function, static_cast<int>(n));
  return &gGfx.entries[n];
}

uint8_t Channel(uint32_t packed, int shift) { return static_cast<uint8_t>((packed >> shift) & 0x3F); }

}  // namespace

// ---- the tactic store ----

int16_t Tactic_GetColumn(const uint8_t* record, int shirt) {
  return LoadI16(record + TACTICS_HEADER_SIZE + 30 * (shirt - 1));
}

int16_t Tactic_GetRow(const uint8_t* record, int shirt) {
  return LoadI16(record + TACTICS_HEADER_SIZE + 30 * (shirt - 1) + 2);
}

void GetComputerTactics(uint8_t* destination, int16_t n) {
  if (n < 0 || n >= NUM_STOCK_TACTICS) FatalError("Invalid formation requested in GetComputerTactics()\n");
  PakFileEntry* file = PakOpenFile(TACTICS_FILE);
  const uint32_t size = PakFileSize(file);
  const uint32_t end = static_cast<uint32_t>(n + 1) * TACTICS_RECORD_SIZE;
  if (size < end) {
    PakCloseFile(file);
    FatalError("Error: GetComputerTactics(): '%s' holds %u bytes, too few for tactic %d\n", TACTICS_FILE,
               static_cast<unsigned>(size), static_cast<int>(n));
  }
  // Read whole: a packed file cannot be read from the middle.
  std::vector<uint8_t> whole(size);
  PakReadWhole(whole.data(), file);
  PakCloseFile(file);
  std::memcpy(destination, whole.data() + static_cast<size_t>(n) * TACTICS_RECORD_SIZE, TACTICS_RECORD_SIZE);
}

uint8_t* GetTacticRecord(int16_t n) {
  CheckTactic(n, "GetTacticRecord");
  if (n < NUM_STOCK_TACTICS) {
    GetComputerTactics(gGfx.stock, n);
    return gGfx.stock;
  }
  return SavePlaceholders.customTactics + (n - NUM_STOCK_TACTICS) * TACTICS_RECORD_SIZE;
}

void ClearCustomTactics() {
  for (int k = 0; k < NUM_CUSTOM_TACTICS; ++k)
    StoreI16(SavePlaceholders.customTactics + k * TACTICS_RECORD_SIZE + TACTICS_HEADER_SIZE, -1);
  gGfx.designerSelection[0] = 0;
  gGfx.designerSelection[1] = 0;
}

int16_t IsCustomTacticFree(int k) {
  if (k < 0 || k >= NUM_CUSTOM_TACTICS) FatalError("IsCustomTacticFree(): no custom slot %d\n", k);
  return LoadI16(SavePlaceholders.customTactics + k * TACTICS_RECORD_SIZE + TACTICS_HEADER_SIZE) == -1 ? 1 : 0;
}

int16_t GetTacticsDesignerSelection(int which) { return gGfx.designerSelection[which == 1 ? 1 : 0]; }

void SetTacticsDesignerSelection(int which, int16_t tactic) { gGfx.designerSelection[which == 1 ? 1 : 0] = tactic; }

int16_t GetTacticFormationTextNo(int16_t n) {
  CheckTactic(n, "GetTacticFormationTextNo");
  if (n < NUM_STOCK_TACTICS) return kFormationTexts[n / NUM_TACTIC_STYLES];
  return kCustomTexts[n - NUM_STOCK_TACTICS];
}

int16_t GetTacticStyleTextNo(int16_t n) {
  CheckTactic(n, "GetTacticStyleTextNo");
  if (n < NUM_STOCK_TACTICS) return kStyleTexts[n % NUM_TACTIC_STYLES];
  return -1;
}

// ---- the general graphics ----

GfxGenEntry* GfxGenLoadGraphic(int16_t n) {
  GfxGenEntry* e = Entry(n, "GfxGenLoadGraphic");
  // Whatever is already in memory stays put while the rest is loaded.
  if (e->pixels) SetMemoryType(&e->pixels, ManualFree);
  if (e->palette) SetMemoryType(&e->palette, ManualFree);
  if (!e->pixels) {
    const char* path = DOSMakePath(GFXGEN_DIR, e->name, "gfx");
    const uint32_t size = PakLoadFile(path, &e->pixels, ManualFree);
    if (size < GFX0_HEADER_SIZE || std::memcmp(e->pixels, "GFX0", 4) != 0)
      ABORT("GfxGenLoadGraphic(): invalid graphic");
    const uint32_t width = LoadU16(e->pixels + GFX0_WIDTH_OFFSET);
    const uint32_t height = LoadU16(e->pixels + GFX0_HEIGHT_OFFSET);
    const uint32_t frames = LoadU16(e->pixels + GFX0_FRAMES_OFFSET);
    const uint64_t bytes = static_cast<uint64_t>(width) * height * frames;
    if (bytes == 0 || bytes + GFX0_HEADER_SIZE != size)
      FatalError("Error: GfxGenLoadGraphic(): '%s.gfx' holds %u bytes, not the 16 + %u x %u x %u of its header\n",
                 e->name, static_cast<unsigned>(size), static_cast<unsigned>(width), static_cast<unsigned>(height),
                 static_cast<unsigned>(frames));
    std::memmove(e->pixels, e->pixels + GFX0_HEADER_SIZE, static_cast<size_t>(bytes));
    ResizeMemory(&e->pixels, static_cast<uint32_t>(bytes));
    e->width = static_cast<int32_t>(width);
    e->height = static_cast<int32_t>(height);
    e->frames = static_cast<int32_t>(frames);
  }
  if (!e->palette) {
    const char* path = DOSMakePath(GFXGEN_DIR, e->name, "pal");
    const uint32_t size = PakLoadFile(path, &e->palette, ManualFree);
    if (size != GFXGEN_PALETTE_BYTES)
      FatalError("Error: GfxGenLoadGraphic(): '%s.pal' holds %u bytes, not %d\n", e->name,
                 static_cast<unsigned>(size), GFXGEN_PALETTE_BYTES);
  }
  SetMemoryType(&e->pixels, AutoFree);
  SetMemoryType(&e->palette, AutoFree);
  return e;
}

void PaletteRamp(uint8_t* palette, int first, int last, uint32_t from, uint32_t to) {
  if (first < 0 || last < first || last >= GFXGEN_WORK_COLOURS)
    FatalError("PaletteRamp(): entries %d to %d are not in the palette\n", first, last);
  for (int i = first; i <= last; ++i) {
    uint8_t* entry = palette + 3 * i;
    for (int c = 0; c < 3; ++c) {
      const int a = Channel(from, 8 * c), b = Channel(to, 8 * c);
      entry[c] = static_cast<uint8_t>(last == first ? a : a + (b - a) * (i - first) / (last - first));
    }
  }
}

void GfxGenSetColourRamp(int16_t k, int r, int g, int b) {
  if (k != 0 && k != 1) FatalError("GfxGenSetColourRamp(): no colour ramp %d\n", static_cast<int>(k));
  auto six = [](int v) { return static_cast<uint32_t>((v & 0xFF) >> 2); };
  const uint32_t colour = six(r) | six(g) << 8 | six(b) << 16;
  const uint32_t light = kRampLightRed | kRampLightGreen << 8 | kRampLightBlue << 16;
  const int base = GFXGEN_RAMP_SIZE * k + GFXGEN_RAMP_FIRST;
  PaletteRamp(gGfx.workPalette, base, base + 31, 0, colour);
  PaletteRamp(gGfx.workPalette, base + 32, base + 63, colour, light);
}

const uint8_t* GfxGenWorkPalette() { return gGfx.workPalette; }

void GfxGenDrawGraphic(int16_t n, int16_t f, int x, int y) {
  GfxGenEntry* e = GfxGenLoadGraphic(n);
  if (f < 0 || f >= e->frames)
    FatalError("GfxGenDrawGraphic(): graphic '%s' has no frame %d\n", e->name, static_cast<int>(f));
  // Neither block may be evicted while the image is made.
  SetMemoryType(&e->pixels, ManualFree);
  SetMemoryType(&e->palette, ManualFree);
  std::memcpy(gGfx.workPalette, e->palette, GFXGEN_PALETTE_BYTES);
  for (int i = 0; i < GFXGEN_PALETTE_BYTES; ++i) gGfx.workPalette[i] &= 0x3F;

  const uint32_t count = static_cast<uint32_t>(e->width) * static_cast<uint32_t>(e->height);
  const bool cube = MenuIs256Colour();
  const uint32_t bpp = cube ? 2u : static_cast<uint32_t>(MenuBytesPerPixel());
  uint8_t* image = nullptr;
  AllocateMemory(&image, count * bpp, ManualFree);
  const uint8_t* frame = e->pixels + static_cast<size_t>(f) * count;
  for (uint32_t i = 0; i < count; ++i) {
    const uint8_t* c = gGfx.workPalette + 3 * frame[i];
    const uint16_t rgb565 = static_cast<uint16_t>((c[0] >> 1) << 11 | c[1] << 5 | (c[2] >> 1));
    if (cube) {
      StoreU16(image + 2 * i, rgb565);
    } else {
      const uint32_t pixel = MenuPixelFromRGB565(rgb565);
      for (uint32_t b = 0; b < bpp; ++b) image[i * bpp + b] = static_cast<uint8_t>(pixel >> (8 * b));
    }
  }
  if (cube) ColConv565ToCubeTrans(image, count, kTransparent);
  BufferPutImageTrans(x, y, e->width, e->height, image);
  FreeMemory(&image);
  SetMemoryType(&e->pixels, AutoFree);
  SetMemoryType(&e->palette, AutoFree);
}

void GfxGenDrawClubBadge(int16_t dbClub, int x, int y, int w, int h) {
  const uint8_t* design = GetHomeDesign(dbClub);
  for (int16_t k = 0; k < 2; ++k) {
    const int16_t colour = KitDesign_GetColour(design, k + 1);
    if (colour < 0 || colour >= KIT_COLOURS)
      FatalError("GfxGenDrawClubBadge(): club %d has kit colour %d\n", static_cast<int>(dbClub), static_cast<int>(colour));
    GfxGenSetColourRamp(k, KitRGB[colour][0], KitRGB[colour][1], KitRGB[colour][2]);
  }
  const GfxGenEntry* e = GfxGenLoadGraphic(0);
  // The ball sits in the middle of the box when it is smaller.
  const int left = e->width < w ? x + (w - e->width) / 2 : x;
  const int top = e->height < h ? y + (h - e->height) / 2 : y;
  GfxGenDrawGraphic(0, 0, left, top);
}
