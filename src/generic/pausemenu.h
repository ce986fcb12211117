// The match's own small menus: the Pause menu (resume, play mode, automatic
// replays, the way to the options), the in-match Options menu (camera view,
// model detail, mini scanner, player names, the three volumes) and the
// shoot-out taker order screen shown to a manager before a penalty shoot-out.
//
// Each runs as one GN menu inside the in-match menu loop (generic/ingmenu.h)
// and leaves InGameMenuCode set to the menu to run next. Their maps are
// constant; what changes is shown through the words below, refreshed before
// every redraw:
//   mark words     8 a selected or "on" control, 0 an unmarked one (font colour)
//   disable words  3 a group greyed out and inert, 0 an enabled one
//   hover words    2 while the pointer is over a control (a flat button over
//                  the raised one), 0 otherwise
#pragma once

#include <cstdint>

struct GNDisplayItem;
struct GNMessage;

constexpr int16_t MENU_MARK_ON = 8;
constexpr int16_t MENU_MARK_OFF = 0;
constexpr int16_t MENU_GROUP_DISABLED = 3;
constexpr int16_t MENU_GROUP_ENABLED = 0;
constexpr int16_t MENU_HOVER_ON = 2;
constexpr int16_t MENU_HOVER_OFF = 0;

// ---- the Pause menu ----

// The buttons; a button's region id is PAUSE_FIRST_REGION + its number.
enum PauseButton : int16_t {
  PAUSE_GOALS,           // "Goals": automatic replays of goals
  PAUSE_ATTEMPTS,        // "Goal attempts"
  PAUSE_COMMENTARY,      // play modes: display mode 0, 1, 2
  PAUSE_SCANNER,
  PAUSE_WATCH,
  PAUSE_VIDEO_OPTIONS,   // "3D Card"
  PAUSE_OPTIONS,         // "Watch" under "Options"
  PAUSE_RESUME,          // "Resume game"
  PAUSE_BUTTONS
};
constexpr int16_t PAUSE_FIRST_REGION = 100;

// The framed groups: "Show highlights", "Play Mode", "Options".
enum PauseGroup { PAUSE_GROUP_HIGHLIGHTS, PAUSE_GROUP_PLAY_MODE, PAUSE_GROUP_OPTIONS, PAUSE_GROUPS };

struct PauseMenuWords {
  int16_t mark[PAUSE_BUTTONS];
  int16_t hover[PAUSE_BUTTONS];
  int16_t disable[PAUSE_GROUPS];
};
extern PauseMenuWords PauseMenuShown;

// The match's display mode (0 Commentary, 1 Scanner, 2 Watch) as the
// MatchSetup holds it; setting it keeps the front end's MatchViewMode in step.
int16_t PauseMenu_DisplayMode();
void PauseMenu_SetDisplayMode(int16_t mode);

// The marks and disable words from the settings and the display mode.
void PauseMenu_Refresh();
// The buttons' callback (act on the click, 203).
int16_t PauseMenu_Callback(const GNMessage* message);
const GNDisplayItem* PauseMenuMap();
// One opening of the Pause menu; InGameMenuCode is left at the next menu:
// -1 back to the match, 1 Options, 2 the graphic options.
void PauseMenu();

// ---- the Options menu ----

// The controls; a control's region id is OPTIONS_FIRST_REGION + its number.
enum OptionsControl : int16_t {
  OPTIONS_CAMERA,
  OPTIONS_MODEL_DETAIL,
  OPTIONS_SCANNER,
  OPTIONS_PLAYER_NAMES,
  OPTIONS_CROWD_VOLUME,
  OPTIONS_SFX_VOLUME,
  OPTIONS_MUSIC_VOLUME,
  OPTIONS_DONE,
  OPTIONS_CONTROLS
};
constexpr int16_t OPTIONS_FIRST_REGION = 200;
constexpr int OPTIONS_SLIDERS = 3;  // crowd, effects, music
constexpr int OPTIONS_SLIDER_WIDTH = 176;
constexpr int OPTIONS_SLIDER_HEIGHT = 22;

struct OptionsMenuWords {
  const char* value[4];     // the texts of camera, detail, scanner and names
  char volume[OPTIONS_SLIDERS][8];  // "%d%%" of each volume x 10
  const char* volumeText[OPTIONS_SLIDERS];
  int16_t hover[OPTIONS_CONTROLS];
};
extern OptionsMenuWords OptionsMenuShown;

