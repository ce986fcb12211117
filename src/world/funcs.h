// The world facade (GNW_*): the one door through which the screens, the day
// loop and the news read and change the world. Clubs and players are signed
// 16-bit ids; text numbers are -1 when there is none, and -2 stands for a
// competition code that is no cup code. An operation that hands out text
// answers a static buffer that its next call overwrites.
//
// Every per-country rule follows the game country (SeasonState); outside the
// nine game countries there are no divisions, cups or competition names.
// Arguments outside their tables get the answers written beside them; the
// record accessors behind the thin getters make their own checks (a negative
// player or club ends the program with the field's message).
//
// funcs.cpp: names, dates, squads and player accessors;
// funcs_comp.cpp: competitions, positions, fixture lookups and the bridges to
// the season engine.
// funcs_finance.h: the club's money, staff and stadium.
#pragma once

#include <cstdint>

#include "world/funcs_deals.h"
#include "world/records.h"
#include "world/source_records.h"
#include "world/funcs_finance.h"
#include "world/funcs_records.h"

// The surname table read from stats\names.dat: 17-byte zero-padded surnames,
// indexed by the surname index of a player's identity.
extern char NameBuffer[NAMES_FILE_SIZE];

// ======================================================================
// Game country, human club, calendar
// ======================================================================

void GNW_SetGameCountry(int16_t country);
int16_t GNW_GetGameCountry();
int16_t GNW_GetChosenCountry();
// The league club of the game country run by that human manager, else -1.
int16_t GNW_GetHumanClub(int16_t manager);

int16_t GNW_GetCurrentDay();    // day of the season year
int16_t GNW_GetSeasonNumber();  // 0 in the first season
int16_t GNW_GetYear();
int16_t GNW_GetMonth();         // 0 = January
int16_t GNW_GetWeekday();       // 0 = Saturday
int16_t GNW_GetDayOfMonth();
// "Saturday 10 July 1999": today's weekday, day, month and year.
const char* GNW_GetDateText();
// The date of a day of the current season year: day of month 1-31, month
// 1-12 (January = 1), weekday 0-6 (0 = Saturday). Day 0 of the first season
// is Saturday 10 July 1999.
void GNW_GetDateOfDay(int16_t day, int16_t* dayOfMonth, int16_t* month, int16_t* weekday);
int16_t GNW_GetDaysInYear(int16_t year);  // 366 in years divisible by 4
// 1999 + n; 2000 + n goes to *secondYear.
int16_t GNW_GetSeasonYears(int16_t season, int16_t* secondYear);
// A two-digit year: 0-96 are 2000-2096, 97-99 1997-1999.
int16_t GNW_GetFullYear(int16_t year);
// The season (0 the first) in which a month (0-11) of a year falls.
int16_t GNW_GetSeasonOfYear(int16_t year, int16_t month);
int16_t GNW_ShiftMonthHalfYear(int16_t month);
// The twelve month lengths, January first (February 28).
const int16_t* GNW_GetMonthLengths();

// ======================================================================
// Names and text numbers
// ======================================================================

// Database club number of a world club (names, source records); 252, 254 and
// 255 pass through.
int16_t GNW_GetClubDbId(int16_t club);
// The world club of a database club number, -1 when absent.
int16_t GNW_FindClubByDbId(int16_t dbClub);
// Database club number + 28000; -1 for a negative number or one past the
// database's clubs.
int16_t GNW_GetClubTextNo(int16_t dbClub);
// Player + 3000; -1 for a negative player or one past the player table.
int16_t GNW_GetPlayerTextNo(int16_t player);
// Nationality + 29200; -1 for a negative nationality or one past the
// nationality texts.
int16_t GNW_GetNationalityTextNo(int16_t nationality);
// The nationality's name, language text 2310 + nationality; "" outside the
// nationality codes.
const char* GNW_GetNationalityString(int16_t nationality);
// The club's name from the club name table (static buffer); "" for a number
// the table does not name.
const char* GNW_GetClubName(int16_t dbClub);
// The player's surname (static buffer).
const char* GNW_GetPlayerSurname(int16_t player);
// The 17-byte entry of a surname index (not zero-ended when the name fills
// it); an index outside the table answers an empty entry.
const char* GNW_GetSurnameAddr(int16_t surname);
// "%c.%s", the initial and the surname, or the surname alone for a player
// without initial (static buffer).
const char* GNW_GetPlayerName(int16_t player);
int16_t GNW_GetPlayerInitial(int16_t player);
void GNW_SetPlayerInitial(int16_t player, int16_t initial);
int16_t GNW_GetPlayerSurnameIndex(int16_t player);

