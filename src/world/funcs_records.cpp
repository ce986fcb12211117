// The world facade: record holders, club records and season history, the roll
// of honour, the board's targets and scores, the assistant's advice lists, the
// best players by position and the human managers' event lists.
#include "world/funcs_records.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <iterator>

#include "clubsim/squadlist.h"
#include "engine/bytes.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/matchrec.h"
#include "menus/exm_text.h"
#include "season/endseason.h"
#include "season/euroentrants.h"
#include "season/postmatch.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/funcs.h"
#include "world/honours.h"
#include "world/players.h"
#include "world/recordbits.h"

AdviceList AssistantAdvice;
TopPlayerTable TopPlayers;

namespace {

constexpr int16_t NUM_WORLD_CLUBS = 250;
constexpr int16_t NO_CLUB_BYTE = 255;

bool IsWorldClub(int32_t club) { return club >= 0 && club < NUM_WORLD_CLUBS; }

void Put(int16_t* out, int32_t value) {
  if (out != nullptr) *out = static_cast<int16_t>(value);
}

// ---------------------------------------------------------------- record fields

// The fields of a club's records that only the record pages read, as the
// full club record (and the saved game) holds them.
constexpr BitField kWinOpponent{48, 0, 8}, kWinYear{48, 13, 7};
constexpr BitField kCrowdOpponent{92, 0, 8}, kCrowdYear{40, 19, 7};
constexpr BitField kGoalsScorer{40, 0, 14}, kGoalsYear{44, 7, 7};
constexpr BitField kPointsTotalYear{98, 4, 7}, kGoalsTotalYear{98, 19, 7}, kDispointsYear{102, 8, 7};
constexpr BitField kBuyPlayer{28, 11, 14}, kBuySeller{32, 4, 16}, kBuyYear{32, 20, 7};
// The seller of a record buy is a database club number below 2^14; a higher
// bit set (the field holds -1) means there was none.
constexpr uint32_t SELLER_NUMBER_BITS = 14;

int32_t RecordField(int16_t club, BitField field) {
  const ClubRecord* r = GNW_GetClubRecord(club);
  return r == nullptr ? 0 : static_cast<int32_t>(GetBits(r->bytes, field));
}

// The name text of a world club named in a record (a byte): -1 for none.
int16_t WorldClubText(int32_t club) {
  return IsWorldClub(club) ? GNW_GetClubTextNo(GNW_GetClubDbId(static_cast<int16_t>(club))) : int16_t{-1};
}

// The holder of a record among the clubs of the game country: the first
// club starts as the holder; a later one takes over when better() says so.
template <typename Better>
int16_t FindHolder(Better better) {
  int16_t best = -1;
  for (int16_t c = 0; c < NUM_WORLD_CLUBS; ++c) {
    if (GNW_GetClubCountry(c) != GNW_GetGameCountry()) continue;
    if (best < 0 || better(c, best)) best = c;
  }
  return best;
}

// A finder by one value, its outs the year field and the holder's name.
template <typename Value>
int16_t FindByValue(Value value, BitField yearField, int16_t* year, int16_t* nameText) {
  const int16_t best = FindHolder([&](int16_t c, int16_t held) { return value(c) > value(held); });
  Put(year, best < 0 ? -1 : RecordField(best, yearField));
  Put(nameText, best < 0 ? -1 : WorldClubText(best));
  return best;
}

// ---------------------------------------------------------------- advice

// A pair of advice lines: p or p + 1, one of two ways to say the same.
int16_t PairCode(int16_t pair) { return static_cast<int16_t>(pair + GameRandom() % 2); }

class AdviceWriter {
 public:
  explicit AdviceWriter(int16_t fill) {
    for (int i = 0; i < ADVICE_LIST_SIZE; ++i) AssistantAdvice.codes[i] = AssistantAdvice.players[i] = fill;
  }
  void Add(int16_t code, int16_t player) {
    if (count_ >= ADVICE_LIST_SIZE) return;  // the list is full: later lines are dropped
    AssistantAdvice.codes[count_] = code;
    AssistantAdvice.players[count_] = player;
    ++count_;
  }
  int16_t Count() const { return static_cast<int16_t>(count_); }

