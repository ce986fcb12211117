// Unrest in the dressing room: now and then (the smaller the club, the more
// often) a league club's squad turns sour where foreign players outnumber the
// home ones and where personalities clash; morale falls, the papers may hear
// of the bad atmosphere, and a computer-run club transfer-lists its worst
// troublemaker.
#pragma once

#include <cstdint>

// The clash score of the current squad list (personality stat 21 of every
// ordered pair of listed players, a player with himself included): like
// values (within 3 of each other) against mirrored ones (within 3 of 200 -
// the other's), (opposite + 1) x 100 / (like + 1).
int32_t SquadClashScore();

// Visits the game country's league clubs with a full record, 0-249 in order;
// for a club whose roll (one in its reputation + 1) comes up: two points of
// morale off every listed player when the foreign players are not fewer than
// the home ones; then, when the clash score is 30 or more and two different
// players of personality stat 21 below 100 are drawn (at most 50 draws
// each), perhaps the atmosphere news, score - 30 rounds of morale losses
// that personality stat 18 resists, and at a computer-run club the player of
// the lowest stat 21 transfer-listed with the news of a training-ground bust
// up. The current manager word names the last club that got as far.
void SquadUnrestEvent();
