// The end of the league season, the promotion play-offs and the next season.
//
// On Postdate, the last league matchday, EndOfSeason settles the season from
// the division tables as last sorted: the clubs' history rolls over and the
// prize money is paid, champions and runners-up enter the roll of honour,
// clubs go up and down between the game country's divisions by the country's
// rules, the play-off clubs are drawn and their semi-finals (or final) are
// scheduled, and in country 3 the super cup is set. Seventeen days later
// Season_AddPlayOffFinals adds the finals between the semi-finals' winners
// (the match day strikes the beaten clubs out of PlayoffTable and moves the
// final's winner up). When the year is over StartNewSeason sets up the next
// season in eleven steps behind the progress display.
#pragma once

#include <cstdint>

#include "world/static_country.h"

constexpr int PLAYOFF_PLACES = 4;
constexpr uint8_t PLAYOFF_EMPTY = 255;
// Per division d the clubs of the play-off into the division above, in
// seeding order; 255 empty or beaten (saved). Cleared at each end of season.
extern uint8_t PlayoffTable[NUM_DIVISIONS][PLAYOFF_PLACES];
// The play-off clubs as drawn, -1 none, for the screens.
extern int16_t PlayoffClubs[NUM_DIVISIONS][PLAYOFF_PLACES];

// The country rules of the season's end, per game country and division.
extern const int8_t PromotionPlaces[NUM_GAME_COUNTRIES][NUM_DIVISIONS];  // the champion included
extern const int8_t RelegationPlaces[NUM_GAME_COUNTRIES][NUM_DIVISIONS];
// How a country's play-offs are played: 0 two-legged semi-finals, 2 single
// semi-finals (the play-off entries of CountryDivisionInfo say which
// divisions have them and how many clubs).
constexpr int16_t PLAYOFF_TWO_LEGS = 0;
constexpr int16_t PLAYOFF_SINGLE_LEG = 2;
extern const int16_t PlayoffKind[NUM_GAME_COUNTRIES];
// Days after the usual final day (Postdate + 28) a division's final is played on.
extern const int16_t PlayoffFinalOffset[NUM_GAME_COUNTRIES][NUM_DIVISIONS];

// The division a club of the game country goes to when promoted from the
// given row of its division's table (the champion is row 0), and when
// relegated from a row.
int16_t PromotionTarget(int country, int division, int row);
int16_t RelegationTarget(int country, int division, int row);

// Days after Postdate of the play-off semi-finals (first and second legs).
constexpr int16_t PLAYOFF_FIRST_LEG_DAYS = 14;
constexpr int16_t PLAYOFF_SECOND_LEG_DAYS = 17;
constexpr int16_t PLAYOFF_FINAL_DAYS = 11;  // after the finals are added (Postdate + 17)

// The league season's end, on Postdate (today), after the tables' last sort.
void EndOfSeason();
// The play-off finals, on Postdate + 17.
void Season_AddPlayOffFinals();

// The next season, when the year is over (the season counter already moved
// on): DayOfSeason 0, the roll of honour one season back, the European
// entrants, the fixture list and tables emptied, the league fixtures, the
// reserve pool, the transfer windows, the reputation table, the division
// lists, the pre-season friendlies, then every club record's season lists.
constexpr int NEW_SEASON_STEPS = 11;
void StartNewSeason();

// Every fixture slot empty, every league row's figures 0 (positions kept),
// every club's average attendance 0.
void Season_ResetFixturesAndTables();

// Both play-off tables empty.
void EndSeason_Reset();
