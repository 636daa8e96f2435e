// The window driven over the sample version directory, with the real search and analyser.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include "FileModel.h"
#include "FormHarness.h"
#include "FreeNameModel.h"
#include "LineModel.h"
#include "NoticeTableView.h"
#include "SafeApplication.h"
#include "StatusPanels.h"
#include "SummaryModel.h"

using namespace qorvan::ui;
using qorvan::ui::test::FormHarness;

namespace {

const QString kSample = QStringLiteral(QORVAN_EXAMPLES_DIR "/MirServer");

QSet<QString> SummaryNames(TForm1& f) {
  QSet<QString> names;
  for (int r = 0; r < f.SummaryModel1->rowCount(); ++r)
    names << QString::fromStdString(f.SummaryModel1->rowAt(r).ValueName);
  return names;
}

QSet<QString> FreeNames(TForm1& f) {
  QSet<QString> names;
  for (int r = 0; r < f.ShowModel->rowCount(); ++r)
    names << QString::fromStdString(f.ShowModel->rowAt(r).KeyWord);
  return names;
}

bool AllFreeIds(TForm1& f, std::int32_t low, std::int32_t high) {
  for (int r = 0; r < f.ShowModel->rowCount(); ++r)
    if (f.ShowModel->rowAt(r).ID < low || f.ShowModel->rowAt(r).ID > high) return false;
  return true;
}

void Open(NoticeTableView* grid, int row, int column) {
  grid->setCurrentIndex(grid->model()->index(row, column));
}

int RowOf(TForm1& f, const QString& name) {
  for (int r = 0; r < f.SummaryModel1->rowCount(); ++r)
    if (QString::fromStdString(f.SummaryModel1->rowAt(r).ValueName) == name) return r;
  return -1;
}

}  // namespace

class SampleTest : public QObject {
  Q_OBJECT

 private slots:
  void queryFillsSummaryAndFreeList() {
    FormHarness h;
    QVERIFY(h.query(kSample));
    TForm1& f = h.form();
    const QSet<QString> used = SummaryNames(f);
    for (const char* name :
         {"G11", "G011", "A2", "[5]", "[@OnTimer14]", "SetAbility520", "H.SetAbility510", "INTS5",
          "H.INTS29", "[@StdModeFunc12]", "[@UserCmd9]"})
      QVERIFY2(used.contains(name), name);
    QVERIFY(!used.contains("G50"));  // commented out
    const QSet<QString> free = FreeNames(f);
    QVERIFY(free.contains("G10") && !free.contains("G11") && free.contains("[808]"));
    QVERIFY(f.ShowModel->rowCount() < 3505 && f.ShowModel->rowCount() > 3400);
    QCOMPARE(f.StatusBar1->panelText(1), QString("8/8"));
    QVERIFY(f.StatusBar1->panelText(3).endsWith('s'));
  }

  void familyGShowsOnlyGNames() {
    FormHarness h;
    QVERIFY(h.query(kSample));
    TForm1& f = h.form();
    f.action("G")->trigger();
    QVERIFY(!f.action("G")->isEnabled());
    QVERIFY(f.action("A")->isEnabled() && f.action("SetAll")->isEnabled());
    QCOMPARE(SummaryNames(f), (QSet<QString>{"G3", "G011", "G11", "G12", "G20", "G51"}));
    for (int r = 0; r < f.SummaryModel1->rowCount(); ++r)
      QCOMPARE(f.SummaryModel1->index(r, SummaryModel::ValueType).data().toString(),
               QString("全局数字"));
    const QSet<QString> free = FreeNames(f);
    QCOMPARE(free.size(), 100 - 5);  // G011 is no free-list name, so five of the six are missing
    for (const QString& name : free) QVERIFY2(name.startsWith('G'), qPrintable(name));
    QVERIFY(!free.contains("G11") && !free.contains("G12") && free.contains("G0"));
  }

