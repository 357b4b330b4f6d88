// The filled report model: which element gets which text, where the rows and rules
// go, the totals, and how a template or a document that cannot be filled is reported.
#include "core/error.h"
#include "document_file.h"
#include "output/generate_report.h"
#include "platform/report/messages.h"
#include "platform/report/report.h"
#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <functional>

using namespace vantrel;
using output::DocumentKind;
using report::Element;
using report::Kind;
using report::Report;

Q_DECLARE_METATYPE(DocumentKind)

namespace {

QString shippedTemplate() {
    return QDir(testing::binDir()).filePath(QStringLiteral("facture.rav"));
}

bool near(double a, double b) {
    return std::abs(a - b) < 1e-9;
}

const Element& on(const Report& report, const QString& page, const QString& name) {
    static const Element none;
    for (const report::Page& p : report.pages)
        if (p.name == page)
            if (const Element* e = p.find(name))
                return *e;
    QTest::qFail(qPrintable(QStringLiteral("no %1 on %2").arg(name, page)), __FILE__, __LINE__);
    return none;
}

const Element& first(const Report& report, const QString& name) {
    return on(report, QStringLiteral("Page1"), name);
}

// The name the engine gives to the k-th element requested as `requested`.
QString numbered(const QString& requested, int k) {
    return k == 0 ? requested : requested + QString::number(k);
}

const QStringList rowNames = {"itemcodex", "itemdescx", "itemquantx",
                              "itemunitx", "itemnetx",  "itemtvax"};
const QStringList modelNames = {"itemcode", "itemdesc", "itemquant",
                                "itemunit", "itemnet",  "itemtva"};

} // namespace

class GenerateReportTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::DocumentFile> file;
    QTemporaryDir scratch;
    Report shipped; // the template as stored, for the model positions

    output::ReportRequest request(DocumentKind kind = DocumentKind::Invoice,
                                  const QString& number = QStringLiteral("7")) {
        output::ReportRequest r;
        r.kind = kind;
        r.number = number;
        r.templatePath = shippedTemplate();
        return r;
    }

    Report fill(const output::ReportRequest& r) { return output::GenerateReport(file->dqd, r); }
    Report fill() { return fill(request()); }

    // A copy of the shipped template changed by `change`, written in the scratch folder.
    QString templateWith(const std::function<void(Report&)>& change) {
        Report changed =
            report::ReportProject::load(shippedTemplate()).select(QStringLiteral("Report1"));
        change(changed);
        const QString path = scratch.filePath(QStringLiteral("changed.rav"));
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write the changed template");
        out.write(report::reportToJson(changed));
        return path;
    }

