// The --json output of qorvan-scan.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "MyDB.h"
#include "ScanCommand.h"

namespace qorvan::cli {

// Writes the whole result and a newline: version directory, file count, the view's members in
// its order with their files and uses (only `onlyMember` when given), and the view's free rows.
// Files and uses come straight from the run's ValueDic, in the order they were recorded; the
// members are written on `threads` threads (0 = all cores).
void WriteJson(std::ostream& out, const TDataModule1& dm, const ScanView& view,
               const std::optional<std::string>& onlyMember, unsigned threads);

}  // namespace qorvan::cli
