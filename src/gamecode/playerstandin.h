// Stand-ins for the team shape, the goalkeeper, the decisions on the ball and
// the match states, until the real ones exist: enough for the players to walk
// on, take their places and go for a ball that is kicked about. One function
// each; PlayerStandIns_Install puts them in.
#pragma once

#include <cstdint>

struct MatchSeamTable;

// What happened in one period of a match played with the stand-ins.
struct PlayerStandInCounts {
  int32_t settledFrame;  // the period frame at which everyone stood at his point, -1 not yet
  int32_t goals, restarts, kicks;
  int32_t takes[2];      // times each side took the ball at a player's feet
  int32_t firstTake[2];  // the period frame of each side's first take, -1 none
};

// Team shape: every outfield starter's target is his formation slot's grid
// point (shape units: across c x 1000 / 15 + 33, along r x 1500 / 18 + 41,
// both x 126 / 100), measured from his side's own goal line; the keeper's is
// his goal line + 32 on the centre line.
void PlayerStandIn_ShapeTargets();
// Action 122: the keeper walks to his goal line + 32 and stands there.
void PlayerStandIn_KeeperStand(int object);
// The player on the ball kicks it to a seeded point upfield.
void PlayerStandIn_KickUpfield(int object);
// Match states: at the period start, once everyone stands at his point, the
// ball is launched from the centre spot; a goal is counted and play starts
// again from the centre; a ball out of play is launched back from its restart
// spot; a still ball at an active player's feet is his.
void PlayerStandIn_MatchStates();

void PlayerStandIns_Install(MatchSeamTable& table);
const PlayerStandInCounts& PlayerStandInCountsOf(int periodNumber);
// The point a keeper of the side walks to.
void KeeperPoint(int side, int16_t* x, int16_t* y);
void PlayerStandIns_Reset();
