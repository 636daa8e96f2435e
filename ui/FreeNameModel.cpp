#include "FreeNameModel.h"

namespace qorvan::ui {

FreeNameModel::FreeNameModel(QObject* parent)
    : ColumnTableModel({{"ID", "", -1, true, Qt::AlignLeft, false},
                        {"KeyWord", "可用变量名", 150, false, Qt::AlignHCenter, false},
                        {"SearchID", "", 0, true, Qt::AlignLeft, false}},
                       parent) {}

void FreeNameModel::setRows(std::vector<qorvan::FreeRow> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

int FreeNameModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant FreeNameModel::cell(int row, int column) const {
  const qorvan::FreeRow& r = rowAt(row);
  switch (column) {
    case ID:
      return r.ID;
    case KeyWord:
      return QString::fromStdString(r.KeyWord);
    case SearchID:
      return QString::fromStdString(r.SearchID);
    default:
      return {};
  }
}

}  // namespace qorvan::ui
