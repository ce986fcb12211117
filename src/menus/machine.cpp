// The menu machine: drawing state, screen scale, buttons, icons, gradient
// bars, backgrounds, the pointer with its busy hourglass and progress bar,
// and the screen sections.
#include "menus/machine.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "engine/debug.h"
#include "engine/gfx.h"
#include "engine/input.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/poll.h"
#include "engine/reset.h"
#include "engine/sound.h"
#include "engine/timerint.h"
#include "engine/colconv.h"
#include "engine/rand.h"
#include "generic/gamesound.h"
#include "menus/exm_text.h"
#include "menus/gnlayer.h"
#include "menus/loadbar.h"
#include "menus/menucont.h"
#include "menus/menugfx_files.h"
#include "menus/menupc.h"
#include "menus/money.h"
#include "platform/platform.h"
#include "season/progress.h"

#define ABORT_FILE "menus\\machine"

namespace {

struct ScreenSection {
  uint8_t* pixels = nullptr;  // managed block (none for an empty rectangle)
  bool saved = false;
  int16_t x = 0, y = 0, width = 0, height = 0;
};

struct MachineState {
  // The drawing state.
  int font = 0;
  int32_t textColour = 0;
  int32_t fillColour = MENU_COLOUR_KEY;
  int32_t numberType = 0;
  int32_t buttonType = 0;
  int16_t scale = 1;
  // The pointer, in screen pixels, and the pixels kept under it.
  int16_t pointerX = 0, pointerY = 0;
  int32_t pointerButtons = 0;
  std::vector<uint8_t> pointerBackground;
  int32_t savedX = 0, savedY = 0, savedWidth = 0, savedHeight = 0;
  bool screenShown = false;
  // The busy state.
  int16_t busyCount = 0;
  int16_t hideCount = 0;
  int16_t hourglassFrame = 0;
  ScreenSection sections[SCREEN_SECTION_COUNT];
  uint8_t* backgrounds[MENU_BACKGROUND_COUNT] = {};  // cached pictures (auto-free blocks)
  int16_t lastKey = 0;
  // The open menu system: its poll function, the loading bar of its start,
  // the menu channel's volume last set.
  bool open = false;
  int16_t pollHandle = -1;
  LoadBarGfx loadBar = {};
  int16_t appliedVolume = -1;
};

MachineState gMachine;


// A channel of an RGB565 colour as a percentage and back.
struct ButtonPercents {
  int r, g, b;
};

ButtonPercents Percents(uint16_t c) {
  return {((c >> 11) & 31) * 101 / 32, ((c >> 5) & 63) * 101 / 64, (c & 31) * 101 / 32};
}

uint16_t FromPercents(int r, int g, int b) {
  return static_cast<uint16_t>(((r * 32 / 101) << 11) | ((g * 64 / 101) << 5) | (b * 32 / 101));
}

// A box of screen pixels on the menu buffer: opaque, or translucent when
// opacity is below 255.
void Box(int x, int y, int w, int h, uint16_t colour, int opacity) {
  if (opacity >= 255)
    BufferFillRect(x, y, w, h, colour);
  else
    BufferShadeRect(x, y, w, h, colour, static_cast<uint8_t>(opacity));
}

// The menu channel through the sound driver; nothing while it is not running
// (-nosound, or no output).
bool MenuChannelReady(int channel) { return SndIsInitialised() && channel < SndActiveChannels(); }
void StartMenuChannels(int count) {
  if (SndIsInitialised()) SndSetActiveChannels(count);
}
void StopMenuChannel(int channel) {
  if (MenuChannelReady(channel)) SndStop(channel);
}
void ClearMenuChannels() {
  if (SndIsInitialised()) SndClearActiveChannels();
}
void SetMenuChannelVolume(int channel, int volume) {
  if (MenuChannelReady(channel)) SndSetChannelVolume(channel, volume);
}
// One of the two tunes of the music bank.
void PlayMenuTune(int sample, int channel, int volume) {
  if (MenuChannelReady(channel) && MusicBank >= 0) SndPlay(MusicBank, sample, channel, volume, 0);
}
void RefillMenuChannels() {
  if (SndIsInitialised()) SndUpdateChanelsFully();
}

// The menu drawing layer's front-end environment.
void OpenMenuLayer() { GN_Init(GN_ENV_FRONT_END); }

constexpr MenuMachineSeam kMachineDefaults = {OpenMenuLayer,   GN_Uninit,        StartMenuChannels,
                                              StopMenuChannel, ClearMenuChannels, SetMenuChannelVolume,
                                              PlayMenuTune};

bool SoundOn() { return MenuSoundActive != 0; }


// The mouse's movement added to the pointer, which stays on the screen and
// off its last 5 pixels on the right and at the bottom.
void MovePointerByMouse() {
  int dx = 0, dy = 0, buttons = 0;
  if (MouseDriverState() == 2) ReadMouseDriver(&dx, &dy, &buttons);
  int x = gMachine.pointerX + dx, y = gMachine.pointerY + dy;
  const int w = MenuScreenWidth(), h = MenuScreenHeight();
  x = std::max(x, 0);
  y = std::max(y, 0);
  if (x >= w - 5) x = w - 6;
  if (y >= h - 5) y = h - 6;
  gMachine.pointerX = static_cast<int16_t>(x);
  gMachine.pointerY = static_cast<int16_t>(y);
  gMachine.pointerButtons = buttons & 3;
}


bool SlotInRange(int slot) { return slot >= 0 && slot < SCREEN_SECTION_COUNT; }

void FreeSection(ScreenSection* section) {
  if (section->pixels) FreeMemory(&section->pixels);
  *section = ScreenSection{};
}

}  // namespace

