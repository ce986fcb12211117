// Video options: the chosen display card, 3D device and mode, and the match
// display options kept in OPTIONS.DAT.
#pragma once

struct GNDisplayItem;

#include <cstdint>

struct DXDevice;

// The 64-byte record, little-endian. It is stored whole in OPTIONS.DAT, so
// the offsets are part of the file format.
constexpr int VIDEO_CONFIG_SIZE = 64;
constexpr int VIDEO_CONFIG_CARD = 0;                // int32 card index
constexpr int VIDEO_CONFIG_DEVICE = 4;              // int32 3D device index, -1 = software renderer
constexpr int VIDEO_CONFIG_CARD_GUID = 8;           // the card's identifier (all zero for the primary)
constexpr int VIDEO_CONFIG_DEVICE_GUID = 24;        // the 3D device's identifier (all zero for none)
constexpr int VIDEO_CONFIG_GUID_SIZE = 16;
constexpr int VIDEO_CONFIG_MODE = 40;               // int32 screen mode index
constexpr int VIDEO_CONFIG_MIP_MAP = 44;            // int32 0 off, 1 on
constexpr int VIDEO_CONFIG_TEXTURE_SMOOTHING = 48;  // int32 0 none, 1 bi-linear, 2 tri-linear
constexpr int VIDEO_CONFIG_LIGHTING = 52;           // int32 0 off, 1 on
constexpr int VIDEO_CONFIG_FOGGING = 56;            // int32 0 off, 1 on
constexpr int VIDEO_CONFIG_TEXTURE_DETAIL = 60;     // int32 0 low, 1 high
extern uint8_t VideoConfig[VIDEO_CONFIG_SIZE];

int32_t VideoConfig_GetCard();
void VideoConfig_SetCard(int32_t card);
int32_t VideoConfig_GetDevice();
void VideoConfig_SetDevice(int32_t device);
int32_t VideoConfig_GetMode();
void VideoConfig_SetMode(int32_t mode);

extern int16_t ScannerOn;      // 0 off, 1 on
extern int16_t CameraView;     // 0 east, 1 north, 2 south, 3 west
extern int32_t ModelDetail;    // 0 low, 1 medium, 2 high
extern int16_t PlayerNamesOn;  // 0 off, 1 on

// The match display options' defaults and largest values (the smallest is 0).
constexpr int16_t SCANNER_ON_DEFAULT = 0;
constexpr int16_t SCANNER_ON_MAX = 1;
constexpr int16_t CAMERA_VIEW_DEFAULT = 0;
constexpr int16_t CAMERA_VIEW_MAX = 3;
constexpr int32_t MODEL_DETAIL_DEFAULT = 2;
constexpr int32_t MODEL_DETAIL_MAX = 2;
constexpr int16_t PLAYER_NAMES_ON_DEFAULT = 1;
constexpr int16_t PLAYER_NAMES_ON_MAX = 1;

// Puts the options back to their defaults (VideoConfig all zero).
void VideoOptionsDefaults();
// Resets any option outside its range to its default.
void VideoOptionsValidate();
// The module as at program start (a registered reset).
void VideoOptions_Reset();

// The option words of a 64-byte record.
int32_t VideoConfigWord(const uint8_t* config, int offset);
void VideoConfigSetWord(uint8_t* config, int offset, int32_t value);
// Resets every word of VideoConfig outside its range to its default: card 0,
// device -1 (software), mode -1 (none chosen), option words 0.
void VideoConfigValidate();

// Steps of VideoInit over the enumerated cards: keeps the stored card and
// device when the hardware is the same (answers true), else takes the best
// card and device with their default options (the mode is left to
// VideoChooseMode).
bool VideoChooseDevice(int no3d);
// Chooses card, device and mode at start-up (no3d: "-no3d" was given), selects
// them and starts graphics. No card or device at all ends the program.
void VideoInit(int no3d);
// Fills in the identifiers of the chosen card and device, then stops graphics.
void VideoUninit();

