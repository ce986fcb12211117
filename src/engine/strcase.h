// Comparing names without regard to letter case (command-line words, debug
// channel names). Only the ASCII letters fold, whatever the locale, so a name
// compares the same on every machine.
#pragma once

// Negative, zero or positive as a sorts before, equal to or after b once
// both are in lower case.
int StrICmp(const char* a, const char* b);
