// Help: the help table, the scrolling help panel and the Tactics Designer
// Help screen.
#pragma once

#include <cstdint>

// The index of the help table's entry for a help value, or -1 (an entry
// without text counts as absent).
int16_t FindHelpEntry(int16_t value);
// The modal help panel of an entry.
void DoHelpPanel(int16_t entry);
