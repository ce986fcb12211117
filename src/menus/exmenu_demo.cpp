// The showcase screen of the menu interpreter (see exmenu_demo.h).
#include "menus/exmenu_demo.h"

#include <cstdio>

#include "engine/reset.h"
#include "menus/machine.h"
#include "menus/menugfx_files.h"
#include "menus/menupc.h"
#include "menus/money.h"

MenuSlider ShowcaseHSlider = {100, 20, 0};
MenuSlider ShowcaseVSlider = {60, 15, 0};
int16_t ShowcaseRowValues[4] = {12, 7, BLANK_S16, 31};
int16_t ShowcasePopupResult = 1;
bool ShowcaseAddTimers = false;
bool ShowcasePushOnDraw = false;

namespace {

constexpr uint16_t kPanel = 0x10A2;     // dark blue-grey
constexpr uint16_t kTrack = 0x2945;
constexpr uint16_t kOutline = 0xFEA0;   // gold
constexpr uint16_t kBar = 0x0010;  // navy

struct ShowcaseState {
  ShowcaseLog log;
  // The screen's variables.
  const char* rowNames[4] = {"Goalkeepers", "Defenders", "Midfielders (blank)", "Forwards"};
  int16_t columnIcons[3] = {MenuIconFirstNumber(33), MenuIconFirstNumber(34), MenuIconFirstNumber(35)};
  uint8_t smallNumber = 42;
  int8_t blankNumber = BLANK_S8;
  uint16_t wideNumber = 65000;
  int32_t money = 1250000;
  int16_t buttonText = 833;  // "Menu SFX Volume Up"
  const char* stringButton = "Options";
  int16_t fontVar = 0;
  char passText[48] = "";
} gShow;

// The animation records: {delay, icons..., 0}; the path kind {delay, {x, y,
// icon}..., 0 0 0}.
constexpr int16_t kHourglassAnim[] = {6,    1294, 1295, 1296, 1297, 1298, 1299, 1300, 1301, 1302, 1303,
                                      1304, 1305, 1306, 1307, 1308, 1309, 1310, 1311, 1312, 1313, 0};
constexpr int16_t kDigitsAnim[] = {20, 1237, 1238, 1239, 1240, 1241, 1242, 1243, 1244, 1245, 1246, 0};
constexpr int16_t kDiscAnim[] = {5, 1347, 1348, 1349, 1350, 1351, 1352, 1353, 1354, 1355, 1356, 0};
constexpr int16_t kClockAnim[] = {3,    1360, 1361, 1362, 1363, 1364, 1365, 1366, 1367, 1368, 1369, 1370,
                                  1371, 1372, 1373, 1374, 1375, 1376, 1377, 1378, 1379, 1380, 0};
constexpr int16_t kCardsAnim[] = {10, 1208, 1209, 1210, 0};
constexpr int16_t kBallPath[] = {4,  0,  0,  1231, 12, -6, 1231, 24, -10, 1231, 36, -12, 1231, 48, -10, 1231,
                                 60, -6, 1231, 72, 0,  1231, 84, -6, 1232, 96, -10, 1232, 108, -6, 1232, 0, 0, 0};

// ---- handlers ----

int16_t ShowcaseHandler(const MenuItem*) {
  const int16_t event = GetMenuEvent();
  gShow.log.headerEvents.push_back(event);
  if (event == MENU_EVENT_INIT) {
    SetScreenHeader(2);
    if (ShowcaseAddTimers && gShow.log.headerEvents.size() == 1) {
      const MenuItem never{0, 1, 0, 2, 0, MenuArg([](MenuTimer*, int) { ++Showcase_Log().timerFires[0]; }), {}};
      const MenuItem twice{0, 2, 0, 3, 2, MenuArg([](MenuTimer*, int) { ++Showcase_Log().timerFires[1]; }), {}};
      AddMenuTimer(&never);
      AddMenuTimer(&twice);
    }
  }
  if (ShowcasePushOnDraw) {
    ShowcasePushOnDraw = false;
    PushMenu(ShowcaseSubMenu);
  }
  std::snprintf(gShow.passText, sizeof gShow.passText, "Draw passes: %d", static_cast<int>(MenuDrawPassCount()));
  return 0;
}

void ShowcaseLeave() { ++gShow.log.leaveCalls; }

int16_t RowClicked(MenuHotspot* spot) {
  gShow.log.rowClicks.push_back(spot->repetition);
  return MENU_RESULT_REDRAW_DYNAMIC;
}
int16_t IconClicked(MenuHotspot*) { return 0; }
int16_t QuitClicked(MenuHotspot*) {
  ++gShow.log.quitClicks;
  return MENU_RESULT_LEAVE;
}
int16_t RedrawClicked(MenuHotspot*) { return MENU_RESULT_REDRAW; }
int16_t ReinitClicked(MenuHotspot*) { return MENU_RESULT_REINIT; }
int16_t DynamicClicked(MenuHotspot*) { return MENU_RESULT_REDRAW_DYNAMIC; }
int16_t PushClicked(MenuHotspot*) {
  ShowcasePushOnDraw = true;
  return MENU_RESULT_REDRAW;
}
int16_t OptionsClicked(MenuHotspot*) {
  ++gShow.log.optionsClicks;
  return 0;
}
int16_t CoverClicked(MenuHotspot*) {
  ++gShow.log.coverClicks;
  return 0;
}
int16_t HiddenClicked(MenuHotspot*) {
  ++gShow.log.hiddenClicks;
  return 0;
}
int16_t SliderDone(MenuHotspot*) {
  ++gShow.log.sliderDone;
  return MENU_RESULT_REDRAW_DYNAMIC;
}
int16_t ToggleClicked(MenuHotspot* spot) {
  if (MenuButtonRecord* record = MenuHotspotButton(spot)) ToggleAnimation(record, -1);
  return 0;
}
int16_t PopupPicked(const PopupCall* call) {
  ++gShow.log.popupCalls;
  gShow.log.lastPopup = *call;
  return ShowcasePopupResult;
}
int16_t PopupRedraw(const PopupCall*) { return MENU_RESULT_REDRAW; }
int16_t PopupLeave(const PopupCall*) {
  ++gShow.log.quitClicks;
  return MENU_RESULT_LEAVE;
}
constexpr int kTickedRow = 5;  // "Ticked row" of the menu bar
int16_t PopupPrepare(PopupRow* list);

void StaticDraw(int x, int y, int w, int h) {
  ++gShow.log.staticDraws;
  DrawGradientBar(x, y, w, h, 0x001F, 0);
}
void DynamicDraw(int x, int y, int, int) {
  ++gShow.log.dynamicDraws;
  SetFont(0);
  SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, 12);
  DoTextAddr(x, y, ALIGN_LEFT | ALIGN_TOP, gShow.passText);
}
void ControlDraw(int, int, int, int) { ++gShow.log.controlDraws; }

