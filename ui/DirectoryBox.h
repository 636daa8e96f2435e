// The version-directory box: directory completion from the file system, the down-arrow key
// drops the suggestions, F4 and a small button open the folder dialog.
#pragma once

#include <QLineEdit>
#include <QString>
#include <QWidget>
#include <functional>

class QCompleter;
class QFileSystemModel;
class QToolButton;

namespace qorvan::ui {

class DirectoryBox final : public QWidget {
  Q_OBJECT

 public:
  // Asks the user for a directory: parent, prompt, starting directory; empty when cancelled.
  using FolderChooser = std::function<QString(QWidget*, const QString&, const QString&)>;

  explicit DirectoryBox(QWidget* parent = nullptr);

  QString text() const { return edit_->text(); }
  void setText(const QString& text) { edit_->setText(text); }
  QLineEdit* lineEdit() const { return edit_; }
  QToolButton* browseButton() const { return button_; }
  QCompleter* completer() const { return completer_; }
  // Replaces the folder dialog (tests use this so that nothing blocks).
  void setFolderChooser(FolderChooser chooser) { chooser_ = std::move(chooser); }
  // Opens the folder dialog and takes the chosen directory into the box.
  void browse();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void dropSuggestions();

  QLineEdit* edit_;
  QToolButton* button_;
  QFileSystemModel* dirs_;
  QCompleter* completer_;
  FolderChooser chooser_;
  bool waitingForDirectory_ = false;  // the down-arrow key asked for names not yet read
};

}  // namespace qorvan::ui
