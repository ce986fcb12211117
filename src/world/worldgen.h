// Making a new world from the source database (season/newgame.h loads it):
// the club-slot map, the stat templates every player's statistics are worked
// out from, the player records with their identities, the emptied injury,
// loan and bid lists, the cup seeding list and the two name bit sets.
//
// Everything is drawn from the game's generator (GameRandom) in a fixed order,
// so one seed and one game country always make the same world.
#pragma once

#include <cstdint>

#include "world/records.h"
#include "world/static_clubs.h"

// The game country's clubs in cup seeding order, world club numbers, -1 = empty (saved).
extern int16_t CupSeedingList[CUP_SEEDING_ENTRIES];

// Two sets of one bit per player number (bit p % 8 of byte p / 8), saved with
// the game: the players whose names are shown in their altered form. Set G
// holds the players of clubs of country 3, set D those of clubs of country 5
// but for database club 1011.
constexpr int NAME_BIT_SET_SIZE = MAX_PLAYERS / 8;
extern uint8_t NameBitSetG[NAME_BIT_SET_SIZE];
extern uint8_t NameBitSetD[NAME_BIT_SET_SIZE];
// 1 when the player's bit is set, 0 otherwise (and for a number outside the set).
int NameBitSet_Get(const uint8_t* set, int16_t player);

// Loads the source database (LoadTotStats).
void LoadWorldSourceData();

// The club-slot map of the game country's world: each club of the game
// country's club list whose source club record puts it in the game country's
// divisions 0-5 takes the next full record (0, 1, 2 ...), every other club the
// next minor record (250, 251 ...); a place of the list without a club gets
// no record (-1). Every club record starts empty. More clubs than either table
// holds is a fault of the database: a fatal error names it.
void ClubSlotMap_Build();

// The players of the new world: players 0 and 1 (the built-in managers; 1
// stands for no manager), then one player for each source record that makes
// one, numbered from 2 in record order. Before that the injury and loan lists
// are emptied and the stat templates built; after it the bid answers are
// emptied and the name bit sets filled. The clubs must be laid out first
// (Club_InitCountryClubs). A database that would make more players than the
// player table holds stops the game with a fatal error.
void CreateWorldPlayers();

// The 200 loan slots: player -1, club 255, 0 weeks. The 400 injury slots:
// player -1, type 0, time 0.
void ClearLoanSlots();
void ClearInjurySlots();

// The five tables of PlayerStatTables (personality, physical and ability
// templates, curve parameters, ability curves) and the 13 per-position lists
// of ability templates (AbilityStatsChoice), drawn afresh.
void BuildStatTemplates();
// The 13 per-position lists of ability templates again from the ability
// templates the tables hold (they are not saved: a load rebuilds them).
void BuildAbilityStatsChoice();

// Sets a new player's position from a source position code: 0-12 as they
// are, 14-16 a defender, midfielder or forward drawn at random, 13 the
// manager flag, 17 and up the bossvane flag and the code minus 17.
void AssignPlayerPosition(int16_t player, int16_t code);
// Draws the physical-stats code, up to 250 times, until the player's
// physical stat 14 reaches base.
void AssignPlayerPhysicalStats(int16_t player, int32_t base);
// Gives the player the next personality template (a cursor that goes round
// the 250 from player to player) whose fourth value is not below the limit.
void AssignPlayerPersonality(int16_t player, int32_t limit);
// Career appearances and goals of a new player from his age, position and
// the quality of his source record. A position outside 0-13 is fatal.
void InitPlayerCareerTotals(int16_t player, int sourceIndex);
// The ability curve of a new player: quality x 250 / 100, or with the
// training flag the curve below that which gives him the best stat of his
// position group now; at most 249, -1 when none does.
int16_t AbilityCurveChoice(int16_t player, int32_t quality, int16_t trainingFlag);
// A source record's quality as the world uses it: value x value / 80, kept to 16 bits.
int16_t SourceQuality(int16_t value);

// The cup seeding list from the game country's static seeding list, up to the
// first repeated entry; the rest -1.
void BuildCupSeedingList();
// Bubble passes moving clubs of lower divisions forward; empty entries stay.
void SortCupSeedingByDivision();
// Each club of the list to the place of its overall league rank.
void SortCupSeedingByLeaguePlace();

void EndWorldCreation();

void WorldGen_Reset();
