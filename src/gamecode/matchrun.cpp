// Match run control and the kick-off set-up.
#include "gamecode/matchrun.h"

#include <cstddef>
#include <cstring>

#include "engine/bytes.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/actions.h"
#include "gamecode/activeplayers.h"
#include "gamecode/ball.h"
#include "gamecode/football.h"
#include "gamecode/highlight.h"
#include "gamecode/matchframe.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchres.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/officials.h"
#include "gamecode/replay.h"
#include "generic/hud.h"

uint8_t WorkingFormation[2][TACTICS_RECORD_SIZE];
int16_t TeamValues[2][4];
int16_t TeamShootingValue[2];
int16_t SideLastToucher[2];

namespace {

constexpr int kKeeperAction = 122;
constexpr int kRefereeAction = 1;
constexpr int kNearLinesmanAction = 2;
constexpr int kFarLinesmanAction = 3;
constexpr int kShootoutState = 20;
constexpr int kPeriodStartTimer = 200;
constexpr int kStarters = 11;

// Attribute bytes from the sheet values: a value read at 31 + 2k either
// copies its low byte or is converted by SkillToByte.
bool Converted(int sheetValue) {
  const Skill skill = SkillOfSheetValue(sheetValue);
  return skill == SKILL_PACE || skill == SKILL_POWER || skill == SKILL_VISION || skill == SKILL_DEADBALL ||
         skill == SKILL_CONTROL;
}

const uint8_t* TeamBlock(int side) { return GetMatchSetupRecord() + MATCH_SETUP_TEAM_OFFSET[side]; }

// A shirt number 1-16 of the sheet as the object of that squad place; any
// other number is no player (-1).
int16_t TakerObject(int side, int16_t shirt) {
  if (shirt < 1 || shirt > SIDE_OBJECTS) return -1;
  return static_cast<int16_t>(side * SIDE_OBJECTS + shirt - 1);
}

// Step one of every kick-off: the squad lines up in the tunnel.
void PlaceInTunnel(int object, int place) {
  MatchObject& o = MatchObjects[object];
  o.x = static_cast<int16_t>(place == 0 ? Pitch.tunnelX - 10 : Pitch.tunnelX - 350 - 15 * place);
  o.y = Pitch.tunnelY;
  o.action = 0;
  o.frame = -1;
  o.height = 0;
  o.fixedX = static_cast<int32_t>(static_cast<uint32_t>(o.x) << 16);
  o.fixedY = static_cast<int32_t>(static_cast<uint32_t>(o.y) << 16);
  o.hasBall = 0;
  o.touchLock = 0;
  o.secondLock = 0;
  o.stepUpCounter = 0;
  o.ruleFlag = 0;
}

// The first kick-off's squad entry: the object's counters, flags, statistics
// and rule state cleared, then name, attributes and player number from the
// sheet, and the starter, bench and rating values.
void FillFromSheet(int side, int place) {
  const int object = side * SIDE_OBJECTS + place;
  MatchObject& o = MatchObjects[object];
  const int16_t x = o.x, y = o.y;
  const int32_t fx = o.fixedX, fy = o.fixedY;
  std::memset(&o, 0, sizeof o);
  o.x = x;
  o.y = y;
  o.fixedX = fx;
  o.fixedY = fy;
  o.frame = -1;
  o.markTarget = -1;

  const uint8_t* entry = GetMatchSetupRecord() + SetupPlayerOffset(side, place);
  // A name that fills all 20 bytes keeps its first 19 and the terminator.
  std::memcpy(o.name, entry + SETUP_PLAYER_SURNAME, sizeof o.name - 1);
  o.name[sizeof o.name - 1] = '\0';
  for (int k = 0; k < SHEET_VALUES; ++k) {
    if (SkillOfSheetValue(k) == SKILL_COUNT) continue;
    const uint8_t* value = entry + SHEET_VALUE_FIRST + 2 * k;
    SheetSkill(o, k) = static_cast<uint8_t>(Converted(k) ? SkillToByte(LoadI16(value)) : value[0]);
  }
  o.playerNumber = LoadI16(entry + SETUP_PLAYER_NUMBER);
  if (place < kStarters) {
    o.offPitch = 0;
    o.onBench = 0;
    o.rating = 50;
  } else {
    o.offPitch = 1;
    o.onBench = 1;
    o.rating = static_cast<int8_t>(place - kStarters < SubstitutesAllowed ? 0 : -1);
  }
}

// Step two: only at the first kick-off of a live match.
void FirstKickOff() {
  MatchResults_ClearTables();
  ClearHeatMaps();
  ClearHighlightCount();
  EventTicker_Reset();  // the day's other goals show once a match
  Officials_NewMatch();
  offsideRoll = static_cast<int16_t>(GameRandom() % 80 + 20);
  const uint8_t* header = GetMatchSetupRecord();
  SubstitutesAllowed = LoadI16(header + SETUP_SUBSTITUTES);
  for (int side = 0; side < 2; ++side) {
    const uint8_t* team = TeamBlock(side);
    CaptainObject[side] = TakerObject(side, LoadI16(team + SETUP_TEAM_CAPTAIN));
    CornerTakerObject[side] = TakerObject(side, LoadI16(team + SETUP_TEAM_CORNER_TAKER));
    PenaltyTakerObject[side] = TakerObject(side, LoadI16(team + SETUP_TEAM_PENALTY_TAKER));
    FreeKickTakerObject[side] = TakerObject(side, LoadI16(team + SETUP_TEAM_FREE_KICK_TAKER));
    for (int v = 0; v < 4; ++v) TeamValues[side][v] = LoadI16(team + SETUP_TEAM_RATINGS + 2 * v);
    SubstitutionsUsed[side] = 0;
    for (int place = 0; place < SIDE_OBJECTS; ++place) FillFromSheet(side, place);
  }
  SetupSideFormations();
}

// The match length of the header in minutes of a half; an unwritten or
// broken header (below 1) plays the shortest match.
int MatchLength() {
  const int length = LoadI16(GetMatchSetupRecord() + SETUP_MATCH_LENGTH);
  return length < 1 ? 1 : length;
}

}  // namespace

