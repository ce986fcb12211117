// The clubs' staff: hiring, wages and contracts.
#include "clubsim/staffhire.h"

#include <algorithm>

#include "clubsim/money.h"
#include "clubsim/simcounts.h"
#include "clubsim/squad.h"
#include "clubsim/staffpool.h"
#include "clubsim/upkeep.h"
#include "clubsim/valuation.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/funcs_finance.h"
#include "world/players.h"
#include "world/playerstats.h"
#include "world/textmess.h"

namespace {

constexpr int LEAGUE_DIVISIONS = 6;
constexpr int32_t WAGE_UNIT = 25;
constexpr int16_t FIRST_SHIRT = 1;
constexpr int16_t LAST_SHIRT = 16;
// The highest division whose clubs take staff of any level: below it the
// least level rises by one a division.
constexpr int16_t LEVEL_FLOOR_DIVISION = 5;

// The manager's personality stat that decides the youth posts.
constexpr int STAT_YOUTH_MINDED = 21;
constexpr int16_t YOUTH_KEEN = 160;  // above it: both youth posts even in the small bands
constexpr int16_t YOUTH_OPEN = 40;   // at least it: the youth posts in the rich bands

constexpr int NEWS_STAFF_LEFT = 139;
constexpr int16_t TEXT_FIRST_STAFF_TITLE = 411;  // "Coach"; the titles follow in kind order

// The order in which a club pays its staff.
constexpr int16_t kPayOrder[NUM_STAFF_KINDS] = {
    STAFF_COACH,       STAFF_COACH_GK, STAFF_COACH_DF,   STAFF_COACH_MD, STAFF_COACH_FW, STAFF_COACH_YOUTH,
    STAFF_YDO,         STAFF_DIETITION, STAFF_PHYSIO,    STAFF_PSYCHO,   STAFF_FAITH,
};

bool LeagueClubWithRecord(int16_t club) { return Club_IsFullGameCountryLeagueClub(club); }

bool Filled(int16_t club, int16_t kind) { return GNW_GetClubStaffContract(club, kind) != 0; }

int32_t AddClamped(int32_t figure, int64_t amount) {
  return static_cast<int32_t>(std::clamp<int64_t>(figure + amount, INT32_MIN, INT32_MAX));
}

// Fills a vacant post from the market with the best candidate paid less than cap.
int16_t HirePost(int16_t club, int16_t kind, int32_t cap) {
  // Compared without sign: a division above 5 asks for more than any level.
  const auto leastLevel = static_cast<uint16_t>(LEVEL_FLOOR_DIVISION - Club_GetDivision(club));
  int16_t chosen = -1;
  int32_t chosenWage = 0;
  for (int16_t c = 0; c < NUM_STAFF_CANDIDATES; ++c) {
    if (StaffCandidate_IsAvailable(c) == 0 || StaffCandidate_GetKind(c) != kind) continue;
    const int16_t level = StaffCandidate_GetLevel(c);
    if (static_cast<uint16_t>(level) < leastLevel) continue;
    const int32_t wage = GNW_GetStaffWage(level);
    if (wage < cap && wage > chosenWage) {
      chosen = c;
      chosenWage = wage;
    }
  }
  if (chosen < 0) return 0;
  GNW_SetClubStaffContract(club, kind, STAFF_NEW_CONTRACT);
  GNW_SetClubStaffLevel(club, kind, StaffCandidate_GetLevel(chosen));
  ++ClubSimCount.staffHired;
  return 1;
}

// One club's hiring: its average squad wage is worked out once, when a
// vacant post first needs it.
class Hiring {
 public:
  explicit Hiring(int16_t club) : club_(club) {}
  void Hire(int16_t kind) {
    if (Filled(club_, kind)) return;
    if (cap_ < 0) cap_ = AverageSquadWage(club_);
    HirePost(club_, kind, cap_);
  }
  // The youth posts: the scout first, then the development officer.
  void YouthScout() { Hire(STAFF_COACH_YOUTH); }
  void YouthCoach() { Hire(STAFF_YDO); }
  // The physio and the specialist coaches of the bigger budgets.
  void Specialists(bool keeping) {
    Hire(STAFF_PHYSIO);
    if (keeping) Hire(STAFF_COACH_GK);
    Hire(STAFF_COACH_DF);
    Hire(STAFF_COACH_MD);
    Hire(STAFF_COACH_FW);
  }

 private:
  int16_t club_;
  int32_t cap_ = -1;
};

void HireByBudget(int16_t club, int32_t budget, int16_t youthMinded) {
  Hiring hiring(club);
  const bool keen = youthMinded > YOUTH_KEEN;
  const bool open = youthMinded >= YOUTH_OPEN;
  auto tail = [&] {
    if (keen) {
      hiring.YouthScout();
      hiring.YouthCoach();
    }
  };
  if (budget < 100000) {
    hiring.Hire(STAFF_COACH);
    tail();
  } else if (budget < 250000) {
    hiring.Hire(STAFF_COACH);
    hiring.Hire(STAFF_PHYSIO);
    tail();
  } else if (budget < 500000) {
    hiring.Specialists(false);
    tail();
  } else if (budget < 1000000) {
    hiring.Specialists(true);
    tail();
  } else if (budget < 5000000) {
    hiring.Specialists(true);
    if (open) hiring.YouthScout();
    if (keen) hiring.YouthCoach();
  } else {
    hiring.Specialists(true);
    if (budget >= 10000000) hiring.Hire(STAFF_DIETITION);
    if (budget >= 20000000) {
      hiring.Hire(STAFF_PSYCHO);
      hiring.Hire(STAFF_FAITH);
    }
    if (open) {
      hiring.YouthScout();
      hiring.YouthCoach();
    }
  }
}

}  // namespace

