#include "clubsim/training.h"

#include <algorithm>
#include <bitset>
#include <cstring>

#include "clubsim/clubsvc.h"
#include "clubsim/injuries.h"
#include "clubsim/squadlist.h"
#include "engine/bytes.h"
#include "engine/debug.h"
#include "engine/poll.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "season/progress.h"
#include "season/seasonstate.h"
#include "world/calendar.h"
#include "world/clubs.h"
#include "world/players.h"
#include "world/playerstats.h"
#include "world/textmess.h"

// The schedule screen's module: its assertions name it.
#define ABORT_FILE "menus\\c_mn15"

TrainingBufferRecord TrainingBuffer;
TrainingSlidersRecord TrainingSliders;
SquadProgressEntry SquadProgress[TRAINING_SLOTS];

namespace {

constexpr int16_t FIRST_SPECIAL_CLUB = 250;  // clubs from here up are free agents, the pool, nobody
constexpr int LEAGUE_DIVISIONS = 6;
constexpr int16_t WEEKLY_TRAINING_WEEKDAY = 6;

// The close season: from this many days after the postdate the players only
// lose fitness, and a fit player never below this much.
constexpr int CLOSE_SEASON_AFTER_POSTDATE = 28;
constexpr int CLOSE_SEASON_FITNESS_FLOOR = 30;

constexpr int FITNESS_TOP = 60;
constexpr int FATIGUE_TOP = 60;
constexpr int TRAINED_FITNESS_CAP = 48;  // what training alone lifts a player below it to
constexpr int WORKLOAD_LIMIT = 5;        // more days of work than this may lower morale
constexpr int DRILL_WORK_CAP = 100;

// The fixed plan: a day's rest or fitness work of up to five, weighed by
// twenty on the weekly day, with skill work of 100.
constexpr int FIXED_PLAN_DAYS = 5;
constexpr int FIXED_PLAN_WEIGHT = 20;
constexpr int FIXED_PLAN_SKILL_WORK = 100;
constexpr int SCHEDULE_WEIGHT = 4;
// A club's ratings under the fixed plan: reputation + 15 at home, the top abroad.
constexpr int RATING_REPUTATION_BONUS = 15;
constexpr int RATING_ABROAD = 60;

// Stats read.
constexpr int STAT_KEEPING = 0;
constexpr int STAT_TACKLING = 2;
constexpr int STAT_PASSING = 3;
constexpr int STAT_SHOOTING = 4;
constexpr int STAT_DEADBALL = 7;
constexpr int STAT_STAMINA = 11;      // how much fitness a day costs
constexpr int STAT_COMPOSURE = 18;    // takes the workload; team spirit in the drills
constexpr int STAT_TEMPERAMENT = 21;  // gets more from skill training

// News kinds.
constexpr int NEWS_BURNT_OUT = 138;
constexpr int NEWS_GOOD_FORM = 147;
constexpr int NEWS_RETRAINED = 163;

// Where a computer-trained player drifts: four positions per stored position.
constexpr int16_t kDrift[13][4] = {
    {0, 0, 0, 0},   {1, 1, 9, 12},  {2, 2, 6, 10},  {3, 3, 9, 12},  {4, 4, 6, 10},
    {4, 4, 10, 10}, {4, 4, 10, 10}, {4, 4, 12, 12}, {4, 4, 12, 12}, {1, 3, 12, 12},
    {2, 7, 10, 10}, {2, 5, 11, 11}, {4, 8, 12, 12},
};
// The position a finished retraining gives, by stored position and target type.
constexpr int16_t kRetrained[13][4] = {
    {0, 4, 5, 11}, {0, 1, 9, 12}, {0, 2, 5, 10}, {0, 3, 9, 12}, {0, 4, 6, 11}, {0, 4, 5, 11}, {0, 4, 6, 10},
    {0, 4, 7, 10}, {0, 4, 8, 12}, {0, 3, 9, 12}, {0, 2, 5, 10}, {0, 2, 8, 11}, {0, 4, 8, 12},
};

constexpr int16_t kStartingDrillPlan[DRILL_DAYS][DRILLS_PER_DAY] = {
    {0, 1, 2}, {3, 0, 1}, {2, 3, 0}, {1, 2, 3}, {0, 1, 2}};
constexpr int16_t kRetrainChoices[RETRAIN_CHOICES] = {0, 1, 2, 3, 5, 6};

constexpr int16_t S = TRAINING_SKILLS, F = TRAINING_FITNESS, T = TRAINING_TEAM, R = TRAINING_REST;
constexpr int16_t kFirstPlans[4][TRAINING_DAYS] = {
    {R, R, R, R, R, R, R},  // Custom
    {F, F, F, F, S, T, T},  // Pre Season Training
    {F, S, S, T, T, R, R},  // Regular Training
    {F, F, F, F, F, F, F},  // Injury Recovery Training
};

// The sliders' defaults: four main sliders of 75, three groups of three
// sharing their main slider's part 34/33/33, the balance at 50.
constexpr int MAIN_SLIDERS = 4;
constexpr int SLIDER_GROUPS = 3;
constexpr int GROUP_SLIDERS = 3;
constexpr int BALANCE_SLIDER = TRAINING_SLIDERS - 1;
constexpr int16_t MAIN_SLIDER_VALUE = 75;
constexpr int16_t MAIN_SLIDERS_SUM = 300;
constexpr int16_t kGroupSliderValues[GROUP_SLIDERS] = {66, 67, 67};
constexpr int16_t BALANCE_SLIDER_VALUE = 50;

void News(int kind, int16_t club, int16_t player) {
  SetNewsArgs(club, -1, player, -1, -1, -1, -1, -1, -1);
  ShowNewsMessage(GetRandomNewsText(kind), 0, NEWS_SHOW_HUMAN_CLUB, club, -1);
}

// Tries that come up: n rolls of rand() % m == 1. A week's work is up to a
// hundred rolls a player, so they run on a copy of the generator's state
// (the same numbers), most with the usual m of 20.
int Rounds(int32_t tries, int m) {
  uint32_t state = GameRandomState();
  const auto next = [&state] {
    state = state * 1103515245u + 12345u;
    return static_cast<int>((state >> 16) & 32767u);
  };
  int rounds = 0;
  if (m == 20) {
    for (int32_t i = 0; i < tries; ++i) rounds += next() % 20 == 1;
  } else {
    for (int32_t i = 0; i < tries; ++i) rounds += next() % m == 1;
  }
  GameSetRandomState(state);
  return rounds;
}

// A staff member's level when he is under contract, else 0.
int Staff(int16_t (*level)(int16_t), int16_t (*contract)(int16_t), int16_t club) {
  return contract(club) != 0 ? level(club) : 0;
}

// The coach of the player's position group, when under contract: his level
// doubled; else one more than the head coach's level (1 with no head coach).
int CoachingBonus(int16_t club, int16_t position) {
  int16_t (*level)(int16_t) = Club_GetCoachFW;
  int16_t (*contract)(int16_t) = Club_GetCoachFWContract;
  if (position == 0) {
    level = Club_GetCoachGK, contract = Club_GetCoachGKContract;
  } else if (position <= 4) {
    level = Club_GetCoachDF, contract = Club_GetCoachDFContract;
  } else if (position <= 9) {
    level = Club_GetCoachMD, contract = Club_GetCoachMDContract;
  }
  if (contract(club) != 0) return 2 * level(club);
  return 1 + Staff(Club_GetCoach, Club_GetCoachContract, club);
}

int AbilitySum(int16_t p) {
  int sum = 0;
  for (int stat = STAT_KEEPING; stat <= STAT_SHOOTING; ++stat) sum += Player_GetAbilityStat(p, stat);
  return sum;
}

bool HumanWithClause(int16_t club) { return Club_GetControl(club) != 0 && Club_GetTrainingClause(club) != 0; }

// A week's skill work: gains of training value, the drift or the good-form
// news they bring, and burnout.
void SkillTraining(int16_t p, int32_t skillWork, int bonus) {
  const int16_t club = Player_GetClub(p);
  const int age = Player_GetAge(p);
  const int rounds = Rounds(skillWork, 20);
  TrainingInjuryCheck(p);
  int gains = 0;
  for (int i = 0; i < rounds; ++i)
    if (GameRandom() % 5 == 0) ++gains;
  if (gains == 0) return;

  const int before = AbilitySum(p);
  Player_SetTraining(p, Player_GetTraining(p) + gains * 5);
  if (AbilitySum(p) > before) {
    if (!HumanWithClause(club)) {
      PositionDrift(p);
    } else {
      const int odds = std::max(1, (LEAGUE_DIVISIONS - Club_GetDivision(club)) * 5 + 1);
      if (GameRandom() % odds == 0) News(NEWS_GOOD_FORM, club, p);
    }
  }

  const int32_t limit = (age * 15 + 150) * (age * 312) / 100;
  const int32_t value = Player_GetTraining(p);
  if (value <= limit || age == 0) return;
  if (GameRandom() % 30 < bonus || SeasonCounter == 0) {
    Player_SetTraining(p, limit);
    return;
  }
  if (HumanWithClause(club)) News(NEWS_BURNT_OUT, club, p);
  const int32_t fatigue = Player_GetFatigue(p) + (value - limit) / 2;
  if (fatigue > FATIGUE_TOP) {
    Player_SetFatigue(p, FATIGUE_TOP);
  } else {
    Player_SetFatigue(p, fatigue);
    Player_SetTraining(p, value * 70 / 100);
  }
}

// The control values of the game country's league clubs.
std::bitset<256> LeagueControls() {
  std::bitset<256> controls;
  for (int16_t club = 0; club < NUM_CLUBS; ++club) {
    if (Club_GetCountry(club) != GameCountry) continue;
    const int16_t division = Club_GetDivision(club);
    if (division < 0 || division >= LEAGUE_DIVISIONS) continue;
    const int16_t control = Club_GetControl(club);
    if (control >= 0 && control < 256) controls.set(static_cast<size_t>(control));
  }
  return controls;
}

// The close season: a day's loss of fitness, never taking a fit player below 30.
void CloseSeasonDay(int16_t p) {
  const int fitness = Player_GetFitness(p) - (100 - Player_GetPhysicalStat(p, STAT_STAMINA)) * 10 / 100;
  if (fitness >= CLOSE_SEASON_FITNESS_FLOOR || Player_GetInFlag(p)) Player_SetFitness(p, fitness);
}

// The fixed plan of one player: the club's ratings, and his week on the weekly day.
// The ratings are the same for every player of the club on the day (nothing
// the step does changes the club's country or reputation), so they are set
// with the club's first player; ratingsSet notes that.
void FixedPlan(int16_t p, int16_t club, bool* ratingsSet) {
  int rest = 0, fitnessWork = 0;
  const int fitness = Player_GetFitness(p);
  if (Player_GetFatigue(p) != 0)
    rest = FIXED_PLAN_DAYS;
  else if (fitness < FITNESS_TOP)
    fitnessWork = FIXED_PLAN_DAYS - (fitness * 100 / FITNESS_TOP) / 20;
  if (!*ratingsSet) {
    const int r = Club_GetCountry(club) == GameCountry ? Club_GetRep(club) + RATING_REPUTATION_BONUS : RATING_ABROAD;
    Club_SetTeamwork(club, 2 * r);
    Club_SetSetPieces2(club, r);
    Club_SetSetPieces1(club, r);
    Club_SetSetPieces3(club, r);
    *ratingsSet = true;
  }
  if (Weekday == WEEKLY_TRAINING_WEEKDAY)
    TrainPlayer(p, rest * FIXED_PLAN_WEIGHT, fitnessWork * FIXED_PLAN_WEIGHT, FIXED_PLAN_SKILL_WORK);
}

void ClearSlot(int slot) {
  TrainingBufferRecord& t = TrainingBuffer;
  t.players[slot] = -1;
}

// A new player in the slot: his training value now, the pre-season plan and no retraining.
void TakeSlot(int slot, int16_t player) {
  TrainingBufferRecord& t = TrainingBuffer;
  t.players[slot] = player;
  t.trainingValues[slot] = Player_GetTraining(player);
  std::copy(std::begin(t.groupPlans[TRAINING_PLAN_PRE_SEASON]), std::end(t.groupPlans[TRAINING_PLAN_PRE_SEASON]),
            t.schedules[slot]);
  t.retrainTarget[slot] = RETRAIN_NONE;
  t.weeksLeft[slot] = 0;
  t.weeksTotal[slot] = 0;
}

bool InSquadList(int16_t player, bool listHolds) {
  if (!listHolds) return false;
  return std::find(std::begin(SquadList), std::end(SquadList), player) != std::end(SquadList);
}

// ---- saved layouts ----

constexpr int32_t AT_INITIALISED = 0;
constexpr int32_t AT_DRILL_PLAN = 4;
constexpr int32_t AT_PLAYERS = AT_DRILL_PLAN + DRILL_DAYS * DRILLS_PER_DAY * 2;
constexpr int32_t AT_SCHEDULES = AT_PLAYERS + TRAINING_SLOTS * 2;
constexpr int32_t AT_VALUES = AT_SCHEDULES + TRAINING_SLOTS * TRAINING_DAYS * 2;
constexpr int32_t AT_TARGETS = AT_VALUES + TRAINING_SLOTS * 2;
constexpr int32_t AT_WEEKS_LEFT = AT_TARGETS + TRAINING_SLOTS;
constexpr int32_t AT_WEEKS_TOTAL = AT_WEEKS_LEFT + TRAINING_SLOTS;
constexpr int32_t AT_GROUP_PLANS = AT_WEEKS_TOTAL + TRAINING_SLOTS;
constexpr int32_t AT_END = AT_GROUP_PLANS + TRAINING_GROUP_PLANS * TRAINING_DAYS * 2;
static_assert(AT_END == TRAINING_BUFFER_SAVED_SIZE);

void StoreWords(uint8_t* out, const int16_t* words, int count) {
  for (int i = 0; i < count; ++i) StoreI16(out + 2 * i, words[i]);
}
void LoadWords(const uint8_t* in, int16_t* words, int count) {
  for (int i = 0; i < count; ++i) words[i] = LoadI16(in + 2 * i);
}

bool PlayerSound(int16_t player, int16_t playerTotal) { return player == -1 || (player >= 0 && player < playerTotal); }

}  // namespace