int SkillToByte(int value) {
  const int byte = 50 + value / 2;
  return byte < 100 ? byte : 100;
}

int MatchRunStart() {
  MatchSeams.replayBufferAlloc();
  if (replayMode == 3 && !MatchSeams.loadReplaySlot()) {
    MatchSeams.replayBufferFree();
    return 0;
  }
  MatchSeams.loadMotions();
  SetPitchGeometry();
  CreateMatchEnvironment();
  return 1;
}

void PlayPeriod() {
  if (replayMode != 3) MatchSeams.replayBufferReset();
  MatchSeams.kickOffSetup();
  MatchFrame();
}

void MatchRunEnd() {
  DestroyMatchEnvironment();
  MatchSeams.replayBufferFree();
}

void KickOffSetup() {
  // 1. Both squads in the tunnel.
  for (int object = 0; object < MATCH_PLAYERS; ++object) PlaceInTunnel(object, object % SIDE_OBJECTS);
  ActivePlayers_KickOffReset();

  // 2. The match's own values, once.
  if (period == 0 && replayMode != 3) FirstKickOff();
  for (int side = 0; side < 2; ++side) TeamShootingValue[side] = LoadI16(TeamBlock(side) + SETUP_TEAM_RATINGS);

  // 3. Every period.
  focusObject = OBJECT_BALL;
  PassReceiver = -1;
  CornerRecord = -1;
  GoalKickRecord = -1;
  HandballOffender = -1;
  const int ground = GetMatchSetupRecord()[SETUP_GROUND];
  BallKickOffReset(ground);  // holders, out state, cooldowns; the ball at rest on the centre spot
  for (int side = 0; side < 2; ++side) SideLastToucher[side] = SideSlots[side][0];
  const int length = MatchLength();
  StartPeriodClock(period <= 1 ? length * 60 : period <= 3 ? length * 20 : 0);
  MatchObjects[OBJECT_REFEREE].attr[SKILL_PACE] = 80;
  MatchObjects[OBJECT_LINESMAN_NEAR].attr[SKILL_PACE] = 60;
  MatchObjects[OBJECT_LINESMAN_FAR].attr[SKILL_PACE] = 60;

  CurrentSide = kickOffSide;
  if (period != 4) {
    // 4. A kick-off from the centre spot.
    ballX = Pitch.centreX;
    ballY = Pitch.centreY;
    ballFixedX = static_cast<int32_t>(static_cast<uint32_t>(ballX) << 16);
    ballFixedY = static_cast<int32_t>(static_cast<uint32_t>(ballY) << 16);
    MatchObjects[OBJECT_RESTART_SPOT].y = Pitch.offPitch;
    PossessionSide = 0;
    for (int side = 0; side < 2; ++side) SetPlayerAction(SideSlots[side][0], kKeeperAction);
    SetPlayerAction(OBJECT_REFEREE, kRefereeAction);
    SetPlayerAction(OBJECT_LINESMAN_NEAR, kNearLinesmanAction);
    SetPlayerAction(OBJECT_LINESMAN_FAR, kFarLinesmanAction);
    PlaceBallMarker(0);
    MatchState = STATE_PERIOD_START;
    MatchStateTimer = kPeriodStartTimer;
  } else {
    // 5. The shoot-out.
    for (int side = 0; side < 2; ++side) SetPlayerAction(SideSlots[side][0], kKeeperAction);
    PlaceBallMarker(0);
    MatchState = kShootoutState;
  }
}

