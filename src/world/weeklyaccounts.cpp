#include "world/weeklyaccounts.h"

#include "clubsim/clubsvc.h"
#include "engine/reset.h"
#include "world/clubs.h"

WeeklyAccountsRecord WeeklyAccounts;

void WeeklyAccounts_Reset() {
  const int16_t club = FindHumanClub(1);
  WeeklyAccounts = WeeklyAccountsRecord{};
  WeeklyAccounts.weekStartBalance = club >= 0 ? Club_GetBalance(club) : 0;
}

void WeeklyAccounts_Clear() { WeeklyAccounts = WeeklyAccountsRecord{}; }
REGISTER_RESET(RESET_WORLD, WeeklyAccounts_Clear);
