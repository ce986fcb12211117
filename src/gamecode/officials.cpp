// The referee and the linesmen.
#include "gamecode/officials.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "engine/reset.h"
#include "gamecode/actions.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchres.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/matchstates.h"
#include "gamecode/movement.h"
#include "gamecode/teamops.h"

OfficialsHandler OfficialsActionTable[OFFICIALS_CODES] = {};
uint8_t SideBookings[2] = {};
uint8_t SideSendingsOff[2] = {};
int16_t CardStepCounter = 0;

namespace {

constexpr int kHeightLimit = 1000;  // the reach tests of the officials ignore the ball's height
constexpr int kNear = 32;           // "with" the target or the offender
constexpr int kWalkSpeed = 64;
constexpr int kRunSpeed = 140;
// Where the officials leave the pitch: the tunnel by the near touch line at
// the halfway line, and the referee's spot beyond it.
constexpr int kTunnelX = -4, kTunnelY = 1082;
constexpr int kBeyondTunnelX = -164;
// The referee's place for a kick-off.
constexpr int kKickOffX = 796 - 240, kKickOffY = 1082 - 240;
// The linesmen's lines, just outside the touch lines.
constexpr int kHighLinesmanLine = 156 - 32;
constexpr int kLowLinesmanLine = 1436 + 32;

// Motion clips by number.
constexpr int kJog = 10, kRun = 12;
constexpr int kShowCard = 60, kTalkingTo = 62;
constexpr int kSideStep = 63, kLinesmanRun = 64;
constexpr int kFlagOut = 65, kFlagOutOther = 66, kFlagOffside = 67;

constexpr int kBookedSound = 12;
constexpr int kInfoBooked = 6, kInfoSentOff = 7;
constexpr int kCommentSecondCard = 113, kCommentDownToMen = 114;
constexpr int kCardHighlight = 3, kCardHighlightFrames = 200;
constexpr int kLeavePitchAction = 31;

// The three signals: motion, sound and the frame the sound comes at.
struct Signal {
  int motion, sound, soundFrame;
};
constexpr Signal kSignals[3] = {{55, 8, 40}, {54, 9, 25}, {56, 10, 50}};

bool SentOff(const MatchObject& o) { return o.cardState >= 2 || o.sentOff != 0; }

// Heads for the point on the acting official's working copy.
void HeadFor(int object, int x, int y, int motion, int speed) {
  MatchObject& o = MatchObjects[object];
  o.wantedFacing = static_cast<int16_t>(GetDirection256(ActorX, ActorY, x, y));
  TurnTowardsFast(object, o.wantedFacing);
  LoopMotion(object, motion, 1, 0);
  MovePlayer(object, speed, 1);
}

// Faces where the ball was at the start of the frame, standing.
void WatchBall(int object) {
  MatchObject& o = MatchObjects[object];
  o.wantedFacing = static_cast<int16_t>(GetDirection256(ActorX, ActorY, BallFramePos[0], BallFramePos[1]));
  TurnTowardsFast(object, o.wantedFacing);
  RunTowards(object, o.facing);
}

// Walks to the point until within 9 on both axes; true once there.
bool WalkTo(int object, int x, int y) {
  if (InReachBox(x, y, kHeightLimit, 9) == 0) return true;
  ++MoversCount;
  HeadFor(object, x, y, kJog, kWalkSpeed);
  return false;
}

void Idle(int) {}

void RefereeInPlay(int object) {
  if (MatchState == STATE_OPEN_PLAY) RefereeDecision = 0;
  int x, y;
  if (MatchState == STATE_AFTER_GOAL_WAIT || MatchState == STATE_KICK_OFF || MatchState == STATE_PERIOD_START) {
    x = kKickOffX;
    y = kKickOffY;
  } else {
    // 200 towards the middle of the pitch from the ball on both axes.
    y = ballY < Pitch.centreY ? ballY + 200 : ballY - 200;
    x = std::clamp<int>(ballX, 156, 1436);
    x += x < 796 ? 200 : -200;
  }
  if (MatchState == STATE_CORNER_TAKEN) {
    // The corner of the penalty area on the far side from the ball, at his end.
    x = ballX < 796 ? 1116 : 476;
    y = ActorY < 1082 ? 410 : 1754;
    if (std::abs(ActorX - x) < 3 && std::abs(ActorY - y) < 3) {
      WatchBall(object);
    } else {
      ++MoversCount;
      HeadFor(object, x, y, kJog, kWalkSpeed);
    }
    return;
  }
  if (ReachRadius(ActorX, ActorY, x, y, kNear, kHeightLimit) != 0) {
    ++MoversCount;
    HeadFor(object, x, y, kJog, kWalkSpeed);
    return;
  }
  WatchBall(object);
}

// Codes 2 and 3: along the touch line level with the ball in his half.
void LinesmanInPlay(int object, bool high) {
  MatchObject& o = MatchObjects[object];
  const int line = high ? kHighLinesmanLine : kLowLinesmanLine;
  int y = high ? std::clamp<int>(ballY, 1082, 2042) : std::clamp<int>(ballY, 122, 1082);
  if (y != 1082 && (MatchState == STATE_THROW_IN_TAKEN || MatchState == STATE_CORNER_TAKEN))
    y = high ? restartY - 64 : restartY + 64;
  if (ReachRadius(ActorX, ActorY, line, y, kNear, kHeightLimit) == 0) return;
  ++MoversCount;
  o.wantedFacing = static_cast<int16_t>(GetDirection256(ActorX, ActorY, line, y));
  if (std::abs(ActorX - line) <= 9) {
    // On his line he side-steps along it, facing the pitch.
    o.facing = static_cast<uint8_t>(high ? 64 : 192);
    LoopMotion(object, kSideStep, 1, 0);
    MoveInDirection(object, kWalkSpeed, 1, o.wantedFacing);
  } else {
    LoopMotion(object, kLinesmanRun, 1, 0);
    TurnTowardsFast(object, o.wantedFacing);
    MovePlayer(object, kWalkSpeed, 1);
  }
}

void LinesmanHigh(int object) { LinesmanInPlay(object, true); }
void LinesmanLow(int object) { LinesmanInPlay(object, false); }

void WalkOffDirect(int object) {
  if (WalkTo(object, kTunnelX, kTunnelY)) MatchObjects[object].action = OFFICIALS_LEAVE;
}

void WalkOff(int object) {
  if (WalkTo(object, kTunnelX, kTunnelY)) SetPlayerAction(object, OFFICIALS_LEAVE);
}

void Leave(int object) {
  if (WalkTo(object, kBeyondTunnelX, kTunnelY)) MatchObjects[object].frame = -1;
}

void ShowSignal(int object) {
  MatchObject& o = MatchObjects[object];
  const int kind = o.actionArg;
  int then = o.actionArg2;
  if (then <= 0 || then >= OFFICIALS_CODES) then = OFFICIALS_REFEREE_PLAY;
  if (kind < 1 || kind > 3) {
    SetPlayerAction(object, then);
    return;
  }
  const Signal& s = kSignals[kind - 1];
  o.facing = static_cast<uint8_t>(o.wantedFacing);
  if (PlayMotion(object, s.motion, 1, OFFICIALS_REFEREE_PLAY)) {
    if (o.frame == s.soundFrame) MatchSeams.sfxPlay(s.sound);
    return;
  }
  SetPlayerAction(object, then);
}

// The referee is done with the offender: play goes on.
void DecisionDone(int referee) {
  RefereeDecision = 0;
  focusObject = OBJECT_BALL;
  CardStepCounter = 0;
  SetPlayerAction(referee, OFFICIALS_REFEREE_PLAY);
}

// The offender the referee deals with; -1 (and the decision dropped) when
// there is nobody on the pitch to deal with.
int Offender(int referee) {
  const int offender = RefereeOffender;
  if (IsPlayer(offender) && MatchObjects[offender].offPitch == 0) return offender;
  DecisionDone(referee);
  return -1;
}

void StopOffender(int offender) {
  if (MatchObjects[offender].action != 0) SetPlayerAction(offender, 0);
}

// Showing a card: run to the offender, then face each other and show
// it; true once the card has been shown.
bool ShowCard(int referee, int offender, int infoBar, int code) {
  MatchObject& off = MatchObjects[offender];
  focusObject = static_cast<uint8_t>(referee);
  if (ReachRadius(ActorX, ActorY, off.x, off.y, kNear, kHeightLimit) != 0) {
    StopOffender(offender);
    ++MoversCount;
    HeadFor(referee, off.x, off.y, kRun, kRunSpeed);
    return false;
  }
  if (CardStepCounter == 0) {
    MatchSeams.infoBar(infoBar, offender, 0);
    if (off.cardState != 0) MatchSeams.sfxPlay(kBookedSound);
  }
  ++CardStepCounter;
  StopOffender(offender);
  TurnTowards(referee, GetDirection256(ActorX, ActorY, off.x, off.y));
  TurnTowards(offender, GetDirection256(off.x, off.y, ActorX, ActorY));
  return PlayMotion(referee, kShowCard, 1, code) == 0;
}

void LogCard(int kind, int offender) {
  AddMatchLogEntry(kind, period, MatchSeams.matchTimeSeconds() / 60, SideOf(offender), offender, 0);
}

void TalkingTo(int referee) {
  const int offender = Offender(referee);
  if (offender < 0) return;
  MatchObject& ref = MatchObjects[referee];
  MatchObject& off = MatchObjects[offender];
  focusObject = static_cast<uint8_t>(referee);
  if (ReachRadius(ActorX, ActorY, off.x, off.y, kNear, kHeightLimit) != 0) {
    StopOffender(offender);
    off.targetX = off.x;
    off.targetY = off.y;
    ++MoversCount;
    HeadFor(referee, off.x, off.y, kRun, kRunSpeed);
  } else if (CardStepCounter == 0) {
    ++CardStepCounter;
    ref.actionCounter = 80;  // the length of the lecture's gesture
  } else {
    const int towards = GetDirection256(off.x, off.y, ActorX, ActorY);
    TurnTowards(offender, towards);
    PlayMotion(referee, kTalkingTo + ref.actionArg, 1, OFFICIALS_REFEREE_PLAY);
    if (off.action == 0) RunTowards(offender, towards);
  }
  if (ref.action != OFFICIALS_TALKING_TO) {
    RefereeDecision = 0;
    focusObject = OBJECT_BALL;
    CardStepCounter = 0;
  }
}

void Booking(int referee) {
  const int offender = Offender(referee);
  if (offender < 0 || !ShowCard(referee, offender, kInfoBooked, OFFICIALS_BOOKING)) return;
  MatchObject& off = MatchObjects[offender];
  const int side = SideOf(offender);
  LogCard(LOG_YELLOW, offender);
  ++SideBookings[side];
  off.cardState = static_cast<int16_t>(off.cardState + 1);
  RecordCard(offender);
  if (off.cardState < 2) {
    MatchSeams.activateHighLight(kCardHighlight, kCardHighlightFrames);
    DecisionDone(referee);
    return;
  }
  // A second booking: he is sent off (counted there, once).
  CardStepCounter = 0;
  SetPlayerAction(referee, OFFICIALS_SENDING_OFF);
  MatchSeams.sayComment(kCommentSecondCard, 0, side, offender, -1, 0);
}

void SendingOff(int referee) {
  const int offender = Offender(referee);
  if (offender < 0 || !ShowCard(referee, offender, kInfoSentOff, OFFICIALS_SENDING_OFF)) return;
  MatchObject& off = MatchObjects[offender];
  const int side = SideOf(offender);
  if (SideIsHuman(side)) SubstitutionRequest[side] = 1;
  ++SideSendingsOff[side];
  if (off.cardState < 2) {
    // A straight red card.
    off.sentOff = static_cast<int16_t>(off.sentOff + 1);
    RecordCard(offender);
    LogCard(LOG_RED, offender);
  }
  int left = 0;
  for (int i = side * SIDE_OBJECTS; i < (side + 1) * SIDE_OBJECTS; ++i)
    if (MatchObjects[i].offPitch == 0 && !SentOff(MatchObjects[i])) ++left;
  MatchSeams.sayComment(kCommentDownToMen, 0, side, offender, -1, left);
  MatchSeams.activateHighLight(kCardHighlight, kCardHighlightFrames);
  SetPlayerAction(offender, kLeavePitchAction);
  DecisionDone(referee);
}

// Codes 10-13: turn to the pitch, flag, then back along the line.
void Flag(int object, int direction, int motion, int then) {
  TurnTowardsFast(object, direction);
  PlayMotion(object, motion, 1, then);
}

// The ball-out flag points one way or the other by who attacks which end.
bool EndsSwapped() { return EndsFlag != PossessionSide; }

void FlagOffsideHigh(int object) { Flag(object, 64, kFlagOffside, OFFICIALS_LINESMAN_HIGH); }
void FlagOffsideLow(int object) { Flag(object, 192, kFlagOffside, OFFICIALS_LINESMAN_LOW); }
void FlagOutHigh(int object) {
  Flag(object, 64, EndsSwapped() ? kFlagOut : kFlagOutOther, OFFICIALS_LINESMAN_HIGH);
}
void FlagOutLow(int object) { Flag(object, 192, EndsSwapped() ? kFlagOutOther : kFlagOut, OFFICIALS_LINESMAN_LOW); }

}  // namespace

