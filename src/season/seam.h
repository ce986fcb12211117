// Entry points of the parts of the game that the world facade and the season's
// own modules call but that are not built yet: the season engine (the match
// day, the new game, the end of the season, the cup draws, the season's awards,
// the moving of a league fixture), the world's honours and weekly account, the
// club simulation, the club screens, the menu system and the league screens.
//
// Each entry point is a function pointer in one table per part. At start every
// entry points at a stub that notes the call (its name and arguments) in the
// seam log and answers a neutral value, so a test of one part sees what it
// asked of the others. Seam_ConnectGame points the entries whose parts exist
// at the real functions: the game does so as it starts, and so do the tools
// and tests that run whole days. Seam_Reset puts every stub back and empties
// the log.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SeasonEngineSeam {
  // The competition code of the human manager's club's fixture today (-1
  // none); for a league fixture its division goes to *division.
  int16_t (*findHumanFixtureComp)(int16_t manager, int16_t* division);
  // The season's turning points that the day advance reaches: the end of the
  // league season (on Postdate), the play-off finals (17 days later), the next
  // season's set-up (when the year is over; it sets DayOfSeason to 0) and the
  // daily cup-draw step.
  void (*endOfSeason)();
  void (*addPlayOffFinals)();
  void (*startNewSeason)();
  void (*drawCupRound)();
  // The roll of honour's awards for one division (0-5) of the game country:
  // the four season awards on 15 June, the manager of the month at a month end.
  void (*selectManagerOfYear)(int16_t division);
  void (*selectPlayerOfYear)(int16_t division);
  void (*selectYoungPlayer)(int16_t division);
  void (*selectTopScorer)(int16_t division);
  void (*selectManagerOfMonth)(int16_t division);
  void (*cupDrawClearTable)();  // every entry of the cup-draw table -1 (the season's fixture generation)
  void (*setEuroCupHolders)();  // last season's winners of European cups 6 and 4 from the roll of honour
  void (*selectEuropeanEntrants)();  // the three European entrant lists of the new season
  void (*shuffleEuroEntrantsB)();    // European competition 5's entrants into its first round
  void (*clearHumanDealLists)();     // the human manager's agreed sales, pending contracts and approaches
  void (*addWeeklyMiscIncome)(int32_t amount);  // the human club's weekly account: miscellaneous income
  // Adds a copy of a league fixture on a later free day (Fixture_Reschedule):
  // the new slot, or -1 when no day is free and nothing was added. The caller
  // removes the old fixture.
  int16_t (*rescheduleFixture)(int32_t day, int16_t fixture);
  // What a new game (and a new season) asks of the fixture list, the roll of
  // honour, the cup draws, the balances, the play-off tables and the match day:
  void (*seasonResetFixturesAndTables)();  // every fixture slot empty; league rows (but positions) and crowds 0
  void (*honoursClearAll)();               // all 50 roll-of-honour seasons empty
  void (*clubInitSeasonData)();            // the clubs' season data as at a new game
  void (*honoursInitFromCountryRecord)();  // season 0 from the game country's record of last season
  void (*honoursShiftSeasons)();           // seasons 0-48 to 1-49, season 0 empty
  // Byte `index` (0-26) of roll-of-honour season `season` (0 the current): a
  // world club, 255 none.
  int16_t (*honoursGetHolder)(int16_t season, int16_t index);
  void (*clubsCarryBalancesForward)();     // every balance carried forward := the balance
  void (*setPlayoffClubs)(int16_t division, int16_t slot, int16_t club);  // PlayoffClubs[division][slot]
  void (*resetCareerRecords)();            // the world's career records: values 0, holders -1
  void (*resetMatchDayValues)();           // the match day's values and pairs -1
  // Packs the cup-draw table into its three saved chunks before a save; 0, or
  // a negative code when it does not fit (the save must not go on).
  int16_t (*packCupDrawTable)();
  // Rebuilds the cup-draw table from the saved chunks after a load; 0 or a negative code.
  int16_t (*unpackCupDrawTable)();
  // Checks the chunks of a file being loaded (group words 224 bytes, mask
  // words 640, values 800) without changing anything: 0 when they unpack
  // into a sound table, else the negative unpack code.
  int16_t (*cupDrawUnpack)(const uint8_t* groupWords, const uint8_t* maskWords, const uint8_t* values);
  // The decision of a cup tie after one of its matches (the cup ties).
  void (*cupTieResolve)(int16_t fixture, int16_t firstCode, int16_t competition, int16_t honourKind,
                        int16_t legBase);
  // The post-match updates of one side's players (side 0 home, 1 away).
  void (*updatePlayersAfterMatch)(int16_t club, int16_t side, int16_t fixture);
  // The home club's record and record low crowds.
  void (*updateCrowdRecords)(int16_t club, int32_t attendance, int16_t opponent);
  // The watched side's player match records for the report screens.
  void (*fillPlayerMatchRecords)(int16_t side);
  // A title or trophy into the roll of honour (the honours).
  void (*honoursRecordWinner)(int16_t club, int16_t kind);
  // Experience for every player of the club with a shirt (the honours).
  void (*clubAwardSquadExperience)(int16_t club, int16_t n);
  // The releases a relegation brings (the honours).
  void (*clubApplyRelegationClauses)(int16_t club);
  // The end of season's play-off table: 6 divisions x 4 club bytes, 255 empty
  // or beaten.
  uint8_t* (*getPlayoffTable)();
  // Gate money (after the levy) into the human club's weekly accounts.
  void (*addWeeklyMatchIncome)(int16_t club, int32_t amount);
};