void (*MenuSoundRefill)() = RefillMenuChannels;

void Machine_Reset() {
  gMachine = MachineState{};
  MenuSoundRefill = RefillMenuChannels;
  MenuMachine = kMachineDefaults;
  Machine_ConnectTextHooks();
}
REGISTER_RESET(RESET_MENUS, Machine_Reset);

// ---- drawing state ----

void ResetDrawState() {
  SetFont(0);
  SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, 0);
  gMachine.fillColour = MENU_COLOUR_KEY;
}

void SetFont(int font) {
  gMachine.font = font;
  SetMenuFont(font);
  Machine_ConnectTextHooks();
}
int GetFont() { return gMachine.font; }

void SetDrawAttribute(int kind, int32_t value) {
  switch (kind) {
    case DRAW_ATTR_TEXT_COLOUR:
      gMachine.textColour = value;
      SetMenuTextColour(static_cast<int>(value));
      break;
    case DRAW_ATTR_FILL_COLOUR: gMachine.fillColour = value; break;
    case DRAW_ATTR_NUMBER_TYPE: gMachine.numberType = value; break;
    case DRAW_ATTR_BUTTON_TYPE: gMachine.buttonType = value; break;
    default: break;
  }
}

int32_t GetDrawAttribute(int kind) {
  switch (kind) {
    case DRAW_ATTR_TEXT_COLOUR: return gMachine.textColour;
    case DRAW_ATTR_FILL_COLOUR: return gMachine.fillColour;
    case DRAW_ATTR_NUMBER_TYPE: return gMachine.numberType;
    case DRAW_ATTR_BUTTON_TYPE: return gMachine.buttonType;
    default: return 0;
  }
}

int16_t GetScreenScale() { return gMachine.scale; }
void SetScreenScale(int16_t scale) { gMachine.scale = scale > 0 ? scale : 1; }

void ApplyAlignment(int* x, int* y, int width, int height, uint16_t alignment) {
  switch (alignment & 3) {
    case 2: *x -= width / 2; break;
    case 3: *x -= width; break;
    default: break;
  }
  switch ((alignment >> 2) & 3) {
    case 2: *y -= height / 2; break;
    case 3: *y -= height; break;
    default: break;
  }
}

// ---- buttons ----

uint16_t ButtonLighterColour(uint16_t colour) {
  ButtonPercents p = Percents(colour);
  return FromPercents(std::min(p.r + 20, 100), std::min(p.g + 20, 100), std::min(p.b + 20, 100));
}

uint16_t ButtonDarkerColour(uint16_t colour) {
  ButtonPercents p = Percents(colour);
  int r = colour < 0x3800 ? 0 : std::max(p.r - 20, 0);
  return FromPercents(r, std::max(p.g - 20, 0), std::max(p.b - 20, 0));
}

void DoButton(int x, int y, int width, int height) {
  const int s = gMachine.scale;
  x *= s;
  y *= s;
  width *= s;
  height *= s;
  const uint16_t c = static_cast<uint16_t>(gMachine.fillColour);
  uint16_t light, dark;
  int lightOpacity, darkOpacity, faceOpacity;
  switch (gMachine.buttonType) {
    case 0:
      light = ButtonLighterColour(c);
      dark = ButtonDarkerColour(c);
      lightOpacity = darkOpacity = faceOpacity = 255;
      break;
    case 1: {
      ButtonPercents p = Percents(c);
      faceOpacity = 127;
      if (p.r + p.g + p.b < 31) {
        light = dark = c;
        lightOpacity = 63;
        darkOpacity = 191;
      } else {
        light = ButtonLighterColour(c);
        dark = ButtonDarkerColour(c);
        lightOpacity = darkOpacity = 127;
      }
      break;
    }
    default: ABORT("DoButton(): unknown button type");
  }
  // The four edge strips do not overlap, so a translucent bevel shades every
  // pixel once: the lighter strips take the top-left corners, the darker the
  // bottom-right ones.
  Box(x, y, width, 2, light, lightOpacity);
  Box(x, y + 2, 2, height - 2, light, lightOpacity);
  Box(x + 2, y + height - 2, width - 2, 2, dark, darkOpacity);
  Box(x + width - 2, y + 2, 2, height - 4, dark, darkOpacity);
  Box(x + 2, y + 2, width - 4, height - 4, c, faceOpacity);
}

