// The players' action codes and their dispatcher.
#include "gamecode/actions.h"

#include <initializer_list>

#include "engine/debug.h"
#include "engine/reset.h"
#include "gamecode/basicacts.h"
#include "gamecode/challenge.h"
#include "gamecode/control.h"
#include "gamecode/keeper.h"
#include "gamecode/keeperpos.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/movement.h"
#include "gamecode/outfield.h"
#include "gamecode/outfield2.h"
#include "gamecode/passes.h"
#include "gamecode/restarts.h"
#include "gamecode/setplays.h"
#include "gamecode/shots.h"
#include "gamecode/teamops.h"

ActionHandler PlayerActionTable[ACTION_CODES] = {};
int32_t ActionFramesRun[ACTION_CODES] = {};

namespace {

// Codes without behaviour: a player left in one stands still.
void EmptyAction(int) {}

// The keeper's codes no action sets (120-173 without a handler of their own).
void GoalkeeperAction(int) {}

struct CodeHandler {
  int code;
  ActionHandler handler;
};

constexpr CodeHandler kHandlers[] = {
    {0, Action_Stand},           {3, Action_RunToTarget},       {4, Action_OpenPlay},
    {5, Action_LookForPass},     {6, Action_OnTheBall},         {7, Action_TurnWithBall},
    {8, Action_TurnWithBall},    {9, Action_TurnWithBall},      {10, Action_TurnWithBall},
    {11, Action_TurnWithBall},   {12, Action_TurnWithBall},     {13, Action_TurnWithBall},
    {14, Action_FollowBall},     {15, Action_Dribble},          {16, Action_RunWithBall},
    {17, Action_PassReceiver},   {18, Action_Cross},            {19, Action_ThrowInPickUp},
    {20, Action_QuickFreeKick},   {21, Action_ThrowInWalk},       {22, Action_CornerWalk},
    {23, Action_HandToKeeper},    {24, Action_KickOffWalk},       {25, Action_HoldTheLine},
    {26, Action_KickOffWalk},     {27, Action_KickOffTaker},     {28, Action_StandingChallenge},
    {29, Action_StandingPass},   {30, Action_WalkToRestartPlace},       {31, Action_StandBy},
    {32, Action_FirmBlock},      {33, Action_Stumble},          {34, Action_Backheel},
    {35, Action_LongThrow},       {36, Action_DeadBallDelivery},          {37, Action_JumpTackle},
    {41, Action_ThrowWindUp},       {42, Action_ShortThrow},        {43, Action_FreeKickLineUp},
    {44, Action_FreeKickLineUp},  {45, Action_MarkedPosition},     {46, Action_Header},
    {47, Action_Header},         {48, Action_Header},           {49, Action_BallControl},
    {50, Action_Header},         {51, Action_Header},            {52, Action_Shot},
    {53, Action_RestartOrganiser}, {54, Action_WaitAtSpot},       {55, Action_RestartTaker},
    {56, Action_Tackle},         {57, Action_AfterRestart},        {58, Action_Wall},
    {59, Action_FreeKickSetUp},   {60, Action_PenaltyTaker},     {61, Action_WalkBackDelayed},
    {63, Action_WalkToSpot},      {66, Action_BackheelPass},     {67, Action_WalkToCornerFlag},
    {68, Action_FreeKickLineUp},  {69, Action_Celebrate},        {70, Action_JoinCelebration},
    {71, Action_DirectFreeKick},  {72, Action_Dive},             {73, Action_FallAndGetUp},
    {75, Action_Cross},          {76, Action_ThrowInPair},       {77, Action_RunningPass},
    {78, Action_Shot},           {79, Action_BallControl},           {80, Action_Volley},
    {81, Action_Shot},           {82, Action_Header},            {83, Action_Volley},
    {84, Action_Volley},         {85, Action_WaitForPass},      {86, Action_Header},
    {87, Action_Header},          {88, Action_BallControl},      {89, Action_StandingChallenge},
    {90, Action_WonChallenge},   {91, Action_ShirtPull},        {93, Action_StumbleForward},
    {94, Action_FreeKickDelivery},{95, Action_PenaltyKick},           {96, Action_RunToPoint},
    {97, Action_CurledShot},            {98, Action_CurledShot},              {99, Action_Handball},
    {100, Action_PlayOnce},       {102, Action_StumbleOn},             {103, Action_WalkToPoint},
    {105, Action_SlidingTackle},     {106, Action_PlacedShot},             {107, Action_PlacedShot},
    {108, Action_FollowLayOff},    {109, Action_PassOnTheMove},          {110, Action_BackheelPass},
    {111, Action_TrotAfterClearance}, {112, Action_SideStep},   {113, Action_SideStep},
    {114, Action_Block},          {115, Action_Block},            {116, Action_RecklessChallenge},
    // The goalkeeper's actions.
    {120, Keeper_DecisionAction}, {122, Keeper_OpenPlay},   {145, Keeper_ComeOut},
    {124, Keeper_TakeAtFeet},     {125, Keeper_EasyTake},
    {126, Keeper_Dive},          {127, Keeper_Dive},            {128, Keeper_BallBack},
    {129, Keeper_Dive},          {130, Keeper_Dive},            {131, Keeper_HandKick},
    {132, Keeper_GoalKick},      {133, Keeper_DesperateClear},  {134, Keeper_Punch},
    {135, Keeper_TipOver},       {136, Keeper_Dive},            {137, Keeper_Dive},
    {140, Keeper_EasyCatch},     {141, Keeper_Dive},            {143, Keeper_NoProblems},
    {149, Keeper_LowCatch},      {150, Keeper_LowTake},         {151, Keeper_GatherUp},
    {152, Keeper_Dive},          {153, Keeper_Dive},            {154, Keeper_LegSave},
    {155, Keeper_LegSave},       {158, Keeper_GoalKickLoop},    {159, Keeper_Bowl},
    {123, Keeper_Distribute},    {156, Keeper_GoalKickRunUp},   {157, Keeper_GoalKickApproach},
    {160, Keeper_Motion101},     {161, Keeper_Motion102},       {165, Keeper_Dive},
    {166, Keeper_Dive},          {167, Keeper_Dive},            {168, Keeper_Dive},
    {169, Keeper_Dive},          {170, Keeper_Dive},            {171, Keeper_Dive},
    {172, Keeper_Dive},          {173, Keeper_Dive},
};

bool Active(const MatchObject& p) { return p.offPitch == 0 && p.sentOff == 0 && p.cardState < 2; }

void TakeOff(int object) {
  MatchObject& p = MatchObjects[object];
  if (p.offPitch == 0) MatchSeams.replanTeams();
  p.fixedX = 0;
  p.fixedY = 0;
  p.x = 0;
  p.y = 0;
  p.action = 0;
  p.offPitch = 1;
  p.motion = -1;
}

}  // namespace

