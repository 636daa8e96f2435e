// Queries, family commands, the filter and the drill-down, over a scripted set of uses.
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSemaphore>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>
#include <QToolButton>

#include "FileModel.h"
#include "FormHarness.h"
#include "FreeNameModel.h"
#include "LineModel.h"
#include "NoticeTableView.h"
#include "SafeApplication.h"
#include "ScriptedSearch.h"
#include "SettingsStore.h"
#include "StatusPanels.h"
#include "SummaryModel.h"

using namespace qorvan::ui;
using qorvan::ui::test::FormHarness;
using qorvan::ui::test::ScriptedSearch;
using qorvan::ui::test::ScriptedTree;

namespace {

const QString kFileA = QStringLiteral("Mir200/Envir/Npc_Def/a.txt");
const QString kFileB = QStringLiteral("Mir200/Envir/QuestDiary/b 文件.txt");

// Seven names in use: G11 three times in a and once in b, the SetAbility slots around 500.
ScriptedTree SampleUses() {
  ScriptedTree tree;
  tree.Files = {{kFileA,
                 "[@main]\nGIVE G11 1\n#ACT\nMOV A5 x\nSAY <$STR(G11)>\nSETABILITY 499 1\n"
                 "SETABILITY 500 1\nH.SETABILITY 500 1\nINC G11 1\nH.SETABILITY 3 1\n"},
                {kFileB, "INC G11 2\nCHECK [5] 1\n"}};
  tree.Uses = {{7, 11, "G11", 0, 2},
               {7, 11, "G11", 0, 5, true},
               {7, 11, "G11", 0, 9},
               {1, 5, "A5", 0, 4},
               {29, 499, "SetAbility499", 0, 6},
               {29, 500, "SetAbility500", 0, 7},
               {30, 500, "H.SetAbility500", 0, 8},
               {30, 3, "H.SetAbility3", 0, 10},
               {7, 11, "G11", 1, 1},
               {27, 5, "[5]", 1, 2}};
  return tree;
}

QStringList SummaryNames(TForm1& f) {
  QStringList names;
  for (int r = 0; r < f.SummaryModel1->rowCount(); ++r)
    names << QString::fromStdString(f.SummaryModel1->rowAt(r).ValueName);
  names.sort();
  return names;
}

QSet<QString> Column(const FreeNameModel& m, bool searchId) {
  QSet<QString> values;
  for (int r = 0; r < m.rowCount(); ++r)
    values << QString::fromStdString(searchId ? m.rowAt(r).SearchID : m.rowAt(r).KeyWord);
  return values;
}

int SummaryRowOf(TForm1& f, const QString& name) {
  for (int r = 0; r < f.SummaryModel1->rowCount(); ++r)
    if (QString::fromStdString(f.SummaryModel1->rowAt(r).ValueName) == name) return r;
  return -1;
}

void OpenSummaryRow(TForm1& f, const QString& name) {
  const int row = SummaryRowOf(f, name);
  QVERIFY(row >= 0);
  f.DBGridEh1->setCurrentIndex(f.SummaryModel1->index(row, SummaryModel::ValueName));
}

}  // namespace

class QueryTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;

 private slots:
  void queryFillsSummaryAndFreeList() {
    FormHarness h(ScriptedSearch(SampleUses()));
    TForm1& f = h.form();
    QVERIFY(h.query(dir_.path()));
    QCOMPARE(SummaryNames(f), (QStringList{"A5", "G11", "H.SetAbility3", "H.SetAbility500",
                                           "SetAbility499", "SetAbility500", "[5]"}));
    const auto& g11 = f.SummaryModel1->rowAt(SummaryRowOf(f, "G11"));
    QCOMPARE(g11.FileCount, 2u);
    QCOMPARE(g11.UseCount, 4u);
    QCOMPARE(
        f.SummaryModel1->index(SummaryRowOf(f, "G11"), SummaryModel::ValueType).data().toString(),
        QString("全局数字"));
    QCOMPARE(
        f.SummaryModel1->index(SummaryRowOf(f, "[5]"), SummaryModel::ValueType).data().toString(),
        QString("个人标识"));
    QCOMPARE(f.ShowModel->rowCount(), 3505 - 7);
    // The name column is seen whole, with the scroll bar that 3,498 rows bring.
    const int name = f.ShowModel->columnOf("KeyWord");
    QTRY_VERIFY(f.DBGridEh0->verticalScrollBar()->isVisible());
    QVERIFY(f.DBGridEh0->columnViewportPosition(name) + f.DBGridEh0->columnWidth(name) <=
            f.DBGridEh0->viewport()->width());
    const QSet<QString> free = Column(*f.ShowModel, false);
    QVERIFY(free.contains("G10") && !free.contains("G11") && !free.contains("[5]"));
    QVERIFY(free.contains("[808]") && !free.contains("[0]"));

    QCOMPARE(f.Button1->text(), QString("查询"));
    QCOMPARE(f.Button1Tag, 0);
    QVERIFY(f.DBGridEh1->notice().isEmpty());
    QVERIFY(f.StatusBar1->panelText(3).endsWith('s'));
    QVERIFY(f.StatusBar1->panelText(5).isEmpty());
    for (QAction* a : f.ActionList1()) QVERIFY(a->isEnabled());
    QVERIFY(f.DBGridEh2->isEnabled());
  }

  void familyButtonGreysItselfAndShowsOnlyItsNames() {
    FormHarness h(ScriptedSearch(SampleUses()));
    TForm1& f = h.form();
    QVERIFY(h.query(dir_.path()));
    f.action("G")->trigger();
    QCOMPARE(f.CurrentFamily, 7);
    for (QAction* a : f.ActionList1()) QCOMPARE(a->isEnabled(), a->objectName() != "G");
    QCOMPARE(SummaryNames(f), QStringList{"G11"});
    QCOMPARE(f.ShowModel->rowCount(), 99);
    QCOMPARE(Column(*f.ShowModel, true), QSet<QString>{"SearchG"});
    QVERIFY(!Column(*f.ShowModel, false).contains("G11"));

    f.action("Tag")->trigger();
    QVERIFY(f.action("G")->isEnabled());
    QVERIFY(!f.action("Tag")->isEnabled());
    QCOMPARE(SummaryNames(f), QStringList{"[5]"});
    QCOMPARE(f.ShowModel->rowCount(), 807);

    f.Search1->trigger();
    for (QAction* a : f.ActionList1()) QVERIFY(a->isEnabled());
    QCOMPARE(f.CurrentFamily, 27);  // "显示全部" leaves the chosen family as it was
    QCOMPARE(f.SummaryModel1->rowCount(), 7);
    QCOMPARE(f.ShowModel->rowCount(), 3505 - 7);
  }

  void zAndItsTwinYGreyTogether() {
    FormHarness h(ScriptedSearch(SampleUses()));
    QVERIFY(h.query(dir_.path()));
    h.form().action("Z")->trigger();
    QCOMPARE(h.form().CurrentFamily, 26);
    QVERIFY(!h.form().action("Y")->isEnabled());
    QVERIFY(!h.form().action("Z")->isEnabled());
    QCOMPARE(h.form().ShowModel->rowCount(), 0);
  }

  void setAbilityViewsSplitAt500() {
    FormHarness h(ScriptedSearch(SampleUses()));
    TForm1& f = h.form();
    QVERIFY(h.query(dir_.path()));
    struct Case {
      const char* Action;
      QStringList Used;
      int FreeCount;
      const char* FreeIn;
      const char* FreeOut;
    };
    const Case cases[] = {
        {"Setability", {"SetAbility499"}, 499, "SetAbility498", "SetAbility500"},
        {"SetAll", {"H.SetAbility500", "SetAbility500"}, 99, "SetAbility501", "SetAbility499"},
        {"H_Setability", {"H.SetAbility3"}, 499, "H.SetAbility499", "H.SetAbility501"},
    };
    for (const Case& c : cases) {
      f.action(c.Action)->trigger();
      QCOMPARE(SummaryNames(f), c.Used);
      QCOMPARE(f.ShowModel->rowCount(), c.FreeCount);
      const QSet<QString> free = Column(*f.ShowModel, false);
      QVERIFY2(free.contains(c.FreeIn), c.Action);
      QVERIFY2(!free.contains(c.FreeOut), c.Action);
      for (QAction* a : f.ActionList1()) QCOMPARE(a->isEnabled(), a->objectName() != c.Action);
    }
    QCOMPARE(f.CurrentFamily, 30);
  }

  void drillDownShowsFilesThenLinesInLineOrder() {
    FormHarness h(ScriptedSearch(SampleUses()));
    TForm1& f = h.form();
    QVERIFY(h.query(dir_.path()));
    QCOMPARE(f.FileModel2->rowCount(), 0);
    OpenSummaryRow(f, "G11");
    QCOMPARE(f.FileModel2->rowCount(), 2);
    const QString base =
        QString::fromStdU16String(qorvan::NormalizeDir(dir_.path().toStdU16String()));
    QCOMPARE(QString::fromStdString(f.FileModel2->rowAt(0).Path), base + kFileA);
    QCOMPARE(f.FileModel2->rowAt(0).FileCount, 3u);
    QCOMPARE(QString::fromStdString(f.FileModel2->rowAt(1).Path), base + kFileB);
    QCOMPARE(f.FileModel2->rowAt(1).FileCount, 1u);
    QVERIFY(f.DBGridEh3->isEnabled());
    QCOMPARE(f.LineModel3->rowCount(), 0);

    f.DBGridEh2->setCurrentIndex(f.FileModel2->index(0, FileModel::Path));
    QCOMPARE(f.LineModel3->rowCount(), 3);
    const QStringList rows = {"2", "5", "9"};
    const QStringList names = {"G11", "<$STR(G11)>", "G11"};
    const QStringList lines = {"GIVE G11 1", "SAY <$STR(G11)>", "INC G11 1"};
    for (int r = 0; r < 3; ++r) {
      QCOMPARE(f.LineModel3->index(r, LineModel::TextRow).data().toString(), rows[r]);
      QCOMPARE(f.LineModel3->index(r, LineModel::KeyWord).data().toString(), names[r]);
      QCOMPARE(f.LineModel3->index(r, LineModel::RowData).data().toString(), lines[r]);
    }

    // A line copies the name as recorded and opens its file at that line.
    f.DBGridEh3->setCurrentIndex(f.LineModel3->index(1, LineModel::KeyWord));
    f.DBGridEh3DblClick();
    QCOMPARE(h.recorded().Clipboard.last(), QString("<$STR(G11)>"));
    QCOMPARE(h.recorded().Opened.back(), std::make_pair(base + kFileA, 5));
    // A file copies the bare name and opens the file at its first use.
    f.DBGridEh2->setCurrentIndex(f.FileModel2->index(1, FileModel::Path));
    f.DBGridEh2DblClick();
    QCOMPARE(h.recorded().Clipboard.last(), QString("G11"));
    QCOMPARE(h.recorded().Opened.back(), std::make_pair(base + kFileB, 1));

    // Another variable replaces the files and closes the lines.
    OpenSummaryRow(f, "A5");
    QCOMPARE(f.FileModel2->rowCount(), 1);
    QCOMPARE(f.LineModel3->rowCount(), 0);
    f.DBGridEh3DblClick();  // no line row: nothing happens
    QCOMPARE(h.recorded().Opened.size(), 2u);
  }

  void filterFindsTheTypedNames() {
    FormHarness h(ScriptedSearch(SampleUses()));
    TForm1& f = h.form();
    QVERIFY(h.query(dir_.path()));
    f.action("G")->trigger();
    f.Edit1->setText(" g11\t a5 ");
    QCOMPARE(QString::fromStdU16String(f.Settings.CusomText),
             QString("ValueName = 'G11' or ValueName = 'A5'"));
    QTest::mouseClick(f.FilterButton, Qt::LeftButton);
    // The summary shows every member again; the free list only the typed names that are free.
    QCOMPARE(f.SummaryModel1->rowCount(), 7);
    QCOMPARE(f.ShowModel->rowCount(), 0);  // both are in use, so neither is free
    QVERIFY(f.action("G")->isEnabled());

    f.Edit1->setText("g10 g11 setability499 [6]");
    f.Search2->trigger();
    QCOMPARE(f.SummaryModel1->rowCount(), 7);
    QCOMPARE(Column(*f.ShowModel, false), (QSet<QString>{"G10", "[6]"}));

    QTest::mouseClick(f.Button2, Qt::LeftButton);  // "清空" empties the box and shows all
    QVERIFY(f.Edit1->text().isEmpty());
    QVERIFY(f.Settings.CusomText.empty());
    QCOMPARE(f.SummaryModel1->rowCount(), 7);
    f.action("G")->trigger();
    f.Search2->trigger();  // an empty filter does nothing
    QCOMPARE(SummaryNames(f), QStringList{"G11"});
    QVERIFY(!f.action("G")->isEnabled());
  }

  void missingDirectoryShowsTheMessageAndKeepsTheResults() {
    FormHarness h(ScriptedSearch(SampleUses()));
    TForm1& f = h.form();
    QVERIFY(h.query(dir_.path()));
    const QStringList typed = {"", dir_.path() + " "};
    for (const QString& text : typed) {
      const qsizetype before = h.recorded().Messages.size();
      QVERIFY(h.query(text));
      QCOMPARE(h.recorded().Messages.size(), before + 1);
      QCOMPARE(h.recorded().Messages.last(), text + "  查询错误，目录不存在！");
      QCOMPARE(f.Button1->text(), QString("查询"));
      QCOMPARE(f.Button1Tag, 0);
      QVERIFY(f.Button1->isEnabled());
      QCOMPARE(f.SummaryModel1->rowCount(), 7);
    }
    QCOMPARE(h.recorded().Messages.size(), 2);
  }

  void rememberedDirectoryFillsTheBox() {
    FormHarness fresh;
    QCOMPARE(fresh.form().JvDirectoryEdit1->text(), QString("D:\\MirServer"));
    QCOMPARE(QString::fromStdU16String(
                 fresh.store().ReadRegString(qorvan::kSettingsKey, qorvan::kPathValueName)),
             QString("D:\\MirServer"));
    FormHarness stored({}, QStringLiteral("/srv/gone away"));
    QCOMPARE(stored.form().JvDirectoryEdit1->text(), QString("/srv/gone away"));
  }

  void statusPanelsWhileTheLinePassWorks() {
    auto gate = std::make_shared<QSemaphore>();
    auto calls = std::make_shared<std::atomic<int>>(0);
    const auto scripted = ScriptedSearch(SampleUses());
    FormHarness h([=](const qorvan::RunRequest& request) {
      if (calls->fetch_add(1) == 1) {
        request.Progress({qorvan::RunPhase::Lines, 0, 12, u"a.txt"});
        gate->acquire();
      }
      return scripted(request);
    });
    TForm1& f = h.form();
    QVERIFY(h.query(dir_.path()));
    const QString duration = f.StatusBar1->panelText(3);
    QVERIFY(duration.endsWith('s'));
    QSignalSpy finished(&f, &TForm1::runFinished);
    f.Button1Click();
    QTRY_COMPARE(f.StatusBar1->panelText(1), QString("1/12"));  // the first file is analysed
    QCOMPARE(f.StatusBar1->panelText(5), QString("a.txt"));
    QCOMPARE(f.StatusBar1->panelText(3), duration);  // the last run's duration stays
    gate->release();
    QVERIFY(finished.wait(10000));
    QVERIFY(f.StatusBar1->panelText(3).endsWith('s'));
  }

  void staleResultsOfAStoppedRunAreDropped() {
    auto gate = std::make_shared<QSemaphore>();
    auto calls = std::make_shared<std::atomic<int>>(0);
    const auto slow = ScriptedSearch(SampleUses());
    ScriptedTree other;
    other.Files = {{kFileA, "GIVE G1 1\n"}};
    other.Uses = {{7, 1, "G1", 0, 1}};
    const auto fast = ScriptedSearch(other);
    FormHarness h([=](const qorvan::RunRequest& request) {
      if (calls->fetch_add(1) == 0) gate->acquire();
      return calls->load() == 1 ? slow(request) : fast(request);
    });
    TForm1& f = h.form();
    f.JvDirectoryEdit1->setText(dir_.path());
    f.Button1Click();
    QVERIFY(f.Running());
    QCOMPARE(f.Button1->text(), QString("停止"));
    QVERIFY(f.Button1->isEnabled());
    QCOMPARE(f.DBGridEh1->notice(), QString("正在搜索，请稍后！！"));
    QVERIFY(!f.action("G")->isEnabled() && !f.Search1->isEnabled());
    f.Button1Click();  // stop
    QCOMPARE(f.Button1->text(), QString("查询"));
    QVERIFY(h.query(dir_.path()));  // a second run, finished before the first
    QCOMPARE(SummaryNames(f), QStringList{"G1"});
    gate->release();
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    QCOMPARE(SummaryNames(f), QStringList{"G1"});
    QVERIFY(!f.Running());
  }
};

int main(int argc, char** argv) {
  SafeApplication app(argc, argv);
  QueryTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "QueryTest.moc"
