// The goalkeeper in open play: where he stands between the ball and his
// goal, when he dives, comes out, clears or saves with his legs (code 122);
// coming out to the ball (145); and the release of a held ball.
#pragma once

#include <cstdint>

// Where the keeper defending the low goal line (low) or the high one stands
// for the ball at (ballX across, ballY along) in direction d from him.
// Outside states 0-5 or with the ball level with his line: the middle of his
// goal, 14 in front of the line (in a shoot-out the high end's keeper 188 out).
void KeeperTargetPoint(bool low, int state, bool shootout, int ballX, int ballY, int d, int* tx, int* ty);
// The height class of a dive for the ball's height where he meets it:
// low (1) up to 8, high (2) above 16, else middle (0).
int DiveClassFor(int h);
// The keeper's reaction terms from his reaction skill R and ball distance D.
struct KeeperReaction {
  int t1, t2, t3;
};
KeeperReaction KeeperReactionTerms(int R, int D);
// The ball distance measured along direction d: |sin d x |dx|| + |cos d x |dy||.
int KeeperBallDistance(int d, int dx, int dy);

// The release of a held ball.
// Behind: fewer goals than the other side, first-leg goals included.
bool KeeperSideBehind(int side);
// The release countdown from its roll (0-49): 10 + roll, a quarter of it + 1 when behind.
int ReleaseCountdown(int roll, bool behind);
// Whether a team-mate at ball distance D, at (x across, y along), may be
// chosen to receive the ball (the touchline band is waived when behind).
bool ReleaseCandidate(int D, int x, int y, bool behind);
// One frame of the wait counter towards the expected flight frames E.
int ReleaseWaitStep(int wait, int E, bool behind);
// Bowled out (true) or kicked from the hands.
bool ReleaseBowled(int E, bool receiver, int pressure);
// Whether a team-mate at ball distance D, at (x across, y along), may be
// chosen to receive a goal kick: 640-1200 away and away from the touchlines
// whatever the score.
bool GoalKickCandidate(int D, int x, int y);
// Tries the keeper's side's chase places 0-9 in turn from the candidate
// index after the last one: a team-mate who passes becomes the chosen
// receiver (KeeperDecision); one near a touchline halves the tries left.
void ChooseReleaseReceiver(int keeper, int tries, bool goalKick, bool behind);
// The candidate index of the choice (-1 when its last try failed).
int ReleaseCandidateIndex();
// The pressure on the aim point (x, y): the direction-weighted distance to
// it of the free opponent of `side` nearest to it; with nobody free there is
// no pressure (kNoPressure).
constexpr int kNoPressure = 30000;
int ReleasePressure(int side, int x, int y);
// Velocity (16.16 per frame) of a ball struck along direction d with the
// length: across the sine part, along minus the cosine part.
struct KeeperKickVelocity {
  int32_t vx, vy;
};
KeeperKickVelocity KeeperKickAlong(int d, int length);
// Kicked from the hands or from the ground: the length for the kicking skill.
int KeeperKickLength(int kicking);
constexpr int kBowlLength = 550502;  // 458,752 x 1.2
// The frames a keeper walks to a goal kick at most before he is put at the ball.
constexpr int kGoalKickWalkLimit = 1000;

void Keeper_OpenPlay(int object);  // 122
void Keeper_ComeOut(int object);   // 145
// The gather of a keeper coming out meets the opposing active player: a
// tackle coming in may foul the keeper (a roll of 200 against the foul
// value), an attacker on the ball goes down and may have been fouled (the
// keeper's handling against a roll of 100, then one in three) or may hurt
// the keeper; either may be booked (a roll of 300 against the card value).
void KeeperMeetsAttacker(int keeper, int attacker, bool attackerOnBall);
void Keeper_Distribute(int object);       // 123
void Keeper_GoalKickRunUp(int object);    // 156
void Keeper_GoalKickApproach(int object); // 157

