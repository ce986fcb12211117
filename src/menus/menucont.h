// The front-end controller: the main loop of the program between start-up
// and shutdown. RunFrontEnd starts the menu system, shows the two start-up
// pictures and the credits, then dispatches over and over on MenuOption:
// each value opens one screen, runs an action (a new game, the CD's save, a
// match, the day), or ends the loop (-1). It also owns the menu bar that
// every front-end screen shows, the routing of the manager's pending events
// after a day, and the export of the squad to a floppy disk.
#pragma once

#include <cstdint>
#include <vector>

#include "menus/exmenu.h"
#include "menus/machine.h"

// ---- the front-end globals ----

extern int16_t MenuOption;              // the option the loop dispatches on next; -1 ends the front end
extern int16_t PreviousMenuOption;      // the last option other than 83
extern int16_t ReturnMenuOption;        // the screen a sub-screen was opened from (24 at start)
extern int16_t MenuManager;             // human manager the screens work for (1 the first)
extern int16_t MenuClub;                // the club the next screen is about
extern int16_t MenuPlayer;              // the player the next screen is about
extern int16_t MenuOtherClub;           // the other club of a pending sale or loan
extern int16_t MenuClubReset;           // a list screen left MenuClub on another club
extern int16_t NegotiationRequest;      // 1 asks for Negotiations, 2 for Negotiate Contract
extern int16_t ContinueMode;            // 2: option 46 shows Today's Fixtures first
extern int16_t TodaysFixturesFromMenu;  // 1 before option 46 opens Today's Fixtures
extern int16_t JobChangeMode;           // why the club page (and Contract Terms) is open: 0 a new career,
                                        // 1 a job-centre application, 2 a job offer, 3 the current job's terms
extern int16_t JobCentreFlag;           // 1 while the screens were opened from The Job Centre
extern int16_t NegotiationBusy;         // 1 while a negotiation is under way: the player page's deal and
                                        // history rows and its done spot only leave (menus/m_mn0.cpp)
extern int32_t SaveLoadMode;            // 1 the save/load screen loads, 0 it saves
extern int16_t MenuBarRestricted;       // 1: the menu bar offers only the volume, display and help rows
extern int32_t SoakRunActive;           // nonzero while the debug soak tool runs
// The news filter of the menu bar: 0 "Divisional messages", 1 "All messages"
// (the ticker shows every club's news). The menu sound-effect volume 0-10 is
// MenuVolume (generic/gamesound.h), kept in the options file.
extern int16_t MenuAllNews;
extern int16_t MenuSoundActive;  // 1: the menus play their sound channel
extern int16_t Menu256Mode;      // set by -menu256

// ---- the menu bar ----

// {text number, option} pairs of the menu-bar rows, ended by {0, 0}; option
// -1 marks a row handled in code.
struct MenuOptionPair {
  int16_t text;
  int16_t option;
};
constexpr int MENU_OPTION_PAIRS = 39;
extern const MenuOptionPair MenuOption_TextNumber[MENU_OPTION_PAIRS + 1];

// The menu bar of the front-end screens ("File", "Club Menus", "Global
// Menus"); the shared screen header (ScreenHeaderTable) shows it.
extern PopupRow MainMenuBar[];
// Index of a row of MainMenuBar by its text number (the first such row), or -1.
// After a career is loaded: its first manager and his club become the
// screens' subject (nothing else sets them before the office).
void FrontEnd_TakeLoadedCareer();
int FindMainMenuBarRow(int16_t text);
// The fill colour the bar's drop-downs are drawn in.
constexpr uint16_t MAIN_MENU_BAR_FILL = 0x0010;

// The row callback of every text row of the bar: 2 or 7 redraw the screen,
// 6 leaves it, 8 keeps the list open, 9 closes it.
int16_t MainMenu_ItemCallback(const PopupCall* call);
// Run before a drop-down opens: the volume bar, the rows enabled, disabled
// and ticked by the current option and state. Answers 8.
int16_t MainMenu_PreparePopup(PopupRow* list);
// The volume bar: 11 marks, " |" at MenuVolume, " ." at the others.
void BuildVolumeBarText();
const char* VolumeBarText();

