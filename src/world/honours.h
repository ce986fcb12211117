// The roll of honour, the season's awards and the clubs' season-end updates.
//
// The roll of honour keeps fifty seasons of winners (season 0 the current
// one, 1 last season ...): who took each league place of note and each cup,
// and four awards in every division (manager, player and young player of the
// year, the top scorer). A title is written by Honours_RecordWinner, which
// also tells the news, logs the club's event and the manager's career entry
// and rewards the club's reputation and its squad's experience.
//
// HonoursSeasonRecord, 208 bytes (saved with the game):
//   0-26  honour holders, world club numbers, 255 none (byte by honour kind:
//         Honours_HolderByte)
//   27    not used (never written)
//   28    6 x int32 manager of the year: club, by division 0-5
//   52    6 x int32 manager of the year: surname index
//   76    6 x int32 player of the year: surname index
//   100   6 x int32 player of the year: club
//   124   6 x int32 young player of the year: surname index
//   148   6 x int32 young player of the year: club
//   172   6 x int32 top scorer: surname index
//   196   6 x uint8 top scorer: club (255 none)
//   202   6 x uint8 top scorer: goals
// An empty season holds 255 in bytes 0-26, -1 in the seven int32 arrays, 255
// in the top scorers' clubs and 0 in their goals.
//
// The season-end updates of the clubs: the ten season-history blocks of every
// full club record roll over (block 0 the season just ended), the league prize
// money is paid, and a relegated club's players with the relegation-release
// clause are let go.
#pragma once

#include <cstdint>

constexpr int HONOURS_SEASONS = 50;
constexpr int HONOURS_RECORD_SIZE = 208;
constexpr int HONOUR_HOLDER_BYTES = 27;
constexpr uint8_t HONOUR_NO_CLUB = 255;

struct HonoursSeasonRecord {
  uint8_t bytes[HONOURS_RECORD_SIZE];
};
static_assert(sizeof(HonoursSeasonRecord) == 208);

extern HonoursSeasonRecord HonoursSeasons[HONOURS_SEASONS];

// Honour kinds of Honours_RecordWinner.
constexpr int16_t HONOUR_CHAMPIONS = 1;          // 1-4: champions of divisions 0-3
constexpr int16_t HONOUR_RUNNERS_UP = 5;         // 5-8: runners-up of divisions 0-3
constexpr int16_t HONOUR_CUP_WINNERS = 9;        // 9 + 2c: winners of cup c (0-6); + 1 the runners-up
constexpr int16_t HONOUR_SUPER_CUP = 23;
constexpr int16_t HONOUR_DIV4_CHAMPIONS = 28;    // 29 the runners-up
constexpr int16_t HONOUR_DIV5_CHAMPIONS = 30;    // 31 the runners-up

// Awards of Honours_RecordPlayerAward.
constexpr int16_t AWARD_MANAGER_OF_YEAR = 24;
constexpr int16_t AWARD_PLAYER_OF_YEAR = 25;
constexpr int16_t AWARD_TOP_SCORER = 26;
constexpr int16_t AWARD_YOUNG_PLAYER = 27;

// Holder bytes of the roll of honour the season code reads by number.
constexpr int HOLDER_CUP0_WINNER = 0;
constexpr int HOLDER_CUP0_RUNNER_UP = 1;
constexpr int HOLDER_CUP4_WINNER = 8;
constexpr int HOLDER_CUP6_WINNER = 12;
constexpr int HOLDER_DIV0_CHAMPION = 14;
constexpr int HOLDER_DIV0_RUNNER_UP = 15;
constexpr int HOLDER_SUPER_CUP = 26;

// The holder byte an honour kind fills, -1 for a kind outside the table.
int Honours_HolderByte(int16_t kind);
// The squad-experience reward of an honour kind (0 outside the table).
int16_t Honours_ExperienceReward(int16_t kind);

// ---- reading the roll ----
// A holder byte (0-26) of a season (0-49): a world club, 255 none; 255 for
// anything outside the record.
int16_t Honours_GetHolder(int season, int holderByte);
// An award's club and surname index in a season and division 0-5: -1 none;
// the top scorer's club is a byte, 255 none. -1 outside the record.
int32_t Honours_GetAwardClub(int season, int16_t award, int division);
int32_t Honours_GetAwardSurname(int season, int16_t award, int division);
int16_t Honours_GetTopScorerGoals(int season, int division);

// ---- keeping the roll ----
// All 50 seasons empty.
void Honours_ClearAll();
// Seasons 0-48 move to 1-49 (the 50th falls off); season 0 becomes empty.
// Byte 27 of every season stays as it is.
void Honours_ShiftSeasons();
// Season 0 from the game country's record of last season (CountryRecordTable),
// database club numbers turned into world clubs (none: 255 in the holder
// bytes, -1 in the award clubs).
void Honours_InitFromCountryRecord();

