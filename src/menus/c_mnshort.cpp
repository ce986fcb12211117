#include "menus/c_mnshort.h"

void ShortList_Clear() {}
