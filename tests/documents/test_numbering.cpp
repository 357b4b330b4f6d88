// Invoice and quote numbers: the next proposal and the check, both derived from the
// stored rows each time.
#include "core/error.h"
#include "db/connection.h"
#include "documents/numbering.h"

#include <QTemporaryDir>
#include <QTest>

using namespace vantrel;
using namespace vantrel::documents;

class NumberingTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    db::Connection dqd;

    void store(const QStringList& invoices, const QStringList& quotes) {
        dqd.exec(QStringLiteral("DELETE FROM Invoices15; DELETE FROM Quotes15;"));
        for (const QString& n : invoices)
            dqd.exec(QStringLiteral("INSERT INTO Invoices15 (Num) VALUES ('%1');").arg(n));
        for (const QString& n : quotes)
            dqd.exec(QStringLiteral("INSERT INTO Quotes15 (Num) VALUES ('%1');").arg(n));
    }

private Q_SLOTS:
    void initTestCase() {
        dqd.create(dir.filePath(QStringLiteral("numeros.vtdb")));
        dqd.exec(QStringLiteral("CREATE TABLE Invoices15 (Num TEXT); CREATE TABLE Quotes15 (Num TEXT);"));
    }

    void proposals_data() {
        QTest::addColumn<QStringList>("invoices");
        QTest::addColumn<QStringList>("quotes");
        QTest::addColumn<int>("nextInvoice");
        QTest::addColumn<int>("nextQuote");
        QTest::newRow("empty") << QStringList{} << QStringList{} << 1 << 1;
        QTest::newRow("3 10 4") << QStringList{"3", "10", "4"} << QStringList{} << 11 << 1;
        QTest::newRow("gaps are not filled") << QStringList{"1", "2", "7"} << QStringList{"5"} << 8 << 6;
        QTest::newRow("007") << QStringList{"007"} << QStringList{"  12"} << 8 << 13;
    }

    void proposals() {
        QFETCH(QStringList, invoices);
        QFETCH(QStringList, quotes);
        QFETCH(int, nextInvoice);
        QFETCH(int, nextQuote);
        store(invoices, quotes);
        QCOMPARE(getnewnum(dqd), nextInvoice);
        QCOMPARE(getnewnum_quotes(dqd), nextQuote);
    }

    void checks_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("invoiceTaken");
        QTest::addColumn<bool>("quoteTaken");
        QTest::newRow("7 against 007") << "7" << true << false;
        QTest::newRow("007 against 007") << "007" << true << false;
        QTest::newRow("5: a quote, not an invoice") << "5" << false << true;
        QTest::newRow("free") << "9" << false << false;
    }

    void checks() {
        QFETCH(QString, typed);
        QFETCH(bool, invoiceTaken);
        QFETCH(bool, quoteTaken);
        store({"007", "3"}, {"5"});
        QCOMPARE(there_is_like_num(dqd, typed), invoiceTaken);
        QCOMPARE(there_is_like_quote(dqd, typed), quoteTaken);
    }

    void numbersThatAreNotNumbers() {
        store({}, {});
        try {
            there_is_like_num(dqd, QStringLiteral("2147483648")); // refused even on an empty table
            QFAIL("a number beyond the 32-bit range must be refused");
        } catch (const ConversionError& error) {
            QCOMPARE(error.message(), QStringLiteral("''2147483648'' n'est pas une valeur entière valide"));
        }
        store({"1", "F-2"}, {});
        QVERIFY_THROWS_EXCEPTION(ConversionError, getnewnum(dqd));
        QVERIFY_THROWS_EXCEPTION(ConversionError, there_is_like_num(dqd, QStringLiteral("3")));
    }
};

QTEST_GUILESS_MAIN(NumberingTest)
#include "test_numbering.moc"
