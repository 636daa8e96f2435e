#include <gtest/gtest.h>

#include <sstream>

#include "CorpusGenerator.h"
#include "ScanCommand.h"
#include "TempDir.h"

namespace qorvan::cli {
namespace {

// The whole JSON of qorvan-scan on `dir` with `threads` worker threads.
std::string ScanJson(const std::string& dir, unsigned threads, bool skipComments = true) {
  ScanOptions options;
  options.Dir = dir;
  options.Json = true;
  options.Threads = threads;
  options.SkipComments = skipComments;
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunScanCommand(options, out, err), 0) << err.str();
  return out.str();
}

TEST(ParallelScan, GeneratedTreeGivesTheSameJsonOnAnyNumberOfThreads) {
  testing::TempDir dir;
  bench::CorpusSize size;
  size.Files = 150;
  size.Bytes = 600 * 1024;
  bench::GenerateCorpus(dir.path(), size);
  for (bool skipComments : {true, false}) {
    const std::string one = ScanJson(dir.path().string(), 1, skipComments);
    ASSERT_GT(one.size(), 100000u);  // the tree gives many uses
    for (unsigned threads : {0u, 2u, 5u})
      EXPECT_EQ(ScanJson(dir.path().string(), threads, skipComments), one) << threads;
  }
}

TEST(ParallelScan, ExamplesGiveTheSameJsonOnAnyNumberOfThreads) {
  const std::string one = ScanJson(EXAMPLES_DIR, 1);
  for (unsigned threads : {0u, 3u}) EXPECT_EQ(ScanJson(EXAMPLES_DIR, threads), one) << threads;
}

}  // namespace
}  // namespace qorvan::cli
