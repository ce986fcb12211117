// The background result simulation.
#include "season/simmatch.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "engine/bytes.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "engine/timerint.h"
#include "gamecode/matchrec.h"
#include "world/fixtures.h"
#include "world/funcs.h"

MatchEventList MatchEvents;

namespace {

// Weights by role 0-6 (6 the keeper).
// r0, defence: ability 0, ability 2, ability 1, ability 6, physical 9, physical 14, personality 19, experience.
constexpr int8_t kDefenceWeights[SIM_ROLES][8] = {
    {0, 9, 9, 7, 5, 7, 7, 9}, {0, 9, 7, 6, 3, 6, 9, 7}, {0, 4, 4, 4, 1, 1, 4, 4}, {0, 3, 3, 3, 0, 0, 3, 3},
    {0, 2, 2, 2, 0, 0, 2, 2}, {0, 1, 1, 1, 0, 0, 1, 1}, {9, 2, 9, 9, 9, 7, 9, 7}};
// r1, midfield: ability 2, personality 15, pace, experience.
constexpr int8_t kMidfieldWeights[SIM_ROLES][4] = {{4, 2, 3, 3}, {7, 3, 5, 4}, {9, 6, 7, 6}, {7, 5, 6, 4},
                                                   {5, 4, 5, 2}, {3, 3, 3, 1}, {1, 1, 1, 1}};
// r2, attack: physical 13, ability 3, personality 19, pace, ability 5, ability 6, physical 9, personality 16.
constexpr int8_t kAttackWeights[SIM_ROLES][8] = {
    {2, 2, 2, 2, 1, 2, 1, -1}, {4, 4, 4, 4, 6, 4, 6, -2}, {6, 6, 6, 5, 4, 4, 2, -3}, {9, 9, 6, 7, 7, 6, 6, -7},
    {7, 7, 9, 9, 9, 7, 6, -9}, {2, 4, 7, 9, 7, 7, 6, -8}, {3, 3, 3, 0, 0, 2, 0, 0}};
// r3, finishing, and r4, shooting: one weight each.
constexpr int8_t kFinishingWeights[SIM_ROLES] = {1, 2, 4, 6, 8, 9, 0};
constexpr int8_t kShootingWeights[SIM_ROLES] = {2, 1, 2, 5, 7, 9, 0};

// The weighted draws of the timeline, by role 0-6.
constexpr int kChanceMakerWeights[SIM_ROLES] = {4, 4, 8, 32, 24, 16, 1};
constexpr int kOwnGoalWeights[SIM_ROLES] = {32, 32, 8, 8, 2, 2, 1};
constexpr int kShooterWeights[SIM_ROLES] = {3, 3, 6, 6, 9, 9, 0};

// Injury kinds by attack tally 1-6.
constexpr int16_t kInjuryKinds[6][3] = {{14, 36, 25}, {32, 29, 15}, {24, 13, 10},
                                        {16, 16, 12}, {9, 8, 8},    {28, 27, 27}};
constexpr int16_t kRareInjuryKinds[6][4] = {{30, 31, 31, 20}, {22, 34, 21, 33}, {23, 35, 23, 35},
                                            {18, 19, 18, 19}, {11, 11, 11, 11}, {26, 17, 26, 17}};

constexpr int CHANCE_TRIALS = 140;
constexpr int DUELS = 7;
constexpr int MAX_FOULERS = 9;
constexpr int SCORING_CUT = 10;
constexpr int MIN_STEP = 3;
constexpr int MAX_STEP = 90;
constexpr int INT16_LIMIT = 32767;
constexpr int16_t FIRST_HUMAN_MANAGER = 1;  // a club's control value: 0 computer-run, 1 the first human

// The weighted draws of the timeline over one side's players on the pitch.
// The weights only change when a player leaves or comes on, so they are kept
// until then.
enum DrawKind { DRAW_FOULER, DRAW_DEFENDER, DRAW_ATTACKER, DRAW_MAKER, DRAW_OWN_GOAL, DRAW_KINDS };
struct SideDraws {
  bool valid;
  int count;                              // players on the pitch
  int8_t entries[SIM_SHEET_ENTRIES];      // their entries, in entry order
  int8_t groups[SIM_SHEET_ENTRIES];       // their pitch column groups
  int32_t weights[DRAW_KINDS][SIM_SHEET_ENTRIES];
  int32_t totals[DRAW_KINDS];
};

struct SimMatchState {
  SideDraws draws[SIM_SIDES];
  SimTeamRatings ratings[SIM_SIDES];
  int16_t playerRatings[SIM_SIDES][SIM_SHEET_ENTRIES][SIM_PLAYER_RATINGS];
  // The timeline of the period being played.
  int foulInterval[SIM_SIDES], attackInterval[SIM_SIDES], chanceInterval[SIM_SIDES];
  int lastFoul[SIM_SIDES], lastAttack[SIM_SIDES], lastChance[SIM_SIDES];
  int scoring[SIM_SIDES];
  int clock;
  int minute;  // the minute of the next event; never runs backwards within a match
  int stopMinute;
};

SimMatchState gSim;

SimPlayerEntry& Entry(int side, int entry) { return SimSheets.sheets[side].entries[entry]; }
SimSideRecord& Side(int side) { return SimSheets.sides[side]; }
bool Flag(uint32_t bit) { return (SimSheets.flags & bit) != 0; }
void SetFlag(uint32_t bit) { SimSheets.flags |= bit; }
void ClearFlag(uint32_t bit) { SimSheets.flags &= ~bit; }

// GameRandom() % modulus (modulus at least 1). Most rolls against team-sized
// figures have a modulus of half the generator's range or more, where one
// subtraction does the work of the division.
int32_t Roll(int32_t modulus) {
  const int32_t r = GameRandom();
  if (modulus > GAME_RAND_MAX / 2) return r >= modulus ? r - modulus : r;
  return r % modulus;
}

int16_t Saturate16(int32_t v) { return static_cast<int16_t>(std::clamp<int32_t>(v, -INT16_LIMIT - 1, INT16_LIMIT)); }

// A weighted sum after the two modifiers: the penalty byte (physical 11) takes
// up to a fifth off, the match form (personality 18) moves it either way.
int16_t ModifiedRating(int32_t sum, const SimPlayerEntry& e) {
  const int32_t s = static_cast<int16_t>(sum);
  int32_t a = s;
  if (e.physical11 != 0) a = s + (e.physical11 * s * -20) / 10000;
  a = std::max<int32_t>(a, 1);
  int32_t b = s + ((e.personality18 - 50) * 2 * s * 10) / 10000;
  b = std::max<int32_t>(b, 1);
  return Saturate16(std::max<int32_t>(a + b - s, 1));
}

int RoleOf(const SimPlayerEntry& e) { return e.role >= 0 && e.role < SIM_ROLES ? e.role : -1; }

int ColumnGroup(int side, const SimPlayerEntry& e) {
  if (e.formationSlot < 0 || e.formationSlot >= SIM_FORMATION_SLOTS) return 2;
  return SimSheets.formations[side][e.formationSlot].x / 10;
}

// The draws of a side, worked out again after a change on the pitch.
const SideDraws& Draws(int side) {
  SideDraws& d = gSim.draws[side];
  if (d.valid) return d;
  d.count = 0;
  for (int32_t& t : d.totals) t = 0;
  const int keeper = Side(side).keeper;
  int foulers = 0;
  for (int i = 0; i < SIM_SHEET_ENTRIES; ++i) {
    const SimPlayerEntry& e = Entry(side, i);
    if (!SimEntryOnPitch(e)) continue;
    const int n = d.count++;
    const int role = RoleOf(e);
    d.entries[n] = static_cast<int8_t>(i);
    d.groups[n] = static_cast<int8_t>(ColumnGroup(side, e));
    // A foul by one of the first nine outfield players, the more aggressive the likelier.
    int32_t fouler = 0;
    if (i != keeper && foulers < MAX_FOULERS) {
      ++foulers;
      fouler = e.personality15 + 1;
    }
    d.weights[DRAW_FOULER][n] = fouler;
    d.weights[DRAW_DEFENDER][n] = e.personality15 + 1;
    d.weights[DRAW_ATTACKER][n] = i == keeper ? (e.physical12 + 1) / 5 : e.physical12 + 1;
    d.weights[DRAW_MAKER][n] = role < 0 ? 0 : kChanceMakerWeights[role];
    d.weights[DRAW_OWN_GOAL][n] = role < 0 ? 0 : kOwnGoalWeights[role];
    for (int k = 0; k < DRAW_KINDS; ++k) d.totals[k] += d.weights[k][n];
  }
  d.valid = true;
  return d;
}

void PlayersChanged(int side) { gSim.draws[side].valid = false; }

// A weighted draw among a side's players on the pitch: one roll when anybody
// can be chosen, -1 (and no roll) when nobody can.
int DrawFromWeights(const SideDraws& d, const int32_t* weights, int32_t total) {
  if (total <= 0) return -1;
  int32_t r = Roll(total);
  for (int n = 0; n < d.count; ++n) {
    if (r < weights[n]) return d.entries[n];
    r -= weights[n];
  }
  return -1;
}

int Draw(int side, DrawKind kind) {
  const SideDraws& d = Draws(side);
  return DrawFromWeights(d, d.weights[kind], d.totals[kind]);
}

void RatePlayer(int side, int entry) {
  ComputeSimPlayerRatings(Entry(side, entry), RoleOf(Entry(side, entry)), gSim.playerRatings[side][entry]);
}

// Step 2: the per-player table and both sides' ratings.
void RateSides() {
  for (int side = 0; side < SIM_SIDES; ++side) {
    int32_t sums[5] = {1, 1, 1, 1, 1};
    int32_t form = 0, stamina = 0, n = 0;
    for (int i = 0; i < SIM_SHEET_ENTRIES; ++i) {
      RatePlayer(side, i);
      const SimPlayerEntry& e = Entry(side, i);
      if (!SimEntryOnPitch(e)) continue;  // substitutes never count
      for (int k = 0; k < 5; ++k) sums[k] += gSim.playerRatings[side][i][k];
      form += e.personality15;
      stamina += e.physical12;
      ++n;
    }
    SimTeamRatings& r = gSim.ratings[side];
    for (int k = 0; k < 5; ++k) r.r[k] = Saturate16(sums[k]);
    r.r[5] = static_cast<int16_t>(n ? form / n : 0);
    r.r[6] = static_cast<int16_t>(n ? stamina / n : 0);
  }
}

// ---- Match events ----

uint32_t Bits(int32_t value, int width) {
  const int32_t top = (1 << width) - 1;
  return static_cast<uint32_t>(std::clamp<int32_t>(value, 0, top));
}

void AppendMatchEvent(int kind, int side, int32_t player) {
  if (MatchEvents.count < 0 || MatchEvents.count >= MAX_MATCH_EVENTS) return;  // the day's list is full
  const SimSideRecord& own = Side(side);
  const SimSideRecord& other = Side(1 - side);
  MatchEventFields f{};
  f.kind = kind;
  f.club = own.club;
  f.goals = own.goals;
  f.minute = gSim.minute;
  f.sequence = SimSheets.eventSequence;
  f.side = side;
  f.player = player;
  f.special = SimSheets.competition == COMP_SPECIAL ? 1 : 0;
  f.otherClub = other.club;
  f.otherGoals = other.goals;
  f.competition = SimSheets.competition;
  f.firstLegGoals = own.firstLegGoals;
  f.otherFirstLegGoals = other.firstLegGoals;
  f.shootout = own.shootout;
  f.otherShootout = other.shootout;
  DecodeCompetitionCode(SimSheets.competition, Side(0).club, &f.values);
  f.secondLeg = Flag(SIMF_SECOND_LEG) ? 1 : 0;
  EncodeMatchEvent(f, MatchEvents.events[MatchEvents.count]);
  ++MatchEvents.count;
}

// ---- Goals and sendings-off ----

void RecordSimGoal(int side, int goalKind, int scorer, int assist) {
  SimSideRecord& s = Side(side);
  const int other = 1 - side;
  if (s.goalListCount < SIM_MAX_GOAL_LIST) {
    s.goalList[s.goalListCount++] =
        SimGoalEntry{static_cast<int8_t>(scorer), static_cast<uint8_t>(std::min(gSim.minute, 255)),
                     static_cast<uint8_t>(goalKind), 0, static_cast<int8_t>(assist),
                     static_cast<uint8_t>(SimSheets.eventSequence)};
  }
  if (s.goals < 255) ++s.goals;
  const int keeper = Side(other).keeper;
  if (keeper >= 0 && Entry(other, keeper).conceded < 255) ++Entry(other, keeper).conceded;
  int32_t player;
  if (goalKind == SIM_GOAL_OWN_GOAL) {
    ++Entry(other, scorer).ownGoals;
    player = Entry(other, scorer).player;
  } else {
    ++Entry(side, scorer).goals;
    player = Entry(side, scorer).player;
  }
  if (assist >= 0) ++Entry(side, assist).assists;
  if (side == 1) SetFlag(SIMF_LAST_GOAL_AWAY);
  else ClearFlag(SIMF_LAST_GOAL_AWAY);
  if (Flag(SIMF_GOLDEN_GOAL) && Flag(SIMF_IN_EXTRA_TIME)) {
    SetFlag(SIMF_STOP);
    ClearFlag(SIMF_PENALTIES);
    gSim.stopMinute = gSim.minute;
  }
  if (Flag(SIMF_RECORD_EVENTS)) {
    int kind = goalKind == SIM_GOAL_AFTER_INJURY ? MATCH_EVENT_GOAL_AFTER_INJURY
               : goalKind == SIM_GOAL_OWN_GOAL   ? MATCH_EVENT_OWN_GOAL
                                                 : MATCH_EVENT_GOAL;
    AppendMatchEvent(kind, side, player);
  }
  ++SimSheets.eventSequence;
}

void SendOffSimPlayer(int side, int entry) {
  SimPlayerEntry& e = Entry(side, entry);
  if (e.cardState != SIM_CARD_TWICE && e.cardState != SIM_CARD_SENT_OFF) return;
  if (!SimEntryOnPitch(e)) return;
  SimSideRecord& s = Side(side);
  if (s.sentOffListCount < SIM_MAX_SENT_OFF_LIST) {
    s.sentOffList[s.sentOffListCount++] =
        SimSentOffEntry{static_cast<int8_t>(entry), static_cast<uint8_t>(std::clamp(gSim.minute, 1, 255)),
                        static_cast<uint8_t>(SimSheets.eventSequence)};
  }
  e.onPitch = SIM_SENT_OFF;
  e.minuteOff = static_cast<uint8_t>(std::min(gSim.minute, 255));
  if (s.keeper == entry) {
    int keeper = ChooseNewSimKeeper(side);
    if (keeper >= 0) RatePlayer(side, keeper);  // from now on he plays in goal
  }
  ReplaceSimTakers(side);
  PlayersChanged(side);
  if (s.onPitchCount > 0) --s.onPitchCount;
  if (Flag(SIMF_RECORD_EVENTS)) AppendMatchEvent(MATCH_EVENT_SENDING_OFF, side, e.player);
  ++SimSheets.eventSequence;
}

int SentOffSoFar(int side) { return Side(side).sentOffListCount; }

// A side with two or more players sent off gets no straight sending-off and no
// booking of a player already booked.
bool GateAllows(int side, int entry, int kind) {
  if (SentOffSoFar(side) < 2) return true;
  if (kind == SIM_STRAIGHT_RED) return false;
  return Entry(side, entry).cardState == SIM_CARD_NONE;
}

// ---- Shots ----

// The player who shoots from a chance: a set piece is taken by its maker;
// from open play another player on the pitch, attackers first, and from a
// wide chance a player in the middle twice as likely.
int PickSimShooter(int side, int maker, int kind) {
  if (kind == SIM_SHOT_FREE_KICK || kind == SIM_SHOT_AFTER_INJURY) return maker;
  const int keeper = Side(side).keeper;
  const int makerGroup = ColumnGroup(side, Entry(side, maker));
  const SideDraws& d = Draws(side);
  int32_t weights[SIM_SHEET_ENTRIES];
  int32_t total = 0;
  for (int n = 0; n < d.count; ++n) {
    const int i = d.entries[n];
    const int role = RoleOf(Entry(side, i));
    int32_t w = 0;
    if (i != maker && i != keeper && role >= 0) {
      w = kShooterWeights[role];
      const int group = d.groups[n];
      if (kind == SIM_SHOT_WIDE ? group >= 1 && group <= 3 : std::abs(group - makerGroup) <= 1) w *= 2;
    }
    weights[n] = w;
    total += w;
  }
  const int shooter = DrawFromWeights(d, weights, total);
  return shooter >= 0 ? shooter : maker;
}

// One shot; answers the outcome and, for a goal, its kind.
int SimShotAction(int side, int shooter, int kind, int* goalKind) {
  SimSideRecord& s = Side(side);
  ++s.shots;
  SimPlayerEntry& e = Entry(side, shooter);
  const int16_t* rating = gSim.playerRatings[side][shooter];
  int32_t base, bonus;
  bool onTarget;
  switch (kind) {
    case SIM_SHOT_FREE_KICK:
      base = rating[3];
      bonus = 0;
      onTarget = GameRandom() % 150 < e.ability7 + 30;
      break;
    case SIM_SHOT_CENTRAL:
      base = rating[3];
      bonus = base / 5;
      onTarget = GameRandom() % 150 < e.ability4 + 20;
      break;
    case SIM_SHOT_WIDE:
      base = rating[4];
      bonus = base / 4;
      onTarget = GameRandom() % 150 < e.ability1 + 30;
      break;
    case SIM_SHOT_AFTER_INJURY:
      base = rating[3];
      bonus = base / 2;
      onTarget = GameRandom() % 150 < e.ability7 + 40 || GameRandom() % 150 < e.ability4 + 40;
      break;
    default:
      base = rating[3];
      bonus = 0;
      onTarget = GameRandom() % 150 < e.ability4 + 30;
      break;
  }
  if (!onTarget) {
    if (kind == SIM_SHOT_WIDE && GameRandom() % 250 == 0) {
      *goalKind = SIM_GOAL_OWN_GOAL;
      return SIM_OUTCOME_GOAL;
    }
    ++e.shots;
    return SIM_OUTCOME_MISSED;
  }
  ++s.shotsOnTarget;
  ++e.shots;
  const int other = 1 - side;
  const int keeper = Side(other).keeper;
  const int32_t k = keeper >= 0 ? gSim.playerRatings[other][keeper][SIM_KEEPER_RATING] : 0;
  const int32_t total = base + bonus + k;
  if (total < 1) return SIM_OUTCOME_MISSED;
  int won = 0;
  for (int d = 0; d < DUELS; ++d) won += Roll(total) < base + bonus ? 1 : 0;
  if (won > DUELS - won) {
    *goalKind = kind == SIM_SHOT_AFTER_INJURY ? SIM_GOAL_AFTER_INJURY
                : kind == SIM_SHOT_FREE_KICK  ? SIM_GOAL_FREE_KICK
                                              : SIM_GOAL_OPEN_PLAY;
    return SIM_OUTCOME_GOAL;
  }
  if (keeper >= 0 && Entry(other, keeper).saves < 255) ++Entry(other, keeper).saves;
  return SIM_OUTCOME_SAVED;
}

// ---- The timeline ----

// The minute moves on between two events of one pass.
void NextEventMinute() {
  if (gSim.clock - gSim.minute > 1) gSim.minute = gSim.minute + 1 + GameRandom() % (gSim.clock - gSim.minute - 1);
  else ++gSim.minute;
}

int TakerOnPitch(int side, int place) {
  int taker = Side(side).takers[place];
  if (taker < 0 || !SimEntryOnPitch(Entry(side, taker))) {
    ReplaceSimTakers(side);
    taker = Side(side).takers[place];
  }
  return taker >= 0 && SimEntryOnPitch(Entry(side, taker)) ? taker : -1;
}

// The foul of a pass: a player of the other side fouls one of this side's.
void SideFoul(int side, bool* sentOff, bool* injury) {
  const int other = 1 - side;
  const int p = Draw(other, DRAW_FOULER);
  if (p < 0) return;
  SimPlayerEntry& fouler = Entry(other, p);
  ++Side(other).fouls;
  if (GameRandom() % std::max(1, 220 - fouler.personality15) == 0) {
    ++fouler.fouls;
    if (GateAllows(other, p, SIM_STRAIGHT_RED)) {
      BookSimPlayer(other, p, SIM_STRAIGHT_RED, gSim.minute);
      SendOffSimPlayer(other, p);
      *sentOff = true;
    }
  } else {
    SimSideRecord& s = Side(side);
    if (GameRandom() % (20 * s.injuryChances + 50) == 0) {
      ++s.injuryChances;
      *injury = true;
    }
    ++fouler.fouls;
  }
}

// The attack of a pass: a defender of the other side challenges one of this
// side's players; the work can take the attacker off hurt.
void SideAttack(int side) {
  const int other = 1 - side;
  const int q = Draw(other, DRAW_DEFENDER);
  const int r = Draw(side, DRAW_ATTACKER);
  if (q < 0 || r < 0) return;
  SimPlayerEntry& defender = Entry(other, q);
  SimPlayerEntry& attacker = Entry(side, r);
  if (attacker.attacks < 255) ++attacker.attacks;
  const int aggression = defender.personality15;
  const int recurring = (attacker.flags & SIM_FLAG_RECURRING) ? 1 : 0;
  if (GameRandom() % 200 < aggression) {
    if (defender.challengesWon < 255) ++defender.challengesWon;
    if (GameRandom() % 200 < aggression && GameRandom() % 150 >= defender.personality19 + 50)
      attacker.workload = Saturate16(attacker.workload + aggression / 2 + GameRandom() % 50);
    else
      attacker.workload = Saturate16(attacker.workload + aggression / std::max(1, Side(other).eventClass - recurring));
  } else {
    if (defender.challengesLost < 255) ++defender.challengesLost;
    attacker.workload = Saturate16(attacker.workload + aggression / (8 - 2 * recurring));
  }
  if (GameRandom() % (1000 / (aggression + 20) + 5) == 0 && GateAllows(other, q, SIM_BOOKING)) {
    BookSimPlayer(other, q, SIM_BOOKING, gSim.minute);
    if (defender.cardState == SIM_CARD_TWICE) SendOffSimPlayer(other, q);  // a second booking
  }
  if (attacker.workload >= attacker.physical12 && Side(side).substitutions < 2) {
    const int sub = ChooseSimSubstitute(side, r);
    if (sub >= 0) {  // without a substitute he plays on
      attacker.injuryKind = static_cast<uint8_t>(DrawSimInjuryKind(attacker.attacks));
      attacker.injuryState = SIM_INJURED_OFF;
      TakeSimPlayerOff(side, r, gSim.minute);
      MakeSimSubstitution(side, r, sub, gSim.minute);
      RatePlayer(side, sub);
      ReplaceSimTakers(side);
      PlayersChanged(side);
    }
  }
}

// The shots of a pass. Answers false when a golden goal ended the match.
bool SideShots(int side, bool due, bool sentOff, bool injury) {
  if (!due && !sentOff && !injury) return true;
  const int other = 1 - side;
  const int shots = sentOff ? 2 : 1;
  for (int n = 0; n < shots; ++n) {
    int maker, kind;
    if (sentOff) {
      maker = TakerOnPitch(side, SIM_TAKER_SECOND);
      kind = SIM_SHOT_FREE_KICK;
    } else if (injury) {
      maker = TakerOnPitch(side, SIM_TAKER_FIRST);
      kind = SIM_SHOT_AFTER_INJURY;
    } else {
      gSim.lastChance[side] = gSim.clock;
      maker = Draw(side, DRAW_MAKER);
      kind = SIM_SHOT_CENTRAL;
      if (maker >= 0) {
        const int group = ColumnGroup(side, Entry(side, maker));
        if (group == 0 || group == 4) kind = SIM_SHOT_WIDE;
      }
    }
    if (maker < 0) return true;
    const int shooter = PickSimShooter(side, maker, kind);
    int goalKind = 0;
    if (SimShotAction(side, shooter, kind, &goalKind) == SIM_OUTCOME_GOAL) {
      if (goalKind == SIM_GOAL_OWN_GOAL) {
        const int scorer = Draw(other, DRAW_OWN_GOAL);
        if (scorer >= 0) RecordSimGoal(side, goalKind, scorer, -1);
      } else {
        const bool setPiece = kind == SIM_SHOT_FREE_KICK || kind == SIM_SHOT_AFTER_INJURY;
        RecordSimGoal(side, goalKind, shooter, setPiece || shooter == maker ? -1 : maker);
      }
      if (Flag(SIMF_STOP)) return false;
    }
    NextEventMinute();
  }
  return true;
}

// One pass of a timeline step for a side: foul, attack, shots.
bool SidePass(int side) {
  bool sentOff = false, injury = false;
  if (gSim.clock >= gSim.lastFoul[side] + gSim.foulInterval[side]) {
    SideFoul(side, &sentOff, &injury);
    gSim.lastFoul[side] = gSim.clock;
    NextEventMinute();
  }
  if (gSim.clock >= gSim.lastAttack[side] + gSim.attackInterval[side]) {
    SideAttack(side);
    gSim.lastAttack[side] = gSim.clock;
    ++gSim.minute;
  }
  const bool due = gSim.clock >= gSim.lastChance[side] + gSim.chanceInterval[side];
  return SideShots(side, due, sentOff, injury);
}

// Steps 3-5: chances, the scoring counts and the timeline of one period.
void RunPeriod(int period) {
  const int start = period == 0 ? 0 : SIM_NORMAL_TIME;
  const int minutes = period == 0 ? SIM_NORMAL_TIME : SIM_EXTRA_TIME;
  const int end = start + minutes;
  const SimTeamRatings* r = gSim.ratings;

  for (int side = 0; side < SIM_SIDES; ++side) {
    const int other = 1 - side;
    int chances = 0;
    gSim.scoring[side] = 1;
    const int32_t d = std::max<int32_t>(1, r[other].r[1] + r[side].r[2]);
    for (int t = 0; t < CHANCE_TRIALS; ++t) chances += Roll(d) < r[side].r[2] ? 1 : 0;
    chances = chances * 4 * minutes / 3000;
    const int32_t g = (r[side].r[3] + r[side].r[4]) / 2;
    for (int c = 0; c < chances; ++c) {
      const int32_t e = std::max<int32_t>(1, r[other].r[0] + g);
      if (Roll(e) < g) ++gSim.scoring[side];
    }
  }
  CutSimScoringCounts(&gSim.scoring[0], &gSim.scoring[1]);

  int step = MAX_STEP;
  for (int side = 0; side < SIM_SIDES; ++side) {
    const int other = 1 - side;
    int i = r[other].r[5] + 50 - r[side].r[6];
    i = i < 5 ? 5 : std::min(i, minutes / 3);
    gSim.attackInterval[side] = minutes / i;
    gSim.foulInterval[side] = minutes / std::max(5, r[side].r[5] * minutes / 300);
    gSim.chanceInterval[side] = minutes / (gSim.scoring[side] + 1);
    step = std::min({step, gSim.attackInterval[side], gSim.foulInterval[side], gSim.chanceInterval[side]});
    gSim.lastFoul[side] = gSim.lastAttack[side] = gSim.lastChance[side] = start;
  }
  step = std::clamp(step, MIN_STEP, MAX_STEP);

  gSim.clock = start;
  while (gSim.clock + step <= end) {
    gSim.clock += step;
    const int first = GameRandom() % 2;
    const int m = gSim.clock - step + 1 + GameRandom() % (step - 2);
    gSim.minute = std::max(gSim.minute, m);
    for (int pass = 0; pass < 2; ++pass) {
      if (!SidePass(pass == 0 ? first : 1 - first)) return;
    }
  }
}

// Goals plus first-leg goals are level.
bool AggregateLevel() {
  return Side(0).goals + Side(0).firstLegGoals == Side(1).goals + Side(1).firstLegGoals;
}

// ---- Marks ----

// The group of a role: 0 defence, 1 midfield, 2 attack, 3 keeper; -1 none.
int MarkGroup(int role) {
  if (role >= 0 && role <= 5) return role / 2;
  if (role == SIM_KEEPER_ROLE) return 3;
  return -1;
}

// The figure a player is measured by in his group (midfield and attack: the
// sum of the pair).
int32_t GroupFigure(int side, int entry, int group) {
  const int16_t* r = gSim.playerRatings[side][entry];
  switch (group) {
    case 0: return r[0];
    case 1: return r[1] + r[2];
    case 2: return r[3] + r[4];
    case 3: return r[SIM_KEEPER_RATING];
    default: return 0;
  }
}

// A side's four base marks: keeper, defence, midfield, attack.
void SumSimSideTallies(int side, int32_t base[4]) {
  const int other = 1 - side;
  const int32_t shots = Side(side).shots, onTarget = Side(side).shotsOnTarget, goals = Side(side).goals;
  const int32_t against = Side(other).goals;
  const int32_t total = Side(0).shots + Side(1).shots;
  base[0] = 0;
  base[1] = 75;
  base[2] = 45 + 3 * shots + goals;
  base[3] = 40 + (3 * shots) / 2 + 2 * onTarget + 2 * goals;
  if (total > 0) {
    const SimTeamRatings* r = gSim.ratings;
    const int32_t own = r[side].r[0];
    const int32_t denom = std::max<int32_t>(1, (r[other].r[3] + r[other].r[4]) / 2 + own);
    int32_t d = (shots * 100 / total - own * 100 / denom) / 2 - 4 * against;
    if (against == 0) d += 5;
    base[0] += d / 2;
    base[1] += d;
    base[2] += (2 * d) / 3;
    base[3] += d / 3;
  }
}

// The best mark goes one ahead of the players who share it: a single player
// of the winning side, else one of the winners' sharers, else one of all.
void BreakSimMarkTie(int best) {
  int winner = Side(0).goals > Side(1).goals ? 0 : Side(0).goals < Side(1).goals ? 1 : -1;
  int gathered[SIM_SIDES * SIM_SHEET_ENTRIES][2];
  int count = 0, winners = 0;
  for (int side = 0; side < SIM_SIDES; ++side) {
    for (int i = 0; i < SIM_SHEET_ENTRIES; ++i) {
      const SimPlayerEntry& e = Entry(side, i);
      if (!SimEntryPresent(e) || e.mark <= 0 || e.mark != best) continue;
      gathered[count][0] = side;
      gathered[count][1] = i;
      ++count;
      winners += side == winner ? 1 : 0;
    }
  }
  if (count < 2) return;
  int chosen = -1;
  if (winners == 1) {
    for (int n = 0; n < count && chosen < 0; ++n)
      if (gathered[n][0] == winner) chosen = n;
  } else if (winners > 1) {
    int pick = GameRandom() % winners;
    for (int n = 0; n < count; ++n) {
      if (gathered[n][0] != winner) continue;
      if (pick-- == 0) {
        chosen = n;
        break;
      }
    }
  } else {
    chosen = GameRandom() % count;
  }
  ++Entry(gathered[chosen][0], gathered[chosen][1]).mark;
}

void RateSimPlayers(int matchMinutes) {
  // Averages of each group over everybody who played.
  int32_t sums[4] = {0, 0, 0, 0}, counts[4] = {0, 0, 0, 0};
  for (int side = 0; side < SIM_SIDES; ++side) {
    for (int i = 0; i < SIM_SHEET_ENTRIES; ++i) {
      const SimPlayerEntry& e = Entry(side, i);
      const int group = MarkGroup(e.role);
      if (!SimEntryPlayed(e) || group < 0) continue;
      int32_t figure = GroupFigure(side, i, group);
      sums[group] += group == 1 || group == 2 ? figure / 2 : figure;
      ++counts[group];
    }
  }
  int32_t average[4];
  for (int g = 0; g < 4; ++g) {
    average[g] = counts[g] ? sums[g] / counts[g] : 0;
    if (average[g] < 1) average[g] = 50;
  }

  int32_t base[SIM_SIDES][4];
  for (int side = 0; side < SIM_SIDES; ++side) SumSimSideTallies(side, base[side]);

  int best = 0;
  for (int side = 0; side < SIM_SIDES; ++side) {
    for (int i = 0; i < SIM_SHEET_ENTRIES; ++i) {
      SimPlayerEntry& e = Entry(side, i);
      if (!SimEntryPlayed(e)) {
        e.mark = 0;
        e.markFigure = 0;
        continue;
      }
      const int32_t t = std::max(0, e.minuteOff - e.minuteOn);
      const int32_t share = std::max<int32_t>(1, t * 100 / std::max(1, matchMinutes));
      const int group = MarkGroup(e.role);
      int32_t mark;
      if (group < 0) {
        mark = GameRandom() % 55 + 40;
      } else {
        const int32_t figure = GroupFigure(side, i, group);
        int32_t q = group == 1 || group == 2 ? figure * 50 / average[group] : figure * 100 / average[group];
        q = std::max<int32_t>(q, 20);
        if (group == 3)
          mark = 5 * e.saves + base[side][0] + 60 - 4 * e.conceded + GameRandom() % (q / 10);
        else
          mark = base[side][group + 1] + GameRandom() % (q / 10);
      }
      mark += 4 * e.shots + 5 * e.assists + 5 * e.goals;
      if (e.goals >= 3) mark += 5;
      if (e.cardState == SIM_CARD_BOOKED) mark -= 2;
      if (e.cardState >= SIM_CARD_TWICE) mark -= 5;
      if (share < 35) mark = mark * 70 / 100;
      else if (share < 65) mark = mark * 85 / 100;
      mark = std::max<int32_t>(mark, 1);  // a player who played never reads as one who did not
      e.mark = Saturate16(mark);
      e.markFigure =
          Saturate16(share * (GameRandom() % std::max(1, 35 - e.physical11 / 3) + 5 + e.mark / 10) / 100);
      best = std::max<int>(best, e.mark);
    }
  }

  for (int side = 0; side < SIM_SIDES; ++side)
    for (int i = 0; i < SIM_SHEET_ENTRIES; ++i) {
      SimPlayerEntry& e = Entry(side, i);
      if (e.mark > 0) e.mark = static_cast<int16_t>(ScaleSimMark(e.mark, best));
    }
  BreakSimMarkTie(ScaleSimMark(best, best));
}

// Everything the post-match updates read, into the MatchResult.
void WriteSimResult() {
  uint8_t* result = GetMatchResultRecord();
  for (int side = 0; side < SIM_SIDES; ++side) {
    uint8_t* team = result + TEAM_MATCH_RECORD_OFFSET[side];
    std::memset(team, 0, TEAM_MATCH_RECORD_SIZE);
    for (int place = 0; place < TEAM_PLAYER_SLOTS; ++place)
      StoreI16(result + PlayerStatsOffset(side, place) + PLAYER_STATS_RECORD + MATCH_RECORD_PLAYER, -1);
    StoreI16(team + TEAM_MAN_OF_MATCH, -1);
    StoreI16(team + TEAM_GOAL_LIST, -1);
    std::memset(team + TEAM_CARD_LIST, 0xFF, TEAM_CARD_LIST_ENTRIES * 2);
    StoreI16(team + TEAM_GOALS, Side(side).goals);
    StoreI16(team + TEAM_SHOOTOUT_GOALS, Side(side).shootout);
    for (int i = 0; i < SIM_SHEET_ENTRIES; ++i) {
      const SimPlayerEntry& e = Entry(side, i);
      uint8_t* stats = result + PlayerStatsOffset(side, i);
      uint8_t* record = stats + PLAYER_STATS_RECORD;
      StoreI16(record + MATCH_RECORD_PLAYER, e.player);
      if (!SimEntryPresent(e)) continue;
      const int minutes = SimEntryPlayed(e) ? std::max(0, e.minuteOff - e.minuteOn) : 0;
      StoreI16(stats + PLAYER_STATS_MARK, e.mark);
      StoreI16(stats + PLAYER_STATS_GOALS, e.goals);
      StoreI16(stats + PLAYER_STATS_ASSISTS, e.assists);
      StoreI16(stats + PLAYER_STATS_CARD_STATE, e.cardState);
      StoreI16(stats + PLAYER_STATS_WORKLOAD, minutes / 3);
      StoreI16(stats + PLAYER_STATS_INJURY, e.injuryState);
      StoreI16(record + MATCH_RECORD_PERFORMANCE, e.mark);
      record[MATCH_RECORD_ASSISTS] = e.assists;
      record[MATCH_RECORD_GOALS] = e.goals;
      record[MATCH_RECORD_CONCEDED] = e.conceded;
    }
  }
  result[MATCH_LOG] = MATCH_LOG_END;
}

void FinishSimulatedMatch(int endMinute) {
  for (int side = 0; side < SIM_SIDES; ++side) {
    SimSideRecord& s = Side(side);
    s.bookings = s.sendingsOff = s.injured = 0;
    for (int i = 0; i < SIM_SHEET_ENTRIES; ++i) {
      SimPlayerEntry& e = Entry(side, i);
      if (SimEntryOnPitch(e)) {
        e.minuteOff = static_cast<uint8_t>(endMinute);
        if (e.formationSlot >= 0 && e.formationSlot < SIM_FORMATION_SLOTS)
          e.role = SimSheets.formations[side][e.formationSlot].role;
      }
      if (!SimEntryPresent(e)) continue;
      if (e.cardState == SIM_CARD_BOOKED || e.cardState == SIM_CARD_TWICE) ++s.bookings;
      if (e.cardState == SIM_CARD_SENT_OFF) ++s.sendingsOff;
      if (e.injuryState == SIM_INJURED_OFF) ++s.injured;
    }
  }
  RateSimPlayers(endMinute);
  WriteSimResult();
}

void ShootOut() {
  int home = 0, away = 0;
  for (int k = 5; k >= 1; --k) {
    home += GameRandom() % 2;
    away += GameRandom() % 2;
    if (std::abs(home - away) > k) break;
  }
  if (home == away) {
    if (GameRandom() % 2 == 0) ++home;
    else ++away;
  }
  Side(0).shootout = static_cast<uint8_t>(home);
  Side(1).shootout = static_cast<uint8_t>(away);
}

}  // namespace