// ---- the second screen ----

int16_t SubHandler(const MenuItem*) {
  gShow.log.subEvents.push_back(GetMenuEvent());
  return 0;
}
void SubLeave() { ++gShow.log.subLeaveCalls; }

// ---- the tables ----

// One row of the list: its value (blank in row 2), its name and a click
// region over the row.
const MenuItem kRowTable[] = {
    {MI_NUMBER_S16, 0, 0, ALIGN_RIGHT | ALIGN_TOP, 2, MenuArg(static_cast<void*>(ShowcaseRowValues)), MenuArg(RowClicked)},
    {MI_STRING_VAR, 12, 0, ALIGN_LEFT | ALIGN_TOP, sizeof(const char*), MenuArg(static_cast<void*>(gShow.rowNames)), {}},
    {MI_CLICK_REGION, -28, -2, 284, 18, MenuArg(-1), MenuArg(RowClicked)},
    {MI_END, 0, 0, 0, 0, {}, {}},
};

// One column of flags, each clickable, the hot spot widened under it.
const MenuItem kColumnTable[] = {
    {MI_ICON_VAR, 0, 0, ALIGN_HCENTRE | ALIGN_TOP, 2, MenuArg(static_cast<void*>(gShow.columnIcons)), MenuArg(IconClicked)},
    {MI_HOTSPOT_BOX, -20, 0, 40, 30, {}, {}},
    {MI_END, 0, 0, 0, 0, {}, {}},
};