// A slider's value for the pointer `pointerX` pixels into a slider `width`
// wide: pointerX x 11 / width, kept within 0-10 (0 for no width).
int OptionsSliderValue(int pointerX, int width);
// The volume a slider sets: crowd, effects, or music (the menus' channel).
int16_t* OptionsSliderVolume(int slider);
// The current camera's view type (0-3) and its change (0-3; others are
// refused), which is also stored as the view the rebuilt match display
// starts with.
int InGame_GetCameraViewType();
void InGame_SetCameraViewType(int viewType);

void OptionsMenu_Refresh();
int16_t OptionsMenu_Callback(const GNMessage* message);
const GNDisplayItem* OptionsMenuMap();
// One opening of the Options menu, until "Done" (InGameMenuCode back to the
// Pause menu).
void InGameOptionsMenu();

// ---- the shoot-out taker order screen ----

constexpr int SHOOTOUT_ROWS = 10;
constexpr int SHOOTOUT_NAME_SIZE = 21;  // the match name, terminator included
enum { SHOOTOUT_SHOOTING, SHOOTOUT_COMPOSURE, SHOOTOUT_DEADBALL, SHOOTOUT_SKILLS };

struct ShootOutTaker {
  int16_t player;  // the match object (shirt slot + 16 x side), -1 an empty row
  int16_t icon;    // GN graphic of his position, 0 none
  char name[SHOOTOUT_NAME_SIZE];
  int16_t skill[SHOOTOUT_SKILLS];
};
struct ShootOutTakerList {
  ShootOutTaker row[SHOOTOUT_ROWS];
};

// The side's takers: the players still on the pitch at squad positions 1-10
// (the keeper's position 0 left out), in position order; the rows left over
// are empty. A bad side gives ten empty rows.
void ShootOut_CollectTakers(int side, ShootOutTakerList* list);
// The default order: the rows' players in list order.
void ShootOut_DefaultOrder(const ShootOutTakerList& list, int16_t order[SHOOTOUT_ROWS]);
// Sorts an order, stable: the listed players by the sum of their three
// skills, largest first; then the empty rows; last the entries that are not
// in the list (each logs "Uh oh!").
void ShootOut_SortOrder(const ShootOutTakerList& list, int16_t order[SHOOTOUT_ROWS]);
// The place (1-10) of a row's player in the order; 0 for an empty row or a
// player not in the order.
int ShootOut_PlaceOf(const ShootOutTakerList& list, const int16_t order[SHOOTOUT_ROWS], int row);
// Swaps the two rows' players in the order; false (nothing changed) for an
// empty row, a row outside 0-9 or a player not in the order.
bool ShootOut_SwapRows(const ShootOutTakerList& list, int16_t order[SHOOTOUT_ROWS], int rowA, int rowB);

// Region ids: rows 0-9, the column heads SHOOTOUT_HEAD_REGION + 0-3, "Done".
constexpr int16_t SHOOTOUT_HEAD_REGION = 300;
constexpr int16_t SHOOTOUT_DONE_REGION = 310;
constexpr int SHOOTOUT_COLUMNS = 4;  // "Sht", "Cmp", "Dbl", "Order"

struct ShootOutScreenState {
  int16_t side;
  ShootOutTakerList list;
  int16_t order[SHOOTOUT_ROWS];
  int16_t selected;     // the selected row, -1 none
  const char* headBox;  // the hovered column's full name, "" none
  // What each row shows.
  const char* name[SHOOTOUT_ROWS];
  int16_t icon[SHOOTOUT_ROWS];
  int16_t skill[SHOOTOUT_ROWS][SHOOTOUT_SKILLS];
  int16_t place[SHOOTOUT_ROWS];
  int16_t rowFlags[SHOOTOUT_ROWS];   // an empty row is neither drawn nor hot
  int16_t rowColour[SHOOTOUT_ROWS];  // the mark word of the selected row
};
extern ShootOutScreenState ShootOutScreen;

// Opens the screen's state for a side: takers collected, order sorted.
void ShootOutScreen_Open(int side);
void ShootOutScreen_Refresh();
int16_t ShootOutScreen_Callback(const GNMessage* message);
const GNDisplayItem* ShootOutScreenMap();
// The shoot-out's taker order of InGameMenuSide: collected and sorted into
// the match's order; then, for a human-managed side and no soak run, the
// screen on which the manager changes it until "Done".
void ShootOutOrderMenu();

// The module as at program start (a registered reset).
void PauseMenus_Reset();
