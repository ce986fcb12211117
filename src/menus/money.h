// Money and number formatting. Money is a signed 32-bit count of whole
// pounds. The currency symbol, the decimal point, the K/M/Bl suffixes, "Free"
// and the ordinal endings are language texts, so a translated table changes
// them.
//
// Every function writes into one 32-byte static buffer and answers its
// address; the next call overwrites it.
#pragma once

#include <cstdint>

constexpr int MONEY_TEXT_SIZE = 32;

// Language texts of the formats.
constexpr int TEXT_ORDINAL_ST = 263;  // "st", then "nd", "rd", "th"
constexpr int TEXT_FREE = 433;
constexpr int TEXT_CURRENCY = 434;
constexpr int TEXT_DECIMAL_POINT = 435;
constexpr int TEXT_BILLIONS = 436;
constexpr int TEXT_MILLIONS = 437;
constexpr int TEXT_THOUSANDS = 438;

// Number types of the drawing state that Number2Str follows.
constexpr int32_t NUMBER_PLAIN = 0;
constexpr int32_t NUMBER_MONEY = 1;        // short form with the currency symbol
constexpr int32_t NUMBER_MONEY_BRIEF = 2;  // short form without it
constexpr int32_t NUMBER_ORDINAL = 3;
constexpr int32_t NUMBER_TWO_DIGITS = 4;   // the last two digits, as of a year

// "£1,234,567": every group below the leading one in three digits.
const char* PriceToFullStr(int32_t amount);
// "£1.234M": the leading group and the next one as a fraction without
// trailing zeros; below a thousand the plain amount.
const char* PriceToShortStr(int32_t amount);
// "1.2M": the leading group and the first digit of the next; 0 is "Free".
const char* PriceToBriefStr(int32_t amount);
// The money form of the news texts and the news ticker (the short form).
const char* Price2str(int32_t amount);
// "1st", "2nd", "3rd", "4th", "11th", ...
const char* NumberToOrdinal(int16_t number);
// The number by the current number type of the drawing state; any other
// type ends the program.
const char* Number2Str(int32_t number);
