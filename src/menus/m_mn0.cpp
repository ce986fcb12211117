#include "menus/m_mn0.h"

#include "engine/reset.h"
#include "menus/menucont.h"

namespace {
struct PlayerPageState {
  int16_t returnOption = 3;
};
PlayerPageState gPage;

void M_Mn0_Reset() { gPage = PlayerPageState{}; }
REGISTER_RESET(RESET_MENUS, M_Mn0_Reset);
}  // namespace

void OpenPlayerPage(int16_t player, int16_t returnOption) {
  MenuPlayer = player;
  gPage.returnOption = returnOption;
  MenuOption = 4;
}

int16_t PlayerPageReturnOption() { return gPage.returnOption; }
