// The main window TForm1: directory box and query button, family bar, free-name and summary
// grids with their file and line drill-down, the two web tabs and the status bar.
#pragma once

#include <QAction>
#include <QMainWindow>
#include <QString>
#include <QUrl>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

#include "DirectoryBox.h"
#include "EditorLauncher.h"
#include "MyDB.h"
#include "Plus.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace qorvan {
class SettingsStore;
}

namespace qorvan::ui {

class FamilyBar;
class FileModel;
class FreeNameModel;
class LineModel;
class NoticeTableView;
class ProgressRelay;
class StatusPanels;
class SummaryModel;
class WebPage;

// What the window needs from the system; tests replace any of them.
struct FormServices {
  std::shared_ptr<qorvan::SettingsStore> Store;  // the remembered directory
  std::unique_ptr<EditorLauncher> Editor;        // opens script files
  std::function<void(QWidget*, const QString&)> MessageBox;
  std::function<void(const QUrl&)> OpenUrl;  // outside web addresses
  DirectoryBox::FolderChooser ChooseFolder;  // the folder dialog
  std::function<void(const QString&)> SetClipboard;
  // The search itself, run on the worker thread; empty means qorvan::RunSearch.
  std::function<qorvan::RunOutcome(const qorvan::RunRequest&)> Search;

  // The services of this platform.
  static FormServices System();
};

class TForm1 final : public QMainWindow {
  Q_OBJECT

 public:
  explicit TForm1(FormServices services, QWidget* parent = nullptr);
  ~TForm1() override;

  // The product's web-site address, shown at the end of the caption.
  static QString ProductSite();

  // The show step: comment skipping on, caption with the file version, remembered directory.
  void FormShow();
  // The query button: starts a run when idle, asks the running one to stop otherwise.
  void Button1Click();
  // True from the start of a run until its results (or its end) have been taken in.
  bool Running() const { return running_; }

  // Commands of the family bar and the display commands.
  void ClickExecute(QAction* action);
  void SetAllExecute();
  void Search1Execute();
  void Search2Execute();
  void Button2Click();
  void Edit1Change(const QString& text);

  // Drill-down: files of the summary's current row, lines of the file grid's current row.
  void DBGridEh1RowDetailPanelShow();
  void DBGridEh1DblClick();
  void DBGridEh2RowDetailPanelShow();
  void DBGridEh2DblClick();
  void DBGridEh3DblClick();
  void PageControl1Change(int index);

  // Widgets and state, for the program's own use and for tests.
  int CurrentFamily = 0;
  int Button1Tag = 0;  // 0 idle, 1 running
  qorvan::TSet Settings;
  qorvan::TDataModule1& DataModule1() { return *dataModule_; }
  QAction* action(const QString& name) const;
  const std::vector<QAction*>& ActionList1() const { return actionList1_; }
  QAction* Search1 = nullptr;
  QAction* Search2 = nullptr;

  QTabWidget* PageControl1 = nullptr;
  QGroupBox* GroupBox1 = nullptr;
  QLabel* Label1 = nullptr;
  DirectoryBox* JvDirectoryEdit1 = nullptr;
  QPushButton* Button1 = nullptr;
  QCheckBox* CheckBox1 = nullptr;
  QCheckBox* CheckBox2 = nullptr;
  QLabel* Label2 = nullptr;
  QLineEdit* Edit1 = nullptr;
  QPushButton* Button2 = nullptr;
  QToolButton* FilterButton = nullptr;
  FamilyBar* RzPanel1 = nullptr;
  NoticeTableView* DBGridEh0 = nullptr;
  NoticeTableView* DBGridEh1 = nullptr;
  NoticeTableView* DBGridEh2 = nullptr;
  NoticeTableView* DBGridEh3 = nullptr;
  FreeNameModel* ShowModel = nullptr;
  SummaryModel* SummaryModel1 = nullptr;
  FileModel* FileModel2 = nullptr;
  LineModel* LineModel3 = nullptr;
  WebPage* WebBrowser1 = nullptr;
  WebPage* WebBrowser2 = nullptr;
  StatusPanels* StatusBar1 = nullptr;

 signals:
  // A run's end has been taken in (results shown, or the run was rejected).
  void runFinished();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildActions();
  void buildQueryTab(QWidget* tab);
  QWidget* buildSettingsBox();
  void buildGrids(QWidget* tab, QLayout* layout);
  void buildMenu();
  void connectHandlers();

  void setIdle();
  void startRun();
  void takeProgress();
  void finishRun(unsigned generation, std::shared_ptr<qorvan::RunOutcome> outcome);
  void showCompletion(const qorvan::CompletionReport& report, bool stopped);
  void setCommandsEnabled(bool enabled);
  void enableFamilyActions();
  void familyCommand(int tag, bool setAll);
  void refreshSummary(std::vector<qorvan::SummaryRow> rows);
  void refreshFreeNames();
  QString summaryName() const;
  int firstUseLine(const QString& name, const QString& path) const;

  FormServices services_;
  std::unique_ptr<qorvan::TDataModule1> dataModule_;
  std::vector<QAction*> actionList1_;
  bool shown_ = false;
  bool running_ = false;
  unsigned generation_ = 0;
  std::shared_ptr<std::atomic<bool>> stop_;
  std::shared_ptr<ProgressRelay> relay_;
};

}  // namespace qorvan::ui
