// The players' new year: what every player carries from one season into the
// next. The new year's figures start from nothing: season appearances, goals,
// performance and disciplinary points, transfer and loan listings, bids and
// cup ties are the old season's and are cleared.
#pragma once

#include <cstdint>

// The cups (0-6) whose cup-tied clubs the new year clears; cup 5 stays.
bool YearEnd_ClearsCupTie(int cup);

// One player's season reset: market price -1, sale status 0, season goals,
// appearances and performance 0, off the transfer and loan lists, bid count 0,
// league and European disciplinary points 0, cup-tied to nobody (255) for
// cups 0-4 and 6. Suspensions still to serve stay.
void YearEnd_ResetPlayerSeason(int16_t player);

// The new year of every player: player 1 (the record that stands for no
// manager) loses his reputation and experience; everyone else gets the season
// reset above. The rest of the year's turnover (ages, retirements, newcomers,
// the end of loans and bids) is the club simulation's year end and joins it.
void YearEndPlayers();