// The text naming a competition code; the round's text and the mark
// ("Replay", "Leg 1", "Leg 2") of a cup code go to the outs (-1 none).
int16_t GNW_GetCompTextNo(int16_t competition, int16_t* roundText, int16_t* mark);
// The competition as text (static buffer): for the league codes 0-3 the
// division's name (and the stage), else the competition's name and, with the
// detail flag, the round and the mark.
const char* GNW_GetCompNameString(int16_t competition, int16_t division, int16_t detail);
// Side 0 none (-1), 1 "L", 2 "R", 3 "L/R"; another value ends the program.
int16_t GNW_GetSideTextNo(int16_t player);
int16_t GNW_GetSideCodeTextNo(int16_t side);

// ======================================================================
// Squads (each call builds the club's squad list afresh)
// ======================================================================

int16_t GNW_FillSquadList(int16_t club);  // the list's length
int16_t GNW_GetSquadSize(int16_t club);
// The squad list filled with the reserve pool's players (club 252) of that
// reserve slot, managers left out; answers the length.
int16_t GNW_FillReserveList(int16_t reserveSlot);
int16_t GNW_FindSquadPlayerByShirt(int16_t shirt);
// Per position type (0-3): [0] listed, [1] on loan from this club, [2] on
// loan to it, [3] transfer-listed by it.
void GNW_CountSquadByPositionType(int16_t club, int16_t counts[4][4]);
// Sorts clubs by name; with the flag the human manager's club goes first.
void GNW_SortClubsByName(int16_t* clubs, int16_t count, int16_t humanFirst);
int16_t GNW_HasTeamCaptain(int16_t club);
void GNW_ClearClubCaptains(int16_t club);
void GNW_PickClubCaptain(int16_t club);
int16_t GNW_FindBestFreeKickTaker(int16_t club);
int16_t GNW_FindBestPenaltyTaker(int16_t club);
int16_t GNW_FindBestCornerTaker(int16_t club);
// 1 when a player of the club's match squad may not play its next fixture;
// with no eligible player left to take his place he loses his shirt.
int16_t GNW_CheckTeamEligibility(int16_t club);
// Every club of that human manager back to the computer (manager 1 and up).
void GNW_ResetHumanClub(int16_t manager);
void GNW_InitTrainingBuffer();
void GNW_SyncTrainingBuffer();
void GNW_SaveTrainingSliders(int16_t value);
void GNW_ResetTrainingSliders(int16_t value);
void GNW_SnapshotSquadProgress(int16_t club);
int16_t GNW_GetClubManager(int16_t club);
int16_t GNW_GetClubManagerPersonalityBand(int16_t club);

// ======================================================================
// Players, as the screens show them
// ======================================================================

int16_t GNW_GetPlayerAge(int16_t player);                // years
int32_t GNW_GetPlayerWage(int16_t player);               // money a week (up to 2,047 x 25)
int16_t GNW_GetPlayerDispoints(int16_t player);
int16_t GNW_GetPlayerFatiguePercent(int16_t player);
int16_t GNW_GetPlayerFitnessPercent(int16_t player);
int16_t GNW_GetPlayerMoralePercent(int16_t player);
int16_t GNW_GetPlayerExperiencePercent(int16_t player);
int16_t GNW_GetPlayerAbilityStat(int16_t player, int16_t stat);      // 0-7, at least 10
int16_t GNW_GetPlayerPhysicalStat(int16_t player, int16_t stat);     // 8-14, at least 10
int16_t GNW_GetPlayerPersonalityStat(int16_t player, int16_t stat);  // 15-21
int16_t GNW_GetPlayerAbilityStatEx(int16_t player, int16_t stat, int16_t careerApps, int16_t training);
int16_t GNW_GetPlayerPersonalityBand(int16_t player);
// 0 goalkeeper, 1 defender, 2 midfielder, 3 forward, 13 manager.
int16_t GNW_GetPositionType(int16_t player);
int16_t GNW_GetPositionTypeGraphic(int16_t player);
int16_t GNW_GetPlayerPosition(int16_t player);           // stored position 0-12
int16_t GNW_GetPlayerPositionOrManager(int16_t player);  // 13 for a manager
int16_t GNW_GetSide(int16_t player);
int16_t GNW_GetPlayerStatusIcon(int16_t player);
int16_t GNW_GetPlayerAvailability(int16_t player);
int16_t GNW_GetPlayerShirtInViewedClub(int16_t player);
int16_t GNW_GetPlayerLastMatchRating(int16_t player);
int16_t GNW_GetPlayerTactic(int16_t player);
void GNW_GeneratePlayerStats(int16_t player);
int16_t GNW_GetPlayerLookA(int16_t player);
int16_t GNW_GetPlayerLookB(int16_t player);
int16_t GNW_GetPlayerLookC(int16_t player);

