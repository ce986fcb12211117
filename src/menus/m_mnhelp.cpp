// Help: the help table and the help panel's entry check (see m_mnhelp.h).
#include "menus/m_mnhelp.h"

#include "engine/debug.h"
#include "engine/reset.h"

namespace {

// One help entry: two words kept for the panel's layout, the help value and
// its text.
struct HelpEntry {
  int16_t left, top;
  int16_t value;
  const char* text;
};

// The help table: one entry, empty until the game is given help texts, so
// every help request is answered "No help available".
constexpr int kHelpEntries = 1;

struct HelpState {
  HelpEntry table[kHelpEntries] = {};
};
HelpState gHelp;

void Help_Reset() { gHelp = HelpState{}; }

}  // namespace

REGISTER_RESET(RESET_MENUS, Help_Reset);

int16_t FindHelpEntry(int16_t value) {
  for (int i = 0; i < kHelpEntries; ++i)
    if (gHelp.table[i].value == value && gHelp.table[i].text) return static_cast<int16_t>(i);
  return -1;
}

void DoHelpPanel(int16_t entry) {
  if (entry < 0 || entry >= kHelpEntries)
    FatalError("Error: DoHelpPanel(): help value %d out of range\n", entry);
  // The table has no text yet, so there is no panel to show.
}
