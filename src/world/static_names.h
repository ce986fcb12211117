// The makings of the world's invented names: the surname table is laid out
// in runs by name style (English, Scottish, Italian, ...), each player's
// surname coming from the run of his nationality's style; and per style the
// syllables the surnames are built from and a list of first names.
#pragma once

#include <cstdint>

enum NameStyle : int {
  STYLE_ENGLISH, STYLE_SCOTTISH, STYLE_ITALIAN, STYLE_GERMAN, STYLE_SPANISH, STYLE_DUTCH,
  STYLE_FRENCH, STYLE_PORTUGUESE, STYLE_FLEMISH, STYLE_NORDIC, STYLE_SLAVIC, STYLE_BALKAN,
  STYLE_AFRICAN, STYLE_ASIAN,
  NUM_NAME_STYLES
};

struct SurnameRun {
  int16_t first;  // first surname index of the run
  int16_t end;    // one past the last
};
// The runs cover surname indices 0-16383 in style order; the table's entries
// from 16384 on (which no player identity can name) take the styles in turn.
extern const SurnameRun SurnameRuns[NUM_NAME_STYLES];

struct NameSyllables {
  const char* const* starts;
  int numStarts;
  const char* const* ends;
  int numEnds;
  const char* const* firstNames;
  int numFirstNames;
  const char* const* particles;  // written before the surname, with a space
  int numParticles;
  int particlePercent;           // how often a surname takes a particle
};
extern const NameSyllables NameStyleSyllables[NUM_NAME_STYLES];

// The name style of a nationality code 0-104.
NameStyle NameStyleOf(int nationality);
