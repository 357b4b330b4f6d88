#include "app/main_form.h"

#include "app/messages.h"
#include "app/work_area.h"
#include "db/current_db_form.h"
#include "db/open_database_form.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace vantrel::app {

namespace {
const QString mainGroup = QStringLiteral("MainForm");
const QString databaseNameValue = QStringLiteral("dqd_DatabaseName");
} // namespace

QString windowTitleFor(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return messages::titlePrefix + (dot < 0 ? name : name.left(dot));
}

TMainForm::TMainForm(const platform::Platform& platform, const QString& programDir)
    : platform_(platform),
      reportTemplate_(QDir(programDir).filePath(messages::reportTemplateName)),
      openDatabaseForm_(new db::TOpendatabaseFrm(platform.prompts, this)),
      currentDbForm_(new db::Tcurrentdbfrm(this)) {
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

    resize(871, 681);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    showNoDatabaseState();
}

TMainForm::~TMainForm() = default;

void TMainForm::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Fichier"));
    QMenu* database = file->addMenu(QStringLiteral("Base de données"));
    create_ = database->addAction(QStringLiteral("&Créer..."), this, &TMainForm::Crer1Click);
    database->addSeparator();
    open_ = database->addAction(QStringLiteral("Ouvrir..."), this, &TMainForm::opendbClick);
    database->addSeparator();
    close_ = database->addAction(QStringLiteral("&Fermer"), this, &TMainForm::ClosedbClick);
    database->addSeparator();
    path_ = database->addAction(QStringLiteral("Chemin de la base ouverte..."), this,
                                &TMainForm::Chemindelabaseencours1Click);
    file->addSeparator();
    quit_ = file->addAction(QStringLiteral("Quitter"), this, &TMainForm::Quitter1Click);
}

void TMainForm::buildToolbar() {
    QToolBar* bar = addToolBar(QStringLiteral("Principale"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(16, 16));
    auto button = [this, bar](const QString& caption, QStyle::StandardPixmap icon) {
        auto* b = new QToolButton(bar);
        b->setText(caption);
        b->setIcon(style()->standardIcon(icon));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setFixedSize(90, 30);
        b->setEnabled(false);
        bar->addWidget(b);
        return b;
    };
    tbNew_ = button(QStringLiteral("&Nouveau"), QStyle::SP_FileIcon);
    tbModify_ = button(QStringLiteral("&Modifier"), QStyle::SP_FileDialogDetailedView);
    tbDelete_ = button(QStringLiteral("&Supprimer"), QStyle::SP_TrashIcon);
}

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
    platform_.registry.write(platform::Store::User, mainGroup, databaseNameValue, dqd.path());
    platform_.registry.sync();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

} // namespace vantrel::app
