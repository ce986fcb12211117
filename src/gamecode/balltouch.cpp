#include "gamecode/balltouch.h"

#include <initializer_list>

#include "engine/reset.h"
#include "gamecode/football.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrun.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"

int16_t PrevToucher = -1;
int16_t LastKickKind = 0;
PassRecord PassRecords[3] = {{-1, -1}, {-1, -1}, {-1, -1}};
int8_t AssistCandidate = -1;
int16_t PassCountMode = 0;
int16_t TouchCommentDelay = 0;
MoveRecord MoveRecords[3] = {};
int16_t RecordedShooter = -1;

namespace {

// Per action code: the kind of kick and the pass record it fills. Shots and
// clearances never start a possession line; a pass fills record 0, a long
// ball or cross record 1, a through ball record 2.
struct KickEntry {
  int16_t action;
  int16_t kind;
  int8_t record;
};
constexpr KickEntry kKicks[] = {
    {18, KICK_LONG_PASS, 1},  {75, KICK_LONG_PASS, 1},  // crosses
    {29, KICK_PASS, 0},       {34, KICK_PASS, 0},       {66, KICK_PASS, 0},  {110, KICK_PASS, 0},
    {77, KICK_ONE_TWO, 2},    {109, KICK_ONE_TWO, 2},   // run-and-pass: the one-two
    {36, KICK_LONG_PASS, 1},  {94, KICK_LONG_PASS, 1},  // long deliveries
    {46, KICK_CLEARANCE, -1}, {47, KICK_CLEARANCE, -1}, {48, KICK_CLEARANCE, -1}, {51, KICK_CLEARANCE, -1},
    {82, KICK_CLEARANCE, -1}, {86, KICK_CLEARANCE, -1}, {87, KICK_CLEARANCE, -1},  // headers
    {50, KICK_SHOT, -1},      {52, KICK_SHOT, -1},      {78, KICK_SHOT, -1}, {80, KICK_SHOT, -1},
    {81, KICK_SHOT, -1},      {83, KICK_SHOT, -1},      {84, KICK_SHOT, -1}, {97, KICK_SHOT, -1},
    {98, KICK_SHOT, -1},      {106, KICK_SHOT, -1},     {107, KICK_SHOT, -1},
    {60, KICK_SHOT, -1},      {95, KICK_SHOT, -1},      {71, KICK_SHOT, -1},  // penalties, direct free kicks
    {28, KICK_LOST_CHALLENGE, -1}, {89, KICK_LOST_CHALLENGE, -1}, {90, KICK_LOST_CHALLENGE, -1},
    {91, KICK_LOST_CHALLENGE, -1}, {32, KICK_LOST_CHALLENGE, -1},
};

const KickEntry* FindKick(int action) {
  for (const KickEntry& e : kKicks)
    if (e.action == action) return &e;
  return nullptr;
}

bool ClearanceOrShot() { return LastKickKind == KICK_CLEARANCE || LastKickKind == KICK_SHOT; }
bool BallHeld() { return keeperHolder != 0 || throwHolder != 0; }

void Say(int event, int object) { MatchSeams.sayComment(event, 0, SideOf(object), object, -1, 0); }

// Inside the player's own penalty area.
bool InOwnArea(const MatchObject& o, int side) {
  if (o.x <= 476 || o.x >= 1116) return false;
  return side == LowGoalSide ? o.y < 410 : o.y > 1754;
}

bool CompletedPass(int p) {
  const int last = BallCarrier;
  for (int k = 0; k < 3; ++k) {
    PassRecord& r = PassRecords[k];
    const bool done = (r.passer == last && r.receiver == p) || (r.passer > 0 && r.receiver == last);
    if (!done || !IsPlayer(r.passer)) continue;
    MatchObject& passer = MatchObjects[r.passer];
    MatchObject& receiver = MatchObjects[p];
    if (k == 0) {
      ++passer.passesCompleted;
      if (PassCountMode == 0) {
        const int group = SheetSkill(receiver, 24) % SIDE_OBJECTS;
        ++passer.passesToDone[group];
      } else {
        ++passer.stat32;
      }
      ++receiver.stat33;
      int event = 19;
      if (LastKickKind == KICK_PASS) event = 15;
      else if (LastKickKind == KICK_LONG_PASS) event = 16;
      else if (LastKickKind == KICK_ONE_TWO) event = p == PrevToucher ? 17 : 18;
      r = {-1, -1};
      Say(event, p);
    } else {
      ++passer.stat34;
      ++receiver.stat36;
      r = {-1, -1};
      Say(15, p);
    }
    return true;
  }
  return false;
}

bool Interception(int p) {
  for (int k : {1, 2, 0}) {
    PassRecord& r = PassRecords[k];
    if (r.passer == -1 || r.receiver == p || !IsPlayer(r.passer) || SideOf(r.passer) == SideOf(p)) continue;
    if (k != 0 && ClearanceOrShot()) continue;
    MatchObject& o = MatchObjects[p];
    const bool ownArea = InOwnArea(o, SideOf(p));
    if (ownArea) ++o.keyInterceptions;
    r = {-1, -1};
    ++o.interceptions;
    if (!(k == 0 && ClearanceOrShot())) Say(ownArea ? 21 : 20, p);
    return true;
  }
  return false;
}

void WithoutRecord(int p) {
  const int last = BallCarrier;
  const bool lastAtFeet = IsPlayer(last) && MatchObjects[last].hasBall != 0;
  if (BallHeld() || lastAtFeet) return;
  if (IsPlayer(last) && SideOf(last) == SideOf(p)) {
    if (ClearanceOrShot() || TouchCommentDelay != 0) {
      LastKickKind = KICK_NONE;
      return;
    }
    if (LastKickKind == KICK_ONE_TWO) Say(p == PrevToucher ? 22 : 19, p);
    else Say(23, p);
    TouchCommentDelay = 16;
    return;
  }
  if (ClearanceOrShot() || TouchCommentDelay != 0) return;
  if (IsPlayer(last)) ++MatchObjects[last].stat15;
  Say(24, p);
  TouchCommentDelay = 16;
}

}  // namespace