struct ClubSimSeam {
  int16_t (*getClubManager)(int16_t club);  // 1 (the player that stands for no manager) when it has none
  void (*clearClubCaptainFlags)(int16_t club);
  // Shirts for a match of the competition code of the squad list's players;
  // the current-manager word (below) names the club's manager first. Mode 0 a
  // look at the side, 1 the match day's pick (bans served).
  void (*selectMatchTeam)(int16_t club, int16_t competition, int16_t mode, int16_t substitutes);
  // The same, keeping the shirts already given.
  void (*completeMatchTeam)(int16_t club, int16_t competition, int16_t mode, int16_t substitutes);
  void (*humanClubsAppointCoach)(int16_t value);
  void (*computerClubsHireStaff)(int16_t first, int16_t second);
  void (*updateTransferWindows)(int16_t first, int16_t second);
  int16_t (*getPlayerTacticType)(int16_t player);
  void (*estimatePlayerStats)(int16_t player);
  // The steps of the day's tick (season/calendar.h), in the order it runs
  // them. Every day: the unrest event (on about one day in seven), then the
  // daily steps; then updateTransferWindows(1, 1).
  void (*squadUnrestEvent)();
  void (*clubsDailyTeamDecay)();
  void (*dailyClubAI)();
  void (*computerClubsBuyPlayers)();
  void (*dailyInjuryStep)();
  void (*reserveClearAllPicked)();
  // On the day a month ends: these two, computerClubsHireStaff, and the
  // board's verdict during the league season.
  void (*monthlyContractStep)();
  void (*rerollStaffCandidates)();
  void (*postBoardConfidenceNews)();
  // Weekday 2 (the weekly money totals are cleared between the third and the
  // fourth).
  void (*boardResignationEvent)();
  void (*newChairmanWindfallEvent)();
  void (*buildReputationTable)();
  void (*weeklyWagePayments)();
  void (*weeklyLoanStep)();
  void (*weeklyYouthStep)();
  // The week's first day (weekday 0; weekday 1 in game country 2).
  void (*applyClubInterestAndDebt)();
  void (*weeklySuspensionCountdown)();
  // The new year (the end of a day's advance).
  void (*payClubSponsorship)();
  void (*clubsYearEndGroundUpdate)();
  void (*yearEndPlayerTurnover)();
  // A player hurt in a match goes on the injury list (injury value from the match).
  void (*injurePlayer)(int16_t player, int16_t injury, int16_t club);
  // Flags the starter of the current squad list's club with the best claim to
  // the armband as its captain (the caller builds the club's list first).
  void (*pickTeamCaptain)();
  // The club's first player with the captain flag, -1 none.
  int16_t (*findClubCaptain)(int16_t club);
  int16_t (*calcClubFormScore)(int16_t club);  // 0-60 from the last 30 days' results
  int16_t (*calcRepRankScore)(int16_t club);   // 0-24: league rank against reputation rank
  void (*fillReservePool)();                   // the reserve pool from free agents and unattached players
  void (*setAllClubsExpectedPlace)();          // every league club's expected place
  // The new game's steps of the club simulation:
  void (*clearJobOffer)();             // the current human manager's job offer -1
  void (*managerListClear)();          // the 500 entries of the manager list 0
  void (*clearGroundRedevelopment)();  // the human club's four stand projects none
  // The money limits of a club whose squad list the caller has just built:
  int32_t (*calcClubMaxWage)(int16_t club);        // the highest weekly wage it pays, at most 50,000
  int32_t (*getClubSpendingBudget)(int16_t club);  // what it may spend on players
  void (*humanGroundRedevelopment)(int16_t club);  // carries out the ground plans of the club's human manager
  // The board's scores and the records pages:
  int16_t (*calcFinanceScore)(int16_t club);       // 0-16: the balance against the division's money
  int16_t (*boardWouldSackManager)(int16_t club);  // 1 when form + finance + rank score < 35
  // The rating 0-9 of skill group 0-5 of squad place `slot` of a side in the match just played.
  int16_t (*matchPlayerRating)(int16_t slot, int16_t side, int16_t group);
  // The human managers' event lists: 500 entries (kind 0 free, a, b) per manager.
  void (*managerListSet)(int16_t manager, int16_t entry, int16_t kind, int16_t a, int16_t b);
  int16_t (*managerListFindFree)(int16_t manager);  // first entry of kind 0, else -1
  void (*managerListDropKinds)(int16_t manager);    // entries of kind 9-13 become kind 0
  int16_t (*managerListGetKind)(int16_t manager, int16_t entry);
  int16_t (*managerListGetA)(int16_t manager, int16_t entry);
  int16_t (*managerListGetB)(int16_t manager, int16_t entry);
  // A computer-run club that wants the player (his contract ran out), else -1.
  int16_t (*findClubForPlayer)(int16_t player);
  // The fee the club offers for the player, or -1 when it will not bid.
  int32_t (*calcComputerOfferPrice)(int16_t player, int16_t club);
  void (*staffContractCountdown)();    // the month's countdown of the clubs' staff contracts
  void (*trainingStep)();              // the day's training of every club (not on weekday 1)
  // The transfer market as the human manager's deals use it (the world facade):
  int32_t (*getPlayerValue)(int16_t player);        // the value clubs, bids and screens use
  int32_t (*getPlayerAskingPrice)(int16_t player);  // what the owning club asks
  void (*bidInfoStart)(int16_t player, int16_t slot);  // the player's answer countdown in that answer slot
  void (*clubBidWithdrawPlayer)(int16_t club, int16_t player);     // the club's bid slots naming him emptied
  int16_t (*clubBidCountForPlayer)(int16_t club, int16_t player);  // bids for him held by the other clubs
  // The club's bid in the slot of the position's group: the player, -1 when it is taken.
  int16_t (*makeTransferOffer)(int16_t club, int16_t player, int32_t price, int16_t position, int16_t clause);
  // The fee a bidding club settles on when the human manager sells.
  int32_t (*evaluateBidForPlayer)(int16_t player, int32_t askingPrice, int16_t turn, int16_t club,
                                  int16_t* patience, int16_t rounds, int16_t clause);
  // The owning club's asking price after the human manager's offer.
  int32_t (*evaluatePlayerOffer)(int16_t player, int32_t offer, int32_t previousOffer, int32_t askingPrice,
                                 int16_t turn, int16_t club, int16_t* patience, int16_t clause);
  // A player's verdict on a contract offer: 0 refused, else his contract then (conclude applies it).
  int16_t (*evaluateContractOffer)(int16_t player, int16_t club, int16_t months, int16_t brClause,
                                   int16_t rrClause, int32_t wage, int16_t* patience);
  int16_t (*concludeContractOffer)(int16_t player, int16_t club, int16_t months, int16_t brClause,
                                   int16_t rrClause, int32_t wage, int16_t* patience);
  void (*loanPlayer)(int16_t player, int16_t club);  // starts his loan to the club, or ends his loan
  // Moves the player to the buyer for the fee, pays it and logs the transfer.
  void (*completeTransfer)(int16_t player, int16_t buyer, int32_t fee, int16_t clause);
  // The current human manager's job offers:
  void (*applyForManagerJob)(int16_t club);  // his application recorded as a job offer
  int16_t (*getJobOfferClub)();              // -1 none
  int16_t (*getJobOfferExpiry)();
  int16_t (*getJobOfferKind)();              // 1 an offer, 0 a refusal
  void (*releaseClubManager)(int16_t club);  // the club's manager leaves, its post vacant
};

