#include "support/career_world.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <map>
#include <string>
#include <tuple>

#include "platform/platform.h"
#include "season/careerrun.h"
#include "season/seam.h"
#include "support/source_db.h"
#include "world/funcs.h"
#include "world/savegame.h"

namespace fs = std::filesystem;

namespace {

constexpr int16_t kSlot = 1;

// The folders of the worlds played by this process, removed at its end.
class WorldFolders {
 public:
  // A death test's forked child ends through exit() too: only the process
  // that made the folders removes them.
  ~WorldFolders() {
    if (getpid() != owner_) return;
    std::error_code ignored;
    for (const auto& [key, path] : folders_) fs::remove_all(path, ignored);
  }
  // The world's folder and whether it already holds the saved world.
  std::pair<fs::path, bool> Folder(const CareerWorld& w) {
    const auto key = std::make_tuple(w.country, w.seed, w.club, w.seasons);
    if (auto found = folders_.find(key); found != folders_.end()) return {found->second, saved_[key]};
    const fs::path path = fs::temp_directory_path() /
                          ("gafferon_career_" + std::to_string(getpid()) + "_" + std::to_string(w.country) + "_" +
                           std::to_string(w.seed) + "_" + std::to_string(w.club) + "_" + std::to_string(w.seasons));
    fs::remove_all(path);
    fs::create_directories(path / "SaveData");
    folders_[key] = path;
    return {path, false};
  }
  void MarkSaved(const CareerWorld& w) { saved_[std::make_tuple(w.country, w.seed, w.club, w.seasons)] = true; }

 private:
  using Key = std::tuple<int, uint32_t, int, int>;
  pid_t owner_ = getpid();
  std::map<Key, fs::path> folders_;
  std::map<Key, bool> saved_;
};

WorldFolders& Folders() {
  static WorldFolders folders;
  return folders;
}

}  // namespace

void CareerWorldTest::SetUp() {
  EngineTest::SetUp();
  previous_ = fs::current_path();
}

void CareerWorldTest::TearDown() {
  std::error_code ignored;
  if (previous_) fs::current_path(*previous_, ignored);
  EngineTest::TearDown();
}

int16_t CareerWorldTest::LoadCareerWorld(const CareerWorld& w) {
  if (srcdb::BuiltTotStat().empty() || srcdb::BuiltNames().empty()) {
    ADD_FAILURE() << "no generated database (build the data set first)";
    return -1;
  }
  const auto [folder, saved] = Folders().Folder(w);
  fs::current_path(folder);
  srcdb::MountPak({{"STATS\\TOTSTAT.DAT", srcdb::BuiltTotStat()}, {"STATS\\NAMES.DAT", srcdb::BuiltNames()}});
  StartWindowAndTimer();  // the new game and the day loop poll the window
  PlatSetVirtualAutoAdvance(true);  // the news ticker waits for the screen: virtual time passes
  Seam_ConnectGame();
  if (!saved) {
    const int16_t human = Career_StartNew(w.country, w.seed, w.club);
    if (human < 0) {
      ADD_FAILURE() << "club " << w.club << " is no league club of country " << w.country;
      return -1;
    }
    for (int season = 0; season < w.seasons; ++season)
      while (!Career_PlayDay()) {
      }
    if (const int rc = SaveGameSlot(kSlot); rc != SAVE_OK) {
      ADD_FAILURE() << "cannot save the world: " << SaveGame_LastError() << " (" << rc << ")";
      return -1;
    }
    Folders().MarkSaved(w);
  }
  if (const int rc = LoadGameSlot(kSlot); rc != SAVE_OK) {
    ADD_FAILURE() << "cannot load the world: " << SaveGame_LastError() << " (" << rc << ")";
    return -1;
  }
  return GNW_GetHumanClub(1);
}
