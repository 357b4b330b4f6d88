// The invoice and quote lists on a real company file: which documents each period and
// payment filter lets through, what each row shows, and how a failure ends the loading.
#include "company_file.h"
#include "core/error.h"
#include "lists/list_loading.h"
#include "lists/periods.h"

#include <QTest>

using namespace vantrel;
using namespace vantrel::lists;
using vantrel::testing::CompanyFile;
using vantrel::testing::item;

namespace {

QDate day(const char* text) {
    return QDate::fromString(QString::fromLatin1(text), QStringLiteral("dd/MM/yyyy"));
}

QStringList numbers(const QList<ListRow>& rows) {
    QStringList result;
    for (const ListRow& row : rows)
        result << row.value(0);
    return result;
}

const MoneyFormat euros = MoneyFormat::fromSettings(QStringLiteral("2"), QStringLiteral("€"));

} // namespace

class DocumentListsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void conditions_data();
    void conditions();
    void invoicesListed_data();
    void invoicesListed();
    void quotesListed_data();
    void quotesListed();
    void invoiceRow();
    void quoteRow();
    void failureKeepsRowsRead_data();
    void failureKeepsRowsRead();
    void engineError();

private:
    std::unique_ptr<CompanyFile> file;
};

void DocumentListsTest::init() {
    file = std::make_unique<CompanyFile>();
    // number, date, paid, sent
    const char* invoices[][4] = {
        {"1", "30/11/2026", "Non", "Non"}, {"2", "01/12/2026", "Oui", "Oui"},
        {"3", "05/12/2026", "Oui", "Non"}, {"4", "06/12/2026", "Non", "Oui"},
        {"5", "10/12/2026", "Oui", "Oui"}, {"6", "31/12/2025", "Non", "Non"},
        {"7", "01/12/2025", "Oui", "Oui"}, {"8", "28/02/2026", "Non", "Non"},
        {"9", "01/03/2026", "Non", "Non"}, {"10", "09/12/2026", "oui", "Oui"},
        {"11", "", "Oui", "Oui"},
    };
    for (const auto& row : invoices)
        file->invoice(QString::fromLatin1(row[0]), QString::fromLatin1(row[1]),
                      QString::fromLatin1(row[2]), QString::fromLatin1(row[3]));
}

void DocumentListsTest::conditions_data() {
    QTest::addColumn<int>("period");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("condition");
    QTest::newRow("whole period") << 0 << day("10/12/2026") << "Num=Num";
    QTest::newRow("yesterday across a month end") << 1 << day("01/03/2026") << "Dat = '28/02/2026'";
    QTest::newRow("today") << 2 << day("01/03/2026") << "Dat = '01/03/2026'";
    QTest::newRow("last month across a year end")
        << 3 << day("15/01/2026") << "Dat LIKE '%/12/2025'";
    QTest::newRow("last month from a 31st") << 3 << day("31/03/2026") << "Dat LIKE '%/02/2026'";
    QTest::newRow("this month") << 4 << day("10/12/2026") << "Dat LIKE '%/12/2026'";
    QTest::newRow("between two dates filters after reading") << 5 << day("10/12/2026") << "Num=Num";
}

void DocumentListsTest::conditions() {
    QFETCH(int, period);
    QFETCH(QDate, today);
    QFETCH(QString, condition);
    QCOMPARE(getfilter1(period, today), condition);
}

