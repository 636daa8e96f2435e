#include "DirectoryBox.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QToolButton>

#include "SafeApplication.h"

namespace qorvan::ui {

namespace {

QString AskFolder(QWidget* parent, const QString& prompt, const QString& start) {
  return QFileDialog::getExistingDirectory(parent, prompt, start);
}

}  // namespace

DirectoryBox::DirectoryBox(QWidget* parent)
    : QWidget(parent),
      edit_(new QLineEdit(this)),
      button_(new QToolButton(this)),
      dirs_(new QFileSystemModel(this)),
      completer_(new QCompleter(this)),
      chooser_(AskFolder) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(edit_, 1);
  layout->addWidget(button_);

  QFont font;
  font.setFamilies(
      {QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("Noto Sans CJK SC")});
  font.setPointSize(10);
  edit_->setFont(font);
  QPalette palette = edit_->palette();
  palette.setColor(QPalette::Text, QColor(0, 0, 255));
  edit_->setPalette(palette);
  edit_->setPlaceholderText(QStringLiteral("请选择一个版本的路径"));
  edit_->setToolTip(QStringLiteral(
      "小提示：点击文本框后使用按键 ↓ 键选择可模糊选择或F4快速打开\n"
      "例：目录为 D:\\MirServer 使用 ↓ 键后，可自动列出D:\\MirServer+任意字符的版本"));
  edit_->installEventFilter(this);

  dirs_->setFilter(QDir::AllDirs | QDir::Drives | QDir::NoDotAndDotDot);
  dirs_->setRootPath(QString());
  completer_->setModel(dirs_);
  completer_->setCompletionMode(QCompleter::PopupCompletion);
  completer_->setFilterMode(Qt::MatchStartsWith);
#ifdef _WIN32
  completer_->setCaseSensitivity(Qt::CaseInsensitive);
#endif
  edit_->setCompleter(completer_);
  connect(dirs_, &QFileSystemModel::directoryLoaded, this, [this] {
    if (waitingForDirectory_ && edit_->hasFocus()) Guarded([this] { dropSuggestions(); });
  });

  button_->setText(QStringLiteral("…"));
  button_->setToolTip(QStringLiteral("请选择版本目录 (如 D:\\Mirserver)"));
  connect(button_, &QToolButton::clicked, this, [this] { Guarded([this] { browse(); }); });
}

void DirectoryBox::browse() {
  const QString chosen =
      chooser_(this, QStringLiteral("请选择版本目录 (如 D:\\Mirserver)"), text());
  if (!chosen.isEmpty()) setText(QDir::toNativeSeparators(chosen));
}

void DirectoryBox::dropSuggestions() {
  // The model reads a directory only when asked; the list is shown again once it has been read.
  const QString text = QDir::fromNativeSeparators(edit_->text());
  const QModelIndex parent = dirs_->index(text.left(text.lastIndexOf(u'/') + 1));
  if (parent.isValid() && dirs_->canFetchMore(parent)) dirs_->fetchMore(parent);
  waitingForDirectory_ = true;
  completer_->setCompletionPrefix(edit_->text());
  completer_->complete();
  if (completer_->popup()->isVisible()) waitingForDirectory_ = false;
}

bool DirectoryBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edit_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_F4) {
      Guarded([this] { browse(); });
      return true;
    }
    if (key == Qt::Key_Down && !completer_->popup()->isVisible()) {
      Guarded([this] { dropSuggestions(); });
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace qorvan::ui
