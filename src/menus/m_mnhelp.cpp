#include "menus/m_mnhelp.h"

int16_t FindHelpEntry(int16_t) { return -1; }
void DoHelpPanel(int16_t) {}