 private:
  int count_ = 0;
};

// The tactic slot of a match shirt 2-11 as the squad report reads it: 30
// bytes from byte 5 + 30 (shirt - 1) of the TacticsRecord.
constexpr int TACTIC_HEADER = 5;
constexpr int TACTIC_SLOT = 30;
int16_t SlotWord(const uint8_t* tactic, int16_t shirt, int offset) {
  return LoadI16(tactic + TACTIC_HEADER + TACTIC_SLOT * (shirt - 1) + offset);
}
static_assert(TACTIC_HEADER + TACTIC_SLOT * 10 + 17 + 2 <= TACTICS_RECORD_SIZE);

constexpr int16_t LEFT_COLUMN_LIMIT = 5;    // grid columns 0-4 are the left flank
constexpr int16_t RIGHT_COLUMN_LIMIT = 10;  // 11-14 the right
constexpr int16_t SIDE_LEFT = 1, SIDE_RIGHT = 2, SIDE_BOTH = 3;
constexpr int16_t PACE_STAT = 8;

const uint8_t* CurrentTacticRecord() { return MenuSystem.getTacticRecord(MenuSystem.getCurrentTactic()); }

// The squad report's lines about one player of the match squad.
void ReportOnPlayer(AdviceWriter& w, int16_t p, const uint8_t* tactic) {
  if (GNW_GetPlayerFitnessPercent(p) * 100 / 60 < 70) w.Add(PairCode(ADVICE_NOT_FIT), p);
  if (GNW_GetPlayerMoralePercent(p) * 100 / 60 < 60) w.Add(PairCode(ADVICE_LOW_MORALE), p);
  if (GNW_GetPlayerFatiguePercent(p) * 100 / 60 > 20) w.Add(PairCode(ADVICE_TIRED), p);
  if (GNW_IsPlayerUnderSuspension(p) != 0 || GNW_IsPlayerEuroBanned(p) != 0) w.Add(PairCode(ADVICE_BANNED), p);
  if (GNW_GetPlayerInFlag(p) != 0) {
    const int16_t slot = GNW_FindInjurySlot(p);
    const int16_t type = slot >= 0 ? GNW_GetInjuryType(slot) : 0;
    const int16_t pair = type == 0 ? ADVICE_KNOCK : type <= 7 ? ADVICE_INJURED : ADVICE_INJURED_LONG;
    w.Add(PairCode(pair), p);
  }
  if (GNW_IsPlayerCupTied(p) != 0) w.Add(PairCode(ADVICE_CUP_TIED), p);

  const int16_t shirt = GNW_GetPlayerShirt(p);
  if (tactic == nullptr || shirt < 2 || shirt > 11) return;
  const int16_t column = SlotWord(tactic, shirt, 0);
  const int16_t side = GNW_GetSide(p);
  if (column < LEFT_COLUMN_LIMIT && side != SIDE_LEFT && side != SIDE_BOTH) w.Add(ADVICE_NOT_LEFT_SIDED, p);
  if (column > RIGHT_COLUMN_LIMIT && side != SIDE_RIGHT && side != SIDE_BOTH) w.Add(ADVICE_NOT_RIGHT_SIDED, p);
  const int16_t a = SlotWord(tactic, shirt, 2), b = SlotWord(tactic, shirt, 6), c = SlotWord(tactic, shirt, 17);
  int ground = 0;
  if (b >= 0) ground += b > a ? b - a : a - b;
  if (c >= 0) ground += c > a ? c - a : a - c;
  if (GNW_GetPlayerPhysicalStat(p, PACE_STAT) / 10 < ground) w.Add(ADVICE_TOO_MUCH_GROUND, p);
}

// One line of the match advice: a comparison of the player's figures in the
// match (his PlayerMatchRecord, `m`) that he failed.
struct MatchFigures {
  const uint8_t* stats;    // his MatchPlayerStats
  const uint8_t* record;   // the PlayerMatchRecord inside it
  const uint8_t* slot;     // his tactic slot (30 bytes), null for none
  int16_t player;
  int16_t positionType;
  int Byte(int offset) const { return record[offset]; }
  int Word(int offset) const { return LoadI16(record + offset); }
};

// Offsets in the PlayerMatchRecord.
constexpr int PMR_INVOLVEMENT = 8;      // int16, 0-95 against the busiest player
constexpr int PMR_KEY_PASSES = 15;
constexpr int PMR_KEY_RUNS = 16;
constexpr int PMR_KEY_CROSSES = 17;
constexpr int PMR_POSSESSION = 21;      // int16
constexpr int PMR_OFFSIDES = 25;
constexpr int PMR_SHOTS_ON = 30;
constexpr int PMR_SHOTS_OFF = 31;
constexpr int PMR_PASSES_DONE = 37;
constexpr int PMR_PASSES_POOR = 38;
constexpr int PMR_INTERCEPTIONS = 39;
constexpr int PMR_CROSSES_POOR = 44;
constexpr int PMR_TACKLES_WON = 46;
constexpr int PMR_CONCEDED = 58;
constexpr int PMR_CROSSES_FUMBLED = 62;
constexpr int PMR_MISTAKES = 63;
constexpr int PMR_CONDITION = 112;      // s8
// In a tactic slot (from its start): the column and the forward-run flag.
constexpr int SLOT_COLUMN = TACTICS_SLOT_X;
constexpr int SLOT_FORWARD_RUN = TACTICS_SLOT_FORWARD_RUN;

constexpr int16_t TYPE_KEEPER = 0, TYPE_DEFENCE = 1, TYPE_MIDFIELD = 2, TYPE_ATTACK = 3;

struct MatchRule {
  int16_t code;
  bool (*failed)(const MatchFigures& f);
};

int Shots(const MatchFigures& f) { return f.Byte(PMR_SHOTS_ON) + f.Byte(PMR_SHOTS_OFF); }
bool Wide(const MatchFigures& f) {
  if (f.slot == nullptr) return false;
  const int16_t column = LoadI16(f.slot + SLOT_COLUMN);
  return column < LEFT_COLUMN_LIMIT || column > RIGHT_COLUMN_LIMIT;
}

// In list order; a player gets one line for each rule he fails.
constexpr MatchRule kMatchRules[] = {
    // gave the ball away: completed fewer than half his poor passes
    {1276, [](const MatchFigures& f) {
       return f.Byte(PMR_PASSES_POOR) >= 5 && 2 * f.Byte(PMR_PASSES_DONE) < f.Byte(PMR_PASSES_POOR);
     }},
    // careless passing: more poor passes than good ones (and not already told the above)
    {1289, [](const MatchFigures& f) {
       const int poor = f.Byte(PMR_PASSES_POOR), done = f.Byte(PMR_PASSES_DONE);
       return poor >= 3 && poor > done && !(poor >= 5 && 2 * done < poor);
     }},
    // hardly won a tackle: a defender without a tackle won or an interception
    {1278, [](const MatchFigures& f) {
       return f.positionType == TYPE_DEFENCE && f.Byte(PMR_TACKLES_WON) == 0 && f.Byte(PMR_INTERCEPTIONS) == 0;
     }},
    // a forward who never shot
    {1279, [](const MatchFigures& f) { return f.positionType == TYPE_ATTACK && Shots(f) == 0; }},
    // snatched at his chances: below a quarter of his shots on target
    {1280, [](const MatchFigures& f) { return Shots(f) >= 4 && 4 * f.Byte(PMR_SHOTS_ON) < Shots(f); }},
    {1281, [](const MatchFigures& f) { return f.Byte(PMR_OFFSIDES) >= 3; }},
    // told to get forward (his slot's forward runs) but made no run
    {1282, [](const MatchFigures& f) {
       return f.slot != nullptr && f.slot[SLOT_FORWARD_RUN] != 0 && f.Byte(PMR_KEY_RUNS) == 0;
     }},
    // a defender told to stay back who kept running forward
    {1283, [](const MatchFigures& f) {
       return f.slot != nullptr && f.positionType == TYPE_DEFENCE && f.slot[SLOT_FORWARD_RUN] == 0 &&
              f.Byte(PMR_KEY_RUNS) >= 4;
     }},
    // not involved: below a quarter of the busiest player's involvement
    {1284, [](const MatchFigures& f) { return f.positionType != TYPE_KEEPER && 4 * f.Word(PMR_INVOLVEMENT) < 95; }},
    // a wide player who never crossed
    {1286, [](const MatchFigures& f) {
       return (f.positionType == TYPE_MIDFIELD || f.positionType == TYPE_ATTACK) && Wide(f) &&
              f.Byte(PMR_KEY_CROSSES) == 0 && f.Byte(PMR_CROSSES_POOR) == 0;
     }},
    // crosses to the opposition: above four times his good ones
    {1287, [](const MatchFigures& f) {
       return f.Byte(PMR_CROSSES_POOR) >= 3 && f.Byte(PMR_CROSSES_POOR) > 4 * f.Byte(PMR_KEY_CROSSES);
     }},
    // holding on to the ball: possession above six times his passes
    {1288, [](const MatchFigures& f) {
       const int passes = f.Byte(PMR_PASSES_DONE) + f.Byte(PMR_PASSES_POOR);
       return f.Word(PMR_POSSESSION) >= 12 && f.Word(PMR_POSSESSION) > 6 * passes;
     }},
    // booked again with his disciplinary points mounting up
    {1291, [](const MatchFigures& f) {
       return LoadI16(f.stats + PLAYER_STATS_CARD_STATE) >= 1 && GNW_GetPlayerDispoints(f.player) >= 24;
     }},
    {1292, [](const MatchFigures& f) { return f.positionType == TYPE_DEFENCE && f.Byte(PMR_MISTAKES) >= 2; }},
    // a keeper who conceded three or more and made mistakes
    {1293, [](const MatchFigures& f) {
       return f.positionType == TYPE_KEEPER && f.Byte(PMR_CONCEDED) >= 3 &&
              f.Byte(PMR_MISTAKES) + f.Byte(PMR_CROSSES_FUMBLED) >= 1;
     }},
    // looked tired: condition below 40
    {1297, [](const MatchFigures& f) { return static_cast<int8_t>(f.Byte(PMR_CONDITION)) < 40; }},
    // a midfielder who passed plenty but never tried the killer ball
    {1299, [](const MatchFigures& f) {
       return f.positionType == TYPE_MIDFIELD && f.Byte(PMR_PASSES_DONE) >= 10 && f.Byte(PMR_KEY_PASSES) == 0;
     }},
};

// ---------------------------------------------------------------- advice texts

struct AdviceText {
  int16_t code;
  const char* text;
};

// The lines of the squad report (a pair says the same two ways) and of the
// match advice. Lines about one player follow his name. A line without text
// is the game's own text of its number; the others have numbers that the
// game's texts give to other screens.
constexpr AdviceText kAdviceTexts[] = {
    {1220, nullptr},
    {1221, nullptr},
    {1222, "Our defence badly lacks experience."},
    {1223, "We need an experienced defender, and quickly."},
    {1224, "Our midfield is short of experience."},
    {1225, "We could do with an experienced head in midfield."},
    {1226, "Our midfield badly lacks experience."},
    {1227, "We need an experienced midfielder, and quickly."},
    {1228, "Our attack badly lacks experience."},
    {1229, "We need an experienced forward, and quickly."},
    {1230, "Our attack is short of experience."},
    {1231, "We could do with an experienced head up front."},
    {1232, nullptr},
    {1233, nullptr},
    {1236, "is suspended for our next match."},
    {1237, "cannot play in our next match, he is serving a ban."},
    {1238, "has a serious injury and will be out for some time."},
    {1239, "is badly injured and will miss several matches."},
    {1240, "is injured and cannot play."},
    {1241, "is carrying an injury and is not available."},
    {1242, "has picked up a knock."},
    {1243, "is nursing a knock and may not be ready."},
    {1244, "is unhappy and his morale is low."},
    {1245, "is not in the right frame of mind to play."},
    {1246, "looks tired and could do with a rest."},
    {1247, "is showing signs of fatigue."},
    {1250, nullptr},
    {1251, nullptr},
    {1252, nullptr},
    {1253, nullptr},
    {1254, nullptr},
    {1276, nullptr},
    {1277, nullptr},
    {1278, nullptr},
    {1279, nullptr},
    {1280, nullptr},
    {1281, nullptr},
    {1282, nullptr},
    {1283, nullptr},
    {1284, nullptr},
    {1285, nullptr},
    {1286, nullptr},
    {1287, nullptr},
    {1288, nullptr},
    {1289, nullptr},
    {1290, nullptr},
    {1291, nullptr},
    {1292, nullptr},
    {1293, nullptr},
    {1294, nullptr},
    {1295, nullptr},
    {1296, nullptr},
    {1297, nullptr},
    {1298, nullptr},
    {1299, nullptr},
    {1300, nullptr},
    {1301, nullptr},
    {1305, nullptr},
    {1306, nullptr},
    {1308, nullptr},
};

// ---------------------------------------------------------------- best players

constexpr int TOP_DEFENCE_FIRST = 1, TOP_DEFENCE_END = 5;
constexpr int TOP_MIDFIELD_FIRST = 5, TOP_MIDFIELD_END = 9;
constexpr int TOP_ATTACK_FIRST = 9, TOP_ATTACK_END = 11;

void InsertTop(int first, int end, int16_t player, int16_t value) {
  for (int i = first; i < end; ++i) {
    if (TopPlayers.values[i] >= value) continue;
    for (int j = end - 1; j > i; --j) {
      TopPlayers.players[j] = TopPlayers.players[j - 1];
      TopPlayers.values[j] = TopPlayers.values[j - 1];
    }
    TopPlayers.players[i] = player;
    TopPlayers.values[i] = value;
    return;
  }
}

constexpr int16_t YOUNG_STORED_AGE = 7;  // under 23
constexpr int AGE_OFFSET = 16;
constexpr int OLD_AGE = 31;
constexpr int16_t PERF_MAX = 100;

// ---------------------------------------------------------------- honours

constexpr int16_t TEXT_WINNERS = 1466;
constexpr int16_t TEXT_RUNNERS_UP = 1467;
constexpr int16_t TEXT_CHAMPIONS = 1470;
constexpr int16_t TEXT_PROMOTED = 1818;
constexpr int16_t HONOUR_LIST_LENGTH = 4;
constexpr int ROLL_SEASON_BYTES = 2;

int16_t HolderOrNone(int16_t byte) { return byte == NO_CLUB_BYTE ? int16_t{-1} : byte; }

int16_t AwardPair(int16_t award, int16_t season, int16_t entry, int16_t* club) {
  int32_t surname = Honours_GetAwardSurname(season, award, entry);
  int32_t holder = Honours_GetAwardClub(season, award, entry);
  if (award == AWARD_TOP_SCORER && holder == NO_CLUB_BYTE) holder = -1;
  Put(club, holder);
  return static_cast<int16_t>(surname);
}

// ---------------------------------------------------------------- board

constexpr int16_t TEXT_TARGET_CHAMPIONS_LEAGUE = 1695;
constexpr int16_t TEXT_TARGET_UEFA = 1696;
constexpr int16_t TEXT_TARGET_TOP_HALF = 1697;
constexpr int16_t TEXT_TARGET_MID_TABLE = 1698;
constexpr int16_t TEXT_TARGET_CONSOLIDATE = 1699;
constexpr int16_t TEXT_TARGET_AVOID_RELEGATION = 1671;
constexpr int16_t TEXT_TARGET_PROMOTION = 1672;
constexpr int16_t TEXT_TARGET_PLAY_OFF = 1673;

}  // namespace

