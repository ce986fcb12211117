// Help: the help table and the scrolling help panel.
//
// The panel is modal: it darkens the screen it is opened over, shows its
// title and the entry's text in a box with scroll arrows on the right and
// runs until Escape; the screen underneath is put back as it was. Without a
// menu screen it is only entered in the primitives' log (menus/menuprims.h).
#pragma once

#include <cstdint>
#include <vector>

// The index of the help table's entry for a help value, or -1 (an entry
// without text counts as absent).
int16_t FindHelpEntry(int16_t value);
// The modal help panel of a table entry (an index FindHelpEntry answered); an
// index outside the table stops the program.
void DoHelpPanel(int16_t entry);
// The panel over any title and text (DoHelpPanel runs it over its entry's).
void RunHelpPanel(const char* title, const char* text);

// The actions of the panel's input: the ids of its scroll buttons, or keys.
enum HelpAction : int16_t {
  HELP_CLOSE = 1,      // Escape
  HELP_PAGE_DOWN = 2,  // Page Down, the double down arrow
  HELP_LINE_DOWN = 3,  // Down, the single down arrow
  HELP_PAGE_UP = 4,    // Page Up, the double up arrow
  HELP_LINE_UP = 5,    // Up, the single up arrow
};
// Runs pointer frames until a scroll button is pressed or a key is pressed,
// then waits for the mouse button's release; answers the action.
int16_t HelpPanel_WaitInput();

// The help value of the background text ("Gafferon Background" on the menu
// bar).
constexpr int16_t HELP_VALUE_BACKGROUND = -1;

// What the last panel showed (kept after it closes, for tests and tools).
struct HelpPanelView {
  int lines = 0;                 // wrapped lines of the text
  int visible = 0;               // lines a page shows
  int first = 0;                 // first visible line
  int lineHeight = 0;            // pixels
  bool upDimmed = false;         // the up arrows cannot scroll
  bool downDimmed = false;       // the down arrows cannot scroll
  int thumbY = 0, thumbH = 0;    // the scroll thumb
  std::vector<int> firstShown;   // the first line of every page drawn, in order
  std::vector<int16_t> actions;  // every action taken, in order
};
const HelpPanelView& HelpPanel_View();