// Fields as stored.
int16_t GNW_GetPlayerClub(int16_t player);
void GNW_SetPlayerClub(int16_t player, int16_t club);
int16_t GNW_GetPlayerShirt(int16_t player);
void GNW_SetPlayerShirt(int16_t player, int16_t shirt);
int16_t GNW_GetPlayerNationality(int16_t player);
int16_t GNW_GetPlayerPerf(int16_t player);
int16_t GNW_GetPlayerGoals(int16_t player);
int16_t GNW_GetPlayerCareerGoals(int16_t player);
int16_t GNW_GetPlayerApps(int16_t player);
int16_t GNW_GetPlayerCareerApps(int16_t player);
int16_t GNW_GetPlayerAssists(int16_t player);
int16_t GNW_GetPlayerContract(int16_t player);
void GNW_SetPlayerWage(int16_t player, int16_t wage);
void GNW_SetPlayerMorale(int16_t player, int16_t morale);
int16_t GNW_GetPlayerReputation(int16_t player);
int16_t GNW_GetPlayerTraining(int16_t player);
int16_t GNW_GetPlayerAbilityCurve(int16_t player);
int16_t GNW_GetPlayerReserveSlot(int16_t player);
int16_t GNW_GetPlayerOnLoan(int16_t player);
int16_t GNW_GetPlayerLoanClub(int16_t player);
int16_t GNW_GetPlayerLoanList(int16_t player);
void GNW_SetPlayerLoanListed(int16_t player, int16_t flag);
int16_t GNW_GetPlayerTxReq(int16_t player);
int16_t GNW_GetPlayerTxList(int16_t player);
void GNW_SetPlayerTxList(int16_t player, int16_t flag);
int16_t GNW_GetPlayerInFlag(int16_t player);
int16_t GNW_IsPlayerUnderSuspension(int16_t player);
int16_t GNW_IsPlayerEuroBanned(int16_t player);
int16_t GNW_IsPlayerUnavailable(int16_t player);  // always 0
int16_t GNW_GetPlayerReservedE(int16_t player);
int16_t GNW_GetPlayerReservedF(int16_t player);   // always 0
int16_t GNW_IsPlayerManager(int16_t player);
int16_t GNW_GetPlayerCaretaker(int16_t player);
int16_t GNW_GetPlayerBossvane(int16_t player);
void GNW_SetPlayerBossvane(int16_t player, int16_t flag);  // stores 0 or 1
int16_t GNW_GetPlayerCaptain(int16_t player);
void GNW_SetPlayerCaptain(int16_t player, int16_t flag);   // stores 0 or 1

// Fixtures and injuries.
int16_t GNW_GetFixtureDay(int16_t fixture);
int16_t GNW_GetFixtureCompetition(int16_t fixture);
int16_t GNW_GetFixtureHomeClub(int16_t fixture);
int16_t GNW_GetFixtureAwayClub(int16_t fixture);
int16_t GNW_GetFixtureHomeGoals(int16_t fixture);  // 15 = not played
int16_t GNW_GetFixtureAwayGoals(int16_t fixture);
int16_t GNW_GetFixtureLegFlag(int16_t fixture);
int16_t GNW_FindInjurySlot(int16_t player);  // 0-399, else -1
int16_t GNW_GetInjuryType(int16_t slot);
int16_t GNW_GetInjuryTime(int16_t slot);

// Club identity.
int16_t GNW_GetClubCountry(int16_t club);
int16_t GNW_GetClubDivision(int16_t club);  // 0-5 the league, 6 and up outside
int16_t GNW_GetClubRep(int16_t club);
// The club's full record; null for a club without one.
ClubRecord* GNW_GetClubRecord(int16_t club);

// ======================================================================
// Country and competition rules (funcs_comp.cpp)
// ======================================================================

