// Small stored forms: SQL quoting, flag words and date texts.
#include "core/date_text.h"
#include "core/error.h"
#include "core/flags.h"
#include "core/sql_quote.h"

#include <QTest>

using namespace vantrel;

class StoredWordsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void quoting_data();
    void quoting();
    void flagWords_data();
    void flagWords();
    void settingsFlagWords_data();
    void settingsFlagWords();
    void dateWritten_data();
    void dateWritten();
    void dateRead_data();
    void dateRead();
    void dateRefused_data();
    void dateRefused();
};

void StoredWordsTest::quoting_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("quoted");
    QTest::newRow("two apostrophes") << "l'article d'abord"
                                     << "l''article d''abord";
    QTest::newRow("apostrophes side by side") << "''"
                                              << "''''";
    QTest::newRow("apostrophes at both ends") << "'été'"
                                              << "''été''";
    QTest::newRow("blanks kept") << "  a  "
                                 << "  a  ";
    QTest::newRow("double quote and backslash kept") << "\"C:\\Factures\""
                                                     << "\"C:\\Factures\"";
    QTest::newRow("line breaks kept") << "a\r\nb"
                                      << "a\r\nb";
    QTest::newRow("empty") << ""
                           << "";
}

void StoredWordsTest::quoting() {
    QFETCH(QString, text);
    QFETCH(QString, quoted);
    QCOMPARE(gvs(text), quoted);
}

void StoredWordsTest::flagWords_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("set");
    QTest::newRow("Oui") << "Oui" << true;
    QTest::newRow("oui") << "oui" << false;
    QTest::newRow("OUI") << "OUI" << false;
    QTest::newRow("Non") << "Non" << false;
    QTest::newRow("blank before") << " Oui" << false;
    QTest::newRow("blank after") << "Oui " << false;
    QTest::newRow("True") << "True" << false;
    QTest::newRow("empty") << "" << false;
}

void StoredWordsTest::flagWords() {
    QFETCH(QString, stored);
    QFETCH(bool, set);
    QCOMPARE(isFlagSet(stored), set);
    // A check box saved again writes one of the two words only.
    QCOMPARE(flagWord(isFlagSet(stored)), set ? QStringLiteral("Oui") : QStringLiteral("Non"));
}

void StoredWordsTest::settingsFlagWords_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("set");
    QTest::newRow("True") << "True" << true;
    QTest::newRow("true") << "true" << false;
    QTest::newRow("False") << "False" << false;
    QTest::newRow("Oui") << "Oui" << false;
    QTest::newRow("empty") << "" << false;
}

void StoredWordsTest::settingsFlagWords() {
    QFETCH(QString, stored);
    QFETCH(bool, set);
    QCOMPARE(isSettingsFlagSet(stored), set);
    QCOMPARE(settingsFlagWord(isSettingsFlagSet(stored)),
             set ? QStringLiteral("True") : QStringLiteral("False"));
}

void StoredWordsTest::dateWritten_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");
    QTest::newRow("padded day and month") << QDate(2026, 1, 5) << "05/01/2026";
    QTest::newRow("end of year") << QDate(2025, 12, 31) << "31/12/2025";
    QTest::newRow("leap day") << QDate(2024, 2, 29) << "29/02/2024";
}

void StoredWordsTest::dateWritten() {
    QFETCH(QDate, date);
    QFETCH(QString, text);
    QCOMPARE(dateText(date), text);
    // The month filters match the last eight characters: "/", month, "/", year.
    QCOMPARE(text.right(8),
             QStringLiteral("/%1/%2").arg(date.month(), 2, 10, QLatin1Char('0')).arg(date.year()));
    QCOMPARE(readDateText(text), std::optional<QDate>(date));
}

void StoredWordsTest::dateRead_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("hasDate");
    QTest::addColumn<QDate>("date");
    QTest::newRow("stored form") << "11/12/2026" << true << QDate(2026, 12, 11);
    QTest::newRow("blanks around") << "  11/12/2026 " << true << QDate(2026, 12, 11);
    QTest::newRow("empty keeps the picker") << "" << false << QDate();
    QTest::newRow("blank keeps the picker") << "   " << false << QDate();
}

void StoredWordsTest::dateRead() {
    QFETCH(QString, stored);
    QFETCH(bool, hasDate);
    QFETCH(QDate, date);
    const std::optional<QDate> read = readDateText(stored);
    QCOMPARE(read.has_value(), hasDate);
    if (hasDate)
        QCOMPARE(*read, date);
}

void StoredWordsTest::dateRefused_data() {
    QTest::addColumn<QString>("stored");
    QTest::newRow("no such day") << "31/02/2026";
    QTest::newRow("month 13") << "01/13/2026";
    QTest::newRow("dashes") << "2026-12-11";
    QTest::newRow("words") << "hier";
}

void StoredWordsTest::dateRefused() {
    QFETCH(QString, stored);
    try {
        readDateText(stored);
        QFAIL("the text was read as a date");
    } catch (const ConversionError& error) {
        QCOMPARE(error.message(),
                 QStringLiteral("'") + stored + QStringLiteral("' n'est pas une date correcte"));
    }
}

QTEST_APPLESS_MAIN(StoredWordsTest)
#include "test_stored_words.moc"
