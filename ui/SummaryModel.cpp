#include "SummaryModel.h"

namespace qorvan::ui {

SummaryModel::SummaryModel(QObject* parent)
    : ColumnTableModel({{"FileCount", "文件总数", 86, false, Qt::AlignHCenter, false},
                        {"UseCount", "使用总数", 89, false, Qt::AlignHCenter, false},
                        {"ValueType", "类型", 150, false, Qt::AlignHCenter, false},
                        {"ValueName", "占用变量名", 161, false, Qt::AlignHCenter, true},
                        {"Descr", "备注", 479, false, Qt::AlignHCenter, true}},
                       parent) {}

void SummaryModel::setRows(std::vector<qorvan::SummaryRow> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

int SummaryModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant SummaryModel::cell(int row, int column) const {
  const qorvan::SummaryRow& r = rowAt(row);
  switch (column) {
    case FileCount:
      return r.FileCount;
    case UseCount:
      return r.UseCount;
    case ValueType:
      return QString::fromStdString(r.ValueType);
    case ValueName:
      return QString::fromStdString(r.ValueName);
    case Descr:
      return QString::fromStdString(r.Descr);
    default:
      return {};
  }
}

QVariant SummaryModel::display(int row, int column) const {
  if (column == ValueType) {
    // Only the keys "1" to "34" have labels; other texts show nothing, like a key list.
    const QString key = QString::fromStdString(rowAt(row).ValueType);
    bool ok = false;
    const int family = key.toInt(&ok);
    if (!ok || key != QString::number(family) || family < 1 || family > 34) return QString();
    return QString::fromStdString(qorvan::FamilyTypeLabel(family));
  }
  return cell(row, column);
}

}  // namespace qorvan::ui
