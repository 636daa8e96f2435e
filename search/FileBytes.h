// Reading a whole file into memory.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace qorvan {

// Sets `bytes` to the whole content of `file`, read into `buffer`, which only ever grows: from
// file to file its storage is reused without being cleared. False when the file cannot be
// opened or read.
bool ReadFileBytes(const std::filesystem::path& file, std::string& buffer, std::string_view& bytes);

}  // namespace qorvan
