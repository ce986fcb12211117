// What players are worth and what clubs can pay: the market value, the value
// the computer clubs and the screens use, the owning club's asking price, a
// club's transfer budget and top wage, and the roundings of money. None of
// them changes the world (the budget and the top wage may rebuild the current
// squad list for their club). The wage a player asks is GetPlayerWageDemand
// (clubsim/clubsvc.h).
#pragma once

#include <cstdint>

constexpr int NUM_STORED_POSITIONS = 13;
constexpr int NUM_VALUE_AGES = 24;     // stored ages 0-23; older players count as 23
constexpr int NUM_MONEY_COUNTRIES = 9;
constexpr int NUM_MONEY_DIVISIONS = 6;

// Per stored position: the weights of the squared stats in the skill core
// (columns 0-8; 9 and 10 are not read by the valuation).
extern const int8_t PositionSkillWeights[NUM_STORED_POSITIONS][11];
// Per stored position and stored age: the share of the value kept, percent.
extern const int16_t AgeValueTable[NUM_STORED_POSITIONS][NUM_VALUE_AGES];
// Per stored position: the share of the value, percent.
extern const int16_t PositionValuePercent[NUM_STORED_POSITIONS];
// Per game country and division 0-5: the value share in percent, the least
// value a player of a club there has (below it he is worth nothing) and the
// wage scale (the contract talks read it; the wage demand reads column 0).
extern const int16_t DivisionValuePercent[NUM_MONEY_COUNTRIES][NUM_MONEY_DIVISIONS];
extern const int32_t DivisionMinimumValue[NUM_MONEY_COUNTRIES][NUM_MONEY_DIVISIONS];
extern const int16_t DivisionWageScale[NUM_MONEY_COUNTRIES][NUM_MONEY_DIVISIONS];

// The club a player on loan is lent from (his loan entry's club), -1 when he
// is not on loan or no loan entry holds him.
int16_t PlayerLoanOwner(int16_t player);
// The club that owns the player: the one he is lent from, else his club.
int16_t PlayerOwningClub(int16_t player);
// Builds the current squad list for the club unless it was built for it last.
void EnsureSquadListOf(int16_t club);

// The row of the per-division tables for a club's division: 0-5 as they are,
// the divisions outside the league (6 and up) as division 5.
int MoneyDivision(int16_t club);

// The player's market value (stored at the year end): his skills at his
// position, age, club's division, bids made for him, morale and, at a club of
// the game country, his experience; rounded by RoundMoneyDown. A value beyond
// what a money word holds is the largest it holds.
int32_t ValuePlayer(int16_t player);
// ValuePlayer, but nothing for a free or unattached player (club 250 and up
// other than the reserve pool, 252).
int32_t GetPlayerValue(int16_t player);
// What the owning club asks: the value before morale and experience, scaled by
// the months of contract left (unless he is transfer-listed), doubled when he
// is not for sale, by the reputation of a foreign club, and lower for a
// reserve of the game country; a market price set on him replaces it. Young
// players are priced from the stats they will have.
int32_t GetPlayerAskingPrice(int16_t player);

// The money the club may spend on players: a foreign club its reputation x
// 750,000 + 100,000; a game-country club 75 % of its balance less 125 weeks of
// its own squad's wages (not below 0). Works over the current squad list,
// rebuilt for the club when it holds another club's players; 0 for a club
// outside 0-249.
int32_t GetClubSpendingBudget(int16_t club);
// The highest weekly wage (money) the club will pay, at most 50,000: ten times
// its squad's average wage, or a tenth of what a third of its balance leaves
// over the wage bill when that is more; a foreign club its reputation x 1,000.
// A squad of nobody averages 0. Uses the current squad list like the budget.
int32_t CalcClubMaxWage(int16_t club);

// x / 25 x 25 and x / 100 x 100, truncating towards zero.
int32_t RoundDownTo25(int32_t x);
int32_t RoundDownTo100(int32_t x);
// max(x, 1,000) to whole thousands below.
int32_t RoundToThousandsMin1000(int32_t x);
// Money as offers show it: 0 below 1,000; else cut to two significant figures
// below 10,000,000 (12,345 -> 12,000; 123,456 -> 120,000) and to whole
// millions from there (25,500,000 -> 25,000,000).
int32_t RoundMoneyDown(int32_t x);
