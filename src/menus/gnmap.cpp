// GN display maps: the walker that draws a map through the GN layer and
// collects its hot regions, and the loop that follows the pointer over them.
#include "menus/gnmap.h"

#include <optional>
#include <vector>

#include "engine/debug.h"
#include "engine/reset.h"
#include "menus/exm_text.h"
#include "menus/gnlayer.h"

#define ABORT_FILE "menus\\gnmap"

namespace {

struct GNMapState {
  const GNDisplayItem* map = nullptr;
  std::vector<GNHotRegion> regions;
  bool regionsAllocated = false;
  uint8_t justification = 0;
  uint8_t autoButton = 0;
  std::optional<GNHotRegion> hover;  // the region the pointer was last over
  int32_t lastButtons = 0;
};
GNMapState gMap;

// What an item's data yields: a number and, for the text kinds, its text.
struct ItemData {
  int32_t value = -1;
  const char* text = nullptr;
};

int16_t ReadVariable(const int16_t* var) {
  if (var == nullptr) ABORT("DisplayGNMap(): item without its variable");
  return *var;
}

ItemData ReadItemData(const GNDisplayItem& item) {
  ItemData d;
  switch (item.dataKind) {
    case GN_DATA_NONE:
    case GN_DATA_DRAW:
      break;
    case GN_DATA_VALUE:
      d.value = static_cast<int16_t>(item.data.value);
      break;
    case GN_DATA_VALUE_VAR:
      d.value = ReadVariable(item.data.var);
      break;
    case GN_DATA_TEXTNO:
      d.value = static_cast<int16_t>(item.data.value);
      d.text = GetTextNoAddr(d.value);
      break;
    case GN_DATA_TEXTNO_VAR:
      d.value = ReadVariable(item.data.var);
      d.text = GetTextNoAddr(d.value);
      break;
    case GN_DATA_STRING:
      d.text = item.data.text;
      break;
    case GN_DATA_STRING_VAR:
      if (item.data.textVar == nullptr) ABORT("DisplayGNMap(): item without its variable");
      d.text = *item.data.textVar;
      break;
    default:
      ABORT("DisplayGNMap(): unknown data type");
  }
  return d;
}

bool Inside(const GNHotRegion& r, int x, int y) { return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h; }

}  // namespace

void GN_MapReset() { gMap = GNMapState{}; }
REGISTER_RESET(RESET_MENUS, GN_MapReset);

// ---- the single steps ----

void GN_JustifyPoint(int* x, int* y, int w, int h, uint8_t justification) {
  switch (justification & 0x0F) {
    case GN_JUSTIFY_CENTRE: *x += w / 2; break;
    case GN_JUSTIFY_RIGHT: *x += w; break;
    default: break;
  }
  switch (justification & 0xF0) {
    case GN_JUSTIFY_MIDDLE: *y += h / 2; break;
    case GN_JUSTIFY_BOTTOM: *y += h; break;
    default: break;
  }
}

int GN_ResultFlags(int16_t result) {
  if (result == GN_RESULT_REDRAW) return 2;
  if (result == GN_RESULT_LEAVE) return 1;
  return 0;
}

int16_t GN_SendRegionMessage(const GNHotRegion* region, GNMessage* message, int16_t code, int pointerX,
                             int pointerY) {
  if (region == nullptr || region->callback == nullptr) return GN_RESULT_NONE;
  message->code = code;
  message->regionId = region->regionId;
  message->x = region->x;
  message->y = region->y;
  message->w = region->w;
  message->h = region->h;
  message->pointerX = static_cast<int16_t>(pointerX - region->x);
  message->pointerY = static_cast<int16_t>(pointerY - region->y);
  const int16_t result = region->callback(message);
  if (result < GN_RESULT_HANDLED || result > GN_RESULT_LEAVE) return GN_RESULT_NONE;
  return result;
}

