// Decimal-comma numbers, whole numbers, fixed formatting and the two-decimal rounding
// every amount goes through.
#include "core/error.h"
#include "core/numbers.h"
#include "core/rounding.h"

#include <QTest>

Q_DECLARE_METATYPE(long double)

using namespace vantrel;

namespace {

QString show(long double value) {
    return QString::number(double(value), 'g', 20);
}

} // namespace

class NumbersTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void toFloatAccepts_data();
    void toFloatAccepts();
    void toFloatRefuses_data();
    void toFloatRefuses();
    void toIntegerAccepts_data();
    void toIntegerAccepts();
    void toIntegerRefuses_data();
    void toIntegerRefuses();
    void formatFixedText_data();
    void formatFixedText();
    void round2HalvesGoToEven_data();
    void round2HalvesGoToEven();
};

void NumbersTest::toFloatAccepts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<long double>("expected");
    QTest::newRow("decimal comma") << "12,50" << 12.5L;
    QTest::newRow("whole number") << "35" << 35.0L;
    QTest::newRow("negative") << "-4,99" << -4.99L;
    QTest::newRow("explicit plus") << "+2,5" << 2.5L;
    QTest::newRow("three decimals") << "4,990" << 4.99L;
    QTest::newRow("exponent") << "1,5E2" << 150.0L;
    QTest::newRow("negative exponent") << "25e-2" << 0.25L;
    QTest::newRow("blanks around") << "  7,25 " << 7.25L;
    QTest::newRow("zero") << "0,00" << 0.0L;
    QTest::newRow("nearest extended value") << "2,345" << 2.345L;
}

void NumbersTest::toFloatAccepts() {
    QFETCH(QString, text);
    QFETCH(long double, expected);
    const long double value = toFloat(text);
    QVERIFY2(value == expected, qPrintable(show(value) + QStringLiteral(" != ") + show(expected)));
}

void NumbersTest::toFloatRefuses_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("blanks only") << "   ";
    QTest::newRow("full stop") << "12.50";
    QTest::newRow("money text with symbol") << "12,50 €";
    QTest::newRow("thousands separator") << "1 234,00";
    QTest::newRow("two commas") << "1,2,3";
    QTest::newRow("comma alone") << ",";
    QTest::newRow("sign alone") << "-";
    QTest::newRow("exponent without digits") << "1e";
    QTest::newRow("letters") << "abc";
    QTest::newRow("trailing letter") << "12a";
    QTest::newRow("out of range") << "1e99999";
}

void NumbersTest::toFloatRefuses() {
    QFETCH(QString, text);
    try {
        toFloat(text);
        QFAIL("the text was accepted");
    } catch (const ConversionError& error) {
        QCOMPARE(error.message(),
                 QStringLiteral("'") + text +
                     QStringLiteral("' n'est pas une valeur en virgule flottante correcte"));
    }
}

void NumbersTest::toIntegerAccepts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("plain") << "42" << 42;
    QTest::newRow("leading zeros") << "007" << 7;
    QTest::newRow("largest") << "2147483647" << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << int(-2147483647 - 1);
    QTest::newRow("explicit plus") << "+5" << 5;
    QTest::newRow("leading blanks") << "  12" << 12;
    QTest::newRow("zero") << "0" << 0;
}

void NumbersTest::toIntegerAccepts() {
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(toInteger(text), expected);
}

void NumbersTest::toIntegerRefuses_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("one above the range") << "2147483648";
    QTest::newRow("one below the range") << "-2147483649";
    QTest::newRow("far above the range") << "99999999999999999999";
    QTest::newRow("empty") << "";
    QTest::newRow("sign alone") << "-";
    QTest::newRow("decimal comma") << "1,0";
    QTest::newRow("trailing letter") << "12a";
    QTest::newRow("trailing blank") << "12 ";
    QTest::newRow("inner blank") << "1 2";
}

void NumbersTest::toIntegerRefuses() {
    QFETCH(QString, text);
    try {
        toInteger(text);
        QFAIL("the text was accepted");
    } catch (const ConversionError& error) {
        QCOMPARE(error.message(), QStringLiteral("''") + text +
                                      QStringLiteral("'' n'est pas une valeur entière valide"));
    }
}

void NumbersTest::formatFixedText_data() {
    QTest::addColumn<long double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << 0.0L << 2 << "0,00";
    QTest::newRow("padded decimals") << 12.5L << 2 << "12,50";
    QTest::newRow("three decimals") << 4.99L << 3 << "4,990";
    QTest::newRow("below one") << 0.05L << 2 << "0,05";
    QTest::newRow("negative") << -3.5L << 2 << "-3,50";
    QTest::newRow("negative below one") << -0.5L << 2 << "-0,50";
    QTest::newRow("negative that rounds to zero") << -0.001L << 2 << "0,00";
    QTest::newRow("negative zero") << -0.0L << 2 << "0,00";
    QTest::newRow("no thousands separator") << 1234567.891L << 3 << "1234567,891";
    QTest::newRow("rounds up") << 14.996L << 2 << "15,00";
    QTest::newRow("exact half goes to even") << 0.125L << 2 << "0,12";
    QTest::newRow("exact half goes to even, up") << 0.375L << 2 << "0,38";
    QTest::newRow("beyond 64-bit integers") << 1e20L << 2 << "100000000000000000000,00";
}

void NumbersTest::formatFixedText() {
    QFETCH(long double, value);
    QFETCH(int, decimals);
    QFETCH(QString, expected);
    QCOMPARE(formatFixed(value, decimals), expected);
}

void NumbersTest::round2HalvesGoToEven_data() {
    // Six decimals show that round2 itself rounds, not only the formatting after it.
    QTest::addColumn<long double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("0.125") << 0.125L << "0,120000";
    QTest::newRow("0.135") << 0.135L << "0,140000";
    QTest::newRow("0.375") << 0.375L << "0,380000";
    QTest::newRow("2.345") << 2.345L << "2,340000";
    QTest::newRow("-0.125") << -0.125L << "-0,120000";
    QTest::newRow("-0.375") << -0.375L << "-0,380000";
    QTest::newRow("-2.345") << -2.345L << "-2,340000";
    QTest::newRow("below the half") << 17.964L << "17,960000";
    QTest::newRow("above the half") << 56.4651L << "56,470000";
    QTest::newRow("already two decimals") << 38.5L << "38,500000";
    QTest::newRow("negative gross of a discount") << -12.004L << "-12,000000";
}

void NumbersTest::round2HalvesGoToEven() {
    QFETCH(long double, value);
    QFETCH(QString, expected);
    QCOMPARE(formatFixed(round2(value), 6), expected);
}

QTEST_APPLESS_MAIN(NumbersTest)
#include "test_numbers.moc"
