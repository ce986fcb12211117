// The match flow: a whole match from the first kick-off to the end of the
// last period it needs, and the result handed back.
#pragma once

#include <cstdint>

void PlayMatch();
uint8_t* PlayMatchGetResult();
