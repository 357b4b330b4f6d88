// The folders and the main list of the main window: showing a folder, loading its
// list, the period, filter and search fields, sorting and column widths.
#include "app/main_form.h"

#include "app/folder_tree.h"
#include "app/work_area.h"
#include "lists/list_columns.h"
#include "lists/list_loading.h"
#include "lists/select_period_form.h"
#include "platform/command_guard.h"

#include <QComboBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QToolButton>

namespace vantrel::app {

namespace {
const QString mainGroup = QStringLiteral("MainForm");

// The choice lists take the tint of the document dialog of the folder shown.
void tintChoiceLists(WorkArea& area, lists::Folder folder) {
    const QColor tint = folder == lists::Folder::Invoices ? QColor(255, 255, 128) : QColor(176, 224, 230);
    const QString sheet = QStringLiteral("QComboBox { background-color: %1; }").arg(tint.name());
    area.Periodbox()->setStyleSheet(sheet);
    area.Filterbox()->setStyleSheet(sheet);
}
} // namespace

void TMainForm::connectWorkArea() {
    FolderTree* tree = workArea_->TreeView();
    connect(tree, &FolderTree::folderClicked, this, [this] { TreeViewClick(true); });
    connect(tree, &FolderTree::folderChanged, this, [this] {
        TreeViewClick(false); // TreeViewFocusChanged
        workArea_->listview()->setFocus();
    });
    connect(tree, &FolderTree::mousePressed, this, [this] { workArea_->listview()->setFocus(); });

    QTableView* list = workArea_->listview();
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &TMainForm::blvSelectItem);
    connect(list, &QTableView::activated, this, [this] { runCommand(Command::Modify); });
    connect(list->horizontalHeader(), &QHeaderView::sectionClicked, this, &TMainForm::sortByHeader);
    connect(list->horizontalHeader(), &QHeaderView::sectionResized, this, [this] {
        if (!buildingColumns_)
            listviewColumnSized();
    });

    const std::pair<QToolButton*, Command> documentTools[] = {{workArea_->buprint(), Command::Print},
                                                              {workArea_->buexport(), Command::Export},
                                                              {workArea_->BUCONVERT(), Command::Transfer},
                                                              {workArea_->bumail(), Command::Email}};
    for (const auto& [button, command] : documentTools)
        connect(button, &QToolButton::clicked, this, [this, command = command] { runCommand(command); });

    connect(workArea_->Periodbox(), &QComboBox::currentIndexChanged, this,
            [this] { FilterboxChange(workArea_->Periodbox()); });
    connect(workArea_->Filterbox(), &QComboBox::currentIndexChanged, this,
            [this] { FilterboxChange(workArea_->Filterbox()); });
    connect(workArea_->custedit(), &QLineEdit::textChanged, this, &TMainForm::custeditChange);
    connect(workArea_->descedit(), &QLineEdit::textChanged, this, &TMainForm::desceditChange);
}

std::optional<lists::Folder> TMainForm::selectedFolder() const { return workArea_->TreeView()->selectedFolder(); }

void TMainForm::selectRememberedFolder() {
    const int selectedY = platform_.registry.readInt(platform::Store::User, mainGroup, QStringLiteral("selected_y"), 0);
    // A position below the last folder (never written by the program) shows the quotes.
    const lists::Folder folder = FolderTree::folderAt(selectedY).value_or(lists::Folder::Quotes);
    {
        const QSignalBlocker quiet(workArea_->TreeView());
        workArea_->TreeView()->selectFolder(folder);
    }
    TreeViewClick(false);
}

void TMainForm::TreeViewClick(bool fromTreeClick) {
    const std::optional<lists::Folder> folder = selectedFolder();
    if (!folder || !hasDatabase())
        return;
    if (fromTreeClick && folder == lastLoaded_)
        return;
    lastLoaded_ = folder;
    workArea_->listview()->setFocus();
    workArea_->arrangeTopStrip(int(*folder));
    tintChoiceLists(*workArea_, *folder);
    loadFolderList(*folder, false);
    settitle();
    update();
    blvSelectItem();
}

