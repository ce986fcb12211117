// The match of a fixture that a human-managed club plays, as the match day
// hands it over: the MatchSetup is written, the menus are left.
#pragma once

#include <cstdint>
#include <cstdio>

// Plays the match the MatchSetup describes from the match layer's start state
// (whatever earlier matches left behind), the set-up kept as written and the
// match seams as installed (the players' own handlers added), and answers the
// MatchResult. The motions are read for the match and given back after it.
uint8_t* PlayFixtureMatch();
// The game's matches open the in-match menus (pause, substitutions and
// tactics, the shoot-out takers); without this (the tools) those menus
// return at once and the takers go in the default order.
void FixtureMatch_UseInGameMenus(bool on);
// The match layer from its start state for the MatchSetup as written: every
// match module reset, the set-up and the installed seams kept, the players'
// own handlers added.
void PrepareMatchLayer();

// Where everything stands: one "frame" line (the period and its frame given,
// the state, the ball, the active players, the holders) and one "object"
// line per match object. For stalls and the tools.
void PrintMatchSituation(std::FILE* out, int frame);
