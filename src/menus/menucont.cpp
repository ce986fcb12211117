// The front-end controller.
//
// Until the menus exist the front end opens its layout-sized screen (8-bit with
// -menu256, else 16-bit), clears it to the club colour every frame with the
// game's name on it, and returns when Escape is pressed.
#include "menus/menucont.h"

#include "engine/debug.h"
#include "engine/gfx.h"
#include "engine/input.h"
#include "engine/poll.h"
#include "engine/pakfile.h"
#include "engine/reset.h"
#include "engine/timerint.h"
#include "engine/winlib.h"
#include "platform/platform.h"
#include "world/funcs.h"
#include "world/source_records.h"

int16_t MenuOption = 0;
int16_t MenuSoundActive = 0;
int16_t Menu256Mode = 0;
int32_t SaveLoadMode = 0;
int32_t SoakRunActive = 0;
int16_t MenuAllNews = 0;
int16_t MenuClub = 0;
int16_t MenuBarRestricted = 0;


namespace {

constexpr int kKeyEscape = 1;
constexpr int kScreenWidth = PLAT_LAYOUT_WIDTH, kScreenHeight = PLAT_LAYOUT_HEIGHT;

// A direct-colour fill takes a whole screen of the green in its format, made
// once per screen format, not every frame.
struct FrontEndState {
  uint16_t green[kScreenWidth * kScreenHeight];
  uint16_t filledWith;
  bool filled;
};
FrontEndState gFrontEnd;

// The front end's screen: the whole layout, 256 colours in the 256-colour menus.
void OpenFrontEndScreen() {
  int type = Menu256Mode ? 0 : 1;
  int16_t mode = GfxFindMode(kScreenWidth, kScreenHeight, type);
  if (mode < 0)
    FatalError("Error: RunFrontEnd(): no %dx%d %s mode\n", kScreenWidth, kScreenHeight, GfxModeTypeNames[type]);
  SetGraphicMode(mode, 0);
  if (GfxState == GFX_STATE_PALETTE) {
    uint8_t palette[768] = {};
    palette[3 * 1 + 1] = 24;  // pitch green
    palette[3 * 2 + 0] = palette[3 * 2 + 1] = palette[3 * 2 + 2] = 63;
    SetPalette(palette);
  }
  if (MouseDriverState() == 1) ResetMouseDriver();
}

void DrawFrontEndFrame() {
  if (GfxState == GFX_STATE_PALETTE) {
    GfxFillRect(0, 0, kScreenWidth, kScreenHeight, 1);
  } else {
    FrontEndState& f = gFrontEnd;
    uint16_t pixel = static_cast<uint16_t>(ColConvRGBA2Pixel(GfxScreen.colourFormat, 0, 96, 0, 0));
    if (!f.filled || pixel != f.filledWith) {
      for (uint16_t& p : f.green) p = pixel;
      f.filledWith = pixel;
      f.filled = true;
    }
    GfxPutRect(0, 0, kScreenWidth, kScreenHeight, f.green);
  }
  // The name in the middle of the screen, in the 8 x 8 font.
  static constexpr char kName[] = "GAFFERON 2000";
  constexpr int kNameWidth = 8 * static_cast<int>(sizeof kName - 1);
  GfxPrintString((kScreenWidth - kNameWidth) / 2, (kScreenHeight - 8) / 2, kName);
}

}  // namespace

void RunFrontEnd() {
  MenuOption = 0;
  OpenFrontEndScreen();
  KeyFlush();
  bool escape = false;
  while (!escape) {
    uint32_t frame = TimerTicks;
    DrawFrontEndFrame();
    Poll();
    escape = KeyWasPressed(kKeyEscape);
    while (TimerTicks == frame && !escape) {
      PlatYield();
      Poll();
      escape = KeyWasPressed(kKeyEscape);
    }
  }
  MenuOption = -1;
  RestoreGraphicMode();
  DPRINT(DEBUG_GENERAL, 1, "RunFrontEnd(): leaving\n");
}

// The front end as at program start.
void FrontEnd_Reset() {
  MenuOption = 0;
  MenuSoundActive = 0;
  Menu256Mode = 0;
  SaveLoadMode = 0;
  SoakRunActive = 0;
  MenuAllNews = 0;
  MenuClub = 0;
  MenuBarRestricted = 0;
  gFrontEnd.filled = false;
  gFrontEnd.filledWith = 0;
}
REGISTER_RESET(RESET_MENUS, FrontEnd_Reset);

void LoadNamesFile() {
  PakFileEntry* file = PakOpenFile("stats\\names.dat");
  if (file == nullptr) FatalError("LoadNamesFile(): cannot open stats\\names.dat\n");
  const uint32_t size = PakFileSize(file);
  if (size != static_cast<uint32_t>(NAMES_FILE_SIZE)) {
    PakCloseFile(file);
    FatalError("LoadNamesFile(): stats\\names.dat holds %u bytes, not %d\n", size, NAMES_FILE_SIZE);
  }
  PakReadFile(NameBuffer, 0, size, file);
  PakCloseFile(file);
}