// ---- gradient bars ----

void DrawGradientBar(int x, int y, int width, int height, uint16_t colour, int direction) {
  const int s = gMachine.scale;
  if (width < 0) width = 0;
  if (height < 0) height = 0;
  const bool rows = direction == 2 || direction == 3;
  const bool falling = direction == 1 || direction == 3;
  const int lines = rows ? height : width;
  if (lines > 0 && direction >= 0 && direction <= 3) {
    // The level moves one step before each line is drawn, so a rising ramp
    // ends on white and a falling one on black.
    const float step = 100.0f / static_cast<float>(lines);
    float level = falling ? 100.0f : 0.0f;
    for (int i = 0; i < lines; ++i) {
      level += falling ? -step : step;
      const int l = static_cast<int>(level);
      const int grey = std::max(l, 0);
      const uint16_t c = static_cast<uint16_t>(((grey * 32 / 101) << 11) | ((grey * 64 / 101) << 5) | (grey * 32 / 101));
      if (rows)
        BufferFillBox(x * s, (y + i) * s, (x + width) * s, (y + i) * s, c);
      else
        BufferFillBox((x + i) * s, y * s, (x + i) * s, (y + height) * s, c);
      if (falling ? l <= 0 : l >= 100) break;
    }
  }
  if (rows) width += 1;
  BufferShadeRect(x * s, y * s, width * s, height * s, colour, 127);
}

// ---- frames and the pointer ----

void WaitNextFrame() {
  const uint32_t start = TimerTicks.load();
  while (TimerTicks.load() == start) WaitTicks(1);
  if (SoundOn() && MenuVolume != gMachine.appliedVolume) {
    MenuMachine.setChannelVolume(0, MenuVolume * 10);
    gMachine.appliedVolume = MenuVolume;
  }
  Poll();
}

void SetPointerPosition(int16_t x, int16_t y) {
  gMachine.pointerX = x;
  gMachine.pointerY = y;
}
int16_t GetPointerX() { return gMachine.pointerX; }
int16_t GetPointerY() { return gMachine.pointerY; }
int32_t GetPointerButtons() { return gMachine.pointerButtons; }

void RestorePointerBackground() {
  if (gMachine.savedWidth > 0 && gMachine.savedHeight > 0)
    BufferPutRect(gMachine.savedX, gMachine.savedY, gMachine.savedWidth, gMachine.savedHeight,
                  gMachine.pointerBackground.data());
  gMachine.savedWidth = gMachine.savedHeight = 0;
}

bool IsMenuScreenShown() { return gMachine.screenShown; }
void SetMenuScreenShown(bool shown) { gMachine.screenShown = shown; }

void UpdateMenuScreen() {
  if (!MenuBufferPixels()) return;  // no menu screen yet
  if (!gMachine.screenShown) {
    RevealMenuScreen();
    gMachine.screenShown = true;
  } else {
    FlushDirtyRects();
  }
}

// ---- the busy pointer ----

void SetBusyPointer(int on) {
  MenuSoundRefill();
  if (on) {
    if (gMachine.busyCount++ == 0 && gMachine.hideCount == 0) {
      gMachine.hourglassFrame = 0;
      DrawMousePointer();
    }
  } else if (gMachine.busyCount > 0) {
    if (--gMachine.busyCount == 0 && gMachine.hideCount == 0) RestorePointerBackground();
  }
  UpdateMenuScreen();
}

void HideBusyPointer(int on) {
  MenuPrims_LogValue("HideBusyPointer", on);
  if (on) {
    if (gMachine.hideCount++ == 0 && gMachine.busyCount > 0) RestorePointerBackground();
  } else if (gMachine.hideCount > 0) {
    if (--gMachine.hideCount == 0 && gMachine.busyCount > 0) DrawMousePointer();
  }
  UpdateMenuScreen();
}

int16_t BusyPointerCount() { return gMachine.busyCount; }
int16_t BusyPointerHideCount() { return gMachine.hideCount; }
int16_t HourglassFrame() { return gMachine.hourglassFrame; }

void BusyPointerPoll() {
  if (gMachine.busyCount <= 0 || gMachine.hideCount > 0) return;
  gMachine.hourglassFrame = static_cast<int16_t>((gMachine.hourglassFrame + 1) % HOURGLASS_FRAMES);
  RestorePointerBackground();
  MovePointerByMouse();
  DrawProgressPercentBar();
  DrawMousePointer();
  UpdateMenuScreen();
}

// ---- screen sections ----

