// The software match's data set, written by gensoft: each file below makes
// one family of files under the output folder. Every family draws from its
// own generator, seeded from the data-set seed and the family's number, so
// that adding a family never changes another's bytes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <random>
#include <vector>

using SoftBytes = std::vector<uint8_t>;

// Writes `bytes` as DIR/relative (folders made as needed); false on failure
// (said on stderr).
bool WriteSoftFile(const std::filesystem::path& dir, const std::filesystem::path& relative, const SoftBytes& bytes);

// The generator of family `family` for the data-set seed.
std::mt19937 SoftRandom(long seed, uint32_t family);

// The families, in the order main runs them; each answers false on failure.
bool WriteSoftPalettes(long seed, const std::filesystem::path& dir);  // palettes\ingame
bool WriteSoftKits(long seed, const std::filesystem::path& dir);     // kit and skin textures, palettes\kits
bool WriteSoftModels(long seed, const std::filesystem::path& dir);    // models and world textures
bool WriteSoftFonts(long seed, const std::filesystem::path& dir);     // miscgfx: fonts and 2D graphics
bool WriteSoftGround(long seed, const std::filesystem::path& dir);    // zvdata\software\misc\textures: grass, lines
