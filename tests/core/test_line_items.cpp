// The line-item block of a document: how the line-item dialog computes a line, how the
// block is written and read, and the two totals (stored and recomputed).
#include "core/document_total.h"
#include "core/error.h"
#include "core/line_items.h"
#include "core/money.h"

#include <QTest>

using namespace vantrel;

namespace {

const QString crlf = QStringLiteral("\r\n");

// Every line followed by CR LF, as a stored block.
QString block(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + crlf;
    return text;
}

} // namespace

class LineItemsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void workedExample_data();
    void workedExample();
    void totalsRoundDifferently();
    void discountLine();
    void emptyDocument();
    void unitPriceAsShown_data();
    void unitPriceAsShown();
    void unreadableFieldStopsTheLine_data();
    void unreadableFieldStopsTheLine();
    void unreadableLineStopsTheTotal_data();
    void unreadableLineStopsTheTotal();
    void splitLines_data();
    void splitLines();
    void incompleteItemIsDropped_data();
    void incompleteItemIsDropped();
};

void LineItemsTest::workedExample_data() {
    QTest::addColumn<QString>("decimals");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("total");
    QTest::newRow("two decimals") << "2"
                                  << QStringList{"A7",      "Câble 2 m", "3",       "4,99 €",
                                                 "14,97 €", "17,96 €",   "20,00",   "",
                                                 "Pose",    "1",         "35,00 €", "35,00 €",
                                                 "38,50 €", "10,00"}
                                  << "56,46 €";
    QTest::newRow("three decimals")
        << "3" << QStringList{"A7", "Câble 2 m", "3", "4,990 €",  "14,970 €", "17,960 €", "20,00",
                              "",   "Pose",      "1", "35,000 €", "35,000 €", "38,500 €", "10,00"}
        << "56,460 €";
}

void LineItemsTest::workedExample() {
    QFETCH(QString, decimals);
    QFETCH(QStringList, lines);
    QFETCH(QString, total);
    const MoneyFormat format = MoneyFormat::fromSettings(decimals, QStringLiteral("€"));

    const QList<LineItem> items{
        makeLineItem(QStringLiteral("A7"), QStringLiteral("Câble 2 m"), QStringLiteral("3"), 4.99L,
                     QStringLiteral("20,00"), format),
        makeLineItem(QString(), QStringLiteral("Pose"), QStringLiteral("1"), 35.0L,
                     QStringLiteral("10,00"), format),
    };
    const QString stored = writeLineItems(items);
    QCOMPARE(stored, block(lines));
    QCOMPARE(getcurstring(storedTotal(items), format), total);

    // Read back, the block gives the same items and the list shows the same total.
    QCOMPARE(readLineItems(stored), items);
    QCOMPARE(getcurstring(gettotal(stored), format), total);
}

void LineItemsTest::totalsRoundDifferently() {
    // Each gross amount 1,875 is rounded to 1,88 before the stored total adds them;
    // the recomputed total rounds the exact sum 3,75 once.
    const MoneyFormat format = MoneyFormat::fromSettings(QStringLiteral("2"), QStringLiteral("€"));
    const LineItem item = makeLineItem(QStringLiteral("X"), QStringLiteral("Demi-taux"),
                                       QStringLiteral("1"), 1.25L, QStringLiteral("50,00"), format);
    QCOMPARE(item.gross, QStringLiteral("1,88 €"));
    const QList<LineItem> items{item, item};
    QCOMPARE(getcurstring(storedTotal(items), format), QStringLiteral("3,76 €"));
    QCOMPARE(getcurstring(gettotal(writeLineItems(items)), format), QStringLiteral("3,75 €"));
}

