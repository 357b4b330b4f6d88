#include "db/open_database_form.h"

#include "db/messages.h"
#include "platform/prompts.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vantrel::db {
namespace {

constexpr int rowHeight = 21;

QLabel* noteWithIcon(QWidget* parent, const QString& text, QHBoxLayout*& row) {
    row = new QHBoxLayout;
    auto* icon = new QLabel(parent);
    icon->setPixmap(parent->style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);
    auto* note = new QLabel(text, parent);
    note->setWordWrap(true);
    row->addWidget(icon);
    row->addWidget(note, 1);
    return note;
}

} // namespace

TOpendatabaseFrm::TOpendatabaseFrm(platform::Prompts& prompts, QWidget* parent)
    : QDialog(parent), prompts_(prompts) {
    setWindowTitle(messages::openTitle);
    setModal(true);

    auto* title = new QLabel(messages::rememberedLabel, this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto* note = new QLabel(messages::boldNote, this);

    list_ = new QTreeWidget(this);
    list_->setColumnCount(2);
    list_->setHeaderLabels({messages::fileColumn, messages::folderColumn});
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setUniformRowHeights(true);
    list_->setColumnWidth(0, 190);
    list_->setColumnWidth(1, 370);
    list_->setStyleSheet(QStringLiteral("QTreeWidget::item { height: %1px; }").arg(rowHeight));
    list_->setMinimumWidth(190 + 370 + 24);

    QHBoxLayout* noteRow = nullptr;
    noteWithIcon(this, messages::keepFileNote, noteRow);

    openOther_ = new QPushButton(messages::openOtherButton, this);
    open_ = new QPushButton(messages::openButton, this);
    cancel_ = new QPushButton(messages::cancelButton, this);
    open_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(openOther_);
    buttons->addStretch(1);
    buttons->addWidget(open_);
    buttons->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(note);
    layout->addWidget(list_, 1);
    layout->addLayout(noteRow);
    layout->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(620, 380)));

    connect(open_, &QPushButton::clicked, this, &TOpendatabaseFrm::openClicked);
    connect(openOther_, &QPushButton::clicked, this, [this] { done(OpenOther); });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &TOpendatabaseFrm::openClicked);
}

void TOpendatabaseFrm::loadpaths(const QStringList& paths, const QString& openPath) {
    list_->clear();
    for (const QString& path : paths) {
        const QFileInfo info(path);
        // The folder keeps its trailing separator, so that folder + name is the path.
        QString folder = path.left(path.size() - info.fileName().size());
        auto* row = new QTreeWidgetItem(list_, {info.fileName(), QDir::toNativeSeparators(folder)});
        row->setData(1, Qt::UserRole, folder);
        QFont font = list_->font();
        font.setBold(!openPath.isEmpty() && folder + info.fileName() == openPath);
        for (int c = 0; c < 2; ++c) {
            row->setFont(c, font);
            if (!info.isFile())
                row->setForeground(c, QColor(128, 128, 128));
        }
    }
    list_->setCurrentItem(nullptr);
    list_->clearSelection();
    open_->setFocus();
}

QString TOpendatabaseFrm::get_selected_db_path() const {
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty())
        return {};
    return selected.first()->data(1, Qt::UserRole).toString() + selected.first()->text(0);
}

void TOpendatabaseFrm::openClicked() {
    if (list_->selectedItems().isEmpty()) {
        prompts_.information(messages::selectAFile);
        return;
    }
    if (!QFileInfo(get_selected_db_path()).isFile()) {
        prompts_.warning(messages::fileNotThere);
        return;
    }
    done(OpenSelected);
}

} // namespace vantrel::db
