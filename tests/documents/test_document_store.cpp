// Documents as rows: the exact statements, what reads back, and whether a saved
// document still belongs in the list.
#include "core/error.h"
#include "db/connection.h"
#include "documents/document_store.h"
#include "support/test_files.h"

#include <QTemporaryDir>
#include <QTest>

using namespace vantrel;
using namespace vantrel::documents;

namespace {
const MoneyFormat euro = MoneyFormat::fromSettings(QStringLiteral("2"), QStringLiteral("€"));

Document sample() {
    Document d;
    d.num = QStringLiteral("12");
    d.customer = QStringLiteral("L'Atelier d'Œuvre");
    d.address = QStringLiteral("\r\n  3 rue de l'Église\r\n69000 Lyon\r\n\r\n");
    d.date = QStringLiteral("10/12/2026");
    d.tel = QStringLiteral("04");
    d.paidOrInvoiced = true;
    d.bottom = QStringLiteral("Paiement reçu avec remerciements");
    d.notes = QStringLiteral("ligne 1\r\nligne 2");
    d.items = {makeLineItem(QStringLiteral("A7"), QStringLiteral("Câble 2 m"), QStringLiteral("3"), 4.99L,
                            QStringLiteral("20,00"), euro),
               makeLineItem(QString(), QStringLiteral("Pose"), QStringLiteral("1"), 35.0L, QStringLiteral("10,00"), euro)};
    return d;
}
} // namespace

class DocumentStoreTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString path;
    db::Connection dqd;

private Q_SLOTS:
    void init() {
        path = dir.filePath(QStringLiteral("documents.vtdb"));
        QFile::remove(path);
        dqd.create(path);
        dqd.exec(QStringLiteral(
            "CREATE TABLE Invoices15 (Num TEXT,Customer TEXT,Address TEXT,Dat TEXT,Tel TEXT,Fax TEXT,Email TEXT,"
            "Printed TEXT,Sent TEXT,Paid TEXT,Bottom TEXT,Notes TEXT,Articles TEXT,Total TEXT );"
            "CREATE TABLE Quotes15 (Num TEXT,Customer TEXT,Address TEXT,Dat TEXT,Tel TEXT,Fax TEXT,Email TEXT,"
            "Printed TEXT,Invoiced TEXT,Bottom TEXT,Notes TEXT,Articles TEXT,Total TEXT );"
            "CREATE TABLE Customers15 (Account TEXT,Customer TEXT,Address TEXT,Tel TEXT,Fax TEXT,Email TEXT,Notes TEXT);"));
    }

    void cleanup() { dqd.close(); }

    void invoiceRoundTrip() {
        insertDocument(dqd, DocumentKind::Invoice, sample(), euro);
        QCOMPARE(testing::sqlite3Cli(path, QStringLiteral("SELECT Printed, Sent, Paid, Total, "
                                                          "replace(replace(Articles, char(13), '<CR>'), char(10), '<LF>') "
                                                          "FROM Invoices15;")),
                 QStringLiteral("Non|Non|Oui|56,46 €|A7<CR><LF>Câble 2 m<CR><LF>3<CR><LF>4,99 €<CR><LF>14,97 €<CR><LF>"
                                "17,96 €<CR><LF>20,00<CR><LF><CR><LF>Pose<CR><LF>1<CR><LF>35,00 €<CR><LF>35,00 €<CR><LF>"
                                "38,50 €<CR><LF>10,00<CR><LF>\n"));
        const std::optional<Document> back = readDocument(dqd, DocumentKind::Invoice, QStringLiteral("12"));
        QVERIFY(back);
        QCOMPARE(back->customer, sample().customer);
        QCOMPARE(back->address, QStringLiteral("3 rue de l'Église\r\n69000 Lyon")); // stored trimmed
        QCOMPARE(back->notes, sample().notes);
        QCOMPARE(back->items, sample().items);
        QVERIFY(back->paidOrInvoiced && !back->sent && !back->printed);
    }

    // A row stored as "007" is reached by the update of the document shown as 007.
    void updateReachesANonCanonicalNumber() {
        dqd.exec(QStringLiteral("INSERT INTO Quotes15 (Num, Customer, Articles) VALUES ('007', 'Ancien', '');"));
        Document d = sample();
        d.num = QStringLiteral("8");
        updateDocument(dqd, DocumentKind::Quote, d, QStringLiteral("007"), euro);
        QCOMPARE(testing::sqlite3Cli(path, QStringLiteral("SELECT Num, Customer, Invoiced, Total FROM Quotes15;")),
                 QStringLiteral("8|L'Atelier d'Œuvre|Oui|56,46 €\n"));
    }

    void damagedAmountWritesNothing() {
        Document d = sample();
        d.items[1].gross = QStringLiteral("38,5O €");
        QVERIFY_THROWS_EXCEPTION(ConversionError, insertDocument(dqd, DocumentKind::Invoice, d, euro));
        QCOMPARE(testing::sqlite3Cli(path, QStringLiteral("SELECT count(*) FROM Invoices15;")), QStringLiteral("0\n"));
    }

    void belongsInTheList_data() {
        QTest::addColumn<int>("period");
        QTest::addColumn<int>("filter");
        QTest::addColumn<bool>("listed");
        QTest::addColumn<bool>("statementFound");
        QTest::newRow("whole period") << 0 << 0 << true << true;
        QTest::newRow("yesterday") << 1 << 0 << true << true; // dated 10/12, the day before
        QTest::newRow("today") << 2 << 0 << false << false;
        QTest::newRow("this month") << 4 << 0 << true << true;
        QTest::newRow("unpaid only") << 0 << 2 << false << false;
        QTest::newRow("between, outside") << 5 << 0 << false << true;
    }

    void belongsInTheList() {
        QFETCH(int, period);
        QFETCH(int, filter);
        QFETCH(bool, listed);
        QFETCH(bool, statementFound);
        insertDocument(dqd, DocumentKind::Invoice, sample(), euro);
        lists::DocumentChoices choices;
        choices.period = period;
        choices.filter = filter;
        choices.today = QDate(2026, 12, 11);
        choices.span = {QDate(2026, 11, 1), QDate(2026, 11, 30)};
        bool found = false;
        const std::optional<lists::ListRow> row =
            refreshedListRow(dqd, DocumentKind::Invoice, QStringLiteral("12"), choices, euro, &found);
        QCOMPARE(row.has_value(), listed);
        QCOMPARE(found, statementFound);
        if (row)
            QCOMPARE(*row, (lists::ListRow{"12", "10/12/2026", "L'Atelier d'Œuvre", "Non", "Oui", "56,46 €"}));
    }

    void customerFromADocument() {
        Document d = sample();
        d.customer = QStringLiteral("  Dupont  ");
        QVERIFY(!custexists_in_base(dqd, QStringLiteral("Dupont")));
        addCustomerFromDocument(dqd, d);
        QVERIFY(!custexists_in_base(dqd, QStringLiteral("Dupont"))); // the name keeps its blanks
        QVERIFY(custexists_in_base(dqd, QStringLiteral("  Dupont  ")));
        QCOMPARE(testing::sqlite3Cli(path, QStringLiteral("SELECT Account, Customer, Address, Notes FROM Customers15;")),
                 QStringLiteral("CL001|  Dupont  |3 rue de l'Église\r\n69000 Lyon|\n"));
    }
};

QTEST_GUILESS_MAIN(DocumentStoreTest)
#include "test_document_store.moc"
