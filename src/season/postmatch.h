// After the match: what a played fixture leaves in the world.
//
// The match day books each result and then hands both sides here, one call
// per side: every player who took part gets his appearance, goals, assists,
// cards, suspension, morale, fitness, fatigue, training, experience and
// injuries from his MatchPlayerStats in the MatchResult; the clubs get their
// record win and defeat, record goals, disciplinary totals and crowd records;
// the fixture gets its per-player entries; the club record gets the match's
// goal log, discipline log and match totals. For the user's watched match the
// players' figures are kept in the 16 PlayerMatchRecords the report screens
// read.
//
// A few small operations the world facade forwards here live beside them:
// the set-piece taker finders, the captain, the followed competition, the
// runs of home and away wins and a player's form factor.
//
// No money changes hands here: gate money is paid when the crowd is counted.
#pragma once

#include <cstdint>

#include "gamecode/matchrec.h"
#include "season/matchday.h"
#include "world/fixtures.h"
#include "world/records.h"

// The MatchSetup header's display mode (gamecode/matchrec.h) is written only
// for a watched match, so a background match reads the 0xFF fill (-1); 0 or
// less is a background match.
bool PostMatch_IsBackgroundMatch();

// ---- the fixture's player entries ----
// Per side 16 six-byte entries: int16 player (-1 none), the match mark's low
// byte, a flag byte (bits 0-4 goals, bit 5 booked, bit 6 sent off, bit 7 man
// of the match) and two bytes no writer touches.
constexpr int FIXTURE_SIDE_ENTRIES = 16;
constexpr int FIXTURE_PLAYER_ENTRY_SIZE = 6;
constexpr int FIXTURE_SIDE_OFFSET[2] = {12, 108};
constexpr uint8_t FIXTURE_ENTRY_GOALS_MASK = 0x1F;
constexpr uint8_t FIXTURE_ENTRY_BOOKED = 0x20;
constexpr uint8_t FIXTURE_ENTRY_SENT_OFF = 0x40;
constexpr uint8_t FIXTURE_ENTRY_MAN_OF_MATCH = 0x80;

// ---- the club record's match lists ----
// The goal log: 127 items of 16 bytes, a scored half and a conceded half of
// 8 bytes each (int16 player, -1 free; minute; kind/place/venue byte; three
// bytes no writer touches; competition).
constexpr int CLUB_GOAL_LOG = 1998;
constexpr int CLUB_GOAL_LOG_ITEMS = 127;
constexpr int CLUB_GOAL_LOG_ITEM_SIZE = 16;
constexpr int CLUB_GOAL_LOG_HALF = 8;
// The discipline log: 200 (minute, kind) pairs, a first byte of 255 free.
constexpr int CLUB_DISCIPLINE_LOG = 4030;
constexpr int CLUB_DISCIPLINE_PAIRS = 200;
// The season's match totals: block 0 at home, block 1 away, ten int16 each.
constexpr int CLUB_MATCH_TOTALS = 4430;
constexpr int CLUB_MATCH_TOTAL_BLOCKS = 2;
constexpr int CLUB_MATCH_TOTAL_COUNT = 10;
// In a TeamMatchRecord: the ten int16 totals (the side's corners, shots on and
// off target, players booked, players sent off, then the opponent's five).
constexpr int TEAM_MATCH_TOTALS = 2549;
constexpr int TEAM_CARD_KIND_SENT_OFF = 3;

// The post-match writers: each takes the club's full record (nothing happens
// for null) and the side's TeamMatchRecord.
void GNW_EmptyPostMatchHook();
// Adds the team record's ten totals into the club's block (0 home, 1 away).
void GNW_AddMatchStatsToClub(ClubRecord* record, const uint8_t* team, int block);
// Appends the team record's card pairs behind the club's last used pair, up
// to a pair whose kind byte is 0 or negative, as long as the log has room.
void GNW_AddMatchEventsToClub(ClubRecord* record, const uint8_t* team);
// Goals scored (this side's goal list) into the first halves of the free
// items, goals conceded (the other side's list in the result) into the
// second halves.
void GNW_AddMatchLogToClub(ClubRecord* record, const uint8_t* result, const uint8_t* teamList, int side);
// The fixture's entry n (0-15) of a side from the team record's
// MatchPlayerStats n; the flag bits are only ever set.
void GNW_SetFixturePlayerEntry(FixtureRecord* fixture, int side, int entry, const uint8_t* team);
// Every entry of the side: player -1, mark and flags 0.
void GNW_ClearFixturePlayerEntries(FixtureRecord* fixture, int side);

