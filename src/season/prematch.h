// The pre-match pages of the human club's match day: line-ups, formations,
// the opponent and a summary, drawn from the pre-match information built
// once for the day's fixture.
#pragma once

#include <cstdint>

constexpr int PREMATCH_ROWS = 16;
constexpr int PREMATCH_LIST = 10;

struct PreMatchListEntry {
  int16_t player;  // -1 none
  int16_t status;  // 0 starting, 1 substitute, 2 not picked, 3 suspended, 4 injured, 5 unavailable
  int16_t value;   // performance value or goals
};

struct PreMatchInfo {
  int16_t homeClub;
  int16_t awayClub;
  int16_t legFlag;
  int16_t substitutes;
  int16_t lineups[2][PREMATCH_ROWS];  // per side the player of each shirt row, -1 none
  int16_t opponentRecord[10];         // home W D L GF GA, then away
  int16_t lastFive[5];                // fixture indexes, newest first, -1 none
  PreMatchListEntry topPlayers[PREMATCH_LIST];
  PreMatchListEntry topScorers[PREMATCH_LIST];
  uint8_t formations[2][330];         // TacticsRecords, home first
};
extern PreMatchInfo PreMatch;

// The page texts the continue driver prints before the first page.
extern char PreMatchCompLines[2][30];
extern char PreMatchClubNames[2][41];
extern char PreMatchPlayerNames[2][PREMATCH_ROWS][21];

void BuildPreMatchInfo(int16_t fixture);
void ShowLineupsPage();
void ShowFormationPage();
void ShowOppositionPage();
void ShowSummaryPage();