// ---------------------------------------------------------------------------
// The training buffer
// ---------------------------------------------------------------------------

void TrainingBuffer_Pack(uint8_t* out) {
  const TrainingBufferRecord& t = TrainingBuffer;
  StoreI32(out + AT_INITIALISED, t.initialised);
  StoreWords(out + AT_DRILL_PLAN, &t.drillPlan[0][0], DRILL_DAYS * DRILLS_PER_DAY);
  StoreWords(out + AT_PLAYERS, t.players, TRAINING_SLOTS);
  StoreWords(out + AT_SCHEDULES, &t.schedules[0][0], TRAINING_SLOTS * TRAINING_DAYS);
  StoreWords(out + AT_VALUES, t.trainingValues, TRAINING_SLOTS);
  std::memcpy(out + AT_TARGETS, t.retrainTarget, TRAINING_SLOTS);
  std::memcpy(out + AT_WEEKS_LEFT, t.weeksLeft, TRAINING_SLOTS);
  std::memcpy(out + AT_WEEKS_TOTAL, t.weeksTotal, TRAINING_SLOTS);
  StoreWords(out + AT_GROUP_PLANS, &t.groupPlans[0][0], TRAINING_GROUP_PLANS * TRAINING_DAYS);
}

void TrainingBuffer_Unpack(const uint8_t* in) {
  TrainingBufferRecord& t = TrainingBuffer;
  t.initialised = LoadI32(in + AT_INITIALISED);
  LoadWords(in + AT_DRILL_PLAN, &t.drillPlan[0][0], DRILL_DAYS * DRILLS_PER_DAY);
  LoadWords(in + AT_PLAYERS, t.players, TRAINING_SLOTS);
  LoadWords(in + AT_SCHEDULES, &t.schedules[0][0], TRAINING_SLOTS * TRAINING_DAYS);
  LoadWords(in + AT_VALUES, t.trainingValues, TRAINING_SLOTS);
  std::memcpy(t.retrainTarget, in + AT_TARGETS, TRAINING_SLOTS);
  std::memcpy(t.weeksLeft, in + AT_WEEKS_LEFT, TRAINING_SLOTS);
  std::memcpy(t.weeksTotal, in + AT_WEEKS_TOTAL, TRAINING_SLOTS);
  LoadWords(in + AT_GROUP_PLANS, &t.groupPlans[0][0], TRAINING_GROUP_PLANS * TRAINING_DAYS);
}

