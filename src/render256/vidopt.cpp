// Video options.
#include "render256/vidopt.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "engine/bytes.h"
#include "engine/debug.h"
#include "engine/dxenum.h"
#include "engine/gfx.h"
#include "engine/reset.h"
#include "engine/winlib.h"
#include "menus/exm_text.h"
#include "menus/gnlayer.h"
#include "menus/gnmap.h"
#include "menus/machine.h"

#define ABORT_FILE "vidopt"

uint8_t VideoConfig[VIDEO_CONFIG_SIZE];
int16_t ScannerOn = SCANNER_ON_DEFAULT;
int16_t CameraView = CAMERA_VIEW_DEFAULT;
int32_t ModelDetail = MODEL_DETAIL_DEFAULT;
int16_t PlayerNamesOn = PLAYER_NAMES_ON_DEFAULT;

static_assert(VIDEO_CONFIG_DEVICE_GUID + VIDEO_CONFIG_GUID_SIZE == VIDEO_CONFIG_MODE &&
              VIDEO_CONFIG_TEXTURE_DETAIL + 4 == VIDEO_CONFIG_SIZE);
static_assert(sizeof DXCard::guid == VIDEO_CONFIG_GUID_SIZE && sizeof DXDevice::guid == VIDEO_CONFIG_GUID_SIZE);

VideoMenuState VideoMenu;

namespace {

bool gSoftwareNoted = false;

int32_t Get32(int offset) { return LoadI32(VideoConfig + offset); }
void Set32(int offset, int32_t value) { StoreI32(VideoConfig + offset, value); }

void ClearVideoConfig() {
  std::memset(VideoConfig, 0, sizeof VideoConfig);
  VideoConfig_SetCard(0);
  VideoConfig_SetDevice(-1);
}

}  // namespace

int32_t VideoConfig_GetCard() { return Get32(VIDEO_CONFIG_CARD); }
void VideoConfig_SetCard(int32_t card) { Set32(VIDEO_CONFIG_CARD, card); }
int32_t VideoConfig_GetDevice() { return Get32(VIDEO_CONFIG_DEVICE); }
void VideoConfig_SetDevice(int32_t device) { Set32(VIDEO_CONFIG_DEVICE, device); }
int32_t VideoConfig_GetMode() { return Get32(VIDEO_CONFIG_MODE); }
void VideoConfig_SetMode(int32_t mode) { Set32(VIDEO_CONFIG_MODE, mode); }

void VideoOptionsDefaults() {
  std::memset(VideoConfig, 0, sizeof VideoConfig);
  ScannerOn = SCANNER_ON_DEFAULT;
  CameraView = CAMERA_VIEW_DEFAULT;
  ModelDetail = MODEL_DETAIL_DEFAULT;
  PlayerNamesOn = PLAYER_NAMES_ON_DEFAULT;
}

void VideoOptionsValidate() {
  VideoConfigValidate();
  if (ScannerOn < 0 || ScannerOn > SCANNER_ON_MAX) ScannerOn = SCANNER_ON_DEFAULT;
  if (CameraView < 0 || CameraView > CAMERA_VIEW_MAX) CameraView = CAMERA_VIEW_DEFAULT;
  if (ModelDetail < 0 || ModelDetail > MODEL_DETAIL_MAX) ModelDetail = MODEL_DETAIL_DEFAULT;
  if (PlayerNamesOn < 0 || PlayerNamesOn > PLAYER_NAMES_ON_MAX) PlayerNamesOn = PLAYER_NAMES_ON_DEFAULT;
}

void VideoOptions_Reset() {
  VideoOptionsDefaults();
  VideoMenu = {};
  gSoftwareNoted = false;
}
REGISTER_RESET(RESET_RENDER, VideoOptions_Reset);


int32_t VideoConfigWord(const uint8_t* config, int offset) { return LoadI32(config + offset); }
void VideoConfigSetWord(uint8_t* config, int offset, int32_t value) { StoreI32(config + offset, value); }

void VideoConfigValidate() {
  const struct {
    int offset;
    int32_t low, high, fallback;
  } words[] = {
      {VIDEO_CONFIG_CARD, 0, MAX_DX_CARDS - 1, 0},
      {VIDEO_CONFIG_DEVICE, -1, MAX_DX_DEVICES - 1, -1},
      {VIDEO_CONFIG_MODE, -1, MAX_GFX_MODES - 1, -1},
      {VIDEO_CONFIG_MIP_MAP, 0, 1, 0},
      {VIDEO_CONFIG_TEXTURE_SMOOTHING, 0, 2, 0},
      {VIDEO_CONFIG_LIGHTING, 0, 1, 0},
      {VIDEO_CONFIG_FOGGING, 0, 1, 0},
      {VIDEO_CONFIG_TEXTURE_DETAIL, 0, 1, 0},
  };
  for (const auto& w : words) {
    int32_t v = Get32(w.offset);
    if (v < w.low || v > w.high) Set32(w.offset, w.fallback);
  }
}

