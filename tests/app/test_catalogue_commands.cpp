// Customers and articles created, edited and deleted from the main window, through the
// real dialogs, down to the database and back into the list.
#include "app/catalogue_commands.h"
#include "app/folder_tree.h"
#include "app/main_form.h"
#include "app/work_area.h"
#include "catalogue/art_form.h"
#include "catalogue/cust_form.h"
#include "catalogue/pick_window.h"
#include "platform/money_field.h"
#include "platform/number_box.h"
#include "support/test_files.h"
#include "support/test_platform.h"
#include "window_fixture.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace vantrel;
using lists::Folder;
using testing::PromptKind;

namespace {
const QString custClass = QStringLiteral("vantrel::catalogue::Tcustform");
const QString artClass = QStringLiteral("vantrel::catalogue::TArtForm");
const QString vatClass = QStringLiteral("vantrel::catalogue::TVatHintForm");

const QString fixtureSql = QStringLiteral(
    "CREATE TABLE VerInfo (VerNum Text); INSERT INTO VerInfo VALUES ('vantr15');"
    "CREATE TABLE Settings15 (Nom TEXT,Adresse TEXT,Email TEXT,Telephone TEXT,Fax TEXT,Siteweb TEXT,"
    "Monnaie TEXT,Taux TEXT,Logo TEXT,Decimals TEXT,Taux2 TEXT);"
    "INSERT INTO Settings15 VALUES ('Garnier','','','','','','€','20','','2','5,50');"
    "CREATE TABLE Customers15 (Account TEXT,Customer TEXT,Address TEXT,Tel TEXT,Fax TEXT,Email TEXT,Notes TEXT);"
    "INSERT INTO Customers15 VALUES ('CL007','Dupont SA','12 rue Haute','0102','','','');"
    "CREATE TABLE Articles15 (Code TEXT,Description TEXT,Price TEXT,Quantity TEXT,Vat TEXT);"
    "INSERT INTO Articles15 VALUES ('ART003','Pose de carrelage','35,00 $','1','20,00');"
    "CREATE TABLE Invoices15 (Num TEXT,Customer TEXT,Address TEXT,Dat TEXT,Tel TEXT,Fax TEXT,Email TEXT,"
    "Printed TEXT,Sent TEXT,Paid TEXT,Bottom TEXT,Notes TEXT,Articles TEXT,Total TEXT);"
    "INSERT INTO Invoices15 VALUES ('1','Dupont SA','12 rue Haute','01/12/2026','','','','Non','Non','Non','','',"
    "  'ART003'||char(13,10)||'Pose'||char(13,10)||'1'||char(13,10)||'35,00 €'||char(13,10)||'35,00 €'"
    "  ||char(13,10)||'42,00 €'||char(13,10)||'20,00'||char(13,10),'42,00 €');");
} // namespace

class CatalogueCommandsTest : public QObject, public testing::WindowFixture {
    Q_OBJECT

    void show(Folder folder) {
        openWindow(folder, [](app::TMainForm& w) { app::installCatalogueCommands(w); });
    }

private Q_SLOTS:
    void init() { freshDatabase(QStringLiteral("catalogue.vtdb"), fixtureSql); }

    void cleanup() { finish(); }

    void newCustomer() {
        show(Folder::Customers);
        test->modal.once(custClass, [](QDialog& d) {
            auto& form = static_cast<catalogue::Tcustform&>(d);
            QCOMPARE(form.edaccount()->text(), QStringLiteral("8"));
            QVERIFY(form.edcustomer()->text().isEmpty());
            form.edcustomer()->setText(QStringLiteral("L'Atelier d'Élodie"));
            form.edaddress()->setPlainText(QStringLiteral("  \n3 place du Marché\n69400 Villefranche\n\n"));
            form.edtel()->setText(QStringLiteral("04 74 00 00 00"));
            form.okButton()->click();
        });
        window->Tbnew()->click();
        QCOMPARE(sql(QStringLiteral("SELECT Account, Customer, quote(Address), Tel FROM Customers15 WHERE Account='CL008';")),
                 QStringLiteral("CL008|L'Atelier d'Élodie|'3 place du Marché'||char(13,10)||'69400 Villefranche'|04 74 00 00 00\n")
                     .replace(QStringLiteral("'||char(13,10)||'"), QStringLiteral("\r\n")));
        const int last = window->listModel().rowCount() - 1;
        QCOMPARE(window->listModel().rowAt(last),
                 (lists::ListRow{"CL008", "L'Atelier d'Élodie", "3 place du Marché", "04 74 00 00 00"}));
    }

