// Opening a script file in an editor: a small platform interface and the command builder.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

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

// The editor text chosen on this machine: the setting, else $VISUAL, else $EDITOR.
QString ConfiguredEditor();

// The launcher of this platform: Notepad on Windows, the configured editor or the desktop's
// default application elsewhere.
std::unique_ptr<EditorLauncher> MakeSystemEditorLauncher();

}  // namespace qorvan::ui
