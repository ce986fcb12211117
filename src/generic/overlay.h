// The overlay view: the match watched in the 640 x 480 menu screen, with both
// sides' formation diagrams down the sides, a flat-shaded 3D view of the play,
// the score, the clock and the game speed, the event box, and a pop-up box of
// figures for the player under the pointer. Up to two players can be
// followed: their heat maps lie over the pitch and their shirt numbers are
// written beside them.
#pragma once

#include <cstdint>

#include "render256/objects.h"

constexpr int OVERLAY_SCREEN_WIDTH = 640;
constexpr int OVERLAY_SCREEN_HEIGHT = 480;
constexpr int OVERLAY_SPEED_COUNT = 7;
constexpr int OVERLAY_DEFAULT_SPEED = 2;
constexpr int OVERLAY_MAX_SPEED_INDEX = 4;  // the view's own buttons go no higher
constexpr int OVERLAY_FOLLOW_SLOTS = 2;
constexpr int OVERLAY_BACKGROUND = 19;
// Frames per 100 ticks by the game-speed setting.
extern const int16_t OverlaySpeeds[OVERLAY_SPEED_COUNT];

// Hot spots of the view's buttons: 7 faster, 8 slower, 9 (no action), 10
// the "Subs/Tactics" title.
constexpr int OVERLAY_HOTSPOT_FIRST = 7;
constexpr int OVERLAY_HOTSPOTS = 4;
struct OverlayHotSpot {
  int16_t x, y, width, height;
};
extern const OverlayHotSpot OverlayHotSpots[OVERLAY_HOTSPOTS];
// Hot spot n (7-10) contains (px, py).
bool Overlay_HotSpotHit(int n, int px, int py);

// ---- the pop-up list ----

constexpr int POPUP_MAX_LINES = 32;
constexpr int POPUP_LINE_SIZE = 64;  // 63 characters and the NUL
constexpr int POPUP_LINE_SPACING = 12;
constexpr int POPUP_MARGIN = 12;
constexpr int POPUP_Y = 200;
struct PopUpLine {
  char text[POPUP_LINE_SIZE];
  int16_t font;
};
struct PopUpList {
  PopUpLine lines[POPUP_MAX_LINES];
  int16_t count;
  int16_t width, height;
};
const PopUpList& PopUp_GetList();
// Empties the list (the box size too).
void PopUp_Clear();
// Sets the font the following lines are kept with.
void PopUp_SetFont(int font);
// Formats one line (at most 63 characters are kept); a 33rd line is fatal.
void PopUp_AddLine(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Sizes the box from its lines: 2 + the widest line + 8 wide, 2 + 12 per line
// high. An empty list or a box of no size is fatal.
void PopUp_SizeBox();
// The list of player 0-31 (0-15 the first side, 16-31 the second): name,
// position line and six match figures, sized.
void PopUp_CreatePlayerInfo(int player);
// Where the player's box goes: left for the first side, right-aligned
// POPUP_MARGIN from the right edge for the second.
int PopUp_BoxX(int player, int boxWidth);

// ---- team colours ----

// The kit colour slots 1-3 of a side as RGB565, for the flat-shaded bodies.
uint16_t Overlay_GetTeamColour1(int side);
uint16_t Overlay_GetTeamColour2(int side);
uint16_t Overlay_GetTeamColour3(int side);
// An 8-bit kit RGB colour in the view's 5-6-5 form (through percentages).
uint16_t Overlay_KitColour565(int red, int green, int blue);
// Both sides' colours from the match set-up's kit designs.
void Overlay_TakeTeamColours();

// ---- followed players ----

// A click on a player: a followed one is dropped; else he takes an empty
// slot, or with both taken the slot whose turn it is (the turn alternates).
void Overlay_ToggleFollow(int player);
int16_t Overlay_FollowedPlayer(int slot);
int16_t Overlay_FollowTurn();
// The player under the pointer, -1 none.
int16_t Overlay_PlayerUnderPointer();

// ---- geometry ----

// Where the side's formation slot (0 the keeper) sits in its diagram.
void Overlay_DiagramPosition(int side, int slot, int* x, int* y);
// Whether a player (0-31) is on the pitch and drawn.
bool Overlay_PlayerOnPitch(int player);
// The nearest player to the pointer: the 3D view's find wins over the
// diagrams and the second side's over the first's; -1 none.
int Overlay_FindPlayerAt(int px, int py);
// Where the followed player's shirt number goes; false when he is off the
// pitch or out of the view.
bool Overlay_LabelPosition(int player, int* x, int* y);
// The count of the player's heat map to lay over pitch zone (along 0-14,
// across 0-17) in the current period.
int32_t Overlay_HeatCount(int player, int along, int across);
// The opacity (percent) of a heat cell of that count: 25, 50 or 75.
int Overlay_HeatOpacity(int32_t count);

// ---- pacing ----

int16_t Overlay_SpeedIndex();
void Overlay_SetSpeedIndex(int index);
// One frame's pacing by the game speed: false when the frame is skipped
// (the match still advances), else waits for its time and answers true.
bool Overlay_PaceFrame();
// The next frame is due now.
void Overlay_StartPacing();
int32_t Overlay_SkippedFrames();
// The next frame redraws the background (after the in-match menus).
void Overlay_RequestFullRedraw();

// ---- the view ----

// The environment of display mode 1: kit colours, the menu machine, the
// overview camera, the background and title bar, the projection of the
// 640 x 480 menu screen and the fill models of the bodies and the ball.
void Overlay_Create();
// Gives back what Overlay_Create took (the motions stay with the match run).
void Overlay_Destroy();
bool Overlay_IsCreated();
// The overview camera of the frame.
void Overlay_UpdateCamera();
// The per-frame presentation: pacing, input, pop-up, heat maps, score,
// clock, the 3D view, labels, diagrams, substitutes, event box, pointer.
void Overlay_DrawFrame();
// The frame's picture without pacing or input, copied as RGB565 into a
// 640 x 480 buffer (the menu screen must be open). Answers false when
// there is no menu buffer to draw in.
bool Overlay_DrawPicture(uint16_t* pixels);

// The object types of the 3D view: the bodies in flat kit colours and the
// ball's cross and shadow.
extern const ObjectType OverlayObjectTypes[];

void Overlay_Reset();
