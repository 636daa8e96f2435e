// The grid models: layout of their columns, and the model contract under QAbstractItemModelTester.
#include <QAbstractItemModelTester>
#include <QTest>
#include <memory>

#include "FileModel.h"
#include "FreeNameModel.h"
#include "LineModel.h"
#include "NoticeTableView.h"
#include "SummaryModel.h"

using namespace qorvan::ui;

namespace {

struct ColumnExpectation {
  QString Title;
  int Width;  // -1: not checked
  bool Shown;
};

void CheckColumns(ColumnTableModel& model, const std::vector<ColumnExpectation>& expected) {
  NoticeTableView view;
  view.setColumnModel(&model);
  QCOMPARE(model.columnCount(), static_cast<int>(expected.size()));
  for (int c = 0; c < model.columnCount(); ++c) {
    QCOMPARE(model.headerData(c, Qt::Horizontal).toString(), expected[c].Title);
    QCOMPARE(!view.isColumnHidden(c), expected[c].Shown);
    if (expected[c].Width >= 0) QCOMPARE(view.columnWidth(c), expected[c].Width);
  }
}

}  // namespace

class ModelsTest : public QObject {
  Q_OBJECT

 private slots:
  void columnLayoutOfEveryGrid() {
    SummaryModel summary;
    CheckColumns(summary, {{"文件总数", 86, true},
                           {"使用总数", 89, true},
                           {"类型", 150, true},
                           {"占用变量名", 161, true},
                           {"备注", 479, true}});
    FreeNameModel free;
    CheckColumns(free, {{"", -1, false}, {"可用变量名", 150, true}, {"", -1, false}});
    FileModel files;
    CheckColumns(files, {{"", -1, false},
                         {"出现次数", 100, true},
                         {"变量名字", -1, false},
                         {"文件路径", 640, true}});
    LineModel lines;
    CheckColumns(
        lines,
        {{"行位置", 120, true}, {"原始变量名", 180, true}, {"行数据", 376, true}, {"", -1, false}});
  }

  void modelsKeepTheirContractAcrossRefills() {
    SummaryModel summary;
    QAbstractItemModelTester t1(&summary, QAbstractItemModelTester::FailureReportingMode::QtTest);
    summary.setRows({{7, 7000011, 2, 4, "7", "G11", ""}, {27, 27000005, 1, 1, "27", "[5]", "x"}});
    summary.setRows({});
    summary.setRows({{7, 7000001, 1, 1, "7", "G1", ""}});

    FreeNameModel free;
    QAbstractItemModelTester t2(&free, QAbstractItemModelTester::FailureReportingMode::QtTest);
    free.setRows({{7000000, "G0", "SearchG"}, {7000002, "G2", "SearchG"}});
    free.setRows({});

    FileModel files;
    QAbstractItemModelTester t3(&files, QAbstractItemModelTester::FailureReportingMode::QtTest);
    files.setRows({{7000011, 3, "G11", "/v/a.txt"}, {7000011, 1, "G11", "/v/b.txt"}});
    files.setRows({});

    LineModel lines;
    QAbstractItemModelTester t4(&lines, QAbstractItemModelTester::FailureReportingMode::QtTest);
    lines.setRows({{7000011, "3", "G11", "GIVE G11", "/v/a.txt"}});
    lines.setRows({});
  }

  void cellsShowTheirTextsAndRecordNumbers() {
    FileModel files;
    files.setRows({{7000011, 3, "G11", "/v/中文 目录/a.txt"}, {7000011, 1, "G11", "/v/b.txt"}});
    QCOMPARE(files.data(files.index(0, FileModel::FileCount)).toUInt(), 3u);
    QCOMPARE(files.data(files.index(0, FileModel::Path)).toString(), QString("/v/中文 目录/a.txt"));
    QCOMPARE(files.data(files.index(0, FileModel::Path), Qt::ToolTipRole).toString(),
             QString("/v/中文 目录/a.txt"));
    QVERIFY(!files.data(files.index(0, FileModel::FileCount), Qt::ToolTipRole).isValid());
    QCOMPARE(files.headerData(1, Qt::Vertical).toInt(), 2);
    QCOMPARE(files.data(files.index(0, FileModel::FileCount), Qt::TextAlignmentRole)
                     .value<Qt::Alignment>() &
                 Qt::AlignHorizontal_Mask,
             Qt::AlignHCenter);
  }

  void longLinesGetAShortToolTip() {
    LineModel lines;
    const std::string longLine(100000, 'x');
    lines.setRows({{1, "1", "G1", longLine, "/v/a.txt"}});
    QCOMPARE(lines.data(lines.index(0, LineModel::RowData)).toString().size(), 100000);
    QVERIFY(lines.data(lines.index(0, LineModel::RowData), Qt::ToolTipRole).toString().size() <
            2100);
  }

  void emptyGridShowsItsNotice() {
    FreeNameModel free;
    NoticeTableView view;
    view.setColumnModel(&free);
    view.setNotice(QStringLiteral("无可用变量  "));
    view.resize(185, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QImage empty = view.viewport()->grab().toImage();
    view.setNotice(QString());
    const QImage blank = view.viewport()->grab().toImage();
    QVERIFY(empty != blank);
    QCOMPARE(view.notice(), QString());
  }
};

QTEST_MAIN(ModelsTest)
#include "ModelsTest.moc"
