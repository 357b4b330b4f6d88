#include "app/work_area.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace vantrel::app {

namespace {
constexpr int folderPaneWidth = 189;
constexpr int titleStripHeight = 65;
constexpr int companyStripHeight = 41;
constexpr int gap = 7;
constexpr int topStripHeight = 62;

QWidget* whitePanel(QWidget* parent) {
    auto* panel = new QWidget(parent);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, Qt::white);
    panel->setPalette(palette);
    return panel;
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
    companyLabel_ = new QLabel(folderPane_);
    companyLabel_->setObjectName(QStringLiteral("companyName"));
    companyLabel_->setAlignment(Qt::AlignCenter);
    companyLabel_->setWordWrap(true);
    companyLabel_->setFixedHeight(companyStripHeight);
    auto* pane = new QVBoxLayout(folderPane_);
    pane->setContentsMargins(0, 0, 0, 0);
    pane->setSpacing(0);
    pane->addWidget(paneTitle);
    pane->addStretch(1); // the folder tree takes this place
    pane->addWidget(companyLabel_);

    auto* work = new QWidget(this);
    auto* topStrip = new QWidget(work);
    topStrip->setFixedHeight(topStripHeight);
    dirLabel_ = new QLabel(topStrip);
    QFont large = dirLabel_->font();
    large.setBold(true);
    large.setPointSize(large.pointSize() + 6);
    dirLabel_->setFont(large);
    auto* strip = new QHBoxLayout(topStrip);
    strip->addWidget(dirLabel_);
    strip->addStretch(1);
    auto* rule = new QFrame(work);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    listArea_ = whitePanel(work);
    auto* workLayout = new QVBoxLayout(work);
    workLayout->setContentsMargins(0, 0, 0, 0);
    workLayout->setSpacing(0);
    workLayout->addWidget(topStrip);
    workLayout->addWidget(rule);
    workLayout->addWidget(listArea_, 1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(gap);
    layout->addWidget(folderPane_);
    layout->addWidget(work, 1);
}

void WorkArea::setCompanyName(const QString& name) { companyLabel_->setText(name); }

QString WorkArea::companyName() const { return companyLabel_->text(); }

} // namespace vantrel::app
