#include "CorpusGenerator.h"

#include <unicode/ucnv.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "ScriptMaker.h"

namespace qorvan::bench {
namespace {
namespace fs = std::filesystem;

// The six script directories and the share of the files each holds, as in real trees.
struct ScriptDir {
  const char* Name;
  double Share;
  bool Drops;  // monster-drop lists rather than NPC scripts
};
constexpr std::array<ScriptDir, 6> kScriptDirs = {{{"MonItems", 0.42, true},
                                                   {"QuestDiary", 0.30, false},
                                                   {"Market_Def", 0.20, false},
                                                   {"MapQuest_Def", 0.05, false},
                                                   {"Npc_Def", 0.02, false},
                                                   {"Robot_def", 0.01, false}}};
constexpr std::size_t kFilesPerFolder = 400;

enum class Encoding { Gbk, Utf8, Utf8Mark };

// One file to write: where, how large and how encoded.
struct FilePlan {
  fs::path Path;
  std::uint64_t Bytes = 0;
  Encoding Code = Encoding::Gbk;
  bool CrLf = false;
  bool Drops = false;
  int ConstantFile = -1;  // >= 0: the #DEFINE file of that number
};

std::string ToGbk(const std::string& utf8) {
  std::string out(utf8.size() + 16, '\0');
  UErrorCode error = U_ZERO_ERROR;
  int32_t n = ucnv_convert("GBK", "UTF-8", out.data(), static_cast<int32_t>(out.size()),
                           utf8.data(), static_cast<int32_t>(utf8.size()), &error);
  out.resize(U_SUCCESS(error) ? static_cast<std::size_t>(n) : 0);
  return out;
}

std::string WithCrLf(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

// Sizes spread like real scripts (many small files, a long tail), summing to `total`.
std::vector<std::uint64_t> FileSizes(std::mt19937& rng, const std::vector<FilePlan>& plans,
                                     std::uint64_t total) {
  std::lognormal_distribution<double> spread(0.0, 1.4);
  std::vector<double> weights;
  double sum = 0;
  for (const FilePlan& plan : plans) {
    double w = std::min(spread(rng), 60.0) * (plan.Drops ? 0.4 : 1.0);
    weights.push_back(w);
    sum += w;
  }
  std::vector<std::uint64_t> sizes;
  for (double w : weights) sizes.push_back(static_cast<std::uint64_t>(total * w / sum) + 16);
  return sizes;
}

std::vector<FilePlan> PlanFiles(const fs::path& dir, const CorpusSize& size, std::mt19937& rng) {
  std::vector<FilePlan> plans;
  const fs::path envir = dir / "Mir200" / "Envir";
  for (const ScriptDir& scriptDir : kScriptDirs) {
    auto count = static_cast<std::size_t>(std::ceil(size.Files * scriptDir.Share));
    for (std::size_t k = 0; k < count && plans.size() < size.Files; ++k) {
      FilePlan plan;
      fs::path folder = envir / scriptDir.Name;
      if (k >= kFilesPerFolder) folder /= "分区" + std::to_string(k / kFilesPerFolder);
      plan.Path = folder / ((scriptDir.Drops ? "怪物" : "脚本") + std::to_string(k) + ".txt");
      plan.Drops = scriptDir.Drops;
      plans.push_back(plan);
    }
  }
  std::vector<std::uint64_t> sizes = FileSizes(rng, plans, size.Bytes);
  for (std::size_t i = 0; i < plans.size(); ++i) {
    plans[i].Bytes = sizes[i];
    int code = std::uniform_int_distribution<int>(0, 19)(rng);
    plans[i].Code = code < 12 ? Encoding::Gbk : code < 17 ? Encoding::Utf8 : Encoding::Utf8Mark;
    plans[i].CrLf = std::uniform_int_distribution<int>(0, 4)(rng) == 0;
  }
  // A few quest files hold the #DEFINE constants the other scripts use.
  int constantFile = 0;
  for (FilePlan& plan : plans)
    if (!plan.Drops && constantFile < kConstantFiles &&
        plan.Path.parent_path().filename() == "QuestDiary")
      plan.ConstantFile = constantFile++;
  return plans;
}

std::string FileBytes(ScriptMaker& maker, const FilePlan& plan) {
  const bool gbk = plan.Code == Encoding::Gbk;
  std::string text = plan.ConstantFile >= 0 ? maker.ConstantFile(plan.ConstantFile)
                     : plan.Drops           ? maker.DropList(plan.Bytes, gbk)
                                            : maker.NpcScript(plan.Bytes, gbk);
  if (plan.CrLf) text = WithCrLf(text);
  if (gbk) return ToGbk(text);
  return plan.Code == Encoding::Utf8Mark ? "\xEF\xBB\xBF" + text : text;
}

}  // namespace

std::uint64_t GenerateCorpus(const fs::path& dir, const CorpusSize& size) {
  std::mt19937 rng(size.Seed);
  ScriptMaker maker(size.Seed + 1);
  std::uint64_t written = 0;
  for (const FilePlan& plan : PlanFiles(dir, size, rng)) {
    fs::create_directories(plan.Path.parent_path());
    std::string bytes = FileBytes(maker, plan);
    std::ofstream(plan.Path, std::ios::binary) << bytes;
    written += bytes.size();
  }
  return written;
}

}  // namespace qorvan::bench
