// The loading bar: progress of long loads as nested blocks of weighted work,
// turned into one fraction 0-1 by a poll function and handed to a display
// callback; and the callback that draws the bar from two same-sized 256-colour
// images (an empty one and a full one) centred on the screen.
#pragma once

#include <cstdint>

constexpr int LOADBAR_MAX_BLOCKS = 16;
constexpr int32_t LOADBAR_POLL_RATE = 20;  // ticks between draws

// Events of the display callback.
enum : int32_t { LOADBAR_EVENT_START = 0, LOADBAR_EVENT_STOP = 1, LOADBAR_EVENT_DRAW = 2 };

// One level of the block stack.
struct LoadBarBlock {
  float size;    // the amount of work the block stands for
  float done;    // 0 to size
  float weight;  // what the block adds to its parent's done when it ends
};

// The argument of the display callback.
struct LoadBarEvent {
  int32_t event;
  void* userData;
  float fraction;  // 0-1 for a draw, 0 otherwise
};

typedef void (*LoadBarCallback)(const LoadBarEvent* event);

struct LoadBarState {
  int32_t active;
  LoadBarBlock blocks[LOADBAR_MAX_BLOCKS];  // block 0 is the root
  int32_t depth;                            // index of the current block
  LoadBarCallback callback;
  void* userData;
  int16_t pollHandle;
};

// What LoadBarGfx_Callback expects as its user data: the caller sets the
// names, the bar's columns and the flags and zeroes the rest; the callback
// fills in the images and their size.
struct LoadBarGfx {
  const char* emptyName;    // GFX0, one 8-bit frame
  const char* fullName;     // GFX0, one 8-bit frame of the same size
  const char* paletteName;  // 256 colours of three 8-bit components
  int32_t barStart;         // first column of the image that fills
  int32_t barEnd;           // the column where the filling ends
  uint8_t flags;            // LOADBAR_GFX_FLIP
  uint8_t* emptyImage;      // managed block: header and pixels in the screen's format
  uint8_t* fullImage;
  int32_t width;
  int32_t height;
};
enum : uint8_t { LOADBAR_GFX_FLIP = 1 };  // flip the display after each clear and draw

// The image files of the game's loading bar and its columns.
extern const char LOADBAR_EMPTY_FILE[];    // "zvdata\loadicon.gfx"
extern const char LOADBAR_FULL_FILE[];     // "zvdata\loadico1.gfx"
extern const char LOADBAR_PALETTE_FILE[];  // "zvdata\loadico1.pal"
constexpr int32_t LOADBAR_BAR_START = 32;
constexpr int32_t LOADBAR_BAR_END = 450;

void LoadBar_Init(LoadBarCallback callback, void* userData);
void LoadBar_StartBlock(float size, float weight);
void LoadBar_EndBlock();
void LoadBar_AddProgress(float amount);
void LoadBar_Uninit();
// The poll function: works out the fraction and has it drawn.
void LoadBar_Poll();
// The fraction the next draw shows (0 while the bar is inactive).
float LoadBar_Fraction();
// A read-only look at the bar (tests).
const LoadBarState& LoadBar_State();

void LoadBarGfx_Callback(const LoadBarEvent* event);

// The bar as at program start (no poll function is removed).
void LoadBar_Reset();
