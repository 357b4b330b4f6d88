// Invoices and quotes written from the main window through the real dialogs: new,
// modified, transferred, marked paid, down to the stored rows and back to the list.
#include "app/catalogue_commands.h"
#include "app/document_commands.h"
#include "app/main_form.h"
#include "app/work_area.h"
#include "catalogue/pick_window.h"
#include "documents/add_article_form.h"
#include "documents/document_form.h"
#include "platform/money_field.h"
#include "platform/number_box.h"
#include "support/test_files.h"
#include "support/test_platform.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

using namespace vantrel;
using lists::Folder;
using testing::PromptKind;

namespace {
const QString invClass = QStringLiteral("vantrel::documents::TInvForm");
const QString quoteClass = QStringLiteral("vantrel::documents::Tquoteform");
const QString lineClass = QStringLiteral("vantrel::documents::TAddArticleform");
const QString articlePickClass = QStringLiteral("vantrel::documents::THintform");
const QString customerPickClass = QStringLiteral("vantrel::catalogue::Tcusthintform");

const QString fixtureSql = QStringLiteral(
    "CREATE TABLE VerInfo (VerNum Text); INSERT INTO VerInfo VALUES ('vantr15');"
    "CREATE TABLE Settings15 (Nom TEXT,Adresse TEXT,Email TEXT,Telephone TEXT,Fax TEXT,Siteweb TEXT,"
    "Monnaie TEXT,Taux TEXT,Logo TEXT,Decimals TEXT,Taux2 TEXT);"
    "INSERT INTO Settings15 VALUES ('Garnier','','','','','','€','20,00','','2','5,50');"
    "CREATE TABLE Customers15 (Account TEXT,Customer TEXT,Address TEXT,Tel TEXT,Fax TEXT,Email TEXT,Notes TEXT);"
    "INSERT INTO Customers15 VALUES ('CL001','Dupont SA','12 rue Haute'||char(13,10)||'75001 Paris','0102','0103',"
    "  'dupont@exemple.fr','bon client');"
    "CREATE TABLE Articles15 (Code TEXT,Description TEXT,Price TEXT,Quantity TEXT,Vat TEXT);"
    "INSERT INTO Articles15 VALUES ('A7','Câble 2 m','4,99 €','40','20,00');"
    "INSERT INTO Articles15 VALUES ('a7','Autre câble','9,99 €','1','5,50');"
    "CREATE TABLE Invoices15 (Num TEXT,Customer TEXT,Address TEXT,Dat TEXT,Tel TEXT,Fax TEXT,Email TEXT,"
    "Printed TEXT,Sent TEXT,Paid TEXT,Bottom TEXT,Notes TEXT,Articles TEXT,Total TEXT);"
    "INSERT INTO Invoices15 VALUES ('3','Martin','','01/12/2026','','','','Non','Non','Non','','','','0,00 €');"
    "INSERT INTO Invoices15 VALUES ('10','Durand','','02/12/2026','','','','Oui','Non','Non','','','','0,00 €');"
    "CREATE TABLE Quotes15 (Num TEXT,Customer TEXT,Address TEXT,Dat TEXT,Tel TEXT,Fax TEXT,Email TEXT,"
    "Printed TEXT,Invoiced TEXT,Bottom TEXT,Notes TEXT,Articles TEXT,Total TEXT);"
    "INSERT INTO Quotes15 VALUES ('5','Bernard','1 allée Verte','20/11/2026','06','','b@exemple.fr','Oui','Non',"
    "  'Ce devis a une durée de 30 jours','',"
    "  'A7'||char(13,10)||'Câble 2 m'||char(13,10)||'2'||char(13,10)||'4,99 €'||char(13,10)||'9,98 €'||char(13,10)"
    "  ||'11,98 €'||char(13,10)||'20,00'||char(13,10),'11,98 €');"
    "INSERT INTO Quotes15 VALUES ('6','Roux','','21/11/2026','','','','Non','Oui','','','','0,00 €');");

// Fills the line-item dialog with a code (looked up), a quantity and, when given, a
// price and a rate, then confirms it.
auto line(QString code, QString quantity, QString price = {}, QString rate = {}, QString description = {}) {
    return [=](QDialog& d) {
        auto& form = static_cast<documents::TAddArticleform&>(d);
        form.edcode()->setText(code);
        if (!description.isEmpty())
            form.eddescription()->setText(description);
        form.edquantity()->setText(quantity);
        if (!price.isEmpty())
            form.edunitprice()->setAmountText(price);
        if (!rate.isEmpty())
            form.edvat()->setText(rate);
        form.okButton()->click();
    };
}
} // namespace

