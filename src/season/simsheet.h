// The team sheets of a background match and the link between the match set-up
// and the background simulation.
//
// The simulation never reads the MatchSetup while it runs: SimulationInit
// copies both sides into two team sheets of byte-sized values, a formation
// copy with the role of every slot and a side record (takers, goals, cards),
// and the small operations here keep them through the simulated match:
// bookings, substitutions, a new keeper, the set-piece takers. Nothing of
// them outlives the match except what the simulation writes into the
// MatchResult.
#pragma once

#include <cstdint>

constexpr int SIM_SIDES = 2;
constexpr int SIM_SHEET_ENTRIES = 16;  // 0-10 the starters in shirt order, 11-15 the substitutes
constexpr int SIM_STARTERS = 11;
constexpr int SIM_FORMATION_SLOTS = 11;

// Roles of a formation slot: 0-5 from the back to the front, 6 the keeper.
constexpr int SIM_ROLES = 7;
constexpr int16_t SIM_KEEPER_ROLE = 6;
constexpr int16_t SIM_NO_ROLE = -1;

// The on-pitch byte.
constexpr uint8_t SIM_ON_PITCH = 0;
constexpr uint8_t SIM_ON_BENCH = 1;
constexpr uint8_t SIM_TAKEN_OFF = 3;
constexpr uint8_t SIM_SENT_OFF = 4;

// Card states and the injury state of a player taken off hurt.
constexpr uint8_t SIM_CARD_NONE = 0;
constexpr uint8_t SIM_CARD_BOOKED = 1;
constexpr uint8_t SIM_CARD_TWICE = 2;
constexpr uint8_t SIM_CARD_SENT_OFF = 3;
constexpr uint8_t SIM_INJURED_OFF = 2;

// Booking kinds of BookSimPlayer.
constexpr int SIM_BOOKING = 1;
constexpr int SIM_STRAIGHT_RED = 3;

// Flags byte of an entry.
constexpr uint8_t SIM_FLAG_POSITION_MASK = 0x03;  // position code & 3
constexpr int SIM_FLAG_FOOT_SHIFT = 2;            // 0 both feet, 1 right only, 2 left or none
constexpr uint8_t SIM_FLAG_CAME_ON = 0x40;        // came on as a substitute
constexpr uint8_t SIM_FLAG_RECURRING = 0x80;      // recurring injury

// Side-record taker places.
constexpr int SIM_TAKERS = 4;
constexpr int SIM_TAKER_FIRST = 0;   // best ability 4 (not the keeper, not hurt, not a substitute)
constexpr int SIM_TAKER_SECOND = 1;  // best ability 7 (not the keeper, not hurt)
constexpr int SIM_TAKER_THIRD = 2;   // best (ability 3 + ability 7) / 2
constexpr int SIM_TAKER_FOURTH = 3;  // the same rule

constexpr int SIM_MAX_GOAL_LIST = 40;  // goals noted per side; the goals byte counts on past it
constexpr int SIM_MAX_SENT_OFF_LIST = 11;

// Bits of the simulation flag word.
constexpr uint32_t SIMF_HUMAN_PLAYS = 1u << 0;
constexpr uint32_t SIMF_HUMAN_AWAY = 1u << 1;
constexpr uint32_t SIMF_RECORD_EVENTS = 1u << 2;
constexpr uint32_t SIMF_LAST_GOAL_AWAY = 1u << 7;
constexpr uint32_t SIMF_NEEDS_WINNER = 1u << 9;
constexpr uint32_t SIMF_EXTRA_TIME = 1u << 10;
constexpr uint32_t SIMF_IN_EXTRA_TIME = 1u << 11;
constexpr uint32_t SIMF_SECOND_LEG = 1u << 12;
constexpr uint32_t SIMF_AWAY_GOALS = 1u << 13;
constexpr uint32_t SIMF_GOLDEN_GOAL = 1u << 14;
constexpr uint32_t SIMF_STOP = 1u << 15;
constexpr uint32_t SIMF_PENALTIES = 1u << 16;

