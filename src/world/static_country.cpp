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

// Each country's texts form a run of 26 from 1730 on; the Belgian run is the
// last, 1997-2022, before the nationality names at 2310.
//                                                 0     1     2     3     4     5     6     7     8
const int16_t CompNameBase[NUM_GAME_COUNTRIES]       = { 104, 1000, 1730, 1756, 1781, 1919, 1945, 1971, 1997};
const int16_t DivisionNameBase[NUM_GAME_COUNTRIES]   = { 145,  145, 1738, 1764, 1788, 1927, 1953, 1979, 2005};
const int16_t DivisionShortBase[NUM_GAME_COUNTRIES]  = { 175,  175, 1744, 1770, 1907, 1933, 1959, 1985, 2011};
const int16_t DivisionLetterBase[NUM_GAME_COUNTRIES] = { 189,  189, 1750, 1776, 1913, 1939, 1965, 1991, 2017};

const int16_t OwnBlockSize[NUM_GAME_COUNTRIES] = {124, 48, 74, 92, 102, 36, 105, 36, 36};
const int16_t ForeignBlockSize[NUM_LIST_COUNTRIES] = {
  10, 6, 10, 10, 10, 8, 10, 6, 4, 4, 4, 4, 4, 2, 4, 4,  //  0-15
   2, 2, 4, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 4, 2, 2,      // 16-31
};