void SimMatch_Reset() {
  std::memset(&gSim, 0, sizeof gSim);
  MatchEvents.count = 0;
  std::memset(MatchEvents.events, 0, sizeof MatchEvents.events);
}
REGISTER_RESET(RESET_SEASON, SimMatch_Reset);

void ClearMatchEvents() { MatchEvents.count = 0; }

void EncodeMatchEvent(const MatchEventFields& f, uint8_t* out) {
  std::memset(out, 0, MATCH_EVENT_SIZE);
  uint32_t w0 = Bits(f.kind, 3) | Bits(f.club, 8) << 3 | Bits(f.goals, 4) << 11 | Bits(f.minute + 1, 8) << 15 |
                Bits(f.sequence, 8) << 23 | Bits(f.side, 1) << 31;
  uint32_t w1 = (static_cast<uint32_t>(f.player) & 0x7FFFF) | Bits(f.special, 1) << 19 | Bits(f.otherClub, 8) << 20 |
                Bits(f.otherGoals, 4) << 28;
  uint32_t w2 = Bits(f.firstLegGoals, 5) | Bits(f.otherFirstLegGoals, 5) << 5 | Bits(f.shootout, 4) << 10 |
                Bits(f.otherShootout, 4) << 14 | Bits(f.values.cup, 4) << 18 | Bits(f.values.round, 4) << 22 |
                Bits(f.values.spare, 5) << 26 | Bits(f.values.singleLeg, 1) << 31;
  StoreU32(out, w0);
  StoreU32(out + 4, w1);
  out[8] = static_cast<uint8_t>(Bits(f.competition, 8));
  StoreU32(out + 9, w2);
  out[13] = static_cast<uint8_t>(Bits(f.secondLeg, 1));
}

