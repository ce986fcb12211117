#include "menus/money.h"

#include <cstdint>
#include <string>

#include "menus/langtext.h"
#include "menus/menuprims.h"
#include "support/engine_fixture.h"

namespace {

// The expected output with the language texts in braces filled in from the
// table: "{£}1{.}5{K}" is "£1.5K" in the English table.
std::string Texts(std::string pattern) {
  const struct {
    const char* key;
    int text;
  } keys[] = {{"{£}", TEXT_CURRENCY}, {"{.}", TEXT_DECIMAL_POINT}, {"{Bl}", TEXT_BILLIONS}, {"{M}", TEXT_MILLIONS},
              {"{K}", TEXT_THOUSANDS},  {"{Free}", TEXT_FREE},       {"{st}", 263},            {"{nd}", 264},
              {"{rd}", 265},            {"{th}", 266}};
  for (const auto& k : keys) {
    for (size_t at; (at = pattern.find(k.key)) != std::string::npos;)
      pattern.replace(at, std::string(k.key).size(), LanguageTextTable[k.text]);
  }
  return pattern;
}

TEST(Money, WorkedValuesInTheThreeForms) {
  struct {
    int32_t value;
    const char* full;
    const char* shortForm;
    const char* brief;
  } cases[] = {
      {0, "{£}0", "{£}0", "{Free}"},
      {999, "{£}999", "{£}999", "999"},
      {1000, "{£}1,000", "{£}1{K}", "1{K}"},
      {1500, "{£}1,500", "{£}1{.}5{K}", "1{.}5{K}"},
      {12345, "{£}12,345", "{£}12{.}345{K}", "12{.}3{K}"},
      {999999, "{£}999,999", "{£}999{.}999{K}", "999{.}9{K}"},
      {1000123, "{£}1,000,123", "{£}1{M}", "1{M}"},
      {1005000, "{£}1,005,000", "{£}1{.}005{M}", "1{.}0{M}"},
      {1050000, "{£}1,050,000", "{£}1{.}05{M}", "1{.}0{M}"},
      {1500000, "{£}1,500,000", "{£}1{.}5{M}", "1{.}5{M}"},
      {-1234567, "-{£}1,234,567", "-{£}1{.}234{M}", "-1{.}2{M}"},
      {2000000000, "{£}2,000,000,000", "{£}2{Bl}", "2{Bl}"},
      // Groups below the leading one are always three digits in the full form.
      {1000005, "{£}1,000,005", "{£}1{M}", "1{M}"},
      {2000005000, "{£}2,000,005,000", "{£}2{Bl}", "2{Bl}"},  // only the group below the lead shows
      {2005000000, "{£}2,005,000,000", "{£}2{.}005{Bl}", "2{.}0{Bl}"},
      {-1, "-{£}1", "-{£}1", "-1"},
      {-999, "-{£}999", "-{£}999", "-999"},
      {INT32_MAX, "{£}2,147,483,647", "{£}2{.}147{Bl}", "2{.}1{Bl}"},
      // The most negative value has a magnitude too.
      {INT32_MIN, "-{£}2,147,483,648", "-{£}2{.}147{Bl}", "-2{.}1{Bl}"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PriceToFullStr(c.value), Texts(c.full)) << c.value;
    EXPECT_EQ(PriceToShortStr(c.value), Texts(c.shortForm)) << c.value;
    EXPECT_EQ(PriceToBriefStr(c.value), Texts(c.brief)) << c.value;
    EXPECT_EQ(Price2str(c.value), Texts(c.shortForm)) << c.value;
  }
}

TEST(Money, TheEnglishTableGivesThePoundSignAndSuffixes) {
  // The pound sign is the Latin-1 byte 0xA3.
  EXPECT_STREQ(PriceToFullStr(-1234567), "-\xA3" "1,234,567");
  EXPECT_STREQ(PriceToShortStr(1050000), "\xA3" "1.05M");
  EXPECT_STREQ(PriceToShortStr(2000000000), "\xA3" "2Bl");
  EXPECT_STREQ(PriceToBriefStr(12345), "12.3K");
  EXPECT_STREQ(PriceToBriefStr(0), "Free");
  EXPECT_STREQ(NumberToOrdinal(111), "111th");
  EXPECT_STREQ(NumberToOrdinal(101), "101st");
}

TEST(Money, AllFormsShareOneBuffer) {
  const char* a = PriceToFullStr(1000);
  const char* b = NumberToOrdinal(3);
  EXPECT_EQ(a, b);
  EXPECT_EQ(std::string(a), Texts("3{rd}"));
}

TEST(Money, Ordinals) {
  struct {
    int16_t n;
    const char* expected;
  } cases[] = {{1, "1{st}"},     {2, "2{nd}"},     {3, "3{rd}"},     {4, "4{th}"},      {11, "11{th}"},
               {12, "12{th}"},   {13, "13{th}"},   {21, "21{st}"},   {22, "22{nd}"},    {23, "23{rd}"},
               {101, "101{st}"}, {111, "111{th}"}, {112, "112{th}"}, {0, "0{th}"},      {-1, "-1{th}"},
               {-2, "-2{th}"},   {-3, "-3{th}"},   {-21, "-21{th}"}, {32767, "32767{th}"}};
  for (const auto& c : cases) EXPECT_EQ(NumberToOrdinal(c.n), Texts(c.expected)) << c.n;
}

class NumberTypeTest : public EngineTest {};

TEST_F(NumberTypeTest, Number2StrFollowsTheNumberType) {
  struct {
    int32_t type;
    int32_t value;
    const char* expected;
  } cases[] = {
      {NUMBER_PLAIN, 0, "0"},
      {NUMBER_PLAIN, -1234567, "-1234567"},
      {NUMBER_MONEY, 1500, "{£}1{.}5{K}"},
      {NUMBER_MONEY_BRIEF, 0, "{Free}"},
      {NUMBER_MONEY_BRIEF, 12345, "12{.}3{K}"},
      {NUMBER_ORDINAL, 22, "22{nd}"},
      {NUMBER_ORDINAL, 65536 + 11, "11{th}"},  // an ordinal takes a 16-bit number
      {NUMBER_TWO_DIGITS, 2005, "05"},
      {NUMBER_TWO_DIGITS, 1999, "99"},
      {NUMBER_TWO_DIGITS, 7, "07"},
  };
  for (const auto& c : cases) {
    SetDrawAttribute(DRAW_ATTR_NUMBER_TYPE, c.type);
    EXPECT_EQ(Number2Str(c.value), Texts(c.expected)) << c.type << " " << c.value;
  }
}

TEST_F(NumberTypeTest, NumberTypeStartsPlain) { EXPECT_STREQ(Number2Str(42), "42"); }

TEST_F(NumberTypeTest, AnUnknownNumberTypeIsFatal) {
  for (int32_t type : {5, -1}) {
    SetDrawAttribute(DRAW_ATTR_NUMBER_TYPE, type);
    EXPECT_FATAL(Number2Str(1), "Number2Str\\(\\): Invalid number type \\(" + std::to_string(type) + "\\)");
  }
}

}  // namespace