// Competition codes: 0 league, 1-3 play-offs, 4 super cup, 5-116 cup c =
// (code - 5) / 16 (0-3 domestic, 4 UEFA Cup, 5 Champions League qualifying,
// 6 Champions League), 117 friendly, 118 a fixture every lookup skips.
constexpr int NUM_EURO_GROUPS = 8;
constexpr int EURO_GROUP_CLUBS = 4;
constexpr int EURO_LIST_A_SIZE = 32;
constexpr int EURO_LIST_B_SIZE = 32;
constexpr int EURO_LIST_C_SIZE = 64;
constexpr int EURO_QUALIFIERS_MAX = 10;
constexpr int NUM_COMP_GROUPS = 14;

// The Champions League groups, 0 when cleared; a group whose first two
// entries are 0 is empty.
extern int16_t ChampionsLeagueGroups[NUM_EURO_GROUPS][EURO_GROUP_CLUBS];
// The European entrants (club ids, 255 empty): A seeds cup 6, B cup 5, C cup 4.
extern uint8_t EuroListA[EURO_LIST_A_SIZE];
extern uint8_t EuroListB[EURO_LIST_B_SIZE];
extern uint8_t EuroListC[EURO_LIST_C_SIZE];
// The game country's European qualifiers (-1 empty), from GetEuroQualifiers.
extern int16_t EuroQualifierList[EURO_QUALIFIERS_MAX];
// The human club's latest fixture (GNW_FindHumanLastFixture; 0 none).
extern int16_t HumanLastFixture;
// The human club's competition today and, for a league fixture, its division.
extern int16_t HumanFixtureComp[2];
// The fixture the match pages show: home club, away club, competition code.
extern int16_t MatchFixtureHome;
extern int16_t MatchFixtureAway;
extern int16_t MatchFixtureComp;
// The division of league fixtures GNW_FindNextCompFixture looks for.
extern int16_t FixtureDivisionFilter;
// One random value per club of a division (GNW_FillRandomDivisionList).
constexpr int SQUAD_COMPANION_SIZE = 32;
extern int16_t SquadCompanionList[SQUAD_COMPANION_SIZE];
// Bit 0: the busy state was entered for the choice of the match view, and
// GNW_ChooseMatchView leaves it.
extern int16_t MatchViewBusyFlags;

int16_t GNW_GetNumDivisions();
int16_t GNW_GetNumDomesticCups();
int16_t GNW_GetDivisionSize(int16_t division);
int16_t GNW_CountCountryDivisions();
int16_t GNW_DivisionHasPlayOffs(int16_t division);
int16_t GNW_GetCupRounds(int16_t cup);
int16_t GNW_GetClubDivisionSlot(int16_t club);
int16_t GNW_GetCupOfComp(int16_t competition);  // 0-6, -2 for no cup code
int16_t GNW_GetCupIndex(int16_t competition);   // the qualifying round (5) counts as 6
int16_t GNW_GetCupRoundNo(int16_t competition); // 0-7, -2 for no cup code
void GNW_GetFixtureCompInfo(int16_t fixture, int16_t* division, int16_t* cup, int16_t* round);
int16_t GNW_GetCountryCompNameTextNo(int16_t n);
// A division's names: -1 for a division the game country does not have;
// division 6 has the short name "Non.L.".
int16_t GNW_GetDivisionNameTextNo(int16_t division);
int16_t GNW_GetDivisionShortTextNo(int16_t division);
int16_t GNW_GetDivisionLetterTextNo(int16_t division);
int16_t GNW_GetGroupTextNo(int16_t group);
// The super cup's name in the game country.
int16_t GNW_GetSuperCupTextNo();

// ======================================================================
// Positions and qualifiers
// ======================================================================

// Roll-of-honour place kinds 1-23 and 28-31: the competition's or division's
// name, -1 when the country does not have it; *label 1466 "Winners" or 1467
// "Runners Up".
int16_t GNW_GetCompPosition(int16_t kind, int16_t* label);
int16_t GNW_GetClubReputationPos(int16_t club);
int16_t GNW_GetLeaguePlace(int16_t club);
const char* GNW_GetLeaguePosTextForTeam(int16_t club, int16_t division);
int16_t GNW_GetClubTablePosition(int16_t club, int16_t* played, int16_t* points, int16_t* position);
void GNW_GetClubHomeRecord(int16_t club, int16_t* won, int16_t* drawn, int16_t* lost, int16_t* goalsFor,
                           int16_t* goalsAgainst);