void PreserveScreenSection(int slot, int x, int y, int width, int height) {
  if (!SlotInRange(slot)) FatalError("Error: PreserveScreenSection(): section index out of range: %d\n", slot);
  DPRINT(DEBUG_GRAPHICS, 80, "PreserveScreenSection(): saving section %d - %d,%d (%dx%d)\n", slot, x, y, width,
         height);
  ScreenSection& section = gMachine.sections[slot];
  if (section.saved) FatalError("Error: PreserveScreenSection(): section no %d already saved\n", slot);
  // A negative size would read before the rectangle; it counts as off the screen.
  if (x < 0 || y < 0 || width < 0 || height < 0 || x + width > MenuScreenWidth() || y + height > MenuScreenHeight())
    FatalError("Error: PreserveScreenSection(): off screen coords for section %d - %d,%d (%dx%d)\n", slot, x, y,
               width, height);
  const uint32_t size = static_cast<uint32_t>(width) * static_cast<uint32_t>(height) *
                        static_cast<uint32_t>(MenuBytesPerPixel());
  if (size > 0) AllocateMemory(&section.pixels, size, ManualFree);
  section.saved = true;
  section.x = static_cast<int16_t>(x);
  section.y = static_cast<int16_t>(y);
  section.width = static_cast<int16_t>(width);
  section.height = static_cast<int16_t>(height);
  if (size > 0) BufferGetRect(x, y, width, height, section.pixels);
}

void RestoreScreenSection(int slot) {
  if (!SlotInRange(slot)) FatalError("Error: RestoreScreenSection(): section index out of range\n");
  ScreenSection& section = gMachine.sections[slot];
  if (!section.saved) FatalError("Error: RestoreScreenSection(): section no %d not saved\n", slot);
  DPRINT(DEBUG_GRAPHICS, 50, "RestoreScreenSection(): restoring section %d - %d,%d (%dx%d)\n", slot, section.x,
         section.y, section.width, section.height);
  if (section.pixels && section.width * section.height > 0)
    BufferPutRect(section.x, section.y, section.width, section.height, section.pixels);
  FreeSection(&section);
}

void ResetScreenSection(int slot) {
  if (!SlotInRange(slot)) FatalError("Error: ResetScreenSection(): section index out of range\n");
  ScreenSection& section = gMachine.sections[slot];
  DPRINT(DEBUG_GRAPHICS, 50, "RestoreScreenSection(): restoring section %d - %d,%d (%dx%d)\n", slot, section.x,
         section.y, section.width, section.height);
  FreeSection(&section);
}

int IsSavedScreenSection(int slot) {
  if (!SlotInRange(slot)) FatalError("Error: IsSavedScreenSection(): section index out of range\n");
  const bool saved = gMachine.sections[slot].saved;
  DPRINT(DEBUG_GRAPHICS, 50, "IsSavedScreenSection(): section %d - %s\n", slot, saved ? "saved" : "not saved");
  return saved ? 1 : 0;
}

void ResetAllScreenSections() {
  for (int slot = 0; slot < SCREEN_SECTION_COUNT; ++slot) ResetScreenSection(slot);
}

// ---- text and keys ----

void TrimTrailingSpaces(char* text) {
  if (!text) return;
  size_t length = std::strlen(text);
  while (length > 0 && text[length - 1] == ' ') text[--length] = '\0';
}

void PollMenuKey() {
  if (KeyAsciiAvailable()) gMachine.lastKey = KeyAsciiRead();
}
int16_t GetMenuLastKey() { return gMachine.lastKey; }
void SetMenuLastKey(int16_t key) { gMachine.lastKey = key; }

void ReadArrowKeys(int* direction, int* other) {
  // Every latch is read, so each is cleared.
  const int up = KeyWasPressed(200), down = KeyWasPressed(208), left = KeyWasPressed(203),
            right = KeyWasPressed(205);
  int d = 0;
  if (right)
    d = 2;
  else if (left)
    d = 4;
  else if (down)
    d = 3;
  else if (up)
    d = 1;
  if (direction) *direction = d;
  if (other) *other = 0;
}

// ---- icons ----

namespace {

// Part of an icon at screen pixels: the source rectangle is clipped to the
// icon, and the whole drawing to the screen.
void DrawIconPixels(int x, int y, int icon, int sourceX, int sourceY, int sourceWidth, int sourceHeight) {
  int16_t iconWidth = 0, iconHeight = 0;
  GetIconSize(icon, &iconWidth, &iconHeight);
  if (sourceX < 0) {
    sourceWidth += sourceX;
    x -= sourceX;
    sourceX = 0;
  }
  if (sourceY < 0) {
    sourceHeight += sourceY;
    y -= sourceY;
    sourceY = 0;
  }
  sourceWidth = std::min(sourceWidth, iconWidth - sourceX);
  sourceHeight = std::min(sourceHeight, iconHeight - sourceY);
  if (x < 0) {
    sourceX -= x;
    sourceWidth += x;
    x = 0;
  }
  if (y < 0) {
    sourceY -= y;
    sourceHeight += y;
    y = 0;
  }
  sourceWidth = std::min(sourceWidth, MenuScreenWidth() - x);
  sourceHeight = std::min(sourceHeight, MenuScreenHeight() - y);
  if (sourceWidth <= 0 || sourceHeight <= 0) return;
  const uint8_t* pixels = GetIconAddress(icon);
  const uint8_t* first =
      pixels + (static_cast<ptrdiff_t>(sourceY) * iconWidth + sourceX) * MenuBytesPerPixel();
  BufferPutRectTrans(x, y, sourceWidth, sourceHeight, first, iconWidth - sourceWidth);
}

// The icons inside a string: drawn at the pen, measured in menu units.
void DrawInlineIcon(int icon, int32_t x, int32_t y) { DrawIconPixels(x, y, icon, 0, 0, 0x7FFF, 0x7FFF); }

void SizeInlineIcon(int icon, int32_t* width, int32_t* height) {
  int16_t w = 0, h = 0;
  GetIconSize(icon, &w, &h);
  if (width) *width = w / gMachine.scale;
  if (height) *height = h / gMachine.scale;
}

}  // namespace