bool TrainingBuffer_Sound(const uint8_t* in, int16_t playerTotal, std::string* why) {
  for (int slot = 0; slot < TRAINING_SLOTS; ++slot) {
    const int16_t player = LoadI16(in + AT_PLAYERS + 2 * slot);
    const uint8_t target = in[AT_TARGETS + slot];
    const uint8_t left = in[AT_WEEKS_LEFT + slot], total = in[AT_WEEKS_TOTAL + slot];
    std::string fault;
    if (!PlayerSound(player, playerTotal))
      fault = "names player " + std::to_string(player);
    else if (target > 3 && target != RETRAIN_NONE)
      fault = "retrains as position type " + std::to_string(target);
    else if (left > total)
      fault = "has " + std::to_string(left) + " of " + std::to_string(total) + " retraining weeks left";
    if (fault.empty()) continue;
    if (why) *why = "training slot " + std::to_string(slot) + " " + fault;
    return false;
  }
  return true;
}

void TrainingBuffer_FirstUse() {
  TrainingBufferRecord& t = TrainingBuffer;
  if (t.initialised != 0) return;
  t.initialised = 1;
  for (int plan = 0; plan < TRAINING_GROUP_PLANS; ++plan)
    for (int day = 0; day < TRAINING_DAYS; ++day)
      t.groupPlans[plan][day] = plan < 4 ? kFirstPlans[plan][day] : TRAINING_SKILLS;
  for (int slot = 0; slot < TRAINING_SLOTS; ++slot) {
    ClearSlot(slot);
    t.retrainTarget[slot] = RETRAIN_NONE;
    t.weeksLeft[slot] = 0;
    t.weeksTotal[slot] = 0;
  }
}

