// The match's sound: the crowd's ambience and the one-shot effects and crowd
// reactions the match asks for by kind.
#pragma once

void SFX_Init();
void SFX_Uninit();
void SFX_Play(int kind);
