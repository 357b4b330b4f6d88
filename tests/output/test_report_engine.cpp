// The report engine on its own: names kept unique, pages in print order, the page file
// keeping every property, and templates it refuses.
#include "platform/report/messages.h"
#include "platform/report/report.h"
#include "platform/report/report_output.h"
#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace vantrel::report;

namespace {

const QByteArray smallTemplate = R"({
  "format": "vantrel-report 1",
  "reports": [
    {"name": "Report1", "font": {"family": "Liberation Serif", "size": 11},
     "pages": [{"name": "Page1", "elements": [
        {"name": "title", "kind": "text", "left": 1, "top": 1, "width": 3, "height": 0.3, "font": {"bold": true}, "justify": "right", "text": "Bonjour"},
        {"name": "rowx1", "kind": "text", "left": 1, "top": 2, "width": 1, "height": 0.2},
        {"name": "rule", "kind": "line", "left": 0.5, "top": 3, "width": 7, "height": 0, "color": "#1f4e79", "lineWidth": 1.5}
     ]},
     {"name": "Last", "elements": []}]}
  ]
})";

QString write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
    return path;
}

} // namespace

class ReportEngineTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private Q_SLOTS:
    void findsAndDefaults() {
        ReportProject project = ReportProject::load(write(dir, "t.rav", smallTemplate));
        Page& page = project.findPage(QStringLiteral("Report1.Page1"));
        const Element& title = project.element(page, QStringLiteral("title"), Kind::Text);
        // Fields a template leaves out come from its report's font.
        QCOMPARE(title.font.family, QStringLiteral("Liberation Serif"));
        QCOMPARE(title.font.size, 11.0);
        QVERIFY(title.font.bold);
        QCOMPARE(title.justify, Justify::Right);
        QCOMPARE(project.element(page, QStringLiteral("rule"), Kind::Line).color,
                 QColor(0x1f, 0x4e, 0x79));

        const QString path = QDir::toNativeSeparators(project.path());
        auto message = [&](auto&& call) {
            try {
                call();
            } catch (const ReportError& e) {
                return e.message();
            }
            return QString();
        };
        QCOMPARE(message([&] { project.findPage(QStringLiteral("Report1.Page9")); }),
                 messages::pageMissing.arg(path, QStringLiteral("Report1.Page9")));
        QCOMPARE(message([&] { project.element(page, QStringLiteral("logo"), Kind::Bitmap); }),
                 messages::elementMissing.arg(path, QStringLiteral("logo")));
        QCOMPARE(
            message([&] { project.element(page, QStringLiteral("title"), Kind::Memo); }),
            messages::elementWrongKind.arg(path, QStringLiteral("title"), QStringLiteral("memo")));
        QCOMPARE(message([&] { project.select(QStringLiteral("Report2")); }),
                 messages::reportMissing.arg(path, QStringLiteral("Report2")));
    }

    // A requested name is kept while it is free, then numbered past every name the
    // report already holds.
    void uniqueNames() {
        ReportProject project = ReportProject::load(write(dir, "t.rav", smallTemplate));
        Report& report = project.select(QStringLiteral("Report1"));
        Page& page = report.pages.front();
        QStringList given;
        for (int i = 0; i < 4; ++i)
            given << report.create(page, Kind::Text, QStringLiteral("rowx"), 0, 0, 1, 1).name;
        QCOMPARE(given, (QStringList{"rowx", "rowx2", "rowx3", "rowx4"}));
        QCOMPARE(report.create(page, Kind::Line, QStringLiteral("title"), 0, 0, 1, 0).name,
                 QStringLiteral("title1"));
        // References to earlier elements survive later creations.
        Element& early = report.create(page, Kind::Text, QStringLiteral("early"), 0, 0, 1, 1);
        for (int i = 0; i < 500; ++i)
            report.create(page, Kind::Text, QStringLiteral("rowx"), 0, 0, 1, 1);
        early.text = QStringLiteral("toujours là");
        QCOMPARE(page.find(QStringLiteral("early"))->text, QStringLiteral("toujours là"));
    }

    void pagesInPrintOrder() {
        ReportProject project = ReportProject::load(write(dir, "t.rav", smallTemplate));
        Report& report = project.select(QStringLiteral("Report1"));
        Page& second = report.addPageAfter(report.pages.front(), QStringLiteral("mysecondpage"));
        report.addPageAfter(second, QStringLiteral("mypage3"));
        QStringList names;
        for (const Page& p : report.pages)
            names << p.name;
        QCOMPARE(names, (QStringList{"Page1", "mysecondpage", "mypage3", "Last"}));
    }

    // The page file keeps every property, so that the painting reads back exactly the
    // report that was filled.
    void pageFileRoundTrip() {
        Report report;
        report.name = QStringLiteral("Report1");
        report.title = QStringLiteral("Devis 042");
        report.creator = QStringLiteral("Vantrel 3");
        Page& page = report.pages.emplace_back();
        page.name = QStringLiteral("Page1");
        Element& text =
            report.create(page, Kind::Memo, QStringLiteral("memo"), 0.5, 9.35, 7.17, 0.8);
        text.font = Font{QStringLiteral("DejaVu Sans"), 8.5, true, true, true, true,
                         QColor(0x44, 0x44, 0x44)};
        text.justify = Justify::Center;
        text.text = QStringLiteral("Ligne 1\r\nLigne 2 — 40 € àéèçù, \"Le Clos\" C:\\dossier\tfin");
        Element& band =
            report.create(page, Kind::Rect, QStringLiteral("band"), 0.55, 3.05, 7.17, 0.27);
        band.fill = QColor(0x1f, 0x4e, 0x79);
        band.color = QColor();
        band.lineWidth = 0;
        Element& logo = report.create(page, Kind::Bitmap, QStringLiteral("bmp"), 3, 0.2, 2.5, 1);
        logo.image = QImage(5, 3, QImage::Format_ARGB32);
        logo.image.fill(QColor(10, 20, 30, 200));

        const QString path = dir.filePath(QStringLiteral("vantr-temp.ndr"));
        writePageFile(report, path);
        const Report back = readPageFile(path);
        QCOMPARE(back.title, report.title);
        QCOMPARE(back.creator, report.creator);
        QCOMPARE(back.pages.size(), size_t(1));
        const Element& m = back.pages.front().elements.at(0);
        QCOMPARE(m.kind, Kind::Memo);
        QCOMPARE(m.font, text.font);
        QCOMPARE(m.justify, Justify::Center);
        QCOMPARE(m.text, text.text);
        QCOMPARE((QList<double>{m.left, m.top, m.width, m.height}),
                 (QList<double>{0.5, 9.35, 7.17, 0.8}));
        const Element& b = back.pages.front().elements.at(1);
        QCOMPARE(b.fill, band.fill);
        QVERIFY(!b.color.isValid());
        QCOMPARE(b.lineWidth, 0.0);
        const Element& l = back.pages.front().elements.at(2);
        QCOMPARE(l.image.convertToFormat(QImage::Format_ARGB32), logo.image);
    }

    void refusedTemplates_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        QTest::newRow("cut short") << smallTemplate.left(120) << "";
        QTest::newRow("unknown kind") << QByteArray(smallTemplate).replace("\"line\"", "\"arrow\"")
                                      << "type « arrow » inconnu pour l'élément « rule »";
        QTest::newRow("same name twice")
            << QByteArray(smallTemplate).replace("\"rowx1\"", "\"title\"")
            << "l'élément « title » figure deux fois";
        QTest::newRow("no pages")
            << QByteArray(
                   R"({"format": "vantrel-report 1", "reports": [{"name": "Report1", "pages": []}]})")
            << "le rapport « Report1 » n'a aucune page";
    }
    void refusedTemplates() {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        const QString path = write(dir, "bad.rav", content);
        try {
            ReportProject::load(path);
            QFAIL("loaded");
        } catch (const ReportError& e) {
            const QString start =
                messages::templateDamaged.arg(QDir::toNativeSeparators(path), reason);
            QVERIFY2(e.message().startsWith(start), qPrintable(e.message()));
        }
    }

    // A text too wide for its element stops at its edge instead of running into the
    // next column: seen on the page as poppler draws it.
    void longTextsStayInTheirBox() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QSKIP("pdftoppm is not installed");
        Report report;
        report.name = QStringLiteral("Report1");
        Page& page = report.pages.emplace_back();
        page.name = QStringLiteral("Page1");
        Element& cell = report.create(page, Kind::Text, QStringLiteral("cell"), 1, 1, 1, 0.2);
        cell.text = QString(200, QLatin1Char('W'));
        const QString pdf = dir.filePath(QStringLiteral("long.pdf"));
        writePdf(report, pdf);
        QProcess tool;
        tool.start(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-r"), QStringLiteral("50"), QStringLiteral("-gray"), pdf,
                    dir.filePath(QStringLiteral("long"))});
        QVERIFY(tool.waitForFinished(60000) && tool.exitCode() == 0);
        const QImage sheet(dir.filePath(QStringLiteral("long-1.pgm")));
        QVERIFY(!sheet.isNull());
        auto inkBetween = [&](int fromX, int toX) {
            int ink = 0;
            for (int y = 48; y < 62; ++y)
                for (int x = fromX; x < toX; ++x)
                    ink += qGray(sheet.pixel(x, y)) < 160;
            return ink;
        };
        QVERIFY(inkBetween(50, 100) > 50); // 1 in to 2 in: the text
        QCOMPARE(inkBetween(102, 400), 0); // past 2 in: nothing
    }
};

QTEST_MAIN(ReportEngineTest)
#include "test_report_engine.moc"