MatchEventFields DecodeMatchEvent(const uint8_t* event) {
  const uint32_t w0 = LoadU32(event), w1 = LoadU32(event + 4), w2 = LoadU32(event + 9);
  MatchEventFields f{};
  f.kind = static_cast<int>(w0 & 7);
  f.club = static_cast<int>(w0 >> 3 & 0xFF);
  f.goals = static_cast<int>(w0 >> 11 & 0xF);
  f.minute = static_cast<int>(w0 >> 15 & 0xFF) - 1;
  f.sequence = static_cast<int>(w0 >> 23 & 0xFF);
  f.side = static_cast<int>(w0 >> 31);
  // The player field is a signed 19-bit number.
  int32_t player = static_cast<int32_t>(w1 & 0x7FFFF);
  f.player = player & 0x40000 ? player - 0x80000 : player;
  f.special = static_cast<int>(w1 >> 19 & 1);
  f.otherClub = static_cast<int>(w1 >> 20 & 0xFF);
  f.otherGoals = static_cast<int>(w1 >> 28 & 0xF);
  f.competition = event[8];
  f.firstLegGoals = static_cast<int>(w2 & 0x1F);
  f.otherFirstLegGoals = static_cast<int>(w2 >> 5 & 0x1F);
  f.shootout = static_cast<int>(w2 >> 10 & 0xF);
  f.otherShootout = static_cast<int>(w2 >> 14 & 0xF);
  f.values.cup = static_cast<int>(w2 >> 18 & 0xF);
  f.values.round = static_cast<int>(w2 >> 22 & 0xF);
  f.values.spare = static_cast<int>(w2 >> 26 & 0x1F);
  f.values.singleLeg = static_cast<int>(w2 >> 31);
  f.secondLeg = event[13] & 1;
  return f;
}

