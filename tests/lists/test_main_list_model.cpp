// The main list's model: cell texts and styles per folder, row edits, header sorting and
// the header-click rule. QAbstractItemModelTester watches every change.
#include "lists/list_columns.h"
#include "lists/main_list_model.h"

#include <QAbstractItemModelTester>
#include <QColor>
#include <QFont>
#include <QTest>

using namespace vantrel::lists;

Q_DECLARE_METATYPE(Folder)
Q_DECLARE_METATYPE(Qt::SortOrder)

namespace {

QStringList firstColumn(const MainListModel& model) {
    QStringList keys;
    for (int r = 0; r < model.rowCount(); ++r)
        keys << model.key(r);
    return keys;
}

} // namespace

class MainListModelTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cellStyles_data();
    void cellStyles();
    void rowEdits();
    void sorting_data();
    void sorting();
    void sortKeepsPersistentIndexes();
    void sortClicks_data();
    void sortClicks();

private:
    std::unique_ptr<MainListModel> model;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

void MainListModelTest::init() {
    model = std::make_unique<MainListModel>();
    tester = std::make_unique<QAbstractItemModelTester>(
        model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
}

void MainListModelTest::cellStyles_data() {
    QTest::addColumn<Folder>("folder");
    QTest::addColumn<int>("bold");
    QTest::addColumn<int>("tinted");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QList<int>>("alignments");
    const int l = Qt::AlignLeft, c = Qt::AlignHCenter, r = Qt::AlignRight;
    QTest::newRow("quotes") << Folder::Quotes << 2 << 5
                            << QStringList{"No",      "Date",    "Client / Entreprise",
                                           "Imprimé", "Facturé", "Prix total"}
                            << QList<int>{l, l, l, c, c, r};
    QTest::newRow("invoices") << Folder::Invoices << 2 << 5
                              << QStringList{"No",       "Date",  "Client / Entreprise",
                                             "Imprimée", "Payée", "Total"}
                              << QList<int>{l, l, l, c, c, r};
    QTest::newRow("customers") << Folder::Customers << 1 << -1
                               << QStringList{"Compte", "Client/Entreprise", "Adresse", "Téléphone"}
                               << QList<int>{l, l, l, r};
    QTest::newRow("articles") << Folder::Articles << 1 << 2
                              << QStringList{"Code", "Description", "Prix", "En stock"}
                              << QList<int>{l, l, r, r};
}

void MainListModelTest::cellStyles() {
    QFETCH(Folder, folder);
    QFETCH(int, bold);
    QFETCH(int, tinted);
    QFETCH(QStringList, captions);
    QFETCH(QList<int>, alignments);
    model->setFolder(folder);
    QCOMPARE(model->columnCount(), captions.size());
    ListRow row;
    for (int c = 0; c < captions.size(); ++c)
        row << QStringLiteral("cell %1").arg(c);
    model->setRows({row});
    for (int c = 0; c < captions.size(); ++c) {
        const QModelIndex index = model->index(0, c);
        QCOMPARE(model->headerData(c, Qt::Horizontal).toString(), captions[c]);
        QCOMPARE(index.data().toString(), row[c]);
        QCOMPARE(index.data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 Qt::Alignment(alignments[c]) | Qt::AlignVCenter);
        const QFont font = index.data(Qt::FontRole).value<QFont>();
        QCOMPARE(font.pointSize(), 9);
        QCOMPARE(font.bold(), c == bold);
        const QVariant background = index.data(Qt::BackgroundRole);
        if (c == tinted)
            QCOMPARE(background.value<QColor>(), QColor(242, 242, 255));
        else
            QVERIFY(!background.isValid());
    }
}

void MainListModelTest::rowEdits() {
    model->setFolder(Folder::Customers);
    model->setRows({{"CL1", "Dupont", "", ""}, {"CL2", "Durand", "", ""}});
    model->appendRow({"CL3", "Martin", "Lyon", "04"});
    model->updateRow(0, {"CL1", "Dupont et Fils", "Paris", "01"});
    model->removeListRow(1);
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(model->rowAt(0), (ListRow{"CL1", "Dupont et Fils", "Paris", "01"}));
    QCOMPARE(model->key(1), QStringLiteral("CL3"));
    model->setFolder(Folder::Invoices); // new columns, no rows
    QCOMPARE(model->rowCount(), 0);
    QCOMPARE(model->columnCount(), 6);
}

void MainListModelTest::sorting_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<Qt::SortOrder>("order");
    QTest::addColumn<QStringList>("keys");
    // Rows: key, date, customer.
    QTest::newRow("dates as text, day first")
        << 1 << Qt::AscendingOrder << QStringList{"b", "A", "c", "e", "D"};
    QTest::newRow("by character codes: capitals first")
        << 2 << Qt::AscendingOrder << QStringList{"e", "A", "b", "c", "D"};
    QTest::newRow("ties by the key without case, descending")
        << 2 << Qt::DescendingOrder << QStringList{"D", "c", "b", "A", "e"};
    QTest::newRow("the key itself by codes")
        << 0 << Qt::AscendingOrder << QStringList{"A", "D", "b", "c", "e"};
    QTest::newRow("the key descending")
        << 0 << Qt::DescendingOrder << QStringList{"e", "c", "b", "D", "A"};
}

