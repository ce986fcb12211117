// News messages: the news kinds, their arguments and the token expansion.
#include "world/textmess.h"

#include <cstdio>
#include <cstring>

#include "engine/debug.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "menus/exm_text.h"
#include "menus/menucont.h"
#include "menus/menuprims.h"
#include "menus/money.h"
#include "world/funcs.h"

#define ABORT_FILE "textmess"

NewsArgsRecord NewsArgs;

namespace {

// clang-format off
constexpr int16_t kKind0[] = {2035, 2036, 2037, 0};
constexpr int16_t kKind1[] = {2038, 2039, 0};
constexpr int16_t kKind2[] = {2033, 2034, 0};
constexpr int16_t kKind3[] = {2040, 2041, 0};
constexpr int16_t kKind4[] = {2042, 2043, 0};
constexpr int16_t kKind5[] = {2044, 2045, 0};
constexpr int16_t kKind6[] = {2046, 2047, 0};
constexpr int16_t kKind7[] = {2048, 2049, 0};
constexpr int16_t kKind8[] = {2050, 2051, 0};
constexpr int16_t kKind9[] = {2052, 2053, 0};
constexpr int16_t kKind10[] = {2054, 2055, 0};
constexpr int16_t kKind11[] = {2056, 2057, 0};
constexpr int16_t kKind12[] = {2058, 2059, 0};
constexpr int16_t kKind13[] = {2060, 2061, 0};
constexpr int16_t kKind14[] = {2062, 2063, 0};
constexpr int16_t kKind15[] = {2064, 2065, 0};
constexpr int16_t kKind16[] = {2066, 2067, 0};
constexpr int16_t kKind17[] = {2068, 2069, 0};
constexpr int16_t kKind18[] = {2070, 2071, 0};
constexpr int16_t kKind19[] = {2072, 2073, 0};
constexpr int16_t kKind20[] = {2074, 2075, 0};
constexpr int16_t kKind21[] = {2076, 2077, 0};
constexpr int16_t kKind22[] = {2078, 2079, 0};
constexpr int16_t kKind23[] = {2082, 2083, 0};
constexpr int16_t kKind24[] = {2084, 2085, 0};
constexpr int16_t kKind25[] = {2088, 2089, 0};
constexpr int16_t kKind26[] = {2090, 2091, 0};
constexpr int16_t kKind27[] = {2092, 2093, 0};
constexpr int16_t kKind28[] = {2094, 2095, 0};
constexpr int16_t kKind29[] = {2096, 2097, 0};
constexpr int16_t kKind30[] = {2098, 2099, 0};
constexpr int16_t kKind31[] = {2113, 2114, 0};
constexpr int16_t kKind32[] = {2115, 0};
constexpr int16_t kKind33[] = {2116, 0};
constexpr int16_t kKind34[] = {2086, 2087, 0};
constexpr int16_t kKind35[] = {2080, 2081, 0};
constexpr int16_t kKind36[] = {2100, 2101, 0};
constexpr int16_t kKind37[] = {2102, 2103, 0};
constexpr int16_t kKind38[] = {2104, 0};
constexpr int16_t kKind39[] = {2105, 2106, 0};
constexpr int16_t kKind40[] = {2107, 0};
constexpr int16_t kKind41[] = {2108, 0};
constexpr int16_t kKind42[] = {2109, 0};
constexpr int16_t kKind43[] = {2110, 0};
constexpr int16_t kKind44[] = {2111, 0};
constexpr int16_t kKind45[] = {2112, 0};
constexpr int16_t kKind46[] = {2117, 0};
constexpr int16_t kKind47[] = {2118, 0};
constexpr int16_t kKind48[] = {2119, 2120, 0};
constexpr int16_t kKind49[] = {2121, 2122, 0};
constexpr int16_t kKind50[] = {2123, 2124, 0};
constexpr int16_t kKind51[] = {2125, 2126, 0};
constexpr int16_t kKind52[] = {2127, 2128, 0};
constexpr int16_t kKind53[] = {2129, 2130, 0};
constexpr int16_t kKind54[] = {2131, 2132, 0};
constexpr int16_t kKind55[] = {2133, 2134, 0};
constexpr int16_t kKind56[] = {2135, 0};
constexpr int16_t kKind57[] = {2136, 2137, 0};
constexpr int16_t kKind58[] = {2138, 2139, 0};
constexpr int16_t kKind59[] = {2140, 0};
constexpr int16_t kKind60[] = {2141, 0};
constexpr int16_t kKind61[] = {2142, 0};
constexpr int16_t kKind62[] = {2143, 0};
constexpr int16_t kKind63[] = {2144, 0};
constexpr int16_t kKind64[] = {2145, 0};
constexpr int16_t kKind65[] = {2146, 0};
constexpr int16_t kKind66[] = {2147, 0};
constexpr int16_t kKind67[] = {2148, 0};
constexpr int16_t kKind68[] = {2149, 0};
constexpr int16_t kKind69[] = {2150, 0};
constexpr int16_t kKind70[] = {2151, 0};
constexpr int16_t kKind71[] = {2152, 0};
constexpr int16_t kKind72[] = {2153, 0};
constexpr int16_t kKind73[] = {2031, 0};
constexpr int16_t kKind74[] = {2032, 0};
constexpr int16_t kKind75[] = {2030, 0};
constexpr int16_t kKind76[] = {2154, 0};
constexpr int16_t kKind77[] = {2155, 2156, 0};
constexpr int16_t kKind78[] = {2157, 2158, 0};
constexpr int16_t kKind79[] = {2159, 2160, 0};
constexpr int16_t kKind80[] = {2161, 2162, 0};
constexpr int16_t kKind81[] = {2163, 2164, 0};
constexpr int16_t kKind82[] = {2165, 2166, 0};
constexpr int16_t kKind83[] = {2167, 2168, 0};
constexpr int16_t kKind84[] = {2169, 2170, 0};
constexpr int16_t kKind85[] = {2171, 2172, 0};
constexpr int16_t kKind86[] = {2173, 2174, 0};
constexpr int16_t kKind87[] = {2175, 2176, 0};
constexpr int16_t kKind88[] = {2177, 2178, 0};
constexpr int16_t kKind89[] = {2179, 2180, 0};
constexpr int16_t kKind90[] = {2181, 2182, 0};
constexpr int16_t kKind91[] = {2183, 2184, 0};
constexpr int16_t kKind92[] = {2185, 2186, 0};
constexpr int16_t kKind93[] = {2187, 2188, 0};
constexpr int16_t kKind94[] = {2189, 2190, 0};
constexpr int16_t kKind95[] = {2191, 2192, 0};
constexpr int16_t kKind96[] = {2193, 2194, 2195, 0};
constexpr int16_t kKind97[] = {2196, 0};
constexpr int16_t kKind98[] = {2197, 2198, 0};
constexpr int16_t kKind99[] = {2202, 2203, 0};
constexpr int16_t kKind100[] = {2199, 2200, 2201, 0};
constexpr int16_t kKind101[] = {2204, 2205, 0};
constexpr int16_t kKind102[] = {2216, 2217, 0};
constexpr int16_t kKind103[] = {2228, 2229, 0};
constexpr int16_t kKind104[] = {2206, 2207, 0};
constexpr int16_t kKind105[] = {2218, 2219, 0};
constexpr int16_t kKind106[] = {2230, 2231, 0};
constexpr int16_t kKind107[] = {2208, 2209, 0};
constexpr int16_t kKind108[] = {2220, 2221, 0};
constexpr int16_t kKind109[] = {2232, 2233, 0};
constexpr int16_t kKind110[] = {2210, 2211, 0};
constexpr int16_t kKind111[] = {2222, 2223, 0};
constexpr int16_t kKind112[] = {2234, 2235, 0};
constexpr int16_t kKind113[] = {2212, 2213, 0};
constexpr int16_t kKind114[] = {2224, 2225, 0};
constexpr int16_t kKind115[] = {2236, 2237, 0};
constexpr int16_t kKind116[] = {2214, 2215, 0};
constexpr int16_t kKind117[] = {2226, 2227, 0};
constexpr int16_t kKind118[] = {2238, 2239, 0};
constexpr int16_t kKind119[] = {2240, 0};
constexpr int16_t kKind120[] = {2242, 0};
constexpr int16_t kKind121[] = {2243, 0};
constexpr int16_t kKind122[] = {2244, 0};
constexpr int16_t kKind123[] = {2245, 2246, 0};
constexpr int16_t kKind124[] = {2247, 2248, 0};
constexpr int16_t kKind125[] = {2249, 2250, 0};
constexpr int16_t kKind126[] = {2251, 2252, 0};
constexpr int16_t kKind127[] = {2253, 2254, 2255, 0};
constexpr int16_t kKind128[] = {2256, 2257, 0};
constexpr int16_t kKind129[] = {2258, 2259, 0};
constexpr int16_t kKind130[] = {2260, 2261, 0};
constexpr int16_t kKind131[] = {2262, 2263, 0};
constexpr int16_t kKind132[] = {2264, 2265, 0};
constexpr int16_t kKind133[] = {2266, 2267, 0};
constexpr int16_t kKind134[] = {2268, 2269, 0};
constexpr int16_t kKind135[] = {2270, 2271, 2272, 0};
constexpr int16_t kKind136[] = {2273, 2274, 2275, 2276, 0};
constexpr int16_t kKind137[] = {2277, 2278, 0};
constexpr int16_t kKind138[] = {2279, 2280, 0};
constexpr int16_t kKind139[] = {2281, 0};
constexpr int16_t kKind140[] = {2282, 2283, 0};
constexpr int16_t kKind141[] = {2284, 2285, 0};
constexpr int16_t kKind142[] = {2286, 2287, 0};
constexpr int16_t kKind143[] = {2288, 0};
constexpr int16_t kKind144[] = {2289, 2290, 0};
constexpr int16_t kKind145[] = {2291, 2292, 0};
constexpr int16_t kKind146[] = {2293, 0};
constexpr int16_t kKind147[] = {2294, 2295, 2296, 0};
constexpr int16_t kKind148[] = {2297, 2298, 0};
constexpr int16_t kKind149[] = {2299, 2300, 0};
constexpr int16_t kKind150[] = {2301, 0};
constexpr int16_t kKind151[] = {2302, 0};
constexpr int16_t kKind152[] = {2303, 2304, 0};
constexpr int16_t kKind153[] = {2305, 0};
constexpr int16_t kKind154[] = {2306, 2307, 0};
constexpr int16_t kKind155[] = {2308, 0};
constexpr int16_t kKind156[] = {1275, 0};
constexpr int16_t kKind157[] = {1273, 0};
constexpr int16_t kKind158[] = {1268, 0};
constexpr int16_t kKind159[] = {1269, 0};
constexpr int16_t kKind160[] = {1270, 0};
constexpr int16_t kKind161[] = {1271, 0};
constexpr int16_t kKind162[] = {1272, 0};
constexpr int16_t kKind163[] = {1274, 0};
constexpr int16_t kKind164[] = {2309, 0};
// clang-format on

constexpr int kLineBadIndex = 118;
constexpr int kLineBadType = 154;

struct NewsState {
  char text[NEWS_TEXT_SIZE];
};

NewsState gNews;

// Appends to the expansion buffer; whatever does not fit is cut off.
class NewsWriter {
 public:
  explicit NewsWriter(char* buffer) : buffer_(buffer) { buffer_[0] = 0; }
  void Char(char c) {
    if (length_ < NEWS_TEXT_SIZE - 1) buffer_[length_++] = c;
    buffer_[length_] = 0;
  }
  void Text(const char* text) {
    while (*text) Char(*text++);
  }