private Q_SLOTS:
    void initTestCase() {
        shipped = report::ReportProject::load(shippedTemplate()).select(QStringLiteral("Report1"));
    }

    void init() {
        file = std::make_unique<testing::DocumentFile>();
        file->fullCompany();
    }

    void headings_data() {
        QTest::addColumn<DocumentKind>("kind");
        QTest::addColumn<QStringList>(
            "expected"); // smallhead, head, soustotalcase, totalcase, title
        QTest::newRow("invoice") << DocumentKind::Invoice
                                 << QStringList{"Facture n°", "Facture",
                                                "Total HT :", "Total TTC à payer :", "Facture 007"};
        QTest::newRow("quote") << DocumentKind::Quote
                               << QStringList{"Devis n°", "Devis",
                                              "Total HT :", "Total TTC :", "Devis 007"};
    }
    void headings() {
        QFETCH(DocumentKind, kind);
        QFETCH(QStringList, expected);
        file->invoice(QStringLiteral("7"), QStringLiteral("Facturé"), QString(), QString());
        file->quote(QStringLiteral("7"), QStringLiteral("Devisé"), QString(), QString());
        const Report r = fill(request(kind));
        QCOMPARE((QStringList{first(r, "smallhead").text, first(r, "head").text,
                              first(r, "soustotalcase").text, first(r, "totalcase").text, r.title}),
                 expected);
        // Each kind reads its own table.
        QCOMPARE(first(r, "CustName").text, kind == DocumentKind::Invoice
                                                ? QStringLiteral("Facturé")
                                                : QStringLiteral("Devisé"));
        QCOMPARE(r.creator, QStringLiteral("Vantrel 3"));
    }

    // Rows on the first page at the models' tops 0.2 apart, then on continuation pages
    // from 0.5 down, each page between its two rules; bl under the last first-page row.
    void rows_data() {
        QTest::addColumn<int>("items");
        QTest::addColumn<QStringList>("pages");
        QTest::newRow("none") << 0 << QStringList{"Page1"};
        QTest::newRow("one") << 1 << QStringList{"Page1"};
        QTest::newRow("first page full") << 21 << QStringList{"Page1"};
        QTest::newRow("one row over") << 22 << QStringList{"Page1", "mysecondpage"};
        QTest::newRow("forty") << 40 << QStringList{"Page1", "mysecondpage"};
        QTest::newRow("second page full") << 73 << QStringList{"Page1", "mysecondpage"};
        QTest::newRow("eighty") << 80 << QStringList{"Page1", "mysecondpage", "mypage3"};
    }
    void rows() {
        QFETCH(int, items);
        QFETCH(QStringList, pages);
        file->invoice(QStringLiteral("7"), QStringLiteral("Dupont"), QString(),
                      testing::numberedItems(items));
        const Report r = fill();

        QStringList names;
        for (const report::Page& p : r.pages)
            names << p.name;
        QCOMPARE(names, pages);
        const int perPage = output::continuationRows(r);
        QCOMPARE(perPage, 52);

        const Element& bl = first(r, "bl");
        const Element& templateBl = *shipped.pages.front().find(QStringLiteral("bl"));
        for (int i = 0; i < items; ++i) {
            const bool onFirst = i < 21;
            const int page = onFirst ? 0 : 1 + (i - 21) / perPage;
            const int onPage = onFirst ? i : (i - 21) % perPage;
            for (int column = 0; column < 6; ++column) {
                const Element& model = *shipped.pages.front().find(modelNames[column]);
                const Element& cell = on(r, pages[page], numbered(rowNames[column], i));
                QCOMPARE(cell.kind, Kind::Text);
                const double top = onFirst ? model.top + 0.2 * onPage : 0.2 * onPage + 0.5;
                if (!near(cell.top, top))
                    QFAIL(qPrintable(QStringLiteral("item %1 %2 at %3, not %4")
                                         .arg(i)
                                         .arg(rowNames[column])
                                         .arg(cell.top)
                                         .arg(top)));
                QVERIFY(near(cell.left, model.left) && near(cell.width, model.width) &&
                        near(cell.height, model.height));
                QCOMPARE(cell.font, model.font);
                QCOMPARE(cell.justify, model.justify);
                QVERIFY(cell.top + cell.height < r.paperHeight - 0.75);
            }
            QCOMPARE(on(r, pages[page], numbered("itemcodex", i)).text,
                     QStringLiteral("R%1").arg(i + 1));
            QCOMPARE(on(r, pages[page], numbered("itemnetx", i)).text,
                     QStringLiteral("%1,00 €").arg(i + 1));
            QCOMPARE(on(r, pages[page], numbered("itemtvax", i)).text, QStringLiteral("20,00"));
        }
        // The template's models stay as they are.
        for (const QString& model : modelNames)
            QCOMPARE(first(r, model).top, shipped.pages.front().find(model)->top);

        const int onFirstPage = std::min(items, 21);
        const double blTop = onFirstPage == 0
                                 ? templateBl.top
                                 : shipped.pages.front().find("itemcode")->top +
                                       0.2 * (onFirstPage - 1) +
                                       shipped.pages.front().find("itemcode")->height + 0.03;
        QVERIFY2(near(bl.top, blTop), qPrintable(QString::number(bl.top)));
        for (int page = 1; page < pages.size(); ++page) {
            const int rowsHere = std::min(perPage, items - 21 - (page - 1) * perPage);
            const QString prefix = QStringLiteral("page%1").arg(page + 1);
            const Element& top = on(r, pages[page], prefix + "bl1");
            const Element& bottom = on(r, pages[page], prefix + "bl2");
            QCOMPARE(top.kind, Kind::Line);
            QVERIFY(near(top.top, 0.5) && near(top.left, templateBl.left) &&
                    near(top.width, templateBl.width));
            QVERIFY2(near(bottom.top, 0.2 * rowsHere + 0.53),
                     qPrintable(QString::number(bottom.top)));
            QCOMPARE(bottom.color, templateBl.color);
            QCOMPARE(bottom.lineWidth, templateBl.lineWidth);
            QVERIFY(bottom.top < r.paperHeight - 0.7);
        }
        if (items == 22)
            QVERIFY(near(on(r, "mysecondpage", "page2bl2").top, 0.73));

        // Every element has a name of its own.
        QSet<QString> seen;
        for (const report::Page& p : r.pages)
            for (const Element& e : p.elements) {
                QVERIFY2(!seen.contains(e.name), qPrintable(e.name));
                seen.insert(e.name);
            }
    }

    void incompleteItemIsIgnored() {
        const QString twoItems = testing::numberedItems(2);
        file->invoice(QStringLiteral("7"), QStringLiteral("Dupont"), QString(),
                      twoItems + QStringLiteral("R3\r\n"));
        const Report r = fill();
        int rows = 0;
        for (const Element& e : r.pages.front().elements)
            rows += e.name.startsWith(QLatin1String("itemcodex"));
        QCOMPARE(rows, 2);
        QCOMPARE(first(r, "total").text, QStringLiteral("3,60 €"));
    }

    void totals_data() {
        QTest::addColumn<QString>("articles");
        QTest::addColumn<QString>("decimals");
        QTest::addColumn<QString>("currency");
        QTest::addColumn<QStringList>("expected"); // soustotal, tva, total
        const QString example =
            testing::storedItem("A", "Porte", "1", "100,00 €", "100,00 €", "20,00") +
            testing::storedItem("B", "Joint", "2", "25,00 €", "50,00 €", "5,5");
        QTest::newRow("worked example") << example << "2"
                                        << "€" << QStringList{"150,00 €", "22,75 €", "172,75 €"};
        QTest::newRow("three decimals") << example << "3"
                                        << "€" << QStringList{"150,000 €", "22,750 €", "172,750 €"};
        QTest::newRow("no items") << QString() << "2"
                                  << "€" << QStringList{"0,00 €", "0,00 €", "0,00 €"};
        QTest::newRow("no currency") << example << "2"
                                     << "" << QStringList{"150,00 ", "22,75 ", "172,75 "};
        // Unrounded sums: three lines of 0,30 € at 5,5 % make 0,9495 € with tax, where
        // rounding each line first would give 0,96 €.
        const QString screw = testing::storedItem("C", "Vis", "1", "0,30 €", "0,30 €", "5,50");
        QTest::newRow("sums rounded once") << screw + screw + screw << "2"
                                           << "€" << QStringList{"0,90 €", "0,05 €", "0,95 €"};
        QTest::newRow("discount line")
            << testing::storedItem("A", "Porte", "1", "100,00 €", "100,00 €", "20,00") +
                   testing::storedItem("", "Remise", "1", "-10,00 €", "-10,00 €", "20,00")
            << "2"
            << "€" << QStringList{"90,00 €", "18,00 €", "108,00 €"};
    }
    void totals() {
        QFETCH(QString, articles);
        QFETCH(QString, decimals);
        QFETCH(QString, currency);
        QFETCH(QStringList, expected);
        file->invoice(QStringLiteral("7"), QStringLiteral("Dupont"), QString(), articles);
        output::ReportRequest r = request();
        r.money = MoneyFormat::fromSettings(decimals, currency);
        const Report filled = fill(r);
        QCOMPARE((QStringList{first(filled, "soustotal").text, first(filled, "tva").text,
                              first(filled, "total").text}),
                 expected);
    }

    // Addresses give three lines, padded with single blanks; the number is filled out
    // to three digits.
    void blocks_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("fnum");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("one line, one digit") << "7"
                                             << "12 rue Haute"
                                             << "007" << QStringList{"12 rue Haute", " ", " "};
        QTest::newRow("five lines, two digits") << "42"
                                                << "a\r\nb\r\nc\r\nd\r\ne"
                                                << "042" << QStringList{"a", "b", "c"};
        QTest::newRow("lone breaks, three digits") << "123"
                                                   << "a\rb\nc"
                                                   << "123" << QStringList{"a", "b", "c"};
        QTest::newRow("empty, four digits") << "1234"
                                            << ""
                                            << "1234" << QStringList{" ", " ", " "};
        QTest::newRow("every accent")
            << "5"
            << "àâäçéèêëîïôöùûüÿœæ\r\nÀÂÄÇÉÈÊËÎÏÔÖÙÛÜŸŒÆ — 100 €"
            << "005" << QStringList{"àâäçéèêëîïôöùûüÿœæ", "ÀÂÄÇÉÈÊËÎÏÔÖÙÛÜŸŒÆ — 100 €", " "};
    }
    void blocks() {
        QFETCH(QString, number);
        QFETCH(QString, address);
        QFETCH(QString, fnum);
        QFETCH(QStringList, lines);
        file->invoice(number, QStringLiteral("L'Atelier"), address, QString(),
                      QStringLiteral("Merci !"), QStringLiteral("31/12/2026"));
        file->company(QStringLiteral("Garnier"), address, QStringLiteral("01 02"),
                      QStringLiteral("   "), QStringLiteral("a@b.fr"));
        const Report r = fill(request(DocumentKind::Invoice, number));
        QCOMPARE(first(r, "fnum").text, fnum);
        QCOMPARE(first(r, "fdate").text, QStringLiteral("31/12/2026"));
        QCOMPARE(first(r, "CustName").text, QStringLiteral("L'Atelier"));
        QCOMPARE(first(r, "bottomline").text, QStringLiteral("Merci !"));
        QCOMPARE((QStringList{first(r, "CustAddress1").text, first(r, "CustAddress2").text,
                              first(r, "CustAddress3").text}),
                 lines);
        QCOMPARE((QStringList{first(r, "fAddress1").text, first(r, "fAddress2").text,
                              first(r, "fAddress3").text}),
                 lines);
        QCOMPARE(first(r, "fname").text, QStringLiteral("Garnier"));
        QCOMPARE(first(r, "ftel").text, QStringLiteral("01 02"));
        QCOMPARE(first(r, "femail").text, QStringLiteral("a@b.fr"));
        // A fax of blanks is no fax.
        QCOMPARE(first(r, "ffax").text, QStringLiteral("   "));
        QCOMPARE(first(r, "hfax").text, QString());
    }

    void faxCaption() {
        file->invoice(QStringLiteral("7"), QStringLiteral("Dupont"), QString(), QString());
        QCOMPARE(first(fill(), "hfax").text, QStringLiteral("Fax :"));
    }

    // The legal line only for "True"; without a footer its three elements go 0.6 lower.
    void legalAndFooter_data() {
        QTest::addColumn<QString>("infos");
        QTest::addColumn<QString>("footerFlag");
        QTest::addColumn<bool>("legal");
        QTest::addColumn<bool>("footer");
        QTest::newRow("both") << "True"
                              << "True" << true << true;
        QTest::newRow("lower case") << "true"
                                    << "true" << false << false;
        QTest::newRow("digit") << "1"
                               << "1" << false << false;
        QTest::newRow("legal only") << "True"
                                    << "False" << true << false;
        QTest::newRow("footer only") << "False"
                                     << "True" << false << true;
        QTest::newRow("no rows") << ""
                                 << "" << false << false;
    }
    void legalAndFooter() {
        QFETCH(QString, infos);
        QFETCH(QString, footerFlag);
        QFETCH(bool, legal);
        QFETCH(bool, footer);
        if (infos.isEmpty()) {
            file->dqd.exec(QStringLiteral("DELETE FROM Informations20; DELETE FROM Footer25;"));
        } else {
            file->legal(infos, QStringLiteral("512"), QString(), QStringLiteral("Lyon B"),
                        QStringLiteral("FR41"));
            file->footer(footerFlag, QStringLiteral("Paiement à 30 jours.\r\nMerci."));
        }
        file->invoice(QStringLiteral("7"), QStringLiteral("Dupont"), QString(), QString());
        // A template whose legal line is styled, and whose memo says something, shows
        // what the filling changes.
        const QString changed = templateWith([](Report& t) {
            t.pages.front().find(QStringLiteral("foot"))->setFontStyle(true, true, true, true);
            t.pages.front().find(QStringLiteral("foot"))->text = QStringLiteral("(mentions)");
            t.pages.front().find(QStringLiteral("footermemo"))->text = QStringLiteral("(pied)");
        });
        output::ReportRequest req = request();
        req.templatePath = changed;
        const Report r = fill(req);
        const report::Page& model = shipped.pages.front();
        const Element& foot = first(r, "foot");
        if (legal) {
            // An empty value still prints its label.
            QCOMPARE(foot.text,
                     QStringLiteral("SIRET : 512  -  NAF :   -  RCS : Lyon B  -  N° TVA : FR41"));
            QVERIFY(!foot.font.bold && !foot.font.italic && !foot.font.underline &&
                    !foot.font.strikeOut);
        } else {
            QCOMPARE(foot.text, QStringLiteral("(mentions)"));
            QVERIFY(foot.font.bold && foot.font.italic);
        }
        QCOMPARE(first(r, "footermemo").text, footer
                                                  ? QStringLiteral("Paiement à 30 jours.\r\nMerci.")
                                                  : QStringLiteral("(pied)"));
        const double shift = footer ? 0 : 0.6;
        for (const char* name : {"foot", "footermemo", "footline"})
            QVERIFY2(near(first(r, name).top, model.find(QLatin1String(name))->top + shift), name);
        // The shifted elements still fit on the paper.
        QVERIFY(foot.top + foot.height < r.paperHeight - 0.4);
    }

    void logo_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("dpi");
        QTest::addColumn<QRectF>("box");
        QTest::newRow("at 96 dpi") << QSize(240, 96) << 96.0 << QRectF(3.0, 0.2, 2.5, 1.0);
        QTest::newRow("largest, at 120 dpi")
            << QSize(266, 116) << 120.0
            << QRectF(4.25 - 266 / 240.0, 0.2, 266 / 120.0, 116 / 120.0);
        QTest::newRow("no logo") << QSize() << 96.0 << QRectF(4.25, 0.2, 0, 0);
    }
    void logo() {
        QFETCH(QSize, size);
        QFETCH(double, dpi);
        QFETCH(QRectF, box);
        file->invoice(QStringLiteral("7"), QStringLiteral("Dupont"), QString(), QString());
        output::ReportRequest r = request();
        r.logo = size.isValid() ? testing::sampleLogo(size.width(), size.height()) : QImage();
        r.screenDpi = dpi;
        const Report filled = fill(r);
        const Element& bmp = first(filled, "bmp");
        QVERIFY2(near(bmp.left, box.left()) && near(bmp.top, box.top()) &&
                     near(bmp.width, box.width()) && near(bmp.height, box.height()),
                 qPrintable(QStringLiteral("%1 %2 %3 %4")
                                .arg(bmp.left)
                                .arg(bmp.top)
                                .arg(bmp.width)
                                .arg(bmp.height)));
        QCOMPARE(bmp.image.isNull(), !size.isValid());
        if (size.isValid())
            QCOMPARE(bmp.image.size(), size);
    }

    void missingDocumentFillsEmpty() {
        const Report r = fill(request(DocumentKind::Invoice, QStringLiteral("99")));
        QCOMPARE(first(r, "CustName").text, QString());
        QCOMPARE(first(r, "CustAddress1").text, QStringLiteral(" "));
        QCOMPARE(first(r, "fnum").text, QString());
        QCOMPARE(first(r, "total").text, QStringLiteral("0,00 €"));
        QCOMPARE(r.pages.size(), size_t(1));
    }

    // A template that cannot be filled names the file or the element; a line whose
    // net or rate is not a number gives the conversion message.
    void cannotFill_data() {
        QTest::addColumn<QString>("articles");
        QTest::addColumn<QString>("templateChange"); // element removed, or made a text
        QTest::addColumn<QString>("message");
        const QString path =
            QDir::toNativeSeparators(scratch.filePath(QStringLiteral("changed.rav")));
        QTest::newRow("no logo element")
            << QString() << "-bmp"
            << QStringLiteral("Le modèle d'impression « %1 » ne contient pas l'élément « bmp ».")
                   .arg(path);
        QTest::newRow("no rule")
            << QString() << "-bl"
            << QStringLiteral("Le modèle d'impression « %1 » ne contient pas l'élément « bl ».")
                   .arg(path);
        QTest::newRow("rule of the wrong kind")
            << QString() << "~bl"
            << QStringLiteral("Dans le modèle d'impression « %1 », l'élément « bl » n'est pas du "
                              "type attendu (line).")
                   .arg(path);
        QTest::newRow("net not a number")
            << testing::storedItem("A", "Porte", "1", "x", "douze €", "20,00") << QString()
            << QStringLiteral("'douze' n'est pas une valeur en virgule flottante correcte");
        QTest::newRow("net without a blank")
            << testing::storedItem("A", "Porte", "1", "x", "12,00", "20,00") << QString()
            << QStringLiteral("'' n'est pas une valeur en virgule flottante correcte");
        QTest::newRow("rate not a number")
            << testing::storedItem("A", "Porte", "1", "x", "12,00 €", "20 %") << QString()
            << QStringLiteral("'20 %' n'est pas une valeur en virgule flottante correcte");
    }
    void cannotFill() {
        QFETCH(QString, articles);
        QFETCH(QString, templateChange);
        QFETCH(QString, message);
        file->invoice(QStringLiteral("7"), QStringLiteral("Dupont"), QString(), articles);
        output::ReportRequest r = request();
        if (!templateChange.isEmpty()) {
            const QString name = templateChange.mid(1);
            const bool remove = templateChange.startsWith(QLatin1Char('-'));
            r.templatePath = templateWith([&](Report& t) {
                auto& elements = t.pages.front().elements;
                for (auto it = elements.begin(); it != elements.end(); ++it)
                    if (it->name == name) {
                        if (remove)
                            elements.erase(it);
                        else
                            it->kind = Kind::Text;
                        break;
                    }
            });
        }
        try {
            fill(r);
            QFAIL("filled");
        } catch (const std::exception& e) {
            QCOMPARE(QString::fromUtf8(e.what()), message);
        }
    }

    void unusableTemplate_data() {
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::addColumn<QString>("start");
        QTest::newRow("missing") << QByteArray()
                                 << "Le modèle d'impression « %1 » est introuvable.";
        QTest::newRow("not JSON") << QByteArray("RAVE\x01\x02")
                                  << "Le modèle d'impression « %1 » n'est pas un modèle valide : ";
        QTest::newRow("other JSON")
            << QByteArray("{\"reports\": []}")
            << "Le modèle d'impression « %1 » n'est pas un modèle valide : format inconnu";
    }
    void unusableTemplate() {
        QFETCH(QByteArray, content);
        QFETCH(QString, start);
        const QString path = scratch.filePath(QStringLiteral("facture.rav"));
        QFile::remove(path);
        if (!content.isEmpty()) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        file->invoice(QStringLiteral("7"), QStringLiteral("Dupont"), QString(), QString());
        output::ReportRequest r = request();
        r.templatePath = path;
        try {
            fill(r);
            QFAIL("filled");
        } catch (const report::ReportError& e) {
            QVERIFY2(e.message().startsWith(start.arg(QDir::toNativeSeparators(path))),
                     qPrintable(e.message()));
        }
    }
};

QTEST_MAIN(GenerateReportTest)
#include "test_generate_report.moc"