int32_t AverageSquadWage(int16_t club) {
  int64_t total = 0;
  int32_t counted = 0;
  for (int16_t p = Player_NextAtClub(0, club); p >= 0; p = Player_NextAtClub(static_cast<int16_t>(p + 1), club)) {
    if (Player_GetPosition(p) == POSITION_MANAGER || Player_GetOnLoan(p) != 0) continue;
    const int16_t shirt = Player_GetShirt(p);
    if (shirt < FIRST_SHIRT || shirt > LAST_SHIRT) continue;
    total += int64_t{WAGE_UNIT} * Player_GetWage(p);
    ++counted;
  }
  return counted == 0 ? NO_SQUAD_AVERAGE_WAGE : static_cast<int32_t>(total / counted);
}

int16_t HireStaff(int16_t club, int16_t kind) {
  if (kind < 0 || kind >= NUM_STAFF_KINDS || Filled(club, kind)) return 0;
  return HirePost(club, kind, AverageSquadWage(club));
}

int16_t HireStaff_Coach(int16_t club) { return HireStaff(club, STAFF_COACH); }
int16_t HireStaff_CoachGK(int16_t club) { return HireStaff(club, STAFF_COACH_GK); }
int16_t HireStaff_CoachDF(int16_t club) { return HireStaff(club, STAFF_COACH_DF); }
int16_t HireStaff_CoachMD(int16_t club) { return HireStaff(club, STAFF_COACH_MD); }
int16_t HireStaff_CoachFW(int16_t club) { return HireStaff(club, STAFF_COACH_FW); }
int16_t HireStaff_Physio(int16_t club) { return HireStaff(club, STAFF_PHYSIO); }
int16_t HireStaff_YDO(int16_t club) { return HireStaff(club, STAFF_YDO); }
int16_t HireStaff_Dietition(int16_t club) { return HireStaff(club, STAFF_DIETITION); }
int16_t HireStaff_CoachYouth(int16_t club) { return HireStaff(club, STAFF_COACH_YOUTH); }
int16_t HireStaff_Psycho(int16_t club) { return HireStaff(club, STAFF_PSYCHO); }
int16_t HireStaff_Faith(int16_t club) { return HireStaff(club, STAFF_FAITH); }

void HireStaffForBudget(int16_t club, int32_t budget, int16_t manager) {
  if (manager == NO_MANAGER_PLAYER || budget < STAFF_HIRING_MIN_BUDGET) return;
  HireByBudget(club, budget, Player_GetPersonalityStat(manager, STAT_YOUTH_MINDED));
}

void ComputerClubsHireStaff() {
  for (int16_t club = 0; club < NUM_CLUBS; ++club) {
    if (!LeagueClubWithRecord(club) || Club_GetHiringClause(club) != 0) continue;
    const int32_t budget = GetClubSpendingBudget(club);
    CurrentManager = GetClubManager(club);
    HireStaffForBudget(club, budget, CurrentManager);
  }
}

void HumanClubsAppointCoach() {
  for (int16_t club = 0; club < NUM_CLUBS; ++club) {
    if (Club_GetControl(club) == 0) continue;
    HireStaff_Coach(club);
    Club_SetCoachContract(club, HUMAN_COACH_CONTRACT);
  }
}

void PayStaffWages() {
  for (int16_t club = 0; club < NUM_CLUBS; ++club) {
    if (!LeagueClubWithRecord(club)) continue;
    const int16_t division = Club_GetDivision(club);
    if (Club_GetBalance(club) < -DebtLimit[division]) {
      for (int16_t kind = 0; kind < NUM_STAFF_KINDS; ++kind)
        if (Filled(club, kind)) GNW_SetClubStaffContract(club, kind, 1);
      continue;
    }
    for (int16_t kind : kPayOrder) {
      if (!Filled(club, kind)) continue;
      const int32_t wage = GNW_GetStaffWage(GNW_GetClubStaffLevel(club, kind));
      Club_AddToBalance(club, -wage);
      Club_AddToBalance(PLAYER_CLUB_NONE, wage);
      Club_SetWeeksCoachingStaffWages(club, AddClamped(Club_GetWeeksCoachingStaffWages(club), wage));
      if (Club_GetControl(club) != 0) HumanWagesPaid = AddClamped(HumanWagesPaid, wage);
    }
  }
}

void StaffContractCountdown() {
  for (int16_t club = 0; club < NUM_CLUBS; ++club) {
    if (Club_GetFullRecord(club) == nullptr) continue;
    for (int16_t kind = 0; kind < NUM_STAFF_KINDS; ++kind) {
      const int16_t contract = GNW_GetClubStaffContract(club, kind);
      if (contract == 0) continue;
      GNW_SetClubStaffContract(club, kind, contract - 1);
      if (contract - 1 != 0) continue;
      GNW_SetClubStaffLevel(club, kind, 0);
      if (Club_GetControl(club) != 0 && Club_GetHiringClause(club) != 0) {
        SetNewsArgs(club, -1, -1, -1, -1, static_cast<int16_t>(TEXT_FIRST_STAFF_TITLE + kind), -1, -1, -1);
        ShowNewsMessage(GetRandomNewsText(NEWS_STAFF_LEFT), 0, NEWS_SHOW_HUMAN_CLUB, club, -1);
      }
    }
  }
}
