// The main window with a database open: folders, lists, command availability and
// routing, and the layout that survives a restart.
#include "app/folder_tree.h"
#include "app/main_form.h"
#include "app/work_area.h"
#include "lists/select_period_form.h"
#include "support/company_file.h"
#include "support/test_files.h"
#include "support/test_platform.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using namespace vantrel;
using lists::Folder;
using testing::PromptKind;

namespace {

const QString mainGroup = QStringLiteral("MainForm");
const QString periodFormClass = QStringLiteral("vantrel::lists::TSelectPeriodForm");

QAction* popItem(app::TMainForm& w, const QString& caption) {
    for (QAction* a : w.Lvpop()->actions())
        if (a->text() == caption)
            return a;
    return nullptr;
}

QAction* separator(app::TMainForm& w, int which) {
    int seen = 0;
    for (QAction* a : w.Lvpop()->actions())
        if (a->isSeparator() && seen++ == which)
            return a;
    return nullptr;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString database;
    std::unique_ptr<testing::TestPlatform> test;
    std::unique_ptr<app::TMainForm> window;

    app::WorkArea& area() { return *window->workArea(); }

    void newWindow() {
        window = std::make_unique<app::TMainForm>(test->platform(), dir.path());
    }

    void openFixture() {
        newWindow();
        QCOMPARE(window->okbtnClick(database), app::TMainForm::OpenResult::Opened);
    }

    void clickFolder(Folder folder) {
        app::FolderTree* tree = area().TreeView();
        const QRect row = tree->visualItemRect(tree->topLevelItem(int(folder)));
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, row.center());
    }

    QStringList column(int c) {
        QStringList cells;
        for (int r = 0; r < window->listModel().rowCount(); ++r)
            cells << window->listModel().rowAt(r).value(c);
        return cells;
    }

    void selectRow(int row) { window->listview()->selectRow(row); }

private Q_SLOTS:
    void initTestCase() {
        database = dir.filePath(QStringLiteral("garnier.vtdb"));
        testing::sqlite3Cli(database, testing::sampleCompanySql());
    }

    void init() { test = std::make_unique<testing::TestPlatform>(); }

    void cleanup() {
        QVERIFY(test->prompts.allAnswered());
        window.reset();
        test.reset();
    }

    void openingShowsTheRememberedFolder_data() {
        QTest::addColumn<int>("selectedY");
        QTest::addColumn<int>("folder");
        QTest::newRow("nothing stored") << -1 << int(Folder::Quotes);
        QTest::newRow("invoices") << 61 << int(Folder::Invoices);
        QTest::newRow("customers") << 121 << int(Folder::Customers);
        QTest::newRow("articles") << 181 << int(Folder::Articles);
        QTest::newRow("below the folders") << 500 << int(Folder::Quotes);
    }

    void openingShowsTheRememberedFolder() {
        QFETCH(int, selectedY);
        QFETCH(int, folder);
        if (selectedY >= 0)
            test->registry.writeInt(platform::Store::User, mainGroup, QStringLiteral("selected_y"), selectedY);
        openFixture();
        QCOMPARE(window->selectedFolder(), Folder(folder));
        QCOMPARE(window->lastLoadedFolder(), Folder(folder));
        QCOMPARE(area().Dirlabel()->text(), lists::folderName(Folder(folder)));
        QCOMPARE(window->listModel().folder(), Folder(folder));
        QCOMPARE(area().companyName(), QStringLiteral("Plomberie Garnier"));
        QCOMPARE(area().Filterbox()->isVisibleTo(&area()), folder == int(Folder::Invoices));
        QCOMPARE(area().periodPanel()->isVisibleTo(&area()), folder <= 1);
        QCOMPARE(area().customerSearchPanel()->isVisibleTo(&area()), folder == int(Folder::Customers));
        QCOMPARE(area().articleSearchPanel()->isVisibleTo(&area()), folder == int(Folder::Articles));
        bool transferShown = false;
        for (QAction* a : area().ToolBar2()->actions())
            if (area().ToolBar2()->widgetForAction(a) == area().BUCONVERT())
                transferShown = a->isVisible();
        QCOMPARE(transferShown, folder == int(Folder::Quotes));
    }

