#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>
#include <string>

namespace {
namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

struct Result {
  int Status = -1;
  std::string Out;
  std::string Err;
};

// Runs qorvan-scan with `args` and a private configuration directory.
class Scanner {
 public:
  Scanner() {
    std::random_device rd;
    config_ = fs::temp_directory_path() / ("qorvan-cli-" + std::to_string(rd()));
    fs::create_directories(config_);
  }
  ~Scanner() { fs::remove_all(config_); }

  Result Run(const std::string& args) const {
    fs::path err = config_ / "stderr.txt";
    std::string command = "XDG_CONFIG_HOME='" + config_.string() + "' '" QORVAN_SCAN "' " + args +
                          " 2>'" + err.string() + "'";
    Result r;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) r.Out.append(buffer, n);
    int status = pclose(pipe);
    r.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream in(err);
    r.Err.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return r;
  }
  const fs::path& Config() const { return config_; }

 private:
  fs::path config_;
};

// The JSON with the version directory cut from every path, so it does not depend on where
// the examples lie.
Json LocationIndependent(Json j) {
  std::string base = j["version_dir"].get<std::string>();
  j["version_dir"] = "";
  for (auto& member : j["members"])
    for (auto& file : member["files"]) {
      std::string path = file["path"].get<std::string>();
      if (path.rfind(base, 0) == 0) path.erase(0, base.size());
      for (char& c : path)
        if (c == '\\') c = '/';
      file["path"] = path;
    }
  return j;
}

TEST(QorvanScan, JsonOfTheExamplesMatchesTheReviewedResult) {
  Scanner scanner;
  Result r = scanner.Run("--json '" EXAMPLES_DIR "'");
  ASSERT_EQ(r.Status, 0) << r.Err;
  std::ifstream in(EXPECTED_JSON);
  Json expected = Json::parse(in);
  Json actual = LocationIndependent(Json::parse(r.Out));
  EXPECT_EQ(actual["file_count"], expected["file_count"]);
  ASSERT_EQ(actual["members"].size(), expected["members"].size());
  for (std::size_t i = 0; i < expected["members"].size(); ++i)
    EXPECT_EQ(actual["members"][i], expected["members"][i]) << "member " << i;
  EXPECT_EQ(actual["free"], expected["free"]);
}

TEST(QorvanScan, MissingDirectoryIsReportedAfterItsText) {
  Scanner scanner;
  Result r = scanner.Run("/no/such/MirServer");
  EXPECT_NE(r.Status, 0);
  EXPECT_EQ(r.Err, "/no/such/MirServer  查询错误，目录不存在！\n");
  EXPECT_EQ(r.Out, "");
}

TEST(QorvanScan, BadOptionsAreUsageErrors) {
  Scanner scanner;
  for (const char* args : {"--bogus", "--family NOPE /tmp", "--codepage no-such-page /tmp",
                           "--threads -1 /tmp", "a b"})
    EXPECT_EQ(scanner.Run(args).Status, 2) << args;
}

TEST(QorvanScan, FreeNamesOfOneFamily) {
  Scanner scanner;
  Result r = scanner.Run("--family timer --free '" EXAMPLES_DIR "'");
  ASSERT_EQ(r.Status, 0) << r.Err;
  std::istringstream lines(r.Out);
  std::vector<std::string> names;
  for (std::string line; std::getline(lines, line);) names.push_back(line);
  ASSERT_FALSE(names.empty());
  EXPECT_EQ(names.front(), "[@OnTimer0]");
  EXPECT_EQ(std::count(names.begin(), names.end(), "[@OnTimer5]"), 0);
}

TEST(QorvanScan, RememberStoresTheDirectoryAndIsTheDefaultNextTime) {
  Scanner scanner;
  ASSERT_EQ(scanner.Run("--remember '" EXAMPLES_DIR "'").Status, 0);
  Result again = scanner.Run("--json");
  ASSERT_EQ(again.Status, 0) << again.Err;
  EXPECT_EQ(Json::parse(again.Out)["version_dir"], EXAMPLES_DIR "/");
}

TEST(QorvanScan, SummaryTableHasTheGridTitles) {
  Scanner scanner;
  Result r = scanner.Run("'" EXAMPLES_DIR "'");
  ASSERT_EQ(r.Status, 0) << r.Err;
  EXPECT_EQ(r.Out.rfind("占用变量名", 0), 0u);
  EXPECT_NE(r.Out.find("类型"), std::string::npos);
}

}  // namespace