void ComputeSimPlayerRatings(const SimPlayerEntry& e, int role, int16_t out[SIM_PLAYER_RATINGS]) {
  if (role < 0 || role >= SIM_ROLES || !SimEntryPresent(e)) {
    for (int k = 0; k < SIM_PLAYER_RATINGS; ++k) out[k] = 0;
    return;
  }
  const int defence[8] = {e.ability0, e.ability2, e.ability1, e.ability6,
                          e.physical9, e.physical14, e.personality19, e.experience};
  const int midfield[4] = {e.ability2, e.personality15, e.pace, e.experience};
  const int attack[8] = {e.physical13, e.ability3, e.personality19, e.pace,
                         e.ability5,   e.ability6, e.physical9,     e.personality16};
  int32_t s0 = 0, s1 = 0, s2 = 0;
  for (int k = 0; k < 8; ++k) s0 += kDefenceWeights[role][k] * defence[k];
  for (int k = 0; k < 4; ++k) s1 += kMidfieldWeights[role][k] * midfield[k];
  for (int k = 0; k < 8; ++k) s2 += kAttackWeights[role][k] * attack[k];
  const int32_t s3 = kFinishingWeights[role] *
                     (e.physical14 + e.ability6 + e.ability7 + e.physical10 + e.ability4 + e.experience);
  const int32_t s4 = kShootingWeights[role] *
                     (e.physical9 + e.physical14 + e.ability6 + e.physical10 + e.ability1 + e.experience);
  const int32_t keeper = s0 - kDefenceWeights[role][1] * e.ability2 - kDefenceWeights[role][5] * e.physical14;
  out[0] = ModifiedRating(s0, e);
  out[1] = ModifiedRating(s1, e);
  out[2] = ModifiedRating(s2, e);
  out[3] = ModifiedRating(s3, e);
  out[4] = ModifiedRating(s4, e);
  out[SIM_KEEPER_RATING] = ModifiedRating(keeper, e);
}

