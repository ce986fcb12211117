// The match of a fixture that a human-managed club plays, as the match day
// hands it over: the MatchSetup is written, the menus are left. There is no
// screen yet, so every display mode plays through the same frame loop,
// headless and as fast as the machine goes; the in-match menus return at once
// and the shoot-out takers go in the default order.
#pragma once

#include <cstdint>

// Plays the match the MatchSetup describes from the match layer's start state
// (whatever earlier matches left behind), the set-up kept as written and the
// match seams as installed (the players' own handlers added), and answers the
// MatchResult. The motions are read for the match and given back after it.
uint8_t* PlayFixtureMatch();

// The default shoot-out order of both sides (ShootOutOrder): the side's
// penalty taker first when he is on the pitch, then its other players on the
// pitch by Shooting, best first (the squad order on equal values), the
// goalkeeper last; at most ten, the rest of the list empty (-1).
void DefaultShootOutOrder();
