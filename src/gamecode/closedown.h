// A defender closes the man on the ball down and decides whether to go in
// with a challenge, a tackle, a shirt pull or a block.
#pragma once

// Runs the defender at the opposing ball carrier (his side's active player)
// or, when there is none of the other side, at where the ball will be; then
// ChallengeCarrier decides on a challenge.
void CloseDownCarrier(int defender);
// May start one of the defender's challenges on the carrier: from behind a
// standing challenge (89) or a shirt pull (91), side-on a tackle (56) or
// rarely a sliding tackle (116), head-on a firm block (32).
void ChallengeCarrier(int defender, int carrier);
// The shorter way round between two 256-step directions (0-128).
int DirectionGap(int a, int b);
