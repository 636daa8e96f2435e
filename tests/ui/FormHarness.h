// A main window with recording stand-ins for the system services.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "EditorLauncher.h"
#include "MemorySettingsStore.h"
#include "VariableSearch.h"

namespace qorvan::ui::test {

struct Recorded {
  QStringList Messages;
  QList<QUrl> Urls;
  QStringList Clipboard;
  std::vector<std::pair<QString, int>> Opened;  // path, line
  QStringList FolderPrompts;
  QString FolderAnswer;
};

class FormHarness {
 public:
  using Search = std::function<qorvan::RunOutcome(const qorvan::RunRequest&)>;
  // `search` stands in for the real search run when given; `storedDir` is remembered already.
  explicit FormHarness(Search search = {}, const QString& storedDir = {});
  TForm1& form() { return *form_; }
  Recorded& recorded() { return *recorded_; }
  MemorySettingsStore& store() { return *store_; }

  // Types `dir` into the directory box, presses "查询" and waits for the run's end.
  bool query(const QString& dir);

 private:
  std::shared_ptr<Recorded> recorded_ = std::make_shared<Recorded>();
  std::shared_ptr<MemorySettingsStore> store_ = std::make_shared<MemorySettingsStore>();
  std::unique_ptr<TForm1> form_;
};

}  // namespace qorvan::ui::test
