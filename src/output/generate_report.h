#pragma once

#include "core/money.h"
#include "platform/report/report.h"

#include <QImage>
#include <QString>

namespace vantrel::db {
class Connection;
}

namespace vantrel::output {

enum class DocumentKind { Invoice, Quote };

// What the layout needs besides the database: which document, the template, and the
// state the main window holds.
struct ReportRequest {
    DocumentKind kind = DocumentKind::Invoice;
    QString number;       // the caption of the selected list row
    QString templatePath; // "facture.rav" beside the program
    QImage logo;          // the logo of the current settings; null: no logo
    MoneyFormat money;    // the money format in force
    double screenDpi =
        96; // the screen's logical pixels per inch: the logo prints at its on-screen size
};

// The first page holds 21 rows under the template's item models, 0.2 in apart. Rows
// that do not fit go on "mysecondpage", from 0.5 in down at the same pitch, between a
// rule at 0.5 in and one under its last row. A continuation page holds as many rows as
// its paper leaves room for above a 0.75 in margin (52 on A4); past that, further
// pages ("mypage3", with "page3bl1" and "page3bl2", and so on) follow the same pattern
// instead of printing off the paper.
inline constexpr int firstPageRows = 21;
inline constexpr double rowPitch = 0.2;
inline constexpr double continuationTop = 0.5;
inline constexpr double continuationBottomMargin = 0.75;
int continuationRows(const report::Report& report);

// Loads the template afresh and fills its report "Report1" with one document: the
// headings of its kind, the company, customer, number and date blocks, the item rows
// and the totals, the legal line, the footer, the closing remark and the logo. Throws
// ReportError for a template that is missing, unreadable or lacks an element, and the
// conversion error for an item whose net or rate is not a number. A document row that
// is not found fills in as empty.
report::Report GenerateReport(db::Connection& dqd, const ReportRequest& request);

} // namespace vantrel::output
