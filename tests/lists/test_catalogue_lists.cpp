// The customer and article lists: key order, the first address line, and the filters
// that fold only A to Z.
#include "company_file.h"
#include "core/error.h"
#include "lists/list_loading.h"

#include <QTest>

using namespace vantrel;
using namespace vantrel::lists;
using vantrel::testing::CompanyFile;

namespace {

QStringList column(const QList<ListRow>& rows, int c) {
    QStringList result;
    for (const ListRow& row : rows)
        result << row.value(c);
    return result;
}

} // namespace

class CatalogueListsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void customerFilter_data();
    void customerFilter();
    void articleFilter_data();
    void articleFilter();
    void foldedContains_data();
    void foldedContains();
    void customerRows();
    void keyOrder();
    void emptyTables();
    void engineError();

private:
    std::unique_ptr<CompanyFile> file;
};

void CatalogueListsTest::init() {
    file = std::make_unique<CompanyFile>();
    const QStringList columns = {"Account", "Customer", "Address", "Tel"};
    const char* customers[][4] = {
        {"CL5", "Durand", "3 rue de la Paix\r\n69003 Lyon", "04 78 00 00 01"},
        {"CL1", "Dupont", "12 avenue Foch\r\n75016 Paris", "01 40 00 00 02"},
        {"CL3", "Maison Dupuis", "\r\nZone artisanale\r\n44000 Nantes", ""},
        {"CL2", "DUPONT SA", "1 place du Marché", "05 56 00 00 03"},
        {"CL4", "ÉCOLE Jules Ferry", "Lyon", ""},
        {"CL6", "École des Arts", "Lyon\nCedex 3", ""},
        {"CL7", "Petite école", "", ""},
    };
    for (const auto& c : customers)
        file->insert(QStringLiteral("Customers15"), columns,
                     {QString::fromUtf8(c[0]), QString::fromUtf8(c[1]), QString::fromUtf8(c[2]),
                      QString::fromUtf8(c[3])});
    const char* articles[][4] = {
        {"ART101", "Porte chêne", "250,00 €", "4"},
        {"ART1000", "Vis inox 4x40", "0,12 €", "900"},
        {"art100", "PORTE-FENÊTRE", "480,00 €", "2"},
        {"ART1", "Pose de porte", "35,00 €", ""},
    };
    for (const auto& a : articles)
        file->insert(QStringLiteral("Articles15"), {"Code", "Description", "Price", "Quantity"},
                     {QString::fromUtf8(a[0]), QString::fromUtf8(a[1]), QString::fromUtf8(a[2]),
                      QString::fromUtf8(a[3])});
}

void CatalogueListsTest::customerFilter_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("shown");
    const QStringList all = {"CL1", "CL2", "CL3", "CL4", "CL5", "CL6", "CL7"};
    QTest::newRow("no filter") << "" << all;
    QTest::newRow("blanks only") << "   " << all;
    QTest::newRow("dup") << "dup" << QStringList{"CL1", "CL2", "CL3"};
    QTest::newRow("blanks around are dropped") << "  DUP " << QStringList{"CL1", "CL2", "CL3"};
    QTest::newRow("blank inside is kept") << "t s" << QStringList{"CL2"};
    QTest::newRow("école does not show ÉCOLE") << "école" << QStringList{"CL7"};
    QTest::newRow("ÉCOLE shows École") << "ÉCOLE" << QStringList{"CL4", "CL6"};
    QTest::newRow("the account is not searched") << "CL1" << QStringList{};
    QTest::newRow("the address is not searched") << "Lyon" << QStringList{};
}

void CatalogueListsTest::customerFilter() {
    QFETCH(QString, filter);
    QFETCH(QStringList, shown);
    QList<ListRow> rows;
    ReadCustomers(file->dqd, filter, rows);
    QCOMPARE(column(rows, 0), shown);
}