    // A click on the folder already shown does not read the database again; another
    // folder is loaded once.
    void clickingTheShownFolderDoesNotReload() {
        test->registry.writeInt(platform::Store::User, mainGroup, QStringLiteral("selected_y"), 61);
        openFixture();
        QCOMPARE(window->listModel().rowCount(), 3);
        QCOMPARE(window->listModel().rowAt(0).last(), QStringLiteral("120,00 €"));
        window->dqd.exec(QStringLiteral("INSERT INTO Invoices15 (Num, Dat, Articles) VALUES ('4','01/01/2026','');"));
        clickFolder(Folder::Invoices);
        QCOMPARE(window->listModel().rowCount(), 3);
        clickFolder(Folder::Quotes);
        QCOMPARE(window->listModel().folder(), Folder::Quotes);
        QCOMPARE(area().Dirlabel()->text(), QStringLiteral("Devis"));
        clickFolder(Folder::Invoices);
        QCOMPARE(window->listModel().rowCount(), 4);
        window->dqd.exec(QStringLiteral("DELETE FROM Invoices15 WHERE Num='4';"));
    }

    // Which commands a folder offers, and which need a selected row.
    void availability_data() {
        QTest::addColumn<int>("folder");
        QTest::newRow("Devis") << int(Folder::Quotes);
        QTest::newRow("Factures") << int(Folder::Invoices);
        QTest::newRow("Clients") << int(Folder::Customers);
        QTest::newRow("Articles") << int(Folder::Articles);
    }

    void availability() {
        QFETCH(int, folder);
        const bool documents = folder <= 1;
        openFixture();
        clickFolder(Folder(folder));
        QCOMPARE(window->selectedRow(), -1);
        for (QToolButton* b : {window->tbmodify(), window->tbdelete(), area().buprint(), area().buexport(),
                               area().BUCONVERT(), area().bumail()})
            QVERIFY2(!b->isEnabled(), qPrintable(b->toolTip() + b->text()));
        QVERIFY(window->Tbnew()->isEnabled());

        window->LvpopPopup();
        QVERIFY(popItem(*window, QStringLiteral("Nouveau"))->isEnabled());
        QVERIFY(!popItem(*window, QStringLiteral("Modifier"))->isEnabled());
        QCOMPARE(popItem(*window, QStringLiteral("Transférer en facture"))->isVisible(), folder == 0);
        QCOMPARE(popItem(*window, QStringLiteral("Marquer comme payée"))->isVisible(), folder == 1);
        QCOMPARE(popItem(*window, QStringLiteral("Exporter"))->isVisible(), documents);
        QCOMPARE(popItem(*window, QStringLiteral("Imprimer"))->isVisible(), documents);
        QCOMPARE(separator(*window, 0)->isVisible(), documents);

        selectRow(0);
        QCOMPARE(window->selectedRow(), 0);
        for (QToolButton* b : {window->tbmodify(), window->tbdelete(), area().buprint(), area().buexport(),
                               area().BUCONVERT(), area().bumail()})
            QVERIFY(b->isEnabled());
        window->LvpopPopup();
        QVERIFY(popItem(*window, QStringLiteral("Modifier"))->isEnabled());
        QVERIFY(popItem(*window, QStringLiteral("Supprimer"))->isEnabled());
        QCOMPARE(popItem(*window, QStringLiteral("Exporter"))->isEnabled(), documents);
        QCOMPARE(popItem(*window, QStringLiteral("Imprimer"))->isEnabled(), documents);

        window->editionClick();
        QVERIFY(window->mnNew()->isEnabled());
        QVERIFY(window->mnModify()->isEnabled());
        QVERIFY(window->mnDelete()->isEnabled());
        QCOMPARE(window->mnExport()->isEnabled(), documents);
        QCOMPARE(window->mnPrint()->isEnabled(), documents);
        window->outilsClick();
        QVERIFY(window->mnbackup()->isEnabled());
        QVERIFY(window->mnsettings()->isEnabled());
        QVERIFY(window->mnextractbackup()->isEnabled());

        // Another folder: the selection is gone and the commands with it.
        clickFolder(Folder((folder + 1) % lists::folderCount));
        QVERIFY(!window->tbmodify()->isEnabled());
        QVERIFY(!area().buprint()->isEnabled());
    }