 private:
  char* buffer_;
  int length_ = 0;
};

// Argument d of a two-entry array; a template names only 0 and 1, and any
// other digit reads as no argument.
template <typename T>
T Arg(const T (&values)[2], int digit) {
  return digit < 2 ? values[digit] : static_cast<T>(-1);
}

// A club of the news: 252 and above are database club numbers already.
const char* TeamName(int16_t team) {
  if (team < 0) return "";
  if (team >= 252) return GNW_GetClubName(team);
  return GNW_GetClubName(GNW_GetClubDbId(team));
}

}  // namespace

const int16_t* const NewsKindList[NUM_NEWS_KINDS] = {
    kKind0, kKind1, kKind2, kKind3, kKind4, kKind5, kKind6, kKind7,
    kKind8, kKind9, kKind10, kKind11, kKind12, kKind13, kKind14, kKind15,
    kKind16, kKind17, kKind18, kKind19, kKind20, kKind21, kKind22, kKind23,
    kKind24, kKind25, kKind26, kKind27, kKind28, kKind29, kKind30, kKind31,
    kKind32, kKind33, kKind34, kKind35, kKind36, kKind37, kKind38, kKind39,
    kKind40, kKind41, kKind42, kKind43, kKind44, kKind45, kKind46, kKind47,
    kKind48, kKind49, kKind50, kKind51, kKind52, kKind53, kKind54, kKind55,
    kKind56, kKind57, kKind58, kKind59, kKind60, kKind61, kKind62, kKind63,
    kKind64, kKind65, kKind66, kKind67, kKind68, kKind69, kKind70, kKind71,
    kKind72, kKind73, kKind74, kKind75, kKind76, kKind77, kKind78, kKind79,
    kKind80, kKind81, kKind82, kKind83, kKind84, kKind85, kKind86, kKind87,
    kKind88, kKind89, kKind90, kKind91, kKind92, kKind93, kKind94, kKind95,
    kKind96, kKind97, kKind98, kKind99, kKind100, kKind101, kKind102, kKind103,
    kKind104, kKind105, kKind106, kKind107, kKind108, kKind109, kKind110, kKind111,
    kKind112, kKind113, kKind114, kKind115, kKind116, kKind117, kKind118, kKind119,
    kKind120, kKind121, kKind122, kKind123, kKind124, kKind125, kKind126, kKind127,
    kKind128, kKind129, kKind130, kKind131, kKind132, kKind133, kKind134, kKind135,
    kKind136, kKind137, kKind138, kKind139, kKind140, kKind141, kKind142, kKind143,
    kKind144, kKind145, kKind146, kKind147, kKind148, kKind149, kKind150, kKind151,
    kKind152, kKind153, kKind154, kKind155, kKind156, kKind157, kKind158, kKind159,
    kKind160, kKind161, kKind162, kKind163, kKind164,
};

