// menudemo: opens the 640 x 480 menu screen (16-bit, or 256 colours with
// -menu256) and draws with the menu layer: a background, icons, the three
// fonts with an inline icon, the money formats, a shaded panel, gradient
// bars, the progress bar and a screen section saved and restored. It writes
// the menu screen as a grab (grab0001.tga, or the next free number), then runs
// the loading bar through nested blocks and grabs it half way. With a display
// it then shows the menu screen with the busy hourglass until Escape; under
// SDL_VIDEODRIVER=dummy it exits by itself unless -show asks for that too
// (an event script of GAFFERON_EVENTS can then press Escape).
//
// With --menu it runs the menu interpreter's showcase screen instead (every
// kind of menu item in one table) in the real menu loop: in a window until its
// Quit button is clicked; headless under an event script (GAFFERON_EVENTS,
// with GAFFERON_CLOCK=virtual) until the script clicks Quit, Scroll Lock
// grabbing the screen on the way; headless without a script it grabs the
// first picture and leaves.
//
// With --gn it runs a GN display map in the GN menu loop on the menu screen: a
// title and background, the five button types, texts in the ten font colours,
// graphics, a counter that a click raises, colour boxes, a text box, hover
// highlights and a Quit button; with --gn --ingame the same map runs in the
// in-game environment on an 800 x 600 256-colour game screen. Headless, an
// event script drives it as for --menu.
//
// It runs from the game's working folder: pakfiles\hdcommon there and
// pakfiles\cdcommon on the CD folder (GAFFERON_CD, default "cd").
//
//   menudemo [--menu | --gn [--ingame]] [-menu256] [-show] [-fullscreen] [-debug SETTING]
#include <strings.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "demo_engine.h"
#include "engine/colconv.h"
#include "engine/debug.h"
#include "engine/gfx.h"
#include "engine/input.h"
#include "engine/reset.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/poll.h"
#include "engine/startup.h"
#include "engine/timerint.h"
#include "engine/winlib.h"
#include "menus/exmenu.h"
#include "menus/exmenu_demo.h"
#include "menus/gningame.h"
#include "menus/gnlayer.h"
#include "menus/gnmap.h"
#include "menus/loadbar.h"
#include "menus/menucont.h"
#include "menus/machine.h"
#include "menus/menugfx_files.h"
#include "menus/menupc.h"
#include "menus/money.h"
#include "platform/platform.h"
#include "platform/sdl/sdl_backend.h"
#include "render256/vidopt.h"
#include "season/progress.h"
#include "season/seasonstate.h"

namespace {

constexpr int kW = PLAT_LAYOUT_WIDTH, kH = PLAT_LAYOUT_HEIGHT;
constexpr uint16_t kWhite = 0xFFFF, kNavy = 0x0010, kGold = 0xFEA0;

// The game's pak files, as the game itself adds them.
void OpenMenuMode(bool menu256) {
  const int type = menu256 ? 0 : 1;
  const int16_t mode = GfxFindMode(kW, kH, type);
  if (mode < 0) FatalError("Error: menudemo: no %dx%d %s mode\n", kW, kH, GfxModeTypeNames[type]);
  SetGraphicMode(mode, 0);
  if (GfxState == GFX_STATE_PALETTE) {
    uint8_t palette[768];
    ColConvMakeCubePalette(palette);  // the 256-colour menus draw in the colour cube
    SetPalette(palette);
  }
  if (MouseDriverState() == 1) ResetMouseDriver();
}

void Text(int font, int colour, int x, int y, const char* text) {
  SetFont(font);
  SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, colour);
  DrawFontString(text, x, y);
}