void DocumentListsTest::invoicesListed_data() {
    QTest::addColumn<int>("period");
    QTest::addColumn<int>("filter");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("begin");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<QStringList>("listed");
    const QDate none;
    const QDate dec10 = day("10/12/2026");
    QTest::newRow("everything, in stored order")
        << 0 << 0 << dec10 << none << none
        << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"};
    QTest::newRow("this month on 10/12/2026")
        << 4 << 0 << dec10 << none << none << QStringList{"2", "3", "4", "5", "10"};
    QTest::newRow("last month on 15/01/2026")
        << 3 << 0 << day("15/01/2026") << none << none << QStringList{"6", "7"};
    QTest::newRow("last month on 10/12/2026")
        << 3 << 0 << dec10 << none << none << QStringList{"1"};
    QTest::newRow("yesterday on 01/03/2026")
        << 1 << 0 << day("01/03/2026") << none << none << QStringList{"8"};
    QTest::newRow("today on 01/03/2026")
        << 2 << 0 << day("01/03/2026") << none << none << QStringList{"9"};
    QTest::newRow("between, both ends included")
        << 5 << 0 << dec10 << day("01/12/2026") << day("05/12/2026") << QStringList{"2", "3"};
    QTest::newRow("between, one day") << 5 << 0 << dec10 << dec10 << dec10 << QStringList{"5"};
    QTest::newRow("between, end before start")
        << 5 << 0 << dec10 << day("05/12/2026") << day("01/12/2026") << QStringList{};
    QTest::newRow("paid: only the exact word")
        << 0 << 1 << dec10 << none << none << QStringList{"2", "3", "5", "7", "11"};
    QTest::newRow("unpaid") << 0 << 2 << dec10 << none << none
                            << QStringList{"1", "4", "6", "8", "9"};
    QTest::newRow("paid and not sent") << 0 << 3 << dec10 << none << none << QStringList{"3"};
    QTest::newRow("paid and sent")
        << 0 << 4 << dec10 << none << none << QStringList{"2", "5", "7", "11"};
    QTest::newRow("this month, paid and sent")
        << 4 << 4 << dec10 << none << none << QStringList{"2", "5"};
    QTest::newRow("between, paid: a blank date is outside")
        << 5 << 1 << dec10 << day("01/12/2025") << dec10 << QStringList{"2", "3", "5", "7"};
}

void DocumentListsTest::invoicesListed() {
    QFETCH(int, period);
    QFETCH(int, filter);
    QFETCH(QDate, today);
    QFETCH(QDate, begin);
    QFETCH(QDate, end);
    QFETCH(QStringList, listed);
    QList<ListRow> rows;
    Selecting(file->dqd, {period, filter, {begin, end}, today}, euros, rows);
    QCOMPARE(numbers(rows), listed);
}

void DocumentListsTest::quotesListed_data() {
    QTest::addColumn<int>("period");
    QTest::addColumn<int>("filter");
    QTest::addColumn<QDate>("begin");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("everything") << 0 << 0 << QDate() << QDate() << QStringList{"1", "2", "3"};
    QTest::newRow("this month") << 4 << 0 << QDate() << QDate() << QStringList{"1", "3"};
    QTest::newRow("the payment filter does not apply")
        << 4 << 4 << QDate() << QDate() << QStringList{"1", "3"};
    QTest::newRow("between two dates")
        << 5 << 0 << day("15/11/2026") << day("01/12/2026") << QStringList{"1", "2"};
}

void DocumentListsTest::quotesListed() {
    QFETCH(int, period);
    QFETCH(int, filter);
    QFETCH(QDate, begin);
    QFETCH(QDate, end);
    QFETCH(QStringList, listed);
    file->quote(QStringLiteral("1"), QStringLiteral("01/12/2026"));
    file->quote(QStringLiteral("2"), QStringLiteral("15/11/2026"));
    file->quote(QStringLiteral("3"), QStringLiteral("31/12/2026"));
    QList<ListRow> rows;
    readquotes(file->dqd, {period, filter, {begin, end}, day("10/12/2026")}, euros, rows);
    QCOMPARE(numbers(rows), listed);
}

void DocumentListsTest::invoiceRow() {
    // The total comes from the line items, never from the stored Total.
    file->invoice(QStringLiteral("12"), QStringLiteral("02/01/2027"), QStringLiteral("Oui"),
                  QStringLiteral("Non"),
                  item(QStringLiteral("100,00 €"), QStringLiteral("20,00")) +
                      item(QStringLiteral("50,00 €"), QStringLiteral("5,50")),
                  QStringLiteral("Menuiserie l'Atelier"), QStringLiteral("999,99 €"));
    file->dqd.exec(QStringLiteral("UPDATE Invoices15 SET Printed='Oui' WHERE Num='12';"));
    QList<ListRow> rows;
    Selecting(file->dqd, {2, 0, {}, day("02/01/2027")}, euros, rows);
    QCOMPARE(rows, (QList<ListRow>{
                       {"12", "02/01/2027", "Menuiserie l'Atelier", "Oui", "Oui", "172,75 €"}}));

    rows.clear();
    Selecting(file->dqd, {2, 0, {}, day("10/12/2026")}, MoneyFormat::fromSettings("3", "$"), rows);
    QCOMPARE(rows.value(0).value(5), QStringLiteral("0,000 $")); // no line items
}

