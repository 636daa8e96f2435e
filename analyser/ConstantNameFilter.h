// A compact test that rules out most tokens before the constant dictionary is searched.
#pragma once

#include <bitset>
#include <cstdint>
#include <string_view>
#include <vector>

#include "Plus.h"

namespace qorvan {

// The name a key serves besides itself: "$(" name ")" and "<$" name ">" are found from the bare
// name too. Empty for a key of neither form.
std::u16string_view BareConstantName(std::u16string_view key);

// Built from a run's finished ConstantDic; never answers "no" for a name that reaches a constant.
class ConstantNameFilter {
 public:
  // Describes every constant of `constants` (build it after the constant pass).
  explicit ConstantNameFilter(const ConstantDicT& constants);
  // False only when no constant is named `name`, "$(" + name + ")" or "<$" + name + ">".
  bool MayName(std::u16string_view name) const;

 private:
  void Add(std::u16string_view name);

  std::vector<std::uint64_t> bits_;
  // The lengths of the names described, the last one standing for every longer length: most
  // tokens (dialogue runs in particular) are ruled out by their length before any hashing.
  std::bitset<65> lengths_;
};

}  // namespace qorvan
