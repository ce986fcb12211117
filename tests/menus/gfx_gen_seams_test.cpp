// What the season and the menu interpreter reach of the kits, the tactics and
// the badge once the game's parts are connected.
#include <gtest/gtest.h>

#include "menus/exmenu.h"
#include "menus/gfx_gen.h"
#include "menus/kittab.h"
#include "season/seam.h"
#include "support/test_world.h"
#include "world/funcs.h"
#include "world/savegame.h"

namespace {

class GfxGenSeamsTest : public WorldTest {};

TEST_F(GfxGenSeamsTest, TheConnectedGameWearsTheTablesKitsAndFindsTheTactics) {
  Seam_ConnectGame();
  const int16_t home = tw::kHumanClub, away = tw::kLeagueClub;
  const int16_t homeDb = GNW_GetClubDbId(home), awayDb = GNW_GetClubDbId(away);
  // The first team sheet: the home club's home kit; the second: the away
  // club's kit that clashes least with it.
  EXPECT_EQ(MenuSystem.getTeamDesign(home, away, 0), GetHomeDesign(homeDb));
  EXPECT_EQ(MenuSystem.getTeamDesign(home, away, 1), GetTeamDesign(homeDb, awayDb, 1));
  EXPECT_EQ(MenuSystem.getTacticRecord(40), SavePlaceholders.customTactics);
  EXPECT_EQ(ExMenu.drawClubBadge, &GfxGenDrawClubBadge);
}

TEST_F(GfxGenSeamsTest, BeforeConnectingNothingIsDrawnOrWorn) {
  EXPECT_EQ(MenuSystem.getTeamDesign(tw::kHumanClub, tw::kLeagueClub, 0), nullptr);
  EXPECT_NE(ExMenu.drawClubBadge, &GfxGenDrawClubBadge);
}

}  // namespace
