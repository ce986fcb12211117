#include "clubsim/haggle.h"

#include <algorithm>
#include <cstdint>

#include "clubsim/squad.h"
#include "clubsim/valuation.h"
#include "world/lists.h"
#include "world/players.h"
#include "world/playerstats.h"

namespace {

int32_t ManagerStat16(int16_t club) { return Player_GetPersonalityStat(GetClubManager(club), 16); }
int32_t ToMoney(int64_t x) { return static_cast<int32_t>(std::clamp<int64_t>(x, INT32_MIN, INT32_MAX)); }
int16_t ToPatience(int64_t x) { return static_cast<int16_t>(std::clamp<int64_t>(x, INT16_MIN, INT16_MAX)); }
void SetPatience(int16_t* out, int64_t value) {
  if (out != nullptr) *out = ToPatience(value);
}
// x / (y + 1) with a denominator of 0 (y = -1) taken as 1.
int64_t DivPlusOne(int64_t x, int64_t y) { return y + 1 != 0 ? x / (y + 1) : x; }

}  // namespace

int32_t EvaluateBidForPlayer(int16_t player, int32_t askingPrice, int16_t turn, int16_t club, int16_t* patienceOut,
                             int16_t rounds, int16_t clause) {
  const int64_t asking = askingPrice;
  const int64_t b = GetClubSpendingBudget(club);
  const int64_t m = DivPlusOne(b, asking);

  int64_t t = Player_GetTxList(player) != 0 ? GetPlayerValue(player) : GetPlayerAskingPrice(player);
  // A market price set on him caps what the club thinks him worth at three times it.
  const int64_t v = Player_GetManPrice(player);
  if (v > 0 && v < t && t / v > 3) t = 3 * v;

  int16_t a = static_cast<int16_t>(ManagerStat16(club) + 20);
  if (clause != 0) a = static_cast<int16_t>(a * 2);
  const int16_t m16 = static_cast<int16_t>(m);
  if (m16 != 0) a = static_cast<int16_t>(a / m16);

  if (b < t)
    t = RoundMoneyDown(ToMoney(b));
  else
    t = t - (a / 5) * (t / 100);

  int64_t bValue = (a - rounds) / 2;
  if (rounds > turn) bValue -= turn;
  bValue = std::max<int64_t>(bValue, 0);

  const int64_t e = std::max<int64_t>(100 - DivPlusOne((asking - t) * 100, asking) + rounds, 1);
  const int64_t d = std::max<int64_t>(bValue * (asking - t) / 100, 0);
  t -= d;
  t = std::min({t, b, asking});
  SetPatience(patienceOut, std::max<int64_t>(100 - e, 1));
  return RoundMoneyDown(ToMoney(t));
}

int32_t EvaluatePlayerOffer(int16_t player, int32_t offer, int32_t previousOffer, int32_t askingPrice, int16_t turn,
                            int16_t club, int16_t* patienceOut, int16_t clause) {
  (void)club;  // only an opening demand (no standing demand) would read it
  const int64_t s = ManagerStat16(PlayerOwningClub(player) >= 0 ? PlayerOwningClub(player) : Player_GetClub(player));
  if (previousOffer >= offer) {
    SetPatience(patienceOut, -1);
    return askingPrice;
  }
  int64_t target = GetPlayerAskingPrice(player);
  if (clause != 0) target = target - target * ((200 - s) / 4) / 100;
  if (target <= offer) {
    SetPatience(patienceOut, 0);
    return ToMoney(target);
  }
  if (turn == 0) {
    SetPatience(patienceOut, std::clamp<int64_t>(DivPlusOne(target * 100, offer) - 100, 1, 20000));
    target = RoundMoneyDown(ToMoney(target));
    return ToMoney(std::max<int64_t>(target, offer));
  }
  int64_t demand = askingPrice;
  const int64_t v = (DivPlusOne(demand * 100, offer) - 100) * 5;
  SetPatience(patienceOut, v);
  int64_t give = std::max<int64_t>((200 - s) - v / 4, 0);
  const int16_t patient = InjuryList_FindPlayer(player);
  if (Player_GetInFlag(player) != 0 && patient >= 0 && Patient_GetInjuryType(patient) == 0) give += s / 2;
  if (Player_GetRecurringInjury(player) != 0) give += s / 2;
  give = give / (100 + 10 * int64_t{turn});
  if (v < 250) {
    const int64_t d = std::max<int64_t>(give * (demand - offer) / 100, 0);
    demand = RoundMoneyDown(ToMoney(demand - d));
  }
  return ToMoney(std::max<int64_t>(demand, offer));
}
