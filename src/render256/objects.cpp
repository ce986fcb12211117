// The object display list.
#include "render256/objects.h"

#include <cstring>

#include "engine/debug.h"
#include "engine/reset.h"

namespace {

struct ObjectListState {
  VisibleObject list[MAX_OBJECTS];
  int count;
};
ObjectListState gList;

// Farthest first; equal depths keep no particular order.
void SortFarthestFirst(VisibleObject* list, int n) {
  for (int i = 1; i < n; ++i) {
    const VisibleObject v = list[i];
    int j = i - 1;
    while (j >= 0 && list[j].depth < v.depth) {
      list[j + 1] = list[j];
      --j;
    }
    list[j + 1] = v;
  }
}

}  // namespace

void Objects_Reset() { std::memset(&gList, 0, sizeof gList); }
REGISTER_RESET(RESET_RENDER, Objects_Reset);

void ObjectDisplay(const ObjectType* table) {
  int counts[MAX_OBJECT_TYPES];
  int types = 0;
  for (; table[types].count != nullptr; ++types) {
    if (types == MAX_OBJECT_TYPES)
      AbortError("zv256\\objects", __LINE__, "ObjectDisplay(): too many object types - increase MAX_OBJECT_TYPES");
    counts[types] = table[types].count();
  }
  for (int t = 0; t < types; ++t)
    if (table[t].prePass != nullptr)
      for (int i = 0; i < counts[t]; ++i) table[t].prePass(i);
  gList.count = 0;
  for (int t = 0; t < types; ++t) {
    if (table[t].depth == nullptr) continue;
    for (int i = 0; i < counts[t]; ++i) {
      const float depth = table[t].depth(i);
      if (depth < 0) continue;
      if (gList.count == MAX_OBJECTS)
        AbortError("zv256\\objects", __LINE__, "ObjectDisplay(): too many visible objects - increase MAX_OBJECTS");
      gList.list[gList.count++] = {depth, t, i};
    }
  }
  SortFarthestFirst(gList.list, gList.count);
  for (int k = 0; k < gList.count; ++k) table[gList.list[k].type].draw(gList.list[k].index);
}

const VisibleObject* ObjectDisplayList(int* count) {
  *count = gList.count;
  return gList.list;
}
