// Starting and ending a match run, playing a period, and the kick-off set-up
// that puts every object, the ball and the per-match state in place.
#pragma once

#include <cstdint>

// 0 when a stored replay cannot be loaded (nothing is played).
int MatchRunStart();
void PlayPeriod();
void MatchRunEnd();
void KickOffSetup();
void SetupSideFormations();
void CopyFormationInstructions(int side);
int SkillToByte(int value);
