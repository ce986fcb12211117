// The world facade (GNW_*) of the records, history and statistics pages, the
// board's targets, the assistant manager's advice and the team of the season:
//
// - the clubs of the game country that hold its records, and each club's own
//   records and season history;
// - the roll of honour (world/honours.h) as the honours pages read it;
// - the board's season target from a club's expected place, the board's
//   scores and the jobs in jeopardy;
// - the assistant's match advice and squad report as lists of advice codes,
//   each with the player it concerns, and the advice texts;
// - the best players by position (the team of the season);
// - the human managers' event lists, kept by the club simulation.
//
// Clubs and players are signed 16-bit ids, -1 none. A name text number is
// the text number of a club's name (GNW_GetClubTextNo), -1 when it has none.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "world/history.h"

// ======================================================================
// Record holders of the game country
// ======================================================================
//
// Each finder looks at the clubs 0-249 of the game country in club-id order;
// the first of them starts as the holder and a later club takes over only
// with a strictly greater value (the lower club id holds a shared record).
// With no club of the game country a finder answers -1 and every out -1.
// Years are the stored two-digit years (0-99).

// Most disciplinary points in a season: *year, *nameText the holder's name.
int16_t GNW_FindRecordDispointsClub(int16_t* year, int16_t* nameText);
// Most league goals in a season.
int16_t GNW_FindRecordGoalsTotalClub(int16_t* year, int16_t* nameText);
// Most league points in a season.
int16_t GNW_FindRecordPointsTotalClub(int16_t* year, int16_t* nameText);
// Most goals by one player in a season: *year, *surname the scorer's surname
// index as the record keeps it.
int16_t GNW_FindRecordGoalsClub(int16_t* year, int16_t* surname);
// Highest attendance: *year, *nameText the name of the visiting club.
int16_t GNW_FindRecordCrowdClub(int16_t* year, int16_t* nameText);
// Biggest win: the widest margin, and of equal margins the one with more
// goals scored. *opponentText the beaten club's name, *year.
int16_t GNW_FindRecordWinClub(int16_t* opponentText, int16_t* year);
// Highest fee paid: answers the fee; *surname the player's surname index,
// *sellerText the selling club's name (-1 for none), *year, and, when asked
// for, *buyer the club that paid it. With no fee paid (the best fee not
// positive, or no club of the game country) the answer is INT32_MIN and the
// outs are -1.
int32_t GNW_FindRecordBuyClub(int16_t* surname, int16_t* sellerText, int16_t* year, int16_t* buyer = nullptr);

// One club's records (0 for a club without a full record).
int16_t GNW_GetClubRecordDispoints(int16_t club);
int16_t GNW_GetClubRecordGoalsTotal(int16_t club);
int16_t GNW_GetClubRecordGoalsTotalYear(int16_t club);
int16_t GNW_GetClubRecordPointsTotal(int16_t club);
int16_t GNW_GetClubRecordGoals(int16_t club);
int16_t GNW_GetClubRecordWinGoalsFor(int16_t club);
int16_t GNW_GetClubRecordWinGoalsAgainst(int16_t club);
int16_t GNW_GetClubRecordDefeatGoalsFor(int16_t club);
int16_t GNW_GetClubRecordDefeatGoalsAgainst(int16_t club);
int32_t GNW_GetClubRecordCrowd(int16_t club);
int32_t GNW_GetClubRecordBuy(int16_t club);  // the fee in money
int16_t GNW_GetClubSeasonDispoints(int16_t club);
// The world's career records of players of the game country: the record,
// its holder in *player (-1 none).
int16_t GNW_GetRecordCareerGoals(int16_t* player);
int16_t GNW_GetRecordCareerApps(int16_t* player);

// ======================================================================
// Season history and logs
// ======================================================================

// The league position the club held in the last month (byte 11) of its
// season-history block (0 this season ... 9); 0 outside the blocks.
int16_t GNW_GetClubHistoryLeaguePos(int16_t block, int16_t club);
// Top-scorer entry 0-4 of a season-history block: the player (-1 outside
// the blocks or entries) and his goals (0 outside).
int16_t GNW_GetClubHistoryPlayer(int16_t club, int16_t block, int16_t entry);
int16_t GNW_GetClubHistoryPlayerValue(int16_t club, int16_t block, int16_t entry);
// Up to CAREER_ENTRIES_MAX of the player's career entries in log order into
// out (room for that many); the count.
int16_t GNW_GetPlayerMatchHistory(int16_t player, PlayerCareerLogEntry* out);
// The 114 club marks of the club screens cleared (a new season, a new game).
void GNW_ClearClubSeasonMarks();

// ======================================================================
// Roll of honour (season 0 the current season, 1 last season ... 49)
// ======================================================================

