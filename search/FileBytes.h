// Reading a whole file into memory, and telling whether it is still there.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace qorvan {

// Sets `bytes` to the whole content of `file` (a native path), read into `buffer`, which only
// ever grows: from file to file its storage is reused without being cleared. False when the
// file cannot be opened or read.
bool ReadFileBytes(const std::filesystem::path::string_type& file, std::string& buffer,
                   std::string_view& bytes);

// True when something exists at the native path `file` (links followed); false also when that
// cannot be told.
bool FileExists(const std::filesystem::path::string_type& file);

}  // namespace qorvan
