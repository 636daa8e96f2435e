#include "TextStore.h"

#include <algorithm>
#include <new>
#include <utility>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace qorvan {
namespace {

// 32 MB: sixteen huge pages where the system has them.
constexpr std::size_t kBlockUnits = std::size_t{16} << 20;

char16_t* AllocateBlock(std::size_t units) {
#ifdef __linux__
  const std::size_t bytes = units * sizeof(char16_t);
  void* block = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (block == MAP_FAILED) throw std::bad_alloc();
  // A hint only: where transparent huge pages are off, the block is used as it is.
  madvise(block, bytes, MADV_HUGEPAGE);
  return static_cast<char16_t*>(block);
#else
  return new char16_t[units];
#endif
}

void FreeBlock(char16_t* block, std::size_t units) {
#ifdef __linux__
  munmap(block, units * sizeof(char16_t));
#else
  (void)units;
  delete[] block;
#endif
}

}  // namespace

TextStore::TextStore(TextStore&& other) noexcept
    : blocks_(std::move(other.blocks_)), used_(other.used_) {
  other.blocks_.clear();
  other.used_ = 0;
}

TextStore& TextStore::operator=(TextStore&& other) noexcept {
  if (this != &other) {
    Release();
    blocks_ = std::move(other.blocks_);
    used_ = other.used_;
    other.blocks_.clear();
    other.used_ = 0;
  }
  return *this;
}

TextStore::~TextStore() {
  Release();
}

void TextStore::Release() {
  for (const Block& block : blocks_) FreeBlock(block.Data, block.Units);
  blocks_.clear();
  used_ = 0;
}

char16_t* TextStore::Allocate(std::size_t units) {
  if (units == 0) units = 1;  // every text gets an address of its own
  if (!blocks_.empty() && blocks_.back().Units - used_ >= units) {
    char16_t* room = blocks_.back().Data + used_;
    used_ += units;
    return room;
  }
  // A large text gets a block of its own; the current block stays the one to fill.
  const bool own = units > kBlockUnits / 4;
  const std::size_t size = own ? units : kBlockUnits;
  blocks_.reserve(blocks_.size() + 1);
  Block block{AllocateBlock(size), size};
  if (own && !blocks_.empty()) {
    blocks_.insert(blocks_.end() - 1, block);
    return block.Data;
  }
  blocks_.push_back(block);
  used_ = units;
  return block.Data;
}

void TextStore::Trim(char16_t* room, std::size_t allocated, std::size_t used) {
  if (allocated == 0) allocated = 1;  // as Allocate counted it
  if (blocks_.empty() || used >= allocated) return;
  const Block& last = blocks_.back();
  if (room >= last.Data && room + allocated == last.Data + used_) used_ -= allocated - used;
}

std::u16string_view TextStore::Keep(std::u16string_view text) {
  char16_t* room = Allocate(text.size());
  std::copy(text.begin(), text.end(), room);
  return {room, text.size()};
}

void TextStore::Adopt(TextStore&& other) {
  if (other.blocks_.empty()) return;
  // The adopted last block becomes the one to fill only when there is none here.
  if (blocks_.empty()) {
    *this = std::move(other);
    return;
  }
  blocks_.insert(blocks_.end() - 1, other.blocks_.begin(), other.blocks_.end());
  other.blocks_.clear();
  other.used_ = 0;
}

}  // namespace qorvan