// One player of a team sheet. The skill bytes are named by the player
// statistic they come from; the match counters start at zero.
struct SimPlayerEntry {
  const char* surname;  // the set-up's surname text; null for an empty entry
  uint8_t emptyMark;    // 0 for an empty entry
  uint8_t order;        // place 0-15 in the side's order
  uint8_t shirt;
  uint8_t ability6, ability5, personality16, physical13, ability3, pace, physical9, physical14, physical10, ability4,
      ability1, ability7, ability0, ability2, personality15, personality19;
  uint8_t experience;  // experience x 10 / 6
  uint8_t personality20;
  uint8_t physical12;    // physical 12 / 2 + 45
  uint8_t personality18;  // the match form
  uint8_t swing;          // 50 at the start
  uint8_t personality21;
  uint8_t physical11;  // the penalty byte, at most 90
  int16_t player;      // the world's player number, -1 empty
  int16_t position;    // stored position code 0-12 (the substitute chooser reads the line)

  // Match counters.
  int16_t mark;          // 45 at the start; the match mark once rated
  int16_t markFigure;    // the second figure stored with the mark
  int16_t workload;
  uint8_t goals, assists, ownGoals, shots, fouls, saves, conceded;
  uint8_t attacks;                    // times drawn as the attacker
  uint8_t challengesWon, challengesLost;  // as the defender: the first and the second tally
  uint8_t reserve;                    // 100
  uint8_t minuteOn, minuteOff, cardMinute;
  uint8_t onPitch;      // SIM_ON_PITCH, SIM_ON_BENCH, SIM_TAKEN_OFF, SIM_SENT_OFF
  uint8_t injuryKind;   // 255, or the kind drawn when he went off hurt
  uint8_t keeperFlag;   // bit 0: entry 0
  uint8_t outfieldFlag;  // bit 0: starters 1-10
  uint8_t cardState;    // SIM_CARD_*
  uint8_t injuryState;  // 0, or SIM_INJURED_OFF
  int16_t positionX, positionY, attackX, attackY;
  int16_t formationSlot;  // 0-10, -1 off the formation
  int16_t role;           // the role of his slot, SIM_NO_ROLE when he has none
  uint8_t flags;          // SIM_FLAG_*
};

struct SimTeamSheet {
  SimPlayerEntry entries[SIM_SHEET_ENTRIES];
};

// One slot of a side's formation copy, in pitch units (x 0-46, y 5-55).
struct SimFormationSlot {
  uint8_t role;  // 0-5 from the back, 6 the keeper
  int16_t x, y, attackX, attackY;
};

struct SimGoalEntry {
  int8_t scorer;  // sheet entry; for an own goal an entry of the other side
  uint8_t minute;
  uint8_t kind;   // goal kind: 1 open play, 3 after an injury, 8 free kick, 11 own goal
  uint8_t spare;
  int8_t assist;  // sheet entry, -1 none
  uint8_t sequence;
};

struct SimSentOffEntry {
  int8_t player;
  uint8_t minute;  // at least 1
  uint8_t sequence;
};

// One side's record.
struct SimSideRecord {
  int16_t club;
  uint8_t goals;
  uint8_t defenders, midfielders, attackers;  // slots of the formation by line
  SimGoalEntry goalList[SIM_MAX_GOAL_LIST];
  uint8_t goalListCount;
  SimSentOffEntry sentOffList[SIM_MAX_SENT_OFF_LIST];
  uint8_t sentOffListCount;
  int16_t bookings, sendingsOff, injured;  // counted when the match ends
  int8_t keeper;                           // entry in goal, -1 none
  int8_t captain;
  int8_t takers[SIM_TAKERS];
  uint8_t onPitchCount;
  uint8_t shootout;
  uint8_t firstLegGoals;
  uint8_t substitutions;
  // Tallies of the simulation.
  int16_t shots, shotsOnTarget;
  int16_t fouls;
  int16_t injuryChances;  // chances after an injury so far
  uint8_t eventClass;     // divides the workload of a hard challenge against this side's attackers
};

// Everything a background match keeps besides its ratings.
struct SimSheetState {
  SimTeamSheet sheets[SIM_SIDES];
  SimFormationSlot formations[SIM_SIDES][SIM_FORMATION_SLOTS];
  SimSideRecord sides[SIM_SIDES];
  // The link values.
  uint32_t flags;           // SIMF_*
  int16_t eventSequence;    // goals and sendings-off of the match so far
  int16_t competition;      // code of the match being simulated
  int16_t humanClub;        // the human club the simulation was told about, -1 none
  int16_t backgroundMatches;  // + 1 per background match while the program runs
  uint32_t startTicks;      // tick count at the start of the last background match
  uint32_t lastTicks;       // and its duration
};

