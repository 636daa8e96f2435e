#include "ConstantNameFilter.h"

#include <algorithm>

namespace qorvan {

namespace {

// 256 K bits (32 KB): with thousands of constants nearly every other token is ruled out.
constexpr std::size_t kBits = std::size_t{1} << 18;

std::uint64_t NameHash(std::u16string_view name) {
  std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
  for (char16_t c : name) {
    hash ^= c;
    hash *= 1099511628211ull;
  }
  return hash;
}

// The bit of lengths_ that stands for `length`.
std::size_t LengthSlot(std::size_t length) {
  return std::min<std::size_t>(length, 64);
}

}  // namespace

std::u16string_view BareConstantName(std::u16string_view key) {
  if (key.size() >= 3 && ((key.starts_with(u"$(") && key.ends_with(u')')) ||
                          (key.starts_with(u"<$") && key.ends_with(u'>'))))
    return key.substr(2, key.size() - 3);
  return {};
}

ConstantNameFilter::ConstantNameFilter(const ConstantDicT& constants) : bits_(kBits / 64, 0) {
  for (const auto& [key, constant] : constants) {
    (void)constant;
    Add(key);
    if (std::u16string_view bare = BareConstantName(key); !bare.empty()) Add(bare);
  }
}

void ConstantNameFilter::Add(std::u16string_view name) {
  lengths_.set(LengthSlot(name.size()));
  const std::uint64_t hash = NameHash(name);
  for (std::uint64_t part : {hash, hash >> 32}) {
    const std::size_t bit = static_cast<std::size_t>(part % kBits);
    bits_[bit / 64] |= std::uint64_t{1} << (bit % 64);
  }
}

bool ConstantNameFilter::MayName(std::u16string_view name) const {
  if (!lengths_.test(LengthSlot(name.size()))) return false;
  const std::uint64_t hash = NameHash(name);
  for (std::uint64_t part : {hash, hash >> 32}) {
    const std::size_t bit = static_cast<std::size_t>(part % kBits);
    if ((bits_[bit / 64] & (std::uint64_t{1} << (bit % 64))) == 0) return false;
  }
  return true;
}

}  // namespace qorvan