struct ClubScreensSeam {
  void (*trainingBufferInit)();
  void (*trainingBufferSync)();
  void (*saveTrainingSliders)(int16_t value);
  void (*resetTrainingSliders)(int16_t value);
  void (*snapshotSquadProgress)(int16_t club);
};

// The world's records that the season writes: the roll of honour and the
// human club's weekly account.
struct WorldRecordsSeam {
  void (*recordHonour)(int16_t club, int16_t kind);  // Honours_RecordWinner
  void (*addWeeklyMiscIncome)(int32_t amount);       // the weekly account's miscellaneous income
  // One completed transfer into the transfer log (dated today): the selling
  // and buying clubs as the log names them (database club numbers, a player
  // of the reserve pool by his reserve slot), the player and the fee.
  void (*addTransferLogEntry)(int16_t sellingClub, int16_t buyingClub, int16_t player, int32_t fee);
  // A bid the human manager's club won waits in his first free contract slot
  // for his decision (not twice); nothing when all four are taken.
  void (*addHumanContract)(int16_t manager, int16_t player);
};

struct MenuSystemSeam {
  void (*setBusyPointer)(int16_t enter);  // 1 enter, 0 leave (nested)
  void (*doBackground)(int16_t background);
  void (*saveScreenBackground)();
  void (*updateMenuScreen)();
  void (*chooseMatchViewMode)(int16_t first, int16_t value);  // the league screens' view choice
  void (*loadNamesFile)();  // stats\names.dat into the name buffer (after a load)
  // The 48-byte kit design a side wears (null for none): with contrast 0 the
  // home club's home kit, with 1 the other club's kit that clashes least with
  // it (club numbers of the world).
  const uint8_t* (*getTeamDesign)(int16_t homeClub, int16_t otherClub, int16_t contrast);
  void (*uninitMenuSystem)();  // before a watched match
  void (*initMenuSystem)();    // after it
  void (*pollWhileProcessing)();  // the keep-alive of long day processing
  // One run of the match report's menu (item list 0, 2 or another value);
  // leaving the report sets bit 0 of *reportFlags.
  void (*runMatchReportMenu)(int16_t list, uint8_t* reportFlags);
  // The human club's current tactic number (0-39 stock, 40-51 custom) and a
  // tactic's 330-byte TacticsRecord (null for none).
  int16_t (*getCurrentTactic)();
  const uint8_t* (*getTacticRecord)(int16_t tactic);
};

