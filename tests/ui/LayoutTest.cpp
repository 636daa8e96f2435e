// The window as it opens: caption, actions and family bar, grids, status bar, directory box,
// web tabs, main menu, and the guard against stray exceptions.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QCompleter>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QToolTip>
#include <stdexcept>

#include "FamilyActions.h"
#include "FamilyBar.h"
#include "FileVersion.h"
#include "FormHarness.h"
#include "NoticeTableView.h"
#include "SafeApplication.h"
#include "StatusPanels.h"
#include "WebPage.h"

using namespace qorvan::ui;
using qorvan::ui::test::FormHarness;

namespace {

class Thrower final : public QObject {
 public:
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) throw std::runtime_error("stray");
    return QObject::event(e);
  }
};

}  // namespace

class LayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void captionCarriesVersionEngineAndSite() {
    FormHarness h;
    QCOMPARE(h.form().windowTitle(),
             QString("Qorvan变量查询V1.3.0.0  VESPER引擎专用   ") + TForm1::ProductSite());
    QVERIFY(h.form().CheckBox1->isChecked());
    QVERIFY(h.form().Settings.Filtered);
    QCOMPARE(h.form().PageControl1->currentIndex(), 0);
  }

  void fileVersionOfTheProgramAndOfOtherFiles() {
    QCOMPARE(GetFileVersionText(QCoreApplication::applicationFilePath()), QString("1.3.0.0"));
    QTemporaryDir dir;
    QFile plain(dir.filePath("plain.txt"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    QVERIFY(GetFileVersionText(plain.fileName()).isEmpty());
    QVERIFY(GetFileVersionText(dir.filePath("missing.exe")).isEmpty());
  }

  void actionsFollowTheTableWithTheYQuirk() {
    FormHarness h;
    const auto& list = h.form().ActionList1();
    QCOMPARE(static_cast<int>(list.size()), 35);
    const QStringList names = {"A",    "B",      "C",           "D",          "E",
                               "F",    "G",      "H",           "I",          "J",
                               "K",    "L",      "M",           "N",          "O",
                               "P",    "Q",      "R",           "S",          "T",
                               "U",    "V",      "W",           "X",          "Y",
                               "Z",    "Tag",    "Timer",       "Setability", "H_Setability",
                               "Ints", "H_Ints", "StdmodeFunc", "CMD",        "SetAll"};
    for (int i = 0; i < 35; ++i) {
      QCOMPARE(list[i]->objectName(), names[i]);
      const int expectedTag = i == 24 ? 26 : i + 1;  // Y shares 26 with Z
      QCOMPARE(list[i]->data().toInt(), expectedTag);
    }
    struct Case {
      const char* Name;
      const char* Caption;
      const char* Hint;
    };
    const Case cases[] = {{"A", "A", "Ａ变量"},
                          {"Y", "Y", "Ｙ"},
                          {"Z", "Z", "Ｚ变量"},
                          {"Tag", "个人标识", "个人标识"},
                          {"Timer", "定时器", "个人定时器"},
                          {"Setability", "主Set", "主Set"},
                          {"H_Ints", "英INTS", "英INTS"},
                          {"CMD", "UserCmd", "UserCmd"},
                          {"SetAll", "全局Set", "全局Set"}};
    for (const Case& c : cases) {
      QAction* a = h.form().action(c.Name);
      QVERIFY(a);
      QCOMPARE(a->text(), QString(c.Caption));
      QCOMPARE(a->toolTip(), QString(c.Hint));
    }
    QCOMPARE(h.form().Search1->text(), QString("显示全部"));
    QCOMPARE(h.form().Search1->data().toInt(), 10000);
    QCOMPARE(h.form().Search2->text(), QString("过滤结果"));
    QCOMPARE(h.form().Search2->data().toInt(), 10001);
  }

  void familyBarHasItsButtonsInOrderWithoutToolTips() {
    FormHarness h;
    const auto& buttons = h.form().RzPanel1->buttons();
    const QStringList captions = {
        "显示全部", "G",       "A",      "H",      "I",           "D",        "M",      "P",
        "S",        "E",       "F",      "U",      "T",           "个人标识", "定时器", "主Set",
        "英Set",    "全局Set", "主INTS", "英INTS", "StdmodeFunc", "UserCmd"};
    QCOMPARE(static_cast<int>(buttons.size()), captions.size());
    for (int i = 0; i < captions.size(); ++i) {
      QCOMPARE(buttons[i]->text(), captions[i]);
      const bool letter = captions[i].size() == 1;
      if (letter) QCOMPARE(buttons[i]->width(), 33);
      QCOMPARE(buttons[i]->font().pointSize(), letter || i == 0 ? 11 : 10);
    }
    QCOMPARE(h.form().RzPanel1->height(), 41);
    QHelpEvent tip(QEvent::ToolTip, QPoint(5, 5), buttons[1]->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(buttons[1], &tip);
    QVERIFY(!QToolTip::isVisible());
  }

  void settingsBoxGridsAndStatusBar() {
    FormHarness h;
    TForm1& f = h.form();
    QCOMPARE(f.GroupBox1->title(), QString("基本设置"));
    QCOMPARE(f.Label1->text(), QString("版本搜索路径："));
    QCOMPARE(f.JvDirectoryEdit1->width(), 778);
    QCOMPARE(f.Button1->text(), QString("查询"));
    QCOMPARE(f.CheckBox1->text(), QString("忽略注释符"));
    QCOMPARE(f.CheckBox1->toolTip(), QString("首字符为 ;"));
    QVERIFY(!f.CheckBox2->isVisible());
    QVERIFY(!f.CheckBox2->isChecked());
    QVERIFY(f.Label2->isVisible() && f.Edit1->isVisible() && f.Button2->isVisible());
    QCOMPARE(f.Edit1->placeholderText(), QString("搜索指定关键词，例如G11 多个关键词使用空格分割"));
    QCOMPARE(f.Button2->text(), QString("清空"));
    QCOMPARE(f.FilterButton->text(), QString("过滤结果"));

    QCOMPARE(f.DBGridEh0->width(), 185);
    QCOMPARE(f.DBGridEh0->notice(), QString("无可用变量  "));
    QCOMPARE(f.DBGridEh0->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(f.DBGridEh1->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(f.DBGridEh1->editTriggers(), QAbstractItemView::NoEditTriggers);

    const QStringList texts = {"文件数：", "", "耗时:", "", "文件搜索：", ""};
    const int widths[] = {46, 100, 35, 80, 60, 520};
    for (int i = 0; i < 6; ++i) {
      QCOMPARE(f.StatusBar1->panelText(i), texts[i]);
      QCOMPARE(f.StatusBar1->panelWidth(i), widths[i]);
    }
    QCOMPARE(f.PageControl1->count(), 3);
    QCOMPARE(f.PageControl1->tabText(0), QString("变量查询"));
    QCOMPARE(f.PageControl1->tabText(1), QString("变量说明"));
    QCOMPARE(f.PageControl1->tabText(2), QString("更新日志"));
  }

  void directoryBoxHintsAndFolderDialog() {
    FormHarness h;
    DirectoryBox* box = h.form().JvDirectoryEdit1;
    QCOMPARE(box->lineEdit()->placeholderText(), QString("请选择一个版本的路径"));
    const QStringList tip = box->lineEdit()->toolTip().split('\n');
    QCOMPARE(tip.size(), 2);
    QCOMPARE(tip[0], QString("小提示：点击文本框后使用按键 ↓ 键选择可模糊选择或F4快速打开"));
    QCOMPARE(
        tip[1],
        QString("例：目录为 D:\\MirServer 使用 ↓ 键后，可自动列出D:\\MirServer+任意字符的版本"));

    h.recorded().FolderAnswer = QStringLiteral("/srv/MirServer");
    box->lineEdit()->setFocus();
    QTest::keyClick(box->lineEdit(), Qt::Key_F4);
    QCOMPARE(h.recorded().FolderPrompts, QStringList{"请选择版本目录 (如 D:\\Mirserver)"});
    QCOMPARE(box->text(), QDir::toNativeSeparators("/srv/MirServer"));

    h.recorded().FolderAnswer.clear();  // a cancelled dialog keeps the text
    QTest::mouseClick(box->browseButton(), Qt::LeftButton);
    QCOMPARE(h.recorded().FolderPrompts.size(), 2);
    QCOMPARE(box->text(), QDir::toNativeSeparators("/srv/MirServer"));
  }

  void downArrowDropsDirectorySuggestions() {
    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkpath("MirServer/Mir200"));
    QVERIFY(QDir(root.path()).mkpath("MirServer2"));
    QVERIFY(QDir(root.path()).mkpath("Other"));
    FormHarness h;
    QLineEdit* edit = h.form().JvDirectoryEdit1->lineEdit();
    QCompleter* completer = h.form().JvDirectoryEdit1->completer();
    edit->setText(QDir::toNativeSeparators(root.path() + "/Mir"));
    edit->setFocus();
    // The file-system model fills in the background; ask again until it has the names.
    QTRY_VERIFY_WITH_TIMEOUT((QTest::keyClick(edit, Qt::Key_Down),
                              completer->popup()->isVisible() && completer->completionCount() == 2),
                             20000);
    QStringList shown;
    for (int i = 0; i < completer->completionCount(); ++i) {
      completer->setCurrentRow(i);
      shown << QFileInfo(completer->currentCompletion()).fileName();
    }
    shown.sort();
    QCOMPARE(shown, (QStringList{"MirServer", "MirServer2"}));
  }

  void webTabsLoadEachTimeTheyAreSelected() {
    FormHarness h;
    TForm1& f = h.form();
    QCOMPARE(f.WebBrowser1->loadCount(), 0);
    f.PageControl1->setCurrentIndex(1);
    QCOMPARE(f.WebBrowser1->loadCount(), 1);
    QCOMPARE(f.WebBrowser1->source(), QUrl("qrc:/pages/variables.html"));
    const QString doc = f.WebBrowser1->toPlainText();
    for (const char* text : {"变量说明", "全局数字", "H.SetAbility", "[@UserCmd255]", "[808]",
                             "个人定时器", "物品触发", "CMD命令"})
      QVERIFY2(doc.contains(QString::fromUtf8(text)), text);
    f.PageControl1->setCurrentIndex(0);
    QCOMPARE(f.WebBrowser1->loadCount(), 1);
    f.PageControl1->setCurrentIndex(1);
    QCOMPARE(f.WebBrowser1->loadCount(), 2);
    QCOMPARE(f.WebBrowser2->loadCount(), 0);
    f.PageControl1->setCurrentIndex(2);
    QCOMPARE(f.WebBrowser2->loadCount(), 1);
    QVERIFY(f.WebBrowser2->toPlainText().contains("更新日志"));
    QVERIFY(f.WebBrowser2->toPlainText().contains("V1.3.0.0"));

    emit f.WebBrowser2->anchorClicked(QUrl("https://qorvan.example.com/download"));
    QCOMPARE(h.recorded().Urls, QList<QUrl>{QUrl("https://qorvan.example.com/download")});
    QCOMPARE(f.WebBrowser2->source(), QUrl("qrc:/pages/changelog.html"));
    emit f.WebBrowser2->anchorClicked(QUrl("variables.html"));
    QCOMPARE(f.WebBrowser2->source(), QUrl("qrc:/pages/variables.html"));
    QCOMPARE(h.recorded().Urls.size(), 1);
  }

  void mainMenuOpensTheSiteAndKeepsSeparatorsDisabled() {
    FormHarness h;
    const auto items = h.form().menuBar()->actions();
    QVERIFY(items.size() >= 3);
    int separators = 0;
    for (QAction* item : items) {
      if (item->text() == "|") {
        QVERIFY(!item->isEnabled());
        ++separators;
        continue;
      }
      item->trigger();
    }
    QVERIFY(separators > 0);
    QCOMPARE(h.recorded().Urls.size(), items.size() - separators);
    QVERIFY(h.recorded().Urls.front().toString().startsWith(TForm1::ProductSite()));
  }

  void commandsBeforeAnyRunDoNothing() {
    FormHarness h;
    TForm1& f = h.form();
    f.action("G")->trigger();
    QCOMPARE(f.CurrentFamily, 0);
    QVERIFY(f.action("G")->isEnabled());
    f.action("SetAll")->trigger();
    QCOMPARE(f.CurrentFamily, 0);
    f.Search1->trigger();
    QCOMPARE(f.DBGridEh1->model()->rowCount(), 0);
    QCOMPARE(f.DBGridEh0->model()->rowCount(), 0);
    f.DBGridEh2DblClick();
    f.DBGridEh3DblClick();
    QVERIFY(h.recorded().Opened.empty());
    QVERIFY(h.recorded().Clipboard.isEmpty());
  }

  void missingDirectoryLeavesTheButtonIdleWithoutAMessage() {
    FormHarness h;
    QTemporaryDir root;
    QVERIFY(h.query(root.path() + "/no such dir"));
    QCOMPARE(h.form().Button1->text(), QString("查询"));
    QCOMPARE(h.form().Button1Tag, 0);
    QVERIFY(h.form().Button1->isEnabled());
    QVERIFY(!h.form().Running());
    QVERIFY(h.recorded().Messages.isEmpty());
  }

  void strayExceptionsAreDropped() {
    Thrower thrower;
    QEvent user(QEvent::User);
    QVERIFY(!QCoreApplication::sendEvent(&thrower, &user));
    bool after = false;
    Guarded([] { throw 42; });
    after = true;
    QVERIFY(after);
  }
};

int main(int argc, char** argv) {
  SafeApplication app(argc, argv);
  LayoutTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "LayoutTest.moc"
