// The match set-up and match result records: a match is handed to the match
// engine in the one MatchSetup and handed back in the one MatchResult. Both
// are byte arrays laid out as the replay files store them; only the fields
// read so far are named here.
#pragma once

#include <cstdint>

// MatchSetup: a 49-byte header and the two 5,924-byte team blocks.
constexpr int MATCH_SETUP_SIZE = 11897;
constexpr int MATCH_SETUP_HEADER_SIZE = 49;
constexpr int MATCH_SETUP_TEAM_SIZE = 5924;
constexpr int MATCH_SETUP_TEAM_OFFSET[2] = {MATCH_SETUP_HEADER_SIZE, MATCH_SETUP_HEADER_SIZE + MATCH_SETUP_TEAM_SIZE};
// In the header: the rules of the tie, one byte each.
constexpr int SETUP_EXTRA_TIME = 0;   // extra-time rule, 0 none
constexpr int SETUP_PENALTIES = 1;    // shoot-out rule, 0 none
constexpr int SETUP_SECOND_LEG = 5;   // 1 in the second leg of a two-legged tie
constexpr int SETUP_AWAY_GOALS = SETUP_SECOND_LEG;  // the away-goals rule the match reads there
// The rest of the header the match day writes.
constexpr int SETUP_GOLDEN_GOAL = 2;      // byte: 1 when the extra-time rule is 4
constexpr int SETUP_SILVER_GOAL = SETUP_GOLDEN_GOAL;  // the match plays it as the silver-goal rule
constexpr int SETUP_MATCH_LENGTH = 3;     // int16 L: a half lasts L x 60 seconds of the game clock (5)
constexpr int SETUP_OFFICIAL = 9;         // three bytes of the match official
constexpr int SETUP_REFEREE_RULE1 = 9;    // s8: the referee's first rule value
constexpr int SETUP_REFEREE_RULE2 = 10;   // s8: his second rule value
constexpr int SETUP_REFEREE_FAVOUR = 11;  // s8: 1 favours side 0, 2 side 1, else none
constexpr int SETUP_OFFICIAL_ZERO = 12;   // byte: 0
constexpr int SETUP_DISPLAY_MODE = 14;    // int16: 0 commentary, 1 scanner, 2 watch
constexpr int SETUP_SUBSTITUTES = 16;     // int16: substitutes allowed
constexpr int SETUP_THREE = 18;           // int16: 3
constexpr int SETUP_STAND_KINDS = 20;     // int16 x 4: 1 a small ground, 7 a big one
constexpr int SETUP_STAND_ZEROS = 28;     // 4 bytes: 0
constexpr int SETUP_CROWD_LEVEL = 32;     // byte 0-3: the crowd in quarters of the ground
constexpr int SETUP_WEEKDAY = 33;         // byte: 0 a weekend match, 1 a midweek one

// In a team block: the team name, zero-ended within its 40 bytes.
constexpr int SETUP_TEAM_NAME = 0;
constexpr int SETUP_TEAM_NAME_SIZE = 40;
constexpr int SETUP_TEAM_KIT = 40;              // the 48-byte kit design
constexpr int SETUP_TEAM_KIT_SIZE = 48;
constexpr int SETUP_TEAM_HUMAN = 88;            // byte: the club's control value, 0 computer-run
constexpr int SETUP_TEAM_TACTIC = 89;           // int16: 0-39 a stock tactic, 40-51 a custom formation
constexpr int SETUP_TEAM_TACTIC_VALUE = 91;     // int16: the second tactic value
constexpr int SETUP_TEAM_FORMATION = 93;        // TacticsRecord: the side's formation in the match
constexpr int SETUP_TEAM_CUSTOM_FORMATIONS = SETUP_TEAM_FORMATION;  // 12 TacticsRecords, the first the formation
constexpr int SETUP_TEAM_CUSTOM_COUNT = 12;
constexpr int SETUP_TEAM_FIRST_LEG_GOALS = 4053;  // int16: this side's goals in the first leg
// int16 shirt numbers (1-16; anything else no one) of the captain and the
// corner, penalty and free-kick takers.
constexpr int SETUP_TEAM_CAPTAIN = 4055;
constexpr int SETUP_TEAM_CORNER_TAKER = 4057;
constexpr int SETUP_TEAM_PENALTY_TAKER = 4059;
constexpr int SETUP_TEAM_FREE_KICK_TAKER = 4061;
constexpr int SETUP_TEAM_RATINGS = 4063;        // int16 x 4: set-pieces 3, 2, 1 and teamwork, 0-100
constexpr int SETUP_TEAM_PLAYERS = 4071;        // MatchSetupPlayer x 17: 0-15 by squad order, 16 the manager
constexpr int SETUP_TEAM_PLAYER_COUNT = 17;