namespace {

constexpr uint32_t kFourMb = 0x400000;
constexpr uint32_t kSixMb = 0x600000;
const uint8_t kZeroGuid[VIDEO_CONFIG_GUID_SIZE] = {};

const DXDevice* DeviceOf(const uint8_t* config) {
  int32_t device = VideoConfigWord(config, VIDEO_CONFIG_DEVICE);
  return device < 0 ? nullptr : DXGetDevice(VideoConfigWord(config, VIDEO_CONFIG_CARD), device);
}

bool SmallTextureMemory(const DXCard* c) { return c && c->textureMemory != 0 && c->textureMemory < kFourMb; }

// The device of a card with the strictly highest score above -1 (the lower
// index on ties); -2 when none is usable.
int BestDevice(int card) {
  int best = -2, bestScore = -1;
  for (int d = -1; d < MAX_DX_DEVICES; ++d)
    if (int score = VideoDeviceScore(card, d); score > bestScore) {
      best = d;
      bestScore = score;
    }
  return best;
}

bool ModeOk(int16_t mode) { return mode >= 0 && mode < GfxModeCount; }

int16_t SmallestDirect3DMode() {
  for (int type = 1; type <= 3; ++type)
    if (int16_t m = GfxFindSmallestMode(640, 480, type, 1, 1); m >= 0) return m;
  return -1;
}

// Whether a mode may be stepped to in the menu for this record's device.
bool ModeSuits(const uint8_t* config, const GfxMode& m) {
  if (m.width < 512 || m.height < 384) return false;
  if (VideoConfigWord(config, VIDEO_CONFIG_DEVICE) == -1) return m.type == 0 && m.width <= 2048 && m.height <= 1024;
  if (!(m.flags & 1) || m.type == 0) return false;
  const DXCard* c = DXGetCard(VideoConfigWord(config, VIDEO_CONFIG_CARD));
  uint64_t need = uint64_t{m.width} * m.height * m.bytesPerPixel * 3;
  return !c || c->videoMemory3D == 0 || c->videoMemory3D >= need;
}

}  // namespace

int VideoDeviceScore(int card, int device) {
  if (card == 0 && device == -1) return 49;
  const DXCard* c = DXGetCard(card);
  const DXDevice* d = DXGetDevice(card, device);
  if (!c || !d) return -1;
  if (WinIsWindowed() && card != 0) return -1;
  if ((c->flags & 0x4) || !(c->flags & 0x1) || !(d->flags & D3DDEVINFO_HARDWARE)) return -1;
  int score = 0;
  if (c->videoMemory3D >= kFourMb) score += 5;
  if (c->textureMemory >= kSixMb) score += 10;
  score += 50;  // hardware
  if (d->flags & D3DDEVINFO_HARDWARETL) score += 10;
  if (d->flags & D3DDEVINFO_SUBPIXEL) score += 2;
  if (d->flags & D3DDEVINFO_MIPMAPTEX) score += 2;
  if (d->flags & D3DDEVINFO_SMOOTHTEX) score += 2;
  if (d->flags & D3DDEVINFO_RENDER32) score += 5;
  if (d->maxTextureWidth > 256 && d->maxTextureHeight > 256) score += 5;
  if (d->maxTextureAspect == 0) score += 2;
  if (d->flags & (D3DDEVINFO_STENCIL8 | D3DDEVINFO_STENCIL16 | D3DDEVINFO_STENCIL24 | D3DDEVINFO_STENCIL32))
    score += 10;
  return score;
}

int VideoCardScore(int card) {
  int best = -1;
  for (int d = -1; d < MAX_DX_DEVICES; ++d) best = std::max(best, VideoDeviceScore(card, d));
  return best;
}

const DXDevice* VideoChooseMode(uint8_t* config) {
  int32_t card = VideoConfigWord(config, VIDEO_CONFIG_CARD), device = VideoConfigWord(config, VIDEO_CONFIG_DEVICE);
  if (card != VideoConfig_GetCard() || device != VideoConfig_GetDevice()) {
    VideoConfigSetWord(config, VIDEO_CONFIG_MODE, -1);  // the menu shows "Apply to see options"
  } else {
    int32_t mode = VideoConfigWord(config, VIDEO_CONFIG_MODE);
    bool inList = mode >= 0 && mode < GfxModeCount;
    const GfxMode* m = inList ? &GfxModeList[mode] : nullptr;
    bool replace;
    if (device == -1)
      replace = !m || m->type != 0 || m->width < 512 || m->height < 384;
    else
      replace = !m || !(m->flags & 1) || m->type == 0 || m->width < 512 || m->height < 384;
    if (replace) {
      int16_t found = device == -1 ? GfxFindSmallestModeAny(640, 480, 0) : SmallestDirect3DMode();
      if (found < 0) ABORT("No mode found!");
      VideoConfigSetWord(config, VIDEO_CONFIG_MODE, found);
    }
  }
  const DXCard* c = DXGetCard(card);
  const DXDevice* d = DeviceOf(config);
  if (SmallTextureMemory(c)) VideoConfigSetWord(config, VIDEO_CONFIG_TEXTURE_DETAIL, 0);
  if (d && !(d->flags & D3DDEVINFO_TABLEFOG)) VideoConfigSetWord(config, VIDEO_CONFIG_FOGGING, 0);
  if (d && !(d->flags & D3DDEVINFO_MIPMAPTEX)) VideoConfigSetWord(config, VIDEO_CONFIG_MIP_MAP, 0);
  return d;
}