void FuncsRecords_Reset() {
  for (int i = 0; i < ADVICE_LIST_SIZE; ++i) AssistantAdvice.codes[i] = AssistantAdvice.players[i] = -1;
  GNW_ClearTopPlayerTable();
}
REGISTER_RESET(RESET_WORLD, FuncsRecords_Reset);

// ======================================================================
// Record holders
// ======================================================================

int16_t GNW_FindRecordDispointsClub(int16_t* year, int16_t* nameText) {
  return FindByValue(Club_GetRecordDispoints, kDispointsYear, year, nameText);
}

int16_t GNW_FindRecordGoalsTotalClub(int16_t* year, int16_t* nameText) {
  return FindByValue(Club_GetRecordGoalsTotal, kGoalsTotalYear, year, nameText);
}

int16_t GNW_FindRecordPointsTotalClub(int16_t* year, int16_t* nameText) {
  return FindByValue(Club_GetRecordPointsTotal, kPointsTotalYear, year, nameText);
}

int16_t GNW_FindRecordGoalsClub(int16_t* year, int16_t* surname) {
  // The record is a byte of the record; read as a signed byte.
  auto goals = [](int16_t c) { return static_cast<int8_t>(Club_GetRecordGoals(c)); };
  const int16_t best = FindHolder([&](int16_t c, int16_t held) { return goals(c) > goals(held); });
  Put(year, best < 0 ? -1 : RecordField(best, kGoalsYear));
  Put(surname, best < 0 ? -1 : RecordField(best, kGoalsScorer));
  return best;
}