// MatchSetupPlayer, 109 bytes: the surname, the position byte, appearance
// words, then int16 match values on a 1-99 scale and the player's numbers.
constexpr int MATCH_SETUP_PLAYER_SIZE = 109;
constexpr int SETUP_PLAYER_SURNAME = 0;  // char[20], zero-ended
constexpr int SETUP_PLAYER_SURNAME_SIZE = 20;
constexpr int SETUP_PLAYER_POSITION_BYTE = 20;  // the stored position code again, as a byte
constexpr int SETUP_PLAYER_LOOK1 = 21;          // int16 appearance codes; the spare words after
constexpr int SETUP_PLAYER_LOOK2 = 23;          // the second and third hold -1
constexpr int SETUP_PLAYER_SPARE1 = 25;
constexpr int SETUP_PLAYER_LOOK3 = 27;
constexpr int SETUP_PLAYER_SPARE2 = 29;
constexpr int SETUP_PLAYER_PACE = 31;    // physical 8 after fatigue
constexpr int SETUP_PLAYER_PHYSICAL11 = 33;
constexpr int SETUP_PLAYER_PHYSICAL10 = 35;
constexpr int SETUP_PLAYER_PHYSICAL9 = 37;
constexpr int SETUP_PLAYER_PHYSICAL12 = 39;
constexpr int SETUP_PLAYER_PHYSICAL13 = 41;
constexpr int SETUP_PLAYER_PHYSICAL14 = 43;
constexpr int SETUP_PLAYER_ABILITY0 = 45;  // abilities 0, 1, 2, 3, 4, 5, 7, 6 in this order
constexpr int SETUP_PLAYER_ABILITY1 = 47;
constexpr int SETUP_PLAYER_ABILITY2 = 49;
constexpr int SETUP_PLAYER_ABILITY3 = 51;
constexpr int SETUP_PLAYER_ABILITY4 = 53;
constexpr int SETUP_PLAYER_ABILITY5 = 55;
constexpr int SETUP_PLAYER_ABILITY7 = 57;
constexpr int SETUP_PLAYER_ABILITY6 = 59;
constexpr int SETUP_PLAYER_PERSONALITY15 = 61;  // personalities 15-21 in order
constexpr int SETUP_PLAYER_PERSONALITY16 = 63;
constexpr int SETUP_PLAYER_PERSONALITY17 = 65;
constexpr int SETUP_PLAYER_PERSONALITY18 = 67;
constexpr int SETUP_PLAYER_PERSONALITY19 = 69;
constexpr int SETUP_PLAYER_PERSONALITY20 = 71;
constexpr int SETUP_PLAYER_PERSONALITY21 = 73;
constexpr int SETUP_PLAYER_EXPERIENCE = 75;     // 0-63
constexpr int SETUP_PLAYER_POSITION = 77;       // stored position code 0-12
constexpr int SETUP_PLAYER_SHIRT = 79;
constexpr int SETUP_PLAYER_LEFT_SIDE = 81;
constexpr int SETUP_PLAYER_RIGHT_SIDE = 83;
constexpr int SETUP_PLAYER_RECURRING_INJURY = 85;
constexpr int SETUP_PLAYER_NUMBER = 87;         // the world's player number, -1 none
// Unscaled copies: personality 20 (x 100 / 200), abilities 7, 0, 3, ability 4
// (x 90 / 100), abilities 2, 1, physical 8, physical 14, ability 5.
constexpr int SETUP_PLAYER_PERSONALITY20_RAW = 89;
constexpr int SETUP_PLAYER_ABILITY7_RAW = 91;
constexpr int SETUP_PLAYER_ABILITY0_RAW = 93;
constexpr int SETUP_PLAYER_ABILITY3_RAW = 95;
constexpr int SETUP_PLAYER_ABILITY4_RAW = 97;
constexpr int SETUP_PLAYER_ABILITY2_RAW = 99;
constexpr int SETUP_PLAYER_ABILITY1_RAW = 101;
constexpr int SETUP_PLAYER_PACE_RAW = 103;
constexpr int SETUP_PLAYER_PHYSICAL14_RAW = 105;
constexpr int SETUP_PLAYER_ABILITY5_RAW = 107;

