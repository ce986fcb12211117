// The FILM reader: animations of 8-bit frames with an optional palette.
//
// A FILM file is a 64-byte header ("FILM" at 0, the version word at 4 whose
// upper 16 bits are the version 1-3, the width at 8 and the height at 10,
// 16-bit) followed by frames. Versions 1 and 2 give each frame an 8-byte
// header {size, type}; version 3 a 16-byte one {stored size, type, unpacked
// size, packing mark} with the data stored as it is (mark 0xFFFFFFFF) or as
// a CMP0 block. Frames decode into a width x height buffer of pixels: raw
// frames, deltas of (skip, value) pairs, quarter-size, half-height and
// half-width frames, and raw frames with a 768-byte palette.
//
// Nothing is trusted: a delta never writes past the frame, a frame is never
// longer than the bytes left in the file, and a version-3 frame never
// unpacks to more than width x height + 768 bytes.
#pragma once

#include <cstdint>

struct PakFileEntry;

constexpr uint32_t FILM_HEADER_SIZE = 64;
constexpr uint32_t FILM_PALETTE_SIZE = 768;
constexpr uint32_t FILM_UNPACKED = 0xFFFFFFFFu;  // the packing mark of data stored as it is

enum FilmFrameType : uint32_t {
  FILM_RAW = 1,
  FILM_DELTA = 2,
  FILM_OLD_PALETTE = 3,
  FILM_QUARTER = 4,
  FILM_RAW_PALETTE = 5,
  FILM_HALF_HEIGHT = 6,
  FILM_HALF_WIDTH = 7,
};

struct Film {
  PakFileEntry* file = nullptr;    // the open file, or
  const uint8_t* memory = nullptr; // the caller's bytes
  uint32_t size = 0;               // of the file
  uint32_t position = 0;           // the next frame's header
  uint32_t version = 0;            // the whole version word
  uint16_t width = 0, height = 0;
  uint8_t palette[FILM_PALETTE_SIZE] = {};
  bool hasPalette = false;         // a frame has given the palette
};

// What decoding a frame came to.
enum FilmResult {
  FILM_OK = 0,
  FILM_AT_END,
  FILM_ERR_FRAME_SIZE,         // a size that does not fit its type or the file
  FILM_ERR_OBSOLETE_PALETTE,   // a type-3 frame
  FILM_ERR_UNKNOWN_TYPE,
  FILM_ERR_UNKNOWN_VERSION,
  FILM_ERR_STORED_SIZE,        // version 3: stored data of another size than unpacked
  FILM_ERR_DECOMPRESS,         // version 3: the block does not unpack to its size
};

// Opens a film through the pak system and reads its header; null unless it
// starts with "FILM" (a file shorter than the header included).
Film* OpenFilm(const char* name);
// The same over bytes in memory (kept by the caller while the film is open).
Film* OpenFilmMemory(const uint8_t* data, uint32_t size);
void CloseFilm(Film* film);

// Decodes the next frame into destination (width x height pixels): 0, or -1
// at the end of the file. A broken frame stops the program: a size that does
// not fit is the assertion "ReadFilmFrame(): frame size wrong", an unknown
// version "ReadFilmFrame(): unknown film version", a type-3 frame and an
// unknown type the fatal errors of their texts.
int ReadFilmFrame(Film* film, uint8_t* destination);
// The same without stopping: answers what the frame came to (the film moves
// on past a frame only when it decoded). *type gets the frame's type.
FilmResult DecodeFilmFrame(Film* film, uint8_t* destination, uint32_t* type = nullptr);
