// Short operations on whole teams and single players that the match states,
// the officials, the goalkeepers and the players' actions share: put
// everyone into an action, settle the players for a restart, pick the
// nearest free team-mate, set up a corner or a free kick, choose the next
// penalty taker of a shoot-out, hand the ball over, strike or push it from a
// player, count touches in a player's own penalty area and keep a player on
// the pitch.
#pragma once

#include <cstdint>

void SetAllPlayersAction(int code);
// Players in an ordinary action (15 or less) go to code 3 (keepers 122) and
// lose the ball; the number still busy; no active players.
int ReleaseTeamsForRestart();
void ResetTeamsForRestart();
int CountUnsettledPlayers();
// Among squad positions 1-10 of the acting side, the free player nearest
// (x, y) other than the excluded object; -1 none.
int NearestFreeTeamMate(int x, int y, int excluded);
void SendShortCornerOption(int taker);
void PlaceCornerDefenders(int side);
// The next penalty taker of the acting side; -1 none (the kick counts as missed).
int NextShootOutTaker();

// Reach tests of the acting object (ActorX, ActorY). InReachBox: 0 when it
// stands within halfSize of (x, y) on both axes and the ball is no higher
// than heightLimit, else -1. ReachRadius: 0 when (x1, y1) and (x2, y2) are
// within radius (the direction-weighted distance) and the ball is below the
// height limit, else that distance + 1.
int InReachBox(int x, int y, int heightLimit, int halfSize);
int ReachRadius(int x1, int y1, int x2, int y2, int radius, int heightLimit);

// The ball to the object alone (has-ball cleared for every other player).
void GiveBallTo(int object);
// A side without an active player gets the first of its chase order.
void EnsureActivePlayer(int side);
// The ball's velocity: factor x the distance from the ball to (x, y) on
// each axis, and the upward speed (all 16.16).
void SetBallVelocityTowards(int x, int y, int factor, int upward);
// The ball struck from the object along the direction, 30 units a frame
// (x 4096) and lifted; he plays it for 16 frames, flags his action and runs
// at speed 64.
void KickBallFromPlayer(int direction, int object);
// The ball pushed ahead into a turn: as the kick with 90 - skill / 2 units
// and no change of speed (TurnKick, basicacts.h).
void PushBallAhead(int direction, int skill, int object);
// The action of a turn from one direction to another: 33 (the turn forward)
// within a quarter turn either way, else 73 (the turn about).
int TurnKindFor(int startDirection, int endDirection);
// 1 when every opponent on the pitch is at least 300 less his (positional)
// composure from the ball, else 0.
int NoOpponentNear(int object);
// Touches in the player's own penalty area: under pressure (the opposing
// active player within 72 of the ball; the object's own position) and two
// plain counts of the acting position for the given side. Each returns 1
// and raises its counter of the object when it counts, else 0.
int CountBoxTouchUnderPressure(int object);
int CountBoxTouchA(int object, int side);
int CountBoxTouchB(int object, int side);
// Holds the acting player on the pitch: across from 2 outside the near touch
// line to 10 outside the far one, along from 10 outside either goal line.
void KeepInsidePitch();
// value - a roll of 0 to range; 0 when either is below 1 (SkillRoll).
int RandomReduce(int range, int value);
// The first and latest frame (TotalFrames) a player played in open play;
// player_action calls it for every player each frame of open play.
void MarkPlayingFrames(int object);
// A free kick at goal: the point the taker (the acting player) aims at on
// the goal line he attacks, by the gaps the wall (the players in action 58)
// leaves beside the posts; over the wall at the centre when it covers both.
void AimFreeKickAtGap();
// Before a free kick, the places of the players other than the taker, the
// keepers, the wall and those off the pitch: across, 100 towards the middle
// when outside 576-1016; along, in the spot's half more than 100 from
// halfway and short of the spot, 100 on towards that half's goal line; and
// a place behind a goal line comes 64 in front of it.
void SpreadPlayersFromRestart(int taker);

// Where the next shot is aimed.
extern int16_t ShotTargetX, ShotTargetY;
// Where the next pass or cross is played to.
extern int16_t PassPointX, PassPointY;

extern int16_t ShootOutKicks;          // penalties taken in the shoot-out
extern int16_t ShootOutOrder[2][10];   // per side, the takers in order (-1 an empty entry)

void TeamOps_Reset();
