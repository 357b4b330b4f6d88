// How the program's file filters and message texts are handed to the desktop dialogs.
#include "platform/prompts.h"

#include <QTest>

using namespace vantrel::platform;

class PromptTextsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void nameFilters_data();
    void nameFilters();
    void messageLines_data();
    void messageLines();
};

void PromptTextsTest::nameFilters_data() {
    QTest::addColumn<QString>("pipeFilter");
    QTest::addColumn<QString>("qtFilter");
    QTest::newRow("database") << "Base de données Vantrel (*.vtdb)|*.vtdb"
                              << "Base de données Vantrel (*.vtdb)";
    QTest::newRow("backup") << "Sauvegarde Vantrel (*.vtbk)|*.vtbk"
                            << "Sauvegarde Vantrel (*.vtbk)";
    QTest::newRow("pattern not named") << "Fichiers PDF|*.pdf"
                                       << "Fichiers PDF (*.pdf)";
    QTest::newRow("two entries") << "Base de données Vantrel (*.vtdb)|*.vtdb|Tous les fichiers|*.*"
                                 << "Base de données Vantrel (*.vtdb);;Tous les fichiers (*.*)";
    QTest::newRow("several patterns") << "Images|*.bmp;*.jpg;*.png"
                                      << "Images (*.bmp *.jpg *.png)";
    QTest::newRow("description without pattern") << "Base|*.vtdb|Reste"
                                                 << "Base (*.vtdb)";
    QTest::newRow("empty") << ""
                           << "";
}

void PromptTextsTest::nameFilters() {
    QFETCH(QString, pipeFilter);
    QFETCH(QString, qtFilter);
    QCOMPARE(qtNameFilters(pipeFilter), qtFilter);
}

void PromptTextsTest::messageLines_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("lines");
    QTest::newRow("CR") << "La base de données a été créée et ouverte.\r\rNote: veuillez garder"
                        << "La base de données a été créée et ouverte.\n\nNote: veuillez garder";
    QTest::newRow("CR LF") << "a\r\nb"
                           << "a\nb";
    QTest::newRow("LF") << "a\nb"
                        << "a\nb";
    QTest::newRow("CR LF then CR") << "a\r\n\rb"
                                   << "a\n\nb";
    QTest::newRow("LF CR is two breaks") << "a\n\rb"
                                         << "a\n\nb";
    QTest::newRow("trailing CR") << "a\r"
                                 << "a\n";
    QTest::newRow("no break") << "Erreur lors de l'ouverture."
                              << "Erreur lors de l'ouverture.";
}

void PromptTextsTest::messageLines() {
    QFETCH(QString, text);
    QFETCH(QString, lines);
    QCOMPARE(screenLines(text), lines);
}

QTEST_APPLESS_MAIN(PromptTextsTest)
#include "test_prompt_texts.moc"
