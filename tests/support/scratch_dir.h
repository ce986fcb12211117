// A scratch working folder for one test: made fresh, entered, and on leaving
// the test left and removed.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

class ScratchDir {
 public:
  explicit ScratchDir(const std::string& prefix) : previous_(std::filesystem::current_path()) {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = prefix + "_" + std::to_string(getpid());
    if (info) name += std::string("_") + info->test_suite_name() + "_" + info->name();
    for (char& c : name)
      if (c == '/') c = '_';
    path_ = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
    std::filesystem::current_path(path_);
  }
  ~ScratchDir() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};
