// One reset for the whole library. Every module that keeps state registers a
// function that puts that state back as it is at program start; a test calls
// ResetAllModules() before and after it runs, so no test sees another's world.
//
// A module registers from its own source file, next to its state:
//
//   REGISTER_RESET(RESET_WORLD, Clubs_Reset);
//
// A module the program does not link has no state to reset, so registering
// from the module itself never misses one that is there. Resets run layer by
// layer (the platform first, then the engine, ...), in registration order
// within a layer.
#pragma once

enum ResetLayer {
  RESET_PLATFORM = 0,
  RESET_ENGINE,
  RESET_WORLD,
  RESET_SEASON,
  RESET_CLUBSIM,
  RESET_MENUS,
  RESET_MATCH,       // the match engine's records, seams and loaded motions
  RESET_MATCH_PLAY,  // what one match plays out: cleared as every match starts
  RESET_PRESENTATION,
  RESET_RENDER,
  RESET_LAYER_COUNT
};

typedef void (*ResetFunc)();

// Adds a reset; answers a dummy value so it can initialise a file-local object.
int RegisterReset(ResetLayer layer, ResetFunc function, const char* name);

// Runs every registered reset, layer by layer.
void ResetAllModules();
// Runs the resets of the layers from `first` on. A program runs those above
// the platform once at its start (the platform layer is set up by then: its
// back end, clock and event script), so every module starts from exactly the
// state its reset gives, as in the tests.
void ResetModulesFrom(ResetLayer first);
// Runs the resets of one layer only (a match played inside a running game
// starts each time from the match layer's start state).
void ResetModulesOf(ResetLayer layer);

// Number of registered resets and the name of one (tests, reports).
int ResetCount();
const char* ResetName(int index);

#define RESET_CONCAT_INNER(a, b) a##b
#define RESET_CONCAT(a, b) RESET_CONCAT_INNER(a, b)
#define REGISTER_RESET(layer, function)                                              \
  [[maybe_unused]] static const int RESET_CONCAT(gResetRegistration_, __LINE__) = \
      RegisterReset(layer, function, #function)
