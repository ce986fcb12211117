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

// --- the formation repair (they work on Football_GetTeamFormation(side)) ---
// The grid is read in blocks of 3 x 3 cells: 6 along-blocks (along / 3) by
// 5 across-blocks (across / 3).
constexpr int ALONG_BLOCKS = 6;
constexpr int ACROSS_BLOCKS = 5;
// Per side: the present outfield players standing in each block (by their
// slot's main position), and per along-block the slots whose main and whose
// second position lie in it. Rebuilt by CountFormationBlocks.
extern uint8_t FormationBlockCount[2][ALONG_BLOCKS][ACROSS_BLOCKS];
extern uint8_t FormationMainCount[2][ALONG_BLOCKS];
extern uint8_t FormationSecondCount[2][ALONG_BLOCKS];
// An outfield player counts when he is on the pitch, not sent off and booked
// at most once.
bool IsPlayerPresent(int object);
void CountFormationBlocks(int side);
// The outfield slot (1-10) of an absent player with the smallest along value
// below 100 that has not been given up on in this repair, -1 none.
int FindMissingSlot(int side);
// The outfield slot (1-10) whose present player stands in the block, -1 none.
int FindSlotInBlock(int side, int alongBlock, int acrossBlock);
// Moves the nearest present player from the blocks ahead into the slot's
// position (the two slots exchange positions); 0 when nobody was found.
int FillSlot(int side, int slot);
// The same search from alongBlock forward; with slot -1 the player is put on
// the centre cell of (alongBlock, acrossBlock). 0 when nobody was found.
int MoveIntoBlock(int side, int slot, int alongBlock, int acrossBlock);
void BalanceFormation(int side);
// The side's computer formation, repaired for the players it has.
void ResetAndRepairFormation(int side);

// 13 x 13 suitability of a player of position code `candidate` (0-12) to
// replace one of position code `goingOff`; codes outside 0-12 answer 1.
int SubstitutionSuitability(int goingOff, int candidate);

void CompMan_Reset();