bool VideoChooseDevice(int no3d) {
  int card = VideoConfig_GetCard(), device = VideoConfig_GetDevice();
  if (!no3d) {
    if (const DXCard* c = DXGetCard(card)) {
      const DXDevice* d = DXGetDevice(card, device);
      if ((!c->guidPointer ||
           std::memcmp(c->guid, VideoConfig + VIDEO_CONFIG_CARD_GUID, VIDEO_CONFIG_GUID_SIZE) == 0) &&
          (device == -1 ||
           (d && std::memcmp(d->guid, VideoConfig + VIDEO_CONFIG_DEVICE_GUID, VIDEO_CONFIG_GUID_SIZE) == 0)))
        return true;
    }
  }
  ClearVideoConfig();
  const DXCard* first = DXGetCard(0);
  if (!first || first->guidPointer) ABORT("VideoInit(): the first card must have the NULL GUID");
  card = 0;
  device = -1;
  if (!no3d) {
    int bestScore = -1;
    card = -1;
    for (int c = 0; c < MAX_DX_CARDS; ++c) {
      const DXCard* record = DXGetCard(c);
      if (c != 0 && !(record && (record->flags & 0x8))) continue;
      if (int score = VideoCardScore(c); score > bestScore) {
        bestScore = score;
        card = c;
      }
    }
    if (card < 0) ABORT("VideoInit(): Failed to find a graphics card!");
    device = BestDevice(card);
    if (device < -1) ABORT("VideoInit(): failed to find a 3d device!");
  }
  VideoConfig_SetCard(card);
  VideoConfig_SetDevice(device);
  if (const DXDevice* d = DXGetDevice(card, device)) {
    int32_t mip = (d->flags & D3DDEVINFO_MIPMAPTEX) ? 1 : 0;
    Set32(VIDEO_CONFIG_MIP_MAP, mip);
    Set32(VIDEO_CONFIG_TEXTURE_SMOOTHING, (d->flags & D3DDEVINFO_SMOOTHTEX) ? (mip ? 2 : 1) : 0);
    int32_t rich = SmallTextureMemory(DXGetCard(card)) ? 0 : 1;
    Set32(VIDEO_CONFIG_LIGHTING, rich);
    Set32(VIDEO_CONFIG_FOGGING, rich);
    Set32(VIDEO_CONFIG_TEXTURE_DETAIL, rich);
  }
  return false;
}

void VideoInit(int no3d) {
  DXEnumDisplay();
  VideoChooseDevice(no3d);
  int card = VideoConfig_GetCard(), device = VideoConfig_GetDevice();
  DXSelectDevice(card, device);
  DPRINT(DEBUG_GRAPHICS, 1, "VideoInit(): card %d, device %d\n", card, device);
  GfxInit(device != -1 ? 1 : 0);
  VideoChooseMode(VideoConfig);
}

void VideoUninit() {
  int card = VideoConfig_GetCard(), device = VideoConfig_GetDevice();
  const DXCard* c = DXGetCard(card);
  std::memcpy(VideoConfig + VIDEO_CONFIG_CARD_GUID, c && c->guidPointer ? c->guid : kZeroGuid, VIDEO_CONFIG_GUID_SIZE);
  const DXDevice* d = DXGetDevice(card, device);
  std::memcpy(VideoConfig + VIDEO_CONFIG_DEVICE_GUID, d ? d->guid : kZeroGuid, VIDEO_CONFIG_GUID_SIZE);
  if (GfxIsInitialised()) GfxUninit();
  DPRINT(DEBUG_GRAPHICS, 1, "VideoUninit(): done\n");
}

int16_t VideoIsDirect3D() { return VideoConfig_GetDevice() != -1 ? 1 : 0; }

int16_t VideoMatchIsDirect3D() {
  if (!gSoftwareNoted) {
    gSoftwareNoted = true;
    std::printf("VideoMatchIsDirect3D(): the match is drawn in 256 colours (no 3D match frame yet; device %d)\n",
                static_cast<int>(VideoConfig_GetDevice()));
  }
  return 0;
}

