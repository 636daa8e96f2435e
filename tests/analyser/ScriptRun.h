// Test fixture: a run over a few inline script files, with every recorded use logged in order.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Plus.h"

namespace qorvan::test {

// UTF-8 form of a UTF-16 text, for readable expectations and failure output.
std::string Utf8(std::u16string_view text);

// One recorded use as the sink received it.
struct LoggedUse {
  std::string KeyWord;  // prefix + name + suffix
  std::string Path;     // the file the use is filed under
  std::int32_t LineNo = 0;
  std::string Line;
  std::string Descr;
  // "KeyWord @Path:LineNo" plus " | Descr" when there is one.
  std::string Compact() const;
};

class ScriptRun {
 public:
  explicit ScriptRun(bool filtered = true);
  // Adds a file; its path names it in the logged uses.
  ScriptRun& File(std::u16string path, std::u16string text);
  // Constant pass over all files, then the line pass over all files.
  ScriptRun& Run();
  // The compact forms of all recorded uses, in recording order.
  std::vector<std::string> Uses() const;

  RunState State;
  std::vector<LoggedUse> Log;
};

// The uses that `line`, as the only line of file "F", records after `defines` (file "K") is read.
std::vector<std::string> UsesOf(std::u16string_view line, std::u16string_view defines = {});

// One line of file "F" read after the definitions of file "K", and the uses it must record.
struct LineCase {
  std::u16string defines;
  std::u16string line;
  std::vector<std::string> uses;
};

// Checks every case with UsesOf, naming the line and definitions of a failing one.
void ExpectUses(const std::vector<LineCase>& cases);

}  // namespace qorvan::test
