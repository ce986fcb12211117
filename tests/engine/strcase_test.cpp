#include "engine/strcase.h"

#include <gtest/gtest.h>

namespace {

int Sign(int v) { return (v > 0) - (v < 0); }

TEST(StrICmp, FoldsOnlyAsciiLettersAndOrdersByLowerCase) {
  struct {
    const char* a;
    const char* b;
    int sign;
  } cases[] = {
      {"-window", "-WINDOW", 0},
      {"-Debug", "-dEBUG", 0},
      {"", "", 0},
      {"all", "al", 1},          // a prefix sorts first
      {"al", "ALL", -1},
      {"a", "B", -1},            // by letter, not by code: 'B' < 'a' in ASCII
      {"Z", "a", 1},
      {"[", "{", -1},            // punctuation next to the letters does not fold
      {"@", "`", -1},
      {"\xC4", "\xE4", -1},      // nor do letters outside ASCII
      {"x\xFF", "X\x01", 1},     // bytes compare unsigned
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Sign(StrICmp(c.a, c.b)), c.sign) << '"' << c.a << "\" vs \"" << c.b << '"';
    EXPECT_EQ(Sign(StrICmp(c.b, c.a)), -c.sign) << '"' << c.b << "\" vs \"" << c.a << '"';
  }
}

}  // namespace
