// The clock of a period and what happens when it runs out.
//
// MatchClockTick runs once a frame after the match state. Once the kick-off
// has been taken (ClockRunning) it counts the period's frames; when the
// period's length and then its added time (AddedTimeFrames, raised by the
// stoppages) are used up, time is up, but the whistle waits for open play
// (or a goal) with the ball within 200 of the halfway line. Under the golden
// goal rule a goal that puts one side ahead on aggregate (the goals of a
// first leg count) ends extra time at once. Along the way it keeps a
// territory value for every minute (the balance of play of the result),
// counts where the side in possession has the ball and tires the players.
// StartPeriodClock (matchrun.h) sets a period's clock up.
#pragma once

#include <cstdint>

extern uint8_t TimeUp;           // the period's time, added time included, has run out
extern int32_t TotalFrames;      // frames of the periods' regular time since the first kick-off
extern int16_t ClockFrame;       // raised on every tick, never reset
extern int16_t Territory;        // 0-100, this minute's balance of play, 50 at the start of a minute
extern int32_t TerritoryMinute;  // the minute Territory belongs to, -1 none
extern int32_t OpenPlayFrames;   // frames of open play

// Per side, frames in possession in open play with the ball in the side's
// attacking, middle and defensive third of the pitch's length.
enum { THIRD_ATTACKING = 0, THIRD_MIDDLE = 1, THIRD_DEFENSIVE = 2 };
extern int32_t ThirdFrames[2][3];

// Open play is tiring: every this many frames of it every player loses a
// little of his physical and technical skills (UpdateFatigue).
constexpr int32_t FATIGUE_INTERVAL = 400;

void MatchClockTick();
// The whistle: the referee signals, the period-end state takes over, the
// players stop, and after the second half (or extra time) the side ahead on
// aggregate celebrates.
void EndOfPeriod();
// Each player on the pitch, unless his stamina resists (a roll of 0-199
// above it), loses one point of each of his pace, stamina, power, agility,
// heading, tackling, passing, shooting and dribbling that is 11 or more.
void UpdateFatigue();
// One frame of possession for the side with the ball at x across the pitch,
// on the flank third named from the side's own direction of play (its first
// flank on its left); the flank totals of the result add these up.
void CountFlankFrame(int side, int x);

void MatchClock_Reset();
