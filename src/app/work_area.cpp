#include "app/work_area.h"

#include "app/folder_tree.h"
#include "lists/periods.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <tuple>

namespace vantrel::app {

namespace {
constexpr int folderPaneWidth = 189;
constexpr int titleStripHeight = 65;
constexpr int companyStripHeight = 41;
constexpr int gap = 7;
constexpr int topStripHeight = 62;
constexpr int listRowHeight = 27;

QWidget* whitePanel(QWidget* parent) {
    auto* panel = new QWidget(parent);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, Qt::white);
    panel->setPalette(palette);
    return panel;
}

// A caption and its field side by side, as one panel of the top strip.
QWidget* panel(QWidget* parent, const QString& caption, QWidget* field, int fieldWidth) {
    auto* p = new QWidget(parent);
    auto* label = new QLabel(caption, p);
    field->setParent(p);
    field->setFixedWidth(fieldWidth);
    auto* layout = new QHBoxLayout(p);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(label);
    layout->addWidget(field);
    p->adjustSize();
    return p;
}

// The document toolbar's icons, drawn here so that they look the same everywhere.
QIcon drawnIcon(int kind) {
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(0, 49, 98);
    p.setPen(QPen(ink, 1.5));
    switch (kind) {
    case 0: // printer
        p.setBrush(QColor(235, 235, 235));
        p.drawRect(QRectF(3.5, 9.5, 17, 8));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6.5, 3.5, 11, 6));
        p.drawRect(QRectF(6.5, 14.5, 11, 7));
        break;
    case 1: // PDF sheet with an arrow
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 2.5, 13, 19));
        p.setPen(QPen(QColor(200, 40, 40), 2));
        p.drawLine(10, 12, 21, 12);
        p.drawLine(17, 8, 21, 12);
        p.drawLine(17, 16, 21, 12);
        break;
    case 2: // two sheets and an arrow: into an invoice
        p.setBrush(QColor(176, 224, 230));
        p.drawRect(QRectF(2.5, 4.5, 9, 13));
        p.setBrush(QColor(255, 255, 128));
        p.drawRect(QRectF(12.5, 6.5, 9, 13));
        break;
    default: // envelope
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 5.5, 19, 13));
        p.drawLine(QPointF(2.5, 5.5), QPointF(12, 13));
        p.drawLine(QPointF(21.5, 5.5), QPointF(12, 13));
        break;
    }
    return QIcon(pixmap);
}

} // namespace

WorkArea::WorkArea(QWidget* parent) : QWidget(parent) {
    folderPane_ = whitePanel(this);
    folderPane_->setFixedWidth(folderPaneWidth);
    auto* paneTitle = new QLabel(QStringLiteral("   Dossiers"), folderPane_);
    QFont bold = paneTitle->font();
    bold.setBold(true);
    paneTitle->setFont(bold);
    paneTitle->setFixedHeight(titleStripHeight);
    tree_ = new FolderTree(folderPane_);
    companyLabel_ = new QLabel(folderPane_);
    companyLabel_->setObjectName(QStringLiteral("companyName"));
    companyLabel_->setAlignment(Qt::AlignCenter);
    companyLabel_->setWordWrap(true);
    companyLabel_->setFixedHeight(companyStripHeight);
    auto* pane = new QVBoxLayout(folderPane_);
    pane->setContentsMargins(0, 0, 0, 0);
    pane->setSpacing(0);
    pane->addWidget(paneTitle);
    pane->addWidget(tree_);
    pane->addStretch(1);
    pane->addWidget(companyLabel_);

    auto* work = new QWidget(this);
    topStrip_ = new QWidget(work);
    topStrip_->setFixedHeight(topStripHeight);
    dirLabel_ = new QLabel(topStrip_);
    QFont large = dirLabel_->font();
    large.setBold(true);
    large.setPointSize(large.pointSize() + 5);
    dirLabel_->setFont(large);
    dirLabel_->move(8, 2);

    toolBar2_ = new QToolBar(topStrip_);
    toolBar2_->setIconSize(QSize(24, 24));
    toolBar2_->setStyleSheet(QStringLiteral("QToolBar { border: none; }"));
    auto tool = [this](int kind, const QString& hint) {
        auto* b = new QToolButton(toolBar2_);
        b->setIcon(drawnIcon(kind));
        b->setToolTip(hint);
        b->setEnabled(false);
        b->setAutoRaise(true);
        return std::pair{b, toolBar2_->addWidget(b)};
    };
    print_ = tool(0, QStringLiteral("Imprimer")).first;
    export_ = tool(1, QStringLiteral("Exporter")).first;
    std::tie(convert_, convertAction_) = tool(2, QStringLiteral("Transférer en facture"));
    mail_ = tool(3, QStringLiteral("Envoyer un mail")).first;

    periodBox_ = new QComboBox;
    periodBox_->addItems(lists::periodEntries());
    periodPanel_ = panel(topStrip_, QStringLiteral("Période :"), periodBox_, 150);
    filterBox_ = new QComboBox;
    filterBox_->addItems(lists::filterEntries());
    filterPanel_ = panel(topStrip_, QStringLiteral("Filtre :"), filterBox_, 180);
    custEdit_ = new QLineEdit;
    customerPanel_ = panel(topStrip_, QStringLiteral("Filtrer par client :"), custEdit_, 220);
    descEdit_ = new QLineEdit;
    articlePanel_ = panel(topStrip_, QStringLiteral("Filtrer par description :"), descEdit_, 220);

    auto* rule = new QFrame(work);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    list_ = new QTableView(work);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setShowGrid(true);
    list_->setWordWrap(false);
    list_->setAlternatingRowColors(false);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    list_->verticalHeader()->hide();
    list_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list_->verticalHeader()->setDefaultSectionSize(listRowHeight);
    list_->verticalHeader()->setMinimumSectionSize(listRowHeight);
    list_->horizontalHeader()->setHighlightSections(false);
    list_->horizontalHeader()->setSectionsClickable(true);
    list_->horizontalHeader()->setStretchLastSection(false);
    list_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto* workLayout = new QVBoxLayout(work);
    workLayout->setContentsMargins(0, 0, 0, 0);
    workLayout->setSpacing(0);
    workLayout->addWidget(topStrip_);
    workLayout->addWidget(rule);
    workLayout->addWidget(list_, 1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(gap);
    layout->addWidget(folderPane_);
    layout->addWidget(work, 1);

    arrangeTopStrip(0);
}

void WorkArea::arrangeTopStrip(int folderIndex) {
    const bool documents = folderIndex <= 1;
    toolBar2_->setVisible(documents);
    periodPanel_->setVisible(documents);
    filterPanel_->setVisible(folderIndex == 1);
    customerPanel_->setVisible(folderIndex == 2);
    articlePanel_->setVisible(folderIndex == 3);
    convertAction_->setVisible(folderIndex == 0);
    toolBar2_->adjustSize();

    dirLabel_->adjustSize();
    // The title on the first row with the document toolbar beside it; the choice lists
    // or the search field on the second row, 8 pixels from the left and 33 from the top.
    toolBar2_->move(std::max(140, dirLabel_->width() + 24), 0);
    periodPanel_->move(8, 33);
    filterPanel_->move(8 + periodPanel_->width() + 24, 33);
    customerPanel_->move(8, 33);
    articlePanel_->move(8, 33);
}

void WorkArea::setCompanyName(const QString& name) { companyLabel_->setText(name); }

QString WorkArea::companyName() const { return companyLabel_->text(); }

} // namespace vantrel::app
