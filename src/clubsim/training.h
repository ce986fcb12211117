// Training: the day's training of every club (fitness, fatigue, morale, the
// players' training value and the position it may move them to, the clubs'
// teamwork and set-piece ratings), the human club's weekly schedule that the
// training screens keep (the training buffer), the individual-training
// sliders' stored values and the squad's progress snapshot.
//
// Computer-run clubs, and clubs without the training clause, follow a fixed
// plan; the human manager's club with the clause follows the schedule in the
// training buffer. The weekly effects come on weekday 6; the other training
// days move retraining on and drill the team. There is no training on
// weekday 1 (the daily tick leaves the step out).
#pragma once

#include <cstdint>
#include <string>

// ---- the training buffer ----

constexpr int TRAINING_SLOTS = 32;
constexpr int TRAINING_DAYS = 7;
constexpr int DRILL_DAYS = 5;       // Monday to Friday
constexpr int DRILLS_PER_DAY = 3;
constexpr int DRILL_KINDS = 4;
constexpr int TRAINING_GROUP_PLANS = 18;
constexpr int RETRAIN_CHOICES = 6;

// A day of a schedule.
constexpr int16_t TRAINING_SKILLS = 0;
constexpr int16_t TRAINING_FITNESS = 400;
constexpr int16_t TRAINING_TEAM = 2801;
constexpr int16_t TRAINING_REST = 19608;

// Retraining targets are position types 0-3; this one means none.
constexpr uint8_t RETRAIN_NONE = 56;

// The group plans the schedules are copied from.
constexpr int TRAINING_PLAN_CUSTOM = 0;
constexpr int TRAINING_PLAN_PRE_SEASON = 1;
constexpr int TRAINING_PLAN_REGULAR = 2;
constexpr int TRAINING_PLAN_RECOVERY = 3;

// The human club's training, field by field in its saved order. The last
// three fields are the screen's own and are not saved.
struct TrainingBufferRecord {
  int32_t initialised;                                   // 0 until the schedule screen first opens
  int16_t drillPlan[DRILL_DAYS][DRILLS_PER_DAY];         // team drill kinds 0-3
  int16_t players[TRAINING_SLOTS];                       // -1 a free slot
  int16_t schedules[TRAINING_SLOTS][TRAINING_DAYS];      // day codes
  int16_t trainingValues[TRAINING_SLOTS];                // the training value when the player came in
  uint8_t retrainTarget[TRAINING_SLOTS];                 // position type 0-3, RETRAIN_NONE
  uint8_t weeksLeft[TRAINING_SLOTS];                     // retraining still to go
  uint8_t weeksTotal[TRAINING_SLOTS];                    // the retraining's length
  int16_t groupPlans[TRAINING_GROUP_PLANS][TRAINING_DAYS];
  int16_t columnMode;
  int16_t individualTraining;                            // 0 or 1
  int16_t retrainChoices[RETRAIN_CHOICES];               // the target of each row of the retraining choice
};
extern TrainingBufferRecord TrainingBuffer;

// Bytes of the record in a saved game (initialised flag to the group plans).
constexpr int32_t TRAINING_BUFFER_SAVED_SIZE = 958;
void TrainingBuffer_Pack(uint8_t* out);
void TrainingBuffer_Unpack(const uint8_t* in);
// Whether saved bytes make a sound buffer for a world of `playerTotal`
// players: every slot free or a player of the world, every retraining
// target a position type or none, no retraining with more weeks left than
// it has. When not, *why says what is wrong.
bool TrainingBuffer_Sound(const uint8_t* in, int16_t playerTotal, std::string* why);

// The schedule screen's set-up on its first opening (nothing once done):
// the group plans from their constants, every slot free, no retraining.
void TrainingBuffer_FirstUse();
// Builds the human club's squad list, frees every slot, syncs, and sets the
// drill plan to its starting rows.
void TrainingBuffer_Init();
// Frees the slots of players no longer in the human club's squad list (the
// list is built when it holds another club) and gives each squad player
// without a slot the first free one: his training value now, the pre-season
// plan as his schedule, and no retraining. A full buffer stops the game.
void TrainingBuffer_Sync();
// The player's slot; a player not in the buffer stops the game.
int16_t TrainingBuffer_Find(int16_t player);
// The player's slot, or -1.
int16_t TrainingBuffer_SlotOf(int16_t player);

// Weeks the player needs to retrain as position type 0-3 (above 52: he
// will not).
int16_t RetrainWeeks(int16_t player, int16_t target);

// ---- the day's training ----

// Every player's training of the day (the daily tick leaves weekday 1 out).
void TrainingStep();
// The human schedule of one player of a club with the training clause.
void ScheduledTraining(int16_t player);
// The week's effect of rest, fitness work and skill work on one player.
void TrainPlayer(int16_t player, int32_t rest, int32_t fitness, int32_t skills);
// The team drills' effect on the player's club: teamwork (drill 0) and the
// three set pieces (drills 1-3).
void TeamDrills(int16_t player, int32_t drill0, int32_t drill2, int32_t drill1, int32_t drill3);
// Moves a computer-trained player to the position his skills now suit.
void PositionDrift(int16_t player);

// ---- the individual-training sliders ----

constexpr int TRAINING_SLIDERS = 14;  // four main, three groups of three, the balance
struct TrainingSlider {
  int16_t x, y;
  int16_t value;     // 100 - its share
  int16_t previous;
  uint8_t flags;     // bit 0 locked; bits 1-7 the sliders of its group
};
struct TrainingSlidersRecord {
  TrainingSlider sliders[TRAINING_SLIDERS];
  uint8_t stored[TRAINING_SLIDERS];
};
extern TrainingSlidersRecord TrainingSliders;
// The sliders at their defaults (the argument is passed through and unused).
void ResetTrainingSliders(int16_t value);
// The sliders' values into the stored copy.
void SaveTrainingSliders(int16_t value);
// The stored copy into the sliders; main values that do not sum to 300 are
// all set to 75.
void LoadTrainingSliders();

// ---- the squad's progress snapshot ----

struct SquadProgressEntry {
  int16_t player;      // -1 empty
  int16_t careerApps;
  int16_t training;
};
extern SquadProgressEntry SquadProgress[TRAINING_SLOTS];
constexpr int32_t SQUAD_PROGRESS_SAVED_SIZE = TRAINING_SLOTS * 6;
// The club's squad list with each player's career appearances and training
// value; a club outside 0-249 leaves every entry empty.
void SnapshotSquadProgress(int16_t club);
void SquadProgress_Pack(uint8_t* out);
void SquadProgress_Unpack(const uint8_t* in);
bool SquadProgress_Sound(const uint8_t* in, int16_t playerTotal, std::string* why);

void Training_Reset();
