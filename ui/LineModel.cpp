#include "LineModel.h"

namespace qorvan::ui {

LineModel::LineModel(QObject* parent)
    : ColumnTableModel({{"TextRow", "行位置", 120, false, Qt::AlignHCenter, false},
                        {"KeyWord", "原始变量名", 180, false, Qt::AlignHCenter, false},
                        {"RowData", "行数据", 376, false, Qt::AlignLeft, true},
                        {"Path", "", -1, true, Qt::AlignLeft, false}},
                       parent) {}

void LineModel::setRows(std::vector<qorvan::LineRow> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

int LineModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant LineModel::cell(int row, int column) const {
  const qorvan::LineRow& r = rowAt(row);
  switch (column) {
    case TextRow:
      return QString::fromStdString(r.TextRow);
    case KeyWord:
      return QString::fromStdString(r.KeyWord);
    case RowData:
      return QString::fromStdString(r.RowData);
    case Path:
      return QString::fromStdString(r.Path);
    default:
      return {};
  }
}

}  // namespace qorvan::ui
