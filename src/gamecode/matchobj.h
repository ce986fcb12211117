// The match's 37 participants and the pitch they stand on.
//
// Every participant of a watched match is one MatchObject in a fixed array
// that lives for the whole run: objects 0-15 are the first side's squad in
// squad order, 16-31 the second side's, 32 the referee, 33 and 34 the
// linesmen, 35 the ball marker (it carries the ball's ground position) and
// 36 the restart-spot marker (the point a pass, kick-out or restart aims at,
// hidden at OffPitch). The record is byte-packed: 347 bytes, field by field
// in the order the match code has always kept them.
//
// Axes: x runs across the pitch from the near touch line (156) to the far one
// (1436), y along it from one goal line (122) to the other (2042); a facing of
// 0 points towards smaller y, 64 towards larger x, in 256 steps a turn.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int MATCH_OBJECTS = 37;
constexpr int MATCH_PLAYERS = 32;
constexpr int SIDE_OBJECTS = 16;
// A player (0-31): not an official, the ball or the restart-spot marker.
constexpr bool IsPlayer(int object) { return object >= 0 && object < MATCH_PLAYERS; }
// The side a player plays for: objects 0-15 side 0, the rest side 1.
constexpr int SideOf(int object) { return object < SIDE_OBJECTS ? 0 : 1; }
constexpr int OBJECT_REFEREE = 32;
constexpr int OBJECT_LINESMAN_NEAR = 33;
constexpr int OBJECT_LINESMAN_FAR = 34;
constexpr int OBJECT_BALL = 35;
constexpr int OBJECT_RESTART_SPOT = 36;

// The 27 attribute bytes of a player, in their order in the record. 0-21 are
// skills; 22-26 facts about the player.
enum Skill : uint8_t {
  SKILL_KEEPING = 0,
  SKILL_SHOOTING,
  SKILL_TACKLING,
  SKILL_PASSING,
  SKILL_HEADING,
  SKILL_DRIBBLING,
  SKILL_DEADBALL,
  SKILL_CONTROL,
  SKILL_AGGRESSION,
  SKILL_BARGAINING,
  SKILL_RAPPORT,
  SKILL_TEMPERAMENT,
  SKILL_INTELLIGENCE,
  SKILL_LEADERSHIP,
  SKILL_PERSONALITY,
  SKILL_PACE,
  SKILL_STAMINA,
  SKILL_POWER,
  SKILL_AGILITY,
  SKILL_RESILIENCE,
  SKILL_VISION,
  SKILL_COMPOSURE,
  SKILL_POSITION,          // stored position code 0-12
  SKILL_SHIRT,             // 1-16
  SKILL_LEFT_SIDE,         // 1 when he plays on the left (or both)
  SKILL_RIGHT_SIDE,        // 1 when he plays on the right (or both)
  SKILL_RECURRING_INJURY,  // 1 when he has one
  SKILL_COUNT
};
static_assert(SKILL_COUNT == 27);

#pragma pack(push, 1)
struct MatchObject {
  char name[20];
  int16_t action;
  int16_t frame;  // for the restart-spot marker: the marker mode
  int16_t x, y;
  int16_t height;  // drawn at height x 2.8
  int16_t targetX, targetY;
  uint8_t facing;
  uint8_t turning;
  int16_t wantedFacing;
  int16_t decisionWork;  // working value of the decision routines
  uint8_t hasBall;
  int16_t speed;
  int16_t touchLock;
  int16_t secondLock;
  int16_t actionCounter;
  int16_t turnFacing;  // the direction a turn with the ball or a side-step ends in
  uint8_t attr[SKILL_COUNT];
  int8_t strain;
  int8_t rating;  // 50 a starter, 0 a substitute who may come on, -1 beyond the substitutes allowed
  uint8_t injury;
  uint8_t statsFlag;