    // The number check: a number in use is refused with the dialog kept open; an
    // emptied field confirmed at once gives the conversion message.
    void customerNumberChecks() {
        show(Folder::Customers);
        test->modal.once(custClass, [this](QDialog& d) {
            auto& form = static_cast<catalogue::Tcustform&>(d);
            form.edcustomer()->setText(QStringLiteral("Nouveau"));
            form.edaccount()->setText(QStringLiteral("7"));
            test->prompts.expect(PromptKind::Warning);
            form.okButton()->click();
            QVERIFY(form.isVisible());
            QCOMPARE(test->prompts.shown.last().text,
                     QStringLiteral("Le numéro de client spécifié est dèjà utilisé pour un autre client. Veuillez le changer."));
            QCOMPARE(form.edcustomer()->text(), QStringLiteral("Nouveau"));
            form.edaccount()->setText(QString());
            test->prompts.expect(PromptKind::Error);
            form.okButton()->click();
            QCOMPARE(test->prompts.shown.last().text, QStringLiteral("'''' n'est pas une valeur entière valide"));
            form.edaccount()->setText(QStringLiteral("2147483648"));
            test->prompts.expect(PromptKind::Error);
            form.okButton()->click();
            QCOMPARE(test->prompts.shown.last().text, QStringLiteral("''2147483648'' n'est pas une valeur entière valide"));
            QVERIFY(form.isVisible());
            form.cancelButton()->click();
        });
        window->Tbnew()->click();
        QCOMPARE(sql(QStringLiteral("SELECT count(*) FROM Customers15;")), QStringLiteral("1\n"));
    }

    // Renumbering CL007 to 9 rewrites the row in place; the invoice naming the
    // customer keeps its own copy.
    void renumberCustomer() {
        show(Folder::Customers);
        window->listview()->selectRow(0);
        test->modal.once(custClass, [](QDialog& d) {
            auto& form = static_cast<catalogue::Tcustform&>(d);
            QCOMPARE(form.edaccount()->text(), QStringLiteral("7"));
            QCOMPARE(form.edcustomer()->text(), QStringLiteral("Dupont SA"));
            form.edaccount()->setText(QStringLiteral("9"));
            form.edcustomer()->setText(QStringLiteral("Dupont et Fils"));
            form.okButton()->click();
        });
        window->tbmodify()->click();
        QCOMPARE(sql(QStringLiteral("SELECT Account, Customer FROM Customers15;")), QStringLiteral("CL009|Dupont et Fils\n"));
        QCOMPARE(window->listModel().rowAt(0), (lists::ListRow{"CL009", "Dupont et Fils", "12 rue Haute", "0102"}));
        QCOMPARE(sql(QStringLiteral("SELECT Customer FROM Invoices15;")), QStringLiteral("Dupont SA\n"));

        // Keeping the own number, typed with leading zeros, passes the check.
        window->listview()->selectRow(0);
        test->modal.once(custClass, [](QDialog& d) {
            auto& form = static_cast<catalogue::Tcustform&>(d);
            form.edaccount()->setText(QStringLiteral("009"));
            form.okButton()->click();
        });
        window->tbmodify()->click();
        QCOMPARE(sql(QStringLiteral("SELECT Account FROM Customers15;")), QStringLiteral("CL009\n"));
    }

