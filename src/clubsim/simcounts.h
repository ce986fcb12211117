// What the club simulation has done since the counts were last cleared: the
// career tool prints them once a season, and the long runs judge them.
// Counting changes nothing the game reads.
#pragma once

#include <cstdint>

struct ClubSimCounts {
  int32_t injuries = 0;       // injuries (types 8-36) put on the injury list
  int32_t illnesses = 0;      // illnesses (types 1-7)
  int32_t awol = 0;           // players gone absent (type 0)
  int32_t requests = 0;       // transfer requests handed in
  int32_t withdrawn = 0;      // transfer requests withdrawn
  int32_t transfers = 0;      // permanent moves between clubs, for a fee or free
  int32_t transfersAbroad = 0;  // those of them with no league club of the game country
  int64_t fees = 0;           // money paid for those moves
  int32_t loans = 0;          // loans begun
  int32_t contractMoves = 0;  // players gone when their contract ran out
  int32_t listed = 0;         // players put on the transfer list by the squad planning
  int32_t bids = 0;           // bids made for players
  int32_t renewals = 0;       // contracts renewed at the player's own club
  int32_t reservesUsed = 0;   // players taken from the reserve pool for a side
  int32_t shortSides = 0;     // match-day sides with a shirt of 1-11 nobody could take
  int32_t minSquad = 0;       // the smallest and largest squad of a computer-run
  int32_t maxSquad = 0;       // league club of the game country on any day noted
  // Staff hiring, club money events, grounds and stands.
  int32_t staffHired = 0;     // staff posts filled from the market
  int32_t windfalls = 0;      // new chairmen's cash injections
  int32_t bailouts = 0;       // clubs deep in debt bailed out (their managers sacked)
  int32_t groundWorks = 0;    // stands enlarged or rebuilt at the year end (one per payment)
  // Boards, job offers and manager changes (the game country's league clubs).
  int32_t newManagers = 0;     // players their clubs named permanent playing managers
  int32_t sacked = 0;          // managers sacked by their boards
  int32_t resigned = 0;        // managers who resigned or walked out
  int32_t appointed = 0;       // managers appointed to a vacant or caretaker post
  int32_t caretakers = 0;      // players named caretaker managers
  int32_t longestVacancy = 0;  // the most days a post stood without a manager (or with a caretaker)
  // The year end, retirements and new players.
  int32_t retired = 0;  // players who retired and were made again as newcomers
  int32_t youth = 0;    // newcomers of every kind: those retired players and the clubs' trainees
};

extern ClubSimCounts ClubSimCount;

void ClubSimCounts_Clear();

// Notes the squad sizes of the game country's computer-run league clubs
// today in minSquad and maxSquad.
void ClubSimCounts_NoteSquads();
