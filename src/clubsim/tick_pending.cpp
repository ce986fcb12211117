// TEMPORARY: stands in for the injury list and bid decisions until they merge.
#include "clubsim/tick_pending.h"
#include "world/players.h"
#include "clubsim/simcounts.h"
namespace {
constexpr int kBase[8] = {0, 1, 1, 1, 25, 3, 2, 2};
constexpr int kRarity[8] = {0, 500, 100, 1000, 10000, 5000, 5000, 5000};
}
void InjurePlayer(int16_t player, int16_t, int16_t type, bool) {
  Player_SetInFlag(player, 1);
  if (type == 0) ++ClubSimCount.awol;
  else if (type < 8) ++ClubSimCount.illnesses;
  else ++ClubSimCount.injuries;
}
int InjuryType_BaseTime(int type) { return type >= 0 && type < 8 ? kBase[type] : 1; }
int InjuryType_Rarity(int type) { return type >= 0 && type < 8 ? kRarity[type] : 100; }
void BidDecisionStep() {}