PopupRow gMenuBar[] = {
    {POPUP_HEADER_STRING, POPUP_ENABLED, -1, -1, -1, -1, MenuArg("File   "), nullptr, PopupPrepare},
    {POPUP_ROW_STRING, POPUP_ENABLED, -1, -1, -1, -1, MenuArg("_Redraw"), PopupRedraw, nullptr},
    {POPUP_ROW_STRING, POPUP_ENABLED, -1, -1, -1, -1, MenuArg("_Ask the test"), PopupPicked, nullptr},
    {POPUP_ROW_TEXTNO, POPUP_ENABLED, -1, -1, -1, -1, MenuArg(0), PopupLeave, nullptr},  // "Quit"
    {POPUP_HEADER_STRING, POPUP_ENABLED, -1, -1, -1, -1, MenuArg("View   "), nullptr, PopupPrepare},
    {POPUP_ROW_STRING, POPUP_ENABLED | POPUP_TICKED, -1, -1, -1, -1, MenuArg("Ticked row"), PopupPicked, nullptr},
    {POPUP_ROW_STRING, 0, -1, -1, -1, -1, MenuArg("Disabled row"), PopupPicked, nullptr},
    {POPUP_ROW_TEXTNO, POPUP_ENABLED, -1, -1, -1, -1, MenuArg(1050), PopupPicked, nullptr},  // "Display Options"
    {POPUP_END, 0, -1, -1, -1, -1, {}, nullptr, nullptr},
};

PopupRow gOptions[] = {
    {POPUP_ROW_STRING, POPUP_ENABLED, -1, -1, -1, -1, MenuArg("First option"), PopupPicked, nullptr},
    {POPUP_ROW_STRING, POPUP_ENABLED | POPUP_TICKED, -1, -1, -1, -1, MenuArg("Second option"), PopupPicked, nullptr},
    {POPUP_ROW_TEXTNO, POPUP_ENABLED, -1, -1, -1, -1, MenuArg(445), PopupPicked, nullptr},  // "Training"
    {POPUP_ROW_STRING, 0, -1, -1, -1, -1, MenuArg("Not now"), PopupPicked, nullptr},
    {POPUP_END, 0, -1, -1, -1, -1, {}, nullptr, nullptr},
};

// Before a drop-down opens: "Ticked row" is ticked while the horizontal
// slider is off its start.
int16_t PopupPrepare(PopupRow* list) {
  if (ShowcaseHSlider.pos > 0)
    list[kTickedRow].flags |= POPUP_TICKED;
  else
    list[kTickedRow].flags &= static_cast<uint16_t>(~POPUP_TICKED);
  return POPUP_RESULT_KEEP_OPEN;
}

}  // namespace

