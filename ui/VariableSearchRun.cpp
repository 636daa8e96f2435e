// The query button and the search run on a worker thread.
#include <QCheckBox>
#include <QDir>
#include <QFuture>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtConcurrent/QtConcurrentRun>

#include "FileModel.h"
#include "FreeNameModel.h"
#include "LineModel.h"
#include "NoticeTableView.h"
#include "ProgressRelay.h"
#include "SafeApplication.h"
#include "SearchRun.h"
#include "StatusPanels.h"
#include "SummaryModel.h"
#include "VariableSearch.h"

namespace qorvan::ui {

namespace {

constexpr int kPanelFiles = 1;
constexpr int kPanelTime = 3;
constexpr int kPanelFile = 5;

// Leading and trailing blanks and control characters (every code up to U+0020) removed.
QString TrimControls(const QString& text) {
  qsizetype begin = 0;
  qsizetype end = text.size();
  while (begin < end && text[begin].unicode() <= 0x20) ++begin;
  while (end > begin && text[end - 1].unicode() <= 0x20) --end;
  return text.mid(begin, end - begin);
}

QString Normalized(const QString& dir) {
  return QString::fromStdU16String(qorvan::NormalizeDir(dir.toStdU16String()));
}

QString Fraction(int done, int total) {
  return QString::number(done) + u'/' + QString::number(total);
}

}  // namespace

void TForm1::Button1Click() {
  if (Button1Tag != 0) {
    // Stopping: the run ends at its next check and shows what it has found so far.
    if (stop_) stop_->store(true);
    Button1Tag = 0;
    Button1->setText(QStringLiteral("查询"));
    StatusBar1->setPanelText(kPanelFile, QStringLiteral("正在停止查询……"));
    return;
  }
  enableFamilyActions();
  Button1->setText(QStringLiteral("停止"));
  Button1Tag = 1;
  const QString typed = JvDirectoryEdit1->text();
  Settings.Dir = Normalized(TrimControls(typed)).toStdU16String();
  if (Settings.Dir.empty()) {
    setIdle();
    emit runFinished();
    return;
  }
  if (typed.isEmpty() || Normalized(typed).isEmpty()) {
    // The run checks the text exactly as typed; it fails before anything is cleared.
    if (services_.MessageBox)
      services_.MessageBox(
          this, typed + QString::fromStdU16String(std::u16string(qorvan::kMissingDirMessage)));
    setIdle();
    emit runFinished();
    return;
  }
  startRun();
}

void TForm1::setIdle() {
  Button1Tag = 0;
  Button1->setText(QStringLiteral("查询"));
  Button1->setEnabled(true);
}

void TForm1::enableFamilyActions() {
  for (QAction* a : actionList1_) a->setEnabled(true);
}

void TForm1::setCommandsEnabled(bool enabled) {
  for (QAction* a : actionList1_) a->setEnabled(enabled);
  Search1->setEnabled(enabled);
  Search2->setEnabled(enabled);
  Button2->setEnabled(enabled);
}

void TForm1::startRun() {
  running_ = true;
  const unsigned generation = ++generation_;
  stop_ = std::make_shared<std::atomic<bool>>(false);
  relay_ =
      std::shared_ptr<ProgressRelay>(new ProgressRelay, [](ProgressRelay* r) { r->deleteLater(); });
  ProgressRelay* relay = relay_.get();
  connect(
      relay, &ProgressRelay::progressed, this,
      [this, generation] {
        if (generation == generation_) Guarded([this] { takeProgress(); });
      },
      Qt::QueuedConnection);

  dataModule_->ResetResultStore();
  SummaryModel1->setRows({});
  ShowModel->setRows({});
  FileModel2->setRows({});
  LineModel3->setRows({});
  DBGridEh2->setEnabled(false);
  DBGridEh3->setEnabled(false);
  DBGridEh1->setNotice(QStringLiteral("正在搜索，请稍后！！"));
  setCommandsEnabled(false);
  StatusBar1->setPanelText(kPanelFiles, Fraction(0, 0));
  StatusBar1->setPanelText(kPanelFile, QString());
  StatusBar1->showProgress(0, 0);

  qorvan::RunRequest request;
  request.DirText = JvDirectoryEdit1->text().toStdU16String();
  request.Filtered = Settings.Filtered;
  request.Stop = stop_.get();
  request.Store = services_.Store.get();
  request.RememberedDir = Settings.LoadPath;
  request.Progress = [relay = relay_](const qorvan::RunProgress& p) { relay->report(p); };
  // The worker keeps the stop flag and the store alive even if the window goes first.
  auto search = services_.Search ? services_.Search : qorvan::RunSearch;
  auto work = [request = std::move(request), search = std::move(search), stop = stop_,
               store = services_.Store]() {
    try {
      return std::make_shared<qorvan::RunOutcome>(search(request));
    } catch (...) {
      return std::shared_ptr<qorvan::RunOutcome>();
    }
  };
  // The application, not the window, carries the continuation: the window may close before the
  // worker ends, and a continuation must never find its context gone.
  QPointer<TForm1> self(this);
  QtConcurrent::run(std::move(work))
      .then(QCoreApplication::instance(),
            [self, generation](std::shared_ptr<qorvan::RunOutcome> outcome) {
              if (self) Guarded([&] { self->finishRun(generation, std::move(outcome)); });
            });
}

void TForm1::takeProgress() {
  if (!relay_) return;
  const ProgressSnapshot p = relay_->take();
  const bool lines = p.Phase == qorvan::RunPhase::Lines || p.Phase == qorvan::RunPhase::Done;
  const int total = p.FilesTotal;
  // In the line pass panel 1 counts the file being analysed: "1/12" for the first one.
  const int number = p.Phase == qorvan::RunPhase::Lines ? p.FilesDone + 1 : p.FilesDone;
  StatusBar1->setPanelText(
      kPanelFiles, lines ? Fraction(number, total) : Fraction(0, total ? total : p.FilesDone));
  StatusBar1->setPanelText(kPanelFile, p.Phase == qorvan::RunPhase::Done
                                           ? QStringLiteral("查询完毕")
                                           : QDir::toNativeSeparators(p.CurrentFile));
  switch (p.Phase) {
    case qorvan::RunPhase::Collecting:
      StatusBar1->showProgress(0, 0);
      break;
    case qorvan::RunPhase::Constants:
      StatusBar1->showProgress(p.FilesDone, 2 * total);
      break;
    case qorvan::RunPhase::Lines:
      StatusBar1->showProgress(total + p.FilesDone, 2 * total);
      break;
    case qorvan::RunPhase::Done:
      StatusBar1->showProgress(1, 1);
      break;
  }
}

void TForm1::finishRun(unsigned generation, std::shared_ptr<qorvan::RunOutcome> outcome) {
  if (generation != generation_) return;  // a newer run owns the window now
  takeProgress();
  running_ = false;
  relay_.reset();
  bool stopped = false;
  try {
    if (outcome && outcome->Missing()) {
      if (services_.MessageBox)
        services_.MessageBox(this, QString::fromStdU16String(outcome->Message));
    } else if (outcome) {
      stopped = outcome->Stopped();
      // LoadPath goes on as the run left it: the last file visited, or the directory text.
      if (outcome->State) Settings.LoadPath = outcome->State->Settings.LoadPath;
      showCompletion(dataModule_->BMDThread1Terminate(std::move(*outcome)), stopped);
    }
  } catch (...) {
  }
  // Whatever happened above, the window is ready for the next query.
  DBGridEh1->setNotice(stopped ? QStringLiteral("查询已停止，没有找到结果") : QString());
  StatusBar1->showProgress(0, -1);
  setCommandsEnabled(true);
  setIdle();
  emit runFinished();
}

void TForm1::showCompletion(const qorvan::CompletionReport& report, bool stopped) {
  refreshSummary(dataModule_->SummaryRows());
  refreshFreeNames();
  DBGridEh2->setEnabled(report.DetailActive);
  StatusBar1->setPanelText(kPanelTime, QString::fromStdString(report.EndTimeText));
  StatusBar1->setPanelText(
      kPanelFile, stopped ? QStringLiteral("查询已停止：只显示部分结果（不完整）") : QString());
}

}  // namespace qorvan::ui
