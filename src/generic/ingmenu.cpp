#include "generic/ingmenu.h"

#include <cstring>

#include "engine/debug.h"
#include "engine/reset.h"
#include "engine/timerint.h"
#include "gamecode/football.h"
#include "gamecode/matchframe.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchrun.h"
#include "gamecode/matchseams.h"
#include "gamecode/setplays.h"
#include "gamecode/teamshape.h"
#include "generic/analysis.h"
#include "generic/infopages.h"
#include "generic/marking.h"
#include "generic/overlay.h"
#include "generic/pausemenu.h"
#include "generic/s_mn0.h"
#include "menus/machine.h"
#include "render256/vidopt.h"

int16_t InGameMenuCode = 0;
int16_t InGameMenuSide = 0;
int16_t InGameMenuForced = 0;

namespace {

InGameMenuSeamTable Defaults() {
  InGameMenuSeamTable t{};
  t.destroyMatchEnvironment = DestroyMatchEnvironment;
  t.initSetOfMenus = InitSetOfMenus;
  t.uninitSetOfMenus = UninitSetOfMenus;
  t.createMatchEnvironment = CreateMatchEnvironment;
  t.pause = PauseMenu;
  t.options = InGameOptionsMenu;
  t.videoOptions = VideoOptionsMenu;
  t.subsTactics = SubsTacticsMenu;
  t.performance = PerformancePage;
  t.lineUps = LineUpsPage;
  t.stats = StatsPage;
  t.pitchAction = PitchActionPage;
  t.marking = MarkingMenu;
  t.shootOutOrder = ShootOutOrderMenu;
  t.replanSide = InGameMenu_ReplanSide;
  return t;
}

void Open(int16_t code, int16_t side, int16_t forced) {
  InGameMenuCode = code;
  InGameMenuSide = side;
  InGameMenuForced = forced;
  InGameMenusLoop();
}

}  // namespace

InGameMenuSeamTable InGameMenuSeams = Defaults();

void InGameMenu_Reset() {
  InGameMenuCode = 0;
  InGameMenuSide = 0;
  InGameMenuForced = 0;
  InGameMenuSeams = Defaults();
}
REGISTER_RESET(RESET_PRESENTATION, InGameMenu_Reset);

int16_t InGameMenu_HumanSide() {
  return GetMatchSetupRecord()[MATCH_SETUP_TEAM_OFFSET[1] + SETUP_TEAM_HUMAN] != 0 ? 1 : 0;
}

void InGameMenu_ReplanSide(int side) {
  if (side < 0 || side > 1) return;
  std::memcpy(WorkingFormation[side], Football_GetTeamFormation(static_cast<int16_t>(side)), TACTICS_RECORD_SIZE);
  CopyFormationInstructions(side);
  MatchSeams.initTeamShape(side);
  UpdateShapeTargets();
}

void InGameMenusLoop() {
  InGameMenuSeams.destroyMatchEnvironment();
  InGameMenuSeams.initSetOfMenus();
  while (InGameMenuCode != INGAME_MENU_LEAVE) {
    DPRINT(DEBUG_GENERAL, 10, "InGameMenusLoop(): menu %d, side %d%s (tick %u)\n", InGameMenuCode, InGameMenuSide,
           InGameMenuForced ? ", forced" : "", TimerTicks.load());
    switch (InGameMenuCode) {
      case INGAME_MENU_PAUSE:
        InGameMenuSeams.pause();
        break;
      case INGAME_MENU_OPTIONS:
        InGameMenuSeams.options();
        InGameMenuCode = INGAME_MENU_PAUSE;
        break;
      case INGAME_MENU_VIDEO_OPTIONS:
        InGameMenuSeams.videoOptions();
        InGameMenuCode = INGAME_MENU_PAUSE;
        break;
      case INGAME_MENU_SUBS_TACTICS:
        InGameMenuSeams.subsTactics();
        // Both sides: the screen shows the other side's team too.
        InGameMenuSeams.replanSide(0);
        InGameMenuSeams.replanSide(1);
        break;
      case INGAME_MENU_PERFORMANCE:
        InGameMenuSeams.performance();
        break;
      case INGAME_MENU_LINE_UPS:
        InGameMenuSeams.lineUps();
        break;
      case INGAME_MENU_STATS:
        InGameMenuSeams.stats();
        break;
      case INGAME_MENU_PITCH_ACTION:
        InGameMenuSeams.pitchAction();
        break;
      case INGAME_MENU_MARKING:
        InGameMenuSeams.marking();
        break;
      default:
        FatalError("ERROR: InGameMenusLoop, Default Case hit '%d'\n", InGameMenuCode);
    }
  }
  // Every panel of the Commentary and Scanner views is drawn afresh.
  Analysis_RequestFullRedraw();
  Overlay_RequestFullRedraw();
  InGameMenuSeams.uninitSetOfMenus();
  InGameMenuSeams.createMatchEnvironment();
}

void InGameMenu_OpenLineUps() { Open(INGAME_MENU_LINE_UPS, InGameMenu_HumanSide(), 0); }

void InGameMenu_OpenPause() { Open(INGAME_MENU_PAUSE, InGameMenu_HumanSide(), 0); }

void InGameMenu_OpenSubsTactics(int side) {
  if (side < 0 || side > 1) return;
  if (GetMatchSetupRecord()[MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_HUMAN] == 0) return;
  Open(INGAME_MENU_SUBS_TACTICS, static_cast<int16_t>(side), 1);
}

void InGameMenu_OpenAt(int code) { Open(static_cast<int16_t>(code), InGameMenu_HumanSide(), 0); }

void PenaltyShootOutMenus() {
  InGameMenuSeams.destroyMatchEnvironment();
  InGameMenuSeams.initSetOfMenus();
  for (int16_t side = 0; side < 2; ++side) {
    InGameMenuSide = side;
    InGameMenuSeams.shootOutOrder();
  }
  InGameMenuSeams.uninitSetOfMenus();
  InGameMenuSeams.createMatchEnvironment();
}
