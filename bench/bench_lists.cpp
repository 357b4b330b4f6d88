// Times loading the invoice list and one keystroke of the customer filter, next to the
// sqlite3 command-line tool running the same queries with its output thrown away.
#include "core/money.h"
#include "db/connection.h"
#include "lists/list_loading.h"
#include "lists/main_list_model.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace vantrel;

namespace {

constexpr int runs = 7;

// `prepare` runs before each timed run, outside the timing.
double medianMs(const std::function<void()>& work, const std::function<void()>& prepare = {}) {
    if (prepare)
        prepare();
    work(); // warms the page cache and the allocator
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (prepare)
            prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void sqlite3Tool(const QString& database, const QString& sql) {
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(QStringLiteral("sqlite3"), {QStringLiteral("-batch"), database, sql});
    if (!process.waitForFinished(-1) || process.exitCode() != 0) {
        std::fprintf(stderr, "sqlite3 failed: %s\n", process.readAllStandardError().constData());
        std::exit(1);
    }
}

void report(const char* name, double ms) {
    std::printf("%s: median %.1f ms\n", name, ms);
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_lists <database>\n");
        return 2;
    }
    const QString database = QString::fromLocal8Bit(argv[1]);
    db::Connection dqd;
    dqd.open(database);
    const MoneyFormat money = MoneyFormat::fromSettings(QStringLiteral("2"), QStringLiteral("€"));
    lists::MainListModel model;

    lists::DocumentChoices choices;
    choices.today = QDate::currentDate();
    qsizetype invoiceRows = 0;
    const double invoiceLoad = medianMs(
        [&] {
            QList<lists::ListRow> rows;
            lists::Selecting(dqd, choices, money, rows);
            model.setRows(std::move(rows));
            invoiceRows = model.rowCount();
        },
        [&] {
            model.setFolder(lists::Folder::Invoices);
        }); // the list starts empty, as after a folder switch

    qsizetype customerRows = 0;
    model.setFolder(lists::Folder::Customers);
    const double keystroke = medianMs([&] {
        QList<lists::ListRow> rows;
        lists::ReadCustomers(dqd, QStringLiteral("dup"), rows);
        model.setRows(std::move(rows));
        customerRows = model.rowCount();
    });

    const QString invoiceSql =
        QStringLiteral("SELECT Num, Dat, Customer, Printed, Paid, Total, Articles  FROM Invoices15 "
                       "Where Num=Num AND Num=Num;");
    const QString customerSql = QStringLiteral("SELECT Account, Customer, Address, Tel  FROM "
                                               "Customers15 ORDER BY Account COLLATE NoCase;");
    const double invoiceTool = medianMs([&] { sqlite3Tool(database, invoiceSql); });
    const double customerTool = medianMs([&] { sqlite3Tool(database, customerSql); });

    std::printf("invoice rows: %lld, customer rows after filter \"dup\": %lld\n",
                qlonglong(invoiceRows), qlonglong(customerRows));
    report("invoice_list_load", invoiceLoad);
    report("customer_filter_keystroke", keystroke);
    report("sqlite3_invoice_query", invoiceTool);
    report("sqlite3_customer_query", customerTool);
    std::printf("ratio invoice_list_load: %.2f\n", invoiceLoad / invoiceTool);
    std::printf("ratio customer_filter_keystroke: %.2f\n", keystroke / customerTool);
    return 0;
}
