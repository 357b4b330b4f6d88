#include "app/folder_tree.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace vantrel::app {

namespace {

const QColor selectedText(0, 49, 98);

// Draws each folder row: icon, name (bold and dark blue when selected), grid line.
class FolderDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), FolderTree::rowHeight);
    }

    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->decorationSize = QSize(32, 32);
        if (option->state & QStyle::State_Selected) {
            option->font.setBold(true);
            option->palette.setColor(QPalette::HighlightedText, selectedText);
            option->palette.setColor(QPalette::Text, selectedText);
            option->palette.setColor(QPalette::Highlight, QColor(220, 232, 245));
        }
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        painter->save();
        painter->setPen(QColor(224, 224, 224));
        painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
        painter->restore();
    }
};

QIcon folderIcon(int index) {
    static const QColor colours[] = {QColor(70, 140, 200), QColor(230, 170, 40), QColor(90, 170, 90),
                                     QColor(170, 90, 160)};
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(colours[index]);
    p.setPen(colours[index].darker(130));
    if (index < 2) { // a sheet of paper with lines: quotes and invoices
        p.drawRoundedRect(QRectF(6.5, 2.5, 20, 27), 2, 2);
        p.setPen(QPen(Qt::white, 2));
        for (int y = 10; y <= 22; y += 6)
            p.drawLine(10, y, 23, y);
    } else if (index == 2) { // a person: customers
        p.drawEllipse(QRectF(10.5, 3.5, 11, 11));
        p.drawRoundedRect(QRectF(5.5, 16.5, 21, 13), 6, 6);
    } else { // a box: articles
        p.drawRect(QRectF(4.5, 10.5, 23, 18));
        p.drawRect(QRectF(4.5, 4.5, 23, 6));
    }
    return QIcon(pixmap);
}

} // namespace

FolderTree::FolderTree(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setIndentation(0);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setFrameShape(QFrame::NoFrame);
    setIconSize(QSize(32, 32));
    setItemDelegate(new FolderDelegate(this));
    setFocusPolicy(Qt::StrongFocus);
    for (int i = 0; i < lists::folderCount; ++i) {
        auto* item = new QTreeWidgetItem(this, {lists::folderName(lists::Folder(i))});
        item->setIcon(0, folderIcon(i));
    }
    setFixedHeight(rowHeight * lists::folderCount + 2);
    connect(this, &QTreeWidget::itemClicked, this, [this] { Q_EMIT folderClicked(); });
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* now, QTreeWidgetItem*) {
        if (now)
            Q_EMIT folderChanged();
    });
}

std::optional<lists::Folder> FolderTree::selectedFolder() const {
    const int index = indexOfTopLevelItem(currentItem());
    if (index < 0)
        return std::nullopt;
    return lists::Folder(index);
}

void FolderTree::selectFolder(lists::Folder folder) { setCurrentItem(topLevelItem(int(folder))); }

std::optional<lists::Folder> FolderTree::folderAt(int y) {
    if (y < 0 || y >= rowHeight * lists::folderCount)
        return std::nullopt;
    return lists::Folder(y / rowHeight);
}

void FolderTree::mousePressEvent(QMouseEvent* event) {
    QTreeWidget::mousePressEvent(event);
    Q_EMIT mousePressed();
}

} // namespace vantrel::app
