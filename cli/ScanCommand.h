// qorvan-scan as a function: runs the search and prints what the window would show.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "MyDB.h"
#include "ScanOptions.h"

namespace qorvan::cli {

// The rows chosen by --family and --filter.
struct ScanView {
  std::vector<SummaryRow> Members;
  std::vector<FreeRow> Free;
};

// Restricts the data module's views as the family buttons and the filter do.
ScanView SelectView(TDataModule1& dm, const ScanOptions& options);

// Runs the whole command; returns the exit code.
int RunScanCommand(const ScanOptions& options, std::ostream& out, std::ostream& err);
// As above, leaving the run's results in `dm`, which the caller owns.
int RunScanCommand(const ScanOptions& options, std::ostream& out, std::ostream& err,
                   TDataModule1& dm);

}  // namespace qorvan::cli