  // The match's counters: zeroed at the first kick-off only. Each feeds the
  // player's match record (the statistic named beside it) and his rating.
  int8_t fatigue;
  int8_t appearances;
  int32_t activity1;  // "Workrate" family: the two activity counters
  int32_t activity2;
  int32_t distance1;  // distances covered (two kinds)
  int32_t distance2;
  int32_t firstActiveFrame;  // frame of the first and latest open-play turn
  int32_t lastActiveFrame;
  int16_t involvement;
  int16_t assists;
  int16_t keyPasses, keyRuns, keyCrosses, keyEvent11, keyInterceptions, keyClearances;
  int16_t keptPossession;
  int16_t stat15, offsides, crossesReceived, stat19;
  int16_t shotsOnTarget;
  int16_t shots;
  int16_t stat24, missedPenalties;
  int16_t goals;
  int16_t stat27;
  int16_t ownGoals;
  int16_t passesCompleted;
  int16_t passes;
  int16_t interceptions, stat32, stat33, stat34;
  int16_t counter43;
  int16_t poorCrosses;
  int16_t stat36, tacklesWon, stat38, stat39, stat40, stat41;
  int16_t handballs;
  int16_t cornersScored;
  int16_t stat44, stat45, stat46, stat47;
  int16_t penaltiesSaved;
  int16_t goalsConceded;
  int16_t stat50, stat51, clearances;
  int16_t crossesFumbled;
  int16_t mistakes;
  int16_t stat55, stat56;
  int16_t further[10];
  uint8_t passesTo[SIDE_OBJECTS];      // per team-mate, first table
  uint8_t passesToDone[SIDE_OBJECTS];  // per team-mate, second table
  int16_t counter110, counter111;
  int16_t ratingCounterA, ratingCounterB;  // two rating counters the record does not keep
  int16_t playedInGoal;
  int16_t playedOutfield;
  int16_t cardState;  // 0 none, 1 booked, 2 booked twice
  int16_t sentOff;
  int32_t openPlayFrames;  // frames spent in the open-play decision state
  int32_t pressingFrames;  // frames in which that state chose to close the ball down
  int16_t chaseMetric;     // this frame's weighted distance to where the ball is going
  int16_t activeFrames;    // frames as his side's active player
  uint8_t blockedFrames;   // 0-20: frames a run to a point has been blocked
  int16_t boxTouchPressure;  // touches in his own penalty area with an opponent close
  uint8_t spareCounters[2];

  uint8_t ruleFlag;
  int16_t ruleWord;
  uint8_t ruleBytes[4];
  uint8_t offPitch;
  int32_t fixedX, fixedY;  // 16.16; x and y are their integer parts
  int16_t boxTouchA, boxTouchB;  // two plain counts of touches in his own penalty area
  uint8_t warnings;
  int16_t stepUpCounter;
  int16_t ballDistance;
  uint8_t instructions[6];
  int8_t markTarget;
  uint8_t misc[3];
  uint8_t actionArg;
  int16_t actionArg2;
  int16_t onBench;
  int16_t takenOff;
  int16_t passX, passY;
  int16_t motion;
  int16_t motionFrame;
  int16_t drawFacing;  // (facing + 64) mod 256
  int16_t headTurn;    // -40..40
  int16_t playerNumber;
};

// What the renderers draw of an object each frame.
struct RenderObject {
  float x, height, y;  // height in render units (x 2.8)
  int16_t motion, motionFrame, drawFacing, headTurn;
};
#pragma pack(pop)

static_assert(sizeof(MatchObject) == 347);
static_assert(offsetof(MatchObject, attr) == 51 && offsetof(MatchObject, fatigue) == 82);
static_assert(sizeof(MatchObject) - offsetof(MatchObject, ruleFlag) == 56);
static_assert(sizeof(RenderObject) == 20);

extern MatchObject MatchObjects[MATCH_OBJECTS];
extern RenderObject RenderObjects[MATCH_OBJECTS];

// Pitch geometry, written by SetPitchGeometry at the start of every match.
struct PitchGeometry {
  int16_t minX, maxX;  // touch lines
  int16_t minY, maxY;  // goal lines
  int16_t width, length;
  int16_t centreX, centreY;
  int16_t goalPostMinX, goalPostMaxX;
  int16_t penaltyAreaMinY, penaltyAreaMaxY, penaltyAreaMinX, penaltyAreaMaxX;
  int16_t goalAreaMinY, goalAreaMaxY, goalAreaMinX, goalAreaMaxX;
  int16_t penaltySpotMinY, penaltySpotMaxY;
  int16_t yard;
  int16_t netBackMinY, netBackMaxY;
  int16_t boundaryMinX, boundaryMaxX;
  int16_t centreCircleRadius;
  int16_t offPitch;
  int16_t tunnelX, tunnelY, refereeTunnelX;
  int16_t zoneRows[6];
  int16_t zoneColumns[5];
  float throwFactor;
};
extern PitchGeometry Pitch;
void SetPitchGeometry();

// Puts a match object at (x, y), its exact 16.16 position too.
void PlaceObjectAt(int object, int x, int y);