// A panel of a few icons from different files: kits, flags, cards, a ball,
// the marks and the pointers.
void DrawIcons() {
  SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, 0x4208);
  DoButton(16, 16, 300, 92);
  const int icons[] = {MenuIconFirstNumber(8),  MenuIconFirstNumber(9) + 3, MenuIconFirstNumber(33),
                       MenuIconFirstNumber(37), MenuIconFirstNumber(20),    MenuIconFirstNumber(24),
                       MenuIconFirstNumber(31), MenuIconFirstNumber(59),    MenuIconFirstNumber(60),
                       ICON_ARROW_POINTER,      ICON_HOURGLASS + 5};
  int x = 24;
  for (int icon : icons) {
    int w = 0, h = 0;
    GetIconSizeScaled(icon, &w, &h);
    if (w > 64 || h > 64) continue;  // only the small ones fit the panel
    DoIcon(x, 62, ALIGN_LEFT | ALIGN_VMIDDLE, icon);
    x += w + 4;
    if (x > 290) break;
  }
  Text(0, 0, 24, 90, "Icons, drawn with their colour key");
}

void DrawFonts() {
  SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, kNavy);
  SetDrawAttribute(DRAW_ATTR_BUTTON_TYPE, 1);
  DoButton(16, 116, 608, 112);
  SetDrawAttribute(DRAW_ATTR_BUTTON_TYPE, 0);
  Text(0, 0, 28, 124, "fnt12: The quick brown fox jumps over the lazy dog. 0123456789 \xA3 $01 inline");
  Text(1, 0, 28, 144, "fnt16: Gafferon 2000 - M\xFCller, Ni\xF1o, Fran\xE7ois $01");
  Text(2, 8, 28, 172, "fnt24: Season 2000/01 $01 \xA3" "1.5M");
  Text(0, 7, 28, 206, "Text colours: 7");
  Text(0, 16, 140, 206, "colour 16");
  Text(0, 12, 220, 206, "colour 12");
}

void DrawMoney() {
  SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, 0x2104);
  DoButton(324, 16, 300, 92);
  BufferShadeRect(330, 20, 288, 84, kGold, 64);  // a shaded panel on the button
  static const int32_t kValues[] = {0, 999, 1500, 12345, 1005000, -1234567, 2000000000};
  int y = 22;
  for (int32_t v : kValues) {
    char line[128];
    std::snprintf(line, sizeof line, "%s", PriceToFullStr(v));
    Text(0, 2, 332, y, line);
    Text(0, 2, 468, y, PriceToShortStr(v));
    Text(0, 2, 560, y, PriceToBriefStr(v));
    y += 11;
  }
}

void DrawBars() {
  const uint16_t colours[] = {0xF800, 0x07E0, 0x001F, kGold};
  for (int d = 0; d < 4; ++d) DrawGradientBar(16 + 152 * d, 240, 140, d >= 2 ? 50 : 40, colours[d], d);
  Text(0, 0, 20, 296, "Gradient bars, directions 0 to 3");
}

// A section of the screen kept, drawn over and put back: the box in the
// middle shows what was there first.
void DrawSection() {
  SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, 0x8410);
  DoButton(16, 318, 300, 80);
  Text(1, 2, 28, 330, "A restored section");
  Text(0, 2, 28, 356, "kept, covered in red, put back");
  PreserveScreenSection(1, 16, 318, 300, 80);
  BufferFillRect(16, 318, 300, 80, 0xF800);
  RestoreScreenSection(1);
}

void DrawMenuScreen() {
  SetScreenScale(1);
  ResetDrawState();
  DoBackground(BACKGROUND_START_PAGE);
  DrawIcons();
  DrawFonts();
  DrawMoney();
  DrawBars();
  DrawSection();
  // The progress bar at 42 % (text 434 "£" is 0xA3 in every font).
  ProgressWords.total = 100;
  ProgressWords.step = 42;
  DrawProgressPercentBar();
  ProgressWords_Reset();
  BufferSaveBackground();
  UpdateMenuScreen();
}