bool GN_RegionsEqual(const GNHotRegion* a, const GNHotRegion* b) {
  if (a == nullptr || b == nullptr) return a == b;
  return a->x == b->x && a->y == b->y && a->w == b->w && a->h == b->h && a->callback == b->callback &&
         a->regionId == b->regionId;
}

const GNHotRegion* GN_FindRegionAt(int x, int y) {
  for (const GNHotRegion& r : gMap.regions)
    if (Inside(r, x, y)) return &r;
  return nullptr;
}

void GN_AddRegion(const GNHotRegion& region) { gMap.regions.push_back(region); }
void GN_ClearRegions() { gMap.regions.clear(); }

void GN_FreeRegions() {
  gMap.regions.clear();
  gMap.regions.shrink_to_fit();
  gMap.regionsAllocated = false;
}

void GN_AllocRegions() {
  gMap.regions.clear();
  gMap.regionsAllocated = true;
}

int GN_RegionCount() { return static_cast<int>(gMap.regions.size()); }
const GNHotRegion* GN_RegionAt(int index) {
  if (index < 0 || index >= GN_RegionCount()) return nullptr;
  return &gMap.regions[static_cast<size_t>(index)];
}
const GNDisplayItem* GN_CurrentMap() { return gMap.map; }

// ---- the walker ----

void DisplayGNMap(const GNDisplayItem* map, uint8_t passFlags) {
  if (map == nullptr) return;
  const uint8_t passes = static_cast<uint8_t>(((passFlags & GN_DRAW_DYNAMIC) ? GN_PASS_DYNAMIC : 0) |
                                              ((passFlags & GN_DRAW_STATIC) ? GN_PASS_STATIC : 0));
  const bool dynamicPass = (passFlags & GN_DRAW_DYNAMIC) != 0;
  int16_t regionId = -1;
  int16_t flags = 0;
  for (const GNDisplayItem* item = map; item->type != GN_ITEM_END; ++item) {
    if ((item->passMask & passes) == 0) continue;
    const ItemData data = ReadItemData(*item);
    int ax = item->x, ay = item->y;
    GN_JustifyPoint(&ax, &ay, item->w, item->h, gMap.justification);
    const bool drawNothing = (flags & GN_FLAG_DRAW_NOTHING) != 0;
    if (dynamicPass && gMap.autoButton != 0 && !drawNothing && item->w >= 8 && item->h >= 8)
      GN_DrawButton(item->x, item->y, item->w, item->h, gMap.autoButton);

    switch (item->type) {
      case GN_ITEM_TEXT:
        if (!drawNothing && data.text != nullptr) GN_DrawTextAddr(ax, ay, gMap.justification, data.text);
        break;
      case GN_ITEM_TEXT_BOX:
        if (!drawNothing && data.text != nullptr)
          GN_DrawTextBoxAddr(item->x, item->y, item->w, item->h, gMap.justification, data.text);
        break;
      case GN_ITEM_NUMBER:
        if (!drawNothing && data.value != -32768) GN_DrawNumber(ax, ay, gMap.justification, data.value);
        break;
      case GN_ITEM_GRAPHIC:
        if (!drawNothing) GN_DrawGraphic(ax, ay, gMap.justification, data.value);
        break;
      case GN_ITEM_STATIC_TITLE:
        if (!drawNothing) GN_SetStaticTitle(data.text);
        break;
      case GN_ITEM_PLACEHOLDER:
      case GN_ITEM_NOTHING:
        break;
      case GN_ITEM_REGION_ID:
        regionId = static_cast<int16_t>(data.value);
        break;
      case GN_ITEM_JUSTIFY:
        gMap.justification = static_cast<uint8_t>(data.value & 0xFF);
        break;
      case GN_ITEM_CUSTOM:
        if (item->dataKind != GN_DATA_DRAW || item->data.draw == nullptr)
          ABORT("DisplayGNMap(): custom item without a drawing function");
        if (dynamicPass && !drawNothing) item->data.draw(item->x, item->y, item->w, item->h);
        break;
      case GN_ITEM_FONT_COLOUR:
        GN_SetFontColour(data.value);
        break;
      case GN_ITEM_AUTO_BUTTON:
        gMap.autoButton = static_cast<uint8_t>(data.value & 0xFF);
        break;
      case GN_ITEM_BUTTON:
        if (!drawNothing) GN_DrawButton(item->x, item->y, item->w, item->h, data.value);
        break;
      case GN_ITEM_STATIC_BACKGROUND:
        if (!drawNothing) GN_SetStaticBackground(static_cast<int16_t>(data.value));
        break;
      case GN_ITEM_FLAGS:
        flags = static_cast<int16_t>(data.value);
        break;
      default:
        ABORT("DisplayGNMap(): unknown type");
    }

    if ((passFlags & GN_COLLECT_REGIONS) && !(flags & GN_FLAG_NOT_HOT) && item->callback != nullptr &&
        item->w != 0 && item->h != 0)
      GN_AddRegion(GNHotRegion{item->x, item->y, item->w, item->h, item->callback, regionId});
  }
}

