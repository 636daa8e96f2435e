// Script text of the kinds real server trees hold: NPC and quest scripts made of sections,
// conditions, actions, dialogue and menus, and monster-drop lists; a few percent of the lines
// use variables, tags, timers, slots or constants.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace qorvan::bench {

// How many #DEFINE files the tree holds and how many constants each defines.
inline constexpr int kConstantFiles = 40;
inline constexpr int kConstantsPerFile = 30;

class ScriptMaker {
 public:
  explicit ScriptMaker(std::uint32_t seed) : rng_(seed) {}

  // An NPC or quest script (UTF-8, LF line ends) of about `bytes` bytes once encoded.
  std::string NpcScript(std::uint64_t bytes, bool gbk);
  // A monster-drop list of about `bytes` bytes once encoded.
  std::string DropList(std::uint64_t bytes, bool gbk);
  // The #DEFINE file number `index` (0 .. kConstantFiles - 1).
  std::string ConstantFile(int index);

  // A number from 0 to n - 1.
  int Pick(int n);

 private:
  bool Chance(double p);
  std::string Num(int n) { return std::to_string(Pick(n)); }
  std::string Label();
  std::string Item();
  std::string Sentence();
  // A script keeps using a few members: it draws a few numbers from which a member of each
  // family is derived, and mostly picks one of them.
  void NewFavourites();
  std::uint32_t Favourite();
  // A member number below n, mostly derived from one of the script's favourites.
  std::string Member(int n);
  std::string Letter();
  // A defined constant whose value is a number (kind 0), a tag (1) or a letter variable (2).
  std::string ConstantName(int kind);

  std::string Condition();
  std::string Action();
  std::string VariableLine();
  std::string Dialogue();
  std::string Menu();
  // Appends one section of a script: header, dialogue or a condition block.
  void Section(std::string& text);

  std::mt19937 rng_;
  std::vector<std::uint32_t> favourites_;
};

// Bytes `utf8` takes in GBK: every non-ASCII character here is a three-byte CJK or
// full-width one that GBK writes in two bytes.
std::uint64_t GbkSize(const std::string& utf8);

}  // namespace qorvan::bench
