// Writes a large version directory with scripts like those of real server trees: mostly
// dialogue, menus, conditions and drop lists, a few percent of lines using variables, in GBK
// and UTF-8 (with and without a byte-order mark), LF and CR LF line ends.
#pragma once

#include <cstdint>
#include <filesystem>

namespace qorvan::bench {

struct CorpusSize {
  std::size_t Files = 30000;
  std::uint64_t Bytes = 120ull * 1024 * 1024;  // total, roughly
  std::uint32_t Seed = 20240601;
};

// Writes the scripts under `dir`/Mir200/Envir; returns the bytes written.
std::uint64_t GenerateCorpus(const std::filesystem::path& dir, const CorpusSize& size);

}  // namespace qorvan::bench
