// The menu graphics files of the data set: the icon files with their frame
// counts, the three menu fonts and the full-screen backgrounds. The icon
// loader and the background loader read their names from here, and the
// data-set generator writes exactly these files, so the two always agree.
//
// Every picture of the front end that is not a background is an icon: one
// frame of one icon file, numbered 1-1437 across the files in table order.
// Icon files are "menugfx\<name>.gfx", fonts "menugfx\<name>.gfx" with their
// advance widths in "menugfx\<name>.wid", backgrounds "menugfx\<name>.bck".
#pragma once

#include <cstdint>

// A GFX0 image: "GFX0", then width, height and frame count as 16-bit numbers
// at offsets 4, 6 and 8, zeros up to the header's end, then the pixels of
// every frame one after another.
constexpr int GFX0_HEADER_SIZE = 16;
constexpr int GFX0_WIDTH_OFFSET = 4;
constexpr int GFX0_HEIGHT_OFFSET = 6;
constexpr int GFX0_FRAMES_OFFSET = 8;

constexpr const char* MENUGFX_DIR = "menugfx";

// Icon files hold RGB565 pixels; this colour is transparent.
constexpr uint16_t MENU_COLOUR_KEY = 0xF81F;

struct MenuIconFile {
  const char* name;  // nullptr for the placeholder entry 0 and the end marker
  int16_t frames;    // 0 ends the table
};

// Entry 0 is a placeholder of one frame that takes icon number 0, never a
// valid icon; entries 1-71 are the files; a frame count of 0 ends the table.
constexpr int MENU_ICON_FILE_COUNT = 71;
constexpr int MENU_ICON_COUNT = 1438;  // icon numbers 0-1437, 0 never valid
constexpr int MENU_LAST_ICON = MENU_ICON_COUNT - 1;

inline constexpr MenuIconFile MenuIconFiles[MENU_ICON_FILE_COUNT + 2] = {
    {nullptr, 1},
    // 1-7
    {"bigblock", 1}, {"blankico", 1}, {"radio", 2}, {"menush", 84}, {"i_sq2", 13}, {"tube2", 2}, {"reddisc2", 1},
    // 8-18: the kits
    {"kit1", 100}, {"kit2", 100}, {"kit3", 100}, {"kit4", 100}, {"kit5", 100}, {"kit6", 100}, {"kit7", 100},
    {"kit8", 100}, {"kit9", 100}, {"kit10", 100}, {"kit11", 100},
    // 19-32
    {"arrotick", 3}, {"cards", 3}, {"players", 4}, {"players2", 4}, {"isoicons", 12}, {"ball", 1}, {"ball2", 1},
    {"ballshad", 1}, {"pitch", 1}, {"squares", 1}, {"square", 1}, {"digifont", 11}, {"goldstar", 1},
    {"squares2", 1},
    // 33-40: the countries
    {"england", 5}, {"france", 5}, {"germany", 5}, {"holland", 5}, {"italy", 5}, {"portugal", 5},
    {"scotland", 5}, {"spain", 5},
    // 41-54
    {"shootout", 2}, {"LRScroll", 1}, {"mouse", 1}, {"hourglas", 20}, {"smarrow", 1}, {"eurocon", 1},
    {"updownar", 3}, {"traincon", 12}, {"pitch3", 1}, {"pitch4", 1}, {"kprs_kit", 1}, {"plr_disc", 3},
    {"pitch120", 1}, {"digibck", 1},
    // 55-56
    {"pagebtns", 4}, {"sortarrs", 4},
    // 57-58
    {"PerfDisc", 10}, {"poohole", 1},
    // 59-60
    {"tickmark", 1}, {"crossmrk", 1},
    // 61-71
    {"NegClock", 21}, {"train2", 4}, {"traincor", 4}, {"Tr_Pitch", 1}, {"PSquares", 30}, {"larrow", 1},
    {"rarrow", 1}, {"pcficons", 3}, {"sbar2", 1}, {"ig_iso", 11}, {"wdisc", 1},
    // end of the table
    {nullptr, 0},
};

// The first global icon number of an entry's frames.
constexpr int MenuIconFirstNumber(int entry) {
  int number = 0;
  for (int i = 0; i < entry; ++i) number += MenuIconFiles[i].frames;
  return number;
}

static_assert(MenuIconFirstNumber(MENU_ICON_FILE_COUNT + 1) == MENU_ICON_COUNT,
              "the icon files number exactly the icons 0-1437");
static_assert(MenuIconFiles[MENU_ICON_FILE_COUNT + 1].frames == 0, "the icon file table ends after its 71 files");

// Icons the menu machine draws itself.
constexpr int ICON_MESSAGE_BOX = 1;     // 440 x 200, the message and question box
constexpr int ICON_ARROW_POINTER = 1293;
constexpr int ICON_HOURGLASS = 1294;    // 20 frames, 1294-1313
constexpr int HOURGLASS_FRAMES = 20;
constexpr int HOURGLASS_HOT_SPOT = 12;  // the hot spot is 12 across and 12 down
static_assert(MenuIconFirstNumber(44) == ICON_HOURGLASS && MenuIconFiles[44].frames == HOURGLASS_FRAMES);
static_assert(MenuIconFirstNumber(43) == ICON_ARROW_POINTER);

// The three menu fonts: 256 glyph cells each, addressed by character code.
constexpr int MENU_FONT_COUNT = 3;
constexpr int MENU_FONT_GLYPHS = 256;
constexpr int MENU_FONT_BYTES_PER_PIXEL = 3;  // the first byte is the coverage 0-255
inline constexpr const char* MenuFontNames[MENU_FONT_COUNT] = {"fnt12", "fnt16", "fnt24"};

// The full-screen backgrounds: raw RGB565 pixels of the 640 x 480 menu screen.
// The table ends with nullptr right after its 35th entry.
constexpr int MENU_BACKGROUND_COUNT = 35;
constexpr int MENU_BACKGROUND_WIDTH = 640;
constexpr int MENU_BACKGROUND_HEIGHT = 480;
constexpr int MENU_BACKGROUND_BYTES = MENU_BACKGROUND_WIDTH * MENU_BACKGROUND_HEIGHT * 2;

constexpr int BACKGROUND_START_PAGE = 5;
constexpr int BACKGROUND_CREDITS = 32;
constexpr int BACKGROUND_STARTUP_FIRST = 33;
constexpr int BACKGROUND_STARTUP_SECOND = 34;

inline constexpr const char* MenuBackgroundNames[MENU_BACKGROUND_COUNT + 1] = {
    "back00", "back01", "back02", "back03", "back04", "startpg", "back06", "back07", "back08",
    "back09", "back10", "back11", "back12", "back13", "back14", "back15", "back16", "back17",
    "back18", "back19", "back20", "back21", "back22", "back23", "back24", "back25", "back26",
    "back27", "back28", "back29", "back30", "back31", "credits", "splash1", "splash2", nullptr,
};

// The start page's four bands (new game, load game, friendly, replays): each
// 49 rows high, from these rows down.
constexpr int START_PAGE_BAND_COUNT = 4;
constexpr int START_PAGE_BAND_HEIGHT = 49;
inline constexpr int StartPageBandTops[START_PAGE_BAND_COUNT] = {136, 209, 287, 362};