int16_t VideoSoftwareScreenMode() {
  if (VideoConfig_GetDevice() == -1) return static_cast<int16_t>(VideoConfig_GetMode());
  int16_t mode = GfxFindSmallestModeAny(640, 480, 0);
  if (mode < 0) ABORT("No mode found!");
  return mode;
}

// ---- the "Graphic Options" menu ----

namespace {

int32_t Work(int offset) { return VideoConfigWord(VideoMenu.working, offset); }
void SetWork(int offset, int32_t value) { VideoConfigSetWord(VideoMenu.working, offset, value); }

// "256 colour", "16 bit colour", "24 bit colour", "32 bit colour".
constexpr int kModeTypeText = 1236;
constexpr int kSoftwareText = 1225;      // "256 Colour software rendering"
constexpr int kApplyToSeeText = 1245;    // "Apply to see options"

void ChoiceColours(int row, int count, int32_t value) {
  for (int i = 0; i < count; ++i)
    VideoMenu.view.choiceColour[row][i] = i == value ? VIDEO_COLOUR_CURRENT : VIDEO_COLOUR_OTHER;
}

void CardSelect(int step) {
  int card = Work(VIDEO_CONFIG_CARD);
  for (int tries = 0; tries < MAX_DX_CARDS; ++tries) {
    card += step;
    if (card > MAX_DX_CARDS - 1) card = 0;
    if (card < 0) card = MAX_DX_CARDS - 1;
    if (VideoCardScore(card) >= 0) break;
  }
  int device = BestDevice(card);
  if (device < -1) ABORT("Func_CardSelect(): no device found on this card!");
  SetWork(VIDEO_CONFIG_CARD, card);
  SetWork(VIDEO_CONFIG_DEVICE, device);
}

void DeviceSelect(int step) {
  int card = Work(VIDEO_CONFIG_CARD), device = Work(VIDEO_CONFIG_DEVICE);
  for (int tries = 0; tries <= MAX_DX_DEVICES; ++tries) {
    device += step;
    if (device > MAX_DX_DEVICES - 1) device = -1;
    if (device < -1) device = MAX_DX_DEVICES - 1;
    if (VideoDeviceScore(card, device) >= 0) break;
  }
  SetWork(VIDEO_CONFIG_DEVICE, device);
}

void ModeSelect(int step) {
  int mode = Work(VIDEO_CONFIG_MODE);
  for (int tries = 1; tries < GfxModeCount; ++tries) {
    int next = ((mode + step * tries) % GfxModeCount + GfxModeCount) % GfxModeCount;
    if (ModeSuits(VideoMenu.working, GfxModeList[next])) {
      SetWork(VIDEO_CONFIG_MODE, next);
      return;
    }
  }
}

VideoMenuAnswer HandleChoice(int row, int choice) {
  const DXDevice* d = DeviceOf(VideoMenu.working);
  if (!d) return VIDEO_REFUSED;
  switch (row) {
    case VIDEO_ROW_MIP_MAP:
      if (!(d->flags & D3DDEVINFO_MIPMAPTEX) || choice > 1) return VIDEO_REFUSED;
      SetWork(VIDEO_CONFIG_MIP_MAP, choice);
      if (choice == 0 && Work(VIDEO_CONFIG_TEXTURE_SMOOTHING) == 2) SetWork(VIDEO_CONFIG_TEXTURE_SMOOTHING, 1);
      return VIDEO_REDRAW;
    case VIDEO_ROW_SMOOTHING:
      if (!(d->flags & D3DDEVINFO_SMOOTHTEX)) return VIDEO_REDRAW;  // nothing changes
      if (choice == 2 && Work(VIDEO_CONFIG_MIP_MAP) == 0) return VIDEO_NOT_HANDLED;
      SetWork(VIDEO_CONFIG_TEXTURE_SMOOTHING, choice);
      return VIDEO_REDRAW;
    case VIDEO_ROW_LIGHTING:
      if (choice > 1) return VIDEO_REFUSED;
      SetWork(VIDEO_CONFIG_LIGHTING, choice);
      return VIDEO_REDRAW;
    case VIDEO_ROW_FOGGING:
      if (choice > 1) return VIDEO_REFUSED;
      if (!(d->flags & D3DDEVINFO_TABLEFOG)) return VIDEO_NOT_HANDLED;
      SetWork(VIDEO_CONFIG_FOGGING, choice);
      return VIDEO_REDRAW;
    case VIDEO_ROW_DETAIL:
      if (choice > 1) return VIDEO_REFUSED;
      SetWork(VIDEO_CONFIG_TEXTURE_DETAIL, choice);
      return VIDEO_REDRAW;
  }
  return VIDEO_NOT_HANDLED;
}

void Leave(int32_t code, bool copy) {
  if (copy) {
    VideoMenu.changed = Work(VIDEO_CONFIG_CARD) != VideoConfig_GetCard() ||
                        Work(VIDEO_CONFIG_DEVICE) != VideoConfig_GetDevice();
    std::memcpy(VideoConfig, VideoMenu.working, VIDEO_CONFIG_SIZE);
  }
  VideoMenu.leaveCode = code;
}

}  // namespace

