// Base of the grid models: fixed columns with titles, alignment and cell tool tips.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <vector>

namespace qorvan::ui {

struct ColumnDef {
  const char* Field;  // field name, for tests and look-ups
  const char* Title;  // UTF-8 header text; empty for none
  int Width;          // pixels; -1 keeps the view's default
  bool Hidden;        // column exists but is not shown
  Qt::Alignment Align;
  bool ToolTip;  // the cell shows its text as tool tip
};

class ColumnTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit ColumnTableModel(std::vector<ColumnDef> columns, QObject* parent = nullptr);

  // The column layout, in model order.
  const std::vector<ColumnDef>& columns() const { return columns_; }
  // Index of the column named `field`, or -1.
  int columnOf(const char* field) const;

  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 protected:
  // The raw value of a cell; index is valid.
  virtual QVariant cell(int row, int column) const = 0;
  // The shown text of a cell; defaults to the raw value.
  virtual QVariant display(int row, int column) const { return cell(row, column); }

 private:
  std::vector<ColumnDef> columns_;
};

}  // namespace qorvan::ui
