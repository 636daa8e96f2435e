#include "FileModel.h"

namespace qorvan::ui {

FileModel::FileModel(QObject* parent)
    : ColumnTableModel({{"ID", "", -1, true, Qt::AlignLeft, false},
                        {"FileCount", "出现次数", 100, false, Qt::AlignHCenter, false},
                        {"ValueName", "变量名字", 100, true, Qt::AlignLeft, false},
                        {"Path", "文件路径", 640, false, Qt::AlignLeft, true}},
                       parent) {}

void FileModel::setRows(std::vector<qorvan::FileRow> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

int FileModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant FileModel::cell(int row, int column) const {
  const qorvan::FileRow& r = rowAt(row);
  switch (column) {
    case ID:
      return r.ID;
    case FileCount:
      return r.FileCount;
    case ValueName:
      return QString::fromStdString(r.ValueName);
    case Path:
      return QString::fromStdString(r.Path);
    default:
      return {};
  }
}

}  // namespace qorvan::ui
