// A stand-in for the club simulation's team selection, until that is built:
// the match day needs players in shirts, and these two pick them plainly and
// deterministically from the current squad list (built for the club by the
// caller). They are what the club simulation's selection entry points answer
// by default (season/seam.h); nothing else calls them.
//
// The pick: shirt 1 the best available keeper (by ability 0); shirts 2-11 the
// ten formation slots of stock formation 0 in slot order, each taking the best
// available player of its line (slots up the pitch: rows 0-7 defence, 8-11
// midfield, 12 and up attack; defenders by ability 2, midfielders by ability
// 3, forwards by ability 4), or failing that the best other outfield player
// by that ability; then up to five substitutes, a keeper first when one is
// left, then the best of the rest by the ability of their own line. Ties go
// to the player listed first. A player is available when he is fit, not
// suspended (friendlies excepted), not banned from the European cups for a
// European match and not cup-tied to another club for a cup match.
#pragma once

#include <cstdint>

// Shirts 1 to 11 + substitutes (at most 5) afresh for the club's listed
// players; every other listed player of the club loses his shirt.
// competition: the match's competition code (eligibility), -1 none.
void StandInSelectMatchTeam(int16_t club, int16_t substitutes, int16_t competition);
// Keeps each available player who already wears a shirt 1 to 11 +
// substitutes and fills the empty shirts by the same pick; a listed player
// of the club in any other shirt, or no longer available, loses it.
void StandInCompleteMatchTeam(int16_t club, int16_t substitutes);
