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
  // The decision of a cup tie after one of its matches (the cup ties).
  void (*cupTieResolve)(int16_t fixture, int16_t firstCode, int16_t competition, int16_t honourKind,
                        int16_t legBase);
  // The post-match updates of one side's players (side 0 home, 1 away).
  void (*updatePlayersAfterMatch)(int16_t club, int16_t side, int16_t fixture);
  // The home club's record and record low crowds.
  void (*updateCrowdRecords)(int16_t club, int32_t attendance);
  // The watched side's player match records for the report screens.
  void (*fillPlayerMatchRecords)(int16_t side);
  // A title or trophy into the roll of honour (the honours).
  void (*honoursRecordWinner)(int16_t club, int16_t kind);
  // Experience for every player of the club with a shirt (the honours).
  void (*clubAwardSquadExperience)(int16_t club, int16_t n);
  // The releases a relegation brings (the honours).
  void (*clubApplyRelegationClauses)(int16_t club);
  // The end of season's play-off table: 6 divisions x 4 club bytes, 255 empty
  // or beaten.
  uint8_t* (*getPlayoffTable)();
  // Gate money (after the levy) into the human club's weekly accounts.
  void (*addWeeklyMatchIncome)(int16_t club, int32_t amount);
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
  // Flags the starter with the best experience-based score as the captain.
  void (*pickTeamCaptain)(int16_t club);
  // The first player of the club with the captain flag, else -1.
  int16_t (*findClubCaptain)(int16_t club);
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
  // The 48-byte kit design of the club against the other club; null for none.
  const uint8_t* (*getTeamDesign)(int16_t club, int16_t otherClub);
  void (*uninitMenuSystem)();  // before a watched match
  void (*initMenuSystem)();    // after it
  void (*pollWhileProcessing)();  // the keep-alive of long day processing
  // One run of the match report's menu (item list 0, 2 or another value);
  // leaving the report sets bit 0 of *reportFlags.
  void (*runMatchReportMenu)(int16_t list, uint8_t* reportFlags);
};

// The match engine: the watched match of a human-managed club.
struct MatchEngineSeam {
  // Plays the match the MatchSetup describes and answers the MatchResult.
  uint8_t* (*playMatchGetResult)();
  // The side's in-match formation slots from its tactic.
  void (*footballSetupTeamFormation)(int16_t side);
  // Each team block's tactic: a human side's choice, a computer side's stock one.
  void (*setMatchSetupTactics)();
};

extern SeasonEngineSeam SeasonEngine;
extern ClubSimSeam ClubSim;
extern ClubScreensSeam ClubScreens;
extern MenuSystemSeam MenuSystem;
extern MatchEngineSeam MatchEngine;

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
// A few stubs do more than note their call, so that a match day can be played
// before their parts exist: team selection picks a stand-in team
// (season/teamsel_standin.h), the match engine plays the watched match in the
// background simulation (PlayMatchInBackgroundStandIn, season/playfix.h), the
// match report is left at once and the play-off table stub is an empty one.
void Seam_Reset();