    void menusWithoutDatabase() {
        newWindow();
        window->editionClick();
        for (QAction* a : {window->mnNew(), window->mnModify(), window->mnDelete(), window->mnExport(),
                           window->mnPrint()})
            QVERIFY(!a->isEnabled());
        window->outilsClick();
        QVERIFY(!window->mnbackup()->isEnabled());
        QVERIFY(!window->mnsettings()->isEnabled());
        QVERIFY(window->mnextractbackup()->isEnabled());
        QVERIFY(window->mnCalc()->isEnabled());
    }

    void menuItemsInOrder() {
        newWindow();
        auto captions = [](QMenu* menu) {
            QStringList texts;
            for (QAction* a : menu->actions())
                texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
            return texts;
        };
        QCOMPARE(captions(window->editionMenu()),
                 (QStringList{"Nouveau", "Modifier", "&Supprimer", "-", "Exporter", "Imprimer"}));
        QCOMPARE(captions(window->toolsMenu()),
                 (QStringList{"Calculatice", "Bloc-notes", "-", "Sauvegarde", "Extraction de sauvegarde", "-",
                              "Informations / Paramètres"}));
        QCOMPARE(captions(window->helpMenu()), (QStringList{"Site web", "Contact", "-", "À propos..."}));
        QCOMPARE(captions(window->Lvpop()),
                 (QStringList{"Nouveau", "Modifier", "Supprimer", "-", "Transférer en facture", "Marquer comme payée",
                              "-", "Exporter", "Imprimer"}));
    }

    // Every entry point reaches the operation the folder shown has plugged in.
    void routing() {
        openFixture();
        QStringList ran;
        for (int f = 0; f < lists::folderCount; ++f)
            for (int c = 0; c < app::commandCount; ++c)
                window->routes.plug(Folder(f), app::Command(c), [&ran, f, c] { ran << QStringLiteral("%1:%2").arg(f).arg(c); });

        clickFolder(Folder::Customers);
        window->Tbnew()->click();
        selectRow(0);
        window->tbmodify()->click();
        window->tbdelete()->click();
        Q_EMIT window->listview()->activated(window->listModel().index(0, 0));
        popItem(*window, QStringLiteral("Nouveau"))->trigger();
        QCOMPARE(ran, (QStringList{"2:0", "2:1", "2:2", "2:1", "2:0"}));

        ran.clear();
        clickFolder(Folder::Invoices);
        selectRow(0);
        area().buprint()->click();
        area().buexport()->click();
        area().bumail()->click();
        window->mnPrint()->trigger();
        popItem(*window, QStringLiteral("Marquer comme payée"))->trigger();
        popItem(*window, QStringLiteral("Transférer en facture"))->trigger(); // not offered for invoices
        QCOMPARE(ran, (QStringList{"1:3", "1:4", "1:6", "1:3", "1:7"}));
    }

    void periodAndFilterChoices() {
        test->registry.writeInt(platform::Store::User, mainGroup, QStringLiteral("selected_y"), 61);
        openFixture();
        area().Filterbox()->setCurrentIndex(1); // "Factures payées"
        QCOMPARE(column(0), (QStringList{"1", "3"}));
        area().Filterbox()->setCurrentIndex(4); // "Payées et envoyées"
        QCOMPARE(column(0), QStringList{"3"});
        area().Filterbox()->setCurrentIndex(0);
        area().Periodbox()->setCurrentIndex(4); // "Ce mois-ci" on 11/12/2026
        QCOMPARE(column(0), (QStringList{"1", "3"}));

        test->modal.once(periodFormClass, [](QDialog& dialog) {
            auto& form = static_cast<lists::TSelectPeriodForm&>(dialog);
            form.begindate()->setDate(QDate(2026, 11, 15));
            form.enddate()->setDate(QDate(2026, 12, 2));
            form.okButton()->click();
        });
        area().Periodbox()->setCurrentIndex(5); // "Entre deux dates"
        QCOMPARE(column(0), (QStringList{"1", "2"}));
        area().Filterbox()->setCurrentIndex(2); // the dialog is not shown again
        QCOMPARE(column(0), QStringList{"2"});
        QCOMPARE(test->modal.shownClasses, QStringList{periodFormClass});

        // The choices come back at the next start.
        window->close();
        newWindow();
        QCOMPARE(area().Periodbox()->currentIndex(), 5);
        QCOMPARE(area().Filterbox()->currentIndex(), 2);
        QVERIFY(test->modal.shownClasses.size() == 1);
    }

