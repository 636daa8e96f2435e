// qorvan-bench: generates a large version directory and times whole scans.
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <CLI/CLI.hpp>
#include <chrono>
#include <cstdio>
#include <iostream>

#include "CorpusGenerator.h"
#include "MyDB.h"
#include "SearchRun.h"

namespace {

double Seconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

// Peak resident memory in megabytes; -1 where it is not measured.
long PeakRssMb() {
#ifdef _WIN32
  return -1;
#else
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;  // kilobytes on Linux
#endif
}

void TimeScan(const std::string& dir, const std::string& codepage) {
  using Clock = std::chrono::steady_clock;
  qorvan::RunRequest request;
  request.DirText = qorvan::FromUtf8(dir);
  request.Codepage = codepage;
  auto start = Clock::now();
  qorvan::RunOutcome outcome = qorvan::RunSearch(request);
  auto scanned = Clock::now();
  if (outcome.Missing()) {
    std::cerr << dir << ": no such directory\n";
    return;
  }
  std::size_t files = outcome.State->FileDic.size();
  std::size_t members = outcome.State->ValueDic.size();
  double mb = static_cast<double>(outcome.BytesRead) / (1024.0 * 1024.0);
  qorvan::TDataModule1 dm;
  dm.BMDThread1Terminate(std::move(outcome));
  auto completed = Clock::now();
  double scan = Seconds(scanned - start);
  std::printf("%s\n  files %zu, %.1f MB, members %zu\n", dir.c_str(), files, mb, members);
  std::printf("  scan %.3f s (%.0f files/s, %.1f MB/s), completion %.3f s, peak RSS %ld MB\n", scan,
              static_cast<double>(files) / scan, mb / scan, Seconds(completed - scanned),
              PeakRssMb());
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Times whole scans of version directories.", "qorvan-bench"};
  std::string generate;
  qorvan::bench::CorpusSize size;
  std::uint64_t megabytes = size.Bytes >> 20;
  std::vector<std::string> trees;
  std::string codepage;
  app.add_option("--generate", generate, "write a generated version directory here and time it");
  app.add_option("--files", size.Files, "files to generate")->check(CLI::PositiveNumber);
  app.add_option("--mb", megabytes, "total megabytes to generate")->check(CLI::PositiveNumber);
  app.add_option("--codepage", codepage, "legacy code page of the scanned trees");
  app.add_option("TREE", trees, "version directories to time");
  CLI11_PARSE(app, argc, argv);
  if (!generate.empty()) {
    size.Bytes = megabytes << 20;
    auto start = std::chrono::steady_clock::now();
    std::uint64_t bytes = qorvan::bench::GenerateCorpus(generate, size);
    std::printf("generated %zu files, %.1f MB in %.1f s\n", size.Files,
                static_cast<double>(bytes) / (1024.0 * 1024.0),
                Seconds(std::chrono::steady_clock::now() - start));
    trees.insert(trees.begin(), generate);
  }
  for (const std::string& tree : trees) TimeScan(tree, codepage);
  return 0;
}