void Machine_ConnectTextHooks() {
  MenuInlineIconDrawer = DrawInlineIcon;
  MenuInlineIconSizer = SizeInlineIcon;
}

int GetIconSizeScaled(int icon, int* width, int* height) {
  MenuPrims_LogValue("GetIconSizeScaled", icon);
  int w = MenuPrims_IconWidth(), h = MenuPrims_IconHeight();
  if (MenuBufferPixels()) {
    int16_t iconWidth = 0, iconHeight = 0;
    GetIconSize(icon, &iconWidth, &iconHeight);
    w = iconWidth / gMachine.scale;
    h = iconHeight / gMachine.scale;
  }
  if (width) *width = w;
  if (height) *height = h;
  return w;
}

void DoIconPart(int x, int y, uint16_t alignment, int icon, int sourceX, int sourceY, int sourceWidth,
                int sourceHeight) {
  if (!MenuBufferPixels()) return;
  ApplyAlignment(&x, &y, sourceWidth / gMachine.scale, sourceHeight / gMachine.scale, alignment);
  DrawIconPixels(x * gMachine.scale, y * gMachine.scale, icon, sourceX, sourceY, sourceWidth, sourceHeight);
}

void DoIcon(int x, int y, uint16_t alignment, int icon) {
  MenuPrimCall& call = MenuPrims_Log("DoIcon");
  call.x = x;
  call.y = y;
  call.value = icon;
  call.alignment = alignment;
  if (!MenuBufferPixels()) return;
  int16_t iconWidth = 0, iconHeight = 0;
  GetIconSize(icon, &iconWidth, &iconHeight);
  DoIconPart(x, y, alignment, icon, 0, 0, iconWidth, iconHeight);
}

void DrawMousePointer() {
  if (!MenuBufferPixels()) return;
  const bool busy = gMachine.busyCount > 0;
  const int icon = busy ? ICON_HOURGLASS + gMachine.hourglassFrame : ICON_ARROW_POINTER;
  int16_t iconWidth = 0, iconHeight = 0;
  GetIconSize(icon, &iconWidth, &iconHeight);
  int x = gMachine.pointerX, y = gMachine.pointerY;
  if (busy) {
    x -= HOURGLASS_HOT_SPOT * gMachine.scale;
    y -= HOURGLASS_HOT_SPOT * gMachine.scale;
  }
  // The part of the icon on the screen, and the pixels under it.
  int sourceX = 0, sourceY = 0, w = iconWidth, h = iconHeight;
  if (x < 0) {
    sourceX = -x;
    w += x;
    x = 0;
  }
  if (y < 0) {
    sourceY = -y;
    h += y;
    y = 0;
  }
  w = std::min(w, MenuScreenWidth() - x);
  h = std::min(h, MenuScreenHeight() - y);
  gMachine.savedWidth = gMachine.savedHeight = 0;
  if (w > 0 && h > 0) {
    gMachine.pointerBackground.resize(static_cast<size_t>(w) * h * MenuBytesPerPixel());
    BufferGetRect(x, y, w, h, gMachine.pointerBackground.data());
    gMachine.savedX = x;
    gMachine.savedY = y;
    gMachine.savedWidth = w;
    gMachine.savedHeight = h;
    DrawIconPixels(x, y, icon, sourceX, sourceY, w, h);
  }
  // Scroll Lock asks for a screen grab.
  if (KeyWasPressed(70)) GfxScreenGrab();
}

// ---- the progress bar ----

void DrawProgressPercentBar() {
  const int16_t total = ProgressWords.total;
  if (total <= 0 || !MenuBufferPixels()) return;
  const int32_t fill = gMachine.fillColour, text = gMachine.textColour, button = gMachine.buttonType;
  const int font = gMachine.font;
  gMachine.buttonType = 0;
  gMachine.fillColour = 0x18C3;
  DoButton(265, 419, 106, 21);
  const int percent = ProgressWords.step * 100 / total;
  if (percent >= 4 && percent <= 100) {
    gMachine.fillColour = 0x318C;
    DoButton(268, 422, percent, 15);
  }
  SetFont(0);
  SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, 0);
  char words[16];
  std::snprintf(words, sizeof words, "%d%%", percent);
  int32_t w = 0, h = 0;
  MeasureFontString(words, &w, &h);
  int x = 318 * gMachine.scale, y = 429 * gMachine.scale;
  ApplyAlignment(&x, &y, w, h, ALIGN_CENTRED);
  DrawFontString(words, x, y);
  SetFont(font);
  gMachine.fillColour = fill;
  SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, text);
  gMachine.buttonType = button;
}

