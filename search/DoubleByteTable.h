// A decoding table for the legacy code pages of one- and two-byte characters (GBK, Big5,
// Shift-JIS, the single-byte pages), filled from ICU's converter, so that ordinary files need
// no converter call. A text with any byte sequence the table lacks goes to the converter.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qorvan {

class DoubleByteTable {
 public:
  // The table of the code page `name`; null when ICU does not know it or it is not a stateless
  // page of one- and two-byte characters whose ASCII bytes stand for themselves.
  static std::shared_ptr<const DoubleByteTable> Build(const std::string& name);

  // Decodes `bytes` into out[0, bytes.size()) and returns the number of units written: exactly
  // what the converter gives. Returns npos when some sequence is not in the table.
  std::size_t Decode(std::string_view bytes, char16_t* out) const;

 private:
  DoubleByteTable() = default;

  std::array<bool, 256> lead_{};        // bytes that start a two-byte character
  std::array<char16_t, 256> single_{};  // the unit of a one-byte character; 0: not in the table
  std::vector<char16_t> pairs_;         // [lead * 256 + trail] -> unit; 0: not in the table
};

}  // namespace qorvan