void LineItemsTest::discountLine() {
    const MoneyFormat format = MoneyFormat::fromSettings(QStringLiteral("2"), QStringLiteral("€"));
    const LineItem sale = makeLineItem(QStringLiteral("B1"), QStringLiteral("Boîte"),
                                       QStringLiteral("2"), 25.0L, QStringLiteral("20,00"), format);
    const LineItem discount =
        makeLineItem(QString(), QStringLiteral("Remise fidélité"), QStringLiteral("1"), -10.0L,
                     QStringLiteral("20,00"), format);
    QCOMPARE(discount.unitPrice, QStringLiteral("-10,00 €"));
    QCOMPARE(discount.net, QStringLiteral("-10,00 €"));
    QCOMPARE(discount.gross, QStringLiteral("-12,00 €"));
    const QList<LineItem> items{sale, discount};
    QCOMPARE(getcurstring(storedTotal(items), format), QStringLiteral("48,00 €"));
    QCOMPARE(getcurstring(gettotal(writeLineItems(items)), format), QStringLiteral("48,00 €"));
}

void LineItemsTest::emptyDocument() {
    const MoneyFormat format = MoneyFormat::fromSettings(QStringLiteral("2"), QStringLiteral("€"));
    QCOMPARE(writeLineItems({}), QString());
    QVERIFY(readLineItems(QString()).isEmpty());
    QCOMPARE(getcurstring(storedTotal({}), format), QStringLiteral("0,00 €"));
    QVERIFY(gettotal(QString()) == 0.0L);
}

void LineItemsTest::unitPriceAsShown_data() {
    // The price field holds more decimals while being edited; the line is computed
    // from the price it shows, so that quantity x unit price text gives the net text.
    QTest::addColumn<QString>("decimals");
    QTest::addColumn<QString>("unitPrice");
    QTest::addColumn<QString>("net");
    QTest::addColumn<QString>("gross");
    QTest::newRow("two decimals") << "2"
                                  << "4,99 €"
                                  << "14,97 €"
                                  << "17,96 €";
    QTest::newRow("three decimals") << "3"
                                    << "4,994 €"
                                    << "14,982 €"
                                    << "17,980 €";
}

void LineItemsTest::unitPriceAsShown() {
    QFETCH(QString, decimals);
    QFETCH(QString, unitPrice);
    QFETCH(QString, net);
    QFETCH(QString, gross);
    const MoneyFormat format = MoneyFormat::fromSettings(decimals, QStringLiteral("€"));
    const LineItem item =
        makeLineItem(QStringLiteral("A7"), QStringLiteral("Câble"), QStringLiteral("3"), 4.9944L,
                     QStringLiteral("20,00"), format);
    QCOMPARE(item.unitPrice, unitPrice);
    QCOMPARE(item.net, net);
    QCOMPARE(item.gross, gross);
}

void LineItemsTest::unreadableFieldStopsTheLine_data() {
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("failedText");
    QTest::newRow("quantity with a unit") << "3 pcs"
                                          << "20,00"
                                          << "3 pcs";
    QTest::newRow("empty quantity") << ""
                                    << "20,00"
                                    << "";
    QTest::newRow("rate with percent sign") << "3"
                                            << "20%"
                                            << "20%";
}

void LineItemsTest::unreadableFieldStopsTheLine() {
    QFETCH(QString, quantity);
    QFETCH(QString, rate);
    QFETCH(QString, failedText);
    const MoneyFormat format = MoneyFormat::fromSettings(QStringLiteral("2"), QStringLiteral("€"));
    try {
        makeLineItem(QStringLiteral("A7"), QStringLiteral("Câble"), quantity, 4.99L, rate, format);
        QFAIL("the line was computed");
    } catch (const ConversionError& error) {
        QCOMPARE(error.message(),
                 QStringLiteral("'") + failedText +
                     QStringLiteral("' n'est pas une valeur en virgule flottante correcte"));
    }
}

void LineItemsTest::unreadableLineStopsTheTotal_data() {
    QTest::addColumn<QString>("net");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("failedText");
    QTest::newRow("net without blank") << "14,97€"
                                       << "20,00"
                                       << "";
    QTest::newRow("net with full stop") << "14.97 €"
                                        << "20,00"
                                        << "14.97";
    QTest::newRow("empty rate") << "14,97 €"
                                << ""
                                << "";
    QTest::newRow("rate with percent sign") << "14,97 €"
                                            << "20,00 %"
                                            << "20,00 %";
}

