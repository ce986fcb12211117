// The per-country tables.
#include "world/static_country.h"

// clang-format off
const CountryDivisionTables CountryDivisionInfo = {
  {  // sizes
    {{20, 0}, {24, 0}, {24, 0}, {24, 0}, {22, 0}, { 0, 0}},  // 0
    {{10, 1}, {10, 1}, {10, 1}, {10, 1}, { 0, 1}, { 0, 1}},  // 1
    {{18, 0}, {20, 0}, {18, 0}, {18, 0}, { 0, 0}, { 0, 0}},  // 2
    {{18, 0}, {18, 0}, {14, 0}, {14, 0}, {14, 0}, {14, 0}},  // 3
    {{20, 0}, {22, 0}, {15, 0}, {15, 0}, {15, 0}, {15, 0}},  // 4
    {{18, 0}, {18, 0}, { 0, 0}, { 0, 0}, { 0, 0}, { 0, 0}},  // 5
    {{18, 0}, {20, 0}, {20, 0}, {18, 0}, {18, 0}, { 0, 0}},  // 6
    {{18, 0}, {18, 0}, { 0, 0}, { 0, 0}, { 0, 0}, { 0, 0}},  // 7
    {{18, 0}, {18, 0}, { 0, 0}, { 0, 0}, { 0, 0}, { 0, 0}},  // 8
  },
  {  // division list
    {{20, 0}, {24, 0}, {24, 0}, {24, 0}, {22, 0}, { 0, 0}},  // 0
    {{10, 1}, {10, 1}, {10, 1}, {10, 1}, { 0, 1}, { 0, 1}},  // 1
    {{18, 0}, {20, 0}, {18, 0}, {18, 0}, { 0, 0}, { 0, 0}},  // 2
    {{18, 0}, {18, 0}, {14, 0}, {14, 0}, {14, 0}, {14, 0}},  // 3
    {{20, 0}, {22, 0}, {15, 0}, {15, 0}, {15, 0}, {15, 0}},  // 4
    {{18, 0}, {18, 0}, { 0, 0}, { 0, 0}, { 0, 0}, { 0, 0}},  // 5
    {{18, 0}, {20, 0}, {20, 0}, {18, 0}, {18, 0}, { 0, 0}},  // 6
    {{18, 0}, {18, 0}, { 0, 0}, { 0, 0}, { 0, 0}, { 0, 0}},  // 7
    {{18, 0}, {18, 0}, { 0, 0}, { 0, 0}, { 0, 0}, { 0, 0}},  // 8
  },
  {  // play-off places
    {{0, 0}, {4, 4}, {4, 4}, {4, 4}, {0, 0}, {0, 0}},  // 0
    {{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}},  // 1
    {{0, 0}, {0, 0}, {4, 4}, {4, 4}, {0, 0}, {0, 0}},  // 2
    {{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}},  // 3
    {{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}},  // 4
    {{0, 0}, {4, 4}, {0, 0}, {0, 0}, {0, 0}, {0, 0}},  // 5
    {{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}},  // 6
    {{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}},  // 7
    {{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}},  // 8
  },
};

const DivisionRule DivisionRules[NUM_GAME_COUNTRIES][NUM_DIVISIONS] = {
  {{0, 3, 5}, {0, 3, 5}, {0, 3, 5}, {0, 3, 5}, {0, 3, 3}, {0, 0, 5}},  // 0
  {{0, 3, 5}, {0, 3, 3}, {0, 3, 3}, {0, 3, 3}, {0, 0, 5}, {0, 0, 5}},  // 1
  {{0, 3, 5}, {0, 3, 5}, {0, 3, 5}, {0, 3, 5}, {0, 0, 5}, {0, 0, 5}},  // 2
  {{0, 3, 5}, {0, 3, 5}, {0, 3, 5}, {0, 3, 5}, {0, 3, 5}, {0, 3, 5}},  // 3
  {{0, 3, 5}, {0, 3, 5}, {0, 3, 5}, {0, 3, 5}, {0, 3, 5}, {0, 3, 5}},  // 4
  {{0, 3, 5}, {0, 3, 5}, {0, 0, 5}, {0, 0, 5}, {0, 0, 5}, {0, 0, 5}},  // 5
  {{0, 3, 5}, {0, 3, 5}, {0, 3, 5}, {0, 3, 5}, {0, 3, 5}, {0, 0, 5}},  // 6
  {{0, 3, 5}, {0, 3, 5}, {0, 0, 5}, {0, 0, 5}, {0, 0, 5}, {0, 0, 5}},  // 7
  {{0, 3, 5}, {0, 3, 5}, {0, 0, 5}, {0, 0, 5}, {0, 0, 5}, {0, 0, 5}},  // 8
};

