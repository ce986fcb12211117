// The debug soak run: the game plays on by itself, day after day, until its
// end date, a club's balance at or below a threshold, or a squad short of
// players; SoakRunActive (menus/menucont.h) is its state.
#pragma once

#include <cstdint>

// Flags bits.
enum : uint8_t {
  SOAK_UNCONDITIONAL = 1 << 0,
  SOAK_LEAGUE_ONLY = 1 << 1,       // "Check only teams in league" (else every club)
  SOAK_CHECK_SQUADS = 1 << 2,      // "Check for squad deficiencies"
  SOAK_CHECK_BALANCES = 1 << 3,    // "Check club balances"
};

struct SoakSettingsRecord {
  uint8_t flags;            // SOAK_*, bit 0 at start
  uint8_t mode;             // 0 until a date, 1 for a number of weeks, 2 to the next cup match
  uint32_t moneyThreshold;  // "Set maximum value"
  int16_t endDay;           // day of the month 1-31 (0: no end date)
  int16_t endMonth;         // 0-11
  int16_t endYear;
  uint8_t matchDisplay;     // 0 "Commentary", 1 "Scanner", 2 "Watch"
};
extern SoakSettingsRecord SoakSettings;

// Called by the continue loop each day of a soak run: 0 go on, 1 a club's
// balance is at or below the threshold, 2 a club's squad is deficient. On the
// end date the soak run is switched off (the day's checks still run).
int Soak_CheckStopConditions();

// For position types 0-3 of the club's squad: 1 when the players less the
// suspended, the injured and the unavailable (each counted once) are fewer
// than 16, or a position type has no player; else 0.
int CheckSquadDeficiency(int16_t club);
