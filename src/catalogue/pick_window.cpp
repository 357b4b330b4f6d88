#include "catalogue/pick_window.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vantrel::catalogue {

PickWindow::PickWindow(const QString& searchLabel, const QString& closeCaption, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setModal(true);
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(6, 6, 6, 6);

    if (!searchLabel.isEmpty()) {
        search_ = new QLineEdit(frame);
        auto* row = new QHBoxLayout;
        row->addWidget(new QLabel(searchLabel, frame));
        row->addWidget(search_, 1);
        layout->addLayout(row);
        connect(search_, &QLineEdit::textChanged, this, &PickWindow::searchChanged);
        search_->installEventFilter(this);
    }

    list_ = new QTableWidget(frame);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setShowGrid(true);
    list_->verticalHeader()->hide();
    list_->verticalHeader()->setDefaultSectionSize(21);
    list_->horizontalHeader()->setHighlightSections(false);
    list_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    list_->installEventFilter(this);
    layout->addWidget(list_, 1);

    close_ = new QPushButton(closeCaption, frame);
    close_->setAutoDefault(false);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(close_);
    layout->addLayout(bottom);

    connect(list_, &QTableWidget::cellClicked, this, [this](int row, int) { chooseRow(row); });
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
}

void PickWindow::setColumns(const QStringList& captions, const QList<int>& widths) {
    list_->clear();
    list_->setRowCount(0);
    list_->setColumnCount(int(captions.size()));
    list_->setHorizontalHeaderLabels(captions);
    int total = 0;
    for (int c = 0; c < widths.size(); ++c) {
        list_->setColumnWidth(c, widths[c]);
        total += widths[c];
    }
    setFixedWidth(total + 40);
    setFixedHeight(search_ ? 320 : 190);
}

void PickWindow::setRows(const QList<QStringList>& rows) {
    list_->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size() && c < list_->columnCount(); ++c)
            list_->setItem(r, c, new QTableWidgetItem(rows[r][c]));
}

void PickWindow::placeBelow(const QWidget* anchor) { move(anchor->mapToGlobal(QPoint(0, anchor->height()))); }

void PickWindow::setListColour(const QColor& colour) {
    QPalette palette = list_->palette();
    palette.setColor(QPalette::Base, colour);
    list_->setPalette(palette);
}

void PickWindow::chooseRow(int row) {
    if (row < 0 || row >= list_->rowCount())
        return;
    QStringList cells;
    for (int c = 0; c < list_->columnCount(); ++c)
        cells << (list_->item(row, c) ? list_->item(row, c)->text() : QString());
    chosen_ = cells;
    accept();
}

void PickWindow::showEvent(QShowEvent* event) {
    chosen_.reset();
    if (search_) {
        search_->clear();
        search_->setFocus();
    } else {
        list_->setFocus();
    }
    QDialog::showEvent(event);
}

bool PickWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            chooseRow(list_->currentRow() >= 0 ? list_->currentRow() : (list_->rowCount() == 1 ? 0 : -1));
            return true;
        }
        if (watched == search_ && (key == Qt::Key_Down || key == Qt::Key_Up)) {
            // Arrows from the search field move through the list.
            const int next = std::clamp(list_->currentRow() + (key == Qt::Key_Down ? 1 : -1), 0,
                                        std::max(0, list_->rowCount() - 1));
            if (list_->rowCount() > 0)
                list_->selectRow(next);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace vantrel::catalogue
