// Building the editor command that opens a script file, at a line where the editor allows it.
#include <QTest>

#include "EditorLauncher.h"
#include "MemorySettingsStore.h"
#include "SettingsStore.h"

using namespace qorvan::ui;

class EditorCommandTest : public QObject {
  Q_OBJECT

 private slots:
  void commands_data() {
    QTest::addColumn<QString>("editor");
    QTest::addColumn<int>("line");
    QTest::addColumn<QStringList>("expected");
    const QString path = QStringLiteral("/srv/Mir Server/Npc_Def/商人.txt");
    QTest::newRow("template with line")
        << "code -g {file}:{line}" << 12 << QStringList{"code", "-g", path + ":12"};
    QTest::newRow("template without line") << "mate {file}" << 12 << QStringList{"mate", path};
    QTest::newRow("known gui editor") << "gedit" << 7 << QStringList{"gedit", "+7", path};
    QTest::newRow("known by full path")
        << "/usr/bin/kate" << 3 << QStringList{"/usr/bin/kate", "-l", "3", path};
    QTest::newRow("known terminal editor") << "vim" << 5 << QStringList{"vim", "+5", path};
    QTest::newRow("no line goes to the first") << "subl" << 0 << QStringList{"subl", path + ":1"};
    QTest::newRow("unknown program") << "myedit" << 9 << QStringList{"myedit", path};
    QTest::newRow("program with options")
        << "gedit --new-window" << 9 << QStringList{"gedit", "--new-window", path};
    QTest::newRow("quoted program") << "\"/opt/My Editor/ed\" --line {line} {file}" << 4
                                    << QStringList{"/opt/My Editor/ed", "--line", "4", path};
  }

  void commands() {
    QFETCH(QString, editor);
    QFETCH(int, line);
    QFETCH(QStringList, expected);
    const auto command =
        EditorCommand(editor, QStringLiteral("/srv/Mir Server/Npc_Def/商人.txt"), line);
    QVERIFY(command.has_value());
    QCOMPARE(*command, expected);
  }

  void noEditorGivesNoCommand() {
    QVERIFY(!EditorCommand(QString(), QStringLiteral("/a.txt"), 1).has_value());
    QVERIFY(!EditorCommand(QStringLiteral("   "), QStringLiteral("/a.txt"), 1).has_value());
  }

  void placeholderTextInsideThePathStaysAsItIs() {
    const auto command =
        EditorCommand(QStringLiteral("ed {file} +{line}"), QStringLiteral("/x/{line}.txt"), 2);
    QCOMPARE(*command, (QStringList{"ed", "/x/{line}.txt", "+2"}));
  }

  void settingThenVisualThenEditorChooseTheEditor() {
    MemorySettingsStore store;
    qputenv("VISUAL", "code -g {file}:{line}");
    qputenv("EDITOR", "nano");
    QCOMPARE(ConfiguredEditor(&store), QString("code -g {file}:{line}"));
    store.WriteRegString(qorvan::kSettingsKey, kEditorValueName, u" kate ");
    QCOMPARE(ConfiguredEditor(&store), QString("kate"));
    qunsetenv("VISUAL");
    QCOMPARE(ConfiguredEditor(nullptr), QString("nano"));
    qunsetenv("EDITOR");
    QVERIFY(ConfiguredEditor(nullptr).isEmpty());
  }

  void terminalEditorsAreKnown() {
    QVERIFY(IsTerminalEditor(QStringLiteral("nano")));
    QVERIFY(IsTerminalEditor(QStringLiteral("/usr/bin/nvim")));
    QVERIFY(!IsTerminalEditor(QStringLiteral("code")));
    QVERIFY(!IsTerminalEditor(QStringLiteral("myedit")));
  }
};

QTEST_MAIN(EditorCommandTest)
#include "EditorCommandTest.moc"
