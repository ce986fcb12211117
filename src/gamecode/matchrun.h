// Starting and ending a match run, playing a period, and the kick-off set-up
// that puts every object, the ball and the per-match state in place.
//
// A run is MatchRunStart, then PlayPeriod for each period the match flow
// plays (it sets period, kickOffSide and LowGoalSide first), then
// MatchRunEnd. A stored replay (replayMode 3) plays one period over the ring
// it has loaded, which is not cleared.
#pragma once

#include <cstdint>

#include "gamecode/matchrec.h"

// 0 when a stored replay cannot be loaded (the ring is freed again and
// nothing is played); otherwise the motions are loaded (once), the pitch is
// written and the match display created, and the answer is 1.
int MatchRunStart();
// Clears the replay ring (not for a stored replay), sets up the kick-off and
// runs the match frames until the period ends.
void PlayPeriod();
// Destroys the match display and frees the replay ring.
void MatchRunEnd();
// Every object, the ball and the per-period state to their kick-off values;
// at the first kick-off of a live match also the squads from the sheet, the
// set-piece takers, the formations and the per-match values.
void KickOffSetup();
// SideSlots in squad order, then per side its formation (a human side's
// tactic or the computer formation) into its working formation, the
// players' instructions and the team shape.
void SetupSideFormations();
// The instruction bytes of the object at each of the side's 16 squad
// positions from his formation slot; the bench (positions 11-15) has no slot
// and gets none.
void CopyFormationInstructions(int side);
// min(50 + value / 2, 100), integer division.
int SkillToByte(int value);
// The clock of a period of `length` seconds of the game clock (50 frames a
// second): PeriodLengthFrames = length x 50; the period's frame count, end
// flag, added time and time-up flag cleared and the clock stopped until the
// kick-off; in period 0 also the match's clock counters. It lives with the
// clock (matchclock.cpp).
void StartPeriodClock(int length);

// Where the instruction bytes of a player go (MatchObject::instructions and
// misc). The three slot instructions, the partner (the side's own object
// number 0-15 of the team-mate, 255 none) and the shape's two bytes.
constexpr int INSTRUCTION_FIRST = 0;   // instructions[0-2]: slot bytes 12-14
constexpr int INSTRUCTION_PARTNER = 3;
constexpr int INSTRUCTION_SHAPE = 4;   // instructions[4-5]: low bytes of slot fields 19 and 21
constexpr uint8_t NO_PARTNER = 255;
// Within one formation slot (30 bytes from 5 + 30 x slot of the record).
constexpr int FORMATION_HEADER = 5;
constexpr int SLOT_ACROSS = 0;        // int16 0-14
constexpr int SLOT_ALONG = 2;         // int16 0-17
constexpr int SLOT_FLAGS = 8;         // int32: low five bits the partner slot, 31 none
constexpr int SLOT_INSTRUCTIONS = 12; // three bytes
constexpr int SLOT_MARKING = 19;      // int16 x 3; the third's low byte the man-marking target
inline int FormationSlotOffset(int slot) { return FORMATION_HEADER + slot * 30; }

// In the MatchSetup header: the ground (1 and 2 their own ball behaviour).
constexpr int SETUP_GROUND = 13;

// Per side: the working formation (copied at the first kick-off; the team
// shape and the computer manager read it), the team's four sheet values, its
// shooting value (the first of them, copied at every kick-off) and the last
// player of the side to touch the ball (its keeper at each kick-off).
extern uint8_t WorkingFormation[2][TACTICS_RECORD_SIZE];
extern int16_t TeamValues[2][4];
extern int16_t TeamShootingValue[2];
extern int16_t SideLastToucher[2];

void MatchRun_Reset();