void News_Reset() {
  SetNewsArgs(-1, -1, -1, -1, -1, -1, -1, -1, -1);
  gNews = NewsState{};
}
REGISTER_RESET(RESET_WORLD, News_Reset);

void SetNewsArgs(int16_t team0, int16_t team1, int16_t player0, int16_t player1, int32_t money, int16_t text0,
                 int16_t text1, int32_t number0, int32_t number1) {
  NewsArgsRecord& a = NewsArgs;
  a.teams[0] = a.teams[1] = -1;
  a.players[0] = a.players[1] = -1;
  a.money = -1;
  a.texts[0] = a.texts[1] = -1;
  a.numbers[0] = a.numbers[1] = -1;
  if (team0 != -1 && team0 != 255) a.teams[0] = team0;
  if (team1 != -1 && team1 != 255) a.teams[1] = team1;
  if (player0 != -1) a.players[0] = player0;
  if (player1 != -1) a.players[1] = player1;
  if (money != -1) a.money = money;
  if (text0 != -1) a.texts[0] = text0;
  if (text1 != -1) a.texts[1] = text1;
  if (number0 != -1) a.numbers[0] = number0;
  if (number1 != -1) a.numbers[1] = number1;
}

const char* GetRandomNewsText(int kind) {
  if (kind < 0 || kind >= NUM_NEWS_KINDS) return nullptr;
  const int16_t* list = NewsKindList[kind];
  int count = 0;
  while (list[count] != 0) ++count;
  if (count == 0) return nullptr;
  return ExpandMessageString(GetTextNoAddr(list[GameRandom() % count]));
}

