// The front-end controller.
#pragma once

#include <cstdint>

extern int16_t MenuOption;       // the main menu's current option; -1 leaves
extern int16_t MenuSoundActive;  // 1: the menus play their sound channel
extern int16_t Menu256Mode;      // set by -menu256
extern int32_t SoakRunActive;    // the debug soak run
extern int16_t MenuAllNews;      // the main menu's all-news option: the ticker shows every club's news

void RunFrontEnd();

// Puts the front end's state back as at program start (a registered reset).
void FrontEnd_Reset();