class DocumentCommandsTest : public QObject, public testing::WindowFixture {
    Q_OBJECT

    void show(Folder folder, int period = 0) {
        openWindow(folder, [](app::TMainForm& w) { app::installDocumentCommands(w, app::installCatalogueCommands(w)); }, period);
    }

private Q_SLOTS:
    void init() { freshDatabase(QStringLiteral("documents.vtdb"), fixtureSql); }

    void cleanup() { finish(); }

    // The worked example: an article from the catalogue and a free line, a customer
    // who is not in the catalogue yet and joins it on request.
    void newInvoice() {
        show(Folder::Invoices);
        test->modal.once(lineClass, [](QDialog& d) {
            auto& form = static_cast<documents::TAddArticleform&>(d);
            QCOMPARE(form.edquantity()->text(), QStringLiteral("1"));
            QCOMPARE(form.edvat()->text(), QStringLiteral("20,00"));
            QCOMPARE(form.edunitprice()->moneyText(), QStringLiteral("0,00 €"));
            line(QStringLiteral("A7"), QStringLiteral("3"))(d);
        });
        test->modal.once(lineClass, line(QString(), QStringLiteral("1"), QStringLiteral("35"), QStringLiteral("10,00"),
                                         QStringLiteral("Pose")));
        test->modal.once(invClass, [this](QDialog& d) {
            auto& form = static_cast<documents::TInvForm&>(d);
            QCOMPARE(form.ednum()->text(), QStringLiteral("11"));
            QCOMPARE(form.eddate()->date(), test->clock.date);
            QCOMPARE(form.ItemsView()->topLevelItemCount(), 0);
            QVERIFY(!form.convertlab()->isVisible());
            form.edcustomer()->setText(QStringLiteral("Atelier l'Œil Nord"));
            form.edaddress()->setPlainText(QStringLiteral("\n5 quai Est\n"));
            form.addButton()->click();
            form.addButton()->click();
            QCOMPARE(form.ItemsView()->topLevelItem(0)->text(2), QStringLiteral("3"));
            QCOMPARE(form.ItemsView()->topLevelItem(0)->text(4), QStringLiteral("14,97 €"));
            form.okButton()->click();
        });
        test->prompts.expect(PromptKind::Question, platform::Answer::Yes);
        window->Tbnew()->click();

        QCOMPARE(test->prompts.shown.last().text,
                 QStringLiteral("Voulez-vous ajouter automatiquement ce contact\rà votre liste de clients ?"));
        QCOMPARE(sql(QStringLiteral("SELECT Num, Customer, Address, Dat, Printed, Sent, Paid, Total, "
                                    "Articles = 'A7'||char(13,10)||'Câble 2 m'||char(13,10)||'3'||char(13,10)||'4,99 €'"
                                    "||char(13,10)||'14,97 €'||char(13,10)||'17,96 €'||char(13,10)||'20,00'||char(13,10)"
                                    "||''||char(13,10)||'Pose'||char(13,10)||'1'||char(13,10)||'35,00 €'||char(13,10)"
                                    "||'35,00 €'||char(13,10)||'38,50 €'||char(13,10)||'10,00'||char(13,10) "
                                    "FROM Invoices15 WHERE Num='11';")),
                 QStringLiteral("11|Atelier l'Œil Nord|5 quai Est|11/12/2026|Non|Non|Non|56,46 €|1\n"));
        QCOMPARE(sql(QStringLiteral("SELECT Account, Customer, Address, Notes FROM Customers15 WHERE Account='CL002';")),
                 QStringLiteral("CL002|Atelier l'Œil Nord|5 quai Est|\n"));
        QCOMPARE(window->listModel().rowAt(rowOf(QStringLiteral("11"))),
                 (lists::ListRow{"11", "11/12/2026", "Atelier l'Œil Nord", "Non", "Non", "56,46 €"}));
    }