// The address of one MatchSetupPlayer (side 0-1, entry 0-16).
inline int SetupPlayerOffset(int side, int entry) {
  return MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_PLAYERS + entry * MATCH_SETUP_PLAYER_SIZE;
}

// TacticsRecord, 330 bytes: 11 slots of 30 bytes from the record's start
// (slot 0 the keeper); x is a column 0-14 of the formation grid, y a row 0-17.
constexpr int TACTICS_RECORD_SIZE = 330;
constexpr int TACTICS_SLOT_SIZE = 30;
constexpr int TACTICS_SLOTS = 11;
constexpr int TACTICS_SLOT_ROLE = 0;
constexpr int TACTICS_SLOT_X = 5;
constexpr int TACTICS_SLOT_Y = 7;
constexpr int TACTICS_SLOT_ATTACK_X = 9;
constexpr int TACTICS_SLOT_ATTACK_Y = 11;
constexpr int TACTICS_SLOT_PARTNER = 13;      // byte: low 5 bits another slot, 31 none
constexpr int TACTICS_SLOT_FORWARD_RUN = 14;  // byte
constexpr int TACTICS_SLOT_HOLD = 15;         // byte
constexpr int TACTICS_SLOT_WING = 16;         // byte
constexpr int TACTICS_SLOT_TARGETS = 17;      // int16 x 4, -1 none; the last two a target point x, y
constexpr int TACTICS_SLOT_TARGET_COUNT = 4;

// MatchResult: the two 2,569-byte team records, then the match log, the
// balance of play, the heat maps and the flank totals.
constexpr int MATCH_RESULT_SIZE = 44208;
constexpr int TEAM_MATCH_RECORD_SIZE = 2569;
constexpr int TEAM_MATCH_RECORD_OFFSET[2] = {0, TEAM_MATCH_RECORD_SIZE};
// In a team record: int16 goals in the match (extra time in, shoot-out out).
constexpr int TEAM_GOALS = 0;
constexpr int TEAM_SHOOTOUT_GOALS = 2;      // int16
constexpr int TEAM_SHOTS_ON = 4;            // int16 shots on target
constexpr int TEAM_SHOTS_OFF = 6;           // int16 shots less shots on target
constexpr int TEAM_CORNERS = 8;             // int16
constexpr int TEAM_UNUSED = 10;             // int16, not written by the match
constexpr int TEAM_FOULS = 12;              // int16
constexpr int TEAM_POSSESSION_LOW = 14;     // int16: low half of the side's possession counter
constexpr int TEAM_PLAYER_STATS = 16;       // MatchPlayerStats x 17, one per squad place
constexpr int TEAM_PLAYER_SLOTS = 17;
constexpr int TEAM_MAN_OF_MATCH = 2345;     // int16 player number, -1 none
constexpr int TEAM_GOAL_LIST = 2347;        // 20 x 8 bytes; an int16 scorer of -1 ends the list
constexpr int TEAM_GOAL_LIST_ENTRIES = 20;
constexpr int TEAM_GOAL_LIST_ENTRY_SIZE = 8;
constexpr int TEAM_CARD_LIST = 2507;        // 20 x 2 bytes; 0xFF 0xFF is an empty slot
constexpr int TEAM_CARD_LIST_ENTRIES = 20;
constexpr int TEAM_CORNERS_COPY = 2549;     // int16 copies of corners, shots on and shots off
constexpr int TEAM_SHOTS_ON_COPY = 2551;
constexpr int TEAM_SHOTS_OFF_COPY = 2553;
constexpr int TEAM_BOOKED = 2555;           // int16: players who ended with one yellow card
constexpr int TEAM_SENT_OFF = 2557;         // int16: players sent off
constexpr int TEAM_OPP_CORNERS = 2559;      // int16: the opponent's corners
constexpr int TEAM_OPP_SHOTS_ON = 2561;     // int16: the opponent's shots on target, over its players
constexpr int TEAM_OPP_SHOTS_OFF = 2563;    // int16: the opponent's shots off target, over its players
constexpr int TEAM_OPP_BOOKED = 2565;       // int16
constexpr int TEAM_OPP_SENT_OFF = 2567;     // int16
// A goal-list entry: int16 scorer's player number, byte minute, byte packed
// (bits 0-4 goal type code, bits 5-6 area, bit 7 side), four spare bytes.
constexpr int GOAL_ENTRY_SCORER = 0;
constexpr int GOAL_ENTRY_MINUTE = 2;
constexpr int GOAL_ENTRY_PACKED = 3;
// A card-list slot: byte minute, byte kind (1 yellow, 3 red).
constexpr int CARD_ENTRY_MINUTE = 0;
constexpr int CARD_ENTRY_KIND = 1;
constexpr int CARD_ENTRY_SIZE = 2;

