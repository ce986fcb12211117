// The background result simulation: every match that no human manager
// watches is decided here, without the match engine.
//
// Both team sheets (season/simsheet.h) are rated with seven figures per side;
// the number of chances and how often the side gets a shot are drawn from
// them, and a timeline over the period's minutes spreads fouls, sendings-off,
// knocks, substitutions and shots. Knockout matches get extra time and a short
// shoot-out. Each player gets a match mark, and everything the post-match
// updates read is written into the MatchResult. For the followed competition
// each goal and sending-off also goes into the day's MatchEvent list.
//
// Every roll comes from GameRandom() in a fixed order, so a seed repeats a
// match exactly.
#pragma once

#include <cstdint>

#include "season/simsheet.h"

// Period lengths in minutes.
constexpr int SIM_NORMAL_TIME = 90;
constexpr int SIM_EXTRA_TIME = 30;

// Per side: r0 defence, r1 midfield, r2 attack, r3 finishing, r4 shooting
// (sums over the players on the pitch, starting at 1), r5 the average
// personality 15 and r6 the average physical 12 byte of those players.
struct SimTeamRatings {
  int16_t r[7];
};

// The per-player rating table: each player's share of r0-r4 and his rating in
// goal (the r0 sum without its ability 2 and physical 14 terms).
constexpr int SIM_PLAYER_RATINGS = 6;
constexpr int SIM_KEEPER_RATING = 5;

// Shot kinds and outcomes.
constexpr int SIM_SHOT_FREE_KICK = 6;   // after a sending-off
constexpr int SIM_SHOT_CENTRAL = 8;
constexpr int SIM_SHOT_WIDE = 14;
constexpr int SIM_SHOT_AFTER_INJURY = 18;
constexpr int SIM_OUTCOME_SAVED = 0;
constexpr int SIM_OUTCOME_GOAL = 8;
constexpr int SIM_OUTCOME_MISSED = 10;
// Goal kinds.
constexpr int SIM_GOAL_OPEN_PLAY = 1;
constexpr int SIM_GOAL_AFTER_INJURY = 3;
constexpr int SIM_GOAL_FREE_KICK = 8;
constexpr int SIM_GOAL_OWN_GOAL = 11;

// SimulateMatchResult's answer.
constexpr int SIM_RESULT_DONE = 2;

// The day's MatchEvent list. A MatchEvent is 17 bytes of little-endian bit
// fields:
//   bytes 0-3: kind (bits 0-2), this side's club (3-10), this side's goals so
//     far (11-14), minute + 1 (15-22), event sequence number (23-30), side
//     (31: 0 home, 1 away)
//   bytes 4-7: player (0-18), competition code is 118 (19), the other side's
//     club (20-27), the other side's goals (28-31)
//   byte 8: competition code
//   bytes 9-12: this side's first-leg goals (0-4), the other side's (5-9), this
//     side's shoot-out score (10-13), the other side's (14-17), the competition
//     values: cup or division (18-21), round (22-25), spare (26-30), a
//     second-leg code of a round that is not two-legged (31)
//   byte 13: bit 0 second leg; bits 1-7 and bytes 14-16 free for the ticker.
// Counts saturate at their field's largest value.
constexpr int MATCH_EVENT_SIZE = 17;
constexpr int MAX_MATCH_EVENTS = 512;
constexpr int MATCH_EVENT_GOAL = 1;
constexpr int MATCH_EVENT_GOAL_AFTER_INJURY = 2;
constexpr int MATCH_EVENT_OWN_GOAL = 3;
constexpr int MATCH_EVENT_SENDING_OFF = 4;

struct MatchEventFields {
  int kind;
  int club;
  int goals;
  int minute;  // the match minute (stored + 1)
  int sequence;
  int side;
  int32_t player;
  int special;  // competition code 118
  int otherClub;
  int otherGoals;
  int competition;
  int firstLegGoals;
  int otherFirstLegGoals;
  int shootout;
  int otherShootout;
  CompetitionValues values;
  int secondLeg;
};

struct MatchEventList {
  int16_t count;
  uint8_t events[MAX_MATCH_EVENTS][MATCH_EVENT_SIZE];
};
extern MatchEventList MatchEvents;

void EncodeMatchEvent(const MatchEventFields& fields, uint8_t* out);
MatchEventFields DecodeMatchEvent(const uint8_t* event);
// Empties the day's list (the day loop and the front end).
void ClearMatchEvents();

// Plays one background match: both sides must be in the MatchSetup. Leaves the
// score and shoot-out in the side records and the whole result in the
// MatchResult; returns SIM_RESULT_DONE.
int SimulateMatchResult(int16_t home, int16_t away, int16_t competition, int16_t extraTimeRule,
                        int16_t goldenGoalRule, int16_t penaltiesRule, int16_t recordEvents);
// Sets the link's flags (a human club's part, recording events), runs the
// match, counts it and times it.
int RunBackgroundMatch(int16_t home, int16_t away, int16_t competition, int16_t extraTimeRule,
                       int16_t goldenGoalRule, int16_t penaltiesRule, int16_t recordEvents);
// Sheets, formation copies, side records and the match flags.
void SimulationInit(int16_t home, int16_t away, int16_t extraTimeRule, int16_t goldenGoalRule,
                    int16_t penaltiesRule);

// One player's six ratings when he plays in a role (all 0 without a role).
void ComputeSimPlayerRatings(const SimPlayerEntry& entry, int role, int16_t out[SIM_PLAYER_RATINGS]);
// The per-player table and the team ratings of the last match.
int16_t GetSimPlayerRating(int side, int entry, int rating);
const SimTeamRatings& GetSimTeamRatings(int side);

// The kind of an injury from the attack tally (rows 1-6).
int DrawSimInjuryKind(int attackTally);
// The tie on aggregate after normal time (extraTime false) or extra time.
void CheckSimAggregate(bool extraTime);
// Two sides that both make many chances: both scoring counts come down one
// at a time until one of them is 10 or less.
void CutSimScoringCounts(int* home, int* away);
// Marks: the best mark is scaled into 98 when it lies in 41-84 or is 96 or
// more; answers the scaled value of mark.
int ScaleSimMark(int mark, int best);

void SimMatch_Reset();
