// The call log of the match views' stand-ins (HUD, sound, controls) while
// those parts are still quiet: each stand-in notes its name here.
#pragma once

#include "generic/hud.h"
#include "generic/matchctrl.h"
#include "generic/sfx.h"

// Notes one call of the named stand-in.
void SwFrame_NoteSeam(const char* name);
// Calls of the named stand-in since the last reset.
int SwFrame_SeamCount(const char* name);
void SwFrameSeams_Reset();