// Award kinds of the roll: 0-6 cups 0-6, 7-12 divisions 0-5 (champion and
// runner-up).
constexpr int16_t ROLL_KIND_CUPS = 0;
constexpr int16_t ROLL_KIND_DIVISIONS = 7;
constexpr int16_t ROLL_KINDS = 13;
// The winner (champion) of a kind in a season, its runner-up in *second;
// -1 and -1 for an empty entry, a kind outside 0-12 or a season outside the
// roll. An entry counts as empty when its runner-up is none (cups) or its
// champion is none (divisions); a none in a kept entry also answers -1.
int16_t GNW_GetRollOfHonourEntry(int16_t season, int16_t kind, int16_t* second);
// 1 when the club won cup `kind` (0-6) in that season, else 0.
int16_t GNW_IsClubInRollOfHonour(int16_t club, int16_t kind, int16_t season);
// The label of a European entrant of the game country by the European
// honours words: 1466 "Winners" for a cup holder or last season's winner of
// the first cup, 1470 "Champions" for the league champion, 1467 "Runners Up"
// for the first cup's runner-up; -1 for any other club.
int16_t GNW_GetHonourLabelTextNo(int16_t club);
// The play-off club at `place` (0-3) of division `division` (1-5); *mark
// 1818 "Promoted" when that club now plays in the division above (division
// - 1), else -1. -1 and -1 outside the table.
int16_t GNW_GetPromotedMark(int16_t division, int16_t* mark, int16_t place);
// The play-off clubs each division lists.
int16_t GNW_GetHonourListLength();
// The latest manager of the month of a division 0-5: his surname index, his
// club in *club; -1 and -1 for none or a division outside 0-5.
int16_t GNW_GetManagerOfSeason(int16_t division, int16_t* club);
// The season's four award lists, entry = division 0-5: the winner's surname
// index, his club in *club (-1 none); -1 and -1 outside the record.
int16_t GNW_GetHonourPair1(int16_t season, int16_t entry, int16_t* club);  // manager of the year
int16_t GNW_GetHonourPair2(int16_t season, int16_t entry, int16_t* club);  // player of the year
int16_t GNW_GetHonourPair3(int16_t season, int16_t entry, int16_t* club);  // young player of the year
int16_t GNW_GetHonourPair4(int16_t season, int16_t entry, int16_t* club);  // top scorer

// ======================================================================
// Board, form and strength
// ======================================================================

// The board's season target for the club from its expected place p and its
// division of n clubs (h = n / 2): p below 5: 1695 "Qualify for Champion's
// League" in division 0, else 1672 "Automatic promotion"; below 8: 1696 "A
// UEFA Cup place" in division 0, else 1673 "At least a play off position";
// below h: 1697; below h + 5: 1698; below n - 4: 1699; else 1671 "Avoid
// relegation".
int16_t GNW_GetBoardTargetTextNo(int16_t club);
// list[0 .. n-1] set to -1, then the clubs (club-id order) whose board would
// sack the manager, at most n of them; the count.
int16_t GNW_ListJobsInJeopardy(int16_t* list, int16_t n);
int16_t GNW_GetClubForm(int16_t club);          // 0-60
int16_t GNW_GetClubRepRankScore(int16_t club);  // 0-24
int16_t GNW_GetClubFinanceScore(int16_t club);  // 0-16
// Form + finance score + reputation rank score.
int16_t GNW_GetClubStrengthScore(int16_t club);

// ======================================================================
// Advice lists
// ======================================================================

constexpr int ADVICE_LIST_SIZE = 100;
// Advice codes and, beside each, the player it concerns (-1 none).
struct AdviceList {
  int16_t codes[ADVICE_LIST_SIZE];
  int16_t players[ADVICE_LIST_SIZE];
};
extern AdviceList AssistantAdvice;

// The assistant's squad report (advice codes; a pair p is p or p + 1 at random).
constexpr int16_t ADVICE_DEFENCE_INEXPERIENCED = 1220;      // pair; best experience below 40
constexpr int16_t ADVICE_DEFENCE_GREEN = 1222;              // pair; below 20
constexpr int16_t ADVICE_MIDFIELD_INEXPERIENCED = 1224;     // pair
constexpr int16_t ADVICE_MIDFIELD_GREEN = 1226;             // pair
constexpr int16_t ADVICE_ATTACK_GREEN = 1228;               // pair
constexpr int16_t ADVICE_ATTACK_INEXPERIENCED = 1230;       // pair
constexpr int16_t ADVICE_NOT_FIT = 1232;                    // pair; fitness below 70 %
constexpr int16_t ADVICE_BANNED = 1236;                     // pair; suspended or banned in Europe
constexpr int16_t ADVICE_INJURED_LONG = 1238;               // pair; injury type 8 and up
constexpr int16_t ADVICE_INJURED = 1240;                    // pair; injury type 1-7
constexpr int16_t ADVICE_KNOCK = 1242;                      // pair; injury type 0
constexpr int16_t ADVICE_LOW_MORALE = 1244;                 // pair; morale below 60 %
constexpr int16_t ADVICE_TIRED = 1246;                      // pair; fatigue above 20 %
constexpr int16_t ADVICE_CUP_TIED = 1250;                   // pair
constexpr int16_t ADVICE_NOT_LEFT_SIDED = 1252;
constexpr int16_t ADVICE_NOT_RIGHT_SIDED = 1253;
constexpr int16_t ADVICE_TOO_MUCH_GROUND = 1254;
// The assistant's match advice: codes from 1268 to 1311.
constexpr int16_t ADVICE_MATCH_FIRST = 1268;
constexpr int16_t ADVICE_MATCH_LAST = 1311;