const int16_t CountryRecordTable[NUM_GAME_COUNTRIES][COUNTRY_RECORD_ENTRIES] = {
  {  // game country 0
       3,   94,   55,    9,   14,   93,   58,   69,  // 0-7 cups 0-3 winner, runner-up
     675,  461,  255,  255,  606,  356,  // 8-13 cups 4-6 winner, runner-up
      59,    1,   54,  102,  111,   97,   91,   41,  // 14-21 divisions 0-3 champion, runner-up
      62,  112,  255,  255,  // 22-25 divisions 4-5 champion, runner-up
       3,  // 26-26 super cup winner
      54,   60,  116,    5,   87,  255,  // 27-32 manager of the year: club by division
    1655, 1791,   38, 2355, 2744,   -1,  // 33-38 manager of the year: surname
    2881, 2654, 2749,   15, 1169,   -1,  // 39-44 player of the year: surname
      94,  119,   41,   93,   25,  255,  // 45-50 player of the year: club
     139, 2754, 2041, 2561, 2573,   -1,  // 51-56 young player of the year: surname
       2,   17,   71,   93,   87,  255,  // 57-62 young player of the year: club
     920,  734, 1852, 2063, 1959,   -1,  // 63-68 top scorer: surname
       2,   97,   55,   56,   70,  255,  // 69-74 top scorer: club
      20,   26,   31,   32,   33,    0,  // 75-80 top scorer: goals
  },
  {  // game country 1
     258,  282,  251,  256,  288,  275,  255,  255,  // 0-7 cups 0-3 winner, runner-up
     675,  461,  255,  255,  606,  356,  // 8-13 cups 4-6 winner, runner-up
     293,  268,  273,  270,  271,  267,  289,  262,  // 14-21 divisions 0-3 champion, runner-up
     255,  255,  255,  255,  // 22-25 divisions 4-5 champion, runner-up
     255,  // 26-26 super cup winner
     285,  297,  281,  305,  255,  255,  // 27-32 manager of the year: club by division
    3117, 3272, 3165, 3666,   -1,   -1,  // 33-38 manager of the year: surname
    3682, 3191, 3955, 3300,   -1,   -1,  // 39-44 player of the year: surname
     273,  256,  275,  279,  255,  255,  // 45-50 player of the year: club
    3110, 3721, 3131, 3159,   -1,   -1,  // 51-56 young player of the year: surname
     285,  261,  289,  266,  255,  255,  // 57-62 young player of the year: club
    3860, 3815, 3716, 3341,   -1,   -1,  // 63-68 top scorer: surname
     274,  307,  303,  299,  255,  255,  // 69-74 top scorer: club
      31,   32,   20,   24,    0,    0,  // 75-80 top scorer: goals
  },
  {  // game country 2
     709,  687,  255,  255,  255,  255,  255,  255,  // 0-7 cups 0-3 winner, runner-up
     675,  461,  255,  255,  606,  356,  // 8-13 cups 4-6 winner, runner-up
     682,  675,  720,  722,  735,  726,  660,  696,  // 14-21 divisions 0-3 champion, runner-up
     255,  255,  255,  255,  // 22-25 divisions 4-5 champion, runner-up
     709,  // 26-26 super cup winner
     698,  660,  681,  661,  255,  255,  // 27-32 manager of the year: club by division
    4395, 4095, 4277, 4373,   -1,   -1,  // 33-38 manager of the year: surname
    4388, 4850, 4415, 5170,   -1,   -1,  // 39-44 player of the year: surname
     682,  660,  727,  694,  255,  255,  // 45-50 player of the year: club
    4721, 5245, 4147, 4568,   -1,   -1,  // 51-56 young player of the year: surname
     711,  670,  673,  683,  255,  255,  // 57-62 young player of the year: club
    5250, 5000, 5388, 5006,   -1,   -1,  // 63-68 top scorer: surname
     698,  660,  710,  669,  255,  255,  // 69-74 top scorer: club
      27,   23,   24,   35,    0,    0,  // 75-80 top scorer: goals
  },
  {  // game country 3
     353,  368,  255,  255,  255,  255,  255,  255,  // 0-7 cups 0-3 winner, runner-up
     675,  461,  255,  255,  606,  356,  // 8-13 cups 4-6 winner, runner-up
     363,  356,  345,  327,  395,  344,  337,  336,  // 14-21 divisions 0-3 champion, runner-up
     325,  397,  366,  338,  // 22-25 divisions 4-5 champion, runner-up
     363,  // 26-26 super cup winner
     412,  330,  341,  403,  326,  338,  // 27-32 manager of the year: club by division
    6553, 6123, 6233, 6303, 6993, 6076,  // 33-38 manager of the year: surname
    6058, 6561, 6825, 6891, 5715, 6003,  // 39-44 player of the year: surname
     409,  357,  341,  340,  417,  338,  // 45-50 player of the year: club
    6670, 5763, 6764, 5709, 5859, 6378,  // 51-56 young player of the year: surname
     353,  366,  361,  380,  390,  393,  // 57-62 young player of the year: club
    6955, 5735, 6503, 5924, 5936, 5582,  // 63-68 top scorer: surname
     327,  337,  354,  380,  419,  338,  // 69-74 top scorer: club
      22,   28,   33,   30,   28,   29,  // 75-80 top scorer: goals
  },
  {  // game country 4
     534,  547,  255,  255,  255,  255,  255,  255,  // 0-7 cups 0-3 winner, runner-up
     675,  461,  255,  255,  606,  356,  // 8-13 cups 4-6 winner, runner-up
     533,  606,  532,  595,  603,  530,  582,  609,  // 14-21 divisions 0-3 champion, runner-up
     598,  548,  549,  623,  // 22-25 divisions 4-5 champion, runner-up
     255,  // 26-26 super cup winner
     540,  565,  633,  553,  610,  537,  // 27-32 manager of the year: club by division
    7778, 7768, 8170, 7166, 7792, 7888,  // 33-38 manager of the year: surname
    7388, 7864, 8119, 7123, 8090, 7348,  // 39-44 player of the year: surname
     631,  636,  571,  600,  538,  597,  // 45-50 player of the year: club
    7240, 8473, 7146, 7555, 8302, 7502,  // 51-56 young player of the year: surname
     547,  594,  587,  536,  615,  535,  // 57-62 young player of the year: club
    7160, 7866, 7756, 7451, 8178, 8139,  // 63-68 top scorer: surname
     578,  532,  589,  616,  591,  596,  // 69-74 top scorer: club
      21,   30,   35,   21,   27,   33,  // 75-80 top scorer: goals
  },
  {  // game country 5
    1023, 1043,  255,  255,  255,  255,  255,  255,  // 0-7 cups 0-3 winner, runner-up
     675,  461,  255,  255,  606,  356,  // 8-13 cups 4-6 winner, runner-up
    1025, 1045, 1001, 1018,  255,  255,  255,  255,  // 14-21 divisions 0-3 champion, runner-up
     255,  255,  255,  255,  // 22-25 divisions 4-5 champion, runner-up
     255,  // 26-26 super cup winner
    1035, 1018,  255,  255,  255,  255,  // 27-32 manager of the year: club by division
    9045, 8706,   -1,   -1,   -1,   -1,  // 33-38 manager of the year: surname
    8656, 8576,   -1,   -1,   -1,   -1,  // 39-44 player of the year: surname
    1032, 1010,  255,  255,  255,  255,  // 45-50 player of the year: club
    8988, 9358,   -1,   -1,   -1,   -1,  // 51-56 young player of the year: surname
    1037, 1008,  255,  255,  255,  255,  // 57-62 young player of the year: club
    9268, 8934,   -1,   -1,   -1,   -1,  // 63-68 top scorer: surname
    1023, 1006,  255,  255,  255,  255,  // 69-74 top scorer: club
      30,   35,    0,    0,    0,    0,  // 75-80 top scorer: goals
  },
  {  // game country 6
     422,  522,  488,  480,  255,  255,  255,  255,  // 0-7 cups 0-3 winner, runner-up
     675,  461,  255,  255,  606,  356,  // 8-13 cups 4-6 winner, runner-up
     424,  461,  455,  441,  519,  518,  471,  523,  // 14-21 divisions 0-3 champion, runner-up
     509,  462,  255,  255,  // 22-25 divisions 4-5 champion, runner-up
     255,  // 26-26 super cup winner
     424,  491,  439,  436,  524,  255,  // 27-32 manager of the year: club by division
    10373, 10343, 10766, 9683, 10949,   -1,  // 33-38 manager of the year: surname
    9883, 10483, 10777, 9800, 10054,   -1,  // 39-44 player of the year: surname
     441,  519,  450,  485,  482,  255,  // 45-50 player of the year: club
    10255, 10229, 10883, 10538, 10639,   -1,  // 51-56 young player of the year: surname
     497,  491,  462,  449,  482,  255,  // 57-62 young player of the year: club
    10918, 9729, 10205, 9651, 10042,   -1,  // 63-68 top scorer: surname
     478,  458,  430,  511,  457,  255,  // 69-74 top scorer: club
      19,   26,   30,   35,   32,    0,  // 75-80 top scorer: goals
  },
  {  // game country 7
     975,  967,  255,  255,  255,  255,  255,  255,  // 0-7 cups 0-3 winner, runner-up
     675,  461,  255,  255,  606,  356,  // 8-13 cups 4-6 winner, runner-up
     943,  948,  982,  964,  255,  255,  255,  255,  // 14-21 divisions 0-3 champion, runner-up
     255,  255,  255,  255,  // 22-25 divisions 4-5 champion, runner-up
     255,  // 26-26 super cup winner
     943,  977,  255,  255,  255,  255,  // 27-32 manager of the year: club by division
    11041, 11594,   -1,   -1,   -1,   -1,  // 33-38 manager of the year: surname
    11273, 11548,   -1,   -1,   -1,   -1,  // 39-44 player of the year: surname
     964,  953,  255,  255,  255,  255,  // 45-50 player of the year: club
    11031, 11545,   -1,   -1,   -1,   -1,  // 51-56 young player of the year: surname
     967,  977,  255,  255,  255,  255,  // 57-62 young player of the year: club
    11197, 11232,   -1,   -1,   -1,   -1,  // 63-68 top scorer: surname
     994,  993,  255,  255,  255,  255,  // 69-74 top scorer: club
      21,   33,    0,    0,    0,    0,  // 75-80 top scorer: goals
  },
  {  // game country 8
     167,  187,  255,  255,  255,  255,  255,  255,  // 0-7 cups 0-3 winner, runner-up
     675,  461,  255,  255,  606,  356,  // 8-13 cups 4-6 winner, runner-up
     179,  181,  164,  173,  255,  255,  255,  255,  // 14-21 divisions 0-3 champion, runner-up
     255,  255,  255,  255,  // 22-25 divisions 4-5 champion, runner-up
     255,  // 26-26 super cup winner
     145,  168,  255,  255,  255,  255,  // 27-32 manager of the year: club by division
    12143, 12615,   -1,   -1,   -1,   -1,  // 33-38 manager of the year: surname
    12080, 12187,   -1,   -1,   -1,   -1,  // 39-44 player of the year: surname
     162,  185,  255,  255,  255,  255,  // 45-50 player of the year: club
    12707, 12314,   -1,   -1,   -1,   -1,  // 51-56 young player of the year: surname
     146,  157,  255,  255,  255,  255,  // 57-62 young player of the year: club
    12395, 12551,   -1,   -1,   -1,   -1,  // 63-68 top scorer: surname
     164,  185,  255,  255,  255,  255,  // 69-74 top scorer: club
      20,   30,    0,    0,    0,    0,  // 75-80 top scorer: goals
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
