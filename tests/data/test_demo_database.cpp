// The demonstration database a new user meets first. It is written by hand as SQL, so
// every stored text is checked here against the program's own value forms: an amount
// typed wrongly in the SQL, a line break that is not CR LF or a number used twice shows
// up as a failure instead of as a wrong invoice on the user's screen.

#include "core/date_text.h"
#include "core/document_total.h"
#include "core/error.h"
#include "core/flags.h"
#include "core/line_items.h"
#include "core/money.h"
#include "core/numbers.h"
#include "db/connection.h"
#include "db/schema.h"
#include "support/scripted_prompts.h"
#include "support/test_files.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace vantrel;

namespace {

const QString crlf = QStringLiteral("\r\n");

QString demoPath() {
    return testing::binDir() + QStringLiteral("/Base de données d'exemple.vtdb");
}

// Multi-line values are separated by CR LF only, never by a lone CR or LF.
bool breaksAreCrLf(const QString& text) {
    const QString rest = QString(text).remove(crlf);
    return !rest.contains(QLatin1Char('\r')) && !rest.contains(QLatin1Char('\n'));
}

// An address as the dialogs store it: at most three lines, trimmed, CR LF between lines.
bool isStoredAddress(const QString& text) {
    return !text.isEmpty() && breaksAreCrLf(text) && text == text.trimmed() &&
           text.split(crlf).size() <= 3;
}

// The check digit rule of SIREN and SIRET numbers.
bool luhnValid(const QString& digits) {
    int sum = 0;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        int d = digits[digits.size() - 1 - i].digitValue();
        if (i % 2 == 1) {
            d *= 2;
            if (d > 9)
                d -= 9;
        }
        sum += d;
    }
    return sum % 10 == 0;
}

