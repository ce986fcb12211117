// Select League To Play (the country carousel that starts a new career) and
// the player page (one player in full, with what the manager may do with him).
#pragma once

#include <cstdint>

// Opens the player page for a player: the page's done hot spot returns to
// returnOption. Sets MenuPlayer and MenuOption 4; the caller leaves its screen.
void OpenPlayerPage(int16_t player, int16_t returnOption);
// The option the player page returns to.
int16_t PlayerPageReturnOption();
