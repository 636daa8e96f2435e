// The summary grid's rows: one per member in use.
#pragma once

#include <vector>

#include "ColumnTableModel.h"
#include "MyDB.h"

namespace qorvan::ui {

class SummaryModel final : public ColumnTableModel {
  Q_OBJECT

 public:
  enum Column { FileCount, UseCount, ValueType, ValueName, Descr };

  explicit SummaryModel(QObject* parent = nullptr);

  // Replaces every row.
  void setRows(std::vector<qorvan::SummaryRow> rows);
  // Row i; i must be in range.
  const qorvan::SummaryRow& rowAt(int i) const { return rows_[static_cast<std::size_t>(i)]; }
  int rowCount(const QModelIndex& parent = {}) const override;

 protected:
  QVariant cell(int row, int column) const override;
  QVariant display(int row, int column) const override;

 private:
  std::vector<qorvan::SummaryRow> rows_;
};

}  // namespace qorvan::ui
