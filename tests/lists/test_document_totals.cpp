// The total every document row shows, recomputed from its stored line-item block. The
// list reads the block in place for speed; it must give exactly what reading the block
// item by item gives, value and conversion error alike.
#include "core/document_total.h"
#include "core/error.h"
#include "core/line_items.h"
#include "core/money.h"
#include "core/numbers.h"
#include "core/rounding.h"

#include <QTest>
#include <cstring>

Q_DECLARE_METATYPE(long double)

using namespace vantrel;

namespace {

// The total as the line-item reader gives it: the seven-line items, then net x (rate / 100 + 1).
long double readerTotal(const QString& block) {
    long double sum = 0.0L;
    for (const LineItem& line : readLineItems(block))
        sum += moneyValue(line.net) * (toFloat(line.rate) / 100.0L + 1.0L);
    return round2(sum);
}

// The same block as the database hands it out: UTF-8 bytes.
long double utf8Total(const QString& block) {
    const QByteArray bytes = block.toUtf8();
    return gettotalUtf8(bytes.constData(), bytes.size());
}

// Both ways the program reads a block in place.
using Total = long double (*)(const QString&);
const Total inPlaceTotals[] = {gettotal, utf8Total};

struct Outcome {
    long double value = 0;
    QString error;
};

Outcome outcome(long double (*total)(const QString&), const QString& block) {
    try {
        return {total(block), {}};
    } catch (const ConversionError& e) {
        return {0, e.message()};
    }
}

QString lines(std::initializer_list<const char*> fields, const char* lineBreak = "\r\n") {
    QString block;
    for (const char* field : fields)
        block += QString::fromUtf8(field) + QString::fromLatin1(lineBreak);
    return block;
}

QString item(const char* net, const char* rate, const char* lineBreak = "\r\n") {
    return lines({"A7", "Câble 2 m", "3", "4,99 €", net, "17,96 €", rate}, lineBreak);
}

} // namespace

class DocumentTotalsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void total_data();
    void total();
    void sameAsReader_data();
    void sameAsReader();
    void sameAsReaderWherever();
    void moneyTextSameAsFormatFixed();
};

void DocumentTotalsTest::total_data() {
    QTest::addColumn<QString>("block");
    QTest::addColumn<QString>("shown");
    QTest::newRow("net 100 at 20 and net 50 at 5,5")
        << item("100,00 €", "20,00") + item("50,00 €", "5,50") << "172,75 €";
    QTest::newRow("no items") << QString() << "0,00 €";
    QTest::newRow("rounded once, not per item")
        << item("14,97 €", "20,00") + item("35,00 €", "10,00") << "56,46 €";
    QTest::newRow("a discount line subtracts")
        << item("100,00 €", "20,00") + item("-10,00 €", "20,00") << "108,00 €";
    QTest::newRow("incomplete last item ignored")
        << item("100,00 €", "20,00") + lines({"B", "Vis", "2", "abc"}) << "120,00 €";
    QTest::newRow("half cent to the even cent") << item("0,125 €", "0,00") << "0,12 €";
}

void DocumentTotalsTest::total() {
    QFETCH(QString, block);
    QFETCH(QString, shown);
    QCOMPARE(getcurstring(gettotal(block), MoneyFormat()), shown);
}