int16_t GNW_FindRecordCrowdClub(int16_t* year, int16_t* nameText) {
  const int16_t best =
      FindHolder([](int16_t c, int16_t held) { return Club_GetRecordCrowd(c) > Club_GetRecordCrowd(held); });
  Put(year, best < 0 ? -1 : RecordField(best, kCrowdYear));
  Put(nameText, best < 0 ? -1 : WorldClubText(RecordField(best, kCrowdOpponent)));
  return best;
}

int16_t GNW_FindRecordWinClub(int16_t* opponentText, int16_t* year) {
  auto margin = [](int16_t c) { return Club_GetRecordWinGoalsFor(c) - Club_GetRecordWinGoalsAgainst(c); };
  const int16_t best = FindHolder([&](int16_t c, int16_t held) {
    if (margin(c) != margin(held)) return margin(c) > margin(held);
    return Club_GetRecordWinGoalsFor(c) > Club_GetRecordWinGoalsFor(held);
  });
  Put(opponentText, best < 0 ? -1 : WorldClubText(RecordField(best, kWinOpponent)));
  Put(year, best < 0 ? -1 : RecordField(best, kWinYear));
  return best;
}

int32_t GNW_FindRecordBuyClub(int16_t* surname, int16_t* sellerText, int16_t* year, int16_t* buyer) {
  const int16_t best =
      FindHolder([](int16_t c, int16_t held) { return Club_GetRecordBuy(c) > Club_GetRecordBuy(held); });
  const int32_t fee = best < 0 ? 0 : Club_GetRecordBuy(best);
  if (fee <= 0) {
    Put(surname, -1);
    Put(sellerText, -1);
    Put(year, -1);
    Put(buyer, -1);
    return INT32_MIN;
  }
  const int32_t seller = RecordField(best, kBuySeller);
  Put(surname, RecordField(best, kBuyPlayer));
  Put(sellerText, (seller >> SELLER_NUMBER_BITS) != 0 ? -1 : GNW_GetClubTextNo(static_cast<int16_t>(seller)));
  Put(year, RecordField(best, kBuyYear));
  Put(buyer, best);
  return fee;
}

