// Stand-ins for the players' actions that come later: the goalkeeper's
// stand, the restart takers, a kick upfield for the
// player on the ball and taking a still ball. Enough for restarts to be
// taken and play to go on. One function each; PlayerStandIns_Install puts
// them in.
#pragma once

#include <cstdint>

struct MatchSeamTable;

// What the stand-ins did in one period.
struct PlayerStandInCounts {
  int32_t restartKicks;  // restarts played by a taker
  int32_t kicks;         // every ball the stand-ins played
  int32_t takes[2];      // times each side took the ball at a player's feet
  int32_t firstTake[2];  // the match frame of each side's first take, -1 none
};

// A player without the ball: a still ball at the feet of his side's active
// player is his, and he decides what to do with it.
void PlayerStandIn_TakeStillBall(int object);
// The restart takers (codes 21 throw-in, 22 corner, 53 free kick and
// penalty, 123 keeper's release, 157 goal kick; the kick-off taker, 27, has
// his own handler, passes.h): walk to the
// restart spot (the kick-off and the keeper's release: the ball), put the
// ball there and play it towards the restart-spot marker (upfield when the
// marker is hidden), and return the match to open play; a keeper goes back
// to 122, the others to 3. A taker with the ball in his hands plays it from
// where he stands. A kick-off taken here starts the match clock.
void PlayerStandIn_TakeRestart(int object);
// A restart played by its own taker counts with the stand-ins' restarts.
void PlayerStandIn_NoteRestartKick();

void PlayerStandIns_Install(MatchSeamTable& table);
const PlayerStandInCounts& PlayerStandInCountsOf(int periodNumber);
void PlayerStandIns_Reset();
