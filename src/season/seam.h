// Entry points of the parts of the game that the world facade and the new
// game call but that are not built yet: the season engine (the day advance,
// the match day, the roll of honour, the cup draws and the other steps of a
// new game), the club simulation, the club screens, the menu system and the
// league screens.
//
// Each entry point is a function pointer in one table per part. Until the
// part sets its pointers, each points at a stub that notes the call (its name
// and arguments) in the seam log and answers a neutral value, so a test can
// see what the facade asked for. Seam_Reset puts every stub back and empties
// the log.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SeasonEngineSeam {
  int16_t (*playNextFixture)();  // plays the next unplayed fixture of today; 0 when none is left
  void (*advanceDay)();          // the end-of-day step
  // The competition code of the human manager's club's fixture today (-1
  // none); for a league fixture its division goes to *division.
  int16_t (*findHumanFixtureComp)(int16_t manager, int16_t* division);
  // The match day's choices for a club: captain and set-piece takers.
  void (*pickClubCaptain)(int16_t club);
  int16_t (*findBestFreeKickTaker)(int16_t club);
  int16_t (*findBestPenaltyTaker)(int16_t club);
  int16_t (*findBestCornerTaker)(int16_t club);
  // What a new game (and a new season) asks of the fixture list, the roll of
  // honour, the cup draws, the balances, the play-off tables and the match day:
  void (*seasonResetFixturesAndTables)();  // every fixture slot empty; league rows (but positions) and crowds 0
  void (*honoursClearAll)();               // all 50 roll-of-honour seasons empty
  void (*clubInitSeasonData)();            // the clubs' season data as at a new game
  void (*honoursInitFromCountryRecord)();  // season 0 from the game country's record of last season
  void (*honoursShiftSeasons)();           // seasons 0-48 to 1-49, season 0 empty
  // Byte `index` (0-26) of roll-of-honour season `season` (0 the current): a
  // world club, 255 none.
  int16_t (*honoursGetHolder)(int16_t season, int16_t index);
  void (*shuffleEuroEntrantsB)();          // EuroListB shuffled into competition 5's first round
  void (*drawCupRound)();                  // the cup rounds whose draw day is today
  void (*clubsCarryBalancesForward)();     // every balance carried forward := the balance
  void (*setPlayoffClubs)(int16_t division, int16_t slot, int16_t club);  // PlayoffClubs[division][slot]
  void (*resetCareerRecords)();            // the world's career records: values 0, holders -1
  void (*resetMatchDayValues)();           // the match day's values and pairs -1
};

struct ClubSimSeam {
  int16_t (*getClubManager)(int16_t club);  // 1 (the player that stands for no manager) when it has none
  void (*clearClubCaptainFlags)(int16_t club);
  // Shirts for a match of the squad list's players; the current-manager word
  // (below) names the club's manager first.
  void (*selectMatchTeam)(int16_t club, int16_t substitutes, int16_t mode, int16_t competition);
  void (*completeMatchTeam)(int16_t club, int16_t second, int16_t third);
  void (*humanClubsAppointCoach)(int16_t value);
  void (*computerClubsHireStaff)(int16_t first, int16_t second);
  void (*updateTransferWindows)(int16_t first, int16_t second);
  int16_t (*getPlayerTacticType)(int16_t player);
  void (*estimatePlayerStats)(int16_t player);
  // The new game's steps of the club simulation:
  void (*clearJobOffer)();             // the current human manager's job offer -1
  void (*managerListClear)();          // the 500 entries of the manager list 0
  void (*clearGroundRedevelopment)();  // the human club's four stand projects none
  void (*fillReservePool)();           // the reserve pool from the free agents and the unattached
  void (*buildReputationTable)();      // the league clubs by reputation
  void (*setAllClubsExpectedPlace)();  // every league club's expected place from its reputation
};

struct ClubScreensSeam {
  void (*trainingBufferInit)();
  void (*trainingBufferSync)();
  void (*saveTrainingSliders)(int16_t value);
  void (*resetTrainingSliders)(int16_t value);
  void (*snapshotSquadProgress)(int16_t club);
};

struct MenuSystemSeam {
  void (*setBusyPointer)(int16_t enter);  // 1 enter, 0 leave (nested)
  void (*doBackground)(int16_t background);
  void (*saveScreenBackground)();
  void (*updateMenuScreen)();
  void (*chooseMatchViewMode)(int16_t first, int16_t value);  // the league screens' view choice
};

extern SeasonEngineSeam SeasonEngine;
extern ClubSimSeam ClubSim;
extern ClubScreensSeam ClubScreens;
extern MenuSystemSeam MenuSystem;

// The club simulation's current-manager word: the manager whose choices a
// team selection follows.
extern int16_t CurrentManager;
// The menu system's club being viewed (-1 none).
extern int16_t ViewedClub;

// One call that reached a stub.
struct SeamCall {
  std::string name;  // the entry point's name, e.g. "AdvanceDay"
  std::vector<int32_t> args;
};
const std::vector<SeamCall>& Seam_Calls();
// Calls of one entry point in the log.
int Seam_CountCalls(const char* name);
void Seam_ClearCalls();

// Every pointer at its stub, the log empty, no current manager, no club viewed.
void Seam_Reset();
