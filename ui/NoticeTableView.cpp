#include "NoticeTableView.h"

#include <QHeaderView>
#include <QPainter>

namespace qorvan::ui {

NoticeTableView::NoticeTableView(QWidget* parent) : QTableView(parent) {
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setWordWrap(false);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  horizontalHeader()->setHighlightSections(false);
}

void NoticeTableView::setColumnModel(ColumnTableModel* model) {
  columnModel_ = model;
  setModel(model);
  const auto& columns = model->columns();
  for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
    setColumnHidden(c, columns[c].Hidden || columns[c].Width == 0);
    if (columns[c].Width > 0) setColumnWidth(c, columns[c].Width);
  }
  fitColumns();
}

void NoticeTableView::setNotice(const QString& text) {
  notice_ = text;
  viewport()->update();
}

void NoticeTableView::setFitColumns(bool fit) {
  fit_ = fit;
  setHorizontalScrollBarPolicy(fit ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
  fitColumns();
}

void NoticeTableView::paintEvent(QPaintEvent* event) {
  QTableView::paintEvent(event);
  if (notice_.isEmpty() || (model() && model()->rowCount() > 0)) return;
  QPainter painter(viewport());
  painter.setPen(palette().color(QPalette::PlaceholderText));
  painter.drawText(viewport()->rect(), Qt::AlignCenter, notice_);
}

void NoticeTableView::resizeEvent(QResizeEvent* event) {
  QTableView::resizeEvent(event);
  fitColumns();
}

void NoticeTableView::fitColumns() {
  if (!fit_ || !columnModel_) return;
  const auto& columns = columnModel_->columns();
  int total = 0;
  for (int c = 0; c < static_cast<int>(columns.size()); ++c)
    if (!isColumnHidden(c) && columns[c].Width > 0) total += columns[c].Width;
  const int room = viewport()->width();
  if (total <= 0 || room <= 0) return;
  for (int c = 0; c < static_cast<int>(columns.size()); ++c)
    if (!isColumnHidden(c) && columns[c].Width > 0)
      setColumnWidth(c, columns[c].Width * room / total);
}

}  // namespace qorvan::ui
