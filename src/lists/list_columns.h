#pragma once

#include "lists/folders.h"

#include <QList>
#include <QString>
#include <Qt>

namespace vantrel::lists {

// One column of the main list: its caption, the name its width is remembered under
// (in the "MainForm" group of the per-user store), its width when nothing is stored
// and its alignment.
struct ColumnSpec {
    QString caption;
    QString widthKey;
    int defaultWidth;
    Qt::Alignment alignment;
};

const QList<ColumnSpec>& columnsFor(Folder folder);

// The columns drawn bold and tinted (RGB 242, 242, 255), counted from 0; -1 for none.
int boldColumn(Folder folder);
int tintedColumn(Folder folder);

} // namespace vantrel::lists