    // The customer pick copies the contact (not the notes); a known name is not offered.
    void customerPickAndKnownCustomer() {
        show(Folder::Invoices);
        test->modal.once(customerPickClass, [](QDialog& d) { static_cast<catalogue::PickWindow&>(d).chooseRow(0); });
        test->modal.once(invClass, [](QDialog& d) {
            auto& form = static_cast<documents::TInvForm&>(d);
            form.customerButton()->click();
            QCOMPARE(form.edcustomer()->text(), QStringLiteral("Dupont SA"));
            QCOMPARE(form.edaddress()->toPlainText(), QStringLiteral("12 rue Haute\n75001 Paris"));
            QCOMPARE(form.edemail()->text(), QStringLiteral("dupont@exemple.fr"));
            QVERIFY(form.ednotes()->toPlainText().isEmpty());
            form.okButton()->click();
        });
        window->Tbnew()->click();
        QCOMPARE(sql(QStringLiteral("SELECT count(*) FROM Customers15;")), QStringLiteral("1\n"));
    }

    void modifyInvoiceNumber() {
        show(Folder::Invoices);
        window->listview()->selectRow(rowOf(QStringLiteral("10")));
        test->modal.once(invClass, [this](QDialog& d) {
            auto& form = static_cast<documents::TInvForm&>(d);
            QCOMPARE(form.edcustomer()->text(), QStringLiteral("Durand"));
            QVERIFY(form.ecprinted()->isChecked());
            form.ednum()->setText(QStringLiteral("3"));
            test->prompts.expect(PromptKind::Warning);
            form.okButton()->click();
            QVERIFY(form.isVisible());
            QCOMPARE(test->prompts.shown.last().text,
                     QStringLiteral("Le numéro de facture spécifié est dèjà utilisé pour une autre facture. Veuillez le changer."));
            form.ednum()->setText(QStringLiteral("12"));
            form.ecpaid()->setChecked(true);
            form.okButton()->click();
        });
        window->tbmodify()->click();
        QCOMPARE(sql(QStringLiteral("SELECT Num, Paid FROM Invoices15 WHERE Customer='Durand';")), QStringLiteral("12|Oui\n"));
        QCOMPARE(window->listModel().rowCount(), 2);
        QCOMPARE(window->listModel().rowAt(1).mid(0, 5), (lists::ListRow{"12", "02/12/2026", "Durand", "Oui", "Oui"}));

        // Ticking "Payée" while the list shows the unpaid invoices takes the row away.
        window->workArea()->Filterbox()->setCurrentIndex(2);
        window->listview()->selectRow(rowOf(QStringLiteral("3")));
        test->modal.once(invClass, [](QDialog& d) {
            static_cast<documents::TInvForm&>(d).ecpaid()->setChecked(true);
            static_cast<documents::TInvForm&>(d).okButton()->click();
        });
        window->tbmodify()->click();
        QCOMPARE(window->listModel().rowCount(), 0);
    }

    void newInvoiceWithATakenNumber() {
        show(Folder::Invoices);
        test->modal.once(invClass, [this](QDialog& d) {
            auto& form = static_cast<documents::TInvForm&>(d);
            form.ednum()->setText(QStringLiteral("003"));
            test->prompts.expect(PromptKind::Warning);
            form.okButton()->click();
            QCOMPARE(test->prompts.shown.last().text,
                     QStringLiteral("Le numéro de facture spécifié est dèjà utilisée pour une autre facture. Veuillez le changer."));
            form.ednum()->setText(QStringLiteral("99999999999"));
            test->prompts.expect(PromptKind::Error);
            form.okButton()->click();
            QVERIFY(form.isVisible());
            form.cancelButton()->click();
        });
        window->Tbnew()->click();
        QCOMPARE(sql(QStringLiteral("SELECT count(*) FROM Invoices15;")), QStringLiteral("2\n"));
    }

