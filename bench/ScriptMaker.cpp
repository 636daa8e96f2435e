#include "ScriptMaker.h"

#include <array>
#include <string_view>

namespace qorvan::bench {
namespace {

using Words = std::initializer_list<std::string_view>;

constexpr std::array<std::string_view, 20> kItems = {
    "金创药",   "魔法药",   "强效金创药", "特效魔法药", "屠龙刀",   "裁决之杖",   "骨玉权杖",
    "记忆项链", "祈祷头盔", "天龙神剑",   "任务卡",     "回城卷",   "随机传送卷", "祝福油",
    "金条",     "元宝",     "技能书页",   "白银宝箱",   "沃玛号角", "祖玛头像"};

constexpr std::array<std::string_view, 16> kPhrases = {"这里是比奇城堡宫殿",
                                                       "我是管理各种事情的国王",
                                                       "你有什么事情吗？",
                                                       "勇士你好",
                                                       "欢迎光临本店",
                                                       "请选择你要的服务",
                                                       "你的金币不足",
                                                       "任务已经完成",
                                                       "对不起，你的等级不够",
                                                       "填写行会名称时一定要慎重",
                                                       "每日22点以后无法领取任务",
                                                       "需要击杀99只青龙方可解封",
                                                       "赶紧去完成吧",
                                                       "背包空间不足，请整理后再来",
                                                       "沃玛寺庙三层出现了首领",
                                                       "过0点清空"};

constexpr std::array<std::string_view, 16> kLabels = {
    "main",     "buy",  "sell", "repair", "exit",   "开始",    "完成", "巡游",
    "领取奖励", "兑换", "传送", "Color3", "getexp", "storage", "饮酒", "升级"};

constexpr std::array<std::string_view, 8> kMaps = {"3",     "0",  "2", "D717",
                                                   "n0139", "11", "5", "D2013"};

constexpr std::array<char, 10> kLetters = {'A', 'D', 'E', 'F', 'G', 'H', 'I', 'M', 'P', 'S'};

template <std::size_t N>
std::string_view OneOf(ScriptMaker& maker, const std::array<std::string_view, N>& words) {
  return words[static_cast<std::size_t>(maker.Pick(static_cast<int>(N)))];
}

std::string Join(Words parts) {
  std::string text;
  for (std::string_view part : parts) text += part;
  return text;
}

}  // namespace

std::uint64_t GbkSize(const std::string& utf8) {
  std::uint64_t high = 0;
  for (char c : utf8) high += static_cast<unsigned char>(c) >= 0x80;
  return utf8.size() - high / 3;
}

int ScriptMaker::Pick(int n) {
  return std::uniform_int_distribution<int>(0, n - 1)(rng_);
}

bool ScriptMaker::Chance(double p) {
  return std::uniform_real_distribution<double>(0.0, 1.0)(rng_) < p;
}

std::string ScriptMaker::Label() {
  std::string label(OneOf(*this, kLabels));
  return Chance(0.5) ? label + Num(40) : label;
}

std::string ScriptMaker::Item() {
  return std::string(OneOf(*this, kItems));
}

std::string ScriptMaker::Sentence() {
  std::string text(OneOf(*this, kPhrases));
  for (int n = Pick(4); n > 0; --n) text += Join({"，", OneOf(*this, kPhrases)});
  return text + (Chance(0.5) ? "！" : "。");
}

void ScriptMaker::NewFavourites() {
  favourites_.clear();
  for (int n = 1 + Pick(4); n > 0; --n) favourites_.push_back(static_cast<std::uint32_t>(rng_()));
}

std::uint32_t ScriptMaker::Favourite() {
  if (favourites_.empty() || Chance(0.05)) return static_cast<std::uint32_t>(rng_());
  return favourites_[static_cast<std::size_t>(Pick(static_cast<int>(favourites_.size())))];
}

std::string ScriptMaker::Member(int n) {
  return std::to_string(Favourite() % static_cast<std::uint32_t>(n));
}

std::string ScriptMaker::Letter() {
  const std::uint32_t f = Favourite();
  const char letter = kLetters[f % kLetters.size()];
  return letter + std::to_string(f / kLetters.size() % (letter == 'P' ? 10 : 100));
}

std::string ScriptMaker::ConstantName(int kind) {
  return "$(常量" + std::to_string(3 * Pick(kConstantFiles * kConstantsPerFile / 3) + kind) + ")";
}

std::string ScriptMaker::Condition() {
  if (Chance(0.15)) return VariableLine();
  switch (Pick(8)) {
    case 0:
      return "CHECKLEVELEX > " + Num(100);
    case 1:
      return Join({"CHECKITEM ", Item(), " ", Num(10)});
    case 2:
      return "CHECKGOLD " + Num(200) + "0000";
    case 3:
      return "CheckTextList ..\\QuestDiary\\标记数据\\名单" + Num(9) + ".txt <$USERNAME>";
    case 4:
      return "RANDOM " + Num(20);
    case 5:
      return Join({"checkmapname ", OneOf(*this, kMaps)});
    case 6:
      return "CHECKJOB WARRIOR";
    default:
      return "CHECKBAGGAGE";
  }
}

std::string ScriptMaker::Action() {
  if (Chance(0.15)) return VariableLine();
  switch (Pick(12)) {
    case 0:
    case 1:
      return Join({"give ", Item(), " 1"});
    case 2:
      return Join({"TAKE ", Item(), " ", Num(10)});
    case 3:
      return "MESSAGEBOX " + Sentence();
    case 4:
      return "SENDMSG 6 " + Sentence();
    case 5:
      return "goto @" + Label();
    case 6:
      return Join({"MAPMOVE ", OneOf(*this, kMaps), " ", Num(400), " ", Num(400)});
    case 7:
      return "GAMEGOLD + " + Num(1000);
    case 8:
      return "DELAYGOTO 100 @" + Label();
    case 9:
      return "close";
    default:
      return "break";
  }
}

std::string ScriptMaker::VariableLine() {
  switch (Pick(17)) {
    case 0:
      return "MOV " + Letter() + " " + Num(1000);
    case 1:
      return "INC " + Letter() + " 1";
    case 2:
      return "EQUAL " + Letter() + " " + Num(5);
    case 3:
      return "SENDMSG 6 " + Sentence() + "<$STR(" + Letter() + ")>";
    case 4:
      return "CHECK [" + Member(808) + "] 1";
    case 5:
      return "set [" + Member(808) + "] " + Num(2);
    case 6:
      return "SETSCTIMER " + Member(15) + " 60";
    case 7:
      return "SETABILITY " + Member(600) + " 1";
    case 8:
      return "H.SETABILITY " + Member(600) + " " + Num(100);
    case 9:
      return "INTS " + Member(30) + " + 1";
    case 10:
      return "CHECKINTS " + Member(30) + " > " + Num(10);
    case 11:
      return "COMPVAL <$INTS" + Member(30) + "> > " + Num(100);
    case 12:
      return "COMPVAL <$STR(" + Letter() + ")> > " + Num(10);
    case 13:
      return "MAPMOVE <$STR(" + Letter() + ")> " + Num(400) + " " + Num(400);
    case 14:
      return "SETABILITY " + ConstantName(0) + " 1";
    case 15:
      return "CHECK " + ConstantName(1) + " 1";
    default:
      return "MOV " + ConstantName(2) + " 1";
  }
}

std::string ScriptMaker::Dialogue() {
  if (Chance(0.1)) return "　　　　　　　<┏━━┓　　　　　　　　┏━━┓/FCOLOR=254>\\";
  return Sentence() + "\\";
}

std::string ScriptMaker::Menu() {
  std::string line = " <" + Sentence() + "/@" + Label() + ">";
  if (Chance(0.5)) line += "     <" + std::string(OneOf(*this, kPhrases)) + "/@" + Label() + ">";
  return line + "\\";
}

void ScriptMaker::Section(std::string& text) {
  std::string header = "[@" + Label() + "]";
  if (Chance(0.01)) header = "[@StdModeFunc" + Num(256) + "]";
  if (Chance(0.01)) header = "[@UserCmd" + Num(256) + "]";
  if (Chance(0.005)) header = "[@OnTimer" + Num(15) + "]";
  text += header + "\n";
  const int kind = Pick(10);
  if (kind < 5) {
    for (int n = 2 + Pick(5); n > 0; --n) text += Dialogue() + "\n";
    for (int n = 1 + Pick(4); n > 0; --n) text += Menu() + "\n";
  } else if (kind < 9) {
    for (int blocks = Chance(0.3) ? 2 : 1; blocks > 0; --blocks) {
      text += "#IF\n";
      for (int n = 1 + Pick(3); n > 0; --n) text += Condition() + "\n";
      text += Chance(0.2) ? "#ACT\n" : "#act\n";
      for (int n = 2 + Pick(4); n > 0; --n) text += Action() + "\n";
      if (Chance(0.3)) text += "#ELSEACT\n" + Action() + "\nbreak\n";
      if (Chance(0.2)) text += "#ELSESAY\n" + Dialogue() + "\n";
    }
  } else {
    text += ";" + Sentence() + "\n";
    if (Chance(0.3)) text += ";MOV " + Letter() + " 1\n";
    text += "#CALL [\\商人\\加点.txt] @加点系统\n";
  }
  text += "\n";
}

std::string ScriptMaker::NpcScript(std::uint64_t bytes, bool gbk) {
  NewFavourites();
  std::string text;
  if (Chance(0.3)) text = Join({";", Sentence(), "\n"});
  while ((gbk ? GbkSize(text) : text.size()) < bytes) Section(text);
  return text;
}

std::string ScriptMaker::DropList(std::uint64_t bytes, bool gbk) {
  NewFavourites();
  std::string text;
  while ((gbk ? GbkSize(text) : text.size()) < bytes) {
    const int kind = Pick(40);
    if (kind == 0) {
      text += "\n#CHILD 1/" + std::to_string(1 + Pick(300)) + " RANDOM\n(\n";
      for (int n = 2 + Pick(6); n > 0; --n) text += "1/1 " + Item() + "\n";
      text += ")\n";
    } else if (kind == 1) {
      text += "1/10 <$STR(" + Letter() + ")> 1\n";
    } else {
      text += "1/" + std::to_string(1 + Pick(2000)) + (Chance(0.2) ? "\t" : " ") + Item() + "\n";
    }
  }
  return text;
}

std::string ScriptMaker::ConstantFile(int index) {
  std::string text = "; 常量定义\n";
  for (int k = 0; k < kConstantsPerFile; ++k) {
    int id = index * kConstantsPerFile + k;
    std::string value;
    switch (id % 3) {  // the kinds ConstantName(kind) asks for
      case 0:
        value = std::to_string(id % 600);
        break;
      case 1:
        value = Join({"[", std::to_string(1 + id % 808), "]"});
        break;
      default:
        value = "<$STR(" + Letter() + ")>";
    }
    text += "#DEFINE $(常量" + std::to_string(id) + ") " + value + "\n";
  }
  return text;
}

}  // namespace qorvan::bench