const char* ExpandMessageString(const char* text) {
  // The template may be a text of the expansion buffer itself (a name or an
  // earlier message): work from a copy.
  char source[NEWS_TEXT_SIZE];
  std::snprintf(source, sizeof source, "%s", text ? text : "");

  NewsWriter out(gNews.text);
  char number[16];
  for (const char* p = source; *p; ++p) {
    if (*p != '$') {
      out.Char(*p);
      continue;
    }
    if (p[1] == '$') {
      out.Char('$');
      ++p;
      continue;
    }
    if (p[1] < '0' || p[1] > '9') AbortError(ABORT_FILE, kLineBadIndex, "invalid index in message string");
    int d = p[1] - '0';
    const NewsArgsRecord& a = NewsArgs;
    switch (p[2]) {
      case 'g':
        out.Text(GetTextNoAddr(Arg(a.texts, d)));
        break;
      case 'm':
        out.Text(Price2str(a.money));
        break;
      case 'n':
        std::snprintf(number, sizeof number, "%d", Arg(a.numbers, d));
        out.Text(number);
        break;
      case 'p': {
        // A message without its player names no one rather than stop the game.
        int16_t player = Arg(a.players, d);
        out.Text(player >= 0 ? GNW_GetPlayerName(player) : "");
        break;
      }
      case 't':
        out.Text(TeamName(Arg(a.teams, d)));
        break;
      default:
        AbortError(ABORT_FILE, kLineBadType, "unknown string type in message string");
    }
    p += 2;
  }
  return gNews.text;
}

void ShowNewsMessage(const char* text, int32_t boxArg, int mode, int16_t team0, int16_t team1) {
  if (!text) return;
  const int16_t teams[2] = {team0, team1};
  for (int16_t team : teams)
    if (team >= 250 && team != 252) return;

  int interest = mode == NEWS_SHOW_ALWAYS ? 1 : 0;
  int16_t human = GNW_GetHumanClub(1);
  if (human != -1) {
    for (int16_t team : teams) {
      if (team == -1 || team >= 250) continue;
      if (mode == NEWS_SHOW_HUMAN_CLUB && team == human) ++interest;
      if (mode == NEWS_SHOW_HUMAN_DIVISION && GNW_GetClubDivisionIndex(team) == GNW_GetClubDivisionIndex(human))
        ++interest;
    }
  }
  if (SoakRunActive == 0 && interest != 0) DoMessageBox(text, boxArg);
}