// ---- backgrounds ----

void DoBackground(int background) {
  // An index outside the table would read past it.
  if (background < 0 || background >= MENU_BACKGROUND_COUNT)
    FatalError("Error: DoBackground(): background %d out of range\n", background);
  if (gMachine.screenShown) {
    ClearMenuScreen();
    gMachine.screenShown = false;
  }
  const int32_t width = MenuScreenWidth(), height = MenuScreenHeight(), bpp = MenuBytesPerPixel();
  const uint32_t pixels = static_cast<uint32_t>(width) * static_cast<uint32_t>(height);
  uint8_t*& cached = gMachine.backgrounds[background];
  if (!cached) {
    const char* name = MenuBackgroundNames[background];
    char path[64];
    std::snprintf(path, sizeof path, "%s\\%s.bck", MENUGFX_DIR, name);
    const uint32_t size = PakLoadFile(path, &cached, AutoFree);
    if (!cached || size != pixels * 2) FatalError("Error: DoBackground(): background '%s' was wrong size\n", name);
    // Into the buffer's own format: one pass from the end, so a wider pixel
    // never overwrites a source pixel not yet read.
    if (bpp > 2) ResizeMemory(&cached, pixels * static_cast<uint32_t>(bpp));
    if (bpp >= 2) {
      for (uint32_t i = pixels; i-- > 0;) {
        const uint16_t colour = static_cast<uint16_t>(cached[2 * i] | (cached[2 * i + 1] << 8));
        const uint32_t value = MenuPixelFromRGB565(colour);
        for (int32_t b = 0; b < bpp; ++b) cached[i * bpp + b] = static_cast<uint8_t>(value >> (8 * b));
      }
    } else {
      for (uint32_t i = 0; i < pixels; ++i) {
        const uint16_t colour = static_cast<uint16_t>(cached[2 * i] | (cached[2 * i + 1] << 8));
        cached[i] = static_cast<uint8_t>(MenuPixelFromRGB565(colour));
      }
      ResizeMemory(&cached, pixels);
    }
  }
  SetMemoryLastUse(&cached, TimerTicks.load());
  BufferPutRect(0, 0, width, height, cached);
  gMachine.fillColour = 0x03E0;
  SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, 0);
  SetFont(1);
  gMachine.numberType = 0;
  gMachine.buttonType = 0;
}

void FreeBackgrounds() {
  for (uint8_t*& cached : gMachine.backgrounds)
    if (cached) FreeMemory(&cached);
}

// ---- boxes, texts and numbers ----

void DrawShadeRectangle(int x, int y, int width, int height, int percent) {
  const int s = gMachine.scale;
  const int opacity = std::clamp(percent * 255 / 100, 0, 255);
  BufferShadeRect(x * s, y * s, width * s, height * s, static_cast<uint16_t>(gMachine.fillColour),
                  static_cast<uint8_t>(opacity));
}

void DrawFilledRectangle(int x, int y, int width, int height) {
  const int s = gMachine.scale;
  BufferFillRect(x * s, y * s, width * s, height * s, static_cast<uint16_t>(gMachine.fillColour));
}

void DrawRectangleOutline(int x, int y, int width, int height) {
  const int s = gMachine.scale;
  const int left = x * s, top = y * s, w = width * s, h = height * s;
  const uint16_t c = static_cast<uint16_t>(gMachine.fillColour);
  if (w <= 0 || h <= 0) return;
  BufferFillRect(left, top, w, 1, c);
  BufferFillRect(left, top + h - 1, w, 1, c);
  BufferFillRect(left, top, 1, h, c);
  BufferFillRect(left + w - 1, top, 1, h, c);
}

void DrawFilledBar(int x, int y, int width, int height) {
  const int s = gMachine.scale;
  BufferFillBox(x * s, y * s, (x + width) * s, (y + height) * s, static_cast<uint16_t>(gMachine.fillColour));
}

void DrawPixel(int x, int y) {
  const int s = gMachine.scale;
  BufferPutPixel(x * s, y * s, static_cast<uint16_t>(gMachine.fillColour));
}

void DrawBlackFrame(int x, int y, int width, int height) {
  const int32_t fill = gMachine.fillColour;
  gMachine.fillColour = 0;
  DrawRectangleOutline(x, y, width, height);
  gMachine.fillColour = fill;
}

void DrawDarkShadeBox(int x, int y, int width, int height, int flags) {
  const int32_t fill = gMachine.fillColour;
  gMachine.fillColour = 0;
  DrawShadeRectangle(x, y, width, height, (flags & 1) ? 25 : 50);
  gMachine.fillColour = fill;
}

