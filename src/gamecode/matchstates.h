// The match states: open play, the stoppages and restarts, the period's
// start and end and the shoot-out. MatchFrame runs the handler of the
// current state once a frame.
//
// A handler that finds the state timer at 0 arms it; counting it down to 0
// fires the handler's action; a handler that must try again next frame sets
// it to 1.
#pragma once

#include <cstdint>

#include "gamecode/matchstate.h"

using MatchStateHandler = void (*)();
extern MatchStateHandler MatchStateTable[MATCH_STATE_COUNT];

// The match frame's entry: the current state's handler.
void RunMatchState();

// The side that takes the current restart (kick-off, goal kick, the keeper's
// release, a free kick): the team shape lines the sides up by it.
extern uint8_t RestartSide;

void ServeSubstitutionRequests();
void PlaceThrowInPair(int marker, int receiver);
void SnapPlayersToTargets();

// --- the states' own values --------------------------------------------------------
extern int16_t SavedState;               // the state that states 15 and 22 return to
extern int16_t AimPointX, AimPointY;     // where a restart is aimed (the restart-spot marker's place)
extern uint8_t FoulingSide;              // the side that committed the foul being handled
extern int16_t FouledPlayer;             // the player fouled (a keeper's handball: the last toucher)
extern int16_t RefereeOffender;          // the player the referee is to book or send off
extern uint8_t OffendingSide;            // the side caught offside
extern int16_t SubstitutionRequest[2];   // per side: a change is wanted at the next stoppage
extern uint8_t RequestsServed[2];        // per side: requests served; no stoppage substitution while set
extern int16_t SettleWait;               // frames a foul has waited for unsettled players (at most 1000)
extern int16_t KickOffTaker, KickOffPartner;
extern int16_t ShapeRandom[2];           // two rolls of 0-59 drawn anew by the waiting states
extern int16_t CelebrationFlag;          // set while the scorers celebrate
extern int16_t KeeperDecision;           // the goalkeepers' decision value (a chosen receiver), -1 none
extern int16_t SideOffsides[2];          // per side: times caught offside
extern int32_t AddedTimeFrames;          // stoppage time the stoppages add, in frames
extern int16_t ShootOutDryKicks;         // shoot-out kicks in a row that found nobody to take them

// Which of the player AI's frame countdowns the states use.
constexpr int COUNTDOWN_POST_GOAL = 0;   // 100 after a goal; the shoot-out waits for it
constexpr int COUNTDOWN_SET_PIECE = 1;   // held at 50 while a corner is set up; a goal while it runs is a set-piece goal
constexpr int COUNTDOWN_CELEBRATION = 3; // 20 frames after a goal before the scorer's team-mates join in

// The referee's signals: he takes officials action 6 with the kind in his
// action step and the action to return to in his second action word.
constexpr int OFFICIALS_SIGNAL = 6;
void RefereeWhistle(int kind, int then = 1);

// A restart after N frames for a side that is behind comes sooner: N / (1 +
// a roll of 0-3) frames; a side that leads or is level waits the full time.
int HurryFrames(int frames, int side);
// The first of the side's chase places 1-3 whose player is on the pitch,
// else chase place 4; -1 when even that is empty.
int FirstFreeChasePlace(int side);
// The computer sides' changes at a stoppage (SubstitutionDecision, then
// ChooseSubstitute, within the substitutes allowed), then the re-plan.
void StoppageSubstitutions();
// Whether the side is run by a human manager.
bool SideIsHuman(int side);

void MatchStates_Reset();