void DocumentListsTest::quoteRow() {
    file->quote(QStringLiteral("7"), QStringLiteral("03/12/2026"), QStringLiteral("Oui"),
                item(QStringLiteral("14,97 €"), QStringLiteral("20,00")) +
                    item(QStringLiteral("35,00 €"), QStringLiteral("10,00")));
    QList<ListRow> rows;
    readquotes(file->dqd, {2, 0, {}, day("03/12/2026")}, euros, rows);
    QCOMPARE(rows, (QList<ListRow>{{"7", "03/12/2026", "Durand", "Oui", "Oui", "56,46 €"}}));
}

void DocumentListsTest::failureKeepsRowsRead_data() {
    QTest::addColumn<QString>("badDate");
    QTest::addColumn<QString>("badArticles");
    QTest::addColumn<int>("period");
    QTest::addColumn<QString>("message");
    QTest::newRow("unreadable date between two dates")
        << "32/12/2026" << QString() << 5 << "'32/12/2026' n'est pas une date correcte";
    QTest::newRow("unreadable date in another period is shown as stored")
        << "32/12/2026" << QString() << 0 << QString();
    QTest::newRow("unreadable amount")
        << "02/12/2026" << item("douze €", "20,00") << 0
        << "'douze' n'est pas une valeur en virgule flottante correcte";
    QTest::newRow("amount without a blank")
        << "02/12/2026" << item("12,50", "20,00") << 5
        << "'' n'est pas une valeur en virgule flottante correcte";
    QTest::newRow("unreadable rate") << "02/12/2026" << item("12,50 €", "20 %") << 0
                                     << "'20 %' n'est pas une valeur en virgule flottante correcte";
}

void DocumentListsTest::failureKeepsRowsRead() {
    QFETCH(QString, badDate);
    QFETCH(QString, badArticles);
    QFETCH(int, period);
    QFETCH(QString, message);
    CompanyFile small;
    small.invoice(QStringLiteral("1"), QStringLiteral("01/12/2026"), "Non", "Non",
                  item("10,00 €", "20,00"));
    small.invoice(QStringLiteral("2"), badDate, "Non", "Non", badArticles);
    small.invoice(QStringLiteral("3"), QStringLiteral("03/12/2026"));
    QList<ListRow> rows;
    const DocumentChoices choices{
        period, 0, {day("01/12/2026"), day("31/12/2026")}, day("10/12/2026")};
    try {
        Selecting(small.dqd, choices, euros, rows);
        QVERIFY2(message.isEmpty(), "the loading should have failed");
        QCOMPARE(numbers(rows), (QStringList{"1", "2", "3"}));
    } catch (const ConversionError& error) {
        QCOMPARE(error.message(), message);
        QCOMPARE(rows, (QList<ListRow>{{"1", "01/12/2026", "Dupont", "Non", "Non", "12,00 €"}}));
    }
}

void DocumentListsTest::engineError() {
    file->dqd.exec(QStringLiteral("DROP TABLE Quotes15;"));
    QList<ListRow> rows;
    try {
        readquotes(file->dqd, {0, 0, {}, day("10/12/2026")}, euros, rows);
        QFAIL("the loading should have failed");
    } catch (const Error& error) {
        QCOMPARE(error.message(), QStringLiteral("no such table: Quotes15"));
    }
    QVERIFY(rows.isEmpty());
}

QTEST_GUILESS_MAIN(DocumentListsTest)
#include "test_document_lists.moc"
