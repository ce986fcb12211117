// Entry points of the parts of the game that the world facade forwards to but
// that are not built yet: the season engine (the day advance, the match day,
// the new game), the club simulation, the club screens, the menu system and
// the league screens.
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
  void (*startNewGame)();
  void (*installHumanManager)(int16_t manager, int16_t club);
  // The competition code of the human manager's club's fixture today (-1
  // none); for a league fixture its division goes to *division.
  int16_t (*findHumanFixtureComp)(int16_t manager, int16_t* division);
  // The match day's choices for a club: captain and set-piece takers.
  void (*pickClubCaptain)(int16_t club);
  int16_t (*findBestFreeKickTaker)(int16_t club);
  int16_t (*findBestPenaltyTaker)(int16_t club);
  int16_t (*findBestCornerTaker)(int16_t club);
  // Packs the cup-draw table into its three saved chunks before a save; 0, or
  // a negative code when it does not fit (the save must not go on).
  int16_t (*packCupDrawTable)();
  // Rebuilds the cup-draw table from the saved chunks after a load; 0 or a negative code.
  int16_t (*unpackCupDrawTable)();
  // Checks the chunks of a file being loaded (group words 224 bytes, mask
  // words 640, values 800) without changing anything: 0 when they unpack
  // into a sound table, else the negative unpack code.
  int16_t (*cupDrawUnpack)(const uint8_t* groupWords, const uint8_t* maskWords, const uint8_t* values);
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
  void (*buildReputationTable)();  // the league clubs by reputation, highest first (after a load)
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
  void (*loadNamesFile)();  // stats\names.dat into the name buffer (after a load)
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
