// The front-end controller.
#pragma once

#include <cstdint>

extern int16_t MenuOption;       // the main menu's current option; -1 leaves
extern int16_t MenuSoundActive;  // 1: the menus play their sound channel
extern int16_t Menu256Mode;      // set by -menu256
extern int32_t SoakRunActive;    // the debug soak run
extern int16_t MenuAllNews;      // the main menu's all-news option: the ticker shows every club's news
extern int16_t MenuClub;           // the club the next screen is about
extern int32_t SaveLoadMode;       // 1 the save/load screen loads, 0 it saves
extern int16_t MenuBarRestricted;  // 1: the menu bar offers only the volume, display and help rows

void RunFrontEnd();

// Reads stats\names.dat (the surnames) into the world's name buffer, as the
// front end does when a league is chosen and after a load. A file of another
// size stops the game with a fatal error naming it.
void LoadNamesFile();

// Puts the front end's state back as at program start (a registered reset).
void FrontEnd_Reset();
