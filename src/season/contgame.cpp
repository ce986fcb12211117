#include "season/contgame.h"

#include "engine/reset.h"

uint8_t DayFlags = 0;
int16_t CurrentPage = PAGE_NONE;
uint8_t PressedButton = 255;
PageButton PreMatchButtons[PAGE_BUTTON_LIST_SIZE] = {};
int16_t DayStopFlag = 0;

namespace {
void ContGame_Reset() {
  DayFlags = 0;
  CurrentPage = PAGE_NONE;
  PressedButton = 255;
  ClearButtonRecord(PreMatchButtons);
  DayStopFlag = 0;
}
REGISTER_RESET(RESET_SEASON, ContGame_Reset);
}  // namespace

void ContinueGame() {}
void PlayDayFixtures(int16_t, int16_t) {}
void ShowPreMatchPage() {}
void PollPreMatchPages() {}
void SetPageButtons(const PageButton* list) {
  ClearButtonRecord(PreMatchButtons);
  AppendButtonList(PreMatchButtons, list, 0, 0);
}
void DrawPageButtons(const PageButton*) {}
