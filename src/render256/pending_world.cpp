// Do-nothing bodies of the calls this branch makes into the body drawing,
// until it arrives.
#include "render256/polyman.h"

void LoadPlayerModels() {}
void FreePlayerModels() {}
