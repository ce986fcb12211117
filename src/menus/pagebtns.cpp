#include "menus/pagebtns.h"

void ShowCredits() {}
