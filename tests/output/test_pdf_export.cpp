// Real exports read back by poppler's and qpdf's tools: the texts a customer sees, the
// pages, the fonts and the document information, and what a failed export leaves.
#include "core/error.h"
#include "document_file.h"
#include "output/document_output.h"
#include "platform/report/report.h"
#include "platform/report/report_output.h"
#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using namespace vantrel;
using output::DocumentKind;

namespace {

struct Tool {
    int exitCode;
    QString output;
};

Tool run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return {-1, QStringLiteral("%1 did not finish").arg(program)};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAll())};
}

QString pdfText(const QString& pdf) {
    const Tool t =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"),
                                          QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    return t.exitCode == 0 ? t.output : QString();
}

// "Title:  Facture 007" and the like, from pdfinfo.
QString info(const QString& pdf, const QString& field) {
    for (const QString& line :
         run(QStringLiteral("pdfinfo"), {pdf}).output.split(QLatin1Char('\n')))
        if (line.startsWith(field + QLatin1Char(':')))
            return line.mid(field.size() + 1).trimmed();
    return {};
}

} // namespace

class PdfExportTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::DocumentFile> file;
    QString previousFolder;

    output::ReportRequest request(const QString& number,
                                  DocumentKind kind = DocumentKind::Invoice) {
        output::ReportRequest r;
        r.kind = kind;
        r.number = number;
        r.templatePath = QDir(testing::binDir()).filePath(QStringLiteral("facture.rav"));
        r.logo = testing::sampleLogo();
        return r;
    }
    QString inFolder(const QString& name) const { return file->dir.filePath(name); }

    void exportTo(const output::ReportRequest& r, const QString& pdf) {
        output::exportDocument(file->dqd, r, pdf, QStringLiteral("vantr-temp.ndr"));
    }