namespace {

// A string at menu units, aligned by its size in the current font; the text
// and number primitives all end here.
void DrawAlignedText(int x, int y, uint16_t alignment, const char* text) {
  if (!MenuBufferPixels()) return;
  int32_t w = 0, h = 0;
  MeasureFontString(text, &w, &h);
  int px = x * gMachine.scale, py = y * gMachine.scale;
  ApplyAlignment(&px, &py, w, h, alignment);
  DrawFontString(text, px, py);
}

MenuPrimCall& LogAt(const char* name, int x, int y, uint16_t alignment) {
  MenuPrimCall& call = MenuPrims_Log(name);
  call.x = x;
  call.y = y;
  call.alignment = alignment;
  return call;
}

}  // namespace

void DoTextAddr(int x, int y, uint16_t alignment, const char* text) {
  LogAt("DoTextAddr", x, y, alignment).text = text ? text : "";
  DrawAlignedText(x, y, alignment, text ? text : "");
}

void DoTextNo(int x, int y, uint16_t alignment, int textNumber) {
  MenuPrimCall& call = LogAt("DoTextNo", x, y, alignment);
  call.value = textNumber;
  DrawAlignedText(x, y, alignment, GetTextNoAddr(textNumber));
}

void DoNumber(int x, int y, uint16_t alignment, int32_t number) {
  LogAt("DoNumber", x, y, alignment).value = number;
  if (MenuBufferPixels()) DrawAlignedText(x, y, alignment, Number2Str(number));
}

void DoChar(int x, int y, uint16_t alignment, int character) {
  const char text[2] = {static_cast<char>(character), '\0'};
  LogAt("DoChar", x, y, alignment).value = character;
  DrawAlignedText(x, y, alignment, text);
}

int GetStringSize(const char* text, int* width, int* height) {
  int w = 0, h = 0;
  if (MenuBufferPixels()) {
    int32_t pw = 0, ph = 0;
    MeasureFontString(text ? text : "", &pw, &ph);
    w = pw / gMachine.scale;
    h = ph / gMachine.scale;
  } else {
    // No screen: every character the size the tests set.
    int cw = 0, ch = 0;
    MenuPrims_CharSize(&cw, &ch);
    w = cw * static_cast<int>(std::strlen(text ? text : ""));
    h = ch;
  }
  if (width) *width = w;
  if (height) *height = h;
  return w;
}

int GetCharSize(int character, int* width, int* height) {
  MenuPrims_LogValue("GetCharSize", character);
  if (!MenuBufferPixels()) {
    int cw = 0, ch = 0;
    MenuPrims_CharSize(&cw, &ch);
    if (width) *width = cw;
    if (height) *height = ch;
    return cw;
  }
  const char text[2] = {static_cast<char>(character), '\0'};
  return GetStringSize(text, width, height);
}

int GetTextNoSize(int textNumber, int* width, int* height) {
  return GetStringSize(GetTextNoAddr(textNumber), width, height);
}

int XDoTextAddr(char* text, int width, char** lines, int maxLines) {
  int count = 0;
  char* start = text;
  while (start && *start && count < maxLines) {
    char* end = std::strchr(start, '\n');
    if (!end) end = start + std::strlen(start);
    // The longest head of the line that fits: the whole line, or up to a blank.
    auto fits = [&](char* stop) {
      const char kept = *stop;
      *stop = '\0';
      const bool ok = GetStringSize(start, nullptr, nullptr) <= width;
      *stop = kept;
      return ok;
    };
    char* cut = end;
    if (!fits(end)) {
      cut = nullptr;
      for (char* p = end; p-- > start;)
        if (*p == ' ' && fits(p)) {
          cut = p;
          break;
        }
      if (!cut) ABORT("XDoTextAddr(): word too long for text box");
    }
    lines[count++] = start;
    if (*cut == '\0') break;
    *cut = '\0';
    start = cut + 1;
  }
  return count;
}

void DoTextBoxAddr(int x, int y, int width, int height, uint16_t alignment, const char* text) {
  MenuPrimCall& call = LogAt("DoTextBoxAddr", x, y, alignment);
  call.width = width;
  call.height = height;
  call.text = text ? text : "";
  if (!MenuBufferPixels()) return;
  // The lines are cut from a copy: the caller's text may be a constant.
  std::vector<char> copy(call.text.begin(), call.text.end());
  copy.push_back('\0');
  constexpr int kMaxLines = 64;
  char* lines[kMaxLines];
  const int count = XDoTextAddr(copy.data(), width, lines, kMaxLines);
  int lineHeight = 0;
  GetStringSize("", nullptr, &lineHeight);
  int top = y;
  switch ((alignment >> 2) & 3) {
    case 2: top = y + (height - count * lineHeight) / 2; break;
    case 3: top = y + height - count * lineHeight; break;
    default: break;
  }
  int lineX = x;
  switch (alignment & 3) {
    case 2: lineX = x + width / 2; break;
    case 3: lineX = x + width; break;
    default: break;
  }
  const uint16_t lineAlignment = static_cast<uint16_t>((alignment & 3) | ALIGN_TOP);
  for (int i = 0; i < count; ++i) DrawAlignedText(lineX, top + i * lineHeight, lineAlignment, lines[i]);
}