int16_t GNW_GetClubRecordDispoints(int16_t club) { return Club_GetRecordDispoints(club); }
int16_t GNW_GetClubRecordGoalsTotal(int16_t club) { return Club_GetRecordGoalsTotal(club); }
int16_t GNW_GetClubRecordGoalsTotalYear(int16_t club) { return Club_GetRecordGoalsTotalYear(club); }
int16_t GNW_GetClubRecordPointsTotal(int16_t club) { return Club_GetRecordPointsTotal(club); }
int16_t GNW_GetClubRecordGoals(int16_t club) { return static_cast<int8_t>(Club_GetRecordGoals(club)); }
int16_t GNW_GetClubRecordWinGoalsFor(int16_t club) { return Club_GetRecordWinGoalsFor(club); }
int16_t GNW_GetClubRecordWinGoalsAgainst(int16_t club) { return Club_GetRecordWinGoalsAgainst(club); }
int16_t GNW_GetClubRecordDefeatGoalsFor(int16_t club) { return Club_GetRecordDefeatGoalsFor(club); }
int16_t GNW_GetClubRecordDefeatGoalsAgainst(int16_t club) { return Club_GetRecordDefeatGoalsAgainst(club); }
int32_t GNW_GetClubRecordCrowd(int16_t club) { return Club_GetRecordCrowd(club); }
int32_t GNW_GetClubRecordBuy(int16_t club) { return Club_GetRecordBuy(club); }
int16_t GNW_GetClubSeasonDispoints(int16_t club) { return Club_GetSeasonDispoints(club); }

int16_t GNW_GetRecordCareerGoals(int16_t* player) {
  Put(player, RecordCareerGoalsPlayer);
  return RecordCareerGoals;
}

int16_t GNW_GetRecordCareerApps(int16_t* player) {
  Put(player, RecordCareerAppsPlayer);
  return RecordCareerApps;
}

// ======================================================================
// Season history and logs
// ======================================================================

namespace {
constexpr int LAST_MONTH = 11;
bool ValidBlock(int16_t block) { return block >= 0 && block < CLUB_HISTORY_BLOCKS; }
bool ValidScorer(int16_t entry) { return entry >= 0 && entry < CLUB_TOP_SCORERS; }
}  // namespace

int16_t GNW_GetClubHistoryLeaguePos(int16_t block, int16_t club) {
  return Club_GetMonthLeaguePos(club, block, LAST_MONTH);
}

int16_t GNW_GetClubHistoryPlayer(int16_t club, int16_t block, int16_t entry) {
  const int16_t player = Club_GetSeasonTopScorer(club, block, entry);  // the accessor checks the club
  return ValidBlock(block) && ValidScorer(entry) && GNW_GetClubRecord(club) != nullptr ? player : int16_t{-1};
}

int16_t GNW_GetClubHistoryPlayerValue(int16_t club, int16_t block, int16_t entry) {
  return Club_GetSeasonTopScorerGoals(club, block, entry);
}

int16_t GNW_GetPlayerMatchHistory(int16_t player, PlayerCareerLogEntry* out) {
  if (out == nullptr) return 0;
  return static_cast<int16_t>(PlayerCareerLog_GetEntries(player, out));
}

void GNW_ClearClubSeasonMarks() { ClubSeasonMarks_Clear(); }

// ======================================================================
// Roll of honour
// ======================================================================

int16_t GNW_GetRollOfHonourEntry(int16_t season, int16_t kind, int16_t* second) {
  Put(second, -1);
  if (kind < 0 || kind >= ROLL_KINDS) return -1;
  const int16_t first = Honours_GetHolder(season, ROLL_SEASON_BYTES * kind);
  const int16_t other = Honours_GetHolder(season, ROLL_SEASON_BYTES * kind + 1);
  // A cup's entry is kept when it has a runner-up, a division's when it has a champion.
  const bool empty = kind < ROLL_KIND_DIVISIONS ? other == NO_CLUB_BYTE : first == NO_CLUB_BYTE;
  if (empty) return -1;
  Put(second, HolderOrNone(other));
  return HolderOrNone(first);
}