const MenuItem ShowcaseMenu[] = {
    {MI_HEADER, 0, 0, 0, 0, MenuArg(ShowcaseHandler), {}},
    {MI_BACKGROUND, 0, 0, 0, 0, MenuArg(BACKGROUND_START_PAGE), {}},
    {MI_SUBTABLE, 0, 0, 1, 0, MenuArg(static_cast<const void*>(ScreenHeaderDatesTable)), {}},
    // The static picture: panels, frames, a gradient, labels.
    {MI_FILL_COLOUR, 0, 0, 0, 0, MenuArg(kPanel), {}},
    {MI_FILLED_RECT, 16, 64, 300, 118, {}, {}},
    {MI_FILLED_RECT, 324, 64, 300, 118, {}, {}},
    {MI_FILLED_RECT, 16, 190, 608, 94, {}, {}},
    {MI_FILLED_RECT, 16, 292, 608, 180, {}, {}},
    {MI_FILL_COLOUR, 0, 0, 0, 0, MenuArg(kOutline), {}},
    {MI_OUTLINE, 16, 64, 300, 118, {}, {}},
    {MI_OUTLINE, 324, 64, 300, 118, {}, {}},
    {MI_OUTLINE, 16, 190, 608, 94, {}, {}},
    {MI_OUTLINE, 16, 292, 608, 180, {}, {}},
    {MI_OWNER_DRAW, 330, 160, 288, 16, MenuArg(StaticDraw), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(2), {}},
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(8), {}},
    {MI_STRING, 320, 36, ALIGN_CENTRED, 0, MenuArg("Menu showcase"), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_STRING, 24, 68, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg("A repeated list (count from item 73)"), {}},
    {MI_STRING, 332, 68, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg("Columns of flags, numbers"), {}},
    {MI_TEXTNO, 24, 194, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg(741), {}},  // "Screen Help and Tips"
    {MI_STRING, 24, 296, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg("Animated buttons: loop, still, hover, toggled, path"), {}},
    {MI_ATTR0, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_BACKGROUND_MARK, 0, 0, 0, 0, {}, {}},

    // The dynamic part.
    {MI_OWNER_DRAW, -1, -1, 0, 0, MenuArg(ControlDraw), {}},
    {MI_OWNER_DRAW, 90, 40, 0, 0, MenuArg(DynamicDraw), {}},
    {MI_FONT_VAR, 0, 0, 0, 0, MenuArg(static_cast<void*>(&gShow.fontVar)), {}},
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_ROW_COUNT, 0, 0, 0, 0, MenuArg(4), {}},
    {MI_SUBTABLE, 56, 90, 0, 22, MenuArg(static_cast<const void*>(kRowTable)), {}},
    {MI_COLUMNS, 380, 90, 3, 56, MenuArg(static_cast<const void*>(kColumnTable)), {}},
    {MI_NUMBER_TYPE, 0, 0, 0, 0, MenuArg(NUMBER_PLAIN), {}},
    {MI_NUMBER, 340, 130, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg(2000), {}},
    {MI_NUMBER_U8, 400, 130, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg(static_cast<void*>(&gShow.smallNumber)), {}},
    {MI_NUMBER_S8, 440, 130, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg(static_cast<void*>(&gShow.blankNumber)), {}},
    {MI_NUMBER_U16, 470, 130, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg(static_cast<void*>(&gShow.wideNumber)), {}},
    {MI_NUMBER_TYPE, 0, 0, 0, 0, MenuArg(NUMBER_MONEY), {}},
    {MI_NUMBER_S32, 530, 130, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg(static_cast<void*>(&gShow.money)), {}},
    {MI_NUMBER_TYPE, 0, 0, 0, 0, MenuArg(NUMBER_PLAIN), {}},
    // Text buttons: automatic size, from a variable, with strings.
    {MI_BUTTON_TYPE, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_TEXT_BUTTON, 24, 214, 0, 0, MenuArg(SHOWCASE_AUTO_BUTTON_TEXT), MenuArg(RedrawClicked)},
    {MI_TEXT_BUTTON_VAR, 110, 214, 0, 0, MenuArg(static_cast<void*>(&gShow.buttonText)), {}},
    {MI_STRING_BUTTON, 24, 246, 80, 24, MenuArg("Redraw"), MenuArg(RedrawClicked)},
    {MI_STRING_BUTTON, 112, 246, 80, 24, MenuArg("Re-init"), MenuArg(ReinitClicked)},
    {MI_STRING_BUTTON, 200, 246, 80, 24, MenuArg("Dynamic"), MenuArg(DynamicClicked)},
    {MI_STRING_BUTTON, 288, 246, 80, 24, MenuArg("Push"), MenuArg(PushClicked)},
    {MI_STRING_BUTTON_VAR, 376, 246, 80, 24, MenuArg(static_cast<void*>(&gShow.stringButton)), MenuArg(OptionsClicked)},
    {MI_POPUP_ANCHOR, 0, 0, 0, 0, MenuArg(static_cast<void*>(gOptions)), {}},
    {MI_STRING_BUTTON, 544, 246, 72, 24, MenuArg("Quit"), {}},
    {MI_CLICK_REGION, 544, 246, 72, 24, MenuArg(-1), MenuArg(QuitClicked)},
    // Two regions, the earlier covering the later.
    {MI_FILL_COLOUR, 0, 0, 0, 0, MenuArg(kTrack), {}},
    {MI_FILLED_BAR, 464, 246, 72, 24, {}, {}},
    {MI_STRING, 500, 258, ALIGN_CENTRED, 0, MenuArg("Cover"), {}},
    {MI_CLICK_REGION, 464, 246, 72, 24, MenuArg(-1), MenuArg(CoverClicked)},
    {MI_REGION, 480, 250, 40, 16, {}, MenuArg(HiddenClicked)},
    {MI_TEXT_BOX, 332, 194, 280, 44, MenuArg("A text box: the interpreter word-wraps this string into the lines that fit its box."), {}},
    {MI_COLUMN_TEXT_BOXES, 0, 0, ALIGN_LEFT | ALIGN_TOP, 0, {}, {}},
    // Sliders on their tracks.
    {MI_FILL_COLOUR, 0, 0, 0, 0, MenuArg(kTrack), {}},
    {MI_FILLED_RECT, SHOWCASE_HSLIDER_X, SHOWCASE_HSLIDER_Y, SHOWCASE_HSLIDER_W, SHOWCASE_HSLIDER_H, {}, {}},
    {MI_FILLED_RECT, 600, 300, 14, 160, {}, {}},
    {MI_BUTTON_TYPE, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_HSLIDER, SHOWCASE_HSLIDER_X, SHOWCASE_HSLIDER_Y, SHOWCASE_HSLIDER_W, SHOWCASE_HSLIDER_H,
     MenuArg(static_cast<void*>(&ShowcaseHSlider)), MenuArg(SliderDone)},
    {MI_VSLIDER, 600, 300, 14, 160, MenuArg(static_cast<void*>(&ShowcaseVSlider)), MenuArg(SliderDone)},
    {MI_STRING, 24, 412, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg("Drag the sliders: they stop at their ends"), {}},
    // Animated buttons of every kind.
    {MI_ANIM_KIND0, 40, 330, ALIGN_HCENTRE | ALIGN_TOP, 0, MenuArg(static_cast<const void*>(kHourglassAnim)), {}},
    {MI_ANIM_KIND1, 100, 330, ALIGN_HCENTRE | ALIGN_TOP, 0, MenuArg(static_cast<const void*>(kDigitsAnim)), {}},
    {MI_ANIM_KIND2, 160, 330, ALIGN_HCENTRE | ALIGN_TOP, 0, MenuArg(static_cast<const void*>(kDiscAnim)), {}},
    {MI_ANIM_KIND3, 220, 330, ALIGN_HCENTRE | ALIGN_TOP, 0, MenuArg(static_cast<const void*>(kClockAnim)), MenuArg(ToggleClicked)},
    {MI_ANIM_KIND4, 280, 330, ALIGN_HCENTRE | ALIGN_TOP, 0, MenuArg(static_cast<const void*>(kCardsAnim)), MenuArg(ToggleClicked)},
    {MI_ANIM_KIND5, 340, 350, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg(static_cast<const void*>(kBallPath)), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_STRING, 24, 440, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg("Click a row, a button, the menu bar; Scroll Lock grabs the screen"), {}},
    // The menu bar, last so its drop-downs lie over everything.
    {MI_FILL_COLOUR, 0, 0, 0, 0, MenuArg(kBar), {}},
    {MI_POPUP_LIST, 0, 0, 0, 0, MenuArg(static_cast<void*>(gMenuBar)), {}},
    {MI_END, 0, 0, 0, 0, MenuArg(ShowcaseLeave), MenuArg(DefaultBackHandler)},
};

