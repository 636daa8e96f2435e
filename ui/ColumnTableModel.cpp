#include "ColumnTableModel.h"

#include <cstring>

namespace qorvan::ui {

namespace {
constexpr qsizetype kToolTipLimit = 2000;
}  // namespace

ColumnTableModel::ColumnTableModel(std::vector<ColumnDef> columns, QObject* parent)
    : QAbstractTableModel(parent), columns_(std::move(columns)) {}

int ColumnTableModel::columnOf(const char* field) const {
  for (std::size_t i = 0; i < columns_.size(); ++i)
    if (std::strcmp(columns_[i].Field, field) == 0) return static_cast<int>(i);
  return -1;
}

int ColumnTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant ColumnTableModel::data(const QModelIndex& index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
    return {};
  const ColumnDef& def = columns_[index.column()];
  switch (role) {
    case Qt::DisplayRole:
      return display(index.row(), index.column());
    case Qt::EditRole:
      return cell(index.row(), index.column());
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(def.Align | Qt::AlignVCenter);
    case Qt::ToolTipRole: {
      if (!def.ToolTip) return {};
      // A tool tip of a very long line is cut, so that showing it stays quick.
      const QString text = display(index.row(), index.column()).toString();
      return text.size() > kToolTipLimit ? text.left(kToolTipLimit) + QStringLiteral("…") : text;
    }
    default:
      return {};
  }
}

QVariant ColumnTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;  // record numbers in the row indicator
  if (section < 0 || section >= columnCount()) return {};
  return QString::fromUtf8(columns_[section].Title);
}

Qt::ItemFlags ColumnTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

}  // namespace qorvan::ui