int16_t GetSimPlayerRating(int side, int entry, int rating) {
  if (side < 0 || side >= SIM_SIDES || entry < 0 || entry >= SIM_SHEET_ENTRIES || rating < 0 ||
      rating >= SIM_PLAYER_RATINGS)
    return 0;
  return gSim.playerRatings[side][entry][rating];
}

const SimTeamRatings& GetSimTeamRatings(int side) { return gSim.ratings[side == 1 ? 1 : 0]; }

int DrawSimInjuryKind(int attackTally) {
  const int row = std::clamp(attackTally, 1, 6) - 1;
  if (GameRandom() % 15 == 0) return kRareInjuryKinds[row][GameRandom() % 4];
  return kInjuryKinds[row][GameRandom() % 3];
}

void CheckSimAggregate(bool extraTime) {
  if (!AggregateLevel()) {
    ClearFlag(SIMF_EXTRA_TIME | SIMF_PENALTIES);
    return;
  }
  if (Flag(SIMF_AWAY_GOALS) && Side(0).firstLegGoals != Side(1).goals) {
    if (extraTime) ClearFlag(SIMF_PENALTIES);
    else ClearFlag(SIMF_EXTRA_TIME | SIMF_PENALTIES);
  }
}

void CutSimScoringCounts(int* home, int* away) {
  while (*home > SCORING_CUT && *away > SCORING_CUT) {
    --*home;
    --*away;
  }
}