#define VERIFY_AT(condition, where)                                                                \
    QVERIFY2(condition, qPrintable(QStringLiteral("%1: %2").arg(where, QStringLiteral(#condition))))

#define COMPARE_AT(actual, expected, where)                                                        \
    QVERIFY2(                                                                                      \
        (actual) == (expected),                                                                    \
        qPrintable(QStringLiteral("%1: \"%2\", expected \"%3\"").arg(where, actual, expected)))

struct Article {
    QString description;
    QString price;
    QString vat;
};

struct Customer {
    QString address;
    QString tel;
    QString fax;
    QString email;
};

} // namespace

class DemoDatabaseTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void isReadBySqlite3();
    void isInTheCurrentFormat();
    void companySettings();
    void catalogueKeys_data();
    void catalogueKeys();
    void customers();
    void articles();
    void documents_data();
    void documents();
    void invoicedQuoteHasItsInvoice();

private:
    db::Connection dqd_;
    MoneyFormat format_;
    QHash<QString, Article> articles_;
    QMultiHash<QString, Customer> customers_;
};

void DemoDatabaseTest::initTestCase() {
    QVERIFY2(!testing::binDir().isEmpty(), "VANTREL_BIN_DIR is not set");
    QVERIFY2(QFile::exists(demoPath()), qPrintable(demoPath() + QStringLiteral(" was not built")));
    dqd_.open(demoPath());

    // Amounts are written in the money format the company's own settings give.
    const QList<QStringList> settings =
        dqd_.query(QStringLiteral("SELECT Decimals, Monnaie FROM Settings15;"));
    QCOMPARE(settings.size(), 1);
    format_ = MoneyFormat::fromSettings(settings[0][0], settings[0][1]);

    for (const QStringList& row :
         dqd_.query(QStringLiteral("SELECT Code, Description, Price, Vat FROM Articles15;")))
        articles_.insert(row[0], {row[1], row[2], row[3]});
    for (const QStringList& row :
         dqd_.query(QStringLiteral("SELECT Customer, Address, Tel, Fax, Email FROM Customers15;")))
        customers_.insert(row[0], {row[1], row[2], row[3], row[4]});
}

void DemoDatabaseTest::isReadBySqlite3() {
    QCOMPARE(testing::sqlite3Cli(demoPath(), QStringLiteral("PRAGMA integrity_check;")),
             QStringLiteral("ok\n"));
    QCOMPARE(testing::sqlite3Cli(demoPath(), QStringLiteral("SELECT name FROM sqlite_master "
                                                            "WHERE type = 'table' ORDER BY name;")),
             QStringLiteral("Articles15\nCustomers15\nFooter25\nInformations20\nInvoices15\n"
                            "Quotes15\nSettings15\nVerInfo\n"));
}

void DemoDatabaseTest::isInTheCurrentFormat() {
    QCOMPARE(dqd_.query(QStringLiteral("SELECT VerNum FROM VerInfo;")),
             QList<QStringList>{{db::currentVersion}});

    // Opening it runs Create_Tables, which must find nothing to create or upgrade: no
    // upgrade notice, and the file's contents stay as they are.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString copy = dir.filePath(QStringLiteral("demo.vtdb"));
    QVERIFY(QFile::copy(demoPath(), copy));
    const QString before = testing::sqlite3Cli(copy, QStringLiteral(".dump"));
    {
        db::Connection connection;
        connection.open(copy);
        testing::ScriptedPrompts prompts;
        db::Create_Tables(connection, prompts);
        QVERIFY(prompts.shown.isEmpty());
        QCOMPARE(db::get_db_version(connection), db::currentVersion);
    }
    QCOMPARE(testing::sqlite3Cli(copy, QStringLiteral(".dump")), before);
}

void DemoDatabaseTest::companySettings() {
    const QList<QStringList> settings = dqd_.query(QStringLiteral(
        "SELECT Nom, Adresse, Monnaie, Taux, Logo, Decimals, Taux2 FROM Settings15;"));
    QCOMPARE(settings.size(), 1);
    const QStringList& s = settings[0];
    QVERIFY(!s[0].isEmpty());
    VERIFY_AT(isStoredAddress(s[1]), s[1]);
    QVERIFY(!s[2].isEmpty());
    // The rates are shown and offered as stored: decimal comma, two decimals.
    for (const QString& rate : {s[3], s[6]})
        COMPARE_AT(formatFixed(toFloat(rate), 2), rate, QStringLiteral("VAT rate"));
    QVERIFY(s[4].trimmed().isEmpty()); // no logo
    QVERIFY(s[5] == QLatin1String("2") || s[5] == QLatin1String("3"));

    const QList<QStringList> infos = dqd_.query(QStringLiteral(
        "SELECT Include_infos_check, Siret, Rcs, Naf, Tvaintra FROM Informations20;"));
    QCOMPARE(infos.size(), 1);
    QVERIFY(isSettingsFlagSet(infos[0][0]));
    const QString siret = infos[0][1];
    VERIFY_AT(QRegularExpression(QStringLiteral("^\\d{14}$")).match(siret).hasMatch(), siret);
    VERIFY_AT(luhnValid(siret), siret);
    // The register entry and the VAT number name the same company as the SIRET: its
    // first nine digits, the SIREN; the VAT key is (12 + 3 x (SIREN mod 97)) mod 97.
    const QString siren = siret.left(9);
    VERIFY_AT(QString(infos[0][2]).remove(QLatin1Char(' ')).contains(siren), infos[0][2]);
    VERIFY_AT(QRegularExpression(QStringLiteral("^\\d{4}[A-Z]$")).match(infos[0][3]).hasMatch(),
              infos[0][3]);
    const int key = int((12 + 3 * (siren.toLongLong() % 97)) % 97);
    COMPARE_AT(infos[0][4], QStringLiteral("FR%1%2").arg(key, 2, 10, QLatin1Char('0')).arg(siren),
               QStringLiteral("Tvaintra"));

    const QList<QStringList> footer =
        dqd_.query(QStringLiteral("SELECT Include_footer_check, Footer_text FROM Footer25;"));
    QCOMPARE(footer.size(), 1);
    QVERIFY(isSettingsFlagSet(footer[0][0]));
    QVERIFY(!footer[0][1].isEmpty());
    VERIFY_AT(breaksAreCrLf(footer[0][1]), footer[0][1]);
}

void DemoDatabaseTest::catalogueKeys_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("customer accounts") << "Customers15"
                                       << "Account"
                                       << "CL";
    QTest::newRow("article codes") << "Articles15"
                                   << "Code"
                                   << "ART";
}

// Keys are the prefix and three digits, as the dialogs write them, and unique by
// number, so that the next number offered is free and every lookup finds one row.
void DemoDatabaseTest::catalogueKeys() {
    QFETCH(QString, table);
    QFETCH(QString, column);
    QFETCH(QString, prefix);
    const QRegularExpression form(QStringLiteral("^%1\\d{3}$").arg(prefix));
    QSet<int> numbers;
    const QList<QStringList> rows =
        dqd_.query(QStringLiteral("SELECT %1 FROM %2;").arg(column, table));
    QVERIFY(!rows.isEmpty());
    for (const QStringList& row : rows) {
        VERIFY_AT(form.match(row[0]).hasMatch(), row[0]);
        // The form check above makes the number readable.
        const int number = toInteger(row[0].mid(prefix.size()));
        VERIFY_AT(!numbers.contains(number), row[0]);
        numbers.insert(number);
    }
}

void DemoDatabaseTest::customers() {
    const QList<QStringList> rows =
        dqd_.query(QStringLiteral("SELECT Account, Customer, Address, Notes FROM Customers15;"));
    for (const QStringList& row : rows) {
        VERIFY_AT(!row[1].isEmpty(), row[0]);
        VERIFY_AT(isStoredAddress(row[2]), row[0]);
        VERIFY_AT(breaksAreCrLf(row[3]), row[0]);
    }
}

void DemoDatabaseTest::articles() {
    const QList<QStringList> rows =
        dqd_.query(QStringLiteral("SELECT Code, Price, Quantity, Vat FROM Articles15;"));
    for (const QStringList& row : rows) {
        const QString& code = row[0];
        try {
            COMPARE_AT(row[1], getcurstring(moneyValue(row[1]), format_),
                       code + QStringLiteral(" price"));
            const int stock = toInteger(row[2]);
            VERIFY_AT(stock >= 1 && QString::number(stock) == row[2],
                      code + QStringLiteral(" stock"));
            COMPARE_AT(row[3], formatFixed(toFloat(row[3]), 2), code + QStringLiteral(" VAT"));
        } catch (const Error& e) {
            QFAIL(qPrintable(code + QStringLiteral(": ") + e.message()));
        }
    }
}

void DemoDatabaseTest::documents_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("flagColumns");
    QTest::newRow("quotes") << "Quotes15" << QStringList{"Printed", "Invoiced"};
    QTest::newRow("invoices") << "Invoices15" << QStringList{"Printed", "Sent", "Paid"};
}

