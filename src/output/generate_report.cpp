#include "output/generate_report.h"

#include "catalogue/account_numbers.h"
#include "core/flags.h"
#include "core/line_items.h"
#include "core/numbers.h"
#include "core/sql_quote.h"
#include "db/connection.h"
#include "output/messages.h"

#include <array>
#include <cmath>

namespace vantrel::output {

namespace {

using report::Element;
using report::Kind;
using report::Page;

// The first row of a statement's result, or as many empty texts as it has columns.
QStringList firstRow(db::Connection& dqd, const QString& sql, int columns) {
    QStringList row;
    bool found = false;
    dqd.forEachRow(sql, [&](const QStringList& r) {
        if (!found)
            row = r;
        found = true;
    });
    while (row.size() < columns)
        row.append(QString());
    for (QString& cell : row)
        if (cell.isNull())
            cell = QStringLiteral("");
    return row;
}

// Lines 1 to 3 of an address: a missing line prints as one blank, lines after the
// third are dropped.
std::array<QString, 3> addressLines(const QString& address) {
    QStringList lines = splitStoredLines(address);
    for (int i = 0; i < 3; ++i)
        lines.append(QStringLiteral(" "));
    return {lines[0], lines[1], lines[2]};
}

// Every element the filling addresses on the first page, found once up front so that a
// template lacking one fails before anything is filled.
struct FirstPage {
    Element& bmp;
    Element& CustName;
    std::array<Element*, 3> CustAddress;
    Element& fdate;
    Element& fnum;
    Element& fname;
    std::array<Element*, 3> fAddress;
    Element& ftel;
    Element& ffax;
    Element& femail;
    Element& hfax;
    Element& smallhead;
    Element& head;
    Element& soustotalcase;
    Element& totalcase;
    Element& soustotal;
    Element& tva;
    Element& total;
    Element& foot;
    Element& footermemo;
    Element& footline;
    Element& bottomline;
    Element& bl;
    std::array<Element*, 6> itemModels; // code, description, quantity, unit price, net, rate
};

FirstPage lookUp(report::ReportProject& project, Page& page) {
    auto text = [&](const char* name) -> Element& {
        return project.element(page, QLatin1String(name), Kind::Text);
    };
    return FirstPage{
        project.element(page, QStringLiteral("bmp"), Kind::Bitmap),
        text("CustName"),
        {&text("CustAddress1"), &text("CustAddress2"), &text("CustAddress3")},
        text("fdate"),
        text("fnum"),
        text("fname"),
        {&text("fAddress1"), &text("fAddress2"), &text("fAddress3")},
        text("ftel"),
        text("ffax"),
        text("femail"),
        text("hfax"),
        text("smallhead"),
        text("head"),
        text("soustotalcase"),
        text("totalcase"),
        text("soustotal"),
        text("tva"),
        text("total"),
        text("foot"),
        project.element(page, QStringLiteral("footermemo"), Kind::Memo),
        project.element(page, QStringLiteral("footline"), Kind::Line),
        text("bottomline"),
        project.element(page, QStringLiteral("bl"), Kind::Line),
        {&text("itemcode"), &text("itemdesc"), &text("itemquant"), &text("itemunit"),
         &text("itemnet"), &text("itemtva")},
    };
}

const std::array<QString, 6> rowNames = {QStringLiteral("itemcodex"),  QStringLiteral("itemdescx"),
                                         QStringLiteral("itemquantx"), QStringLiteral("itemunitx"),
                                         QStringLiteral("itemnetx"),   QStringLiteral("itemtvax")};

// Where the rows after the first page go.
struct Continuation {
    Page* page;
    int firstItem; // the index of its first row's item
};

Element& ruleLike(report::Report& report, Page& page, const Element& bl, const QString& name,
                  double top) {
    Element& rule = report.create(page, Kind::Line, name, bl.left, top, bl.width, bl.height);
    rule.copyPropertiesFrom(bl);
    rule.left = bl.left;
    rule.top = top;
    return rule;
}

// The continuation pages of n items, with their rules copied from `bl` as the
// template has it, made before any row is laid out.
std::vector<Continuation> continuationPages(report::Report& report, const Page& first,
                                            const Element& bl, int n) {
    std::vector<Continuation> pages;
    const int perPage = continuationRows(report);
    const Page* previous = &first;
    for (int start = firstPageRows, number = 2; start < n; start += perPage, ++number) {
        const bool second = number == 2;
        const QString pageNumber = QString::number(number);
        Page& page = report.addPageAfter(*previous, second ? messages::secondPage
                                                           : QStringLiteral("mypage") + pageNumber);
        const int rows = std::min(perPage, n - start);
        ruleLike(report, page, bl,
                 second ? messages::secondPageRuleTop : QStringLiteral("page%1bl1").arg(pageNumber),
                 continuationTop);
        ruleLike(report, page, bl,
                 second ? messages::secondPageRuleBottom
                        : QStringLiteral("page%1bl2").arg(pageNumber),
                 rowPitch * rows + continuationTop + 0.03);
        pages.push_back({&page, start});
        previous = &page;
    }
    return pages;
}

} // namespace

int continuationRows(const report::Report& report) {
    const double room = report.paperHeight - continuationBottomMargin - continuationTop - 0.03;
    return std::max(1, int(std::floor(room / rowPitch + 1e-9)));
}

report::Report GenerateReport(db::Connection& dqd, const ReportRequest& request) {
    report::ReportProject project = report::ReportProject::load(request.templatePath);
    report::Report& report = project.select(messages::reportName);
    Page& page1 = project.findPage(messages::firstPage);
    FirstPage f = lookUp(project, page1);
    const bool invoice = request.kind == DocumentKind::Invoice;

    f.smallhead.text = invoice ? messages::invoiceSmallHead : messages::quoteSmallHead;
    f.head.text = invoice ? messages::invoiceHead : messages::quoteHead;
    f.soustotalcase.text = messages::subtotalCaption;
    f.totalcase.text = invoice ? messages::invoiceTotalCaption : messages::quoteTotalCaption;

    // The number goes through the quoting like every other value: the same text for
    // the digits-only numbers the dialogs store, and no broken statement otherwise.
    const QString where =
        QStringLiteral(" FROM %1 WHERE Num='")
            .arg(invoice ? QStringLiteral("Invoices15") : QStringLiteral("Quotes15"));
    const QStringList document =
        firstRow(dqd,
                 QStringLiteral("SELECT Customer, Address, Dat, Num, Bottom, Articles") +
                     (invoice ? QString() : QStringLiteral(" ")) + where + gvs(request.number) +
                     QStringLiteral("';"),
                 6);

    // The logo at its on-screen size, centred on a line 4.25 in from the left edge.
    const double dpi = request.screenDpi > 0 ? request.screenDpi : 96;
    f.bmp.image = request.logo;
    f.bmp.height = request.logo.isNull() ? 0 : request.logo.height() / dpi;
    f.bmp.width = request.logo.isNull() ? 0 : request.logo.width() / dpi;
    f.bmp.left = 4.25 - f.bmp.width / 2;
    f.bmp.top = 0.2;

    f.CustName.text = document[0];
    const std::array<QString, 3> customerLines = addressLines(document[1]);
    for (int i = 0; i < 3; ++i)
        f.CustAddress[i]->text = customerLines[i];
    f.fdate.text = document[2];
    f.fnum.text = document[3];
    f.fnum.text = catalogue::str_addzeros(f.fnum.text);

    const QStringList company =
        firstRow(dqd,
                 QStringLiteral("SELECT Nom, Adresse, Email, Telephone, Fax, Siteweb, monnaie, "
                                "taux, logo FROM Settings15;"),
                 9);
    f.fname.text = company[0];
    const std::array<QString, 3> companyLines = addressLines(company[1]);
    for (int i = 0; i < 3; ++i)
        f.fAddress[i]->text = companyLines[i];
    f.ftel.text = company[3];
    f.ffax.text = company[4];
    f.femail.text = company[2];

    const QStringList infos =
        firstRow(dqd,
                 QStringLiteral(
                     "SELECT include_infos_check, siret, naf, rcs, tvaintra FROM Informations20;"),
                 5);
    if (isSettingsFlagSet(infos[0])) {
        f.foot.text = messages::siretLabel + infos[1] + messages::nafLabel + infos[2] +
                      messages::rcsLabel + infos[3] + messages::tvaLabel + infos[4];
        f.foot.setFontStyle(false, false, false, false);
    }

    const QStringList footer =
        firstRow(dqd, QStringLiteral("SELECT include_footer_check, footer_text FROM Footer25;"), 2);
    if (isSettingsFlagSet(footer[0])) {
        f.footermemo.text = footer[1];
    } else {
        f.foot.top += 0.6;
        f.footermemo.top += 0.6;
        f.footline.top += 0.6;
    }

    f.hfax.text = f.ffax.text.trimmed().isEmpty() ? QString() : messages::faxCaption;
    f.bottomline.text = document[4];

    // The item rows, on the first page and then on the continuation pages.
    const QStringList lines = splitStoredLines(document[5]);
    const int n = int(lines.size() / lineItemFieldCount);
    const std::vector<Continuation> continuations = continuationPages(report, page1, f.bl, n);
    long double subtotal = 0;
    long double withTax = 0;
    constexpr std::array<int, 6> printedFields = {0, 1, 2, 3, 4, 6};
    for (int i = 0; i < n; ++i) {
        Page* page = &page1;
        double rowTop = 0;
        bool onFirst = i < firstPageRows;
        if (!onFirst) {
            const Continuation* c = &continuations.front();
            for (const Continuation& candidate : continuations)
                if (candidate.firstItem <= i)
                    c = &candidate;
            page = c->page;
            rowTop = rowPitch * (i - c->firstItem) + continuationTop;
        }
        Element* code = nullptr;
        for (int column = 0; column < 6; ++column) {
            const Element& model = *f.itemModels[column];
            const double top = onFirst ? model.top + rowPitch * i : rowTop;
            Element& cell = report.create(*page, Kind::Text, rowNames[column], model.left, top,
                                          model.width, model.height);
            cell.font = model.font;
            cell.justify = model.justify;
            cell.text = lines[i * lineItemFieldCount + printedFields[column]];
            if (column == 0)
                code = &cell;
        }
        if (onFirst)
            f.bl.top = code->top + code->height + 0.03;

        const long double net = moneyValue(lines[i * lineItemFieldCount + 4]);
        const long double rate = toFloat(lines[i * lineItemFieldCount + 6]);
        subtotal += net;
        withTax += net * (rate / 100 + 1);
    }

    f.soustotal.text = getcurstring(subtotal, request.money);
    f.tva.text = getcurstring(withTax - subtotal, request.money);
    f.total.text = getcurstring(withTax, request.money);

    report.title = f.head.text + QLatin1Char(' ') + f.fnum.text;
    report.creator = messages::pdfCreator;
    return std::move(report);
}

} // namespace vantrel::output