void SetupSideFormations() {
  for (int side = 0; side < 2; ++side)
    for (int i = 0; i < SIDE_OBJECTS; ++i) SideSlots[side][i] = static_cast<int16_t>(side * SIDE_OBJECTS + i);
  for (int side = 0; side < 2; ++side) {
    if (TeamBlock(side)[SETUP_TEAM_HUMAN])
      Football_SetupTeamFormation(static_cast<int16_t>(side));
    else
      Football_LoadMatchFormation(static_cast<int16_t>(side));
    std::memcpy(WorkingFormation[side], Football_GetTeamFormation(static_cast<int16_t>(side)), TACTICS_RECORD_SIZE);
    CopyFormationInstructions(side);
    MatchSeams.initTeamShape(side);
  }
}

void CopyFormationInstructions(int side) {
  if (side < 0 || side > 1) return;
  const uint8_t* formation = WorkingFormation[side];
  for (int position = 0; position < SIDE_OBJECTS; ++position) {
    const int object = SideSlots[side][position];
    if (object < 0 || object >= MATCH_PLAYERS) continue;
    MatchObject& o = MatchObjects[object];
    std::memset(o.instructions, 0, sizeof o.instructions);
    o.instructions[INSTRUCTION_PARTNER] = NO_PARTNER;
    std::memset(o.misc, 255, sizeof o.misc);
    o.markTarget = -1;
    if (position >= TACTICS_SLOTS) continue;  // the bench has no formation slot
    const uint8_t* slot = formation + FormationSlotOffset(position);
    for (int i = 0; i < 3; ++i) o.instructions[INSTRUCTION_FIRST + i] = slot[SLOT_INSTRUCTIONS + i];
    o.instructions[INSTRUCTION_SHAPE] = slot[SLOT_MARKING];
    o.instructions[INSTRUCTION_SHAPE + 1] = slot[SLOT_MARKING + 2];
    const int partner = static_cast<int>(LoadU32(slot + SLOT_FLAGS) & 31);
    if (partner >= 1 && partner < TACTICS_SLOTS) {
      const int partnerObject = SideSlots[side][partner];
      if (partnerObject >= 0 && partnerObject < MATCH_PLAYERS)
        o.instructions[INSTRUCTION_PARTNER] = static_cast<uint8_t>(partnerObject - side * SIDE_OBJECTS);
    }
    // The three marking fields: a field of 0 marks no-one.
    for (int i = 0; i < 3; ++i) {
      const int16_t field = LoadI16(slot + SLOT_MARKING + 2 * i);
      if (field != 0) o.misc[i] = static_cast<uint8_t>(field & 0xFF);
    }
    const int16_t target = LoadI16(slot + SLOT_MARKING + 4);
    o.markTarget = target > 0 && target < SIDE_OBJECTS ? static_cast<int8_t>(target) : -1;
  }
}

void MatchRun_Reset() {
  std::memset(WorkingFormation, 0, sizeof WorkingFormation);
  std::memset(TeamValues, 0, sizeof TeamValues);
  TeamShootingValue[0] = TeamShootingValue[1] = 0;
  SideLastToucher[0] = SideLastToucher[1] = 0;
}
REGISTER_RESET(RESET_MATCH, MatchRun_Reset);