void CatalogueListsTest::articleFilter_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("no filter") << "" << QStringList{"ART1", "art100", "ART1000", "ART101"};
    QTest::newRow("porte in any case") << "porte" << QStringList{"ART1", "art100", "ART101"};
    QTest::newRow("Ê is not folded") << "fenêtre" << QStringList{};
    QTest::newRow("the code is not searched") << "ART1000" << QStringList{};
}

void CatalogueListsTest::articleFilter() {
    QFETCH(QString, filter);
    QFETCH(QStringList, shown);
    QList<ListRow> rows;
    readarticles(file->dqd, filter, rows);
    QCOMPARE(column(rows, 0), shown);
}

void CatalogueListsTest::foldedContains_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<bool>("contains");
    QTest::newRow("empty filter") << "Dupont"
                                  << "" << true;
    QTest::newRow("whole text") << "Dupont"
                                << "DUPONT" << true;
    QTest::newRow("at the end") << "Maison Dupuis"
                                << "puis" << true;
    QTest::newRow("longer than the text") << "Dup"
                                          << "dupo" << false;
    QTest::newRow("restart after a partial match") << "ddupont"
                                                   << "dup" << true;
    QTest::newRow("accented letters stay as they are") << "ÉCOLE"
                                                       << "école" << false;
    QTest::newRow("only A to Z") << "ß"
                                 << "SS" << false;
}

void CatalogueListsTest::foldedContains() {
    QFETCH(QString, text);
    QFETCH(QString, filter);
    QFETCH(bool, contains);
    QCOMPARE(lists::foldedContains(text, filter), contains);
}

void CatalogueListsTest::customerRows() {
    QList<ListRow> rows;
    ReadCustomers(file->dqd, QStringLiteral("d"), rows);
    QCOMPARE(rows.value(0), (ListRow{"CL1", "Dupont", "12 avenue Foch", "01 40 00 00 02"}));
    QCOMPARE(rows.value(2),
             (ListRow{"CL3", "Maison Dupuis", "", ""})); // the address begins with a line break
    rows.clear();
    ReadCustomers(file->dqd, QStringLiteral("arts"), rows);
    QCOMPARE(rows, (QList<ListRow>{
                       {"CL6", "École des Arts", "Lyon", ""}})); // a lone LF ends the line too
    rows.clear();
    readarticles(file->dqd, QStringLiteral("vis"), rows);
    QCOMPARE(rows, (QList<ListRow>{{"ART1000", "Vis inox 4x40", "0,12 €", "900"}}));
}

void CatalogueListsTest::keyOrder() {
    // Keys compare as text without regard to the case of A to Z: no number order.
    file->insert(QStringLiteral("Customers15"), {"Account", "Customer"}, {"CL1000", "A"});
    file->insert(QStringLiteral("Customers15"), {"Account", "Customer"}, {"cl100", "B"});
    file->insert(QStringLiteral("Customers15"), {"Account", "Customer"}, {"CL101", "C"});
    QList<ListRow> rows;
    ReadCustomers(file->dqd, {}, rows);
    QCOMPARE(column(rows, 0), (QStringList{"CL1", "cl100", "CL1000", "CL101", "CL2", "CL3", "CL4",
                                           "CL5", "CL6", "CL7"}));
}

void CatalogueListsTest::emptyTables() {
    CompanyFile empty;
    QList<ListRow> rows;
    ReadCustomers(empty.dqd, QStringLiteral("dup"), rows);
    readarticles(empty.dqd, {}, rows);
    QVERIFY(rows.isEmpty());
}

void CatalogueListsTest::engineError() {
    file->dqd.exec(QStringLiteral("DROP TABLE Articles15;"));
    QList<ListRow> rows;
    try {
        readarticles(file->dqd, {}, rows);
        QFAIL("the loading should have failed");
    } catch (const Error& error) {
        QCOMPARE(error.message(), QStringLiteral("no such table: Articles15"));
    }
}

QTEST_GUILESS_MAIN(CatalogueListsTest)
#include "test_catalogue_lists.moc"