// After both team records: the match log of 11-byte entries, ended by a kind
// byte of 0xFF.
constexpr int MATCH_LOG = 5155;
constexpr uint8_t MATCH_LOG_END = 0xFF;
constexpr int MATCH_LOG_ENTRY_SIZE = 11;   // byte kind, int16 period, minute, side, first, second
constexpr int MATCH_LOG_KIND = 0;
constexpr int MATCH_LOG_PERIOD = 1;
constexpr int MATCH_LOG_MINUTE = 3;
constexpr int MATCH_LOG_SIDE = 5;
constexpr int MATCH_LOG_FIRST = 7;
constexpr int MATCH_LOG_SECOND = 9;
constexpr int MATCH_LOG_ROOM = 200;        // entries that fit before the balance of play
constexpr int MATCH_LOG_LIVE_LIMIT = 199;  // entries the match appends while it runs
constexpr int MATCH_LOG_REWRITE_LIMIT = 198;  // entries the post-match rewrite writes
enum MatchLogKind : uint8_t { LOG_GOAL = 0, LOG_SUBSTITUTION = 1, LOG_YELLOW = 2, LOG_RED = 3 };
// The balance of play per minute 0-120 (0xFF for minutes not played).
constexpr int MATCH_BALANCE = 7355;
constexpr int MATCH_BALANCE_MINUTES = 121;
// The heat maps: 32 players and two ball maps (by the side in possession), 15
// length zones by 18 width zones of int32.
constexpr int MATCH_HEAT_MAPS = 7476;
constexpr int HEAT_MAP_COUNT = 34;
constexpr int HEAT_LENGTH_ZONES = 15;
constexpr int HEAT_WIDTH_ZONES = 18;
constexpr int HEAT_MAP_SIZE = HEAT_LENGTH_ZONES * HEAT_WIDTH_ZONES * 4;
constexpr int HEAT_BALL_MAP = 32;
// Frames of possession on the first flank, the central third and the second
// flank, seen in side 0's direction of play (int32 x 3).
constexpr int MATCH_FLANK_TOTALS = 44196;
inline int HeatCellOffset(int map, int lengthZone, int widthZone) {
  return MATCH_HEAT_MAPS + map * HEAT_MAP_SIZE + (lengthZone * HEAT_WIDTH_ZONES + widthZone) * 4;
}

