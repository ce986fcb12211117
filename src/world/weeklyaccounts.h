// The human club's account of the running week, shown by the finance screens:
// the club's balance when the week began, then nine weekly figures, five of
// income followed by four of expenditure. The day's tick restarts it at the
// start of every week; the money steps of the week add to it (saved).
#pragma once

#include <cstdint>

constexpr int WEEKLY_INCOME_FIGURES = 5;
constexpr int WEEKLY_EXPENDITURE_FIGURES = 4;
constexpr int WEEKLY_FIGURES = WEEKLY_INCOME_FIGURES + WEEKLY_EXPENDITURE_FIGURES;

struct WeeklyAccountsRecord {
  int32_t weekStartBalance;
  int32_t figures[WEEKLY_FIGURES];  // income 0-4, then expenditure
};
extern WeeklyAccountsRecord WeeklyAccounts;

// A new week: the opening balance is the balance of human manager 1's club
// (0 when he has none), every weekly figure 0.
void WeeklyAccounts_Reset();

// Everything 0, as at program start.
void WeeklyAccounts_Clear();
