// Times laying out and exporting a 40-item invoice to PDF (template loaded and filled,
// page file written, PDF rendered from it), next to a bare QPdfWriter painting the same
// texts at the same places in the same fonts, measured in the same run.
#include "core/sql_quote.h"
#include "db/connection.h"
#include "output/document_output.h"
#include "platform/report/report.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace vantrel;

namespace {

constexpr int runs = 15;
constexpr int items = 40;

double medianMs(const std::function<void()>& work) {
    work(); // warms the font caches and the allocator
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void figure(const char* name, double ms) {
    std::printf("%s: median %.1f ms\n", name, ms);
}

QString quoted(const QString& text) {
    return QLatin1Char('\'') + gvs(text) + QLatin1Char('\'');
}

void makeCompanyFile(db::Connection& dqd) {
    dqd.exec(QStringLiteral(
        "CREATE TABLE Invoices15 (Num TEXT,Customer TEXT,Address TEXT,Dat TEXT,Tel TEXT,Fax "
        "TEXT,Email TEXT,"
        "Printed TEXT,Sent TEXT,Paid TEXT,Bottom TEXT,Notes TEXT,Articles TEXT,Total TEXT);"
        "CREATE TABLE Settings15 (Nom TEXT,Adresse TEXT,Email TEXT,Telephone TEXT,Fax TEXT,Siteweb "
        "TEXT,"
        "Monnaie TEXT,Taux TEXT,Logo TEXT,Decimals TEXT,Taux2 TEXT);"
        "CREATE TABLE Informations20 (Include_infos_check TEXT,Siret TEXT,Rcs TEXT,Naf "
        "TEXT,Tvaintra TEXT);"
        "CREATE TABLE Footer25 (Include_footer_check TEXT,Footer_text TEXT);"));
    dqd.exec(QStringLiteral("INSERT INTO Settings15 VALUES (") +
             QStringList{quoted("Menuiserie Lefèvre & Fils"),
                         quoted("12, rue des Ébénistes\r\nZone artisanale du Bois-Joli\r\n69400 "
                                "Villefranche-sur-Saône"),
                         quoted("contact@menuiserie-lefevre.fr"), quoted("04 74 65 32 10"),
                         quoted("04 74 65 32 11"), quoted(""), quoted("€"), quoted("20,00"),
                         quoted(""), quoted("2"), quoted("5,50")}
                 .join(',') +
             QStringLiteral(");"));
    dqd.exec(QStringLiteral(
        "INSERT INTO Informations20 VALUES ('True','512 345 678 00021','Villefranche B 512 345 "
        "678','1623Z','FR 41 512345678');"));
    dqd.exec(QStringLiteral("INSERT INTO Footer25 VALUES ('True',") +
             quoted("Paiement à 30 jours fin de mois.\r\nPénalités de retard : trois fois le taux "
                    "d'intérêt légal.") +
             QStringLiteral(");"));
    QString articles;
    for (int i = 1; i <= items; ++i) {
        const QString money = QString::number(i * 7) + QStringLiteral(",50 €");
        articles += QStringList{QStringLiteral("ART%1").arg(i, 3, 10, QLatin1Char('0')),
                                QStringLiteral("Fourniture et pose, lot n°%1").arg(i),
                                QStringLiteral("1"),
                                money,
                                money,
                                money,
                                QStringLiteral("20,00")}
                        .join(QStringLiteral("\r\n")) +
                    QStringLiteral("\r\n");
    }
    dqd.exec(
        QStringLiteral("INSERT INTO Invoices15 VALUES ('7','Société Dupont-Aignan SARL',") +
        quoted("27, avenue Général-Leclerc\r\n75014 Paris") +
        QStringLiteral(",'05/03/2021','','','','Non','Non','Non','Merci de votre confiance.','',") +
        quoted(articles) + QStringLiteral(",'');"));
}

// The baseline: the same texts painted straight onto a QPdfWriter, with no template,
// no page file and no layout.
void barePdf(const report::Report& filled, const QString& path) {
    QPdfWriter writer(path);
    writer.setResolution(1200);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    QPainter painter(&writer);
    const double dpi = writer.logicalDpiX();
    bool first = true;
    for (const report::Page& page : filled.pages) {
        if (!first)
            writer.newPage();
        first = false;
        for (const report::Element& e : page.elements) {
            if (e.kind != report::Kind::Text && e.kind != report::Kind::Memo)
                continue;
            if (e.text.trimmed().isEmpty())
                continue;
            QFont font(e.font.family);
            font.setPointSizeF(e.font.size);
            font.setBold(e.font.bold);
            font.setItalic(e.font.italic);
            painter.setFont(font);
            painter.drawText(
                QPointF(e.left * dpi, e.top * dpi + QFontMetricsF(font, &writer).ascent()), e.text);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    db::Connection dqd;
    dqd.create(dir.filePath(QStringLiteral("bench.vtdb")));
    makeCompanyFile(dqd);

    output::ReportRequest request;
    request.kind = output::DocumentKind::Invoice;
    request.number = QStringLiteral("7");
    request.templatePath =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("facture.rav"));
    request.money = MoneyFormat::fromSettings(QStringLiteral("2"), QStringLiteral("€"));

    const QString pdf = dir.filePath(QStringLiteral("facture.pdf"));
    const double exportMs = medianMs(
        [&] { output::exportDocument(dqd, request, pdf, QStringLiteral("vantr-temp.ndr")); });
    const report::Report filled = output::GenerateReport(dqd, request);
    const QString bare = dir.filePath(QStringLiteral("bare.pdf"));
    const double bareMs = medianMs([&] { barePdf(filled, bare); });

    figure("pdf_export", exportMs);
    figure("bare_qpdfwriter", bareMs);
    std::printf("ratio pdf_export: %.2f\n", exportMs / bareMs);
    return 0;
}
