#include "clubsim/bids.h"

#include <algorithm>

#include "clubsim/clubsvc.h"
#include "clubsim/simcounts.h"
#include "clubsim/valuation.h"
#include "season/seasonstate.h"
#include "world/lists.h"
#include "world/players.h"
#include "world/playerstats.h"
#include "world/textmess.h"

namespace {

constexpr int kNewsPriceBid = 1;
constexpr int kNewsFreeTransferBid = 2;
constexpr int kNewsLoanBid = 3;
constexpr int kNewsFreePlayerBid = 150;
constexpr int kNewsJoinedTheRace = 156;
constexpr int16_t kPositionTextBase = 300;
constexpr int kMaxAnswerDays = 15;

bool WorldClub(int16_t club) { return club >= 0 && club < NUM_CLUBS; }

int16_t PositionText(int16_t player) {
  return static_cast<int16_t>(kPositionTextBase + BidSlotOfPosition(Player_GetStoredPosition(player)));
}

int32_t AgeInYears(int16_t player) { return Player_GetAge(player) + 16; }

void ShowNews(int kind, int16_t team0, int16_t team1) {
  ShowNewsMessage(GetRandomNewsText(kind), 0, NEWS_SHOW_HUMAN_CLUB, team0, team1);
}

}  // namespace

bool DeadlinePeriodInForce(int period, int32_t day) {
  const int16_t starts[NUM_DEADLINE_PERIODS] = {DeadlineDay1, DeadlineDay2, DeadlineDay3};
  const int16_t ends[NUM_DEADLINE_PERIODS] = {WindowOpenDay1, WindowOpenDay2, WindowOpenDay3};
  if (period < 0 || period >= NUM_DEADLINE_PERIODS) return false;
  const int32_t start = starts[period], end = ends[period];
  if (start <= end) return start <= day && day <= end;
  return day >= start || day <= end;
}

int BidSlotOfPosition(int32_t position) {
  if (position == 0) return 0;
  if (position >= 1 && position <= 4) return 1;
  if (position >= 5 && position <= 9) return 2;
  if (position >= 10 && position <= 12) return 3;
  return -1;
}

void BidInfo_Start(int16_t player, int16_t slot) {
  if (slot < 0 || slot >= NUM_BID_INFOS) return;
  int32_t days = Player_GetMorale(player) * (Player_GetPersonalityStat(player, 19) / 20 + 2) / 60;
  days = std::max(days, int32_t{1});
  BidInfo_SetPlayer(slot, player);
  const int16_t starts[NUM_DEADLINE_PERIODS] = {DeadlineDay1, DeadlineDay2, DeadlineDay3};
  for (int period = 0; period < NUM_DEADLINE_PERIODS; ++period) {
    if (DeadlinePeriodInForce(period, DayOfSeason + days)) days = starts[period] - DayOfSeason;
  }
  // An answer of 0 days would never be decided: it comes tomorrow at the soonest.
  BidInfo_SetDays(slot, std::clamp(days, int32_t{1}, int32_t{kMaxAnswerDays}));
}

void ClubBid_WithdrawPlayer(int16_t club, int16_t player) {
  if (!WorldClub(club)) return;
  for (int slot = 0; slot < NUM_CLUB_BIDS; ++slot)
    if (Club_GetBidPlayer(club, slot) == player) Club_SetBid(club, slot, -1, 0, 0);
}

void ClubBid_ClearAll(int16_t club) {
  if (!WorldClub(club)) return;
  for (int slot = 0; slot < NUM_CLUB_BIDS; ++slot) Club_SetBid(club, slot, -1, 0, 0);
}

int16_t ClubBid_CountForPlayer(int16_t club, int16_t player) {
  int16_t count = 0;
  for (int16_t other = 0; other < NUM_CLUBS; ++other) {
    if (other == club) continue;
    for (int slot = 0; slot < NUM_CLUB_BIDS; ++slot)
      if (Club_GetBidPlayer(other, slot) == player) ++count;
  }
  return count;
}

int16_t ClubBid_HasPlayer(int16_t club, int16_t player) {
  if (!WorldClub(club)) return player;
  for (int slot = 0; slot < NUM_CLUB_BIDS; ++slot)
    if (Club_GetBidPlayer(club, slot) == player) return -1;
  return player;
}

int16_t MakeTransferOffer(int16_t club, int16_t player, int32_t price, int16_t position, int16_t clause) {
  if (!WorldClub(club)) return -1;
  const int slot = BidSlotOfPosition(position);
  if (slot < 0 || Club_GetBidPlayer(club, slot) != -1) return -1;
  price = std::max(price, int32_t{0});
  const int16_t owner = PlayerOwningClub(player);

  const int16_t human = FindHumanClub(1);
  if (human != -1 && human != club && ClubBid_HasPlayer(human, player) == -1) {
    SetNewsArgs(club, -1, player, -1, -1, -1, -1, -1, -1);
    ShowNews(kNewsJoinedTheRace, club, human);
  }

  Club_SetBid(club, slot, player, price / 100, clause);
  ++ClubSimCount.bids;

  const int16_t ownerTeam = WorldClub(owner) ? owner : int16_t{-1};
  if (!WorldClub(Player_GetClub(player))) {
    SetNewsArgs(club, -1, player, -1, price, PositionText(player), -1, AgeInYears(player), -1);
    ShowNews(kNewsFreePlayerBid, club, -1);
  } else if (price == LOAN_BID_PRICE && Player_GetLoanList(player)) {
    SetNewsArgs(club, ownerTeam, player, -1, -1, -1, -1, -1, -1);
    ShowNews(kNewsLoanBid, club, ownerTeam);
  } else if (price > 0) {
    SetNewsArgs(club, ownerTeam, player, -1, price, PositionText(player), -1, -1, -1);
    ShowNews(kNewsPriceBid, club, ownerTeam);
  } else {
    SetNewsArgs(club, ownerTeam, player, -1, -1, PositionText(player), -1, AgeInYears(player), -1);
    ShowNews(kNewsFreeTransferBid, club, ownerTeam);
  }
  return player;
}