void VideoMenu_Open() {
  std::memcpy(VideoMenu.working, VideoConfig, VIDEO_CONFIG_SIZE);
  VideoMenu.changed = 0;
  VideoMenu.leaveCode = 0;
}

void VideoMenu_Update() {
  VideoChooseMode(VideoMenu.working);
  if (!DXGetCard(Work(VIDEO_CONFIG_CARD))) SetWork(VIDEO_CONFIG_CARD, 0);
  if (!DXGetDevice(Work(VIDEO_CONFIG_CARD), Work(VIDEO_CONFIG_DEVICE))) SetWork(VIDEO_CONFIG_DEVICE, -1);

  VideoMenuView& v = VideoMenu.view;
  v = {};
  int card = Work(VIDEO_CONFIG_CARD), device = Work(VIDEO_CONFIG_DEVICE), mode = Work(VIDEO_CONFIG_MODE);
  const DXCard* c = DXGetCard(card);
  const DXDevice* d = DXGetDevice(card, device);
  std::snprintf(v.card, sizeof v.card, "%s", c ? c->description : "** Invalid card **");
  std::snprintf(v.device, sizeof v.device, "%s", d ? d->description : GetTextNoAddr(kSoftwareText));
  int cards = 0, devices = 0;
  for (int i = 0; i < MAX_DX_CARDS; ++i) cards += VideoCardScore(i) >= 0;
  for (int i = -1; i < MAX_DX_DEVICES; ++i) devices += VideoDeviceScore(card, i) >= 0;
  v.cardArrows = cards >= 2 ? VIDEO_ARROWS_GRAPHIC : 0;
  v.deviceArrows = devices >= 2 ? VIDEO_ARROWS_GRAPHIC : 0;
  if (ModeOk(static_cast<int16_t>(mode))) {
    const GfxMode& m = GfxModeList[mode];
    std::snprintf(v.resolution, sizeof v.resolution, "%d x %d, %s", m.width, m.height, GetTextNoAddr(kModeTypeText + (m.type & 3)));
    v.resolutionLabelColour = VIDEO_COLOUR_OTHER;
    v.resolutionArrows = VIDEO_ARROWS_GRAPHIC;
  } else {
    std::snprintf(v.resolution, sizeof v.resolution, "%s", GetTextNoAddr(kApplyToSeeText));
    v.resolutionLabelColour = VIDEO_COLOUR_UNAVAILABLE;
    v.resolutionArrows = 0;
  }

  for (auto& row : v.choiceColour)
    for (int& colour : row) colour = VIDEO_COLOUR_UNAVAILABLE;
  if (!d) return;
  if (d->flags & D3DDEVINFO_MIPMAPTEX)
    ChoiceColours(VIDEO_ROW_MIP_MAP, 2, Work(VIDEO_CONFIG_MIP_MAP));
  else
    v.choiceColour[VIDEO_ROW_MIP_MAP][0] = VIDEO_COLOUR_CURRENT;
  if (d->flags & D3DDEVINFO_SMOOTHTEX) {
    ChoiceColours(VIDEO_ROW_SMOOTHING, 3, Work(VIDEO_CONFIG_TEXTURE_SMOOTHING));
    if (Work(VIDEO_CONFIG_MIP_MAP) == 0) v.choiceColour[VIDEO_ROW_SMOOTHING][2] = VIDEO_COLOUR_UNAVAILABLE;
  }
  ChoiceColours(VIDEO_ROW_LIGHTING, 2, Work(VIDEO_CONFIG_LIGHTING));
  if (d->flags & D3DDEVINFO_TABLEFOG)
    ChoiceColours(VIDEO_ROW_FOGGING, 2, Work(VIDEO_CONFIG_FOGGING));
  else
    v.choiceColour[VIDEO_ROW_FOGGING][0] = VIDEO_COLOUR_CURRENT;
  if (c && c->textureMemory >= kFourMb)
    ChoiceColours(VIDEO_ROW_DETAIL, 2, Work(VIDEO_CONFIG_TEXTURE_DETAIL));
  else
    v.choiceColour[VIDEO_ROW_DETAIL][0] = VIDEO_COLOUR_CURRENT;
}

