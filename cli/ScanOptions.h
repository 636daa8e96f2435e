// The options of qorvan-scan.
#pragma once

#include <optional>
#include <string>

namespace qorvan::cli {

struct ScanOptions {
  std::optional<std::string> Dir;   // the version directory; the remembered one when absent
  std::string Family;               // a family name ("G", "TAG", ..., "SETALL"), upper case
  bool Free = false;                // print the free names instead of the summary
  std::string Filter;               // keyword filter text ("g11 a5")
  std::optional<std::string> Uses;  // print the files and lines of this member
  bool SkipComments = true;         // Settings.Filtered
  std::string Codepage;             // legacy code page; empty = the platform's
  bool Remember = false;            // store the directory like the window's run
  bool Json = false;                // print the whole result as JSON
  unsigned Threads = 0;             // worker threads; 0 = all cores
};

// Parses the command line. Returns nullopt and sets `exitCode` (0 for --help, 2 for a
// usage error, after printing the message) when the program should end at once.
std::optional<ScanOptions> ParseScanOptions(int argc, char** argv, int& exitCode);

}  // namespace qorvan::cli