void TrainingBuffer_Init() {
  const int16_t human = FindHumanClub(1);
  if (human >= 0) BuildClubSquadList(human);
  for (int slot = 0; slot < TRAINING_SLOTS; ++slot) ClearSlot(slot);
  TrainingBuffer_Sync();
  std::memcpy(TrainingBuffer.drillPlan, kStartingDrillPlan, sizeof kStartingDrillPlan);
}

void TrainingBuffer_Sync() {
  TrainingBufferRecord& t = TrainingBuffer;
  const int16_t human = FindHumanClub(1);
  if (human >= 0 && SquadListClub != human) BuildClubSquadList(human);
  const bool listHolds = human >= 0;
  for (int slot = 0; slot < TRAINING_SLOTS; ++slot)
    if (t.players[slot] != -1 && !InSquadList(t.players[slot], listHolds)) ClearSlot(slot);
  if (!listHolds) return;
  for (const int16_t player : SquadList) {
    if (player < 0 || TrainingBuffer_SlotOf(player) >= 0) continue;
    const int16_t slot = TrainingBuffer_SlotOf(-1);
    if (slot < 0) ABORT("c_mn15.c: - player not in training buffer & training buffer is full (init stage)");
    TakeSlot(slot, player);
  }
}

int16_t TrainingBuffer_SlotOf(int16_t player) {
  for (int16_t slot = 0; slot < TRAINING_SLOTS; ++slot)
    if (TrainingBuffer.players[slot] == player) return slot;
  return -1;
}

