// Drill-down from a summary row to its files and from a file to its lines; the web tabs.
#include "EditorLauncher.h"
#include "FileModel.h"
#include "LineModel.h"
#include "NoticeTableView.h"
#include "SummaryModel.h"
#include "VariableSearch.h"
#include "WebPage.h"

namespace qorvan::ui {

namespace {

// The double-click handlers act only on a selected column below 4; none counts as 4 or more.
bool ColumnAllowsOpen(const QModelIndex& index) {
  return index.isValid() && static_cast<unsigned>(index.column()) < 4u;
}

}  // namespace

QString TForm1::summaryName() const {
  const QModelIndex current = DBGridEh1->currentIndex();
  if (!current.isValid() || current.row() >= SummaryModel1->rowCount()) return {};
  return QString::fromStdString(SummaryModel1->rowAt(current.row()).ValueName);
}

void TForm1::DBGridEh1RowDetailPanelShow() {
  const bool hasFiles = dataModule_->FillFileTable(summaryName().toStdU16String());
  FileModel2->setRows(dataModule_->FileRows());
  // A new variable's files replace the old ones; the lines of the old file go with them.
  LineModel3->setRows({});
  DBGridEh3->setEnabled(hasFiles);
}

void TForm1::DBGridEh1DblClick() {
  DBGridEh1RowDetailPanelShow();
}

void TForm1::DBGridEh2RowDetailPanelShow() {
  const QModelIndex current = DBGridEh2->currentIndex();
  if (!current.isValid() || current.row() >= FileModel2->rowCount()) return;
  const qorvan::FileRow& file = FileModel2->rowAt(current.row());
  dataModule_->FillLineTable(qorvan::FromUtf8(file.ValueName), qorvan::FromUtf8(file.Path));
  LineModel3->setRows(dataModule_->LineRows());
}

int TForm1::firstUseLine(const QString& name, const QString& path) const {
  const qorvan::RunState* state = dataModule_->State();
  if (!state) return 0;
  const qorvan::TValue* value = state->ValueDic.Find(name.toStdU16String());
  if (!value) return 0;
  const std::u16string wanted = path.toStdU16String();
  for (const qorvan::TValuePathData& file : value->ValuePath)
    if (state->PathOf(file.Path) == wanted && !file.Uses.empty()) return file.Uses.front().LineNo;
  return 0;
}

void TForm1::DBGridEh2DblClick() {
  const QModelIndex current = DBGridEh2->currentIndex();
  if (!ColumnAllowsOpen(current) || current.row() >= FileModel2->rowCount()) return;
  const qorvan::FileRow& file = FileModel2->rowAt(current.row());
  // The name copied is that of the variable whose files are listed.
  const QString name = QString::fromStdString(file.ValueName);
  const QString path = QString::fromStdString(file.Path);
  if (services_.SetClipboard) services_.SetClipboard(name);
  if (services_.Editor) services_.Editor->OpenFile(path, firstUseLine(name, path));
}

void TForm1::DBGridEh3DblClick() {
  const QModelIndex current = DBGridEh3->currentIndex();
  if (!ColumnAllowsOpen(current) || current.row() >= LineModel3->rowCount()) return;
  const qorvan::LineRow& line = LineModel3->rowAt(current.row());
  if (services_.SetClipboard) services_.SetClipboard(QString::fromStdString(line.KeyWord));
  if (services_.Editor)
    services_.Editor->OpenFile(QString::fromStdString(line.Path),
                               QString::fromStdString(line.TextRow).toInt());
}

void TForm1::PageControl1Change(int index) {
  if (index == 1) WebBrowser1->navigateHome();
  if (index == 2) WebBrowser2->navigateHome();
}

}  // namespace qorvan::ui