// ---- the controller ----

// The whole front end; answers 0.
int RunFrontEnd();
// Starts and stops the menu system (the screen, the lists, the icons and the
// running flag); a match played from the front end closes it around itself.
void InitMenuSystem();
void UninitMenuSystem();
// Around a match: the menu system closes (the pointer's place kept) and opens
// again with the pointer where the user left it.
void CloseMenusForMatch();
void ReopenMenusAfterMatch();
// The front end's start: the first manager, the start page, the deal lists
// and the team training rows emptied; then DoMainMenu.
void StartMainMenu();
// The start-up pictures and the credits, then the dispatch loop until
// MenuOption is -1.
void DoMainMenu();
// The dispatch loop alone: keeps the previous option (but for 83) and acts on
// MenuOption pass after pass, -1 last of all.
void RunMainMenuLoop();
// One pass of the loop: acts on MenuOption. An option outside -1..84 or one
// that is not used stops the program.
void DoMainMenuOption();
// Whether the option is one the loop acts on (-1..84 without the unused ones).
bool IsValidMenuOption(int option);
// Up to that many pointer frames; answers 1 when the left button stopped it.
int WaitFramesOrClick(int frames);
// Routes the human manager's pending events after a day to a screen.
void ProcessHumanEvents();

// ---- the exported team ----

constexpr int TEAM_EXPORT_PLAYER_SIZE = 109;
constexpr int TEAM_EXPORT_TACTICS_OFFSET = 1853;
constexpr int TEAM_EXPORT_TACTIC_WORDS_OFFSET = 5813;
constexpr int TEAM_EXPORT_DB_CLUB_OFFSET = 5817;
constexpr int TEAM_EXPORT_NAME_OFFSET = 5819;
// Fills the export record (the record the team file holds) from the first
// human manager's club; bytes it does not write are 0.
void BuildTeamExport();

// Reads stats\names.dat (the surnames) into the world's name buffer, as the
// front end does when a league is chosen and after a load. A file of another
// size stops the game with a fatal error naming it.
void LoadNamesFile();

// ---- screens ----

// The screen of options whose screen is still to come: the option's
// menu-bar name (else "Option N"), a note, the menu bar and a way back to the
// start page.
extern const MenuItem PlaceholderMenu[];
// The Manager's Office until its hub is built: the placeholder with "Done",
// whose pop-up continues the game (season/contgame.h).
extern const MenuItem OfficePlaceholderMenu[];
// What the placeholder shows as its title.
const char* PlaceholderTitle();
// The back region of the placeholder screen (menu units).
constexpr int PLACEHOLDER_BACK_X = 220, PLACEHOLDER_BACK_Y = 400, PLACEHOLDER_BACK_W = 200, PLACEHOLDER_BACK_H = 40;

// Entry points of parts still to come, one per call; each stub notes its
// call in the front end's seam log. runScreen, questionBox, the video
// options and the exhibition match are the real ones by default (tests
// replace them).
struct FrontEndSeamTable {
  void (*runScreen)(const MenuItem* table);                   // push and run a screen
  int (*questionBox)(const char* text, QuestionButton* buttons, int32_t tickLimit);
  void (*clearTeamTrainingRows)();
  void (*videoOptionsMenu)();
  int16_t (*countReplayFiles)();
  void (*playExhibitionMatch)();
  void (*continueGame)();
  void (*playMatchGetResult)();  // the match of the match set-up record
  void (*setMatchRunMode)(int16_t mode);  // 3: the next match plays back a saved replay
  void (*loadNamesFile)();
};
extern FrontEndSeamTable FrontEndSeam;
// The names of the stub calls so far, in order.
const std::vector<const char*>& FrontEnd_SeamCalls();
// Notes a stub's call in that log.
void FrontEnd_NoteSeam(const char* name);

// Puts the front end's state back as at program start (a registered reset).
void FrontEnd_Reset();
