// A read-only grid that shows a notice when it has no rows and can fit its columns to its width.
#pragma once

#include <QString>
#include <QTableView>

#include "ColumnTableModel.h"

namespace qorvan::ui {

class NoticeTableView final : public QTableView {
  Q_OBJECT

 public:
  explicit NoticeTableView(QWidget* parent = nullptr);

  // Binds the model and applies its column titles, widths and hidden columns.
  void setColumnModel(ColumnTableModel* model);
  // The text painted while the grid has no rows; empty paints nothing.
  void setNotice(const QString& text);
  const QString& notice() const { return notice_; }
  // Scales the visible columns so that together they fill the width (no horizontal scroll bar).
  void setFitColumns(bool fit);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void fitColumns();

  ColumnTableModel* columnModel_ = nullptr;
  QString notice_;
  bool fit_ = false;
};

}  // namespace qorvan::ui