void Actions_InstallDefaults() {
  for (auto& h : PlayerActionTable) h = EmptyAction;
  for (int code = 120; code < ACTION_CODES; ++code) PlayerActionTable[code] = GoalkeeperAction;
  for (int code : {121, 144, 164}) PlayerActionTable[code] = EmptyAction;
  for (const CodeHandler& h : kHandlers) PlayerActionTable[h.code] = h.handler;
}

void player_action() {
  MoversCount = 0;
  CurrentSide = 0;
  for (int i = 0; i < MATCH_PLAYERS; ++i) {
    if (i == SIDE_OBJECTS) CurrentSide = 1;
    MatchObject& p = MatchObjects[i];
    if (Active(p)) {
      ActorX = p.x;
      ActorY = p.y;
      ActorFixedX = p.fixedX;
      ActorFixedY = p.fixedY;
      if (p.action < 0 || p.action >= ACTION_CODES) {
        DPRINT(DEBUG_GENERAL, 1, "player_action(): Player action out of range %d - player %d\n", p.action, i);
      } else {
        ++ActionFramesRun[p.action];
        PlayerActionTable[p.action](i);
      }
      p.fixedX = ActorFixedX;
      p.fixedY = ActorFixedY;
      p.x = static_cast<int16_t>(ActorFixedX / 65536);
      p.y = static_cast<int16_t>(ActorFixedY / 65536);
      if (MatchState == STATE_OPEN_PLAY) MarkPlayingFrames(i);
    } else if (RefereeDecision == 0) {
      TakeOff(i);
    }
    if (p.offPitch != 0) {
      if (keeperHolder == i + 1) keeperHolder = 0;
      if (throwHolder == i + 1) throwHolder = 0;
    }
  }
}

void SetPlayerAction(int object, int code) {
  if (object < 0 || object >= MATCH_OBJECTS) return;
  MatchObject& o = MatchObjects[object];
  o.action = static_cast<int16_t>(code);
  o.frame = 0;
  o.height = 0;
  o.actionCounter = 0;
  o.actionArg = 0;
  o.actionArg2 = 0;
}

REGISTER_RESET(RESET_WORLD, Actions_InstallDefaults);

namespace {
void ActionFrames_Reset() {
  for (int32_t& n : ActionFramesRun) n = 0;
}
}  // namespace
REGISTER_RESET(RESET_MATCH_PLAY, ActionFrames_Reset);
