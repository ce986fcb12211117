// The game data the build makes (build/game): tests that need the real
// motion clips open its hard-disk pak as the match does.
#pragma once

#include <cstdlib>
#include <filesystem>

#include "engine/pakfile.h"

// The folder of the built game data: GAFFERON_BINARY_DIR/game, else the
// folder game/ of the build the test binary belongs to.
inline std::filesystem::path BuiltGameDir() {
  const char* binary = std::getenv("GAFFERON_BINARY_DIR");
  const std::filesystem::path build = binary != nullptr
                                          ? std::filesystem::path(binary)
                                          : std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path();
  return build / "game";
}

// Opens the built game's hard-disk pak by its full path as the only pak.
inline void OpenBuiltHardDiskPak() {
  PakFileInit();
  PakFileAdd((BuiltGameDir() / "pakfiles" / "hdcommon").string().c_str());
  PakFileAddDone();
}

// Runs body with the built game folder as the working directory and its
// hard-disk pak open, then goes back; false (body not run) when the build
// has no game data.
template <class Body>
bool WithBuiltHardDiskPak(Body body) {
  const std::filesystem::path game = BuiltGameDir();
  if (!std::filesystem::exists(game / "pakfiles" / "hdcommon.pki")) return false;
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(game);
  PakFileInit();
  PakFileAdd("pakfiles\\hdcommon");
  PakFileAddDone();
  body();
  std::filesystem::current_path(previous);
  return true;
}