const int16_t PreSeasonFriendlyCount[NUM_GAME_COUNTRIES] = {100, 36, 50, 40, 40, 30, 40, 30, 30};

const int16_t CupRoundsTable[NUM_GAME_COUNTRIES][NUM_CUP_COMPETITIONS] = {
  {8, 7, 5, 6, 6, 5, 5},  // 0
  {7, 6, 5, 0, 6, 5, 5},  // 1
  {6, 0, 0, 0, 6, 5, 5},  // 2
  {7, 0, 0, 0, 6, 5, 5},  // 3
  {8, 0, 0, 0, 6, 5, 5},  // 4
  {6, 0, 0, 0, 6, 5, 5},  // 5
  {7, 6, 0, 0, 6, 5, 5},  // 6
  {6, 0, 0, 0, 6, 5, 5},  // 7
  {6, 0, 0, 0, 6, 5, 5},  // 8
};

// Each country's texts stand in runs of the language table: its cups 0-6 and
// its super cup at base + 7 (England and Scotland: the league, the three
// play-off stages and the super cup at base + 7 to + 11), its full, short and
// one-letter division names. Spain's competition names stand behind its
// division names (1794 on), which leaves 1781 to Germany's sixth division
// letter; Belgium's run is 1510-1535.
//                                                 0     1     2     3     4     5     6     7     8
const int16_t CompNameBase[NUM_GAME_COUNTRIES]       = { 104, 1000, 1730, 1756, 1794, 1919, 1945, 1971, 1510};
const int16_t DivisionNameBase[NUM_GAME_COUNTRIES]   = { 145,  145, 1738, 1764, 1788, 1927, 1953, 1979, 1518};
const int16_t DivisionShortBase[NUM_GAME_COUNTRIES]  = { 175,  175, 1744, 1770, 1907, 1933, 1959, 1985, 1524};
const int16_t DivisionLetterBase[NUM_GAME_COUNTRIES] = { 189,  189, 1750, 1776, 1913, 1939, 1965, 1991, 1530};

const int16_t SuperCupNameOffset[NUM_GAME_COUNTRIES] = {11, 11, 7, 7, 7, 7, 7, 7, 7};
const int16_t DomesticCupCount[NUM_GAME_COUNTRIES] = {4, 3, 1, 1, 1, 1, 2, 1, 1};

const int16_t OwnBlockSize[NUM_GAME_COUNTRIES] = {124, 48, 74, 92, 102, 36, 105, 36, 36};
const int16_t ForeignBlockSize[NUM_LIST_COUNTRIES] = {
  10, 6, 10, 10, 10, 8, 10, 6, 4, 4, 4, 4, 4, 2, 4, 4,  //  0-15
   2, 2, 4, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 4, 2, 2,      // 16-31
};