int16_t TrainingBuffer_Find(int16_t player) {
  const int16_t slot = player < 0 ? -1 : TrainingBuffer_SlotOf(player);
  if (slot < 0) ABORT("c_mn15.c: - player not in training buffer (After init)");
  return slot;
}

int16_t RetrainWeeks(int16_t player, int16_t target) {
  const int base = (Player_GetAge(player) + 16 - 11) / 2;
  const int16_t position = Player_GetStoredPosition(player);
  int times = 1;
  if (position == 0) {
    times = 5;
  } else if (position <= 4) {
    times = target == 0 ? 5 : target == 2 ? 2 : target == 3 ? 4 : 1;
  } else if (position <= 9) {
    times = target == 0 ? 5 : target == 1 || target == 3 ? 2 : 1;
  } else if (position <= 12) {
    times = target == 0 ? 5 : target == 1 ? 4 : target == 2 ? 2 : 1;
  }
  return static_cast<int16_t>(times * base);
}

// ---------------------------------------------------------------------------
// The day's training
// ---------------------------------------------------------------------------

void TrainingStep() {
  ProgressBar_Reset();
  ProgressWords.step = 0;
  ProgressWords.total = PlayerCount;
  const bool closeSeason = DayOfSeason >= Postdate + CLOSE_SEASON_AFTER_POSTDATE;
  const std::bitset<256> controls = LeagueControls();
  bool ratingsSet[FIRST_SPECIAL_CLUB] = {};
  for (int16_t p = 0; p < PlayerCount; ++p) {
    if (closeSeason) {
      CloseSeasonDay(p);
      continue;
    }
    ++ProgressWords.step;
    Poll();
    PlayerScreenFields f;
    if (!Player_ReadScreenFields(p, &f)) continue;  // not reached: p is a full record
    const int16_t club = f.club;
    if (club < 0 || club >= FIRST_SPECIAL_CLUB) continue;
    if (f.position == POSITION_MANAGER || f.wage == 0 || f.inFlag) continue;
    if (Club_GetTrainingClause(club) != 0) {
      const int16_t control = Club_GetControl(club);
      if (control >= 0 && control < 256 && controls.test(static_cast<size_t>(control))) ScheduledTraining(p);
      continue;
    }
    FixedPlan(p, club, &ratingsSet[club]);
  }
  ProgressBar_Reset();
}