VideoMenuAnswer VideoMenu_Handle(VideoMenuItem item, int message, int row, int choice) {
  if (message != VIDEO_MESSAGE_CLICK) return VIDEO_NOT_HANDLED;
  switch (item) {
    case VIDEO_ITEM_CARD_UP:
    case VIDEO_ITEM_CARD_DOWN:
      CardSelect(item == VIDEO_ITEM_CARD_UP ? -1 : 1);
      return VIDEO_REDRAW;
    case VIDEO_ITEM_DEVICE_UP:
    case VIDEO_ITEM_DEVICE_DOWN:
      DeviceSelect(item == VIDEO_ITEM_DEVICE_UP ? -1 : 1);
      return VIDEO_REDRAW;
    case VIDEO_ITEM_MODE_UP:
    case VIDEO_ITEM_MODE_DOWN:
      if (!ModeOk(static_cast<int16_t>(Work(VIDEO_CONFIG_MODE)))) return VIDEO_REFUSED;
      ModeSelect(item == VIDEO_ITEM_MODE_UP ? -1 : 1);
      return VIDEO_REDRAW;
    case VIDEO_ITEM_CHOICE:
      if (row < 0 || row >= VIDEO_OPTION_ROWS || choice < 0 || choice >= VIDEO_OPTION_CHOICES) return VIDEO_REFUSED;
      return HandleChoice(row, choice);
    case VIDEO_ITEM_APPLY:
      Leave(1, true);
      return VIDEO_LEAVE;
    case VIDEO_ITEM_CANCEL:
      Leave(0, false);
      return VIDEO_LEAVE;
    case VIDEO_ITEM_DONE:
      Leave(0, true);
      return VIDEO_LEAVE;
  }
  return VIDEO_NOT_HANDLED;
}

void VideoMenu_Apply() {
  if (VideoMenu.changed) {
    int card = VideoConfig_GetCard(), device = VideoConfig_GetDevice();
    DPRINT(DEBUG_GRAPHICS, 1, "VideoOptionsMenu(): restarting graphics on card %d, device %d\n", card, device);
    if (GfxIsInitialised()) GfxUninit();
    DXSelectDevice(card, device);
    GfxInit(device != -1 ? 1 : 0);
    VideoMenu.changed = 0;
    VideoChooseMode(VideoConfig);
  }
}

// ---- the menu's display map ----

