// The software renderer's event box: the day's other result that the goal
// ticker has on show, over a darkened panel at the bottom of the view.
#include <cstdio>

#include "generic/hud.h"
#include "render256/fontgame.h"
#include "render256/mgraphic.h"
#include "render256/polyscan.h"
#include "render256/swscreen.h"

namespace {

constexpr int DARKEN_LUT = 1;
constexpr int PANEL_MARGIN = 8;
constexpr int CLUB_GAP = 20;      // the club texts stand this far either side of the middle
constexpr int TEXT_CENTRED = 10;  // text alignments: centred,
constexpr int TEXT_RIGHT = 11;    // right end at x,
constexpr int TEXT_LEFT = 9;      // left end at x (all centred on y)
constexpr int SMALL_YELLOW = 3, MEDIUM_YELLOW = 4;  // "fnt12y", "fnt16y"
constexpr int LARGE_SIZE_CLASS = 2;

}  // namespace

void DisplayEvent2(int event) {
  EventLineParts parts;
  if (!EventBox_Begin(event, &parts)) return;
  const int sizeClass = GetScreenSizeClass();
  const int h = FONT_GetItem(sizeClass)->glyphHeight;

  // The panel: every pixel through the darkening table.
  const int panelHeight = 4 * h + 8;
  RemapScreenRect(GetGameScreen(), PANEL_MARGIN + GAME_SCREEN_BORDER,
                  ScreenHeight - PANEL_MARGIN - panelHeight + GAME_SCREEN_BORDER, ScreenWidth - 2 * PANEL_MARGIN,
                  panelHeight, GetColourLUT(DARKEN_LUT));

  char text[96];
  FONT_SetFont(sizeClass);
  const int clubsY = 3 * h + 6;
  FONT_DisplayText(0, clubsY, "-", ALIGN_MIDDLE_BOTTOM, TEXT_CENTRED);
  std::snprintf(text, sizeof text, "%s   %d", parts.firstName, parts.firstGoals);
  FONT_DisplayText(-CLUB_GAP, clubsY, text, ALIGN_MIDDLE_BOTTOM, TEXT_RIGHT);
  std::snprintf(text, sizeof text, "%d   %s", parts.secondGoals, parts.secondName);
  FONT_DisplayText(CLUB_GAP, clubsY, text, ALIGN_MIDDLE_BOTTOM, TEXT_LEFT);
  if (parts.aggregate) {
    std::snprintf(text, sizeof text, "(%d-%d)", parts.firstAggregate, parts.secondAggregate);
    FONT_DisplayText(0, h + 2, text, ALIGN_MIDDLE_BOTTOM, TEXT_CENTRED);
  }
  FONT_SetFont(sizeClass == LARGE_SIZE_CLASS ? MEDIUM_YELLOW : SMALL_YELLOW);
  FONT_DisplayText(parts.swapped ? CLUB_GAP : -CLUB_GAP, 2 * h + 4, parts.player, ALIGN_MIDDLE_BOTTOM,
                   parts.swapped ? TEXT_LEFT : TEXT_RIGHT);
}
