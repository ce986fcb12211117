#include "menus/c_mnload.h"

#include "menus/menupc.h"

namespace {

int16_t SaveLoadHandler(const MenuItem*) { return GetMenuEvent() == MENU_EVENT_INIT ? 0 : MENU_RESULT_LEAVE; }

}  // namespace

const MenuItem SaveLoadMenu[] = {
    {MI_HEADER, 0, 0, 0, 0, MenuArg(SaveLoadHandler), {}},
    {MI_END, 0, 0, 0, 0, {}, MenuArg(DefaultBackHandler)},
};
