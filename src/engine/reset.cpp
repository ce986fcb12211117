#include "engine/reset.h"

#include <algorithm>
#include <vector>

namespace {

struct ResetEntry {
  ResetLayer layer;
  ResetFunc function;
  const char* name;
};

// Built during static initialisation, so it lives in a function-local static
// that exists before the first registration whatever the link order.
std::vector<ResetEntry>& Registry() {
  static std::vector<ResetEntry> entries;
  return entries;
}

}  // namespace

int RegisterReset(ResetLayer layer, ResetFunc function, const char* name) {
  auto& entries = Registry();
  for (const ResetEntry& entry : entries)
    if (entry.function == function) return 0;
  // Keep the list sorted by layer, registration order within a layer.
  auto at = std::upper_bound(entries.begin(), entries.end(), layer,
                             [](ResetLayer l, const ResetEntry& e) { return l < e.layer; });
  entries.insert(at, ResetEntry{layer, function, name});
  return 0;
}

void ResetAllModules() {
  for (const ResetEntry& entry : Registry()) entry.function();
}

void ResetModulesFrom(ResetLayer first) {
  for (const ResetEntry& entry : Registry())
    if (entry.layer >= first) entry.function();
}

void ResetModulesOf(ResetLayer layer) {
  for (const ResetEntry& entry : Registry())
    if (entry.layer == layer) entry.function();
}

int ResetCount() { return static_cast<int>(Registry().size()); }

const char* ResetName(int index) {
  const auto& entries = Registry();
  if (index < 0 || index >= static_cast<int>(entries.size())) return "";
  return entries[index].name;
}
