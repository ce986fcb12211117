// The nationality table.
#include "world/nationality.h"

// clang-format off
const NationalityEntry NationalityTable[NUM_NATIONALITIES] = {
  {0, 0},  //   0 English
  {1, 0},  //   1 Scottish
  {2, 2},  //   2 Italian
  {3, 1},  //   3 German
  {4, 2},  //   4 Spanish
  {5, 1},  //   5 Dutch
  {6, 1},  //   6 French
  {7, 2},  //   7 Portuguese
  {8, 1},  //   8 Belgian
  {-1, 3},  //   9 Swedish
  {-1, 1},  //  10 Swiss
  {-1, 2},  //  11 Turkish
  {-1, 2},  //  12 Greek
  {-1, 0},  //  13 Northern Irish
  {-1, 3},  //  14 Danish
  {-1, 3},  //  15 Norwegian
  {-1, 2},  //  16 Maltese
  {-1, 2},  //  17 Cypriot
  {-1, 4},  //  18 Russian
  {-1, 2},  //  19 Albanian
  {-1, 1},  //  20 Luxembourger
  {-1, 0},  //  21 Welsh
  {-1, 1},  //  22 Austrian
  {-1, 3},  //  23 Finnish
  {-1, 3},  //  24 Icelandic
  {-1, 3},  //  25 Faroese
  {-1, 4},  //  26 Polish
  {-1, 4},  //  27 Czech
  {-1, 4},  //  28 Slovak
  {-1, 4},  //  29 Hungarian
  {-1, 4},  //  30 Romanian
  {-1, 4},  //  31 Bulgarian
  {-1, 4},  //  32 Croatian
  {-1, 4},  //  33 Serbian
  {-1, 4},  //  34 Slovenian
  {-1, 4},  //  35 Bosnian
  {-1, 4},  //  36 Macedonian
  {-1, 0},  //  37 Irish
  {-1, 4},  //  38 Ukrainian
  {-1, 4},  //  39 Belarusian
  {-1, 4},  //  40 Lithuanian
  {-1, 4},  //  41 Latvian
  {-1, 4},  //  42 Estonian
  {-1, 4},  //  43 Georgian
  {-1, 4},  //  44 Armenian
  {-1, 4},  //  45 Moldovan
  {-1, 4},  //  46 Israeli
  {-1, 5},  //  47 Nigerian
  {-1, 5},  //  48 Ghanaian
  {-1, 5},  //  49 Cameroonian
  {-1, 5},  //  50 Senegalese
  {-1, 5},  //  51 Ivorian
  {-1, 5},  //  52 Moroccan
  {-1, 5},  //  53 Algerian
  {-1, 5},  //  54 Tunisian
  {-1, 5},  //  55 Egyptian
  {-1, 5},  //  56 South African
  {-1, 5},  //  57 Zambian
  {-1, 5},  //  58 Zimbabwean
  {-1, 5},  //  59 Liberian
  {-1, 5},  //  60 Malian
  {-1, 5},  //  61 Guinean
  {-1, 5},  //  62 Congolese
  {-1, 5},  //  63 Kenyan
  {-1, 5},  //  64 Angolan
  {-1, 5},  //  65 Togolese
  {-1, 6},  //  66 Brazilian
  {-1, 6},  //  67 Argentinian
  {-1, 6},  //  68 Uruguayan
  {-1, 6},  //  69 Chilean
  {-1, 6},  //  70 Colombian
  {-1, 6},  //  71 Paraguayan
  {-1, 6},  //  72 Peruvian
  {-1, 6},  //  73 Ecuadorian
  {-1, 6},  //  74 Venezuelan
  {-1, 6},  //  75 Bolivian
  {-1, 7},  //  76 American
  {-1, 7},  //  77 Canadian
  {-1, 7},  //  78 Mexican
  {-1, 7},  //  79 Jamaican
  {-1, 7},  //  80 Trinidadian
  {-1, 7},  //  81 Costa Rican
  {-1, 7},  //  82 Honduran
  {-1, 7},  //  83 Panamanian
  {-1, 7},  //  84 Bermudian
  {-1, 7},  //  85 Barbadian
  {-1, 7},  //  86 Grenadian
  {-1, 8},  //  87 Japanese
  {-1, 8},  //  88 Korean
  {-1, 8},  //  89 Chinese
  {-1, 8},  //  90 Iranian
  {-1, 8},  //  91 Saudi
  {-1, 8},  //  92 Emirati
  {-1, 8},  //  93 Qatari
  {-1, 8},  //  94 Indian
  {-1, 8},  //  95 Thai
  {-1, 8},  //  96 Indonesian
  {-1, 8},  //  97 Kazakh
  {-1, 8},  //  98 Uzbek
  {-1, 9},  //  99 Australian
  {-1, 9},  // 100 New Zealander
  {-1, 9},  // 101 Fijian
  {-1, 9},  // 102 Papuan
  {-1, 9},  // 103 Samoan
  {-1, 9},  // 104 Tongan
};