// ---- the menu ----

void GN_MenuInit(const GNDisplayItem* map) {
  if (gMap.map != nullptr) ABORT("GN_MenuInit(): already initialised");
  if (map == nullptr) ABORT("GN_MenuInit(): no display map");
  gMap = GNMapState{};
  gMap.map = map;
  GN_StartMenu();
  GN_AllocRegions();
  GN_StartStaticItems();
  DisplayGNMap(map, GN_DRAW_STATIC);
  GN_EndStaticItems();
}

void GN_MenuRedraw() {
  if (gMap.map == nullptr) ABORT("GN_MenuRedraw(): no menu");
  GN_ClearRegions();
  GN_StartDrawing();
  DisplayGNMap(gMap.map, GN_DRAW_DYNAMIC | GN_COLLECT_REGIONS);
  GN_EndDrawing();
}

int GN_MenuLoop() {
  if (gMap.map == nullptr) ABORT("GN_MenuLoop(): no menu");
  for (;;) {
    GN_Sync();
    int16_t px = 0, py = 0;
    GN_GetMousePos(&px, &py);
    const int32_t buttons = GN_GetMouseButtons();
    GNMessage message{};
    int bits = 0;

    // A copy: a callback may change the regions.
    const GNHotRegion* found = GN_FindRegionAt(px, py);
    std::optional<GNHotRegion> now;
    if (found != nullptr) now = *found;
    const GNHotRegion* old = gMap.hover ? &*gMap.hover : nullptr;
    if (!GN_RegionsEqual(old, now ? &*now : nullptr)) {
      const std::optional<GNHotRegion> left = gMap.hover;
      bits |= GN_ResultFlags(GN_SendRegionMessage(left ? &*left : nullptr, &message, GN_MSG_LEAVE, px, py));
      gMap.hover.reset();
      bits |= GN_ResultFlags(GN_SendRegionMessage(now ? &*now : nullptr, &message, GN_MSG_ENTER, px, py));
      gMap.hover = now;
    }

    if (buttons != gMap.lastButtons) {
      if (gMap.lastButtons != 0) {
        bits |= GN_ResultFlags(GN_SendRegionMessage(now ? &*now : nullptr, &message, GN_MSG_RELEASE, px, py));
        gMap.lastButtons = 0;
      }
      if (buttons != 0) {
        bits |= GN_ResultFlags(GN_SendRegionMessage(now ? &*now : nullptr, &message, GN_MSG_PRESS, px, py));
        gMap.lastButtons = buttons;
      }
    }

    if (bits & 1) return 1;
    if (bits & 2) return 0;
  }
}

void GN_MenuUninit() {
  GN_FreeRegions();
  gMap.hover.reset();
  GN_EndMenu();
  gMap.map = nullptr;
}