int KickKindOfAction(int action) {
  const KickEntry* e = FindKick(action);
  return e ? e->kind : static_cast<int>(KICK_NONE);
}

int PassRecordOfAction(int action) {
  const KickEntry* e = FindKick(action);
  return e ? e->record : -1;
}

void BallTouch(int object) {
  if (TouchCommentDelay > 0) --TouchCommentDelay;
  if (!IsPlayer(object) || object == BallCarrier || MatchState != STATE_OPEN_PLAY || BallHeld()) return;
  MatchObject& p = MatchObjects[object];
  ++p.involvement;
  if (!CompletedPass(object) && !Interception(object)) WithoutRecord(object);
  if (AssistCandidate >= 0 && object != AssistCandidate && object != SideSlots[0][0] && object != SideSlots[1][0])
    AssistCandidate = -1;
  PrevToucher = BallCarrier;
  DribbleCommentCounter = 0;
  SideLastToucher[SideOf(object)] = static_cast<int16_t>(object);
  BallCarrier = static_cast<int16_t>(object);
}

void BallKicked(int object) {
  if (!IsPlayer(object)) return;
  BallTouch(object);
  const int action = MatchObjects[object].action;
  LastKickKind = static_cast<int16_t>(KickKindOfAction(action));
  const int record = PassRecordOfAction(action);
  if (record >= 0) {
    PassRecords[record] = {static_cast<int8_t>(object), static_cast<int8_t>(IsPlayer(PassReceiver) ? PassReceiver : -1)};
    AssistCandidate = static_cast<int8_t>(object);
  }
  // The move records: the shooter, the crosser and the passer of the move;
  // a kick by the other side ends the move.
  for (MoveRecord& m : MoveRecords)
    if (m.flag != 0 && (!IsPlayer(m.player) || SideOf(m.player) != SideOf(object))) m = {0, -1};
  const int move = LastKickKind == KICK_SHOT ? 0 : LastKickKind == KICK_LONG_PASS ? 1 : record >= 0 ? 2 : -1;
  if (move >= 0) MoveRecords[move] = {1, static_cast<int8_t>(object)};
  if (LastKickKind == KICK_SHOT) RecordedShooter = static_cast<int16_t>(object);
}

void BallTouch_Reset() {
  PrevToucher = -1;
  LastKickKind = KICK_NONE;
  for (PassRecord& r : PassRecords) r = {-1, -1};
  AssistCandidate = -1;
  PassCountMode = 0;
  TouchCommentDelay = 0;
  for (MoveRecord& m : MoveRecords) m = {0, -1};
  RecordedShooter = -1;
}
REGISTER_RESET(RESET_MATCH_PLAY, BallTouch_Reset);