// Nested blocks of weighted work, each step a couple of frames; the bar is
// grabbed once it shows half.
void RunLoadingBar() {
  LoadBarGfx gfx{};
  gfx.emptyName = LOADBAR_EMPTY_FILE;
  gfx.fullName = LOADBAR_FULL_FILE;
  gfx.paletteName = LOADBAR_PALETTE_FILE;
  gfx.barStart = LOADBAR_BAR_START;
  gfx.barEnd = LOADBAR_BAR_END;
  LoadBar_Init(LoadBarGfx_Callback, &gfx);
  bool grabbed = false;
  auto work = [&](int steps) {
    for (int i = 0; i < steps; ++i) {
      const uint32_t until = TimerTicks.load() + 2;
      while (TimerTicks.load() < until) {
        Poll();
        PlatYield();
      }
      LoadBar_AddProgress(1.0f);
      if (!grabbed && LoadBar_Fraction() >= 0.5f) {
        LoadBar_Poll();  // draw it now, then grab
        GfxScreenGrab();
        grabbed = true;
      }
    }
  };
  // The root has size 1: three parts of it, the middle one in two halves.
  LoadBar_StartBlock(10.0f, 0.25f);
  work(10);
  LoadBar_EndBlock();
  LoadBar_StartBlock(2.0f, 0.5f);
  for (int half = 0; half < 2; ++half) {
    LoadBar_StartBlock(8.0f, 1.0f);
    work(8);
    LoadBar_EndBlock();
  }
  LoadBar_EndBlock();
  LoadBar_StartBlock(10.0f, 0.25f);
  work(10);
  LoadBar_EndBlock();
  LoadBar_Uninit();
}

// With a display: the menu screen again, busy, the hourglass following the
// mouse and the progress bar counting, until Escape; the last frame is grabbed.
void ShowUntilEscape() {
  if (GfxState == GFX_STATE_PALETTE) {  // the loading bar set its own palette
    uint8_t palette[768];
    ColConvMakeCubePalette(palette);
    SetPalette(palette);
  }
  BufferRestoreRect(0, 0, kW, kH);
  SetMenuScreenShown(false);
  UpdateMenuScreen();
  SetPointerPosition(kW / 2, kH / 2);
  const int16_t busyPoll = AddPollFunction(BusyPointerPoll, 5, 0);
  SetBusyPointer(1);
  ProgressWords.total = 100;
  KeyFlush();
  for (int16_t step = 0; !KeyWasPressed(1); ++step) {
    ProgressWords.step = static_cast<int16_t>(step / 10 % 101);
    WaitNextFrame();
  }
  GfxScreenGrab();  // the screen as it was left, hourglass and all
  SetBusyPointer(0);
  RemovePollFunction(busyPoll);
  ProgressWords_Reset();
}

// Without a script to click Quit, a headless run grabs the first picture and
// leaves.
void GrabAndLeave() {
  GfxScreenGrab();
  SetMenuResult(MENU_RESULT_LEAVE);
}

// The showcase screen in the menu loop, on the menu system's own start.
void RunShowcase(bool menu256, bool scripted) {
  // The header's dates: a Saturday in July 1999.
  Weekday = 0;
  DayOfMonth = 10;
  Month = 6;
  Year = 1999;
  Menu256Mode = menu256 ? 1 : 0;
  InitSetOfMenus();
  SetMenuSystemRunning(true);
  if (SdlIsHeadless() && !scripted) SetMenuPostDrawCallback(GrabAndLeave);
  PushAndRunMenu(ShowcaseMenu);
  SetMenuSystemRunning(false);
  const ShowcaseLog& log = Showcase_Log();
  std::printf("menudemo: showcase left: passes %d, rows clicked %zu, pop-up rows %d, quit %d\n",
              static_cast<int>(MenuDrawPassCount()), log.rowClicks.size(), log.popupCalls, log.quitClicks);
  UninitSetOfMenus();
}

void RunDrawingDemo(bool menu256, bool show) {
  OpenMenuMode(menu256);
  BufferAllocate();
  InitIconLists();
  DrawMenuScreen();
  GfxScreenGrab();
  std::printf("menudemo: menu screen grabbed (%s)\n", menu256 ? "256 colours" : "16-bit");
  RunLoadingBar();
  std::printf("menudemo: loading bar grabbed\n");

  if (show || !SdlIsHeadless()) ShowUntilEscape();

  FreeBackgrounds();
  ResetAllScreenSections();
  BufferFree();
  FreeAutoFreeMemory();
  RestoreGraphicMode();
}