// The match engine: the watched match of a human-managed club.
struct MatchEngineSeam {
  // Plays the match the MatchSetup describes and answers the MatchResult.
  uint8_t* (*playMatchGetResult)();
  // The side's in-match formation slots from its tactic.
  void (*footballSetupTeamFormation)(int16_t side);
  // Each team block's tactic: a human side's choice, a computer side's stock one.
  void (*setMatchSetupTactics)();
};

extern SeasonEngineSeam SeasonEngine;
extern ClubSimSeam ClubSim;
extern ClubScreensSeam ClubScreens;
extern WorldRecordsSeam WorldRecords;
extern MenuSystemSeam MenuSystem;
extern MatchEngineSeam MatchEngine;

// The club simulation's current-manager word: the manager whose choices a
// team selection follows.
extern int16_t CurrentManager;
// The menu system's club being viewed (-1 none).
extern int16_t ViewedClub;

// One call that reached a stub.
struct SeamCall {
  std::string name;  // the entry point's name, e.g. "AdvanceDay"
  std::vector<int32_t> args;
};
const std::vector<SeamCall>& Seam_Calls();
// Calls of one entry point in the log.
int Seam_CountCalls(const char* name);
void Seam_ClearCalls();

// Every pointer at its stub, the log empty, no current manager, no club viewed.
// A few stubs do more than note their call, so that a match day can be played
// before their parts exist: team selection picks a stand-in team
// (season/teamsel_standin.h), the match engine plays the watched match in the
// background simulation (PlayMatchInBackgroundStandIn, season/playfix.h), the
// match report is left at once and the play-off table stub is an empty one.
void Seam_Reset();

// Points every entry whose part exists at its real function.
void Seam_ConnectGame();

// The match engine for the watched matches of human-managed clubs (the game
// does so as it starts; a tool may keep the background simulation for speed).
// The computer sides' tactic: the manager's tactic type x 5 + his style, his
// personality band / 2 (0-4).
void Seam_ConnectMatchEngine();
// The tactic number a computer side's manager picks, as above (0 for no
// manager).
int16_t ComputerSideTactic(int16_t manager);
