// The family bar and the display commands: family views, "全局Set", "显示全部", the filter.
#include <QLineEdit>
#include <QPushButton>

#include "FreeNameModel.h"
#include "NoticeTableView.h"
#include "SummaryModel.h"
#include "VariableSearch.h"

namespace qorvan::ui {

void TForm1::ClickExecute(QAction* action) {
  familyCommand(action->data().toInt(), false);
}

void TForm1::SetAllExecute() {
  familyCommand(qorvan::FamilyCount, true);
}

void TForm1::familyCommand(int tag, bool setAll) {
  if (running_ || !dataModule_->ShowTableOpen()) return;
  if (tag < 1 || tag > qorvan::FamilyCount) return;
  CurrentFamily = tag;
  for (QAction* a : actionList1_) a->setEnabled(a->data().toInt() != CurrentFamily);
  const std::u16string_view name = qorvan::FamilyNames[static_cast<std::size_t>(tag - 1)];
  if (setAll)
    dataModule_->UpShowDataEx(name);
  else
    dataModule_->UpShowData(tag, qorvan::FamilyOrderBase[static_cast<std::size_t>(tag - 1)], name);
  dataModule_->CloseFreeQuery();
  dataModule_->OpenFreeQuery(qorvan::FamilyFreeSql(tag));
  refreshSummary(dataModule_->SummaryRows());
  refreshFreeNames();
}

void TForm1::Search1Execute() {
  if (running_) return;
  enableFamilyActions();
  if (!dataModule_->ShowTableOpen()) return;
  dataModule_->UpShowAllData();
  dataModule_->CloseFreeQuery();
  dataModule_->OpenFreeQuery(qorvan::ShowAllFreeSql());
  refreshSummary(dataModule_->SummaryRows());
  refreshFreeNames();
}

void TForm1::Search2Execute() {
  if (running_ || Settings.CusomText.empty()) return;
  enableFamilyActions();
  if (!dataModule_->ShowTableOpen()) return;
  dataModule_->UpShowAllData();
  dataModule_->CloseFreeQuery();
  dataModule_->OpenFreeQuery(qorvan::FilterFreeSql(Settings.CusomText));
  // The summary shows every member in use; the filter tells which of the typed names are free.
  refreshSummary(dataModule_->SummaryRows());
  refreshFreeNames();
}

void TForm1::Edit1Change(const QString& text) {
  Settings.CusomText = qorvan::BuildFilterText(text.toStdU16String());
}

void TForm1::Button2Click() {
  Edit1->clear();
  Search1->trigger();
}

void TForm1::refreshSummary(std::vector<qorvan::SummaryRow> rows) {
  SummaryModel1->setRows(std::move(rows));
  DBGridEh2->setEnabled(SummaryModel1->rowCount() > 0);
}

void TForm1::refreshFreeNames() {
  ShowModel->setRows(dataModule_->FreeRows());
}

}  // namespace qorvan::ui
