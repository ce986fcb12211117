// The stadium world of the 3D scene: horizon, stands, the two goals of four
// parts each and the four corner flags, placed in pitch coordinates, with the
// grass and the markings.
//
// Every world model is a rigid model file placed once, as the match
// environment is created: its points are scaled, turned and moved into pitch
// coordinates (across, along, height) and the unit normals of its surfaces
// worked out for the back-face test.
#pragma once

#include <cstdint>

struct NodModel;

// Builds the world when the match environment is created (and, through
// LoadPlayerModels, the bodies).
void Create3DWorld();
// Per frame, first: ground, markings, horizon, stadium.
void DrawWorld();
// The twelve world items (goal parts and flags) of the display list.
int WorldItemCount();
float WorldItemDepth(int item);
void DrawWorldItem(int item);
void FreeWorld();

// ---- The world items ------------------------------------------------------
constexpr int WORLD_ITEM_COUNT = 12;
// Placement types: one bit per corner flag, then the two goals.
constexpr int WORLD_FLAG_MIN_X_MIN_Y = 1;
constexpr int WORLD_FLAG_MAX_X_MIN_Y = 2;
constexpr int WORLD_FLAG_MIN_X_MAX_Y = 4;
constexpr int WORLD_FLAG_MAX_X_MAX_Y = 8;
constexpr int WORLD_GOAL_MIN_Y = 16;
constexpr int WORLD_GOAL_MAX_Y = 32;

constexpr float WORLD_FLAG_SCALE = 33.6f;
constexpr float WORLD_GOAL_DEPTH = 30.0f;
constexpr float WORLD_GOAL_HEIGHT = 50.4f;
// The horizon and the stands are made with the pitch's length across; they
// are turned a quarter round onto it.
constexpr float WORLD_QUARTER_TURN = -1.57079632679635f;
// Stand values of the match set-up adding up to this or more choose the big
// stadium.
constexpr int WORLD_BIG_STADIUM_STANDS = 16;
// The colour of flat-coloured world surfaces.
constexpr uint8_t WORLD_FLAT_COLOUR = 28;

struct WorldItem {
  const char* name;  // under the goal or flag folder
  int type;          // placement type
};
const WorldItem& GetWorldItem(int item);

// The loaded models (nullptr before Create3DWorld and after FreeWorld).
NodModel* WorldItemModel(int item);
NodModel* HorizonModel();
NodModel* StadiumModel();
// The stadium model file chosen for a sum of the four stand values:
// "bigstad" or "stad2".
const char* StadiumModelName(int standSum);

// Chooses the stadium by the match set-up's stand values, remembers the
// choice in the cameras' big-stadium flag, loads and places it.
void LoadStadiumModel();
// A corner flag model, made one unit high at the origin, scaled up and
// moved to the corner of `type` (one of the WORLD_FLAG_ bits).
void ModifyFlagWorld(NodModel* model, int type);
// Places a freshly loaded world item by its type (a flag corner or a goal).
void PlaceWorldItem(NodModel* model, int type);

// ---- Placement over a model's points --------------------------------------
void ScaleModel(NodModel* model, float x, float y, float z);
void TranslateModel(NodModel* model, float dx, float dy, float dz);
// About the vertical axis by `angle` radians: points and normals.
void RotateModel(NodModel* model, float angle);
// (x, y) to (-x, -y).
void HalfTurnModel(NodModel* model);
// Each surface's unit normal from its corners 0, 1 and 2 (left as it was
// when the corners give no plane).
void ComputeSurfaceNormals(NodModel* model);

// Draws one placed world model into the view (ViewScreen) for the current
// camera: back faces culled (double-sided ones drawn reversed), clipped,
// textured or flat.
void DrawWorldModel(NodModel* model);

// The module as at program start (a registered reset).
void SwWorld_Reset();