// The advice on each player of side 0-1 who took part in the match just
// played (the MatchResult), in squad order: the codes of the comparisons he
// failed. Every entry of the list is -1 first; answers the number of lines
// (at most ADVICE_LIST_SIZE). A side outside 0-1 leaves the list empty.
int16_t GNW_BuildAssistantAdvice(int16_t side);
// The assistant's report on the club's match squad (shirts 1-11, in squad
// order; the three experience lines at the end carry the squad list's entry
// after its last player, -1 when the list is full). Every entry of the list
// is 0 first; answers the number of lines (at most ADVICE_LIST_SIZE).
int16_t GNW_BuildSquadReport(int16_t club);
// The text of an advice code (the player's name goes in front of the lines
// about one player); "" for any other number. The advice codes share their
// numbers with texts of other screens, so the advice pages read their texts
// here rather than from the language table.
const char* GNW_GetAdviceText(int16_t code);

// The rating 0-9 of skill group `group` (0-5) of the player in squad place
// `slot` of side `side` in the match just played (the club simulation's
// ratings); the fourth value is not used.
int16_t GNW_GetMatchPlayerRating(int16_t slot, int16_t side, int16_t group, int16_t unused);

// ======================================================================
// Best players by position
// ======================================================================

// Place 0 the goalkeeper, 1-4 defenders, 5-8 midfielders, 9-10 forwards;
// each group in descending order of value, the earlier player first among
// equals. -1 and -1 in a free place.
constexpr int TOP_PLAYER_PLACES = 11;
struct TopPlayerTable {
  int16_t players[TOP_PLAYER_PLACES];
  int16_t values[TOP_PLAYER_PLACES];
};
extern TopPlayerTable TopPlayers;

void GNW_ClearTopPlayerTable();
// The keeper's place taken when the value is greater than the place's.
void GNW_SetTopGoalkeeper(int16_t player, int16_t value);
// Into the group before the first place of lower value (the places after it
// move one down, the last drops out); nothing when no place is lower.
void GNW_InsertTopDefender(int16_t player, int16_t value);
void GNW_InsertTopMidfielder(int16_t player, int16_t value);
void GNW_InsertTopForward(int16_t player, int16_t value);
// Adds to the table (cleared by the caller) every player with a full record,
// not a manager, of a club 0-249 of the game country, by mode:
//   0 regular players of the division's clubs: performance value
//   1 everyone: disciplinary points x 3
//   2 regular players of the division's clubs: 100 - performance value
//   3 regular players under 23: performance value
//   4 regular players over 31: performance value
// (a club no division lists counts as division 0). Other modes add nothing.
void GNW_BuildTopPlayerTables(int16_t mode, int16_t division);
// The regular player of the club's squad with the best performance value,
// the first among equals; -1 when none is regular.
int16_t GNW_FindClubBestRegular(int16_t club);
// The outfield player of the club's squad with the most goals this season,
// the first among equals; -1 when no outfield player has scored.
int16_t GNW_FindClubTopScorer(int16_t club);

// ======================================================================
// The human managers' event lists (kept by the club simulation)
// ======================================================================

void GNW_SetManagerEvent(int16_t manager, int16_t value, int16_t entry, int16_t kind, int16_t value2);
int16_t GNW_FindFreeManagerEvent(int16_t manager);     // first entry of kind 0, else -1
void GNW_ClearManagerEventKinds(int16_t manager);      // entries of kind 9-13 become kind 0
int16_t GNW_GetManagerEventKind(int16_t manager, int16_t entry);
int16_t GNW_GetManagerEventValue(int16_t manager, int16_t entry);
int16_t GNW_GetManagerEventValue2(int16_t manager, int16_t entry);

// ======================================================================
// For the career tool
// ======================================================================

// One line per record of the game country: the club that holds it and the
// value, read through the facade above; then, for the clubs of `division`
// (0-5), the division's best club in each of the same records. A line reads
// "<record>: <club> <value>" ("none" when no club holds it).
std::vector<std::string> GNW_DescribeRecordHolders(int16_t division);

// The advice list and the best players' table empty.
void FuncsRecords_Reset();