    void searchFieldsStayWhileOtherFoldersAreShown() {
        openFixture();
        clickFolder(Folder::Customers);
        QCOMPARE(column(0), (QStringList{"CL001", "CL002"}));
        QCOMPARE(column(2), (QStringList{"3 rue Haute", ""}));
        QTest::keyClicks(area().custedit(), QStringLiteral("dur"));
        QCOMPARE(column(1), QStringList{"Durand"});
        clickFolder(Folder::Invoices);
        clickFolder(Folder::Customers);
        QCOMPARE(area().custedit()->text(), QStringLiteral("dur"));
        QCOMPARE(column(1), QStringList{"Durand"});
    }

    void sortingByHeaderClicks() {
        test->registry.writeInt(platform::Store::User, mainGroup, QStringLiteral("selected_y"), 61);
        openFixture();
        QHeaderView* header = window->listview()->horizontalHeader();
        auto clickHeader = [&](int section) {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(section) + 5, header->height() / 2));
        };
        clickHeader(2); // first click: descending
        QCOMPARE(column(2), (QStringList{"Martin", "Dupont", "Bernard"}));
        QCOMPARE(header->sortIndicatorSection(), 2);
        QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
        clickHeader(2); // the same header reverses
        QCOMPARE(column(2), (QStringList{"Bernard", "Dupont", "Martin"}));
        clickHeader(0); // another header keeps the direction
        QCOMPARE(column(0), (QStringList{"1", "2", "3"}));
        QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
    }

    // Quitting with "Clients" shown stores 121 and the next start comes back to it; a
    // column resized in "Factures" comes back, the other folders keep theirs.
    void layoutRoundTrip() {
        test->registry.writeInt(platform::Store::User, mainGroup, QStringLiteral("selected_y"), 61);
        test->registry.write(platform::Store::User, mainGroup, QStringLiteral("clients_compte"), QStringLiteral("large"));
        openFixture();
        QHeaderView* header = window->listview()->horizontalHeader();
        QCOMPARE(header->sectionSize(0), 80);
        header->resizeSection(0, 133); // as the user drags the border
        QCOMPARE(test->registry.readInt(platform::Store::User, mainGroup, QStringLiteral("factures_no"), 0), 133);
        clickFolder(Folder::Customers);
        QCOMPARE(header->sectionSize(0), 80); // a stored width that is not a number gives the default
        clickFolder(Folder::Invoices);
        QCOMPARE(header->sectionSize(0), 133);
        clickFolder(Folder::Quotes);
        QCOMPARE(header->sectionSize(0), 80);
        clickFolder(Folder::Customers);
        window->setGeometry(40, 50, 900, 700);
        window->close();
        QCOMPARE(test->registry.readInt(platform::Store::User, mainGroup, QStringLiteral("selected_y"), 0), 121);
        QCOMPARE(test->registry.readString(platform::Store::User, mainGroup, QStringLiteral("dqd_DatabaseName")), database);

        openFixture();
        QCOMPARE(window->selectedFolder(), Folder::Customers);
        QCOMPARE(window->geometry(), QRect(40, 50, 900, 700));
        clickFolder(Folder::Invoices);
        QCOMPARE(window->listview()->horizontalHeader()->sectionSize(0), 133);

        window->ClosedbClick();
        window->close();
        QCOMPARE(test->registry.readInt(platform::Store::User, mainGroup, QStringLiteral("selected_y"), -1), 0);
    }

    void firstStartCentresTheWindow() {
        newWindow();
        QCOMPARE(window->size(), QSize(871, 681));
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
