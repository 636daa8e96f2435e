// The free-name grid's rows: members of a family that no script uses.
#pragma once

#include <vector>

#include "ColumnTableModel.h"
#include "MyDB.h"

namespace qorvan::ui {

class FreeNameModel final : public ColumnTableModel {
  Q_OBJECT

 public:
  enum Column { ID, KeyWord, SearchID };

  explicit FreeNameModel(QObject* parent = nullptr);

  // Replaces every row.
  void setRows(std::vector<qorvan::FreeRow> rows);
  // Row i; i must be in range.
  const qorvan::FreeRow& rowAt(int i) const { return rows_[static_cast<std::size_t>(i)]; }
  int rowCount(const QModelIndex& parent = {}) const override;

 protected:
  QVariant cell(int row, int column) const override;

 private:
  std::vector<qorvan::FreeRow> rows_;
};

}  // namespace qorvan::ui
