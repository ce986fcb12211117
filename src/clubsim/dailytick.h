// The club-and-player half of the daily tick: every club's dressing room
// (morale, friendships and rows, foreign players settling in), the random
// events of a season, transfer requests and their withdrawal, players going
// absent, the day's fatigue recovery and illnesses; then the bid decisions
// and, on training days, the training step.
#pragma once

#include <cstdint>

// Once a simulated day, after the calendar has moved on: the steps below in
// their order, then the bid decisions and (but on weekday 1) the training.
void DailyClubAI();

// Morale and relations of the players whose day of the week it is.
void DressingRoomStep();
// From day 21 of the season: a strided scan of the players for the
// season's random events (morale lifted to the club's standing, frustration).
void SeasonEventsStep();
// The transfer requests of the players whose day it is: withdrawn, handed in,
// or a player going absent.
void TransferRequestStep();
// Every player's fatigue recovery and the day's illnesses.
void FatigueAndIllnessStep();

// A team-mate of the opposite temperament who stands above the player, else
// -1; a strided scan of the player table from a random start.
int16_t FindRival(int16_t player);
// A team-mate of the same temperament in better spirits, else -1 (it may be
// his manager).
int16_t FindFriend(int16_t player);
// A foreign player settling in: alone among his club's players of his nation
// group he feels it; among two or more he warms to them.
void SettleForeignPlayer(int16_t player);

// Whether today lies in one of the game country's periods in which no
// player hands in a transfer request (counted from the season's start).
bool RequestBlackoutToday();
