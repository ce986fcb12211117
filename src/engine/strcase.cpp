// Comparing names without regard to letter case.
#include "engine/strcase.h"

namespace {

unsigned char Lower(char c) {
  const unsigned char u = static_cast<unsigned char>(c);
  return u >= 'A' && u <= 'Z' ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

}  // namespace

int StrICmp(const char* a, const char* b) {
  for (;; ++a, ++b) {
    const unsigned char x = Lower(*a), y = Lower(*b);
    if (x != y || x == 0) return x - y;
  }
}
