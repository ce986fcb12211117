#include "season/progress.h"

#include "engine/reset.h"

ProgressWordPair ProgressWords = {-1, -1};

void ProgressWords_Reset() { ProgressWords = {-1, -1}; }

REGISTER_RESET(RESET_SEASON, ProgressWords_Reset);