void DocumentTotalsTest::sameAsReader_data() {
    QTest::addColumn<QString>("block");
    QTest::newRow("empty") << QString();
    QTest::newRow("lone LF") << item("100,00 €", "20,00", "\n") + item("3,33 €", "5,50", "\n");
    QTest::newRow("lone CR") << item("100,00 €", "20,00", "\r");
    QTest::newRow("mixed breaks, CR CR LF")
        << QStringLiteral("a\r\r\nb\n\nc\r\n\n100,00 €\r\r\n20,00\n");
    QTest::newRow("last line without break") << item("100,00 €", "20,00").chopped(2);
    QTest::newRow("last line empty without break")
        << item("100,00 €", "20,00") + lines({"", "", "", "", "", ""});
    QTest::newRow("15 lines") << item("1,00 €", "20,00") + item("2,00 €", "20,00") +
                                     QStringLiteral("x");
    QTest::newRow("blanks and sign") << item("+12,5 €", " 20,00\t") + item("-0,00 €", "-0");
    QTest::newRow("exponent") << item("1,5E2 €", "2e1");
    QTest::newRow("more digits than held exactly")
        << item("12345678901234567890,123 €", "0,0000000000000000001");
    QTest::newRow("three decimals, no symbol") << item("4,990 ", "19,60");
    QTest::newRow("symbol after a word") << item("12,50 EUR", "7");
    QTest::newRow("comma alone") << item(", €", "20,00");
    QTest::newRow("two commas") << item("1,2,3 €", "20,00");
    QTest::newRow("no blank") << item("12,50", "20,00");
    QTest::newRow("leading blank") << item(" 12,50 €", "20,00");
    QTest::newRow("rate with percent") << item("12,50 €", "20 %");
    QTest::newRow("empty rate") << item("12,50 €", "");
    QTest::newRow("full stop") << item("12.50 €", "20,00");
    QTest::newRow("bad net and bad rate: the net is told") << item("x €", "y");
    QTest::newRow("second item bad") << item("1,00 €", "20,00") + item("zz €", "20,00");
    QTest::newRow("non-ASCII digits") << item("١٢ €", "20,00");
}

void DocumentTotalsTest::sameAsReader() {
    QFETCH(QString, block);
    const Outcome expected = outcome(readerTotal, block);
    for (Total total : inPlaceTotals) {
        const Outcome actual = outcome(total, block);
        QCOMPARE(actual.error, expected.error);
        QVERIFY2(std::memcmp(&actual.value, &expected.value, 10) == 0,
                 qPrintable(QStringLiteral("%1 instead of %2")
                                .arg(double(actual.value))
                                .arg(double(expected.value))));
    }
}

void DocumentTotalsTest::sameAsReaderWherever() {
    // Blocks longer than the part read at once, with every line break falling at every
    // place once: CR LF pairs split across parts, blank lines, lone breaks.
    const char* breaks[] = {"\r\n", "\n", "\r"};
    for (int shift = 0; shift < 24; ++shift) {
        QString block;
        for (int n = 0; n < 60; ++n) {
            const QString net = QString::number(n * 37 % 1000) +
                                QStringLiteral(",%1 €").arg(n % 100, 2, 10, QLatin1Char('0'));
            const QString lineBreak = QString::fromLatin1(breaks[(n + shift) % 3]);
            block += (n == 0 ? QString(shift, QLatin1Char('x')) : QStringLiteral("C")) + lineBreak;
            block += QStringLiteral("Plinthe chêne") + lineBreak + QStringLiteral("2") + lineBreak +
                     QStringLiteral("1,00 €") + lineBreak;
            block += net + QString::fromLatin1(breaks[n % 3]) + QStringLiteral("0,00 €\r\n");
            block += QString::number(n % 25) + QStringLiteral(",5") +
                     QString::fromLatin1(breaks[(n / 3) % 3]);
        }
        const Outcome expected = outcome(readerTotal, block);
        QCOMPARE(expected.error, QString());
        for (Total total : inPlaceTotals) {
            const Outcome actual = outcome(total, block);
            QCOMPARE(actual.error, QString());
            QVERIFY2(std::memcmp(&actual.value, &expected.value, 10) == 0, qPrintable(QString::number(shift)));
        }
    }
}

void DocumentTotalsTest::moneyTextSameAsFormatFixed() {
    // The totals' money text is written directly for usual amounts; it must be the text
    // of the general formatter for every amount, at both precisions and any symbol.
    const long double values[] = {
        0.0L,   -0.0L,  0.004L, -0.004L, -0.005L,    0.005L,       0.125L,
        2.345L, 17.96L, -12.5L, 172.75L, 99999.995L, 1e12L + 0.5L, 9.99999999999e12L,
        1e13L,  1e15L,  1e17L,  3e19L,   -7.2e18L,   1234567.8915L};
    for (const long double value : values) {
        for (const MoneyFormat& format : {MoneyFormat(), MoneyFormat::fromSettings("3", ""),
                                          MoneyFormat::fromSettings("2", "EUR")}) {
            QCOMPARE(getcurstring(value, format),
                     formatFixed(value, format.decimals) + QLatin1Char(' ') + format.symbol);
        }
    }
}

QTEST_APPLESS_MAIN(DocumentTotalsTest)
#include "test_document_totals.moc"
