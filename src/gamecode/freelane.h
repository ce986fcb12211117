// The free-lane search: for a player with the ball, the direction near a
// wanted one in which he can carry the ball over a range without running
// into an opponent.
#pragma once

// The direction (0-255) nearest the wanted one that is free over the range,
// fanning out 16 steps at a time up to 112 either way; -1 when none is.
// Opponents are judged by where they stand (or, when more than 75 away and
// not running his way, 37 ahead of where they stand), their distance and
// the way they run; the opposing goalkeeper counts ten times as far away.
int FindFreeLane(int object, int direction, int range);
