// The short list of players the manager keeps an eye on, and the player sort
// keys of the screens' lists.
#pragma once

#include <cstdint>

// Empties the short list.
void ShortList_Clear();