void ScheduledTraining(int16_t p) {
  if (p < 0) return;
  const int16_t slot = TrainingBuffer_SlotOf(p);
  if (slot < 0) return;
  TrainingBufferRecord& t = TrainingBuffer;
  const int16_t club = Player_GetClub(p);

  // Retraining: a week goes most days; it ends only when the count reaches
  // nothing with a position type to go to.
  if (t.weeksLeft[slot] != 0 && GameRandom() % 10 >= 1) {
    --t.weeksLeft[slot];
    Player_SetMorale(p, Player_GetMorale(p) - GameRandom() % 5);
    const uint8_t target = t.retrainTarget[slot];
    if (t.weeksLeft[slot] == 0 && target <= 3) {
      const int16_t position = Player_GetStoredPosition(p);
      if (position >= 0 && position <= 12) Player_SetPosition(p, kRetrained[position][target]);
      t.retrainTarget[slot] = RETRAIN_NONE;
      News(NEWS_RETRAINED, club, p);
    }
  }

  int rest = 0, fitness = 0, skills = 0, drills = 0;
  for (const int16_t day : t.schedules[slot]) {
    rest += day == TRAINING_REST;
    fitness += day == TRAINING_FITNESS;
    skills += day == TRAINING_SKILLS;
    drills += day == TRAINING_TEAM;
  }
  const int workload = fitness + skills + drills;
  if (workload > WORKLOAD_LIMIT && GameRandom() % (Player_GetPersonalityStat(p, STAT_COMPOSURE) + 1) < workload)
    Player_SetMorale(p, Player_GetMorale(p) - 1);
  skills = (Player_GetPersonalityStat(p, STAT_TEMPERAMENT) / 2 + 100) * skills / 100;

  int32_t drillWork[DRILL_KINDS] = {};
  for (const auto& row : t.drillPlan)
    for (const int16_t kind : row)
      if (kind >= 0 && kind < DRILL_KINDS) ++drillWork[kind];
  for (int32_t& work : drillWork) work = std::min(work * drills, DRILL_WORK_CAP);

  TeamDrills(p, drillWork[0], drillWork[2], drillWork[1], drillWork[3]);
  if (Weekday == WEEKLY_TRAINING_WEEKDAY)
    TrainPlayer(p, rest * SCHEDULE_WEIGHT, fitness * SCHEDULE_WEIGHT, skills * SCHEDULE_WEIGHT);
}

