// qorvan-scan: scans a version directory and prints the variables in use or the free ones.
#include <iostream>

#include "ScanCommand.h"
#include "ScanOptions.h"

int main(int argc, char** argv) {
  int exitCode = 0;
  auto options = qorvan::cli::ParseScanOptions(argc, argv, exitCode);
  if (!options) return exitCode;
  try {
    return qorvan::cli::RunScanCommand(*options, std::cout, std::cerr);
  } catch (const std::exception& e) {
    std::cerr << "qorvan-scan: " << e.what() << '\n';
    return 1;
  }
}