const int16_t CountryRecordTable[NUM_GAME_COUNTRIES][COUNTRY_RECORD_ENTRIES] = {
  {  // game country 0
     104,   46,  112,   85,   20,   96,   14,  113,  // 0-7 cups 0-3 winner, runner-up
     675,  461,  255,  255,  606,  356,  // 8-13 cups 4-6 winner, runner-up
      59,    1,  111,   30,   97,   37,   75,  120,  // 14-21 divisions 0-3 champion, runner-up
      39,   17,  255,  255,  // 22-25 divisions 4-5 champion, runner-up
     104,  // 26-26 super cup winner
       9,    6,   76,   52,   24,  255,  // 27-32 manager of the year: club by division
    1482, 1413, 2727, 2613, 1465,   -1,  // 33-38 manager of the year: surname
    2280,  776, 2633,  514, 2573,   -1,  // 39-44 player of the year: surname
     112,   69,   80,   65,   13,  255,  // 45-50 player of the year: club
     418, 2638, 1523, 1881, 1595,   -1,  // 51-56 young player of the year: surname
      30,   95,   83,   35,    4,  255,  // 57-62 young player of the year: club
     558,  427, 2223, 2270, 2645,   -1,  // 63-68 top scorer: surname
      56,  115,    0,   52,   11,  255,  // 69-74 top scorer: club
      26,   24,   29,   32,   21,    0,  // 75-80 top scorer: goals
  },
  {  // game country 1
     263,  282,  291,  251,  271,  279,  255,  255,  // 0-7 cups 0-3 winner, runner-up
     675,  461,  255,  255,  606,  356,  // 8-13 cups 4-6 winner, runner-up
     293,  268,  287,  280,  281,  296,  256,  277,  // 14-21 divisions 0-3 champion, runner-up
     255,  255,  255,  255,  // 22-25 divisions 4-5 champion, runner-up
     255,  // 26-26 super cup winner
     278,  281,  308,  298,  255,  255,  // 27-32 manager of the year: club by division
    3456, 3135, 3335, 3885,   -1,   -1,  // 33-38 manager of the year: surname
    3409, 3896, 3570, 3942,   -1,   -1,  // 39-44 player of the year: surname
     293,  271,  301,  298,  255,  255,  // 45-50 player of the year: club
    3062, 3623, 3771, 3619,   -1,   -1,  // 51-56 young player of the year: surname
     278,  281,  277,  251,  255,  255,  // 57-62 young player of the year: club
    3772, 3163, 3600, 3124,   -1,   -1,  // 63-68 top scorer: surname
     285,  296,  277,  279,  255,  255,  // 69-74 top scorer: club
      31,   29,   32,   35,    0,    0,  // 75-80 top scorer: goals
  },
  {  // game country 2
     724,  708,  255,  255,  255,  255,  255,  255,  // 0-7 cups 0-3 winner, runner-up
     675,  461,  255,  255,  606,  356,  // 8-13 cups 4-6 winner, runner-up
     682,  675,  725,  667,  711,  704,  684,  686,  // 14-21 divisions 0-3 champion, runner-up
     255,  255,  255,  255,  // 22-25 divisions 4-5 champion, runner-up
     724,  // 26-26 super cup winner
     698,  720,  731,  722,  255,  255,  // 27-32 manager of the year: club by division
    4443, 5299, 5279, 4938,   -1,   -1,  // 33-38 manager of the year: surname
    4853, 4925, 4794, 5150,   -1,   -1,  // 39-44 player of the year: surname
     725,  677,  680,  726,  255,  255,  // 45-50 player of the year: club
    5376, 5062, 4583, 4928,   -1,   -1,  // 51-56 young player of the year: surname
     690,  709,  731,  687,  255,  255,  // 57-62 young player of the year: club
    4396, 4649, 4978, 5013,   -1,   -1,  // 63-68 top scorer: surname
     674,  711,  680,  706,  255,  255,  // 69-74 top scorer: club
      29,   20,   33,   23,    0,    0,  // 75-80 top scorer: goals
  },
  {  // game country 3
     364,  387,  255,  255,  255,  255,  255,  255,  // 0-7 cups 0-3 winner, runner-up
     675,  461,  255,  255,  606,  356,  // 8-13 cups 4-6 winner, runner-up
     363,  356,  386,  343,  366,  390,  376,  379,  // 14-21 divisions 0-3 champion, runner-up
     399,  335,  365,  351,  // 22-25 divisions 4-5 champion, runner-up
     363,  // 26-26 super cup winner
     387,  325,  368,  332,  367,  410,  // 27-32 manager of the year: club by division
    6961, 5830, 5819, 5632, 6221, 6836,  // 33-38 manager of the year: surname
    5882, 6259, 6182, 6694, 6750, 6745,  // 39-44 player of the year: surname
     343,  342,  391,  334,  414,  380,  // 45-50 player of the year: club
    6943, 6080, 5767, 5772, 6961, 6500,  // 51-56 young player of the year: surname
     352,  378,  390,  327,  394,  396,  // 57-62 young player of the year: club
    6753, 6095, 5944, 5509, 5595, 5657,  // 63-68 top scorer: surname
     324,  401,  412,  350,  367,  385,  // 69-74 top scorer: club
      24,   29,   32,   26,   34,   24,  // 75-80 top scorer: goals
  },
  {  // game country 4
     536,  538,  255,  255,  255,  255,  255,  255,  // 0-7 cups 0-3 winner, runner-up
     675,  461,  255,  255,  606,  356,  // 8-13 cups 4-6 winner, runner-up
     533,  606,  593,  590,  535,  627,  552,  623,  // 14-21 divisions 0-3 champion, runner-up
     592,  625,  637,  638,  // 22-25 divisions 4-5 champion, runner-up
     255,  // 26-26 super cup winner
     538,  590,  564,  623,  636,  572,  // 27-32 manager of the year: club by division
    7568, 7604, 8394, 8455, 7235, 7894,  // 33-38 manager of the year: surname
    8006, 7775, 8053, 7013, 7279, 7803,  // 39-44 player of the year: surname
     606,  595,  574,  573,  599,  638,  // 45-50 player of the year: club
    8456, 7664, 7558, 7288, 7733, 8391,  // 51-56 young player of the year: surname
     577,  579,  607,  573,  592,  637,  // 57-62 young player of the year: club
    7969, 7068, 8425, 8061, 8325, 7209,  // 63-68 top scorer: surname
     536,  590,  624,  630,  531,  600,  // 69-74 top scorer: club
      32,   32,   35,   24,   26,   23,  // 75-80 top scorer: goals
  },
  {  // game country 5
    1004, 1013,  255,  255,  255,  255,  255,  255,  // 0-7 cups 0-3 winner, runner-up
     675,  461,  255,  255,  606,  356,  // 8-13 cups 4-6 winner, runner-up
    1025, 1045, 1023, 1038,  255,  255,  255,  255,  // 14-21 divisions 0-3 champion, runner-up
     255,  255,  255,  255,  // 22-25 divisions 4-5 champion, runner-up
     255,  // 26-26 super cup winner
    1043, 1035,  255,  255,  255,  255,  // 27-32 manager of the year: club by division
    9014, 8751,   -1,   -1,   -1,   -1,  // 33-38 manager of the year: surname
    9277, 9308,   -1,   -1,   -1,   -1,  // 39-44 player of the year: surname
    1011, 1030,  255,  255,  255,  255,  // 45-50 player of the year: club
    8772, 9017,   -1,   -1,   -1,   -1,  // 51-56 young player of the year: surname
    1010, 1017,  255,  255,  255,  255,  // 57-62 young player of the year: club
    9486, 8795,   -1,   -1,   -1,   -1,  // 63-68 top scorer: surname
    1024, 1030,  255,  255,  255,  255,  // 69-74 top scorer: club
      22,   24,    0,    0,    0,    0,  // 75-80 top scorer: goals
  },
  {  // game country 6
     454,  488,  455,  463,  255,  255,  255,  255,  // 0-7 cups 0-3 winner, runner-up
     675,  461,  255,  255,  606,  356,  // 8-13 cups 4-6 winner, runner-up
     424,  461,  444,  427,  504,  519,  447,  507,  // 14-21 divisions 0-3 champion, runner-up
     493,  459,  255,  255,  // 22-25 divisions 4-5 champion, runner-up
     255,  // 26-26 super cup winner
     475,  476,  493,  458,  429,  255,  // 27-32 manager of the year: club by division
    10000, 10268, 9862, 10857, 10590,   -1,  // 33-38 manager of the year: surname
    9836, 10364, 10783, 9821, 10678,   -1,  // 39-44 player of the year: surname
     481,  479,  447,  436,  509,  255,  // 45-50 player of the year: club
    10596, 10973, 10256, 10257, 9775,   -1,  // 51-56 young player of the year: surname
     465,  471,  473,  457,  429,  255,  // 57-62 young player of the year: club
    9980, 10174, 10489, 9585, 9848,   -1,  // 63-68 top scorer: surname
     460,  523,  525,  492,  425,  255,  // 69-74 top scorer: club
      31,   28,   21,   32,   27,    0,  // 75-80 top scorer: goals
  },
  {  // game country 7
     997,  962,  255,  255,  255,  255,  255,  255,  // 0-7 cups 0-3 winner, runner-up
     675,  461,  255,  255,  606,  356,  // 8-13 cups 4-6 winner, runner-up
     943,  948,  977,  972,  255,  255,  255,  255,  // 14-21 divisions 0-3 champion, runner-up
     255,  255,  255,  255,  // 22-25 divisions 4-5 champion, runner-up
     255,  // 26-26 super cup winner
     996,  987,  255,  255,  255,  255,  // 27-32 manager of the year: club by division
    11525, 11156,   -1,   -1,   -1,   -1,  // 33-38 manager of the year: surname
    11076, 11488,   -1,   -1,   -1,   -1,  // 39-44 player of the year: surname
     964,  978,  255,  255,  255,  255,  // 45-50 player of the year: club
    11144, 11768,   -1,   -1,   -1,   -1,  // 51-56 young player of the year: surname
     948,  986,  255,  255,  255,  255,  // 57-62 young player of the year: club
    11545, 11206,   -1,   -1,   -1,   -1,  // 63-68 top scorer: surname
     962,  992,  255,  255,  255,  255,  // 69-74 top scorer: club
      29,   29,    0,    0,    0,    0,  // 75-80 top scorer: goals
  },
  {  // game country 8
     135,  165,  255,  255,  255,  255,  255,  255,  // 0-7 cups 0-3 winner, runner-up
     675,  461,  255,  255,  606,  356,  // 8-13 cups 4-6 winner, runner-up
     179,  181,  155,  173,  255,  255,  255,  255,  // 14-21 divisions 0-3 champion, runner-up
     255,  255,  255,  255,  // 22-25 divisions 4-5 champion, runner-up
     255,  // 26-26 super cup winner
     173,  184,  255,  255,  255,  255,  // 27-32 manager of the year: club by division
    12498, 12025,   -1,   -1,   -1,   -1,  // 33-38 manager of the year: surname
    12236, 12034,   -1,   -1,   -1,   -1,  // 39-44 player of the year: surname
     155,  180,  255,  255,  255,  255,  // 45-50 player of the year: club
    12160, 12436,   -1,   -1,   -1,   -1,  // 51-56 young player of the year: surname
     140,  174,  255,  255,  255,  255,  // 57-62 young player of the year: club
    12579, 12788,   -1,   -1,   -1,   -1,  // 63-68 top scorer: surname
     147,  162,  255,  255,  255,  255,  // 69-74 top scorer: club
      24,   25,    0,    0,    0,    0,  // 75-80 top scorer: goals
  },
};
// clang-format on