const MenuItem ShowcaseSubMenu[] = {
    {MI_HEADER, 0, 0, 0, 0, MenuArg(SubHandler), {}},
    {MI_FILL_COLOUR, 0, 0, 0, 0, MenuArg(kPanel), {}},
    {MI_FILLED_RECT, 160, 140, 320, 200, {}, {}},
    {MI_FILL_COLOUR, 0, 0, 0, 0, MenuArg(kOutline), {}},
    {MI_OUTLINE, 160, 140, 320, 200, {}, {}},
    {MI_BACKGROUND_MARK, 0, 0, 0, 0, {}, {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_STRING, 320, 200, ALIGN_CENTRED, 0, MenuArg("A screen pushed during a draw pass"), {}},
    {MI_STRING_BUTTON, 280, 280, 80, 24, MenuArg("Back"), {}},
    {MI_CLICK_REGION, 280, 280, 80, 24, MenuArg(-1), MenuArg(QuitClicked)},
    {MI_END, 0, 0, 0, 0, MenuArg(SubLeave), MenuArg(DefaultBackHandler)},
};

ShowcaseLog& Showcase_Log() { return gShow.log; }

ShowcasePoint ShowcaseQuitPoint() { return {580, 258}; }
ShowcasePoint ShowcaseRowPoint(int row) { return {150, 90 + 22 * row + 6}; }
ShowcasePoint ShowcaseRedrawPoint() { return {64, 258}; }
ShowcasePoint ShowcaseReinitPoint() { return {152, 258}; }
ShowcasePoint ShowcaseDynamicPoint() { return {240, 258}; }
ShowcasePoint ShowcasePushPoint() { return {328, 258}; }
ShowcasePoint ShowcaseOptionsPoint() { return {416, 258}; }
ShowcasePoint ShowcaseOptionsRowPoint(int row) {
  // The list hangs under the button; its rows are as high as fnt16's cell
  // and a quarter more.
  int w = 0, h = 0;
  GetStringSize("!", &w, &h);
  const int rowHeight = h + h / 4;
  return {400, 270 + rowHeight * row + rowHeight / 2};
}
ShowcasePoint ShowcaseCoverPoint() { return {500, 258}; }
ShowcasePoint ShowcaseToggle3Point() { return {220, 340}; }
ShowcasePoint ShowcaseToggle4Point() { return {280, 340}; }
ShowcasePoint ShowcaseSubQuitPoint() { return {320, 292}; }
ShowcasePoint ShowcaseFilePoint() { return {40, 6}; }

void Showcase_Reset() {
  gShow = ShowcaseState{};
  ShowcaseHSlider = {100, 20, 0};
  ShowcaseVSlider = {60, 15, 0};
  ShowcaseRowValues[0] = 12;
  ShowcaseRowValues[1] = 7;
  ShowcaseRowValues[2] = BLANK_S16;
  ShowcaseRowValues[3] = 31;
  ShowcasePopupResult = 1;
  ShowcaseAddTimers = false;
  ShowcasePushOnDraw = false;
  gMenuBar[kTickedRow].flags = POPUP_ENABLED | POPUP_TICKED;
}
REGISTER_RESET(RESET_MENUS, Showcase_Reset);
