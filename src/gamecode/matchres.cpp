// The match's goal and card records and its result (placeholder bodies).
#include "gamecode/matchres.h"

void RecordGoal(int, int, int, int, int, int, int) {}
void RecordCard(int) {}
int GoalTypeCode(int) { return 3; }
void ChooseManOfTheMatch(int* side, int* player) { *side = 0, *player = 0; }
void CompileMatchResult() {}
void UpdateHeatMaps(uint8_t*) {}
void AddMatchLogEntry(int, int, int, int, int, int) {}
void MatchResults_ClearTables() {}
