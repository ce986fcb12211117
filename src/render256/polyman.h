// Player models and drawing: the jointed bodies of players, goalkeepers and
// officials at five levels of detail plus the fill model, the ball and the
// cone; each frame every visible body is posed from its motion frame, placed
// at its render position and drawn with its own kit and skin textures; the
// shadows under players and ball and the players' name labels.
#pragma once

#include <cstdint>

#include "render256/nodfile.h"

// Body kinds and levels: levels 0-4 "%dman.nod" (most detailed first), level
// 5 the flat-coloured fill model.
enum PlayerModelKind { MODEL_KIND_PLAYER = 0, MODEL_KIND_KEEPER = 1, MODEL_KIND_REFEREE = 2 };
constexpr int PLAYER_MODEL_KINDS = 3;
constexpr int PLAYER_MODEL_LEVELS = 6;
constexpr int PLAYER_MODEL_FILL = 5;
constexpr const char* PLAYER_MODEL_DIR = "zvdata\\software\\sskin\\models";

// The rigid models of the set "simple": slots 0-4 the ball, 5 the cone.
constexpr int SIMPLE_MODEL_SLOTS = 8;
constexpr int SIMPLE_MODEL_BALL = 0;
constexpr int SIMPLE_MODEL_CONE = 5;
constexpr float SIMPLE_MODEL_SCALE = 1.5f;

// Projected-size thresholds of the levels, by detail setting (vidopt's
// ModelDetail, which also picks the shadow kind).
constexpr int LOD_THRESHOLDS = 5;
constexpr int32_t LOD_LAST_THRESHOLD = 9999999;
extern const int32_t LodThresholds[3][LOD_THRESHOLDS];

// Where the light comes from (radians): a shadow point of height h lies
// (h sin L, h cos L) from its ground point.
constexpr float SHADOW_LIGHT_ANGLE = 0.6f;
constexpr float PLAYER_BLOB_HALF_ACROSS = 5.0f;
constexpr float PLAYER_BLOB_HALF_ALONG = 12.5f;
constexpr float BALL_BLOB_HALF = 4.0f;
// The overlay's bodies spread their limbs this much so they read at a glance.
constexpr float FILL_OFFSET_SCALE = 2.5f;
// Palette colours of the bodies' flat surfaces in the two match states that show them.
constexpr int16_t FLAT_SHOW_STATE_RED = 9;
constexpr int16_t FLAT_SHOW_STATE_YELLOW = 8;
constexpr uint8_t FLAT_COLOUR_RED = 1;
constexpr uint8_t FLAT_COLOUR_YELLOW = 5;
// How high above its ground point a name label stands.
constexpr float LABEL_HEIGHT = 35.0f;

// Loads the models, the kit textures and the tables (the stadium world's
// set-up calls it); motions belong to the match run and are loaded there.
void LoadPlayerModels();
void FreePlayerModels();
// The overlay view's set: the tables, the three fill models and the ball, no
// kits or textured bodies. Freed by FreeOverlayModels (or FreePlayerModels).
void LoadOverlayModels();
void FreeOverlayModels();

// The object types of the display list (object numbers of the match).
void DrawPlayerObject(int object);
void DrawPlayerShadow(int object);
void DrawBallObject(int object);
void DrawBallShadow(int object);
// The name label of a player.
void DrawPlayerLabel(int object);
// The body in the overlay view (flat kit colours, the fill model).
void DrawPlayerFill(int object);

// The kind of model object draws with: the referee's for the officials
// (32-34), the keeper's for either side's goalkeeper, else the player's.
int PlayerModelKindOf(int object);
// The level for a projected size s under a detail setting (0-2).
int PlayerModelLevel(int32_t size, int detail);
// The projected size of a body at camera depth `depth`: scaled to a 640-wide
// screen and divided by the current camera's zoom.
int32_t PlayerModelSize(float depth);
// A loaded model (nullptr when not loaded).
NodModel* GetPlayerModel(int kind, int level);
NodModel* GetSimpleModel(int slot);

// The drawing order of a body's parts from the camera depths of each part's
// two sort points: farthest first. Overlapping parts are ordered by how far
// each reaches beyond the other's middle; that is no strict weak order, so
// the parts are insertion-sorted. At most NOD_MAX_PARTS parts.
void OrderBodyParts(const float (*depths)[2], int count, int* order);

// What the last body drawn used (tests and tools).
struct PlayerDrawInfo {
  int32_t object, kind, level;
  int32_t surfacesDrawn;
};
const PlayerDrawInfo& LastPlayerDraw();

// The module as at program start (a registered reset).
void PolyMan_Reset();
