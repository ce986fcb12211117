// The progress of a long sequence (the steps of a new game or a new season,
// the rest of a day's fixtures): the season code counts the steps, and the
// menu side's percentage bar reads them. A total of 0 or less draws no bar.
#pragma once

#include <cstdint>

struct ProgressWordPair {
  int16_t total;  // number of steps; -1 when no bar is shown
  int16_t step;   // the current step; -1 when no bar is shown
};

extern ProgressWordPair ProgressWords;

// No bar: both words -1.
void ProgressWords_Reset();
