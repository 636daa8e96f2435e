// Storage for the decoded texts of a run: a few large blocks instead of one allocation per file,
// so that the texts, written once and kept to the end of the run, cost few page faults.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace qorvan {

class TextStore {
 public:
  TextStore() = default;
  TextStore(TextStore&& other) noexcept;
  TextStore& operator=(TextStore&& other) noexcept;
  TextStore(const TextStore&) = delete;
  TextStore& operator=(const TextStore&) = delete;
  ~TextStore();

  // Room for `units` units that stays where it is as long as the store (or the one that adopts
  // it) lives; the caller writes the text there. Throws std::bad_alloc when there is no memory.
  char16_t* Allocate(std::size_t units);
  // Gives back the end of `room`, the latest room allocated (of `allocated` units), keeping its
  // first `used` units; does nothing for another room.
  void Trim(char16_t* room, std::size_t allocated, std::size_t used);
  // A copy of `text` kept as Allocate keeps it.
  std::u16string_view Keep(std::u16string_view text);
  // Takes over every block of `other`, which is left empty.
  void Adopt(TextStore&& other);

 private:
  struct Block {
    char16_t* Data = nullptr;
    std::size_t Units = 0;
  };
  void Release();

  std::vector<Block> blocks_;
  std::size_t used_ = 0;  // units taken from the last block
};

}  // namespace qorvan