void TMainForm::settitle() {
    if (const std::optional<lists::Folder> folder = selectedFolder())
        workArea_->Dirlabel()->setText(lists::folderName(*folder));
    workArea_->Dirlabel()->adjustSize();
    if (lastLoaded_)
        workArea_->arrangeTopStrip(int(*lastLoaded_));
}

lists::DocumentChoices TMainForm::documentChoices() const {
    lists::DocumentChoices choices;
    choices.period = workArea_->Periodbox()->currentIndex();
    choices.filter = workArea_->Filterbox()->currentIndex();
    choices.span = periodForm_->span();
    choices.today = platform_.clock.today();
    return choices;
}

void TMainForm::buildColumns(lists::Folder folder) {
    buildingColumns_ = true;
    model_->setFolder(folder);
    QHeaderView* header = workArea_->listview()->horizontalHeader();
    header->setSortIndicatorShown(false);
    const QList<lists::ColumnSpec>& columns = lists::columnsFor(folder);
    for (int c = 0; c < columns.size(); ++c) {
        int width = platform_.registry.readInt(platform::Store::User, mainGroup, columns[c].widthKey,
                                               columns[c].defaultWidth);
        if (width <= 0)
            width = columns[c].defaultWidth;
        header->resizeSection(c, width);
    }
    buildingColumns_ = false;
}

void TMainForm::loadFolderList(lists::Folder folder, bool rowsOnly) {
    if (rowsOnly)
        workArea_->listview()->horizontalHeader()->setSortIndicatorShown(false);
    else
        buildColumns(folder);
    QList<lists::ListRow> rows;
    // A failing query or an unreadable amount ends the loading with its message; the
    // rows read before it stay in the list.
    platform::guardCommand(platform_.prompts, [&] {
        switch (folder) {
        case lists::Folder::Quotes:
            lists::readquotes(dqd, documentChoices(), money, rows);
            break;
        case lists::Folder::Invoices:
            lists::Selecting(dqd, documentChoices(), money, rows);
            break;
        case lists::Folder::Customers:
            lists::ReadCustomers(dqd, workArea_->custedit()->text(), rows);
            break;
        case lists::Folder::Articles:
            lists::readarticles(dqd, workArea_->descedit()->text(), rows);
            break;
        }
    });
    model_->setRows(std::move(rows));
    blvSelectItem();
}

void TMainForm::listviewColumnSized() {
    if (!lastLoaded_)
        return;
    const QHeaderView* header = workArea_->listview()->horizontalHeader();
    const QList<lists::ColumnSpec>& columns = lists::columnsFor(*lastLoaded_);
    for (int c = 0; c < columns.size() && c < header->count(); ++c)
        platform_.registry.writeInt(platform::Store::User, mainGroup, columns[c].widthKey, header->sectionSize(c));
}

void TMainForm::FilterboxChange(QComboBox* changed) {
    if (restoring_)
        return;
    if (changed == workArea_->Periodbox() && changed->currentIndex() == lists::betweenTwoDates)
        platform_.modal.runModal(*periodForm_);
    TreeViewClick(false);
}

void TMainForm::custeditChange() {
    if (hasDatabase() && lastLoaded_ == lists::Folder::Customers)
        loadFolderList(lists::Folder::Customers, true);
}

void TMainForm::desceditChange() {
    if (hasDatabase() && lastLoaded_ == lists::Folder::Articles)
        loadFolderList(lists::Folder::Articles, true);
}

void TMainForm::sortByHeader(int column) {
    const Qt::SortOrder order = sortClicks_.click(column);
    model_->sort(column, order);
    QHeaderView* header = workArea_->listview()->horizontalHeader();
    header->setSortIndicatorShown(true);
    header->setSortIndicator(column, order);
}

} // namespace vantrel::app