void UpdateOfficials() {
  for (int object : {OBJECT_REFEREE, OBJECT_LINESMAN_NEAR, OBJECT_LINESMAN_FAR}) {
    MatchObject& o = MatchObjects[object];
    ActorX = o.x;
    ActorY = o.y;
    ActorFixedX = o.fixedX;
    ActorFixedY = o.fixedY;
    if (o.action >= 0 && o.action < OFFICIALS_CODES) OfficialsActionTable[o.action](object);
    if (object != OBJECT_REFEREE) o.motion = -1;
    o.fixedX = ActorFixedX;
    o.fixedY = ActorFixedY;
    o.x = static_cast<int16_t>(ActorFixedX / 65536);
    o.y = static_cast<int16_t>(ActorFixedY / 65536);
  }
}

void Officials_Reset() {
  constexpr OfficialsHandler kTable[OFFICIALS_CODES] = {
      Idle,         RefereeInPlay,   LinesmanHigh,   LinesmanLow, WalkOffDirect, WalkOff,
      ShowSignal,   TalkingTo,       Booking,        SendingOff,  FlagOffsideHigh, FlagOffsideLow,
      FlagOutHigh,  FlagOutLow,      Idle,           Leave,
  };
  std::copy(std::begin(kTable), std::end(kTable), OfficialsActionTable);
  Officials_NewMatch();
}

void Officials_NewMatch() {
  SideBookings[0] = SideBookings[1] = 0;
  SideSendingsOff[0] = SideSendingsOff[1] = 0;
  CardStepCounter = 0;
}

REGISTER_RESET(RESET_MATCH_PLAY, Officials_Reset);