void GNW_GetClubAwayRecord(int16_t club, int16_t* won, int16_t* drawn, int16_t* lost, int16_t* goalsFor,
                           int16_t* goalsAgainst);
int16_t GNW_GetDivisionClub(int16_t division, int16_t place);  // 255 empty
int16_t GNW_FindClubDivisionIndex(int16_t club);  // 6 when no division lists the club
// The division 0-5 whose row of the division table lists the club, 0 when
// none does.
int16_t GNW_GetClubDivisionIndex(int16_t club);
int16_t GNW_GetClubLeaguePosition(int16_t club);
int16_t GNW_GetClubOverallRank(int16_t club);
void GetEuroQualifiers(int16_t* championsLeague, int16_t* uefaCup);
int16_t GNW_GetChampionsLeagueGroup(int16_t club);
int16_t GNW_GetChampionsLeagueGroupClub(int16_t slot, int16_t group);
void GNW_ClearChampionsLeagueGroups();

// ======================================================================
// Fixture lookups (today is the current day of the season year)
// ======================================================================

int16_t GNW_FindClubFixtureOnDay(int16_t club, int16_t day);
int16_t GNW_FindClubMatchOnDay(int16_t club, int16_t day);
int16_t GNW_FindClubFriendlyOnDay(int16_t club, int16_t day);
int16_t GNW_FindNextFixture(int16_t club);
int16_t GNW_GetNextOpponent(int16_t club);
int16_t GNW_FindNextCupFixture(int16_t club);
int16_t GNW_FindHumanLastFixture(int16_t afterToday);
int16_t GNW_IsHumanFixture(int16_t fixture);
int16_t GNW_IsSecondLegFixture(int16_t fixture);
void GNW_CountRelatedFixturesToday(int16_t* related, int16_t* other);
int16_t GNW_FindNextCompFixture(int16_t day, int16_t start, int16_t once, int16_t* group);
int16_t GNW_IsRegularPlayer(int16_t player, int16_t club);
int16_t GNW_CountClubGamesPlayed(int16_t club);
int16_t GNW_FindHumanFixtureComp(int16_t manager);
int16_t GNW_GetPostDate();
int16_t GNW_GetSeasonStartDay();
int16_t GNW_GetWindowEndDay();
// The club's last five league results, most recent first: "W", "D", "L" or
// "-" (static buffer).
const char* GNW_ListClubResults(int16_t club);
void GNW_SetMatchFixtureGlobals(int16_t fixture);
int16_t GNW_FindHumanFixtureOnDay(int16_t day);
int16_t GNW_IsCupRoundTwoLegged(int16_t round);
void GNW_FillRandomDivisionList(int16_t division);

// ======================================================================
// Bridges to the season engine, the club simulation and the menus
// ======================================================================

// Plays the next unplayed fixture of today (season/matchday.h); 0 when none
// is left, 1000 when it belonged to the followed competition, else 1.
int16_t GNW_PlayNextFixture();
void GNW_AdvanceDay();
// A new game for the game country (StartNewGame).
void GNW_StartNewGame();
// Human manager `manager` takes over the clubs whose control is his number;
// `previousPlayer`, their manager until now, leaves (InstallHumanManager).
void GNW_InstallHumanManager(int16_t manager, int16_t previousPlayer);
int16_t GNW_AddFixture(int16_t day, int16_t competition, int16_t home, int16_t away, int16_t flag);
int16_t GNW_SortFixtures();
void GNW_ArrangeFriendlies(int16_t club, int16_t country);
int16_t GNW_CanArrangeFriendly(int16_t club);
void GNW_HumanClubsAppointCoach(int16_t value);
void GNW_ComputerClubsHireStaff(int16_t first, int16_t second);
// Every club's squad steps without deals (the transfer day's mode 0), whatever the club.
void GNW_UpdateTransferWindows(int16_t club);
void GNW_SelectClubTeam(int16_t club, int16_t substitutes);
void GNW_CompleteMatchTeam(int16_t club, int16_t substitutes);
int16_t GNW_IsPlayerCupTied(int16_t player);
void GNW_RedrawMenuBackground();
void GNW_ChooseMatchView(int16_t value);
// Passes a club event to the club event log (the log's own argument order is
// player, club, value2, value, type).
void GNW_AddClubHistoryEvent(int16_t player, int16_t value, int16_t club, int16_t value2, int16_t type);

// Empty name buffer, static strings and tables.
void Funcs_Reset();
void FuncsComp_Reset();