// A title: the club into season 0's byte for the kind; the club event (type
// 6) and the news of a cup or the super cup where the kind is logged; the
// manager's career entry; 5 reputation for a club of the game country; the
// squad's experience reward. A kind outside the table, or a club outside
// 0-249, changes nothing.
void Honours_RecordWinner(int16_t club, int16_t kind);
// An award (24-27) of a division 0-5: the player's reputation + 5, his
// surname index and club (and the top scorer's goals) into season 0; then a
// career entry (type 5, value = award) at his club for any award.
void Honours_RecordPlayerAward(int16_t player, int16_t award, int16_t division);

// ---- the season's awards, for division 0-5 of the game country ----
// Each looks over the players (or the managers) of the clubs of the
// division's table row, and the winner, first in player order (table order
// for managers) at a tie, gets the news (the user's division) and the award.
void Honours_SelectTopScorer(int16_t division);      // most goals; no goalkeepers or managers
void Honours_SelectYoungPlayer(int16_t division);    // over 10 appearances, under 24; best performance
void Honours_SelectPlayerOfYear(int16_t division);   // over 30 appearances; best performance
void Honours_SelectManagerOfYear(int16_t division);  // best club form + reputation-rank score
// The manager of the month (at a month's end, before Month moves on): the
// best club form score above 0; into MonthManagerTable.
void Honours_SelectManagerOfMonth(int16_t division);

// ---- the managers of the month (saved) ----
constexpr int MONTH_MANAGER_TABLE_SIZE = 24;  // per division: int16 surname index, int16 club
struct MonthManagerTableRecord {
  uint8_t bytes[MONTH_MANAGER_TABLE_SIZE];
};
extern MonthManagerTableRecord MonthManagerTable;
int16_t MonthManager_GetSurname(int division);  // -1 none
int16_t MonthManager_GetClub(int division);     // -1 none

// ---- the human squad's statistics records ----
constexpr int SQUAD_STAT_RECORDS = 32;
constexpr int SQUAD_STAT_RECORD_SIZE = 43;  // int16 player (-1 free), then 41 bytes of counters
struct SquadStatRecord {
  uint8_t bytes[SQUAD_STAT_RECORD_SIZE];
};
extern SquadStatRecord SquadStatRecords[SQUAD_STAT_RECORDS];
// Record n (0-31) for the player, its counters 0.
void SquadStatRecord_Reset(int n, int16_t player);
int16_t SquadStatRecord_GetPlayer(int n);

// ---- the clubs at the season's end ----
// Every player of the club with a shirt number gains experience rand() % n + 1
// (the captain rand() % n + rand() % n + 2), up to 63; the club's manager 2n
// reputation. Nothing when n is 0.
void Club_AwardSquadExperience(int16_t club, int16_t n);
// For every full club record: the season's points and goals become the
// club's records when they beat them; the ten history blocks move one place
// (block 9 is lost) and block 0 takes the season: the league figures, the
// average attendance, the five best scorers and the cup results.
void Club_RollSeasonHistory();
// Each club of the game country's division tables gets its place's prize
// (LeaguePrize) from the money pool, with the news.
void Club_PayLeaguePrizeMoney();
// The prize of a place (0-23) in a division (0-5) of the game country:
// (100 - 5 x (rate - 15)) x place factor x division base / 100, with the
// gate-levy rate (MoneyRate2); 0 outside the tables.
int32_t LeaguePrize(int division, int place);
// A relegated club: 2 reputation lost (game country), and its players with
// the relegation-release clause (not managers or playing managers) ask to go.
void Club_ApplyRelegationClauses(int16_t club);
// Transfer request and transfer list set, sale status 0; not for a playing
// manager or a manager.
void Player_RequestTransfer(int16_t player);

// ---- a new game and a new season ----
// Every club's history attendances -1, each full record's season lists reset
// (the three resets below), the human squad's statistics records from its
// squad list, the club season marks cleared.
void Club_InitSeasonData();
// The three per-club resets of a new season (clubs with a full record).
void Club_ResetMatchList(int16_t club);     // 127 entries of 16 bytes from byte 1,998
void Club_ResetMatchPairs(int16_t club);    // 200 two-byte entries from byte 4,030: 255
void Club_ResetSeasonBlocks(int16_t club);  // two 20-byte blocks from byte 4,430: 0
// The same on a record by its index 0-113.
void ClubRecord_ResetSeasonLists(int record);

// Every season empty, no managers of the month, every statistics record free.
void Honours_Reset();
