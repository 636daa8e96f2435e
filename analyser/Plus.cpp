#include "Plus.h"

#include <string>

#include "UpperCase.h"

namespace qorvan {

const std::array<std::u16string_view, FamilyCount> FamilyNames = {
    u"A",    u"B",      u"C",           u"D",       u"E",          u"F",
    u"G",    u"H",      u"I",           u"J",       u"K",          u"L",
    u"M",    u"N",      u"O",           u"P",       u"Q",          u"R",
    u"S",    u"T",      u"U",           u"V",       u"W",          u"X",
    u"Y",    u"Z",      u"TAG",         u"TIMER",   u"SETABILITY", u"H.SETABILITY",
    u"INTS", u"H.INTS", u"STDMODEFUNC", u"USERCMD", u"SETALL"};

const std::array<std::int32_t, FamilyCount> FamilyOrderBase = [] {
  std::array<std::int32_t, FamilyCount> bases{};
  for (int n = 1; n <= FamilyCount; ++n) bases[n - 1] = n * 1000000;
  return bases;
}();

namespace {

// Highest member number per family; 0 marks a family without members.
constexpr std::array<std::uint32_t, FamilyCount> kHighest = {
    99, 0, 0, 99, 99, 99, 99, 99, 99,  0,  0,   0,   99, 0,  0,   9,   0, 0,
    99, 0, 0, 0,  0,  0,  0,  0,  808, 14, 599, 599, 29, 29, 255, 255, 0};

std::u16string Decimal(int n) {
  std::string s = std::to_string(n);
  return std::u16string(s.begin(), s.end());
}

void AddKeyword(Catalogue& cat, std::u16string key, std::int32_t code) {
  cat.KeyWordDic.emplace(std::move(key), code);  // an existing key keeps its code
}

Catalogue BuildCatalogue() {
  Catalogue cat;
  for (int n = 1; n <= FamilyCount; ++n) {
    TValueDat family;
    family.ID = n;
    family.Order = FamilyOrderBase[n - 1];
    family.SearchNum = kHighest[n - 1];
    family.Name = std::u16string(FamilyNames[n - 1]);
    family.SearchMode = true;
    cat.FamilyDic.emplace(family.Name, family);
  }

  AddKeyword(cat, u"#DEFINE", 1);
  for (const char16_t* key : {u"CHECKRANGEMONCOUNT",
                              u"CHECKMAPMONCOUNT",
                              u"CHECKMAPRANGEMONNAMECOUNT",
                              u"CHECKMONMAP",
                              u"CHECKRANGEMONCOUNTEX",
                              u"CHECKMAPHUMANCOUNT",
                              u"ISONMAP",
                              u"CLEARMAPMON",
                              u"COPYMAPEXISTS",
                              u"NEWCOPYMAP",
                              u"MOBNPC",
                              u"DELNPC",
                              u"ISSAMEGUILDONMAP",
                              u"MAP",
                              u"OFFLINEPLAYERCOUNT",
                              u"MAPMOVE",
                              u"GROUPMAPMOVE",
                              u"PARAM2",
                              u"TAGMAPMOVE",
                              u"DELFIREBURN",
                              u"MOBFIREBURN",
                              u"ADDMAPROUTE",
                              u"DELMAPROUTE",
                              u"CHECKHUM",
                              u"KILLSLAVE",
                              u"ADDBATCH",
                              u"BATCHMOVE"})
    AddKeyword(cat, key, 2);
  AddKeyword(cat, u"CHECK", 3);
  AddKeyword(cat, u"SET", 3);
  AddKeyword(cat, u"SETSCTIMER", 4);
  AddKeyword(cat, u"KILLSCTIMER", 4);
  for (int n = 0; n <= 13; ++n) AddKeyword(cat, u"[@ONTIMER" + Decimal(n) + u"]", 4);
  AddKeyword(cat, u"SETABILITY", 5);
  AddKeyword(cat, u"H.SETABILITY", 6);
  AddKeyword(cat, u"INTS", 7);
  AddKeyword(cat, u"CHECKINTS", 7);
  AddKeyword(cat, u"H.INTS", 8);
  AddKeyword(cat, u"H.CHECKINTS", 8);
  AddKeyword(cat, u"COMPVAL", 20);
  AddKeyword(cat, u"!COMPVAL", 20);
  for (int n = 0; n <= 255; ++n) AddKeyword(cat, u"[@STDMODEFUNC" + Decimal(n) + u"]", 9);
  for (int n = 0; n <= 255; ++n) AddKeyword(cat, u"[@USERCMD" + Decimal(n) + u"]", 10);
  for (int n = 0; n <= 29; ++n) {
    AddKeyword(cat, u"INTS" + Decimal(n), 21);
    AddKeyword(cat, u"H.INTS" + Decimal(n), 22);
  }

  for (const char16_t* dir : {u"Mir200\\Envir\\MapQuest_Def\\", u"Mir200\\Envir\\Market_Def\\",
                              u"Mir200\\Envir\\Npc_Def\\", u"Mir200\\Envir\\QuestDiary\\",
                              u"Mir200\\Envir\\Robot_def\\", u"Mir200\\Envir\\MonItems\\"})
    cat.ScriptDirList.emplace_back(dir);
  return cat;
}

// Paths are compared in upper case as script text is, so 'ı' and 'ſ' count as 'I' and 'S'.
bool PathInMonItems(std::u16string_view path) {
  static constexpr std::u16string_view kDir = u"MONITEMS";
  const char16_t* upper = UnitUpperCases();
  for (std::size_t i = 0; i + kDir.size() + 2 <= path.size(); ++i) {
    char16_t open = path[i];
    if (open != u'\\' && open != u'/') continue;
    char16_t close = path[i + kDir.size() + 1];
    if (close != u'\\' && close != u'/') continue;
    bool same = true;
    for (std::size_t k = 0; k < kDir.size() && same; ++k) same = upper[path[i + 1 + k]] == kDir[k];
    if (same) return true;
  }
  return false;
}

}  // namespace

const Catalogue& TheCatalogue() {
  static const Catalogue catalogue = BuildCatalogue();
  return catalogue;
}

std::u16string UseKeyWord(std::u16string_view name, const TUse& use) {
  if (use.Wrap == UseWrap::Bare) return std::u16string(name);
  std::u16string text = u"<$STR(";
  text.append(name);
  text.append(u")>");
  return text;
}

const TValue* ValueDicT::Find(std::u16string_view name) const {
  auto it = index_.find(name);
  return it == index_.end() ? nullptr : &entries_[it->second];
}

TValue* ValueDicT::Find(std::u16string_view name) {
  auto it = index_.find(name);
  return it == index_.end() ? nullptr : &entries_[it->second];
}

TValue& ValueDicT::FindOrAdd(std::u16string_view name, bool& created) {
  auto it = index_.find(name);
  created = it == index_.end();
  if (!created) return entries_[it->second];
  index_.emplace(std::u16string(name), entries_.size());
  TValue& value = entries_.emplace_back();
  value.ValueName = std::u16string(name);
  return value;
}

void ValueDicT::clear() {
  entries_.clear();
  index_.clear();
}

std::optional<FileId> RunState::FindPath(std::u16string_view path, std::size_t hash) const {
  const auto [first, last] = pathIndex_.equal_range(hash);
  for (auto it = first; it != last; ++it)
    if (FileDic[it->second].Path == path) return it->second;
  return std::nullopt;
}

FileId RunState::AddFile(std::u16string path, std::u16string_view text) {
  if (const auto id = FindPath(path, U16Hash{}(path))) return *id;
  return AddKeptFile(std::move(path), Texts.Keep(text));
}

FileId RunState::AddKeptFile(std::u16string path, std::u16string_view keptText) {
  const std::size_t hash = U16Hash{}(path);
  if (const auto id = FindPath(path, hash)) return *id;
  const auto id = static_cast<FileId>(FileDic.size());
  const bool inMonItems = PathInMonItems(path);
  FileDic.push_back(ScriptFile{std::move(path), keptText, inMonItems});
  try {
    pathIndex_.emplace(hash, id);
  } catch (...) {
    FileDic.pop_back();  // no file without its index entry
    throw;
  }
  return id;
}

void RunState::Clear() {
  FileDic.clear();
  pathIndex_.clear();
  ConstantDic.clear();
  ValueDic.clear();
  Texts = TextStore();  // last: the entries above point into it
}

namespace {

// Index of the file's entry in value.ValuePath, created when absent. A run records file after
// file, so the entry is the last one or a new one; only uses out of file order need a search.
std::size_t PathSlot(TValue& value, FileId path) {
  std::vector<TValuePathData>& paths = value.ValuePath;
  if (!paths.empty() && paths.back().Path == path) return paths.size() - 1;
  const bool after = paths.empty() || paths.back().Path < path;
  if (!after || !value.PathsAscending)
    for (std::size_t i = 0; i < paths.size(); ++i)
      if (paths[i].Path == path) return i;
  if (!after) value.PathsAscending = false;
  paths.push_back(TValuePathData{1, path, {}});
  return paths.size() - 1;
}

}  // namespace

TValue& ValueOfMember(ValueDicT& dic, const TValueDat& dat) {
  bool created = false;
  TValue& value = dic.FindOrAdd(dat.Name, created);
  if (created) {
    value.ValueID = static_cast<std::uint32_t>(dat.ID);
    value.ValueType = Decimal(dat.ID);
    value.ValueSearchID = dat.IDX;
  }
  return value;
}

void RecordUseInto(TValue& value, FileId path, std::u16string_view line, std::int32_t lineNo,
                   UseWrap wrap, std::u16string_view descr) {
  value.ValueNum += 1;
  const std::size_t slot = PathSlot(value, path);
  value.ValueDescr.assign(descr);
  value.ValuePath[slot].Uses.push_back(TUse{lineNo, wrap, line});
}

void RecordValueUse(ValueDicT& dic, const TValueDat& dat, FileId path, std::u16string_view line,
                    std::int32_t lineNo, UseWrap wrap, std::u16string_view descr) {
  try {
    RecordUseInto(ValueOfMember(dic, dat), path, line, lineNo, wrap, descr);
  } catch (...) {
    // Only resource exhaustion can get here; the use is dropped and the caller goes on.
  }
}

}  // namespace qorvan
