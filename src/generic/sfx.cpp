// The match's sound.
#include "generic/sfx.h"

#include "render256/swframe_seams.h"

void SFX_Init() { SwFrame_NoteSeam("SFX_Init"); }
void SFX_Uninit() { SwFrame_NoteSeam("SFX_Uninit"); }
void SFX_Play(int) { SwFrame_NoteSeam("SFX_Play"); }