const char* const NationalityNames[NUM_NATIONALITIES] = {
  "English",  // 0
  "Scottish",  // 1
  "Italian",  // 2
  "German",  // 3
  "Spanish",  // 4
  "Dutch",  // 5
  "French",  // 6
  "Portuguese",  // 7
  "Belgian",  // 8
  "Swedish",  // 9
  "Swiss",  // 10
  "Turkish",  // 11
  "Greek",  // 12
  "Northern Irish",  // 13
  "Danish",  // 14
  "Norwegian",  // 15
  "Maltese",  // 16
  "Cypriot",  // 17
  "Russian",  // 18
  "Albanian",  // 19
  "Luxembourger",  // 20
  "Welsh",  // 21
  "Austrian",  // 22
  "Finnish",  // 23
  "Icelandic",  // 24
  "Faroese",  // 25
  "Polish",  // 26
  "Czech",  // 27
  "Slovak",  // 28
  "Hungarian",  // 29
  "Romanian",  // 30
  "Bulgarian",  // 31
  "Croatian",  // 32
  "Serbian",  // 33
  "Slovenian",  // 34
  "Bosnian",  // 35
  "Macedonian",  // 36
  "Irish",  // 37
  "Ukrainian",  // 38
  "Belarusian",  // 39
  "Lithuanian",  // 40
  "Latvian",  // 41
  "Estonian",  // 42
  "Georgian",  // 43
  "Armenian",  // 44
  "Moldovan",  // 45
  "Israeli",  // 46
  "Nigerian",  // 47
  "Ghanaian",  // 48
  "Cameroonian",  // 49
  "Senegalese",  // 50
  "Ivorian",  // 51
  "Moroccan",  // 52
  "Algerian",  // 53
  "Tunisian",  // 54
  "Egyptian",  // 55
  "South African",  // 56
  "Zambian",  // 57
  "Zimbabwean",  // 58
  "Liberian",  // 59
  "Malian",  // 60
  "Guinean",  // 61
  "Congolese",  // 62
  "Kenyan",  // 63
  "Angolan",  // 64
  "Togolese",  // 65
  "Brazilian",  // 66
  "Argentinian",  // 67
  "Uruguayan",  // 68
  "Chilean",  // 69
  "Colombian",  // 70
  "Paraguayan",  // 71
  "Peruvian",  // 72
  "Ecuadorian",  // 73
  "Venezuelan",  // 74
  "Bolivian",  // 75
  "American",  // 76
  "Canadian",  // 77
  "Mexican",  // 78
  "Jamaican",  // 79
  "Trinidadian",  // 80
  "Costa Rican",  // 81
  "Honduran",  // 82
  "Panamanian",  // 83
  "Bermudian",  // 84
  "Barbadian",  // 85
  "Grenadian",  // 86
  "Japanese",  // 87
  "Korean",  // 88
  "Chinese",  // 89
  "Iranian",  // 90
  "Saudi",  // 91
  "Emirati",  // 92
  "Qatari",  // 93
  "Indian",  // 94
  "Thai",  // 95
  "Indonesian",  // 96
  "Kazakh",  // 97
  "Uzbek",  // 98
  "Australian",  // 99
  "New Zealander",  // 100
  "Fijian",  // 101
  "Papuan",  // 102
  "Samoan",  // 103
  "Tongan",  // 104
};
// clang-format on

int16_t NationalityGroup(int nationality) {
  if (nationality < 0 || nationality >= NUM_NATIONALITIES) nationality = 0;
  return NationalityTable[nationality].nationGroup;
}
