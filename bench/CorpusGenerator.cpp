#include "CorpusGenerator.h"

#include <unicode/ucnv.h>

#include <array>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace qorvan::bench {
namespace {
namespace fs = std::filesystem;

constexpr std::array<const char*, 6> kScriptDirs = {"MapQuest_Def", "Market_Def", "Npc_Def",
                                                    "QuestDiary",   "Robot_def",  "MonItems"};
constexpr std::array<const char*, 10> kLetters = {"A", "D", "E", "F", "G", "H", "I", "M", "P", "S"};
constexpr std::array<const char*, 8> kWords = {"欢迎光临本店", "勇士你好",    "屠龙宝刀",
                                               "比奇城",       "沃玛寺庙",    "请选择你要的服务",
                                               "你的金币不足", "任务已经完成"};
constexpr int kConstantFiles = 50;  // the first files of QuestDiary define constants
constexpr int kConstantsPerFile = 40;

class LineMaker {
 public:
  explicit LineMaker(std::uint32_t seed) : rng_(seed) {}

  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  std::string Num(int n) { return std::to_string(Pick(n)); }
  std::string Letter() {
    std::string l = kLetters[Pick(kLetters.size())];
    return l + (l == "P" ? Num(10) : Num(100));
  }
  std::string Word() { return kWords[Pick(kWords.size())]; }
  std::string Constant() {
    return "$(常量" + std::to_string(Pick(kConstantFiles * kConstantsPerFile)) + ")";
  }

  // One script line of the kind real NPC and quest scripts hold.
  std::string Line() {
    switch (Pick(16)) {
      case 0:
        return "[@main" + Num(50) + "]";
      case 1:
        return "#IF";
      case 2:
        return "#ACT";
      case 3:
        return "#SAY";
      case 4:
        return Word() + "，" + Word() + "！\\";
      case 5:
        return "<" + Word() + "/@go" + Num(50) + ">";
      case 6:
        return "MOV " + Letter() + " " + Num(1000);
      case 7:
        return "CHECK [" + std::to_string(1 + Pick(808)) + "] 1";
      case 8:
        return "SENDMSG 6 <$STR(" + Letter() + ")>" + Word();
      case 9:
        return "SETABILITY " + Num(600) + " 1";
      case 10:
        return "INTS " + Num(30) + " + 1";
      case 11:
        return "COMPVAL <$INTS" + Num(30) + "> > " + Num(100);
      case 12:
        return "MAPMOVE <$STR(" + Letter() + ")> " + Num(400) + " " + Num(400);
      case 13:
        return "SETSCTIMER " + Num(15) + " 60";
      case 14:
        return "SETABILITY " + Constant() + " 1";
      default:
        return ";" + Word();
    }
  }

 private:
  std::mt19937 rng_;
};

std::string ToGbk(const std::string& utf8) {
  std::string out(utf8.size() + 16, '\0');
  UErrorCode error = U_ZERO_ERROR;
  int32_t n = ucnv_convert("GBK", "UTF-8", out.data(), static_cast<int32_t>(out.size()),
                           utf8.data(), static_cast<int32_t>(utf8.size()), &error);
  out.resize(U_SUCCESS(error) ? static_cast<std::size_t>(n) : 0);
  return out;
}

std::string ConstantFile(int index) {
  std::string text = "; 常量定义\r\n";
  for (int k = 0; k < kConstantsPerFile; ++k) {
    int id = index * kConstantsPerFile + k;
    text += "#DEFINE $(常量" + std::to_string(id) + ") " + std::to_string(id % 600) + "\r\n";
  }
  return text;
}

}  // namespace

std::uint64_t GenerateCorpus(const fs::path& dir, const CorpusSize& size) {
  LineMaker maker(size.Seed);
  std::uint64_t perFile = size.Files ? size.Bytes / size.Files : 0;
  std::uint64_t written = 0;
  for (std::size_t i = 0; i < size.Files; ++i) {
    std::string scriptDir = kScriptDirs[i % kScriptDirs.size()];
    fs::path folder = dir / "Mir200" / "Envir" / scriptDir / ("区域" + std::to_string(i / 600)) /
                      ("组" + std::to_string(i / 60 % 10));
    fs::create_directories(folder);
    bool constants = scriptDir == "QuestDiary" && static_cast<int>(i / 6) < kConstantFiles;
    std::string text = constants ? ConstantFile(static_cast<int>(i / 6)) : std::string();
    while (text.size() < perFile) text += maker.Line() + "\r\n";
    int encoding = static_cast<int>(i % 4);  // GBK twice as often as UTF-8 (with or without mark)
    std::string bytes = encoding < 2 ? ToGbk(text) : (encoding == 2 ? "\xEF\xBB\xBF" : "") + text;
    std::ofstream(folder / ("脚本" + std::to_string(i) + ".txt"), std::ios::binary) << bytes;
    written += bytes.size();
  }
  return written;
}

}  // namespace qorvan::bench