void LineItemsTest::unreadableLineStopsTheTotal() {
    QFETCH(QString, net);
    QFETCH(QString, rate);
    QFETCH(QString, failedText);
    const QString stored = block({"A7", "Câble", "3", "4,99 €", net, "17,96 €", rate});
    try {
        gettotal(stored);
        QFAIL("the total was computed");
    } catch (const ConversionError& error) {
        QCOMPARE(error.message(),
                 QStringLiteral("'") + failedText +
                     QStringLiteral("' n'est pas une valeur en virgule flottante correcte"));
    }
}

void LineItemsTest::splitLines_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("no break") << "A" << QStringList{"A"};
    QTest::newRow("trailing CR LF") << "A\r\n" << QStringList{"A"};
    QTest::newRow("trailing CR") << "A\r" << QStringList{"A"};
    QTest::newRow("trailing LF") << "A\n" << QStringList{"A"};
    QTest::newRow("every kind of break") << "A\rB\nC\r\nD" << QStringList{"A", "B", "C", "D"};
    QTest::newRow("one empty line") << "\r\n" << QStringList{""};
    QTest::newRow("empty line inside") << "A\r\n\r\nB\r\n" << QStringList{"A", "", "B"};
    QTest::newRow("empty last line") << "A\r\n\r\n" << QStringList{"A", ""};
    QTest::newRow("LF then CR is two breaks") << "A\n\rB" << QStringList{"A", "", "B"};
    QTest::newRow("CR CR LF is two breaks") << "A\r\r\nB" << QStringList{"A", "", "B"};
    QTest::newRow("blanks are kept") << " A \r\n  " << QStringList{" A ", "  "};
}

void LineItemsTest::splitLines() {
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(splitStoredLines(text), lines);
}

void LineItemsTest::incompleteItemIsDropped_data() {
    const QStringList first{"A7", "Câble 2 m", "3", "4,99 €", "14,97 €", "17,96 €", "20,00"};
    const QStringList second{"", "Pose", "1", "35,00 €", "35,00 €", "38,50 €", "10,00"};
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("items");
    QTest::addColumn<QString>("total");
    QTest::newRow("15 lines") << block(first + second + QStringList{"B2"}) << 2 << "56,46 €";
    QTest::newRow("13 lines") << block(first + second.mid(0, 6)) << 1 << "17,96 €";
    QTest::newRow("6 lines") << block(first.mid(0, 6)) << 0 << "0,00 €";
    QTest::newRow("LF breaks, no break at the end")
        << (first + second).join(QLatin1Char('\n')) << 2 << "56,46 €";
    QTest::newRow("CR breaks") << (first + second).join(QLatin1Char('\r')) + QLatin1Char('\r') << 2
                               << "56,46 €";
}

void LineItemsTest::incompleteItemIsDropped() {
    QFETCH(QString, text);
    QFETCH(int, items);
    QFETCH(QString, total);
    const MoneyFormat format = MoneyFormat::fromSettings(QStringLiteral("2"), QStringLiteral("€"));
    const QList<LineItem> read = readLineItems(text);
    QCOMPARE(read.size(), items);
    if (items > 0) {
        QCOMPARE(read.first().code, QStringLiteral("A7"));
        QCOMPARE(read.first().rate, QStringLiteral("20,00"));
        QCOMPARE(read.last().rate, items == 2 ? QStringLiteral("10,00") : QStringLiteral("20,00"));
    }
    QCOMPARE(getcurstring(gettotal(text), format), total);
    // The next save writes only the complete items.
    QCOMPARE(splitStoredLines(writeLineItems(read)).size(), items * lineItemFieldCount);
}

QTEST_APPLESS_MAIN(LineItemsTest)
#include "test_line_items.moc"
