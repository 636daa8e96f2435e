#include "FormHarness.h"

#include <QSignalSpy>
#include <QTest>

#include "SettingsStore.h"

namespace qorvan::ui::test {

namespace {

class RecordingEditor final : public EditorLauncher {
 public:
  explicit RecordingEditor(std::shared_ptr<Recorded> r) : r_(std::move(r)) {}
  void OpenFile(const QString& path, int line) override { r_->Opened.emplace_back(path, line); }

 private:
  std::shared_ptr<Recorded> r_;
};

}  // namespace

FormHarness::FormHarness(Search search, const QString& storedDir) {
  if (!storedDir.isEmpty())
    store_->WriteRegString(qorvan::kSettingsKey, qorvan::kPathValueName,
                           storedDir.toStdU16String());
  FormServices services;
  services.Search = std::move(search);
  services.Store = store_;
  services.Editor = std::make_unique<RecordingEditor>(recorded_);
  auto r = recorded_;
  services.MessageBox = [r](QWidget*, const QString& text) { r->Messages << text; };
  services.OpenUrl = [r](const QUrl& url) { r->Urls << url; };
  services.SetClipboard = [r](const QString& text) { r->Clipboard << text; };
  services.ChooseFolder = [r](QWidget*, const QString& prompt, const QString&) {
    r->FolderPrompts << prompt;
    return r->FolderAnswer;
  };
  form_ = std::make_unique<TForm1>(std::move(services));
  form_->show();
}

bool FormHarness::query(const QString& dir) {
  QSignalSpy finished(form_.get(), &TForm1::runFinished);
  form_->JvDirectoryEdit1->setText(dir);
  form_->Button1Click();
  return finished.count() > 0 || finished.wait(120000);
}

}  // namespace qorvan::ui::test