  void setAbilityViewsSplitAt500() {
    FormHarness h;
    QVERIFY(h.query(kSample));
    TForm1& f = h.form();
    f.action("Setability")->trigger();
    QCOMPARE(SummaryNames(f), (QSet<QString>{"SetAbility5", "SetAbility7", "SetAbility16",
                                             "SetAbility120", "SetAbility402"}));
    QCOMPARE(f.ShowModel->rowCount(), 500 - 5);
    QVERIFY(AllFreeIds(f, 29000000, 29000499));
    f.action("SetAll")->trigger();
    QCOMPARE(SummaryNames(f), (QSet<QString>{"SetAbility520", "H.SetAbility510"}));
    QCOMPARE(f.ShowModel->rowCount(), 100 - 1);
    QVERIFY(AllFreeIds(f, 29000500, 29000599));
    QVERIFY(!FreeNames(f).contains("SetAbility520") && FreeNames(f).contains("SetAbility500"));
    QVERIFY(f.action("Setability")->isEnabled() && !f.action("SetAll")->isEnabled());
  }

  void drillDownShowsFilesThenLinesInLineOrder() {
    FormHarness h;
    QVERIFY(h.query(kSample));
    TForm1& f = h.form();
    Open(f.DBGridEh1, RowOf(f, "INTS5"), SummaryModel::ValueName);
    QCOMPARE(f.FileModel2->rowCount(), 3);
    int defines = -1;
    for (int r = 0; r < 3; ++r)
      if (QString::fromStdString(f.FileModel2->rowAt(r).Path).endsWith("Defines.txt")) defines = r;
    QVERIFY(defines >= 0);
    QCOMPARE(f.FileModel2->rowAt(defines).FileCount, 2u);
    Open(f.DBGridEh2, defines, FileModel::Path);
    QCOMPARE(f.LineModel3->rowCount(), 2);
    QCOMPARE(f.LineModel3->index(0, LineModel::TextRow).data().toString(), QString("7"));
    QCOMPARE(f.LineModel3->index(1, LineModel::TextRow).data().toString(), QString("22"));

    Open(f.DBGridEh1, RowOf(f, "S2"), SummaryModel::ValueName);
    QCOMPARE(f.FileModel2->rowCount(), 1);
    QVERIFY(QString::fromStdString(f.FileModel2->rowAt(0).Path).endsWith("武器店.txt"));
    Open(f.DBGridEh2, 0, FileModel::Path);
    QCOMPARE(f.LineModel3->index(0, LineModel::KeyWord).data().toString(), QString("S2"));
    QCOMPARE(f.LineModel3->index(1, LineModel::KeyWord).data().toString(), QString("<$STR(S2)>"));
    QCOMPARE(f.LineModel3->index(0, LineModel::RowData).data().toString(),
             QString("MOV S2 屠龙刀"));
    Open(f.DBGridEh3, 1, LineModel::RowData);
    f.DBGridEh3DblClick();
    QCOMPARE(h.recorded().Clipboard, QStringList{"<$STR(S2)>"});
    QCOMPARE(h.recorded().Opened.back().second, 13);
  }

  void filterTellsWhichTypedNamesAreFree() {
    FormHarness h;
    QVERIFY(h.query(kSample));
    TForm1& f = h.form();
    const QSet<QString> inUse = SummaryNames(f);
    QVERIFY(inUse.contains("G11") && !inUse.contains("G10"));
    f.Edit1->setText("g11");
    f.Search2->trigger();
    QCOMPARE(SummaryNames(f), inUse);
    QVERIFY(FreeNames(f).isEmpty());  // G11 is in use
    f.Edit1->setText("g11 g10");
    f.Search2->trigger();
    QCOMPARE(FreeNames(f), QSet<QString>{"G10"});
  }

  void commentSwitchDecidesOverCommentedLines() {
    FormHarness h;
    TForm1& f = h.form();
    f.CheckBox1->setChecked(false);
    QVERIFY(!f.Settings.Filtered);
    QVERIFY(h.query(kSample));
    QVERIFY(SummaryNames(f).contains("G50"));
    f.CheckBox1->setChecked(true);
    QVERIFY(h.query(kSample));
    QVERIFY(!SummaryNames(f).contains("G50"));
  }

  void missingDirectory() {
    FormHarness h;
    QVERIFY(h.query(kSample + "/no such version"));  // the window's own check: no message
    QVERIFY(h.recorded().Messages.isEmpty());
    QVERIFY(h.query(QString()));  // passes the window's check, fails the run's
    QCOMPARE(h.recorded().Messages, QStringList{"  查询错误，目录不存在！"});
    QCOMPARE(h.form().Button1->text(), QString("查询"));
    QVERIFY(h.form().Button1->isEnabled());
    QVERIFY(!h.form().Running());
  }
};

int main(int argc, char** argv) {
  SafeApplication app(argc, argv);
  SampleTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "SampleTest.moc"
