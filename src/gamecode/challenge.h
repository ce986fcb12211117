// The challenges of a player going for the ball the opponent has: the
// standing challenge (28, 89), the tackle (56), the shirt pull (91), the
// firm block (32) and the run-on with a ball won off a clearing man (90).
// Each handler plays its motion and, while it plays, tests whether the
// challenger has reached the man (perhaps a foul, with the referee's
// decision on a card) and whether he can reach the ball.
#pragma once

#include <cstdint>

void Action_StandingChallenge(int object);  // 28, 89
void Action_Tackle(int object);             // 56
void Action_ShirtPull(int object);          // 91
void Action_FirmBlock(int object);          // 32
void Action_WonChallenge(int object);       // 90

// The kinds of foul a challenge gives.
enum FoulKind : uint8_t { FOUL_CHALLENGE = 0, FOUL_TACKLE = 1, FOUL_HOLDING = 2 };

// The last foul: the offender (the victim is FouledPlayer, the place the
// restart spot, matchstates.h) and the roll of the referee's card decision.
extern int16_t Fouler;
extern int16_t CardRoll;
// Per handler family (0 challenge, 1 tackle): the ground mark of the current
// challenge has been made.
extern int16_t ChallengeEffectShown[2];

// Whether the challenger (the acting object, at ActorX/ActorY) is on the man.
bool ChallengeContact(int challenger, int carrier);
// Gives the foul of the challenger on the carrier: commentary, counts, the
// stoppage and the referee's decision on a card.
void GiveFoul(int challenger, int carrier, FoulKind kind);

void Challenge_Reset();

// The referee blows for the offender's foul on the fouled player: the free
// kick is where the fouled man stands, the match goes to the foul state.
void WhistleFoul(int offender, int fouled);

// The last man: the player of the side's squad places 1-10 on the pitch
// nearest his own goal, -1 none.
int LastMan(int side);