// ---- the GN map demo ----

struct GnDemo {
  int16_t counter = 0;
  int16_t hoverColour[6] = {};
  int hovers = 0;
  int quits = 0;
};
GnDemo gGn;

constexpr int16_t kQuitRegion = 30, kCounterRegion = 20;

int16_t GnHover(const GNMessage* m) {
  if (m->regionId < 1 || m->regionId > 5) return GN_RESULT_NONE;
  if (m->code == GN_MSG_ENTER) {
    ++gGn.hovers;
    gGn.hoverColour[m->regionId] = 8;
    return GN_RESULT_REDRAW;
  }
  if (m->code == GN_MSG_LEAVE) {
    gGn.hoverColour[m->regionId] = 0;
    return GN_RESULT_REDRAW;
  }
  return GN_RESULT_HANDLED;
}

int16_t GnCounter(const GNMessage* m) {
  if (m->code != GN_MSG_PRESS) return GN_RESULT_NONE;
  ++gGn.counter;
  return GN_RESULT_REDRAW;
}

int16_t GnQuit(const GNMessage* m) {
  if (m->code != GN_MSG_PRESS) return GN_RESULT_NONE;
  ++gGn.quits;
  return GN_RESULT_LEAVE;
}

// A bar of each GN colour, one line each in game.
void GnColourBoxes(int x, int y, int w, int h) {
  for (int c = 0; c < GN_COLOUR_COUNT; ++c) {
    const int x1 = x + c * w / GN_COLOUR_COUNT;
    GN_DrawColourBox(x1, y, x1 + w / GN_COLOUR_COUNT - 2, y + h, c);
  }
}

constexpr GNDisplayItem GnItem(uint8_t type, uint8_t kind, uint8_t pass, int x, int y, int w, int h, GNData data = {},
                               GNCallback callback = nullptr) {
  return {type,
          kind,
          pass,
          static_cast<int16_t>(x),
          static_cast<int16_t>(y),
          static_cast<int16_t>(w),
          static_cast<int16_t>(h),
          data,
          callback};
}
constexpr GNDisplayItem GnSet(uint8_t type, int value) {
  return GnItem(type, GN_DATA_VALUE, GN_PASS_DYNAMIC, 0, 0, 0, 0, value);
}
constexpr GNDisplayItem GnText(int x, int y, const char* text) {
  return GnItem(GN_ITEM_TEXT, GN_DATA_STRING, GN_PASS_DYNAMIC, x, y, 0, 0, text);
}

constexpr int kButtonsX = 220, kButtonsY = 80, kButtonW = 130, kButtonH = 30;
#define GN_DEMO_BUTTON(n, label)                                                                          \
  GnSet(GN_ITEM_REGION_ID, n),                                                                            \
      GnItem(GN_ITEM_BUTTON, GN_DATA_VALUE, GN_PASS_DYNAMIC, kButtonsX, kButtonsY + ((n) - 1) * 40, kButtonW, \
             kButtonH, n, GnHover),                                                                       \
      GnItem(GN_ITEM_FONT_COLOUR, GN_DATA_VALUE_VAR, GN_PASS_DYNAMIC, 0, 0, 0, 0, &gGn.hoverColour[n]),  \
      GnItem(GN_ITEM_TEXT, GN_DATA_STRING, GN_PASS_DYNAMIC, kButtonsX, kButtonsY + ((n) - 1) * 40, kButtonW, \
             kButtonH, label)
