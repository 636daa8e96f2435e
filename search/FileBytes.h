// Reading a whole file into memory.
#pragma once

#include <filesystem>
#include <string>

namespace qorvan {

// Replaces `bytes` with the whole content of `file` (its storage is reused); false when the
// file cannot be opened or read.
bool ReadFileBytes(const std::filesystem::path& file, std::string& bytes);

}  // namespace qorvan
