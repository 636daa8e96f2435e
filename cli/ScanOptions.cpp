#include "ScanOptions.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cctype>
#include <vector>

#include "Plus.h"
#include "TextDecoder.h"
#include "Utf.h"

namespace qorvan::cli {
namespace {

std::vector<std::string> FamilyChoices() {
  std::vector<std::string> names;
  for (std::u16string_view name : FamilyNames) names.push_back(ToUtf8(name));
  return names;
}

std::string AsciiUpper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

}  // namespace

std::optional<ScanOptions> ParseScanOptions(int argc, char** argv, int& exitCode) {
  ScanOptions o;
  CLI::App app{"Scans a version directory and lists the variables in use and the free ones.",
               "qorvan-scan"};
  std::string dir;
  std::string uses;
  bool noSkip = false;
  app.add_option("DIR", dir, "version directory (default: the remembered one)");
  app.add_option("--family", o.Family, "restrict to one family (G, TAG, SETABILITY, SETALL, ...)")
      ->check(CLI::IsMember(FamilyChoices(), CLI::ignore_case));
  app.add_flag("--free", o.Free, "print the free names instead of the names in use");
  app.add_option("--filter", o.Filter, "keyword filter, names separated by blanks (\"g11 a5\")");
  app.add_option("--uses", uses, "print the files and lines that use this member");
  app.add_flag("--no-skip-comments", noSkip, "also analyse lines that begin like a comment");
  app.add_option("--codepage", o.Codepage, "legacy code page of files without a mark (GBK)")
      ->check([](const std::string& name) {
        return CodepageKnown(name) ? std::string() : "unknown code page: " + name;
      });
  app.add_flag("--remember", o.Remember, "remember the directory as the window's run does");
  app.add_flag("--json", o.Json, "print the whole result as JSON");
  app.add_option("--threads", o.Threads, "worker threads (default: all cores)")
      ->check(CLI::NonNegativeNumber);
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    exitCode = app.exit(e);
    return std::nullopt;
  } catch (const CLI::ParseError& e) {
    app.exit(e);
    exitCode = 2;
    return std::nullopt;
  }
  if (app.count("DIR")) o.Dir = dir;
  if (app.count("--uses")) o.Uses = uses;
  o.Family = AsciiUpper(o.Family);
  o.SkipComments = !noSkip;
  return o;
}

}  // namespace qorvan::cli