#define GN_DEMO_COLOUR(n)                      \
  GnSet(GN_ITEM_FONT_COLOUR, n), GnText(40, 80 + (n) * 22, "Font colour " #n)

const GNDisplayItem kGnDemoMap[] = {
    GnItem(GN_ITEM_STATIC_BACKGROUND, GN_DATA_VALUE, GN_PASS_STATIC, 0, 0, 0, 0, 1),
    GnItem(GN_ITEM_STATIC_TITLE, GN_DATA_STRING, GN_PASS_STATIC, 0, 0, 0, 0, "GN Menu Demo"),
    GnSet(GN_ITEM_JUSTIFY, 0x44),
    GN_DEMO_COLOUR(0), GN_DEMO_COLOUR(1), GN_DEMO_COLOUR(2), GN_DEMO_COLOUR(3), GN_DEMO_COLOUR(4),
    GN_DEMO_COLOUR(5), GN_DEMO_COLOUR(6), GN_DEMO_COLOUR(7), GN_DEMO_COLOUR(8), GN_DEMO_COLOUR(9),
    GnSet(GN_ITEM_JUSTIFY, 0x55),
    GN_DEMO_BUTTON(1, "Raised"), GN_DEMO_BUTTON(2, "Flat"), GN_DEMO_BUTTON(3, "Shade 50"),
    GN_DEMO_BUTTON(4, "Shade 25"), GN_DEMO_BUTTON(5, "Red shade"),
    GnSet(GN_ITEM_REGION_ID, -1),
    GnSet(GN_ITEM_JUSTIFY, 0x44),
    GnItem(GN_ITEM_GRAPHIC, GN_DATA_VALUE, GN_PASS_DYNAMIC, 380, 90, 0, 0, 2),
    GnItem(GN_ITEM_GRAPHIC, GN_DATA_VALUE, GN_PASS_DYNAMIC, 420, 90, 0, 0, 4),
    GnItem(GN_ITEM_GRAPHIC, GN_DATA_VALUE, GN_PASS_DYNAMIC, 460, 90, 0, 0, 7),
    GnItem(GN_ITEM_GRAPHIC, GN_DATA_VALUE, GN_PASS_DYNAMIC, 500, 90, 0, 0, 17),
    GnItem(GN_ITEM_GRAPHIC, GN_DATA_VALUE, GN_PASS_DYNAMIC, 540, 90, 0, 0, 28),
    GnItem(GN_ITEM_GRAPHIC, GN_DATA_VALUE, GN_PASS_DYNAMIC, 580, 90, 0, 0, 43),
    // The counter: a click raises it and the map is drawn again.
    GnSet(GN_ITEM_REGION_ID, kCounterRegion),
    GnSet(GN_ITEM_AUTO_BUTTON, 1),
    GnSet(GN_ITEM_JUSTIFY, 0x54),
    GnSet(GN_ITEM_FONT_COLOUR, 0),
    GnItem(GN_ITEM_TEXT, GN_DATA_STRING, GN_PASS_DYNAMIC, 380, 160, 160, 40, "Click to count:", GnCounter),
    GnSet(GN_ITEM_AUTO_BUTTON, 0),
    GnSet(GN_ITEM_FONT_COLOUR, 8),
    GnItem(GN_ITEM_NUMBER, GN_DATA_VALUE_VAR, GN_PASS_DYNAMIC, 600, 160, 0, 40, &gGn.counter),
    GnSet(GN_ITEM_REGION_ID, -1),
    GnSet(GN_ITEM_JUSTIFY, 0x44),
    GnItem(GN_ITEM_CUSTOM, GN_DATA_DRAW, GN_PASS_DYNAMIC, 380, 220, 240, 30, GNDrawFunc(GnColourBoxes)),
    GnSet(GN_ITEM_AUTO_BUTTON, 4),
    GnSet(GN_ITEM_FONT_COLOUR, 7),
    GnItem(GN_ITEM_TEXT_BOX, GN_DATA_STRING, GN_PASS_DYNAMIC, 380, 270, 240, 110,
           "A text box: the words wrap inside the box, line after line, over a shaded panel drawn "
           "behind it as the map's auto button."),
    GnSet(GN_ITEM_AUTO_BUTTON, 0),
    GnSet(GN_ITEM_REGION_ID, kQuitRegion),
    GnSet(GN_ITEM_JUSTIFY, 0x55),
    GnItem(GN_ITEM_BUTTON, GN_DATA_VALUE, GN_PASS_DYNAMIC, 500, 410, 110, 36, 5, GnQuit),
    GnSet(GN_ITEM_FONT_COLOUR, 0),
    GnItem(GN_ITEM_TEXT, GN_DATA_STRING, GN_PASS_DYNAMIC, 500, 410, 110, 36, "Quit"),
    GnItem(GN_ITEM_END, 0, 0, 0, 0, 0, 0)};

// The GN menu's calling order; headless without a script the first picture
// is grabbed and the menu left.
void RunGnMap(bool scripted) {
  GN_StartSetOfMenus();
  GN_MenuInit(kGnDemoMap);
  int redraws = 0;
  for (;;) {
    GN_MenuRedraw();
    ++redraws;
    if (SdlIsHeadless() && !scripted) {
      GfxScreenGrab();
      break;
    }
    if (GN_MenuLoop() == 1) break;
  }
  GN_MenuUninit();
  GN_EndSetOfMenus();
  std::printf("menudemo: gn left: redraws %d, counter %d, hovers %d, quit %d\n", redraws, gGn.counter, gGn.hovers,
              gGn.quits);
}

void RunGnFrontEnd(bool menu256, bool scripted) {
  Menu256Mode = menu256 ? 1 : 0;
  InitSetOfMenus();
  SetPointerPosition(kW / 2, kH / 2);
  RunGnMap(scripted);
  UninitSetOfMenus();
}

// The in-game environment on an 800 x 600 game screen, the menu area's
// picture kept in a save buffer of our own. Answers false when there is no
// such screen.
bool RunGnInGame(bool scripted) {
  if (!GNInGame_OpenStandaloneScreen(800, 600)) return false;
  if (MouseDriverState() == 1) ResetMouseDriver();  // the new mode left it waiting
  std::vector<uint8_t> saved(static_cast<size_t>(GN_AREA_WIDTH) * GN_AREA_HEIGHT);
  GNInGame_SetSaveBuffer(saved.data());
  GNInGame_SetPointer(GN_AREA_WIDTH / 2, GN_AREA_HEIGHT / 2);
  GN_Init(GN_ENV_IN_GAME);
  RunGnMap(scripted);
  GN_Uninit();
  GNInGame_SetSaveBuffer(nullptr);
  GNInGame_CloseStandaloneScreen();
  FreeAutoFreeMemory();  // the match graphics and fonts the menu loaded
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  ResetModulesFrom(RESET_ENGINE);  // every module as its reset leaves it
  bool menu256 = false, show = false, menu = false, gn = false, inGame = false;
  for (int i = 1; i < argc; ++i) {
    if (strcasecmp(argv[i], "-menu256") == 0) menu256 = true;
    if (strcasecmp(argv[i], "-show") == 0) show = true;
    if (strcasecmp(argv[i], "--menu") == 0) menu = true;
    if (strcasecmp(argv[i], "--gn") == 0) gn = true;
    if (strcasecmp(argv[i], "--ingame") == 0) inGame = true;
  }
  DemoEngine demo;
  if (!DemoCommandLine(argc, argv, &demo)) return 1;
  if (const char* clock = std::getenv("GAFFERON_CLOCK"); clock && std::strcmp(clock, "virtual") == 0) {
    PlatUseVirtualClock(true);
    PlatSetVirtualAutoAdvance(true);
  }
  bool scripted = false;
  if (const char* script = std::getenv("GAFFERON_EVENTS"); script && *script) {
    scripted = true;
    std::string error;
    if (!PlatLoadEventScriptFile(script, &error)) {
      std::fprintf(stderr, "menudemo: GAFFERON_EVENTS: %s\n", error.c_str());
      return 2;
    }
  }

  DemoEngineStart(&demo, "Gafferon 2000 menudemo", 9500, 1, true);

  if (gn && inGame) {
    if (!RunGnInGame(scripted)) {
      std::printf("menudemo: no 800 x 600 game screen for the in-game menus\n");
      DemoEngineStop(&demo);
      return 77;
    }
  } else if (gn) {
    RunGnFrontEnd(menu256, scripted);
  } else if (menu) {
    RunShowcase(menu256, scripted);
  } else {
    RunDrawingDemo(menu256, show);
  }

  return DemoEngineStop(&demo);
}
