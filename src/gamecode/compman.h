// The computer manager during the match: re-plans a computer side by the
// score and the clock, repairs its formation when players are missing,
// marks dangerous attackers, steps the defence up, and chooses who comes
// off and who comes on.
#pragma once

#include <cstdint>

constexpr uint8_t NO_SUBSTITUTION = 255;
// Per side: the squad position (0-15) chosen to come off, NO_SUBSTITUTION
// none, and whether that request waits to be carried out.
extern uint8_t SubstitutionChoice[2];
extern uint8_t SubstitutionPending[2];

// After goals, at restarts and after substitutions: every computer side's
// formation by the score, then its working formation and shape.
void ReplanTeams();
void ReplanAttack(int side);
void ReplanDefend(int side);
// Per frame, in this order: markers for dangerous attackers, the defence's
// step up, the man-markers' targets.
void AssignMarkers();
void StepUp();
void UpdateManMarking();
// The bench player (squad position 0-15) best suited to replace squad
// position goingOff, -1 none.
int ChooseSubstitute(int side, int goingOff);
// Decides whether the side should make a change: fills SubstitutionChoice.
void SubstitutionDecision(int side);
void ResetLastKicker();

void CompMan_Reset();
