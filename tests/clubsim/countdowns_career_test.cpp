// The squad, injury, loan, contract and ban steps run by the game's own day
// loop on a world made from the generated database: the lists stay sound day
// after day.
#include <algorithm>
#include <string>
#include <vector>

#include "clubsim/injuries.h"
#include "clubsim/squad.h"
#include "clubsim/squadlist.h"
#include "season/careerrun.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "season/worldcheck.h"
#include "support/career_world.h"
#include "world/clubs.h"
#include "world/lists.h"
#include "world/players.h"

namespace {

constexpr int kDays = 150;  // more than a loan's 13 weeks and four month ends

class CountdownsCareerTest : public CareerWorldTest {
 protected:
  static void ConnectSquadSteps() {
    ClubSim.getClubManager = GetClubManager;
    ClubSim.clearClubCaptainFlags = ClearClubCaptainFlags;
    ClubSim.getPlayerTacticType = GetPlayerTacticType;
    ClubSim.dailyInjuryStep = InjuryCountdown;
    ClubSim.monthlyContractStep = ContractCountdown;
    ClubSim.weeklyLoanStep = LoanExpiryStep;
    ClubSim.weeklySuspensionCountdown = BanWaitCountdown;
    ClubSim.injurePlayer = [](int16_t player, int16_t, int16_t club) { MatchInjury(player, club); };
    ClubSim.pickTeamCaptain = PickTeamCaptain;
    ClubSim.findClubCaptain = FindClubCaptain;
  }

  // The injury flag iff one injury-list slot (time 1 or more); the on-loan
  // flag iff one loan entry (1-13 weeks); no club with more than 32 players
  // to list; fields in range. Answers the first breach, empty when none.
  static std::string ListsBreach() {
    int slots[MAX_PLAYERS] = {}, loans[MAX_PLAYERS] = {};
    for (int16_t s = 0; s < NUM_PATIENTS; ++s) {
      const int16_t p = Patient_GetPlayerNo(s);
      if (p == -1) continue;
      if (p < 0 || p >= PlayerCount) return "injury slot " + std::to_string(s) + " of no player";
      if (Patient_GetInjuryTime(s) < 1) return "injury slot " + std::to_string(s) + " without time";
      if (Patient_GetInjuryType(s) >= NUM_INJURY_TYPES) return "injury slot " + std::to_string(s) + " of no type";
      ++slots[p];
    }
    for (int16_t s = 0; s < NUM_LOANS; ++s) {
      const int16_t p = Loan_GetPlayerNo(s);
      if (p == -1) continue;
      if (p < 0 || p >= PlayerCount) return "loan " + std::to_string(s) + " of no player";
      const int16_t weeks = Loan_GetLoanWeeks(s);
      if (weeks < 1 || weeks > LOAN_WEEKS) return "loan " + std::to_string(s) + " weeks " + std::to_string(weeks);
      ++loans[p];
    }
    for (int16_t p = 0; p < PlayerCount; ++p) {
      if (slots[p] != (Player_GetInFlag(p) ? 1 : 0)) return "player " + std::to_string(p) + " injury slots";
      if (loans[p] != (Player_GetOnLoan(p) ? 1 : 0)) return "player " + std::to_string(p) + " loan entries";
      if (Player_GetContract(p) < 0 || Player_GetContract(p) > 60) return "player " + std::to_string(p) + " contract";
      if (Player_GetBanwait(p) < 0 || Player_GetBanwait(p) > 2) return "player " + std::to_string(p) + " ban wait";
    }
    // Own and borrowed players by their club, lent-out ones by their loan entry.
    int listed[NUM_CLUBS] = {};
    for (int16_t p = 0; p < PlayerCount; ++p) {
      if (Player_GetPosition(p) == POSITION_MANAGER && !Player_GetBossvane(p)) continue;
      const int16_t club = Player_GetClub(p);
      if (club >= 0 && club < NUM_CLUBS) ++listed[club];
      if (Player_GetOnLoan(p)) {
        const int16_t owner = Player_GetLoanClub(p);
        if (owner >= 0 && owner < NUM_CLUBS) ++listed[owner];
      }
    }
    for (int16_t club = 0; club < NUM_CLUBS; ++club)
      if (listed[club] > SQUAD_LIST_SIZE) return "club " + std::to_string(club) + " over 32";
    return "";
  }
};

TEST_F(CountdownsCareerTest, DayAfterDayTheInjuryAndLoanListsStaySound) {
  const int16_t human = LoadCareerWorld({.country = 0, .seed = 1, .club = -1, .seasons = 0});
  ASSERT_GE(human, 0);
  ConnectSquadSteps();
  WorldCheck_Begin();

  // A loan between each pair of computer-run neighbours of the top divisions.
  int loansStarted = 0;
  std::vector<int16_t> lent;
  for (int16_t club = 0; club + 1 < 40; club = static_cast<int16_t>(club + 2)) {
    if (Club_GetControl(club) != 0 || Club_GetControl(club + 1) != 0) continue;
    BuildClubSquadList(club);
    const int16_t p = SquadList[SquadListLength - 1];
    const int started = Loan_Start(p, club, static_cast<int16_t>(club + 1));
    loansStarted += started;
    if (started != 0) lent.push_back(p);
  }
  ASSERT_GT(loansStarted, 5);

  int mostInjured = 0;
  for (int day = 0; day < kDays; ++day) {
    Career_PlayDay();
    std::string rule, detail;
    ASSERT_TRUE(WorldCheck_Run(&rule, &detail)) << "day " << day << ": " << rule << " " << detail;
    const std::string breach = ListsBreach();
    ASSERT_EQ(breach, "") << "day " << day;
    int injured = 0;
    for (int16_t s = 0; s < NUM_PATIENTS; ++s) injured += Patient_GetPlayerNo(s) != -1;
    mostInjured = std::max(mostInjured, injured);
  }
  EXPECT_GT(mostInjured, 0);  // match injuries came and went
  // Every loan begun here has run its 13 weeks (the clubs' own market may
  // have begun others since).
  int loansLeft = 0;
  for (int16_t s = 0; s < NUM_LOANS; ++s)
    loansLeft += std::find(lent.begin(), lent.end(), Loan_GetPlayerNo(s)) != lent.end();
  EXPECT_EQ(loansLeft, 0);
}

}  // namespace