int16_t GNW_IsClubInRollOfHonour(int16_t club, int16_t kind, int16_t season) {
  if (!IsWorldClub(club) || kind < ROLL_KIND_CUPS || kind >= ROLL_KIND_DIVISIONS) return 0;
  return Honours_GetHolder(season, ROLL_SEASON_BYTES * kind) == club ? 1 : 0;
}

int16_t GNW_GetHonourLabelTextNo(int16_t club) {
  if (club < 0) return -1;
  static constexpr int16_t kLabels[EURO_HONOUR_WORDS] = {TEXT_WINNERS, TEXT_CHAMPIONS, TEXT_WINNERS, TEXT_WINNERS,
                                                         TEXT_RUNNERS_UP};
  for (int w = 0; w < EURO_HONOUR_WORDS; ++w)
    if (EuroHonourWords[w] == club) return kLabels[w];
  return -1;
}

int16_t GNW_GetPromotedMark(int16_t division, int16_t* mark, int16_t place) {
  Put(mark, -1);
  if (division < 1 || division >= NUM_DIVISIONS || place < 0 || place >= PLAYOFF_PLACES) return -1;
  const int16_t club = PlayoffClubs[division][place];
  if (!IsWorldClub(club)) return -1;
  if (GNW_GetClubDivision(club) == division - 1) Put(mark, TEXT_PROMOTED);
  return club;
}

int16_t GNW_GetHonourListLength() { return HONOUR_LIST_LENGTH; }

int16_t GNW_GetManagerOfSeason(int16_t division, int16_t* club) {
  Put(club, MonthManager_GetClub(division));
  return MonthManager_GetSurname(division);
}

int16_t GNW_GetHonourPair1(int16_t season, int16_t entry, int16_t* club) {
  return AwardPair(AWARD_MANAGER_OF_YEAR, season, entry, club);
}
int16_t GNW_GetHonourPair2(int16_t season, int16_t entry, int16_t* club) {
  return AwardPair(AWARD_PLAYER_OF_YEAR, season, entry, club);
}
int16_t GNW_GetHonourPair3(int16_t season, int16_t entry, int16_t* club) {
  return AwardPair(AWARD_YOUNG_PLAYER, season, entry, club);
}
int16_t GNW_GetHonourPair4(int16_t season, int16_t entry, int16_t* club) {
  return AwardPair(AWARD_TOP_SCORER, season, entry, club);
}

// ======================================================================
// Board, form and strength
// ======================================================================

int16_t GNW_GetBoardTargetTextNo(int16_t club) {
  const int16_t p = Club_GetRepPlace(club);
  const int16_t division = GNW_GetClubDivision(club);
  const int16_t n = GNW_GetDivisionSize(division);
  const int16_t h = static_cast<int16_t>(n / 2);
  if (p < 5) return division == 0 ? TEXT_TARGET_CHAMPIONS_LEAGUE : TEXT_TARGET_PROMOTION;
  if (p < 8) return division == 0 ? TEXT_TARGET_UEFA : TEXT_TARGET_PLAY_OFF;
  if (p < h) return TEXT_TARGET_TOP_HALF;
  if (p < h + 5) return TEXT_TARGET_MID_TABLE;
  if (p < n - 4) return TEXT_TARGET_CONSOLIDATE;
  return TEXT_TARGET_AVOID_RELEGATION;
}

int16_t GNW_ListJobsInJeopardy(int16_t* list, int16_t n) {
  if (list == nullptr || n <= 0) return 0;
  for (int i = 0; i < n; ++i) list[i] = -1;
  int16_t count = 0;
  for (int16_t c = 0; c < NUM_WORLD_CLUBS && count < n; ++c)
    if (ClubSim.boardWouldSackManager(c) != 0) list[count++] = c;
  return count;
}

int16_t GNW_GetClubForm(int16_t club) { return ClubSim.calcClubFormScore(club); }
int16_t GNW_GetClubRepRankScore(int16_t club) { return ClubSim.calcRepRankScore(club); }
int16_t GNW_GetClubFinanceScore(int16_t club) { return ClubSim.calcFinanceScore(club); }
int16_t GNW_GetClubStrengthScore(int16_t club) {
  return static_cast<int16_t>(GNW_GetClubForm(club) + GNW_GetClubFinanceScore(club) + GNW_GetClubRepRankScore(club));
}

// ======================================================================
// Advice lists
// ======================================================================

int16_t GNW_BuildAssistantAdvice(int16_t side) {
  AdviceWriter w(-1);
  if (side < 0 || side > 1) return 0;
  const uint8_t* result = GetMatchResultRecord();
  const uint8_t* tactic = CurrentTacticRecord();
  for (int place = 0; place < 16; ++place) {
    MatchFigures f{};
    f.stats = result + PlayerStatsOffset(side, place);
    f.record = f.stats + PLAYER_STATS_RECORD;
    f.player = LoadI16(f.record + MATCH_RECORD_PLAYER);
    // Who took part: a player with a match mark.
    if (f.player < 0 || f.player >= PlayerTotalCount || LoadI16(f.stats + PLAYER_STATS_MARK) <= 0) continue;
    f.positionType = GNW_GetPositionType(f.player);
    f.slot = tactic != nullptr && place < TACTICS_SLOTS ? tactic + TACTICS_SLOT_SIZE * place : nullptr;
    for (const MatchRule& rule : kMatchRules)
      if (rule.failed(f)) w.Add(rule.code, f.player);
  }
  return w.Count();
}

