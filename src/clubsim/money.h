// The club money events beside wages, fees and gate money: the yearly
// sponsorship, a board member withdrawing his stake from a very rich club, a
// new chairman's windfall (and the levy on rich clubs that comes with it),
// interest on overdrafts, the bail-out of a club deep in debt and the levy on
// very rich clubs.
//
// Every movement is a pair of Club_AddToBalance calls, the club and the pool
// (club 255) with opposite signs, so the world's money stays what it was.
// Shares of a balance are worked out in 64 bits. A league club is a club of
// the game country in division 0-5.
#pragma once

#include <cstdint>

constexpr int NUM_SPONSOR_COUNTRIES = 9;
constexpr int NUM_MONEY_EVENT_DIVISIONS = 6;
constexpr int WINDFALL_CHOICES = 10;

// The yearly sponsorship of a division before the board's scores scale it.
extern const int32_t SponsorshipBase[NUM_SPONSOR_COUNTRIES][NUM_MONEY_EVENT_DIVISIONS];
// The sums a new chairman brings (and the rich clubs' levy takes), by division.
extern const int32_t WindfallTable[NUM_MONEY_EVENT_DIVISIONS][WINDFALL_CHOICES];
// How far below nothing a club's balance may go before it is in crisis.
extern const int32_t DebtLimit[NUM_MONEY_EVENT_DIVISIONS];

// A computer-run club richer than this loses a board member's stake.
constexpr int32_t BOARD_STAKE_BALANCE = 62000000;
// The pool tax at which the tax terms below vanish.
constexpr int32_t POOL_TAX_BASE = 15;
// The windfall levy's threshold falls by this much per point of pool tax above the base.
constexpr int32_t LEVY_STEP_PER_TAX_POINT = 500000;
// Any club richer than this pays a levy when the week's interest is reckoned.
constexpr int32_t RICH_CLUB_BALANCE = 80000000;

// The human-run club's running totals since the new game: sponsorship
// received, windfalls received, and outgoings (the levies it pays and its
// stand enlargements).
extern int32_t HumanSponsorshipTotal;
extern int32_t HumanWindfallTotal;
extern int32_t HumanOutgoingsTotal;

// The new year's sponsorship of every league club with a full record: (rank
// score + season form score + finance score) x (the division's base / 200),
// the club's sponsorship of the week. A human-run club at or above its
// expected league place adds it to its running total and hears of it; one
// below it costs its manager a point of reputation per place.
void PayClubSponsorship();

// Every computer-run league club of the club processing list with more than
// BOARD_STAKE_BALANCE pays 10-24 % of its balance to the pool, with the news.
void BoardResignationEvent();

// A league club drawn at random gains a windfall of its division's table
// (into its miscellaneous income); then every computer-run league club above
// BOARD_STAKE_BALANCE less the pool tax's term pays a levy of its division's
// table (miscellaneous outgoings).
void NewChairmanWindfallEvent();

// The week's interest and debt of every league club: an overdrawn club pays
// interest at InterestRate; one below minus its division's debt limit whose
// paid players are worth less than twice its debt is bailed out (twice its
// debt, less the pool tax's term, into its miscellaneous income) and its
// manager sacked; one above RICH_CLUB_BALANCE pays 10-24 % of its balance.
void ApplyClubInterestAndDebt();

// Running totals 0 (program start).
void Money_Reset();
