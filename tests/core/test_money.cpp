// Money texts: how an amount is written with the format in force, and how the number
// part is read back.
#include "core/error.h"
#include "core/money.h"

#include <QTest>

Q_DECLARE_METATYPE(long double)

using namespace vantrel;

class MoneyTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initialFormat();
    void patternOfFormat_data();
    void patternOfFormat();
    void moneyText_data();
    void moneyText();
    void numberPart_data();
    void numberPart();
    void unreadableNumberPart_data();
    void unreadableNumberPart();
};

void MoneyTest::initialFormat() {
    // Before any database is open the pattern has a negative section, which writes
    // amounts exactly as the two-decimal euro format does.
    const MoneyFormat initial;
    QCOMPARE(initial.pattern(), QStringLiteral("0.00 €;-0.00 €"));
    const MoneyFormat opened = MoneyFormat::fromSettings(QStringLiteral("2"), QStringLiteral("€"));
    QCOMPARE(opened.pattern(), QStringLiteral("0.00 €"));
    for (const long double value : {0.0L, 17.96L, -12.5L})
        QCOMPARE(getcurstring(value, initial), getcurstring(value, opened));
    QCOMPARE(getcurstring(-12.5L, initial), QStringLiteral("-12,50 €"));
}

void MoneyTest::patternOfFormat_data() {
    QTest::addColumn<QString>("decimalsSetting");
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("pattern");
    QTest::newRow("two decimals") << "2"
                                  << "€" << 2 << "0.00 €";
    QTest::newRow("three decimals") << "3"
                                    << "$" << 3 << "0.000 $";
    QTest::newRow("empty setting") << ""
                                   << "€" << 2 << "0.00 €";
    QTest::newRow("any other setting") << "4"
                                       << "€" << 2 << "0.00 €";
    QTest::newRow("3 with a blank is not 3") << " 3"
                                             << "€" << 2 << "0.00 €";
    QTest::newRow("empty symbol") << "3"
                                  << "" << 3 << "0.000 ";
    QTest::newRow("word symbol") << "2"
                                 << "EUR" << 2 << "0.00 EUR";
}

void MoneyTest::patternOfFormat() {
    QFETCH(QString, decimalsSetting);
    QFETCH(QString, symbol);
    QFETCH(int, decimals);
    QFETCH(QString, pattern);
    const MoneyFormat format = MoneyFormat::fromSettings(decimalsSetting, symbol);
    QCOMPARE(format.decimals, decimals);
    QCOMPARE(format.pattern(), pattern);
}

void MoneyTest::moneyText_data() {
    QTest::addColumn<long double>("value");
    QTest::addColumn<QString>("decimalsSetting");
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("expected");
    QTest::newRow("price") << 4.99L << "2"
                           << "€"
                           << "4,99 €";
    QTest::newRow("price, three decimals") << 4.99L << "3"
                                           << "€"
                                           << "4,990 €";
    QTest::newRow("total, three decimals") << 56.46L << "3"
                                           << "€"
                                           << "56,460 €";
    QTest::newRow("zero") << 0.0L << "2"
                          << "€"
                          << "0,00 €";
    QTest::newRow("discount") << -10.0L << "2"
                              << "€"
                              << "-10,00 €";
    QTest::newRow("empty symbol keeps the blank") << 12.5L << "2"
                                                  << ""
                                                  << "12,50 ";
    QTest::newRow("large amount, no separator") << 1234567.0L << "2"
                                                << "€"
                                                << "1234567,00 €";
    QTest::newRow("three decimals kept") << 1.234L << "3"
                                         << "$"
                                         << "1,234 $";
    QTest::newRow("rounded to two") << 1.234L << "2"
                                    << "$"
                                    << "1,23 $";
}

void MoneyTest::moneyText() {
    QFETCH(long double, value);
    QFETCH(QString, decimalsSetting);
    QFETCH(QString, symbol);
    QFETCH(QString, expected);
    QCOMPARE(getcurstring(value, MoneyFormat::fromSettings(decimalsSetting, symbol)), expected);
}

void MoneyTest::numberPart_data() {
    QTest::addColumn<QString>("moneyText");
    QTest::addColumn<QString>("number");
    QTest::addColumn<long double>("value");
    QTest::newRow("euro") << "12,50 €"
                          << "12,50" << 12.5L;
    QTest::newRow("empty symbol") << "12,50 "
                                  << "12,50" << 12.5L;
    QTest::newRow("negative") << "-4,99 €"
                              << "-4,99" << -4.99L;
    QTest::newRow("three decimals") << "56,460 €"
                                    << "56,460" << 56.46L;
    QTest::newRow("first blank only") << "7 EUR HT"
                                      << "7" << 7.0L;
    QTest::newRow("blank as thousands separator cuts the number") << "1 234,00 €"
                                                                  << "1" << 1.0L;
}

void MoneyTest::numberPart() {
    QFETCH(QString, moneyText);
    QFETCH(QString, number);
    QFETCH(long double, value);
    QCOMPARE(getcurvalue(moneyText), number);
    QVERIFY(moneyValue(moneyText) == value);
}

void MoneyTest::unreadableNumberPart_data() {
    // The number part is what fails to convert, so it is what the message names.
    QTest::addColumn<QString>("moneyText");
    QTest::addColumn<QString>("number");
    QTest::newRow("no blank") << "12,50€"
                              << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("leading blank") << " 12,50 €"
                                   << "";
    QTest::newRow("full stop") << "12.50 €"
                               << "12.50";
}

void MoneyTest::unreadableNumberPart() {
    QFETCH(QString, moneyText);
    QFETCH(QString, number);
    QCOMPARE(getcurvalue(moneyText), number);
    try {
        moneyValue(moneyText);
        QFAIL("the money text was read");
    } catch (const ConversionError& error) {
        QCOMPARE(error.message(),
                 QStringLiteral("'") + number +
                     QStringLiteral("' n'est pas une valeur en virgule flottante correcte"));
    }
}

QTEST_APPLESS_MAIN(MoneyTest)
#include "test_money.moc"
