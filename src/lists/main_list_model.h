#pragma once

#include "lists/folders.h"
#include "lists/list_loading.h"

#include <QAbstractTableModel>
#include <QFont>

namespace vantrel::lists {

// The rows of the main list for the folder shown: display text, alignment, the 9-point
// font (bold in the folder's bold column) and the tint of its tinted column. No widget
// per row, so that lists of 100 000 rows stay fast.
class MainListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit MainListModel(QObject* parent = nullptr);

    // New columns for the folder, no rows.
    void setFolder(Folder folder);
    Folder folder() const { return folder_; }

    void setRows(QList<ListRow> rows); // replaces every row
    void appendRow(const ListRow& row);
    void updateRow(int row, const ListRow& cells);
    void removeListRow(int row);
    const ListRow& rowAt(int row) const { return rows_[row]; }
    QString key(int row) const { return rows_[row].value(0); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Sorts by a column's text compared by character codes; when the column is not the
    // first, rows equal in it are ordered by the first column compared without regard
    // to letter case, in the same direction. Stable otherwise.
    void sort(int column, Qt::SortOrder order) override;

private:
    Folder folder_ = Folder::Quotes;
    QList<ListRow> rows_;
    QFont normalFont_;
    QFont boldFont_;
};

// The header-click rule: the first click after start sorts descending, a click on the
// header clicked last reverses the direction, a click on another header keeps it.
class SortClicks {
public:
    Qt::SortOrder click(int column);
    int column() const { return column_; }
    Qt::SortOrder order() const { return order_; }

private:
    int column_ = -1;
    Qt::SortOrder order_ = Qt::DescendingOrder;
    bool clicked_ = false;
};

} // namespace vantrel::lists