void DemoDatabaseTest::documents() {
    QFETCH(QString, table);
    QFETCH(QStringList, flagColumns);
    const QList<QStringList> rows =
        dqd_.query(QStringLiteral("SELECT Num, Dat, Customer, Address, Tel, Fax, Email, Notes, "
                                  "Articles, Total, %1 FROM %2;")
                       .arg(flagColumns.join(QStringLiteral(", ")), table));
    QVERIFY(!rows.isEmpty());
    QSet<int> numbers;
    for (const QStringList& row : rows) {
        const QString where = table + QStringLiteral(" n° ") + row[0];
        try {
            const int num = toInteger(row[0]);
            VERIFY_AT(num >= 1 && QString::number(num) == row[0], where);
            VERIFY_AT(!numbers.contains(num), where);
            numbers.insert(num);

            const std::optional<QDate> date = readDateText(row[1]);
            VERIFY_AT(date.has_value(), where);
            COMPARE_AT(dateText(*date), row[1], where + QStringLiteral(" date"));

            // The document's copy of the customer's details is the catalogue's.
            const QList<Customer> known = customers_.values(row[2]);
            VERIFY_AT(known.size() == 1, where + QStringLiteral(" customer ") + row[2]);
            COMPARE_AT(row[3], known[0].address, where + QStringLiteral(" address"));
            COMPARE_AT(row[4], known[0].tel, where + QStringLiteral(" telephone"));
            COMPARE_AT(row[5], known[0].fax, where + QStringLiteral(" fax"));
            COMPARE_AT(row[6], known[0].email, where + QStringLiteral(" e-mail"));
            VERIFY_AT(breaksAreCrLf(row[7]), where + QStringLiteral(" notes"));

            for (qsizetype f = 0; f < flagColumns.size(); ++f) {
                const QString& flag = row[10 + f];
                VERIFY_AT(flag == flagWord(true) || flag == flagWord(false),
                          where + QLatin1Char(' ') + flagColumns[f] + QStringLiteral(" = ") + flag);
            }

            // The block is seven CR LF ended lines per item and nothing else: writing back
            // what was read gives the very same text.
            const QString& block = row[8];
            VERIFY_AT(block.endsWith(crlf), where);
            VERIFY_AT(splitStoredLines(block).size() % lineItemFieldCount == 0, where);
            const QList<LineItem> items = readLineItems(block);
            VERIFY_AT(!items.isEmpty(), where);
            COMPARE_AT(writeLineItems(items), block, where + QStringLiteral(" items"));

            for (qsizetype i = 0; i < items.size(); ++i) {
                const LineItem& item = items[i];
                const QString at =
                    where + QStringLiteral(" item %1 (%2)").arg(i + 1).arg(item.code);
                const int quantity = toInteger(item.quantity);
                VERIFY_AT(quantity >= 1 && QString::number(quantity) == item.quantity, at);

                // What the line-item dialog would have written for this quantity, price and rate.
                const LineItem computed =
                    makeLineItem(item.code, item.description, item.quantity,
                                 moneyValue(item.unitPrice), item.rate, format_);
                COMPARE_AT(item.unitPrice, computed.unitPrice, at + QStringLiteral(" unit price"));
                COMPARE_AT(item.net, computed.net, at + QStringLiteral(" net"));
                COMPARE_AT(item.gross, computed.gross, at + QStringLiteral(" gross"));

                // Lines are made from the catalogue: same description, price and rate.
                VERIFY_AT(articles_.contains(item.code), at);
                const Article& article = articles_[item.code];
                COMPARE_AT(item.description, article.description,
                           at + QStringLiteral(" description"));
                COMPARE_AT(item.unitPrice, article.price, at + QStringLiteral(" catalogue price"));
                COMPARE_AT(item.rate, article.vat, at + QStringLiteral(" rate"));
            }

            COMPARE_AT(row[9], getcurstring(storedTotal(items), format_),
                       where + QStringLiteral(" total"));
            // The lists recompute the total with a single rounding; the demo documents are
            // chosen so that the list shows the same amount as the document.
            COMPARE_AT(getcurstring(gettotal(block), format_), row[9],
                       where + QStringLiteral(" listed total"));
        } catch (const Error& e) {
            QFAIL(qPrintable(where + QStringLiteral(": ") + e.message()));
        }
    }
    // Numbered from 1 without gaps, so that the next number offered follows on.
    for (int n = 1; n <= int(rows.size()); ++n)
        VERIFY_AT(numbers.contains(n), table + QStringLiteral(" n° ") + QString::number(n));
}

// A quote marked as transferred has the invoice it became: same customer, same items,
// same total, dated on or after the quote.
void DemoDatabaseTest::invoicedQuoteHasItsInvoice() {
    const QList<QStringList> quotes = dqd_.query(QStringLiteral(
        "SELECT Num, Customer, Dat, Articles, Total FROM Quotes15 WHERE Invoiced = 'Oui';"));
    QVERIFY(!quotes.isEmpty());
    const QList<QStringList> invoices =
        dqd_.query(QStringLiteral("SELECT Customer, Dat, Articles, Total FROM Invoices15;"));
    for (const QStringList& quote : quotes) {
        bool found = false;
        for (const QStringList& invoice : invoices) {
            if (invoice[0] == quote[1] && invoice[2] == quote[3] && invoice[3] == quote[4] &&
                readDateText(invoice[1]).value() >= readDateText(quote[2]).value())
                found = true;
        }
        VERIFY_AT(found, QStringLiteral("quote n° ") + quote[0]);
    }
}

QTEST_GUILESS_MAIN(DemoDatabaseTest)
#include "test_demo_database.moc"
