// The line grid's rows: the uses of one member in one file.
#pragma once

#include <vector>

#include "ColumnTableModel.h"
#include "MyDB.h"

namespace qorvan::ui {

class LineModel final : public ColumnTableModel {
  Q_OBJECT

 public:
  enum Column { TextRow, KeyWord, RowData, Path };

  explicit LineModel(QObject* parent = nullptr);

  // Replaces every row.
  void setRows(std::vector<qorvan::LineRow> rows);
  // Row i; i must be in range.
  const qorvan::LineRow& rowAt(int i) const { return rows_[static_cast<std::size_t>(i)]; }
  int rowCount(const QModelIndex& parent = {}) const override;

 protected:
  QVariant cell(int row, int column) const override;

 private:
  std::vector<qorvan::LineRow> rows_;
};

}  // namespace qorvan::ui