    // A quote made while the list shows "Hier" is stored, not listed, and its customer
    // is not offered; under the whole period it is.
    void newQuoteAndThePeriod_data() {
        QTest::addColumn<int>("period");
        QTest::addColumn<bool>("listedAndOffered");
        QTest::newRow("Hier") << 1 << false;
        QTest::newRow("Toute la période") << 0 << true;
    }

    void newQuoteAndThePeriod() {
        QFETCH(int, period);
        QFETCH(bool, listedAndOffered);
        show(Folder::Quotes, period);
        const int before = window->listModel().rowCount();
        test->modal.once(quoteClass, [](QDialog& d) {
            auto& form = static_cast<documents::Tquoteform&>(d);
            QCOMPARE(form.ednum()->text(), QStringLiteral("7"));
            QCOMPARE(form.edbottom()->itemText(0), QStringLiteral("Ce devis a une durée de X jours"));
            form.edcustomer()->setText(QStringLiteral("Nouvelle cliente"));
            form.okButton()->click();
        });
        if (listedAndOffered)
            test->prompts.expect(PromptKind::Question, platform::Answer::No);
        window->Tbnew()->click();
        QCOMPARE(sql(QStringLiteral("SELECT Num, Invoiced, Total FROM Quotes15 WHERE Num='7';")), QStringLiteral("7|Non|0,00 €\n"));
        QCOMPARE(window->listModel().rowCount(), before + (listedAndOffered ? 1 : 0));
    }

    void transferQuote() {
        show(Folder::Quotes);
        // Cancelled: nothing stored, the quote stays to transfer.
        window->listview()->selectRow(rowOf(QStringLiteral("5")));
        test->modal.once(invClass, [](QDialog& d) {
            auto& form = static_cast<documents::TInvForm&>(d);
            QVERIFY(form.convertlab()->isVisible());
            form.cancelButton()->click();
        });
        window->workArea()->BUCONVERT()->click();
        QCOMPARE(sql(QStringLiteral("SELECT count(*) FROM Invoices15;")), QStringLiteral("2\n"));
        QCOMPARE(window->listModel().rowAt(rowOf(QStringLiteral("5"))).value(4), QStringLiteral("Non"));

        test->modal.once(invClass, [this](QDialog& d) {
            auto& form = static_cast<documents::TInvForm&>(d);
            QCOMPARE(form.ednum()->text(), QStringLiteral("11"));
            QCOMPARE(form.eddate()->date(), test->clock.date);
            QCOMPARE(form.edcustomer()->text(), QStringLiteral("Bernard"));
            QVERIFY(!form.ecprinted()->isChecked());
            QCOMPARE(form.ItemsView()->topLevelItemCount(), 1);
            form.okButton()->click();
        });
        window->workArea()->BUCONVERT()->click();
        QCOMPARE(sql(QStringLiteral("SELECT Num, Customer, Dat, Printed, Paid, Bottom, Total FROM Invoices15 WHERE Num='11';")),
                 QStringLiteral("11|Bernard|11/12/2026|Non|Non|Ce devis a une durée de 30 jours|11,98 €\n"));
        QCOMPARE(sql(QStringLiteral("SELECT Invoiced FROM Quotes15 WHERE Num='5';")), QStringLiteral("Oui\n"));
        QCOMPARE(window->listModel().rowAt(rowOf(QStringLiteral("5"))).value(4), QStringLiteral("Oui"));
        QVERIFY(!static_cast<documents::TInvForm*>(window->findChild<documents::TInvForm*>())->convertlab()->isVisible());

        // A second transfer is refused before any dialog opens.
        test->prompts.expect(PromptKind::Warning);
        window->workArea()->BUCONVERT()->click();
        QCOMPARE(test->prompts.shown.last().text, QStringLiteral("Le devis sélectionné a la mention \"Facturé\"."));
        QCOMPARE(test->modal.shownClasses.size(), 2);
    }

