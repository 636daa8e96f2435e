// A stand-in for the search run that records a given list of uses over given files.
#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "SearchRun.h"

namespace qorvan::ui::test {

struct ScriptedUse {
  int Family;        // family number
  int Number;        // member number
  QString Name;      // member name
  int File;          // index into the tree's files
  int Line;          // 1-based line number in that file
  bool Str = false;  // recorded as "<$STR(" name ")>"
};

struct ScriptedTree {
  std::vector<std::pair<QString, QString>> Files;  // path under the directory, text
  std::vector<ScriptedUse> Uses;                   // in recording order
};

// A search that rejects a missing directory like the real one and otherwise returns `tree`.
std::function<qorvan::RunOutcome(const qorvan::RunRequest&)> ScriptedSearch(ScriptedTree tree);

}  // namespace qorvan::ui::test