int16_t GNW_BuildSquadReport(int16_t club) {
  const uint8_t* tactic = CurrentTacticRecord();
  AdviceWriter w(0);
  const int length = GNW_FillSquadList(club);
  int16_t bestDefence = 0, bestMidfield = 0, bestAttack = 0;
  for (int i = 0; i < length; ++i) {
    const int16_t p = SquadList[i];
    if (p < 0) continue;
    const int16_t shirt = GNW_GetPlayerShirt(p);
    if (shirt < 1 || shirt > 11) continue;
    ReportOnPlayer(w, p, tactic);
    const int16_t experience = GNW_GetPlayerExperiencePercent(p);
    const int16_t position = GNW_GetPlayerPosition(p);
    int16_t* best = position >= 1 && position <= 4    ? &bestDefence
                    : position >= 5 && position <= 9  ? &bestMidfield
                    : position >= 10 && position <= 12 ? &bestAttack
                                                        : nullptr;
    if (best != nullptr && experience > *best) *best = experience;
  }
  const int16_t after = length < SQUAD_LIST_SIZE ? SquadList[length] : int16_t{-1};
  struct {
    int16_t best, green, inexperienced;
  } groups[] = {{bestDefence, ADVICE_DEFENCE_GREEN, ADVICE_DEFENCE_INEXPERIENCED},
                {bestMidfield, ADVICE_MIDFIELD_GREEN, ADVICE_MIDFIELD_INEXPERIENCED},
                {bestAttack, ADVICE_ATTACK_GREEN, ADVICE_ATTACK_INEXPERIENCED}};
  for (const auto& g : groups) {
    const int scaled = g.best * 100 / 60;
    if (scaled < 20) w.Add(PairCode(g.green), after);
    else if (scaled < 40) w.Add(PairCode(g.inexperienced), after);
  }
  return w.Count();
}

const char* GNW_GetAdviceText(int16_t code) {
  for (const AdviceText& t : kAdviceTexts)
    if (t.code == code) return t.text != nullptr ? t.text : GetTextNoAddr(code);
  return "";
}

int16_t GNW_GetMatchPlayerRating(int16_t slot, int16_t side, int16_t group, int16_t) {
  return ClubSim.matchPlayerRating(slot, side, group);
}

// ======================================================================
// Best players by position
// ======================================================================

void GNW_ClearTopPlayerTable() {
  for (int i = 0; i < TOP_PLAYER_PLACES; ++i) TopPlayers.players[i] = TopPlayers.values[i] = -1;
}

void GNW_SetTopGoalkeeper(int16_t player, int16_t value) {
  if (value <= TopPlayers.values[0]) return;
  TopPlayers.players[0] = player;
  TopPlayers.values[0] = value;
}

void GNW_InsertTopDefender(int16_t player, int16_t value) {
  InsertTop(TOP_DEFENCE_FIRST, TOP_DEFENCE_END, player, value);
}
void GNW_InsertTopMidfielder(int16_t player, int16_t value) {
  InsertTop(TOP_MIDFIELD_FIRST, TOP_MIDFIELD_END, player, value);
}
void GNW_InsertTopForward(int16_t player, int16_t value) { InsertTop(TOP_ATTACK_FIRST, TOP_ATTACK_END, player, value); }

void GNW_BuildTopPlayerTables(int16_t mode, int16_t division) {
  if (mode < 0 || mode > 4) return;
  for (int16_t p = 0; p < PlayerCount; ++p) {
    if (GNW_IsPlayerManager(p) != 0) continue;
    const int16_t club = GNW_GetPlayerClub(p);
    if (!IsWorldClub(club) || GNW_GetClubCountry(club) != GNW_GetGameCountry()) continue;
    const int16_t type = GNW_GetPositionType(p);
    if (type < TYPE_KEEPER || type > TYPE_ATTACK) continue;
    const int16_t stored = Player_GetAge(p);
    bool wanted = false;
    switch (mode) {
      case 0:
      case 2: wanted = GNW_GetClubDivisionIndex(club) == division; break;
      case 1: wanted = true; break;
      case 3: wanted = stored < YOUNG_STORED_AGE; break;
      case 4: wanted = stored + AGE_OFFSET > OLD_AGE; break;
    }
    if (!wanted || (mode != 1 && GNW_IsRegularPlayer(p, club) == 0)) continue;
    const int16_t perf = GNW_GetPlayerPerf(p);
    const int16_t value = mode == 1   ? GNW_GetPlayerDispoints(p)
                          : mode == 2 ? static_cast<int16_t>(PERF_MAX - perf)
                                      : perf;
    switch (type) {
      case TYPE_KEEPER: GNW_SetTopGoalkeeper(p, value); break;
      case TYPE_DEFENCE: GNW_InsertTopDefender(p, value); break;
      case TYPE_MIDFIELD: GNW_InsertTopMidfielder(p, value); break;
      default: GNW_InsertTopForward(p, value); break;
    }
  }
}

int16_t GNW_FindClubBestRegular(int16_t club) {
  const int16_t length = GNW_FillSquadList(club);
  int16_t best = -1, bestPerf = -1;
  for (int i = 0; i < length; ++i) {
    const int16_t p = SquadList[i];
    if (GNW_IsRegularPlayer(p, club) == 0) continue;
    const int16_t perf = GNW_GetPlayerPerf(p);
    if (perf > bestPerf) {
      best = p;
      bestPerf = perf;
    }
  }
  return best;
}