void TeamDrills(int16_t p, int32_t drill0, int32_t drill2, int32_t drill1, int32_t drill3) {
  const int16_t club = Player_GetClub(p);
  const int c = 1 + Staff(Club_GetCoach, Club_GetCoachContract, club);
  int32_t* work[4] = {&drill0, &drill2, &drill1, &drill3};
  for (int32_t* w : work)
    if (GameRandom() % 30 < c && *w != 0) *w += GameRandom() % c;

  const int d = Player_GetShirt(p) != 0 ? 100 : 300;
  const int chance = 20 - c / 2;
  const int composure = Player_GetPersonalityStat(p, STAT_COMPOSURE);
  const int deadball = Player_GetAbilityStat(p, STAT_DEADBALL);
  if (const int k = Rounds(drill0, chance); k > 0) Club_SetTeamwork(club, Club_GetTeamwork(club) + k * composure * 2 / d);
  if (const int k = Rounds(drill3, chance); k > 0)
    Club_SetSetPieces3(club, Club_GetSetPieces3(club) + k * deadball * 5 / d);
  if (const int k = Rounds(drill2, chance); k > 0)
    Club_SetSetPieces1(club, Club_GetSetPieces1(club) + k * deadball * 5 / d);
  if (const int k = Rounds(drill1, chance); k > 0)
    Club_SetSetPieces2(club, Club_GetSetPieces2(club) + k * deadball * 5 / d);
}

void TrainPlayer(int16_t p, int32_t rest, int32_t fitnessWork, int32_t skillWork) {
  const int16_t club = Player_GetClub(p);
  const int diet = Staff(Club_GetDietition, Club_GetDietitionContract, club);
  const int psych = Staff(Club_GetPsycho, Club_GetPsychoContract, club);
  const int b = CoachingBonus(club, Player_GetStoredPosition(p));
  if (GameRandom() % 30 < b && fitnessWork != 0) fitnessWork += GameRandom() % b;
  if (GameRandom() % 30 < b && skillWork != 0) skillWork += GameRandom() % b;

  Player_SetFitness(p, Player_GetFitness(p) - (100 - Player_GetPhysicalStat(p, STAT_STAMINA)) * 10 / 100);
  const int age = Player_GetAge(p);
  const int youth = std::max(0, 20 - age);

  if (const int k = Rounds(rest, 20 - psych); k > 0) {
    Player_SetFatigue(p, Player_GetFatigue(p) - (GameRandom() % (youth / 2 + k) + 1));
    if (k >= 5) Player_ChangeMorale(p, GameRandom() % 10);
  }

  if (const int k = Rounds(fitnessWork, 20 - diet); k > 0) {
    const int before = Player_GetFitness(p);
    int fitness = before + (GameRandom() % (k + youth / 2 + 2) + 1) * 5;
    if (before < TRAINED_FITNESS_CAP) fitness = std::min(fitness, TRAINED_FITNESS_CAP);
    Player_SetFitness(p, fitness);
  }

  if (skillWork == 0 || p <= 1 || 20 - age <= 1 || GameRandom() % (20 - age) == 0) return;
  SkillTraining(p, skillWork, b);
}

void PositionDrift(int16_t p) {
  const int16_t position = Player_GetStoredPosition(p);
  if (position <= 0 || position > 12) return;
  const int s2 = Player_GetAbilityStat(p, STAT_TACKLING);
  const int s3 = Player_GetAbilityStat(p, STAT_PASSING);
  const int s4 = Player_GetAbilityStat(p, STAT_SHOOTING);
  int column = -1;
  if (position <= 4) {
    column = s3 > s2 ? 2 : s4 > s2 ? 3 : -1;
  } else if (position <= 9) {
    column = s2 > s3 ? 1 : s4 > s3 ? 2 : -1;
  } else {
    column = s4 < s2 ? 0 : s4 < s3 ? 1 : -1;
  }
  if (column >= 0) Player_SetPosition(p, kDrift[position][column]);
}

// ---------------------------------------------------------------------------
// The individual-training sliders
// ---------------------------------------------------------------------------

