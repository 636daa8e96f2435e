// The file grid's rows: the files that use one member.
#pragma once

#include <vector>

#include "ColumnTableModel.h"
#include "MyDB.h"

namespace qorvan::ui {

class FileModel final : public ColumnTableModel {
  Q_OBJECT

 public:
  enum Column { ID, FileCount, ValueName, Path };

  explicit FileModel(QObject* parent = nullptr);

  // Replaces every row.
  void setRows(std::vector<qorvan::FileRow> rows);
  // Row i; i must be in range.
  const qorvan::FileRow& rowAt(int i) const { return rows_[static_cast<std::size_t>(i)]; }
  int rowCount(const QModelIndex& parent = {}) const override;

 protected:
  QVariant cell(int row, int column) const override;

 private:
  std::vector<qorvan::FileRow> rows_;
};

}  // namespace qorvan::ui