int16_t GNW_FindClubTopScorer(int16_t club) {
  const int16_t length = GNW_FillSquadList(club);
  int16_t best = -1, bestGoals = 0;
  for (int i = 0; i < length; ++i) {
    const int16_t p = SquadList[i];
    if (GNW_GetPositionType(p) == TYPE_KEEPER) continue;
    const int16_t goals = GNW_GetPlayerGoals(p);
    if (goals > bestGoals) {
      best = p;
      bestGoals = goals;
    }
  }
  return best;
}

// ======================================================================
// Manager event lists
// ======================================================================

void GNW_SetManagerEvent(int16_t manager, int16_t value, int16_t entry, int16_t kind, int16_t value2) {
  ClubSim.managerListSet(manager, entry, kind, value, value2);
}
int16_t GNW_FindFreeManagerEvent(int16_t manager) { return ClubSim.managerListFindFree(manager); }
void GNW_ClearManagerEventKinds(int16_t manager) { ClubSim.managerListDropKinds(manager); }
int16_t GNW_GetManagerEventKind(int16_t manager, int16_t entry) { return ClubSim.managerListGetKind(manager, entry); }
int16_t GNW_GetManagerEventValue(int16_t manager, int16_t entry) { return ClubSim.managerListGetA(manager, entry); }
int16_t GNW_GetManagerEventValue2(int16_t manager, int16_t entry) { return ClubSim.managerListGetB(manager, entry); }

// ======================================================================
// For the career tool
// ======================================================================

namespace {

std::string ClubLabel(int16_t club) {
  if (!IsWorldClub(club)) return "none";
  return GNW_GetClubName(GNW_GetClubDbId(club));
}

std::string Format(const char* format, int a, int b = 0) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, a, b);
  return buffer;
}

struct RecordKind {
  const char* name;
  int32_t (*value)(int16_t club);  // a club's own record
  std::string (*text)(int16_t club);
};

std::string WinText(int16_t c) {
  return Format("%d-%d", GNW_GetClubRecordWinGoalsFor(c), GNW_GetClubRecordWinGoalsAgainst(c));
}
int32_t WinRank(int16_t c) {
  // The widest margin first, then the most goals scored (goals are 5 bits).
  return (GNW_GetClubRecordWinGoalsFor(c) - GNW_GetClubRecordWinGoalsAgainst(c)) * 64 + GNW_GetClubRecordWinGoalsFor(c);
}

constexpr RecordKind kRecordKinds[] = {
    {"record fee paid", [](int16_t c) { return GNW_GetClubRecordBuy(c); },
     [](int16_t c) { return Format("%d", GNW_GetClubRecordBuy(c)); }},
    {"record win", WinRank, WinText},
    {"highest gate", [](int16_t c) { return GNW_GetClubRecordCrowd(c); },
     [](int16_t c) { return Format("%d", GNW_GetClubRecordCrowd(c)); }},
    {"most points in a season", [](int16_t c) -> int32_t { return GNW_GetClubRecordPointsTotal(c); },
     [](int16_t c) { return Format("%d", GNW_GetClubRecordPointsTotal(c)); }},
    {"most goals in a season", [](int16_t c) -> int32_t { return GNW_GetClubRecordGoalsTotal(c); },
     [](int16_t c) { return Format("%d", GNW_GetClubRecordGoalsTotal(c)); }},
    {"most disciplinary points in a season", [](int16_t c) -> int32_t { return GNW_GetClubRecordDispoints(c); },
     [](int16_t c) { return Format("%d", GNW_GetClubRecordDispoints(c)); }},
    {"most goals by a player in a season", [](int16_t c) -> int32_t { return GNW_GetClubRecordGoals(c); },
     [](int16_t c) { return Format("%d", GNW_GetClubRecordGoals(c)); }},
};

// The game country's holders through the finders, in the order of kRecordKinds.
int16_t CountryHolder(int kind) {
  int16_t a = 0, b = 0;
  switch (kind) {
    case 0: {
      int16_t buyer = -1;
      GNW_FindRecordBuyClub(&a, &b, &a, &buyer);
      return buyer;
    }
    case 1: return GNW_FindRecordWinClub(&a, &b);
    case 2: return GNW_FindRecordCrowdClub(&a, &b);
    case 3: return GNW_FindRecordPointsTotalClub(&a, &b);
    case 4: return GNW_FindRecordGoalsTotalClub(&a, &b);
    case 5: return GNW_FindRecordDispointsClub(&a, &b);
    default: return GNW_FindRecordGoalsClub(&a, &b);
  }
}

// "none" when no club holds the record (no club, or a record never set).
std::string Line(const RecordKind& kind, int16_t holder) {
  if (!IsWorldClub(holder) || kind.value(holder) <= 0) return std::string(kind.name) + ": none";
  return std::string(kind.name) + ": " + ClubLabel(holder) + " " + kind.text(holder);
}

}  // namespace

std::vector<std::string> GNW_DescribeRecordHolders(int16_t division) {
  std::vector<std::string> lines;
  lines.push_back("country records");
  for (int k = 0; k < static_cast<int>(std::size(kRecordKinds)); ++k)
    lines.push_back("  " + Line(kRecordKinds[k], CountryHolder(k)));
  if (division < 0 || division >= NUM_DIVISIONS) return lines;
  lines.push_back(Format("division %d records", division + 1));
  for (const RecordKind& kind : kRecordKinds) {
    int16_t best = -1;
    for (int16_t place = 0; place < GNW_GetDivisionSize(division); ++place) {
      const int16_t club = GNW_GetDivisionClub(division, place);
      if (IsWorldClub(club) && (best < 0 || kind.value(club) > kind.value(best))) best = club;
    }
    lines.push_back("  " + Line(kind, best));
  }
  return lines;
}
