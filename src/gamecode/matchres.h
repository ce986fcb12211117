// What a match leaves behind: the goal and card tables written at the moment
// of each event, the match log, the heat maps and the result compiled after
// the last period.
#pragma once

#include <cstdint>

// Called by the goal state with index = the side's new score - 1.
void RecordGoal(int side, int index, int fallbackScorer, int scorer, int ownGoalPlayer, int state, int distanceClass);
// Called after the object's card state has changed.
void RecordCard(int object);
// The goal kind as the report screens show it.
int GoalTypeCode(int kind);
void ChooseManOfTheMatch(int* side, int* player);
void CompileMatchResult();
// Called every frame of open play.
void UpdateHeatMaps(uint8_t* result);
// Appends one entry to the match log of MatchResult (kind, period, minute,
// side, two values), counting MatchLogCount on.
void AddMatchLogEntry(int kind, int period, int minute, int side, int first, int second);
// The goal and card tables empty: the first kick-off of a match.
void MatchResults_ClearTables();