int ScaleSimMark(int mark, int best) {
  if (best >= 41 && best <= 84) return mark > 40 ? (mark - 40) * 58 / (best - 40) + 40 : mark;
  if (best >= 96) return mark > 60 ? (mark - 60) * 38 / (best - 60) + 60 : mark;
  return mark;
}

void SimulationInit(int16_t home, int16_t away, int16_t extraTimeRule, int16_t goldenGoalRule,
                    int16_t penaltiesRule) {
  SetupMatchTeamSheets();
  InitSimFormations();
  BuildSimTeamRecords(home, away);
  std::memset(&gSim, 0, sizeof gSim);
  SimSheets.eventSequence = 0;

  // Keep what the link set (a human club's part, recording events); the rest
  // comes from the rules of this match.
  SimSheets.flags &= SIMF_HUMAN_PLAYS | SIMF_HUMAN_AWAY | SIMF_RECORD_EVENTS;
  if (extraTimeRule != 0) SetFlag(SIMF_EXTRA_TIME);
  if (penaltiesRule != 0) SetFlag(SIMF_PENALTIES);
  if (goldenGoalRule != 0) SetFlag(SIMF_GOLDEN_GOAL);
  if (extraTimeRule != 0 || penaltiesRule != 0 || goldenGoalRule != 0) SetFlag(SIMF_NEEDS_WINNER);
  SetFlag(SIMF_AWAY_GOALS);
  if (GetMatchSetupRecord()[SETUP_SECOND_LEG] == 1) {
    SetFlag(SIMF_SECOND_LEG);
    if (SimAwayGoalsRuleWaived(SimSheets.competition)) ClearFlag(SIMF_AWAY_GOALS);
  }
}