int CountryBlockSize(int gameCountry, int country) {
  return country == gameCountry ? OwnBlockSize[gameCountry] : ForeignBlockSize[country];
}

int CountryBlockStart(int gameCountry, int country) {
  int start = 0;
  for (int t = 0; t < country; ++t) start += CountryBlockSize(gameCountry, t);
  return start;
}

int LeagueClubCount(int gameCountry) {
  int n = 0;
  for (int d = 0; d < NUM_DIVISIONS; ++d) n += CountryDivisionInfo.sizes[gameCountry][d].value;
  return n;
}

int DivisionBlockStart(int gameCountry, int division) {
  int start = CountryBlockStart(gameCountry, gameCountry);
  for (int d = 0; d < division && d < NUM_DIVISIONS; ++d) start += CountryDivisionInfo.sizes[gameCountry][d].value;
  return start;
}

// ---- the league calendar ----

namespace {

// Each row: the weekday-0 and weekday-3 entries of weeks 0-44 as two-digit
// groups; entries 90-103 are 0.
struct MatchdayRowText {
  int country;
  int division;
  const char* text;
};

// The 15-club divisions of country 4 play 15 rounds home and away: 30
// matchdays, the last in week 36. Division 5 plays on division 4's dates.
constexpr const char kCountry4LowerDivisions[] =
    "00 00 00 00 00 00 00 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 00 00 00 00 00 00 00 00";

// clang-format off
constexpr MatchdayRowText kMatchdayRows[] = {
    {0, 0, "00 00 00 00 00 11 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 00 10 00 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 50 00"},
    {0, 1, "00 00 00 00 41 10 10 10 10 10 10 10 11 10 10 10 10 10 10 10 11 11 10 10 10 11 10 10 10 10 10 10 10 10 10 10 10 11 10 10 10 10 10 50 00"},
    {0, 2, "00 00 00 00 41 10 10 10 10 10 10 10 11 10 10 10 10 10 10 10 11 11 10 00 10 11 10 10 10 10 10 10 10 10 10 11 10 11 10 10 10 10 10 50 00"},
    {0, 3, "00 00 00 00 41 10 10 10 10 10 10 10 11 10 10 10 10 10 10 10 11 11 10 00 10 11 10 10 10 10 10 10 10 10 10 11 10 11 10 10 10 10 10 50 00"},
    {0, 4, "00 00 00 00 40 10 10 10 10 10 10 10 11 10 10 10 10 10 10 10 11 10 10 00 10 10 10 10 10 10 10 10 10 10 10 10 10 11 10 10 10 10 10 50 00"},
    {1, 0, "00 00 00 00 00 40 10 10 10 10 10 00 10 10 10 10 00 10 10 10 10 10 10 10 00 10 10 10 00 10 10 10 10 10 10 10 10 11 10 10 10 10 10 50 00"},
    {1, 1, "00 00 00 00 00 40 10 10 10 10 10 10 10 10 10 10 00 10 10 10 10 10 10 00 00 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 50 00"},
    {1, 2, "00 00 00 00 00 40 10 10 10 10 10 10 10 10 10 10 00 10 10 10 10 10 10 00 00 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 50 00"},
    {1, 3, "00 00 00 00 00 40 10 10 10 10 10 10 10 10 10 10 00 10 10 10 10 10 10 00 00 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 50 00"},
    {2, 0, "00 00 00 00 00 00 00 10 10 10 00 10 10 10 00 10 10 10 10 10 10 10 10 10 10 00 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 50 00"},
    {2, 1, "00 00 00 00 00 00 00 40 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 11 10 10 10 10 10 10 10 10 10 10 10 10 50 00"},
    {2, 2, "00 00 00 00 00 00 00 10 10 10 00 10 10 10 10 00 10 10 10 00 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 50 00"},
    {2, 3, "00 00 00 00 00 00 00 10 10 10 00 10 10 10 10 00 10 10 10 00 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 50 00"},
    {3, 0, "00 00 00 00 00 00 00 40 10 10 10 10 10 11 10 10 10 10 10 10 10 10 10 10 00 00 00 00 00 00 00 00 10 11 10 11 10 11 10 11 10 10 10 50 00"},
    {3, 1, "00 00 00 00 00 00 00 10 11 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 00 00 00 00 00 00 00 00 10 11 10 11 10 11 10 11 10 10 10 50 00"},
    {3, 2, "00 00 00 00 00 00 00 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 00 00 00 00 00 00 00 00 10 10 10 10 10 10 10 10 10 00 00 00 00"},
    {3, 3, "00 00 00 00 00 00 00 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 00 00 00 00 00 00 00 00 10 10 10 10 10 10 10 10 10 00 00 00 00"},
    {3, 4, "00 00 00 00 00 00 00 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 00 00 00 00 00 00 00 00 10 10 10 10 10 10 10 10 10 00 00 00 00"},
    {3, 5, "00 00 00 00 00 00 00 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 00 00 00 00 00 00 00 00 10 10 10 10 10 10 10 10 10 00 00 00 00"},
    {4, 0, "00 00 00 00 00 00 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 50 00"},
    {4, 1, "00 00 00 00 00 40 10 10 10 10 10 10 10 11 10 10 10 10 10 10 10 11 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 11 10 10 10 10 10 50 00"},
    {4, 2, "00 00 00 00 00 10 10 10 10 10 10 10 10 10 10 00 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 50 00"},
    {4, 3, kCountry4LowerDivisions},
    {4, 4, kCountry4LowerDivisions},
    {4, 5, kCountry4LowerDivisions},
    {5, 0, "00 00 00 00 00 00 00 40 10 10 10 10 10 10 10 00 10 10 10 00 10 10 10 00 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 50 00"},
    {5, 1, "00 00 00 00 00 00 00 40 10 10 10 10 10 10 10 00 10 10 10 00 10 10 10 00 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 50 00"},
    {6, 0, "00 00 00 00 00 00 00 10 10 10 10 10 10 10 10 10 00 10 10 10 10 10 10 10 10 00 00 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 50 00"},
    {6, 1, "00 00 00 00 00 00 00 40 11 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 00 00 10 10 10 11 10 10 10 10 10 10 10 10 11 10 10 10 50 00"},
    {6, 2, "00 00 00 00 00 00 00 40 11 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 00 00 10 10 10 11 10 10 10 10 10 10 10 10 11 10 10 10 50 00"},
    {6, 3, "00 00 00 00 00 00 00 40 11 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 00 00 10 10 10 10 10 10 10 10 10 10 10 10 11 10 10 00 50 00"},
    {6, 4, "00 00 00 00 00 00 00 40 11 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 00 00 10 10 10 10 10 10 10 10 10 10 10 10 11 10 10 00 50 00"},
    {7, 0, "00 00 00 00 00 00 00 40 10 10 10 10 10 10 10 00 10 10 10 00 10 10 10 00 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 50 00"},
    {7, 1, "00 00 00 00 00 00 00 40 10 10 10 10 10 10 10 00 10 10 10 00 10 10 10 00 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 50 00"},
    {8, 0, "00 00 00 00 00 00 00 40 10 10 10 10 10 10 10 00 10 10 10 00 10 10 10 00 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 50 00"},
    {8, 1, "00 00 00 00 00 00 00 40 10 10 10 10 10 10 10 00 10 10 10 00 10 10 10 00 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 50 00"},
};
// clang-format on

// Malformed text (not 45 groups of two digits) stops the build: the table is
// made while compiling.
constexpr MatchdaySlotTable BuildMatchdaySlots() {
  MatchdaySlotTable table{};
  for (const MatchdayRowText& row : kMatchdayRows) {
    int entry = 0;
    for (const char* c = row.text; *c; ++c) {
      if (*c == ' ') continue;
      if (*c < '0' || *c > '9' || entry >= 2 * MATCHDAY_WRITTEN_WEEKS) throw "bad matchday row";
      table.rows[row.country][row.division][entry++] = static_cast<int16_t>(*c - '0');
    }
    if (entry != 2 * MATCHDAY_WRITTEN_WEEKS) throw "short matchday row";
  }
  return table;
}

}  // namespace