void ResetTrainingSliders(int16_t /*value*/) {
  TrainingSlider* s = TrainingSliders.sliders;
  for (int k = 0; k < MAIN_SLIDERS; ++k)
    s[k] = {80, static_cast<int16_t>(100 + 94 * k), MAIN_SLIDER_VALUE, MAIN_SLIDER_VALUE, MAIN_SLIDERS << 1};
  for (int g = 0; g < SLIDER_GROUPS; ++g)
    for (int j = 0; j < GROUP_SLIDERS; ++j)
      s[MAIN_SLIDERS + g * GROUP_SLIDERS + j] = {static_cast<int16_t>(80 + 94 * j),
                                                 static_cast<int16_t>(147 + 94 * g), kGroupSliderValues[j],
                                                 kGroupSliderValues[j], GROUP_SLIDERS << 1};
  s[BALANCE_SLIDER] = {295, 362, BALANCE_SLIDER_VALUE, BALANCE_SLIDER_VALUE, 1 << 1};
}

void SaveTrainingSliders(int16_t /*value*/) {
  for (int k = 0; k < TRAINING_SLIDERS; ++k)
    TrainingSliders.stored[k] = static_cast<uint8_t>(std::clamp<int>(TrainingSliders.sliders[k].value, 0, 100));
}

void LoadTrainingSliders() {
  int sum = 0;
  for (int k = 0; k < TRAINING_SLIDERS; ++k) {
    TrainingSlider& s = TrainingSliders.sliders[k];
    s.value = s.previous = TrainingSliders.stored[k];
    if (k < MAIN_SLIDERS) sum += s.value;
  }
  if (sum == MAIN_SLIDERS_SUM) return;
  for (int k = 0; k < MAIN_SLIDERS; ++k) TrainingSliders.sliders[k].value = TrainingSliders.sliders[k].previous = MAIN_SLIDER_VALUE;
}

// ---------------------------------------------------------------------------
// The squad's progress snapshot
// ---------------------------------------------------------------------------

void SnapshotSquadProgress(int16_t club) {
  for (SquadProgressEntry& e : SquadProgress) e = {-1, 0, 0};
  if (club < 0 || club >= NUM_CLUBS) return;
  BuildClubSquadList(club);
  for (int i = 0; i < TRAINING_SLOTS; ++i) {
    const int16_t p = SquadList[i];
    if (p < 0) continue;
    SquadProgress[i] = {p, Player_GetCareerApps(p), Player_GetTraining(p)};
  }
}

void SquadProgress_Pack(uint8_t* out) {
  for (const SquadProgressEntry& e : SquadProgress) {
    StoreI16(out + 0, e.player);
    StoreI16(out + 2, e.careerApps);
    StoreI16(out + 4, e.training);
    out += 6;
  }
}

void SquadProgress_Unpack(const uint8_t* in) {
  for (SquadProgressEntry& e : SquadProgress) {
    e = {LoadI16(in + 0), LoadI16(in + 2), LoadI16(in + 4)};
    in += 6;
  }
}

bool SquadProgress_Sound(const uint8_t* in, int16_t playerTotal, std::string* why) {
  for (int i = 0; i < TRAINING_SLOTS; ++i) {
    const int16_t player = LoadI16(in + 6 * i);
    if (PlayerSound(player, playerTotal)) continue;
    if (why) *why = "squad progress entry " + std::to_string(i) + " names player " + std::to_string(player);
    return false;
  }
  return true;
}

// ---------------------------------------------------------------------------

void Training_Reset() {
  TrainingBufferRecord& t = TrainingBuffer;
  std::memset(&t, 0, sizeof t);
  std::fill(std::begin(t.players), std::end(t.players), -1);
  std::fill(std::begin(t.retrainTarget), std::end(t.retrainTarget), RETRAIN_NONE);
  std::copy(std::begin(kRetrainChoices), std::end(kRetrainChoices), t.retrainChoices);
  std::memset(&TrainingSliders, 0, sizeof TrainingSliders);
  for (SquadProgressEntry& e : SquadProgress) e = {-1, 0, 0};
}
REGISTER_RESET(RESET_CLUBSIM, Training_Reset);
