#include "app/main_form.h"

#include "app/folder_tree.h"
#include "app/messages.h"
#include "app/work_area.h"
#include "db/current_db_form.h"
#include "db/open_database_form.h"
#include "lists/select_period_form.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenuBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>

namespace vantrel::app {

QString windowTitleFor(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return messages::titlePrefix + (dot < 0 ? name : name.left(dot));
}

TMainForm::TMainForm(const platform::Platform& platform, const QString& programDir)
    : platform_(platform),
      reportTemplate_(QDir(programDir).filePath(messages::reportTemplateName)),
      openDatabaseForm_(new db::TOpendatabaseFrm(platform.prompts, this)),
      currentDbForm_(new db::Tcurrentdbfrm(this)),
      periodForm_(new lists::TSelectPeriodForm(platform.prompts, platform.registry, platform.clock.today(), this)) {
    setWindowTitle(messages::programTitle);
    buildMenus();
    buildToolbar();

    body_ = new QStackedWidget(this);
    noDatabaseLabel_ = new QLabel(messages::noDatabase, body_);
    noDatabaseLabel_->setAlignment(Qt::AlignCenter);
    noDatabaseLabel_->setWordWrap(true);
    workArea_ = new WorkArea(body_);
    body_->addWidget(noDatabaseLabel_);
    body_->addWidget(workArea_);
    setCentralWidget(body_);
    statusBar()->setSizeGripEnabled(true);

    model_ = new lists::MainListModel(this);
    workArea_->listview()->setModel(model_);
    buildContextMenu();
    connectWorkArea();

    restoreLayout();
    showNoDatabaseState();
}

TMainForm::~TMainForm() = default;

void TMainForm::buildMenus() {
    fileMenu_ = menuBar()->addMenu(QStringLiteral("&Fichier"));
    QMenu* database = fileMenu_->addMenu(QStringLiteral("Base de données"));
    create_ = database->addAction(QStringLiteral("&Créer..."), this, &TMainForm::Crer1Click);
    database->addSeparator();
    open_ = database->addAction(QStringLiteral("Ouvrir..."), this, &TMainForm::opendbClick);
    database->addSeparator();
    close_ = database->addAction(QStringLiteral("&Fermer"), this, &TMainForm::ClosedbClick);
    database->addSeparator();
    path_ = database->addAction(QStringLiteral("Chemin de la base ouverte..."), this,
                                &TMainForm::Chemindelabaseencours1Click);
    fileMenu_->addSeparator();
    quit_ = fileMenu_->addAction(QStringLiteral("Quitter"), this, &TMainForm::Quitter1Click);

    editionMenu_ = menuBar()->addMenu(QStringLiteral("&Edition"));
    mnNew_ = editionMenu_->addAction(QStringLiteral("Nouveau"), this, [this] { runCommand(Command::New); });
    mnModify_ = editionMenu_->addAction(QStringLiteral("Modifier"), this, [this] { runCommand(Command::Modify); });
    mnDelete_ = editionMenu_->addAction(QStringLiteral("&Supprimer"), this, [this] { runCommand(Command::Delete); });
    editionMenu_->addSeparator();
    mnExport_ = editionMenu_->addAction(QStringLiteral("Exporter"), this, [this] { runCommand(Command::Export); });
    mnPrint_ = editionMenu_->addAction(QStringLiteral("Imprimer"), this, [this] { runCommand(Command::Print); });
    connect(editionMenu_, &QMenu::aboutToShow, this, &TMainForm::editionClick);

    // The tools and help commands are wired by the parts that carry them.
    toolsMenu_ = menuBar()->addMenu(QStringLiteral("&Outils"));
    mnCalc_ = toolsMenu_->addAction(QStringLiteral("Calculatice"));
    mnNotepad_ = toolsMenu_->addAction(QStringLiteral("Bloc-notes"));
    toolsMenu_->addSeparator();
    mnBackup_ = toolsMenu_->addAction(QStringLiteral("Sauvegarde"));
    mnExtract_ = toolsMenu_->addAction(QStringLiteral("Extraction de sauvegarde"));
    toolsMenu_->addSeparator();
    mnSettings_ = toolsMenu_->addAction(QStringLiteral("Informations / Paramètres"));
    connect(toolsMenu_, &QMenu::aboutToShow, this, &TMainForm::outilsClick);

    helpMenu_ = menuBar()->addMenu(QStringLiteral("Ai&de"));
    mnWebsite_ = helpMenu_->addAction(QStringLiteral("Site web"));
    mnContact_ = helpMenu_->addAction(QStringLiteral("Contact"));
    helpMenu_->addSeparator();
    mnAbout_ = helpMenu_->addAction(QStringLiteral("À propos..."));
}

void TMainForm::buildToolbar() {
    QToolBar* bar = addToolBar(QStringLiteral("Principale"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(16, 16));
    auto button = [this, bar](const QString& caption, QStyle::StandardPixmap icon, Command command) {
        auto* b = new QToolButton(bar);
        b->setText(caption);
        b->setIcon(style()->standardIcon(icon));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setFixedSize(90, 30);
        b->setEnabled(false);
        bar->addWidget(b);
        connect(b, &QToolButton::clicked, this, [this, command] { runCommand(command); });
        return b;
    };
    tbNew_ = button(QStringLiteral("&Nouveau"), QStyle::SP_FileIcon, Command::New);
    tbModify_ = button(QStringLiteral("&Modifier"), QStyle::SP_FileDialogDetailedView, Command::Modify);
    tbDelete_ = button(QStringLiteral("&Supprimer"), QStyle::SP_TrashIcon, Command::Delete);
}

void TMainForm::buildContextMenu() {
    lvpop_ = new QMenu(this);
    auto item = [this](const QString& caption, Command command) {
        return lvpop_->addAction(caption, this, [this, command] { runCommand(command); });
    };
    item(QStringLiteral("Nouveau"), Command::New);
    item(QStringLiteral("Modifier"), Command::Modify);
    item(QStringLiteral("Supprimer"), Command::Delete);
    lvpop_->addSeparator();
    item(QStringLiteral("Transférer en facture"), Command::Transfer);
    item(QStringLiteral("Marquer comme payée"), Command::MarkPaid);
    lvpop_->addSeparator();
    item(QStringLiteral("Exporter"), Command::Export);
    item(QStringLiteral("Imprimer"), Command::Print);
    connect(workArea_->listview(), &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        LvpopPopup();
        lvpop_->popup(workArea_->listview()->viewport()->mapToGlobal(at));
    });
}

void TMainForm::runCommand(Command command) {
    if (!hasDatabase() || !lastLoaded_)
        return;
    routes.run(*lastLoaded_, command);
}

void TMainForm::blvSelectItem() {
    const bool selected = selectedRow() >= 0;
    tbModify_->setEnabled(selected);
    tbDelete_->setEnabled(selected);
    workArea_->buprint()->setEnabled(selected);
    workArea_->buexport()->setEnabled(selected);
    workArea_->BUCONVERT()->setEnabled(selected);
    workArea_->bumail()->setEnabled(selected);
}

void TMainForm::LvpopPopup() {
    const QList<QAction*> items = lvpop_->actions();
    // Nouveau, Modifier, Supprimer, -, Transférer, Marquer, -, Exporter, Imprimer
    const lists::Folder folder = lastLoaded_.value_or(lists::Folder::Quotes);
    const bool documents = lists::isDocumentFolder(folder);
    const bool selected = selectedRow() >= 0;
    items[4]->setVisible(folder == lists::Folder::Quotes);
    items[5]->setVisible(folder == lists::Folder::Invoices);
    items[3]->setVisible(documents);
    items[6]->setVisible(documents);
    items[7]->setVisible(documents);
    items[8]->setVisible(documents);
    items[0]->setEnabled(true);
    for (int i : {1, 2, 4, 5, 7, 8})
        items[i]->setEnabled(selected);
}

void TMainForm::editionClick() {
    mnNew_->setEnabled(tbNew_->isEnabled());
    mnModify_->setEnabled(tbModify_->isEnabled());
    mnDelete_->setEnabled(tbDelete_->isEnabled());
    const bool documents = hasDatabase() && lastLoaded_ && lists::isDocumentFolder(*lastLoaded_);
    mnExport_->setEnabled(documents && workArea_->buexport()->isEnabled());
    mnPrint_->setEnabled(documents && workArea_->buprint()->isEnabled());
}

void TMainForm::outilsClick() {
    mnSettings_->setEnabled(hasDatabase());
    mnBackup_->setEnabled(hasDatabase());
}

int TMainForm::selectedRow() const {
    const QItemSelectionModel* selection = workArea_->listview()->selectionModel();
    if (!selection || !selection->hasSelection())
        return -1;
    const QModelIndexList rows = selection->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

QTableView* TMainForm::listview() const { return workArea_->listview(); }

void TMainForm::showNoDatabaseState() {
    body_->setCurrentWidget(noDatabaseLabel_);
    setWindowTitle(messages::programTitle);
    statusBar()->showMessage(QString());
}

void TMainForm::status() { statusBar()->showMessage(messages::statusPrefix + dqd.path()); }

QString TMainForm::statusText() const { return statusBar()->currentMessage(); }

QString TMainForm::noDatabaseText() const {
    return body_->currentWidget() == noDatabaseLabel_ ? noDatabaseLabel_->text() : QString();
}

bool TMainForm::workAreaShown() const { return body_->currentWidget() == workArea_; }

void TMainForm::Quitter1Click() { close(); }

void TMainForm::FormClose() {
    const std::optional<lists::Folder> folder = selectedFolder();
    const int selectedY = hasDatabase() && folder ? int(*folder) * FolderTree::rowHeight + 1 : 0;
    platform_.registry.writeInt(platform::Store::User, QStringLiteral("MainForm"), QStringLiteral("selected_y"),
                                selectedY);
    if (hasDatabase() && beforeClosingDatabase)
        beforeClosingDatabase();
    saveLayout();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

} // namespace vantrel::app