constinit const MatchdaySlotTable MatchdaySlots = BuildMatchdaySlots();

// clang-format off
const WindowTableEntry WindowTable[NUM_GAME_COUNTRIES] = {
  {{233, 307, 233, 307, 233, 307}, {}},                                       // 0
  {{240, 307, 240, 307, 240, 307}, {}},                                       // 1
  {{ -1,  -1,  -1,  -1,  -1,  -1}, {{31, 7}, {1, 9}, {31, 9}, {1, 0}, {31, 0}, {1, 5}}},    // 2
  {{233, 307, 233, 307, 233, 307}, {}},                                       // 3
  {{ -1,  -1,  -1,  -1,  -1,  -1}, {{31, 7}, {15, 11}, {15, 0}, {1, 6}, {15, 0}, {1, 6}}},  // 4
  {{233, 307, 233, 307, 233, 307}, {}},                                       // 5
  {{ -1,  -1,  -1,  -1,  -1,  -1}, {{31, 7}, {1, 11}, {31, 0}, {1, 5}, {31, 0}, {1, 5}}},   // 6
  {{233, 307, 233, 307, 233, 307}, {}},                                       // 7
  {{233, 307, 233, 307, 233, 307}, {}},                                       // 8
};
// clang-format on

// ---- the match day ----

