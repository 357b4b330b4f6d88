// Account numbers and article codes: their text forms, the next free number and the
// uniqueness test, over real tables.
#include "catalogue/account_numbers.h"
#include "core/error.h"
#include "db/connection.h"

#include <QTemporaryDir>
#include <QTest>

using namespace vantrel;
using namespace vantrel::catalogue;

class AccountNumbersTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    db::Connection dqd;

    void keys(const QStringList& accounts, const QStringList& codes) {
        dqd.exec(QStringLiteral("DELETE FROM Customers15; DELETE FROM Articles15;"));
        for (const QString& a : accounts)
            dqd.exec(QStringLiteral("INSERT INTO Customers15 (Account) VALUES ('%1');").arg(a));
        for (const QString& c : codes)
            dqd.exec(QStringLiteral("INSERT INTO Articles15 (Code) VALUES ('%1');").arg(c));
    }

private Q_SLOTS:
    void initTestCase() {
        dqd.create(dir.filePath(QStringLiteral("numeros.vtdb")));
        dqd.exec(QStringLiteral("CREATE TABLE Customers15 (Account TEXT,Customer TEXT,Address TEXT,Tel TEXT,Fax TEXT,"
                                "Email TEXT,Notes TEXT);"
                                "CREATE TABLE Articles15 (Code TEXT,Description TEXT,Price TEXT,Quantity TEXT,Vat TEXT);"));
    }

    void textForms_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("code");
        QTest::newRow("1") << "1" << "CL001" << "ART001";
        QTest::newRow("42") << "42" << "CL042" << "ART042";
        QTest::newRow("123") << "123" << "CL123" << "ART123";
        QTest::newRow("1234") << "1234" << "CL1234" << "ART1234";
        QTest::newRow("empty") << "" << "CL" << "ART";
    }

    void textForms() {
        QFETCH(QString, number);
        QFETCH(QString, account);
        QFETCH(QString, code);
        QCOMPARE(getaccount_from_custnum(number), account);
        QCOMPARE(getcode_from_artnum(number), code);
    }

    void numbersOfKeys_data() {
        QTest::addColumn<QString>("account");
        QTest::addColumn<int>("number"); // -1: the conversion message for `message`
        QTest::addColumn<QString>("message");
        QTest::newRow("CL007") << "CL007" << 7 << "";
        QTest::newRow("CL5") << "CL5" << 5 << "";
        QTest::newRow("no prefix") << "X12" << 12 << "";
        QTest::newRow("largest") << "CL2147483647" << 2147483647 << "";
        QTest::newRow("beyond") << "CL2147483648" << -1 << "''2147483648'' n'est pas une valeur entière valide";
        QTest::newRow("letters") << "CLabc" << -1 << "''abc'' n'est pas une valeur entière valide";
        QTest::newRow("XYZ") << "XYZ" << -1 << "''YZ'' n'est pas une valeur entière valide";
    }

    void numbersOfKeys() {
        QFETCH(QString, account);
        QFETCH(int, number);
        QFETCH(QString, message);
        try {
            QCOMPARE(getcustnum_from_account(account), number);
            QVERIFY(number >= 0);
        } catch (const ConversionError& error) {
            QCOMPARE(number, -1);
            QCOMPARE(error.message(), message);
        }
    }

    void articleCodes() {
        QCOMPARE(getartnum_from_code(QStringLiteral("ART007")), 7);
        QCOMPARE(getartnum_from_code(QStringLiteral("ART7")), 7);
        QVERIFY_THROWS_EXCEPTION(ConversionError, getartnum_from_code(QStringLiteral("ART12x")));
    }

    void nextNumbers_data() {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<int>("next");
        QTest::newRow("empty table") << QStringList{} << 1;
        QTest::newRow("CL001 CL002 CL010") << QStringList{"CL001", "CL002", "CL010"} << 11;
        QTest::newRow("after deleting CL010") << QStringList{"CL001", "CL002"} << 3;
        QTest::newRow("CL1234") << QStringList{"CL1234", "CL5"} << 1235;
    }

    void nextNumbers() {
        QFETCH(QStringList, stored);
        QFETCH(int, next);
        QStringList codes;
        for (QString s : stored)
            codes << s.replace(QStringLiteral("CL"), QStringLiteral("ART"));
        keys(stored, codes);
        QCOMPARE(getnew_custnum(dqd), next);
        QCOMPARE(getnew_artnum(dqd), next);
    }

    void uniquenessIsByNumber_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("used");
        QTest::newRow("5 with CL005 stored") << "5" << true;
        QTest::newRow("005") << "005" << true;
        QTest::newRow("7 with CL7 stored") << "7" << true;
        QTest::newRow("2 is free") << "2" << false;
    }

    void uniquenessIsByNumber() {
        QFETCH(QString, typed);
        QFETCH(bool, used);
        keys({"CL001", "CL005", "CL7"}, {"ART001", "ART005", "ART7"});
        QCOMPARE(there_is_like_cust(dqd, typed), used);
        QCOMPARE(there_is_like_art(dqd, typed), used);
    }

    void damagedKeysGiveTheConversionMessage() {
        keys({"CL001", "CLabc"}, {"ART001", "ART12x"});
        for (auto call : {std::function<void()>([&] { getnew_custnum(dqd); }),
                          std::function<void()>([&] { there_is_like_cust(dqd, QStringLiteral("3")); })}) {
            try {
                call();
                QFAIL("a damaged account must stop the command");
            } catch (const ConversionError& error) {
                QCOMPARE(error.message(), QStringLiteral("''abc'' n'est pas une valeur entière valide"));
            }
        }
        QVERIFY_THROWS_EXCEPTION(ConversionError, getnew_artnum(dqd));
        keys({"CL2147483647"}, {});
        QVERIFY_THROWS_EXCEPTION(ConversionError, getnew_custnum(dqd)); // no number left
    }

    void emptiedFieldIsRefused() {
        keys({"CL001"}, {});
        try {
            there_is_like_cust(dqd, QString());
            QFAIL("an empty number must be refused");
        } catch (const ConversionError& error) {
            QCOMPARE(error.message(), QStringLiteral("'''' n'est pas une valeur entière valide"));
        }
    }
};

QTEST_GUILESS_MAIN(AccountNumbersTest)
#include "test_account_numbers.moc"
