// The "Commentary" view of a match (display mode 0): no pitch, the match runs
// at an adjustable speed and a 640 x 480 panel on the menu screen shows the
// score, the clock, the commentary line, a small pitch with the players and
// the ball, the minute-by-minute balance graph, the other fixtures' event box,
// the team figures, each side's latest goals, cards and substitutions, and a
// "Subs/Tactics" button that opens the in-match menus.
//
// The panel is drawn with the menu machine (menus/machine.h): Analysis_Create
// opens the menu system, Analysis_Destroy closes it. Each part of the panel is
// redrawn on its own cadence of the frame counter; a full redraw (after the
// in-match menus) draws every part in the next frame.
//
// The motion clips belong to the match run: the view neither loads nor frees
// them.
#pragma once

#include <cstdint>
#include <vector>

// ---- the game speed ----

constexpr int ANALYSIS_SPEED_COUNT = 7;
// Frames per 100 ticks at each game-speed setting.
constexpr int16_t ANALYSIS_SPEEDS[ANALYSIS_SPEED_COUNT] = {50, 100, 250, 500, 750, 1000, 1250};
constexpr int16_t ANALYSIS_DEFAULT_SPEED = 2;

// The game-speed setting 0-6 (out-of-range values are clamped).
void Analysis_SetGameSpeed(int16_t index);
int16_t Analysis_GetGameSpeed();

// ---- the view ----

// Without a 640 x 480 screen mode (the headless match tools) the view keeps
// only its frame counter: no menu screen, no drawing, no pacing.
void Analysis_Create();
void Analysis_Destroy();
// One match frame: pacing; unless the frame is skipped, the panel and the
// input.
void Analysis_DrawFrame();
// Runs a requested timed pause: the match is paused from the first call for
// seconds x 100 ticks, then the pause is cleared.
void Analysis_UpdateTimedPause();
void Analysis_RequestTimedPause(int16_t seconds);
// Every part of the panel, the static one included, in the next drawn frame
// (the in-match menus call it when they close).
void Analysis_RequestFullRedraw();

// ---- the pieces, for the tests and the picture tools ----

// Whether the view was made without a screen.
bool Analysis_IsHeadless();

// One step of the pacing at the current speed: true when the frame is drawn
// (the wait for its time has been made), false when it is skipped.
bool Analysis_PaceFrame();
int32_t Analysis_SkippedFrames();
float Analysis_TargetTime();
int32_t Analysis_FrameCounter();

// The current minute of the graph: the game clock's minute, 120 in the
// shoot-out, never past the last balance sample (119).
int Analysis_CurrentMinute();
// 90 minutes, 120 from extra time on.
int Analysis_GraphLength();
// The smoothed graph values of minutes 0..current from the per-minute balance
// bytes (0-100, 255 for a minute not recorded; `count` of them). Answers the
// number of values written to out (current + 1, clamped to the samples), or 0
// while minute 1 has no byte (the graph is not drawn).
int Analysis_GraphValues(const uint8_t* bytes, int count, int current, int16_t* out);
// Left edge of the graph column of the minute.
int Analysis_GraphColumnX(int minute, int graphLength);
// Where a pitch position falls on the small pitch; false outside its box.
bool Analysis_MiniPitchPoint(int pitchX, int pitchY, int* screenX, int* screenY);
// The side's kit colour as 0-100 red, green and blue percentages (taken at
// creation).
void Analysis_KitColour(int side, int rgb[3]);

// The panel's parts and whether each is drawn this frame (bit per part).
enum AnalysisPart {
  ANALYSIS_STATIC = 0,
  ANALYSIS_CLOCK,
  ANALYSIS_SCORE,
  ANALYSIS_GRAPH,
  ANALYSIS_MINI_PITCH,
  ANALYSIS_PLAYERS,
  ANALYSIS_EVENT_BOX,
  ANALYSIS_COMMENTARY,
  ANALYSIS_FIGURES,
  ANALYSIS_GOALS,
  ANALYSIS_SPEED,
  ANALYSIS_PART_COUNT
};
// The parts the last drawn frame drew (bit 1 << AnalysisPart).
uint32_t Analysis_LastDrawnParts();

// Draws the whole current panel (every part) on the menu screen and copies the
// 640 x 480 menu buffer into out (rows packed, the buffer's own pixel format,
// MenuBytesPerPixel bytes a pixel). False, out untouched, when no 640 x 480
// menu screen is open (call it between Analysis_Create and Analysis_Destroy).
bool Analysis_GrabPanel(std::vector<uint8_t>& out);


void Analysis_Reset();
