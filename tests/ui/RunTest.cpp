// The real search run behind the window: progress while it works, stopping, closing.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>
#include <QTimer>

#include "FormHarness.h"
#include "NoticeTableView.h"
#include "SafeApplication.h"
#include "SettingsStore.h"
#include "StatusPanels.h"

using namespace qorvan::ui;
using qorvan::ui::test::FormHarness;

namespace {

// A version directory with `files` scripts of `lines` lines each under Npc_Def.
bool GenerateTree(const QString& root, int files, int lines) {
  const QString dir = root + "/Mir200/Envir/Npc_Def/gen";
  if (!QDir().mkpath(dir)) return false;
  QByteArray text;
  for (int i = 0; i < lines; ++i)
    text += "[@main" + QByteArray::number(i) + "]\r\n#ACT\r\nINC G" + QByteArray::number(i % 100) +
            " 1\r\n";
  for (int f = 0; f < files; ++f) {
    QFile file(dir + QString("/npc%1.txt").arg(f));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) return false;
  }
  return true;
}

}  // namespace

class RunTest : public QObject {
  Q_OBJECT

  QTemporaryDir large_;
  QTemporaryDir small_;

 private slots:
  void initTestCase() {
    QVERIFY(GenerateTree(large_.path(), 3000, 60));
    QVERIFY(GenerateTree(small_.path(), 3, 5));
  }

  void windowStaysResponsiveAndShowsProgressDuringARun() {
    FormHarness h;
    TForm1& f = h.form();
    QSignalSpy finished(&f, &TForm1::runFinished);
    int ticksWhileRunning = 0;
    QStringList progressTexts;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
      if (!f.Running()) return;
      ++ticksWhileRunning;
      progressTexts << f.StatusBar1->panelText(1);
      QVERIFY(f.Button1->isEnabled());
      QCOMPARE(f.Button1->text(), QString("停止"));
      QCOMPARE(f.DBGridEh1->notice(), QString("正在搜索，请稍后！！"));
      QVERIFY(!f.action("G")->isEnabled());
      QVERIFY(f.StatusBar1->progressBar()->isVisible());
    });
    ticker.start(0);
    f.JvDirectoryEdit1->setText(large_.path());
    f.Button1Click();
    QVERIFY(f.Running());
    QVERIFY(finished.wait(300000));
    ticker.stop();
    QVERIFY(ticksWhileRunning > 1);
    progressTexts.removeAll("0/0");
    QVERIFY2(!progressTexts.isEmpty(), "no progress was shown while the run worked");
    QCOMPARE(f.StatusBar1->panelText(1), QString("3000/3000"));
    QVERIFY(!f.StatusBar1->progressBar()->isVisible());
    QVERIFY(f.action("G")->isEnabled());
    QCOMPARE(f.Button1->text(), QString("查询"));
  }

  void stoppedRunSaysItsResultsArePartial() {
    FormHarness h;
    TForm1& f = h.form();
    QSignalSpy finished(&f, &TForm1::runFinished);
    f.JvDirectoryEdit1->setText(large_.path());
    f.Button1Click();
    f.Button1Click();  // stop at once
    QCOMPARE(f.Button1->text(), QString("查询"));
    QVERIFY(f.Button1->isEnabled());
    QVERIFY(finished.wait(300000));
    QVERIFY(f.StatusBar1->panelText(5).contains("部分"));
    QVERIFY(!f.Running());
    QVERIFY(f.Search1->isEnabled());
  }

  void runRemembersTheDirectoryAsTyped() {
    FormHarness h;
    auto stored = [&] {
      return QString::fromStdU16String(
          h.store().ReadRegString(qorvan::kSettingsKey, qorvan::kPathValueName));
    };
    QVERIFY(h.query(small_.path()));
    QCOMPARE(stored(), small_.path());
    QCOMPARE(h.form().StatusBar1->panelText(1), QString("3/3"));
    // The run leaves the last file's path as LoadPath, so the next run writes the directory again.
    h.store().WriteRegString(qorvan::kSettingsKey, qorvan::kPathValueName, u"elsewhere");
    QVERIFY(h.query(small_.path()));
    QCOMPARE(stored(), small_.path());
  }

  void closingDuringARunNeverWaitsOrCrashes() {
    auto h = std::make_unique<FormHarness>();
    h->form().JvDirectoryEdit1->setText(large_.path());
    h->form().Button1Click();
    QVERIFY(h->form().close());
    QVERIFY(!h->form().isVisible());
    h.reset();  // the window goes while the worker may still be busy
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::sendPostedEvents();
  }
};

int main(int argc, char** argv) {
  SafeApplication app(argc, argv);
  RunTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "RunTest.moc"