namespace {

// What the map shows, refreshed from VideoMenu.view before every redraw.
struct VideoMenuShown {
  const char* card;
  const char* device;
  const char* resolution;
  int16_t resolutionLabelColour;
  int16_t cardArrows, deviceArrows, resolutionArrows;
  int16_t choiceColour[VIDEO_OPTION_ROWS][VIDEO_OPTION_CHOICES];
};
VideoMenuShown gShown;

void RefreshShown() {
  const VideoMenuView& v = VideoMenu.view;
  gShown.card = v.card;
  gShown.device = v.device;
  gShown.resolution = v.resolution;
  gShown.resolutionLabelColour = static_cast<int16_t>(v.resolutionLabelColour);
  gShown.cardArrows = static_cast<int16_t>(v.cardArrows);
  gShown.deviceArrows = static_cast<int16_t>(v.deviceArrows);
  gShown.resolutionArrows = static_cast<int16_t>(v.resolutionArrows);
  for (int row = 0; row < VIDEO_OPTION_ROWS; ++row)
    for (int choice = 0; choice < VIDEO_OPTION_CHOICES; ++choice)
      gShown.choiceColour[row][choice] = static_cast<int16_t>(v.choiceColour[row][choice]);
}

// Region ids: a choice is row x 3 + choice; the other items are 100 + their
// VideoMenuItem.
constexpr int16_t kItemRegion = 100;

int16_t VideoMenuCallback(const GNMessage* message) {
  VideoMenuItem item = VIDEO_ITEM_CHOICE;
  int row = 0, choice = 0;
  if (message->regionId >= kItemRegion) {
    item = static_cast<VideoMenuItem>(message->regionId - kItemRegion);
  } else {
    row = message->regionId / VIDEO_OPTION_CHOICES;
    choice = message->regionId % VIDEO_OPTION_CHOICES;
  }
  switch (VideoMenu_Handle(item, message->code, row, choice)) {
    case VIDEO_REFUSED: return GN_RESULT_NONE;
    case VIDEO_REDRAW: return GN_RESULT_REDRAW;
    case VIDEO_LEAVE: return GN_RESULT_LEAVE;
    case VIDEO_NOT_HANDLED: break;
  }
  return GN_RESULT_HANDLED;
}

constexpr uint8_t kLeftMiddle = GN_JUSTIFY_LEFT | GN_JUSTIFY_MIDDLE;
constexpr uint8_t kCentred = GN_JUSTIFY_CENTRE | GN_JUSTIFY_MIDDLE;
constexpr uint8_t kTopLeft = GN_JUSTIFY_LEFT | GN_JUSTIFY_TOP;

constexpr GNDisplayItem Set(uint8_t type, int32_t value, uint8_t pass = GN_PASS_BOTH) {
  return {type, GN_DATA_VALUE, pass, 0, 0, 0, 0, GNData(value), nullptr};
}
constexpr GNDisplayItem SetVar(uint8_t type, const int16_t* var) {
  return {type, GN_DATA_VALUE_VAR, GN_PASS_DYNAMIC, 0, 0, 0, 0, GNData(var), nullptr};
}
constexpr GNDisplayItem Band(int y, int h, int shade) {
  return {GN_ITEM_BUTTON, GN_DATA_VALUE, GN_PASS_DYNAMIC, 16, static_cast<int16_t>(y), 608, static_cast<int16_t>(h),
          GNData(shade), nullptr};
}
constexpr GNDisplayItem Label(int x, int y, int w, int h, int text) {
  return {GN_ITEM_TEXT, GN_DATA_TEXTNO, GN_PASS_DYNAMIC, static_cast<int16_t>(x), static_cast<int16_t>(y), static_cast<int16_t>(w),
          static_cast<int16_t>(h), GNData(text), nullptr};
}
constexpr GNDisplayItem Value(int y, int w, const char* const* text) {
  return {GN_ITEM_TEXT, GN_DATA_STRING_VAR, GN_PASS_DYNAMIC, 140, static_cast<int16_t>(y), static_cast<int16_t>(w), 50,
          GNData(text), nullptr};
}
constexpr GNDisplayItem Arrows(int y, const int16_t* graphic) {
  return {GN_ITEM_GRAPHIC, GN_DATA_VALUE_VAR, GN_PASS_DYNAMIC, 580, static_cast<int16_t>(y), 44, 44, GNData(graphic),
          nullptr};
}
constexpr GNDisplayItem Hot(int x, int y, int w, int h) {
  return {GN_ITEM_PLACEHOLDER, GN_DATA_NONE, GN_PASS_DYNAMIC, static_cast<int16_t>(x), static_cast<int16_t>(y),
          static_cast<int16_t>(w), static_cast<int16_t>(h), GNData(), VideoMenuCallback};
}
constexpr GNDisplayItem Button(int x, int y, int w, int text) {
  return {GN_ITEM_TEXT, GN_DATA_TEXTNO, GN_PASS_DYNAMIC, static_cast<int16_t>(x), static_cast<int16_t>(y),
          static_cast<int16_t>(w), 30, GNData(text), VideoMenuCallback};
}
constexpr int16_t ItemId(VideoMenuItem item) { return static_cast<int16_t>(kItemRegion + item); }

// One of the three hardware rows: band, label, value, arrows and the two
// click areas (up steps back, down steps on).
#define VIDEO_HARDWARE_ROW(y, shade, text, valueWidth, value, arrows, up, down)                     \
  Band(y, 50, shade), Label(32, y, 108, 50, text), Set(GN_ITEM_JUSTIFY, kCentred), Value(y, valueWidth, value), \
      Set(GN_ITEM_JUSTIFY, kTopLeft), Arrows(y + 3, arrows), Set(GN_ITEM_REGION_ID, ItemId(up)),    \
      Hot(585, y + 5, 29, 15), Set(GN_ITEM_REGION_ID, ItemId(down)), Hot(585, y + 21, 29, 15),        \
      Set(GN_ITEM_JUSTIFY, kLeftMiddle)

// A choice button of an option row.
#define VIDEO_CHOICE(y, row, choice, text)                                                  \
  Set(GN_ITEM_REGION_ID, (row) * VIDEO_OPTION_CHOICES + (choice)),                         \
      SetVar(GN_ITEM_FONT_COLOUR, &gShown.choiceColour[row][choice]), Button(190 + 132 * (choice), (y) + 1, 130, text)

#define VIDEO_OPTION_BAND(y, shade, text) Band(y, 32, shade), Label(32, (y) + 4, 158, 25, text)

const GNDisplayItem kVideoMenuMap[] = {
    Set(GN_ITEM_STATIC_BACKGROUND, 0, GN_PASS_STATIC),
    {GN_ITEM_STATIC_TITLE, GN_DATA_TEXTNO, GN_PASS_STATIC, 0, 0, 0, 0, GNData(1222), nullptr},  // "Graphic Options"
    Set(GN_ITEM_JUSTIFY, kLeftMiddle),
    Set(GN_ITEM_FONT_COLOUR, 0, GN_PASS_DYNAMIC),
    VIDEO_HARDWARE_ROW(80, 3, 1223, 420, &gShown.card, &gShown.cardArrows, VIDEO_ITEM_CARD_UP, VIDEO_ITEM_CARD_DOWN),
    VIDEO_HARDWARE_ROW(130, 4, 1224, 420, &gShown.device, &gShown.deviceArrows, VIDEO_ITEM_DEVICE_UP,
                       VIDEO_ITEM_DEVICE_DOWN),
    // The resolution's label: its colour says whether a mode is chosen.
    Band(180, 50, 3),
    SetVar(GN_ITEM_FONT_COLOUR, &gShown.resolutionLabelColour),
    Label(32, 180, 108, 50, 1226),  // "Resolution"
    Set(GN_ITEM_FONT_COLOUR, 0, GN_PASS_DYNAMIC),
    Set(GN_ITEM_JUSTIFY, kCentred),
    Value(180, 468, &gShown.resolution),
    Set(GN_ITEM_JUSTIFY, kTopLeft),
    Arrows(183, &gShown.resolutionArrows),
    Set(GN_ITEM_REGION_ID, ItemId(VIDEO_ITEM_MODE_UP)),
    Hot(585, 185, 29, 15),
    Set(GN_ITEM_REGION_ID, ItemId(VIDEO_ITEM_MODE_DOWN)),
    Hot(585, 201, 29, 15),
    Set(GN_ITEM_JUSTIFY, kLeftMiddle),

    VIDEO_OPTION_BAND(243, 3, 1227),  // "Mip Map"
    VIDEO_OPTION_BAND(275, 4, 1228),  // "Texture Smoothing"
    VIDEO_OPTION_BAND(307, 3, 1229),  // "Lighting"
    VIDEO_OPTION_BAND(339, 4, 1230),  // "Fogging"
    VIDEO_OPTION_BAND(371, 3, 1231),  // "Texture Detail"
    Set(GN_ITEM_JUSTIFY, kCentred),
    Set(GN_ITEM_AUTO_BUTTON, 1),
    VIDEO_CHOICE(243, VIDEO_ROW_MIP_MAP, 0, 1241),  // "Off"
    VIDEO_CHOICE(243, VIDEO_ROW_MIP_MAP, 1, 1240),  // "On"
    VIDEO_CHOICE(275, VIDEO_ROW_SMOOTHING, 0, 1247),  // "None"
    VIDEO_CHOICE(275, VIDEO_ROW_SMOOTHING, 1, 1248),  // "Bi-linear"
    VIDEO_CHOICE(275, VIDEO_ROW_SMOOTHING, 2, 1249),  // "Tri-linear"
    VIDEO_CHOICE(307, VIDEO_ROW_LIGHTING, 0, 1241),
    VIDEO_CHOICE(307, VIDEO_ROW_LIGHTING, 1, 1240),
    VIDEO_CHOICE(339, VIDEO_ROW_FOGGING, 0, 1241),
    VIDEO_CHOICE(339, VIDEO_ROW_FOGGING, 1, 1240),
    VIDEO_CHOICE(371, VIDEO_ROW_DETAIL, 0, 1244),  // "Low"
    VIDEO_CHOICE(371, VIDEO_ROW_DETAIL, 1, 1242),  // "High"

    Set(GN_ITEM_FONT_COLOUR, 0, GN_PASS_DYNAMIC),
    Set(GN_ITEM_REGION_ID, ItemId(VIDEO_ITEM_APPLY)),
    Button(30, 420, 192, 1246),  // "Apply Changes"
    Set(GN_ITEM_REGION_ID, ItemId(VIDEO_ITEM_CANCEL)),
    Button(224, 420, 192, 1366),  // "Cancel"
    Set(GN_ITEM_REGION_ID, ItemId(VIDEO_ITEM_DONE)),
    Button(418, 420, 192, 75),  // "Done"
    Set(GN_ITEM_AUTO_BUTTON, 0),
    {GN_ITEM_END, 0, 0, 0, 0, 0, 0, GNData(), nullptr},
};

#undef VIDEO_HARDWARE_ROW
#undef VIDEO_CHOICE
#undef VIDEO_OPTION_BAND

// One opening of the menu, until Apply Changes, Cancel or Done.
void RunVideoMenuBody() {
  VideoMenu_Open();
  GN_MenuInit(kVideoMenuMap);
  do {
    VideoMenu_Update();
    RefreshShown();
    GN_MenuRedraw();
  } while (GN_MenuLoop() != 1);
  GN_MenuUninit();
}

}  // namespace

const GNDisplayItem* VideoMenuMap() { return kVideoMenuMap; }

void VideoOptionsMenu() {
  do {
    VideoMenu.leaveCode = 0;
    GN_StartSetOfMenus();
    RunVideoMenuBody();
    GN_EndSetOfMenus();
    if (VideoMenu.changed) {
      // The menu screen closes while the graphics restart on the new card and
      // opens again on it.
      const bool menus = IsMenuSystemOpen();
      if (menus) UninitSetOfMenus();
      VideoMenu_Apply();
      if (menus) InitSetOfMenus();
    }
  } while (VideoMenu.leaveCode == 1);
}
