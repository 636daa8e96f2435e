#include "EditorLauncher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <array>

#include "SettingsStore.h"

#ifdef _WIN32
#include <QApplication>
#include <QWidget>
// shellapi.h needs the types windows.h declares, so it must come second.
#include <windows.h>

#include <shellapi.h>
#endif

namespace qorvan::ui {

namespace {

struct KnownEditor {
  const char* Program;   // base name without extension
  const char* Template;  // arguments after the program
  bool Terminal;
};

// How the common editors are told to open a file at a line.
constexpr std::array<KnownEditor, 18> kKnownEditors = {{
    {"code", "-g {file}:{line}", false},
    {"code-insiders", "-g {file}:{line}", false},
    {"codium", "-g {file}:{line}", false},
    {"subl", "{file}:{line}", false},
    {"gedit", "+{line} {file}", false},
    {"gnome-text-editor", "+{line} {file}", false},
    {"kate", "-l {line} {file}", false},
    {"kwrite", "-l {line} {file}", false},
    {"mousepad", "--line={line} {file}", false},
    {"notepad++", "-n{line} {file}", false},
    {"gvim", "+{line} {file}", false},
    {"emacs", "+{line} {file}", false},
    {"vi", "+{line} {file}", true},
    {"vim", "+{line} {file}", true},
    {"nvim", "+{line} {file}", true},
    {"nano", "+{line} {file}", true},
    {"micro", "{file}:{line}", true},
    {"notepad", "{file}", false},
}};

const KnownEditor* FindKnown(const QString& program) {
  const QString base = QFileInfo(program).completeBaseName();
  for (const KnownEditor& e : kKnownEditors)
    if (base == QLatin1String(e.Program)) return &e;
  return nullptr;
}

// Substitutes the placeholders; without a known line the editor opens at the first one.
QStringList Expand(const QStringList& args, const QString& path, int line) {
  const QString lineText = QString::number(line > 0 ? line : 1);
  QStringList out;
  for (QString arg : args)
    out << arg.replace(QLatin1String("{line}"), lineText).replace(QLatin1String("{file}"), path);
  return out;
}

}  // namespace

std::optional<QStringList> EditorCommand(const QString& editor, const QString& path, int line) {
  // Splitting before substitution keeps a path with blanks as one argument.
  QStringList words = QProcess::splitCommand(editor);
  if (words.isEmpty()) return std::nullopt;
  const bool hasPlaceholder = editor.contains(QLatin1String("{file}"));
  if (!hasPlaceholder) {
    const KnownEditor* known = words.size() == 1 ? FindKnown(words.front()) : nullptr;
    words << (known ? QString::fromLatin1(known->Template).split(u' ') : QStringList{"{file}"});
  }
  const QString program = words.takeFirst();
  return QStringList{program} + Expand(words, path, line);
}

bool IsTerminalEditor(const QString& program) {
  const KnownEditor* known = FindKnown(program);
  return known && known->Terminal;
}

QString ConfiguredEditor(qorvan::SettingsStore* store) {
  if (store) {
    const QString setting =
        QString::fromStdU16String(store->ReadRegString(qorvan::kSettingsKey, kEditorValueName))
            .trimmed();
    if (!setting.isEmpty()) return setting;
  }
  for (const char* name : {"VISUAL", "EDITOR"}) {
    const QString value = qEnvironmentVariable(name).trimmed();
    if (!value.isEmpty()) return value;
  }
  return {};
}

namespace {

#ifdef _WIN32

class NotepadLauncher final : public EditorLauncher {
 public:
  void OpenFile(const QString& path, int) override {
    // The path goes to Notepad as it is; Notepad reads its whole command line as one name.
    // The window that was double-clicked owns the call (and any message the shell shows).
    QWidget* window = QApplication::activeWindow();
    HWND owner = window ? reinterpret_cast<HWND>(window->winId()) : nullptr;
    ShellExecuteW(owner, L"open", L"notepad.exe", reinterpret_cast<LPCWSTR>(path.utf16()), nullptr,
                  SW_SHOWNORMAL);
  }
};

#else

class DesktopLauncher final : public EditorLauncher {
 public:
  explicit DesktopLauncher(std::shared_ptr<qorvan::SettingsStore> store)
      : store_(std::move(store)) {}

  void OpenFile(const QString& path, int line) override {
    if (auto command = EditorCommand(ConfiguredEditor(store_.get()), path, line)) {
      if (IsTerminalEditor(command->front())) {
        const QString terminal =
            QStandardPaths::findExecutable(QStringLiteral("x-terminal-emulator"));
        if (!terminal.isEmpty()) {
          QProcess::startDetached(terminal, QStringList{QStringLiteral("-e")} + *command);
          return;
        }
      } else if (QProcess::startDetached(command->front(), command->mid(1))) {
        return;
      }
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
  }

 private:
  std::shared_ptr<qorvan::SettingsStore> store_;
};

#endif

}  // namespace

std::unique_ptr<EditorLauncher> MakeSystemEditorLauncher(
    [[maybe_unused]] std::shared_ptr<qorvan::SettingsStore> store) {
#ifdef _WIN32
  return std::make_unique<NotepadLauncher>();
#else
  return std::make_unique<DesktopLauncher>(std::move(store));
#endif
}

}  // namespace qorvan::ui