private Q_SLOTS:
    void initTestCase() {
        for (const char* tool : {"pdftotext", "pdfinfo", "pdffonts", "qpdf"})
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(QLatin1String(tool))));
        previousFolder = QDir::currentPath();
    }

    void init() {
        file = std::make_unique<testing::DocumentFile>();
        file->fullCompany();
        // The page file goes to the current folder.
        QDir::setCurrent(file->dir.path());
    }

    void cleanup() { QDir::setCurrent(previousFolder); }

    void invoiceReadsBack() {
        file->invoice(
            QStringLiteral("7"), QStringLiteral("Société Dupont-Aignan SARL"),
            QStringLiteral("27, avenue Général-Leclerc\r\n75014 Paris"),
            testing::storedItem(QStringLiteral("ART012"), QStringLiteral("Porte chêne massif"),
                                QStringLiteral("1"), QStringLiteral("100,00 €"),
                                QStringLiteral("100,00 €"), QStringLiteral("20,00")) +
                testing::storedItem(QString(), QStringLiteral("Joint d'étanchéité"),
                                    QStringLiteral("2"), QStringLiteral("25,00 €"),
                                    QStringLiteral("50,00 €"), QStringLiteral("5,50")),
            QStringLiteral(
                "Àâäçéèêëîïôöùûüÿœæ ÉÈÊËÎÏÔÖÙÛÜŸŒÆ — règlement à réception, 0 € d'escompte."));
        const QString pdf = inFolder(QStringLiteral("Facture_05-03-2021_Dupont.pdf"));
        exportTo(request(QStringLiteral("7")), pdf);

        // Runs of blanks read back as one.
        const QString text = pdfText(pdf).simplified();
        for (const QString& expected :
             {QStringLiteral("Facture"),
              QStringLiteral("007"),
              QStringLiteral("05/03/2021"),
              QStringLiteral("Société Dupont-Aignan SARL"),
              QStringLiteral("27, avenue Général-Leclerc"),
              QStringLiteral("Menuiserie Lefèvre & Fils"),
              QStringLiteral("69400 Villefranche-sur-Saône"),
              QStringLiteral("Fax :"),
              QStringLiteral("04 74 65 32 11"),
              QStringLiteral("ART012"),
              QStringLiteral("Porte chêne massif"),
              QStringLiteral("Joint d'étanchéité"),
              QStringLiteral("25,00 €"),
              QStringLiteral("5,50"),
              QStringLiteral("Total HT :"),
              QStringLiteral("150,00 €"),
              QStringLiteral("22,75 €"),
              QStringLiteral("Total TTC à payer :"),
              QStringLiteral("172,75 €"),
              QStringLiteral("SIRET : 512 345 678 00021  -  NAF : 1623Z"),
              QStringLiteral("Pénalités de retard"),
              QStringLiteral(
                  "Àâäçéèêëîïôöùûüÿœæ ÉÈÊËÎÏÔÖÙÛÜŸŒÆ — règlement à réception, 0 € d'escompte.")})
            QVERIFY2(text.contains(expected.simplified()),
                     qPrintable(expected + QStringLiteral(" not in: ") + text));

        const Tool check = run(QStringLiteral("qpdf"), {QStringLiteral("--check"), pdf});
        QVERIFY2(check.exitCode == 0, qPrintable(check.output));
        QCOMPARE(info(pdf, QStringLiteral("Title")), QStringLiteral("Facture 007"));
        QCOMPARE(info(pdf, QStringLiteral("Creator")), QStringLiteral("Vantrel 3"));
        QCOMPARE(info(pdf, QStringLiteral("Pages")), QStringLiteral("1"));
        QVERIFY(info(pdf, QStringLiteral("Page size")).endsWith(QLatin1String("(A4)")));

        // Every font is embedded: the document looks the same on the customer's machine.
        const QStringList fonts = run(QStringLiteral("pdffonts"), {pdf})
                                      .output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                      .mid(2);
        QVERIFY(!fonts.isEmpty());
        for (const QString& font : fonts)
            QVERIFY2(font.contains(QLatin1String(" yes ")), qPrintable(font));
        QVERIFY(QFile::exists(QStringLiteral("vantr-temp.ndr")));
    }

    // Long documents continue on further pages; every page passes qpdf's check and the
    // last row is printed.
    void pages_data() {
        QTest::addColumn<int>("items");
        QTest::addColumn<int>("pages");
        QTest::newRow("none") << 0 << 1;
        QTest::newRow("21") << 21 << 1;
        QTest::newRow("22") << 22 << 2;
        QTest::newRow("45") << 45 << 2;
        QTest::newRow("80") << 80 << 3;
    }
    void pages() {
        QFETCH(int, items);
        QFETCH(int, pages);
        file->quote(QStringLiteral("12"), QStringLiteral("Durand"), QStringLiteral("1 rue X"),
                    testing::numberedItems(items));
        const QString pdf = inFolder(QStringLiteral("devis.pdf"));
        exportTo(request(QStringLiteral("12"), DocumentKind::Quote), pdf);
        QCOMPARE(info(pdf, QStringLiteral("Pages")), QString::number(pages));
        QCOMPARE(info(pdf, QStringLiteral("Title")), QStringLiteral("Devis 012"));
        const Tool check = run(QStringLiteral("qpdf"), {QStringLiteral("--check"), pdf});
        QVERIFY2(check.exitCode == 0, qPrintable(check.output));
        const QString text = pdfText(pdf);
        QVERIFY(text.contains(QStringLiteral("Total TTC :")));
        if (items > 0) {
            const QString last = QStringLiteral("R%1 ").arg(items);
            QVERIFY2(text.contains(last) && text.contains(QStringLiteral("%1,00 €").arg(items)),
                     qPrintable(text));
        }
    }

    // Each export writes the page file anew.
    void pageFileIsOverwritten() {
        file->invoice(QStringLiteral("1"), QStringLiteral("Premier client"), QString(), QString());
        file->invoice(QStringLiteral("2"), QStringLiteral("Second client"), QString(), QString());
        exportTo(request(QStringLiteral("1")), inFolder(QStringLiteral("a.pdf")));
        QVERIFY(testing::fileBytes(QStringLiteral("vantr-temp.ndr")).contains("Premier client"));
        exportTo(request(QStringLiteral("2")), inFolder(QStringLiteral("b.pdf")));
        const QByteArray page = testing::fileBytes(QStringLiteral("vantr-temp.ndr"));
        QVERIFY(page.contains("Second client") && !page.contains("Premier client"));
        // The page file is a report the engine reads back whole, logo included.
        const report::Report back = report::readPageFile(QStringLiteral("vantr-temp.ndr"));
        QCOMPARE(back.pages.front().find(QStringLiteral("bmp"))->image.size(), QSize(240, 96));
    }

    // A PDF that cannot be written names its file; an export that fails leaves the file
    // that was there untouched.
    void failedExports() {
        file->invoice(QStringLiteral("7"), QStringLiteral("Dupont"), QString(),
                      testing::numberedItems(1));
        const QString nowhere = inFolder(QStringLiteral("pas de dossier/facture.pdf"));
        try {
            exportTo(request(QStringLiteral("7")), nowhere);
            QFAIL("exported");
        } catch (const report::ReportError& e) {
            QVERIFY2(
                e.message().startsWith(
                    QStringLiteral("Le fichier PDF « %1 » ne peut pas être écrit").arg(nowhere)),
                qPrintable(e.message()));
        }
        QVERIFY(!QFile::exists(nowhere));

        const QString existing = inFolder(QStringLiteral("ancienne.pdf"));
        exportTo(request(QStringLiteral("7")), existing);
        const QByteArray before = testing::fileBytes(existing);
        file->invoice(QStringLiteral("8"), QStringLiteral("Dupont"), QString(),
                      testing::storedItem("A", "Porte", "1", "x", "cent €", "20,00"));
        QVERIFY_THROWS_EXCEPTION(ConversionError, exportTo(request(QStringLiteral("8")), existing));
        QCOMPARE(testing::fileBytes(existing), before);
    }
};

QTEST_MAIN(PdfExportTest)
#include "test_pdf_export.moc"