// MatchPlayerStats, 137 bytes: six int16 figures, then from byte 12 the
// player's PlayerMatchRecord (125 bytes).
constexpr int MATCH_PLAYER_STATS_SIZE = 137;
constexpr int PLAYER_STATS_MARK = 0;        // int16: match rating, 0 did not play, -1 not in the squad
constexpr int PLAYER_STATS_RATING = PLAYER_STATS_MARK;
constexpr int PLAYER_STATS_GOALS = 2;       // int16
constexpr int PLAYER_STATS_ASSISTS = 4;     // int16
constexpr int PLAYER_STATS_CARD_STATE = 6;  // int16: 1 booked, 2 booked twice, 3 sent off
constexpr int PLAYER_STATS_WORKLOAD = 8;    // int16: non-zero when he played
constexpr int PLAYER_STATS_FATIGUE = PLAYER_STATS_WORKLOAD;  // the match writes his fatigue there
constexpr int PLAYER_STATS_INJURY = 10;     // int16: 0 none
constexpr int PLAYER_STATS_RECORD = 12;     // the PlayerMatchRecord
// In the PlayerMatchRecord (125 bytes; offsets from its start). The
// statistic number of each field is its index in the statistics list.
constexpr int PLAYER_MATCH_RECORD_SIZE = 125;
constexpr int MATCH_RECORD_PLAYER = 0;        // int16 player number, -1 none
constexpr int MATCH_RECORD_FATIGUE = 2;       // int16
constexpr int MATCH_RECORD_ACTIVITY1 = 4;     // int16, x 95 / the busiest player's
constexpr int MATCH_RECORD_WORKRATE = 6;      // int16, scaled the same way
constexpr int MATCH_RECORD_INVOLVEMENT = 8;   // int16, scaled the same way
constexpr int MATCH_RECORD_PERFORMANCE = 10;  // int16 match mark
constexpr int MATCH_RECORD_APPEARANCES = 12;  // int16
constexpr int MATCH_RECORD_ASSISTS = 14;      // byte
constexpr int MATCH_RECORD_KEY_EVENTS = 15;   // 6 bytes
constexpr int MATCH_RECORD_POSSESSION = 21;   // int16
constexpr int MATCH_RECORD_COUNTERS15 = 23;   // 5 bytes: 15, possession low byte, offsides, crosses received, 19
constexpr int MATCH_RECORD_SKILL_LOSS1 = 28;  // byte
constexpr int MATCH_RECORD_SKILL_LOSS2 = 29;  // byte
constexpr int MATCH_RECORD_SHOTS_ON = 30;     // byte
constexpr int MATCH_RECORD_SHOTS_OFF = 31;    // byte
constexpr int MATCH_RECORD_GOALS = 34;        // byte
constexpr int MATCH_RECORD_COUNTER43 = 43;    // byte, not in the statistics list
constexpr int MATCH_RECORD_CONCEDED = 58;     // byte: goals conceded (keepers)
constexpr int MATCH_RECORD_STAT55 = 64;       // int16
constexpr int MATCH_RECORD_STAT56 = 66;       // int16
constexpr int MATCH_RECORD_FURTHER = 68;      // 10 bytes
constexpr int MATCH_RECORD_PASSES_TO = 78;    // 16 bytes, one per object of the own side
constexpr int MATCH_RECORD_PASSES_TO_DONE = 94;  // 16 bytes
constexpr int MATCH_RECORD_COUNTER110 = 110;  // 2 bytes
constexpr int MATCH_RECORD_CONDITION = 112;   // s8
constexpr int MATCH_RECORD_DISTANCE1 = 113;   // s8 x 2: the distance counters / 333
constexpr int MATCH_RECORD_DISTANCE2 = 114;
constexpr int MATCH_RECORD_AFTER_MATCH = 115; // s8, filled after the match
constexpr int MATCH_RECORD_TIME_ON_PITCH = 116;  // byte, filled after the match
constexpr int MATCH_RECORD_INJURY = 117;      // s8, filled after the match
constexpr int MATCH_RECORD_IN_GOAL = 118;     // bit 0
constexpr int MATCH_RECORD_OUTFIELD = 120;    // bit 0
constexpr int MATCH_RECORD_BITS = 121;        // int16: bits 0-1, 2-5 pens, 6-7 cards, 8-9 injury
constexpr int PLAYER_MATCH_RECORD_STATISTICS = 69;

// The address of one MatchPlayerStats (side 0-1, squad place 0-16).
inline int PlayerStatsOffset(int side, int place) {
  return TEAM_MATCH_RECORD_OFFSET[side] + TEAM_PLAYER_STATS + place * MATCH_PLAYER_STATS_SIZE;
}

