#include "lists/main_list_model.h"

#include "lists/list_columns.h"

#include <QColor>
#include <QFont>
#include <algorithm>
#include <numeric>
#include <vector>

namespace vantrel::lists {
namespace {

constexpr int cellPointSize = 9;
const QColor tint(242, 242, 255);

QFont cellFont(bool bold) {
    QFont font;
    font.setPointSize(cellPointSize);
    font.setBold(bold);
    return font;
}

} // namespace

// The fonts are built once: the view asks for the font of every visible cell at every
// paint.
MainListModel::MainListModel(QObject* parent)
    : QAbstractTableModel(parent), normalFont_(cellFont(false)), boldFont_(cellFont(true)) {}

void MainListModel::setFolder(Folder folder) {
    beginResetModel();
    folder_ = folder;
    rows_.clear();
    endResetModel();
}

void MainListModel::setRows(QList<ListRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void MainListModel::appendRow(const ListRow& row) {
    const int at = int(rows_.size());
    beginInsertRows({}, at, at);
    rows_.append(row);
    endInsertRows();
}

void MainListModel::updateRow(int row, const ListRow& cells) {
    if (row < 0 || row >= rows_.size())
        return;
    rows_[row] = cells;
    Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void MainListModel::removeListRow(int row) {
    if (row < 0 || row >= rows_.size())
        return;
    beginRemoveRows({}, row, row);
    rows_.removeAt(row);
    endRemoveRows();
}

int MainListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int MainListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(columnsFor(folder_).size());
}

QVariant MainListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return rows_[index.row()].value(column);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(columnsFor(folder_)[column].alignment | Qt::AlignVCenter);
    case Qt::FontRole:
        return column == boldColumn(folder_) ? boldFont_ : normalFont_;
    case Qt::BackgroundRole:
        if (column == tintedColumn(folder_))
            return tint;
        return {};
    default:
        return {};
    }
}

QVariant MainListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    const QList<ColumnSpec>& columns = columnsFor(folder_);
    if (section < 0 || section >= columns.size())
        return {};
    return columns[section].caption;
}

void MainListModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= columnCount())
        return;
    const bool descending = order == Qt::DescendingOrder;
    std::vector<int> permutation(size_t(rows_.size()));
    std::iota(permutation.begin(), permutation.end(), 0);
    static const QString none;
    auto cell = [this](int row, int c) -> const QString& {
        const ListRow& cells = rows_[row];
        return c < cells.size() ? cells[c] : none;
    };
    // Strict ordering on (column text by character codes, then the key without regard
    // to case when another column is sorted); a stable sort keeps the loading order of
    // rows equal in both.
    auto less = [&](int a, int b) {
        const int first = descending ? b : a;
        const int second = descending ? a : b;
        const int byColumn =
            QString::compare(cell(first, column), cell(second, column), Qt::CaseSensitive);
        if (byColumn != 0 || column == 0)
            return byColumn < 0;
        return QString::compare(cell(first, 0), cell(second, 0), Qt::CaseInsensitive) < 0;
    };
    std::stable_sort(permutation.begin(), permutation.end(), less);

    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> newPosition(permutation.size());
    for (size_t at = 0; at < permutation.size(); ++at)
        newPosition[size_t(permutation[at])] = int(at);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& old : before)
        after.append(index(newPosition[size_t(old.row())], old.column()));
    QList<ListRow> sorted;
    sorted.reserve(rows_.size());
    for (int from : permutation)
        sorted.append(std::move(rows_[from]));
    rows_ = std::move(sorted);
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

Qt::SortOrder SortClicks::click(int column) {
    if (!clicked_) {
        clicked_ = true;
        order_ = Qt::DescendingOrder;
    } else if (column == column_) {
        order_ = order_ == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    }
    column_ = column;
    return order_;
}

} // namespace vantrel::lists
