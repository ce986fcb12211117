// New players. The world's player count never changes: a player who retires
// is made again in his own record as a 16-year-old newcomer, keeping only his
// name, looks, nationality, position and character; and a club's youth set-up
// takes unattached players on as trainees, made young again the same way.
#pragma once

#include <cstdint>

// The letters a newcomer's initial is drawn from (common ones twice).
constexpr const char* NEWCOMER_INITIALS = "AABCCDDFGGHIJJKLMMNNOPPRSSTTWV";
constexpr int NUM_NEWCOMER_INITIALS = 30;

// A club of the world (a full or a minor record) whose squad is below this
// size may take a foreign newcomer.
constexpr int16_t NEWCOMER_SQUAD_LIMIT = 32;

// The player retires ("$0p has retired from the game.", or the manager's
// wording for a manager) and is made again as a newcomer: a new initial,
// stored age 0, no contract, clauses, wage, career, season figures, fatigue,
// captaincy, bans, points, injury (his injury-list slot is freed), transfer
// or loan listing, request, market price, sale status, reputation,
// experience or training; fitness 30, morale 60, no shirt, no manager flags,
// no cup ties, no career-log entries; new physical and ability stats and a new
// ability curve. He is a free agent (club 254), or, held for a club abroad
// (his reserve slot), in the reserve pool (252). A free agent who is not of
// the game country joins the club of his own country with the smallest squad
// below 32 (the first on a tie); with none he stays a free agent. Players 0
// and 1 (the human manager and the record that stands for no manager) and
// numbers outside the full records are never made again.
void RegeneratePlayer(int16_t player);

// The player is made again as a trainee of the club, as RegeneratePlayer
// makes a newcomer but without the retirement news: his ability curve
// depends on the youth development officer's level y (0-10; the higher, the
// better his prospects), a year's contract at the club with wage 2 (units of
// 25), and the news of his signing and an event in the club's log.
void YouthPlayer(int16_t player, int16_t club, int16_t ydoLevel);

// The week's youth intake (weekday 2): one draw decides whether clubs look
// for a keeper (one week in seven) or an outfield player. Each club of the
// game country's league with at most 28 players and a youth coach of level c
// above 0 takes a trainee with a chance of c in 120: the first unattached
// player (above player 1) who is no manager, of the wanted kind and without
// a pending bid answer becomes its YouthPlayer.
void YouthIntake();

// Told of every player made again (a retired player or a trainee), after his
// record is new: the world check starts his season figures afresh there.
extern void (*PlayerRemadeWatcher)(int16_t player);