extern SimSheetState SimSheets;

void SimSheets_Reset();

// Fills both team sheets from the MatchSetup: entries 0-15 of each side; an
// entry whose player number is negative is empty and never chosen.
void SetupMatchTeamSheets();
// Both formation copies from the sides' formations in the MatchSetup, with the
// role of each slot and the line counts in the side records.
void InitSimFormations();
// Both side records: club, keeper, captain and takers, first-leg goals.
void BuildSimTeamRecords(int16_t home, int16_t away);

// The set-up's skill k (abilities 0-4 and 6) of both sides is scaled so the
// best present player has 95: each value becomes value x (9500 / best) / 100.
// Nothing changes when the best already has 95 or more, or nobody is present.
// For ability 0 only keepers (position 0) are looked at and scaled.
void NormaliseMatchSkill(int skill);

// Sheet queries.
inline bool SimEntryPresent(const SimPlayerEntry& e) { return e.emptyMark != 0 && e.player >= 0; }
inline bool SimEntryOnPitch(const SimPlayerEntry& e) { return SimEntryPresent(e) && e.onPitch == SIM_ON_PITCH; }
inline bool SimEntryPlayed(const SimPlayerEntry& e) { return SimEntryPresent(e) && e.onPitch != SIM_ON_BENCH; }
int FindSheetEntryByShirt(int side, int shirt);
int FindSheetEntryByOrder(int side, int order);
// Defenders (roles 0-1), midfielders (2-3) and attackers (4-5) of a formation.
void CountFormationLines(int side, int* defenders, int* midfielders, int* attackers);
void StoreFormationLineCounts(int side);
// Grid column and row (15 x 18) to pitch units.
int16_t GridToPitchX(int16_t x);
int16_t GridToPitchY(int16_t y);
// The role of a grid row: row / 3 for rows 0-17, else row % 3; always 0-5.
int16_t RoleFromRow(int16_t row);
// A mark 0-60 (MarkToGradeB: 0-50) divided by 10, -1 outside.
int MarkToGrade(int mark);
int MarkToGradeB(int mark);
// Exchanges two entries' order, attack points and slots.
void SwapSimPlayers(int side, int a, int b);

// Bookings and sendings-off. BookSimPlayer kind 1 adds a booking (the first
// notes the minute), kind 3 sets the card state to sent off.
void BookSimPlayer(int side, int entry, int kind, int minute);

// Choosers over the players on the pitch (-1 when nobody qualifies).
int ChooseSimCaptain(int side);
int ChooseSimTakerA4(int side);
int ChooseSimTakerA7(int side);
int ChooseSimTakerWeighted(int side);
// After someone left the pitch or went in goal: every taker and the captain
// who is no longer a fit choice is chosen afresh.
void ReplaceSimTakers(int side);
// After the keeper is sent off: the outfield player first found by the role
// table (from the back) goes in goal; answers him, -1 when nobody is left.
int ChooseNewSimKeeper(int side);

// Substitutions: the leaving player goes off (his slot noted, his role kept);
// the best substitute for his line comes on in his slot.
void TakeSimPlayerOff(int side, int entry, int minute);
int ChooseSimSubstitute(int side, int leaving);
// Brings the substitute on for the leaving player; answers the substitute.
int MakeSimSubstitution(int side, int leaving, int substitute, int minute);

// The match form (personality 18): ChangeSimForm adds n when the result stays
// within 0-100; ChangeSideForm adds n x 7 (the captain in goal) or n x 5 to
// every player of the side, each staying within 0-100.
void ChangeSimForm(int side, int entry, int n);
void ChangeSideForm(int side, int n);

// The four competition values a MatchEvent carries: for a cup code the cup,
// the round and the flag of a second-leg code whose round is not two-legged;
// for codes 0-3 the home club's division. Values the code does not give are
// left as they are.
struct CompetitionValues {
  int cup;         // 4 bits: the cup, or the division for codes 0-3
  int round;       // 4 bits
  int spare;       // 5 bits, left as the caller set it
  int singleLeg;   // 1 bit: a second-leg code of a round that is not two-legged
};
void DecodeCompetitionCode(int16_t code, int16_t homeClub, CompetitionValues* values);

// Whether a second leg of this competition is played without the away-goals
// rule. Every two-legged tie of the game counts away goals, so this answers
// false until the world's cup rules say otherwise.
bool SimAwayGoalsRuleWaived(int16_t code);

