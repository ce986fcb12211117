// The referee (object 32) and the two linesmen (33 and 34). Like the players
// each runs the handler of his action code once a frame; the handlers keep
// them near the play, flag throw-ins and offsides, walk them off at the end
// of a period, and carry out the referee's decisions: a talking-to, a
// booking or a sending-off of RefereeOffender (matchstates.h).
//
// Fields of an official's MatchObject the handlers use:
//   action      the officials code below
//   actionArg   his action step: the signal kind of code 6 (1-3), the
//               gesture of a talking-to (code 7)
//   actionArg2  his stored action: the code he takes once a signal is over
//   wantedFacing his heading
// So a signal is given by writing action 6, actionArg = kind and
// actionArg2 = the code to go on with (RefereeWhistle in matchstates.h does
// that for the referee); at the end of a period: kind 3, then code 4.
//
// The referee's decision RefereeDecision (7, 8 or 9) is cleared once he has
// dealt with it (the card shown and recorded), so a free kick waiting in the
// stoppage state goes ahead; the match view follows him (focusObject) while
// he deals with the offender.
#pragma once

#include <cstdint>

enum OfficialsCode : int16_t {
  OFFICIALS_IDLE = 0,
  OFFICIALS_REFEREE_PLAY = 1,      // the referee keeps near the play
  OFFICIALS_LINESMAN_HIGH = 2,     // object 33: his touch line, the half y 1082-2042
  OFFICIALS_LINESMAN_LOW = 3,      // object 34: his touch line, the half y 122-1082
  OFFICIALS_WALK_OFF_DIRECT = 4,   // to the tunnel, then code 15 written straight in
  OFFICIALS_WALK_OFF = 5,          // to the tunnel, then code 15
  OFFICIALS_SIGNAL_CODE = 6,       // a signal of kind actionArg, then actionArg2
  OFFICIALS_TALKING_TO = 7,
  OFFICIALS_BOOKING = 8,
  OFFICIALS_SENDING_OFF = 9,
  OFFICIALS_FLAG_OFFSIDE_HIGH = 10,
  OFFICIALS_FLAG_OFFSIDE_LOW = 11,
  OFFICIALS_FLAG_OUT_HIGH = 12,
  OFFICIALS_FLAG_OUT_LOW = 13,
  OFFICIALS_IDLE_14 = 14,
  OFFICIALS_LEAVE = 15,            // beyond the tunnel; his frame becomes -1 there
  OFFICIALS_CODES = 16,
};

using OfficialsHandler = void (*)(int object);
extern OfficialsHandler OfficialsActionTable[OFFICIALS_CODES];

// Per side: players booked and players sent off (a second booking counts
// once, as a sending-off).
extern uint8_t SideBookings[2];
extern uint8_t SideSendingsOff[2];
// Frames of the card being shown: 0 until the referee reaches the offender.
extern int16_t CardStepCounter;

// One frame of the three officials, in the order 32, 33, 34.
void UpdateOfficials();

// A new match: no cards shown yet.
void Officials_NewMatch();

void Officials_Reset();
