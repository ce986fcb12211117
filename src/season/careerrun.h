// A career without a screen: the new game the front end would make for one
// human manager, and the game's own day loop. The career tool and the tests
// that need a world after played seasons run careers through these.
#pragma once

#include <cstdint>

// Whether the world club is a league club (divisions 0-5) of the game
// country with a full club record: a club a human manager may take.
bool Career_IsLeagueClub(int16_t club);

// The player who manages the club (manager flag), else 1, the record that
// stands for no manager.
int16_t Career_ManagerOf(int16_t club);

// Starts a new game in `country` (0-8) with the game's generator seeded by
// `seed`: the names file, the whole new game from the source database of the
// mounted paks, then human manager 1 in charge of `club` (-1: the first club
// of the top division). Answers the human club, or -1 (and the world is the
// new game's, nobody in charge) when `club` is no league club of the country.
int16_t Career_StartNew(int country, uint32_t seed, int club);

// Plays every fixture due today (the match day's own order).
void Career_PlayToday();

// Plays today's fixtures, then moves the world to the next day; answers true
// when that day began a new season (the season counter moved on).
bool Career_PlayDay();