// clang-format off
const int16_t CompetitionInterest[NUM_COMPETITION_CODES] = {
  60, 120, 125, 200, 120,  // the league, the play-offs (first legs, second legs, finals), the super cup
  70, 80, 100, 120, 140, 190, 200, 200, 65, 75, 95, 115, 135, 185, 195, 195,  // cup 0
  70, 80, 100, 120, 140, 190, 200, 200, 65, 75, 95, 115, 135, 185, 195, 195,  // cup 1
  70, 80, 100, 120, 140, 190, 200, 200, 65, 75, 95, 115, 135, 185, 195, 195,  // cup 2
  70, 80, 100, 120, 140, 190, 200, 200, 65, 75, 95, 115, 135, 185, 195, 195,  // cup 3
  70, 80, 100, 120, 140, 190, 200, 200, 65, 75, 95, 115, 135, 185, 195, 195,  // cup 4
  70, 80, 100, 120, 140, 190, 200, 200, 65, 75, 95, 115, 135, 185, 195, 195,  // cup 5
  70, 80, 100, 120, 140, 190, 200, 200, 65, 75, 95, 115, 135, 185, 195, 195,  // cup 6
  20, 100,  // friendlies, matches outside the records
};

const int16_t TicketPrice[NUM_GAME_COUNTRIES][NUM_DIVISIONS] = {
  {20, 8, 5, 4, 3, 3},    // 0
  {20, 8, 5, 4, 4, 4},    // 1
  {20, 10, 8, 8, 4, 4},   // 2
  {20, 10, 4, 4, 4, 4},   // 3
  {20, 10, 8, 6, 4, 4},   // 4
  {20, 10, 4, 4, 4, 4},   // 5
  {20, 10, 8, 6, 6, 4},   // 6
  {20, 10, 4, 4, 4, 4},   // 7
  {20, 10, 4, 4, 4, 4},   // 8
};

const int16_t PlayoffRules[NUM_GAME_COUNTRIES][PLAYOFF_RULES] = {
  {0, 0, 0}, {0, 0, 0}, {0, 2, 2}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0},
};

const int16_t PlayoffTargetDivision[NUM_GAME_COUNTRIES][NUM_DIVISIONS] = {
  {0, 0, 1, 2, 0, 0},  // 0
  {0, 0, 0, 0, 0, 0},  // 1
  {0, 0, 1, 1, 0, 0},  // 2
  {0, 0, 0, 0, 0, 0},  // 3
  {0, 0, 0, 0, 0, 0},  // 4
  {0, 0, 0, 0, 0, 0},  // 5
  {0, 0, 0, 0, 0, 0},  // 6
  {0, 0, 0, 0, 0, 0},  // 7
  {0, 0, 0, 0, 0, 0},  // 8
};
// clang-format on
