// qorvan-scan: scans a version directory and prints the variables in use or the free ones.
#include <cstdlib>
#include <iostream>

#include "ScanCommand.h"
#include "ScanOptions.h"

namespace {

// Runs the command; in release builds the process ends without freeing the run's results,
// which would only cost time at exit (sanitizer and debug builds tear down as usual).
int RunAndExit(const qorvan::cli::ScanOptions& options) {
#ifdef NDEBUG
  auto* dm = new qorvan::TDataModule1;  // intentionally never deleted: the OS reclaims it
  const int exitCode = qorvan::cli::RunScanCommand(options, std::cout, std::cerr, *dm);
  std::cout.flush();
  std::cerr.flush();
  std::_Exit(exitCode);
#else
  return qorvan::cli::RunScanCommand(options, std::cout, std::cerr);
#endif
}

}  // namespace

int main(int argc, char** argv) {
  int exitCode = 0;
  auto options = qorvan::cli::ParseScanOptions(argc, argv, exitCode);
  if (!options) return exitCode;
  try {
    return RunAndExit(*options);
  } catch (const std::exception& e) {
    std::cerr << "qorvan-scan: " << e.what() << '\n';
    return 1;
  }
}
