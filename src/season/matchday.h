// The match day: today's fixtures played one at a time.
//
// The day loop calls PlayNextFixture (through the world facade's
// GNW_PlayNextFixture) until it answers 0. Each call takes the first unplayed
// fixture of today in list order, prepares it (the rules of the tie, the
// first-leg goals, the official, the ground, the crowd and its gate money,
// both squads in the MatchSetup), plays it (season/playfix.h: the match
// engine for a human club's match, the background simulation otherwise) and
// books the result: the fixture's score, the league table, the play-off
// table, promotion through a play-off final, the super cup, the cup tie, the
// players' and clubs' post-match updates and the human club's result news.
//
// A fixture's goal fields hold 0-14 (15 means not played), so a bigger score
// is stored as 14; the true score stays in the MatchResult and in
// CurrentMatchScores, and decides the tie.
#pragma once

#include <cstdint>

// ---- the match-day values, valid from PrepareFixture to the end of the same
// PlayNextFixture ----

// Home goals, away goals, home shoot-out score, away shoot-out score. After a
// second leg of a play-off semi-final the goals are the tie's (aggregates,
// away goals counting double when the aggregate is level).
extern int16_t CurrentMatchScores[4];
// The goals that this leg's home side and away side scored in the first leg
// of a two-legged tie (0 otherwise).
extern int16_t FirstLegGoals[2];
// The crowd of the fixture being played.
extern int32_t MatchAttendance;
// The rules of the tie: extra time and penalties (0 none), and 1 while the
// second leg of a two-legged tie is played.
extern int16_t ExtraTimeRule;
extern int16_t PenaltiesRule;
extern int16_t SecondLegFlag;
// How much of the crowd backs the home side, 0-100 (the away players feel it).
extern int16_t HomeCrowdShare;
// The fixture being played, -1 between fixtures.
extern int16_t MatchDayFixture;
// A word for the post-match updates, cleared for every fixture.
extern int16_t MatchNote;

// Shoot-outs of the matches played: bits 0-14 the fixture, bit 15 set when
// the away side won. A full list takes no more entries.
constexpr int MAX_SHOOTOUTS = 256;
constexpr int32_t SHOOTOUT_AWAY_WON = 0x8000;
extern int32_t ShootoutList[MAX_SHOOTOUTS];
extern int16_t ShootoutCount;

// Told of every side the match day picks: once before the selection (picked
// false) and once after it (picked true), with the club's squad list built
// both times. Nobody listens unless a check sets it (the world check does).
extern void (*MatchSideWatcher)(int16_t club, int16_t competition, bool picked);

// Fixtures played since the program started.
extern int16_t FixturesPlayedCount;
// The competition whose results the user follows (-1 none) and, for the
// league (code 0), its division.
extern int16_t FollowedCompetition;
extern int16_t FollowedDivision;

// The match report after a human club's match: the view word picks one of
// its three item lists (0, 2, any other value); the report's flag byte has
// bit 0 set when the user leaves the report.
extern int16_t MatchReportView;
extern uint8_t MatchReportFlags;
constexpr uint8_t REPORT_LEFT = 0x01;
constexpr uint8_t REPORT_CLEARED_AFTER = 0x10;
constexpr uint8_t REPORT_SHOWING = 0x20;

// The share of gate receipts paid away as the levy, in per cent: the season's
// second money rate (MoneyRate2), 17 at a new game and every new year.
int GateLevyPercent();

// ---- the day ----

// What PlayNextFixture answers.
constexpr int NO_FIXTURE_LEFT = 0;
constexpr int FIXTURE_PLAYED = 1;
constexpr int FOLLOWED_FIXTURE_PLAYED = 1000;

// Plays the first unplayed fixture of today: NO_FIXTURE_LEFT when there is
// none, FOLLOWED_FIXTURE_PLAYED when it belongs to the followed competition,
// else FIXTURE_PLAYED. The fixture played goes to *fixture (when not null).
int PlayNextFixture(int16_t* fixture);

// Fills the MatchSetup for the fixture and sets the match-day values.
void PrepareFixture(int16_t fixture);

// Fills the MatchSetup for a match between two clubs outside the fixture
// list (developer tools: the headless match, its batches), as a league
// fixture at the home club's ground is prepared: a referee of the day's pool
// (a new pool when all have a match), both sides picked by the match day's
// own selection, the tactics and the normalised skills. With cupRules the
// tie goes to extra time and penalties when level. No fixture is touched
// (MatchDayFixture is -1); the crowd is even and half the ground.
void PrepareClubMatch(int16_t home, int16_t away, bool cupRules);

// The crowd of the fixture (into MatchAttendance and the fixture) and the
// gate money it brings; answers the ground's capacity, the crowd's cap.
int32_t CalcAttendance(int16_t fixture);

// Books the match just played from the MatchResult: the scores and the
// shoot-out list, the fixture's goals, the match report, the post-match
// updates, the result news and the booking by competition.
void BookPlayedFixture(int16_t fixture);

// The stand kind of the match set-up: 1 for a small ground (below 16,000)
// that is not neutral, 7 otherwise.
int16_t StandKindOfGround(int32_t capacity, bool neutral);
// The crowd in quarters of the capacity, 0-3.
int CrowdLevel(int32_t crowd, int32_t capacity);

void MatchDay_Reset();