// ---- the world's career records (game country only; saved with the game) ----
extern int16_t RecordCareerApps;
extern int16_t RecordCareerAppsPlayer;   // -1 none
extern int16_t RecordCareerGoals;
extern int16_t RecordCareerGoalsPlayer;  // -1 none

// ---- the post-match updates ----
// Both sides of a booked fixture, home first, then the home club's crowd
// records unless the ground is neutral.
void PostMatchUpdates(int16_t fixture, int32_t attendance, bool neutral);
// One side (0 home, 1 away) of the fixture from the MatchResult: the club's
// players, records and logs. A fixture index that names no fixture stops the
// program ("Invalid fixture slot no. %d") unless the code is 117 or 118.
void UpdatePlayersAfterMatch(int16_t club, int16_t side, int16_t fixture);
// A crowd above the record is the new record (news and a club event from the
// second season on); otherwise a crowd not above the record low, or a first
// low, is the new low.
void UpdateCrowdRecords(int16_t club, int32_t attendance, int16_t opponent);
// A larger margin, or the same margin with more goals, is the new record (each
// club with its own goals first); from the second season on with news and a
// step of the club's reputation (up for a win, down for a defeat).
void UpdateRecordWin(int16_t club, int16_t goalsFor, int16_t goalsAgainst, int16_t opponent);
void UpdateRecordDefeat(int16_t club, int16_t goalsFor, int16_t goalsAgainst, int16_t opponent);
// The player's season goals against the club's record for one player in a season.
void UpdateSeasonGoalsRecord(int16_t club, int16_t player);
// The first threshold (7, 12, 17, 22) the player's points crossed since
// `before` suspends him for 1-4 more matches, with news.
void ApplyDisciplinePoints(int16_t player, int16_t before);

// Disciplinary points of a card state (1 booked, 2 booked twice, 3 sent off).
constexpr int DISCIPLINE_POINTS_PER_CARD = 2;
// Matches a sending-off adds to the suspension: 1 for two bookings, 3 for a
// straight red.
int16_t SendingOffBan(int16_t cardState);

// ---- the watched match's player records ----
constexpr int PLAYER_MATCH_RECORDS = 16;
constexpr int PLAYER_MATCH_RECORD_TIME = 116;  // byte: minutes on the pitch
// The goal log beside them: 8-byte entries (int16 player, a byte with the
// side in bit 0 and the kind in bits 1-7, three bytes, the second value's low
// byte, the minute), ended by an entry of kind 127.
constexpr int MATCH_GOAL_LOG_ENTRIES = 25;
constexpr int MATCH_GOAL_LOG_ENTRY_SIZE = 8;
constexpr int MATCH_GOAL_LOG_END = 127;
constexpr int MATCH_LOG_MAX_ENTRIES = 200;
extern uint8_t PlayerMatchRecords[PLAYER_MATCH_RECORDS][PLAYER_MATCH_RECORD_SIZE];
extern uint8_t MatchGoalLog[MATCH_GOAL_LOG_ENTRIES][MATCH_GOAL_LOG_ENTRY_SIZE];
// The longest time anybody of the side played, rounded down to 30 minutes.
extern int16_t PlayerMatchRecordMinutes;
// Copies the side's 16 players' records out of the MatchResult (an empty
// place gets player -1 and nothing else), then the match log.
void FillPlayerMatchRecords(int16_t side);
// The record of squad place 0-15, else null.
uint8_t* GetPlayerMatchRecord(int16_t slot);

// ---- operations the world facade forwards here ----
// The competition whose results the user follows (code, -1 none) and, for the
// league, its division (-1 otherwise): FollowedCompetition and
// FollowedDivision, kept with the match day's values.
// The first human-managed club's first fixture today that is not code 118.
void ChooseFollowedCompetition();
// The player wearing a shirt 2-11 of the club's squad list with the highest
// sum of the taker's statistics (the first found at a tie); -1 for a club
// with a human manager (he chooses) or nobody.
int16_t FindBestFreeKickTaker(int16_t club);  // physical 14 + ability 7 + ability 4
int16_t FindBestPenaltyTaker(int16_t club);   // ability 3 + ability 7
int16_t FindBestCornerTaker(int16_t club);    // physical 13 + ability 7
int16_t PickAndFindCaptain(int16_t club);
// Scanning back from a fixture (itself included), the club's last four played
// fixtures at home (away): how many it won; 2 when fewer than four are found.
int16_t RunOfHomeWins(int16_t club, int16_t lastFixture);
int16_t RunOfAwayWins(int16_t club, int16_t lastFixture);
// 100 - (experience x form dip) / 126, the form dip at the player's form phase.
int16_t GetPlayerFormFactor(int16_t player);

// Records, logs and followed competition as at program start.
void PostMatch_Reset();