static_assert(MATCH_SETUP_TEAM_OFFSET[1] + MATCH_SETUP_TEAM_SIZE == MATCH_SETUP_SIZE);
static_assert(SETUP_WEEKDAY < MATCH_SETUP_HEADER_SIZE);
static_assert(SETUP_TEAM_KIT + SETUP_TEAM_KIT_SIZE == SETUP_TEAM_HUMAN);
static_assert(SETUP_TEAM_RATINGS + 4 * 2 == SETUP_TEAM_PLAYERS);
static_assert(SETUP_PLAYER_ABILITY5_RAW + 2 == MATCH_SETUP_PLAYER_SIZE);
static_assert(TACTICS_SLOT_TARGETS + TACTICS_SLOT_TARGET_COUNT * 2 <= TACTICS_SLOT_SIZE);
static_assert(SETUP_TEAM_PLAYERS + SETUP_TEAM_PLAYER_COUNT * MATCH_SETUP_PLAYER_SIZE == MATCH_SETUP_TEAM_SIZE);
static_assert(SETUP_TEAM_FORMATION + 12 * TACTICS_RECORD_SIZE == SETUP_TEAM_FIRST_LEG_GOALS);
static_assert(TEAM_PLAYER_STATS + TEAM_PLAYER_SLOTS * MATCH_PLAYER_STATS_SIZE == TEAM_MAN_OF_MATCH);
static_assert(TEAM_CARD_LIST + TEAM_CARD_LIST_ENTRIES * 2 + 22 == TEAM_MATCH_RECORD_SIZE);
static_assert(MATCH_LOG > 2 * TEAM_MATCH_RECORD_SIZE);
static_assert(MATCH_SETUP_SIZE == 11897 && MATCH_SETUP_TEAM_SIZE == 5924 && MATCH_SETUP_PLAYER_SIZE == 109);
static_assert(MATCH_SETUP_TEAM_OFFSET[1] == 5973);
static_assert(SETUP_TEAM_PLAYERS == 4071 && SETUP_TEAM_FIRST_LEG_GOALS == 4053);
static_assert(MATCH_RESULT_SIZE == 44208 && TEAM_MATCH_RECORD_SIZE == 2569);
static_assert(MATCH_PLAYER_STATS_SIZE == 137 && PLAYER_MATCH_RECORD_SIZE == 125);
static_assert(PLAYER_STATS_RECORD + PLAYER_MATCH_RECORD_SIZE == MATCH_PLAYER_STATS_SIZE);
static_assert(TEAM_GOAL_LIST + TEAM_GOAL_LIST_ENTRIES * TEAM_GOAL_LIST_ENTRY_SIZE == TEAM_CARD_LIST);
static_assert(TEAM_CARD_LIST + TEAM_CARD_LIST_ENTRIES * CARD_ENTRY_SIZE + 2 == TEAM_CORNERS_COPY);
static_assert(TEAM_OPP_SENT_OFF + 2 == TEAM_MATCH_RECORD_SIZE);
static_assert(MATCH_LOG + MATCH_LOG_ROOM * MATCH_LOG_ENTRY_SIZE == MATCH_BALANCE);
static_assert(MATCH_BALANCE + MATCH_BALANCE_MINUTES == MATCH_HEAT_MAPS);
static_assert(MATCH_HEAT_MAPS + HEAT_MAP_COUNT * HEAT_MAP_SIZE == MATCH_FLANK_TOTALS);
static_assert(MATCH_FLANK_TOTALS + 3 * 4 == MATCH_RESULT_SIZE);
static_assert(MATCH_RECORD_BITS + 2 + 2 == PLAYER_MATCH_RECORD_SIZE);

uint8_t* GetMatchSetupRecord();
uint8_t* GetMatchResultRecord();
// Fills the whole MatchSetup with 0xFF and answers its address: every field
// the fixture's set-up does not write reads as -1 or 255.
uint8_t* ClearMatchSetupRecord();
// Every cell of the 34 heat maps of MatchResult 0.
void ClearHeatMaps();
// Each team block's tactic: a human side gets the tactics designer's two
// selections and the twelve custom formations; a computer side the tactic
// its club's manager would pick (computerTactic[side], tactic choice x 5 +
// rating, worked out by the caller that knows the clubs) and second value 0.
void SetMatchSetupTactics(const int16_t computerTactic[2]);

// Both records zero, as at start.
void MatchRecords_Reset();