// How well a card's 3D device (-1: software on the card) suits the match;
// -1 = unusable. Any hardware device scores 50 or more, software on card 0 49.
int VideoDeviceScore(int card, int device);
// The best device score of a card (-1 if none is usable).
int VideoCardScore(int card);
// Checks or replaces a record's screen mode and clears the options its
// hardware cannot honour; answers the record's device (nullptr: none).
const DXDevice* VideoChooseMode(uint8_t* config);
// 1 when the chosen renderer is a 3D device, 0 for the 256-colour software one.
int16_t VideoIsDirect3D();
// What the match asks before taking its 3D branches (screen dispatch, camera
// view, kit loader). The 3D match frame is not built yet, so this answers 0
// (software) whatever the options chose, and logs why the first time.
int16_t VideoMatchIsDirect3D();
// The screen mode of the 256-colour match: the chosen mode when software is
// chosen, else the smallest 8-bit mode of at least 640 x 480.
int16_t VideoSoftwareScreenMode();

// ---- the "Graphic Options" menu ----

// Font colours of the menu texts and the arrow graphic.
constexpr int VIDEO_COLOUR_OTHER = 0;      // another available value
constexpr int VIDEO_COLOUR_CURRENT = 8;    // the current value
constexpr int VIDEO_COLOUR_UNAVAILABLE = 9;
constexpr int VIDEO_ARROWS_GRAPHIC = 43;   // 0: no arrows

// The option rows and their choices.
enum VideoOptionRow { VIDEO_ROW_MIP_MAP, VIDEO_ROW_SMOOTHING, VIDEO_ROW_LIGHTING, VIDEO_ROW_FOGGING, VIDEO_ROW_DETAIL };
constexpr int VIDEO_OPTION_ROWS = 5;
constexpr int VIDEO_OPTION_CHOICES = 3;

// What the menu shows on one pass.
struct VideoMenuView {
  char card[64];
  char device[64];
  char resolution[64];
  int resolutionLabelColour;
  int cardArrows, deviceArrows, resolutionArrows;  // graphic 43 or 0
  int choiceColour[VIDEO_OPTION_ROWS][VIDEO_OPTION_CHOICES];  // unused choices stay 9
};

// The menu's items that answer clicks.
enum VideoMenuItem {
  VIDEO_ITEM_CARD_UP, VIDEO_ITEM_CARD_DOWN, VIDEO_ITEM_DEVICE_UP, VIDEO_ITEM_DEVICE_DOWN,
  VIDEO_ITEM_MODE_UP, VIDEO_ITEM_MODE_DOWN,
  VIDEO_ITEM_CHOICE,  // with a row and a choice
  VIDEO_ITEM_APPLY, VIDEO_ITEM_CANCEL, VIDEO_ITEM_DONE,
};
// Answers of an item handler.
enum VideoMenuAnswer { VIDEO_NOT_HANDLED, VIDEO_REFUSED, VIDEO_REDRAW, VIDEO_LEAVE };
constexpr int VIDEO_MESSAGE_CLICK = 202;

struct VideoMenuState {
  uint8_t working[VIDEO_CONFIG_SIZE];
  int32_t leaveCode;  // 1 Apply Changes, else 0
  int32_t changed;    // the applied card or device differ from the active ones
  VideoMenuView view;
};
extern VideoMenuState VideoMenu;

// Starts a menu pass: the active record into the working copy.
void VideoMenu_Open();
// One pass: checks the working copy's card, device and mode, then fills the view.
void VideoMenu_Update();
// An item's handler (row and choice only for VIDEO_ITEM_CHOICE).
VideoMenuAnswer VideoMenu_Handle(VideoMenuItem item, int message, int row = 0, int choice = 0);
// After the menu closes: restarts graphics on the new card and device when
// they changed, and checks the active mode.
void VideoMenu_Apply();
// Runs the "Graphic Options" menu, a GN menu of the current environment (the
// layer initialised, no set of menus open), and applies the result: a new
// card or device restarts the graphics (closing and reopening the front end's
// menu screen when it is open) and Apply Changes opens the menu again.
void VideoOptionsMenu();
// The menu's display map.
const GNDisplayItem* VideoMenuMap();
