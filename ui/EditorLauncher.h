// Opening a script file in an editor: a small platform interface and the command builder.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <string_view>

namespace qorvan {
class SettingsStore;
}

namespace qorvan::ui {

class EditorLauncher {
 public:
  virtual ~EditorLauncher() = default;
  // Opens `path` in the editor, at `line` (1-based) when the editor can jump there; 0 for none.
  // Failures are the editor's own business and are not reported.
  virtual void OpenFile(const QString& path, int line) = 0;
};

// The program and arguments that open `path` at `line` with the editor named by `editor`:
// either a command template with {file} and {line} placeholders, or a program name looked up
// in the table of known editors. Empty `editor` gives no command.
std::optional<QStringList> EditorCommand(const QString& editor, const QString& path, int line);

// True when the editor program runs in a terminal and needs one opened for it.
bool IsTerminalEditor(const QString& program);

// The name of the editor setting, beside the remembered directory.
inline constexpr std::u16string_view kEditorValueName = u"Editor";

// The editor text chosen on this machine: the "Editor" setting of `store` (may be null), else
// $VISUAL, else $EDITOR.
QString ConfiguredEditor(qorvan::SettingsStore* store);

// The launcher of this platform: Notepad on Windows, elsewhere the configured editor, or the
// desktop's default application when there is none or it cannot be started.
std::unique_ptr<EditorLauncher> MakeSystemEditorLauncher(
    std::shared_ptr<qorvan::SettingsStore> store);

}  // namespace qorvan::ui
