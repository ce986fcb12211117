// Money and number formatting.
#include "menus/money.h"

#include <cstdio>

#include "engine/debug.h"
#include "menus/exm_text.h"
#include "menus/menuprims.h"

namespace {

// The one result buffer of every format.
char gMoneyText[MONEY_TEXT_SIZE];

// A money value split into its thousands groups: units, thousands, millions
// and billions. The magnitude is worked out in 64 bits, so the most negative
// value has one too.
struct MoneyGroups {
  bool negative;
  int units, thousands, millions, billions;
};

MoneyGroups Split(int32_t amount) {
  int64_t magnitude = amount < 0 ? -static_cast<int64_t>(amount) : amount;
  MoneyGroups g;
  g.negative = amount < 0;
  g.units = static_cast<int>(magnitude % 1000);
  g.thousands = static_cast<int>(magnitude / 1000 % 1000);
  g.millions = static_cast<int>(magnitude / 1000000 % 1000);
  g.billions = static_cast<int>(magnitude / 1000000000);
  return g;
}

// The leading group (the highest of billions, millions, thousands that is not
// 0), the group below it and its suffix text; false when all three are 0.
bool LeadingGroup(const MoneyGroups& g, int* lead, int* next, int* suffix) {
  if (g.billions > 0) {
    *lead = g.billions, *next = g.millions, *suffix = TEXT_BILLIONS;
  } else if (g.millions > 0) {
    *lead = g.millions, *next = g.thousands, *suffix = TEXT_MILLIONS;
  } else if (g.thousands > 0) {
    *lead = g.thousands, *next = g.units, *suffix = TEXT_THOUSANDS;
  } else {
    return false;
  }
  return true;
}

const char* Sign(const MoneyGroups& g) { return g.negative ? "-" : ""; }

}  // namespace

const char* PriceToFullStr(int32_t amount) {
  MoneyGroups g = Split(amount);
  const char* symbol = GetTextNoAddr(TEXT_CURRENCY);
  if (g.billions > 0) {
    std::snprintf(gMoneyText, sizeof gMoneyText, "%s%s%d,%03d,%03d,%03d", Sign(g), symbol, g.billions, g.millions,
                  g.thousands, g.units);
  } else if (g.millions > 0) {
    std::snprintf(gMoneyText, sizeof gMoneyText, "%s%s%d,%03d,%03d", Sign(g), symbol, g.millions, g.thousands,
                  g.units);
  } else if (g.thousands > 0) {
    std::snprintf(gMoneyText, sizeof gMoneyText, "%s%s%d,%03d", Sign(g), symbol, g.thousands, g.units);
  } else {
    std::snprintf(gMoneyText, sizeof gMoneyText, "%s%s%d", Sign(g), symbol, g.units);
  }
  return gMoneyText;
}

const char* PriceToShortStr(int32_t amount) {
  MoneyGroups g = Split(amount);
  const char* symbol = GetTextNoAddr(TEXT_CURRENCY);
  int lead, next, suffix;
  if (!LeadingGroup(g, &lead, &next, &suffix)) {
    std::snprintf(gMoneyText, sizeof gMoneyText, "%s%s%d", Sign(g), symbol, g.units);
    return gMoneyText;
  }
  if (next == 0) {
    std::snprintf(gMoneyText, sizeof gMoneyText, "%s%s%d%s", Sign(g), symbol, lead, GetTextNoAddr(suffix));
    return gMoneyText;
  }
  // The next group as a three-digit fraction without its trailing zeros.
  char fraction[16];
  if (next % 100 == 0) {
    std::snprintf(fraction, sizeof fraction, "%d", next / 100);
  } else if (next % 10 == 0) {
    std::snprintf(fraction, sizeof fraction, "%02d", next / 10);
  } else {
    std::snprintf(fraction, sizeof fraction, "%03d", next);
  }
  std::snprintf(gMoneyText, sizeof gMoneyText, "%s%s%d%s%s%s", Sign(g), symbol, lead, GetTextNoAddr(TEXT_DECIMAL_POINT),
                fraction, GetTextNoAddr(suffix));
  return gMoneyText;
}

const char* PriceToBriefStr(int32_t amount) {
  MoneyGroups g = Split(amount);
  int lead, next, suffix;
  if (!LeadingGroup(g, &lead, &next, &suffix)) {
    if (g.units > 0) {
      std::snprintf(gMoneyText, sizeof gMoneyText, "%s%d", Sign(g), g.units);
    } else {
      std::snprintf(gMoneyText, sizeof gMoneyText, "%s%s", Sign(g), GetTextNoAddr(TEXT_FREE));
    }
    return gMoneyText;
  }
  if (next > 0) {
    // Only the first digit of the next group, 0 included.
    std::snprintf(gMoneyText, sizeof gMoneyText, "%s%d%s%d%s", Sign(g), lead, GetTextNoAddr(TEXT_DECIMAL_POINT),
                  next / 100, GetTextNoAddr(suffix));
  } else {
    std::snprintf(gMoneyText, sizeof gMoneyText, "%s%d%s", Sign(g), lead, GetTextNoAddr(suffix));
  }
  return gMoneyText;
}

const char* Price2str(int32_t amount) { return PriceToShortStr(amount); }

const char* NumberToOrdinal(int16_t number) {
  // n mod 10 and n mod 100 as C takes them: a negative number never ends in
  // 1, 2 or 3 this way, so it always gets "th".
  int ending = 3;  // "th"
  if (number % 10 == 1 && number % 100 != 11) {
    ending = 0;
  } else if (number % 10 == 2 && number % 100 != 12) {
    ending = 1;
  } else if (number % 10 == 3 && number % 100 != 13) {
    ending = 2;
  }
  std::snprintf(gMoneyText, sizeof gMoneyText, "%d%s", number, GetTextNoAddr(TEXT_ORDINAL_ST + ending));
  return gMoneyText;
}

const char* Number2Str(int32_t number) {
  int32_t type = GetDrawAttribute(DRAW_ATTR_NUMBER_TYPE);
  switch (type) {
    case NUMBER_PLAIN:
      std::snprintf(gMoneyText, sizeof gMoneyText, "%d", number);
      return gMoneyText;
    case NUMBER_MONEY:
      return PriceToShortStr(number);
    case NUMBER_MONEY_BRIEF:
      return PriceToBriefStr(number);
    case NUMBER_ORDINAL:
      return NumberToOrdinal(static_cast<int16_t>(number));
    case NUMBER_TWO_DIGITS:
      std::snprintf(gMoneyText, sizeof gMoneyText, "%02d", number % 100);
      return gMoneyText;
    default:
      FatalError("Number2Str(): Invalid number type (%d)\n", type);
  }
}