    // A new article: the next code, price 0 in the company's currency, stock 1 and
    // the first rate; the VAT pick list sets the rate.
    void newArticleWithVatPick() {
        show(Folder::Articles);
        test->modal.once(vatClass, [](QDialog& d) {
            auto& pick = static_cast<catalogue::PickWindow&>(d);
            pick.chooseRow(2); // "Exonéré"
        });
        test->modal.once(artClass, [](QDialog& d) {
            auto& form = static_cast<catalogue::TArtForm&>(d);
            QCOMPARE(form.edcode()->text(), QStringLiteral("4"));
            QCOMPARE(form.edprice()->text(), QStringLiteral("0,00 €"));
            QCOMPARE(form.edstock()->text(), QStringLiteral("1"));
            QCOMPARE(form.edvat()->text(), QStringLiteral("20,00"));
            form.eddescription()->setText(QStringLiteral("Câble 2 m"));
            form.edprice()->setAmountText(QStringLiteral("4,99"));
            form.edstock()->setText(QStringLiteral("0"));
            form.vatButton()->click();
            QCOMPARE(form.edvat()->text(), QStringLiteral("0,00"));
            form.okButton()->click();
        });
        window->Tbnew()->click();
        QCOMPARE(sql(QStringLiteral("SELECT * FROM Articles15 WHERE Code='ART004';")),
                 QStringLiteral("ART004|Câble 2 m|4,99 €|1|0,00\n"));
        QCOMPARE(window->listModel().rowAt(window->listModel().rowCount() - 1),
                 (lists::ListRow{"ART004", "Câble 2 m", "4,99 €", "1"}));
    }

    // Editing shows the number part of a price stored under another currency and
    // stores it again with the company's.
    void modifyArticle() {
        show(Folder::Articles);
        window->listview()->selectRow(0);
        test->modal.once(artClass, [this](QDialog& d) {
            auto& form = static_cast<catalogue::TArtForm&>(d);
            QCOMPARE(form.edcode()->text(), QStringLiteral("3"));
            QCOMPARE(form.edprice()->amountText(), QStringLiteral("35,00"));
            form.edcode()->setText(QStringLiteral("4"));
            form.edprice()->setAmountText(QStringLiteral("38"));
            form.okButton()->click();
        });
        window->tbmodify()->click();
        QCOMPARE(sql(QStringLiteral("SELECT * FROM Articles15;")), QStringLiteral("ART004|Pose de carrelage|38,00 €|1|20,00\n"));
        QCOMPARE(window->listModel().rowAt(0).value(0), QStringLiteral("ART004"));
        QCOMPARE(sql(QStringLiteral("SELECT count(*) FROM Invoices15 WHERE Articles LIKE 'ART003%';")), QStringLiteral("1\n"));
    }

    void deletion_data() {
        QTest::addColumn<int>("folder");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("table");
        QTest::newRow("invoice") << int(Folder::Invoices)
                                 << "Êtes-vous sûr de vouloir supprimer la facture sélectionnée ?" << "Invoices15";
        QTest::newRow("customer") << int(Folder::Customers) << "Êtes-vous sûr de vouloir supprimer le client sélectionné ?"
                                  << "Customers15";
        QTest::newRow("article") << int(Folder::Articles) << "Êtes-vous sûr de vouloir supprimer l'article sélectionné ?"
                                 << "Articles15";
    }

    void deletion() {
        QFETCH(int, folder);
        QFETCH(QString, question);
        QFETCH(QString, table);
        show(Folder(folder));
        window->tbdelete()->click(); // nothing without a selected row
        window->listview()->selectRow(0);
        test->prompts.expect(PromptKind::WarningQuestion, platform::Answer::No);
        window->tbdelete()->click();
        QCOMPARE(test->prompts.shown.last().text, question);
        QCOMPARE(window->listModel().rowCount(), 1);
        test->prompts.expect(PromptKind::WarningQuestion, platform::Answer::Yes);
        window->tbdelete()->click();
        QCOMPARE(window->listModel().rowCount(), 0);
        QVERIFY(!window->tbmodify()->isEnabled());
        QCOMPARE(sql(QStringLiteral("SELECT count(*) FROM %1;").arg(table)), QStringLiteral("0\n"));
        if (folder == int(Folder::Customers))
            QCOMPARE(sql(QStringLiteral("SELECT Customer FROM Invoices15;")), QStringLiteral("Dupont SA\n"));
    }

    void damagedKeyStopsNewBeforeTheDialog() {
        sql(QStringLiteral("INSERT INTO Customers15 (Account) VALUES ('CL5x');"));
        show(Folder::Customers);
        test->prompts.expect(PromptKind::Error);
        window->Tbnew()->click();
        QCOMPARE(test->prompts.shown.last().text, QStringLiteral("''5x'' n'est pas une valeur entière valide"));
        QVERIFY(test->modal.shownClasses.isEmpty());
    }
};

QTEST_MAIN(CatalogueCommandsTest)
#include "test_catalogue_commands.moc"
