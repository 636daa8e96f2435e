// qorvan-bench: generates realistic version directories of two sizes and times a whole
// `qorvan-scan --json` on each against ripgrep looking for letter variables, with the peak
// memory of the scanner against the tree's size.
#ifndef _WIN32
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <CLI/CLI.hpp>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "CorpusGenerator.h"

namespace {
namespace fs = std::filesystem;

constexpr const char* kRgPattern = R"((?-u)\b[ADEFGHIMPS][0-9]{1,3}\b)";

// What one run of a child program took.
struct ChildRun {
  double Seconds = 0;
  long long PeakBytes = -1;  // -1 where it is not measured
  int Status = -1;
};

// Runs `args` with its standard output thrown away and waits for it.
ChildRun RunChild(const std::vector<std::string>& args) {
  ChildRun run;
  auto start = std::chrono::steady_clock::now();
#ifdef _WIN32
  std::string command;
  for (const std::string& a : args) command += "\"" + a + "\" ";
  run.Status = std::system((command + "> NUL").c_str());
#else
  pid_t pid = fork();
  if (pid == 0) {
    int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (pid > 0 && wait4(pid, &status, 0, &usage) == pid) {
    run.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.PeakBytes = static_cast<long long>(usage.ru_maxrss) * 1024;  // kilobytes on Linux
  }
#endif
  run.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return run;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  std::size_t n = values.size();
  return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Files and bytes of a tree.
std::pair<std::size_t, std::uint64_t> TreeSize(const fs::path& tree) {
  std::size_t files = 0;
  std::uint64_t bytes = 0;
  for (const auto& entry : fs::recursive_directory_iterator(tree))
    if (entry.is_regular_file()) {
      ++files;
      bytes += entry.file_size();
    }
  return {files, bytes};
}

// The measured figures of one tree.
struct TreeResult {
  std::string Name;
  std::uint64_t Bytes = 0;
  double Scan = 0;
  double Rg = 0;
  long long PeakBytes = 0;
};

double Mb(double bytes) {
  return bytes / (1024.0 * 1024.0);
}

TreeResult Measure(const fs::path& tree, const std::string& scanner, int runs) {
  auto [files, bytes] = TreeSize(tree);
  std::vector<double> scan;
  std::vector<double> rg;
  long long peak = 0;
  for (int r = 0; r < runs; ++r) {
    ChildRun s = RunChild({scanner, "--json", tree.string()});
    ChildRun g = RunChild({"rg", "-c", kRgPattern, tree.string()});
    if (s.Status != 0) std::cerr << scanner << " failed on " << tree << '\n';
    if (g.Status > 1) std::cerr << "rg failed on " << tree << " (is ripgrep installed?)\n";
    scan.push_back(s.Seconds);
    rg.push_back(g.Seconds);
    peak = std::max(peak, s.PeakBytes);
  }
  TreeResult result{tree.filename().string(), bytes, Median(scan), Median(rg), peak};
  std::printf("%s: %zu files, %.1f MB\n", tree.string().c_str(), files, Mb(double(bytes)));
  std::printf("  qorvan-scan --json  median %.3f s of %d (min %.3f, max %.3f)\n", result.Scan, runs,
              *std::min_element(scan.begin(), scan.end()),
              *std::max_element(scan.begin(), scan.end()));
  std::printf("  rg -c               median %.3f s of %d (min %.3f, max %.3f)\n", result.Rg, runs,
              *std::min_element(rg.begin(), rg.end()), *std::max_element(rg.begin(), rg.end()));
  std::printf("  ratio %.2f x ripgrep; peak memory %.1f MB = %.2f x the tree\n",
              result.Scan / result.Rg, Mb(double(peak)), double(peak) / double(bytes));
  std::fflush(stdout);
  return result;
}

// The generated tree of `mb` megabytes under `dir`, written unless it is already there.
fs::path GeneratedTree(const fs::path& dir, int mb, std::size_t filesPerMb) {
  qorvan::bench::CorpusSize size;
  size.Bytes = std::uint64_t(mb) << 20;
  size.Files = filesPerMb * static_cast<std::size_t>(mb);
  fs::path tree = dir / ("tree-" + std::to_string(mb) + "mb");
  fs::path stamp = dir / ("tree-" + std::to_string(mb) + "mb.done");
  std::string wanted = std::to_string(size.Files) + " " + std::to_string(size.Seed) + " v5";
  std::string found;
  std::getline(std::ifstream(stamp), found);
  if (found == wanted && fs::is_directory(tree)) return tree;
  fs::remove_all(tree);
  auto start = std::chrono::steady_clock::now();
  std::uint64_t bytes = qorvan::bench::GenerateCorpus(tree, size);
  std::printf("generated %s: %zu files, %.1f MB in %.1f s\n", tree.string().c_str(), size.Files,
              Mb(double(bytes)),
              std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  std::ofstream(stamp) << wanted << '\n';
  return tree;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Times qorvan-scan --json against ripgrep on generated or given trees.",
               "qorvan-bench"};
  fs::path dir = fs::temp_directory_path() / "qorvan-bench";
  std::vector<int> sizes = {60, 120};
  std::size_t filesPerMb = 250;
  int runs = 5;
  std::string scanner = QORVAN_SCAN;
  std::vector<std::string> trees;
  app.add_option("--dir", dir, "where the generated trees are kept");
  app.add_option("--sizes", sizes, "megabytes of each generated tree")->delimiter(',');
  app.add_option("--files-per-mb", filesPerMb, "files per megabyte")->check(CLI::PositiveNumber);
  app.add_option("--runs", runs, "runs of each program per tree")->check(CLI::PositiveNumber);
  app.add_option("--scanner", scanner, "the qorvan-scan to time");
  app.add_option("TREE", trees, "version directories to time instead of generated ones");
  CLI11_PARSE(app, argc, argv);
  if (trees.empty())
    for (int mb : sizes) trees.push_back(GeneratedTree(dir, mb, filesPerMb).string());
  std::vector<TreeResult> results;
  for (const std::string& tree : trees) results.push_back(Measure(tree, scanner, runs));
  for (std::size_t i = 1; i < results.size(); ++i) {
    const TreeResult& a = results[i - 1];
    const TreeResult& b = results[i];
    std::printf("%s -> %s: size x %.2f, scan time x %.2f, peak memory x %.2f\n", a.Name.c_str(),
                b.Name.c_str(), double(b.Bytes) / double(a.Bytes), b.Scan / a.Scan,
                double(b.PeakBytes) / double(a.PeakBytes));
  }
  return 0;
}
