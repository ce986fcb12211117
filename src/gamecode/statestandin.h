// Stand-ins for the match states that come with the fouls and goals (1, 9
// and 28) and for the offside flags, until the real ones exist. One
// function each; the state table points at them.
#pragma once

// State 1: a free kick at the restart spot for the fouled side, through state 17.
void StateStandIn_Foul();
// State 9: counts and records the goal, centres the ball and gives the side
// that conceded the kick-off in state 27 (a shoot-out kick goes back to 20).
void StateStandIn_Goal();
// State 28: on to state 10.
void StateStandIn_AfterGoal();
// The players' offside flags: none are kept yet.
void StateStandIn_ClearOffsideFlags();