int SimulateMatchResult(int16_t home, int16_t away, int16_t competition, int16_t extraTimeRule,
                        int16_t goldenGoalRule, int16_t penaltiesRule, int16_t recordEvents) {
  SimSheets.competition = competition;
  if (recordEvents != 0) SetFlag(SIMF_RECORD_EVENTS);
  else ClearFlag(SIMF_RECORD_EVENTS);
  SimulationInit(home, away, extraTimeRule, goldenGoalRule, penaltiesRule);
  RateSides();

  int endMinute = SIM_NORMAL_TIME;
  RunPeriod(0);
  if (Flag(SIMF_NEEDS_WINNER) && !Flag(SIMF_STOP)) {
    if (Flag(SIMF_SECOND_LEG)) CheckSimAggregate(false);
    else if (Side(0).goals != Side(1).goals) ClearFlag(SIMF_EXTRA_TIME | SIMF_PENALTIES);
    if (Flag(SIMF_EXTRA_TIME)) {
      SetFlag(SIMF_IN_EXTRA_TIME);
      RunPeriod(1);
      endMinute = SIM_NORMAL_TIME + SIM_EXTRA_TIME;
      if (!AggregateLevel()) ClearFlag(SIMF_PENALTIES);
    }
  }
  if (Flag(SIMF_STOP)) endMinute = std::clamp(gSim.stopMinute, SIM_NORMAL_TIME + 1, SIM_NORMAL_TIME + SIM_EXTRA_TIME);

  if (Flag(SIMF_PENALTIES)) {
    if (Flag(SIMF_SECOND_LEG)) CheckSimAggregate(Flag(SIMF_IN_EXTRA_TIME));
    if (Flag(SIMF_PENALTIES)) ShootOut();
  }

  FinishSimulatedMatch(endMinute);
  return SIM_RESULT_DONE;
}

int RunBackgroundMatch(int16_t home, int16_t away, int16_t competition, int16_t extraTimeRule,
                       int16_t goldenGoalRule, int16_t penaltiesRule, int16_t recordEvents) {
  SimSheets.startTicks = TimerTicks.load();
  SimSheets.eventSequence = 0;
  ClearFlag(SIMF_HUMAN_PLAYS | SIMF_HUMAN_AWAY | SIMF_RECORD_EVENTS | (1u << 3));
  if (recordEvents != 0) SetFlag(SIMF_RECORD_EVENTS);
  const int16_t human = GNW_GetHumanClub(FIRST_HUMAN_MANAGER);
  if (competition != COMP_SPECIAL && human >= 0 && (human == home || human == away)) {
    SetFlag(SIMF_HUMAN_PLAYS);
    if (human == away) SetFlag(SIMF_HUMAN_AWAY);
  }
  ClearFlag(SIMF_SECOND_LEG);
  const int result =
      SimulateMatchResult(home, away, competition, extraTimeRule, goldenGoalRule, penaltiesRule, recordEvents);
  SimSheets.humanClub = human;
  SimSheets.lastTicks = TimerTicks.load() - SimSheets.startTicks;
  ++SimSheets.backgroundMatches;
  return result;
}