void MainListModelTest::sorting() {
    QFETCH(int, column);
    QFETCH(Qt::SortOrder, order);
    QFETCH(QStringList, keys);
    model->setFolder(Folder::Invoices);
    model->setRows({{"c", "05/12/2026", "dupont"},
                    {"A", "02/01/2027", "Dupont"},
                    {"b", "01/12/2026", "dupont"},
                    {"D", "31/12/2026", "dupont"},
                    {"e", "09/02/2027", "DUPONT"}});
    model->sort(column, order);
    QCOMPARE(firstColumn(*model), keys);
}

void MainListModelTest::sortKeepsPersistentIndexes() {
    // Rows equal in both keys keep their loading order, and a selected row stays selected.
    model->setFolder(Folder::Invoices);
    model->setRows(
        {{"x", "2", "second"}, {"y", "1", ""}, {"x", "2", "first"}, {"X", "2", "third"}});
    const QPersistentModelIndex selected = model->index(0, 2);
    model->sort(1, Qt::DescendingOrder);
    QCOMPARE(firstColumn(*model), (QStringList{"x", "x", "X", "y"}));
    QCOMPARE(model->rowAt(0).value(2), QStringLiteral("second"));
    QCOMPARE(model->rowAt(1).value(2), QStringLiteral("first"));
    QCOMPARE(selected.row(), 0);
    model->sort(1, Qt::AscendingOrder);
    QCOMPARE(model->rowAt(selected.row()).value(2), QStringLiteral("second"));
    QCOMPARE(selected.row(), 1);
}

void MainListModelTest::sortClicks_data() {
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QList<int>>("orders"); // 0 ascending, 1 descending
    QTest::newRow("first click descends") << QList<int>{3} << QList<int>{1};
    QTest::newRow("same header reverses") << QList<int>{3, 3, 3} << QList<int>{1, 0, 1};
    QTest::newRow("another header keeps the direction")
        << QList<int>{3, 3, 1, 4} << QList<int>{1, 0, 0, 0};
    QTest::newRow("back to an earlier header keeps it too")
        << QList<int>{0, 2, 0, 0} << QList<int>{1, 1, 1, 0};
}

void MainListModelTest::sortClicks() {
    QFETCH(QList<int>, clicks);
    QFETCH(QList<int>, orders);
    SortClicks rule;
    for (qsizetype i = 0; i < clicks.size(); ++i) {
        QCOMPARE(int(rule.click(clicks[i])), orders[i]);
        QCOMPARE(rule.column(), clicks[i]);
        QCOMPARE(int(rule.order()), orders[i]);
    }
}

QTEST_MAIN(MainListModelTest)
#include "test_main_list_model.moc"