// ---- the background and the pointer ----

void SaveScreenBackground() { BufferSaveBackground(); }

void RestoreBackgroundRect(int x, int y, int width, int height, uint16_t alignment) {
  ApplyAlignment(&x, &y, width, height, alignment);
  const int s = gMachine.scale;
  BufferRestoreRect(x * s, y * s, width * s, height * s);
}

void ReadMousePointer(int* x, int* y, int* buttons) {
  MovePointerByMouse();
  if (x) *x = gMachine.pointerX / gMachine.scale;
  if (y) *y = gMachine.pointerY / gMachine.scale;
  if (buttons) *buttons = gMachine.pointerButtons;
}

// ---- start and stop ----

namespace {



// The 640 x 480 menu mode: 16-bit in colour kinds 1, 2, 3 in turn, else (or
// with -menu256) 256 colours.
int16_t FindMenuMode() {
  int16_t mode = -1;
  if (!Menu256Mode)
    for (int kind = 1; kind <= 3 && mode < 0; ++kind) mode = GfxFindMode(PLAT_LAYOUT_WIDTH, PLAT_LAYOUT_HEIGHT, kind);
  if (mode < 0) mode = GfxFindMode(PLAT_LAYOUT_WIDTH, PLAT_LAYOUT_HEIGHT, 0);
  if (mode < 0) FatalError("Error: InitSetOfMenus(): Your video card does not support a suitable graphics mode\n");
  return mode;
}

}  // namespace

MenuMachineSeam MenuMachine = kMachineDefaults;

bool IsMenuSystemOpen() { return gMachine.open; }

void InitSetOfMenus() {
  InitIconLists();
  SetGraphicMode(FindMenuMode(), 0);
  BufferAllocate();
  SetScreenScale(static_cast<int16_t>(std::max(1, MenuScreenWidth() / PLAT_LAYOUT_WIDTH)));
  gMachine.screenShown = false;

  gMachine.loadBar = LoadBarGfx{};
  gMachine.loadBar.emptyName = LOADBAR_EMPTY_FILE;
  gMachine.loadBar.fullName = LOADBAR_FULL_FILE;
  gMachine.loadBar.paletteName = LOADBAR_PALETTE_FILE;
  gMachine.loadBar.barStart = LOADBAR_BAR_START;
  gMachine.loadBar.barEnd = LOADBAR_BAR_END;
  LoadBar_Init(LoadBarGfx_Callback, &gMachine.loadBar);

  if (MouseDriverState() != 0) ResetMouseDriver();
  SetPointerPosition(static_cast<int16_t>(MenuScreenWidth() / 2), static_cast<int16_t>(MenuScreenHeight() / 2));
  gMachine.savedWidth = gMachine.savedHeight = 0;
  if (SoundOn()) MenuMachine.enableSoundChannel(1);

  LoadBar_StartBlock(MENU_FONT_COUNT, 1.0f);
  for (int font = 0; font < MENU_FONT_COUNT; ++font) {
    LoadFont(font);
    LoadBar_AddProgress(1.0f);
  }
  LoadBar_EndBlock();

  ResetAllScreenSections();
  MenuMachine.gnInit();
  gMachine.pollHandle = AddPollFunction(BusyPointerPoll, 4, 0);
  if (SoundOn()) {
    gMachine.appliedVolume = MenuVolume;
    MenuMachine.playStartSample(GameRandom() % 2, 0, MenuVolume * 10);
  }
  LoadBar_Uninit();
  if (MenuIs256Colour()) {
    uint8_t palette[768];
    ColConvMakeCubePalette(palette);
    SetPalette(palette);
  }
  KeyFlush();
  ResetDrawState();
  gMachine.open = true;
}

void UninitSetOfMenus() {
  MenuMachine.gnUninit();
  if (gMachine.pollHandle >= 0) RemovePollFunction(gMachine.pollHandle);
  gMachine.pollHandle = -1;
  if (gMachine.screenShown) {
    ClearMenuScreen();
    gMachine.screenShown = false;
  }
  if (SoundOn()) {
    MenuMachine.stopSoundChannel(0);
    MenuMachine.clearActiveChannels();
  }
  FreeBackgrounds();
  BufferFree();
  RestoreGraphicMode();
  gMachine.pointerBackground = std::vector<uint8_t>();
  gMachine.savedWidth = gMachine.savedHeight = 0;
  ResetAllScreenSections();
  FreeAutoFreeMemory();
  gMachine.open = false;
}

void QuickTerminate() {
  UninitSetOfMenus();
  ABORT("Quick termination");
}
