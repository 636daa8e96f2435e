// A fresh directory under the system's temporary directory, removed again at the end.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace qorvan::testing {

class TempDir {
 public:
  TempDir() {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() / ("qorvan-test-" + std::to_string(rd()));
    std::filesystem::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& path() const { return path_; }

  // Writes `bytes` to the relative path `rel`, creating its directories.
  std::filesystem::path Write(const std::string& rel, const std::string& bytes) const {
    std::filesystem::path file = path_ / rel;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
    return file;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace qorvan::testing
