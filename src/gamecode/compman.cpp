#include "gamecode/compman.h"

#include "engine/reset.h"

uint8_t SubstitutionChoice[2] = {NO_SUBSTITUTION, NO_SUBSTITUTION};
uint8_t SubstitutionPending[2] = {};

void ReplanTeams() {}
void ReplanAttack(int) {}
void ReplanDefend(int) {}
void AssignMarkers() {}
void StepUp() {}
void UpdateManMarking() {}
int ChooseSubstitute(int, int) { return -1; }
void SubstitutionDecision(int side) { SubstitutionChoice[side] = NO_SUBSTITUTION; }
void ResetLastKicker() {}

void CompMan_Reset() {
  SubstitutionChoice[0] = SubstitutionChoice[1] = NO_SUBSTITUTION;
  SubstitutionPending[0] = SubstitutionPending[1] = 0;
}
REGISTER_RESET(RESET_MATCH, CompMan_Reset);
