// Match run control (placeholder bodies until the kick-off set-up lands).
#include "gamecode/matchrun.h"

int MatchRunStart() { return 1; }
void PlayPeriod() {}
void MatchRunEnd() {}
void KickOffSetup() {}
void SetupSideFormations() {}
void CopyFormationInstructions(int) {}
int SkillToByte(int value) { return value; }