    void markPaidTwice() {
        show(Folder::Invoices);
        window->listview()->selectRow(rowOf(QStringLiteral("3")));
        QAction* mark = nullptr;
        for (QAction* a : window->Lvpop()->actions())
            if (a->text() == QStringLiteral("Marquer comme payée"))
                mark = a;
        test->prompts.expect(PromptKind::Information).expect(PromptKind::Warning);
        mark->trigger();
        mark->trigger();
        QCOMPARE(test->prompts.texts(), (QList<QString>{QStringLiteral("La facture a été marquée comme payée."),
                                                        QStringLiteral("Cette facture est déjà marquée comme payée.")}));
        QCOMPARE(sql(QStringLiteral("SELECT Paid FROM Invoices15 WHERE Num='3';")), QStringLiteral("Oui\n"));
        QCOMPARE(window->listModel().rowAt(rowOf(QStringLiteral("3"))).value(4), QStringLiteral("Oui"));
    }

    // The line-item dialog: exact, case-sensitive lookup; the article pick; changing a
    // line shows its own values; "Supprimer" removes the selected line.
    void lineItems() {
        show(Folder::Quotes);
        window->listview()->selectRow(rowOf(QStringLiteral("5")));
        test->modal.once(lineClass, [](QDialog& d) {
            auto& form = static_cast<documents::TAddArticleform&>(d);
            QCOMPARE(form.edcode()->text(), QStringLiteral("A7"));
            QCOMPARE(form.edquantity()->text(), QStringLiteral("2"));
            form.edcode()->setText(QStringLiteral("a7"));
            QCOMPARE(form.eddescription()->text(), QStringLiteral("Autre câble"));
            QCOMPARE(form.edvat()->text(), QStringLiteral("5,50"));
            form.edcode()->setText(QStringLiteral("a7x")); // no match: the values stay
            QCOMPARE(form.eddescription()->text(), QStringLiteral("Autre câble"));
            form.cancelButton()->click();
        });
        test->modal.once(articlePickClass, [](QDialog& d) {
            auto& pick = static_cast<catalogue::PickWindow&>(d);
            pick.searchField()->setText(QStringLiteral("CÂBLE"));
            QCOMPARE(pick.PicksView()->rowCount(), 0); // Â is not folded
            pick.searchField()->setText(QStringLiteral("câble"));
            QCOMPARE(pick.PicksView()->rowCount(), 2);
            pick.chooseRow(0);
        });
        test->modal.once(lineClass, [](QDialog& d) {
            auto& form = static_cast<documents::TAddArticleform&>(d);
            form.codeButton()->click();
            QCOMPARE(form.edcode()->text(), QStringLiteral("A7"));
            QCOMPARE(form.eddescription()->text(), QStringLiteral("Câble 2 m"));
            form.edunitprice()->setAmountText(QStringLiteral("-5"));
            form.okButton()->click();
        });
        test->modal.once(quoteClass, [](QDialog& d) {
            auto& form = static_cast<documents::Tquoteform&>(d);
            form.ItemsView()->setCurrentItem(form.ItemsView()->topLevelItem(0));
            form.changeButton()->click(); // cancelled: unchanged
            form.addButton()->click();
            QCOMPARE(form.ItemsView()->topLevelItemCount(), 2);
            QCOMPARE(form.ItemsView()->topLevelItem(1)->text(5), QStringLiteral("-6,00 €"));
            form.ItemsView()->setCurrentItem(form.ItemsView()->topLevelItem(0));
            form.removeButton()->click();
            form.okButton()->click();
        });
        window->tbmodify()->click();
        QCOMPARE(sql(QStringLiteral("SELECT Total FROM Quotes15 WHERE Num='5';")), QStringLiteral("-6,00 €\n"));
        QCOMPARE(window->listModel().rowAt(rowOf(QStringLiteral("5"))).value(5), QStringLiteral("-6,00 €"));
    }
};

QTEST_MAIN(DocumentCommandsTest)
#include "test_document_commands.moc"
