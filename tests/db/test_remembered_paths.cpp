// The machine-wide list of database paths the Open command offers.
#include "db/remembered_paths.h"
#include "support/memory_registry.h"

#include <QTest>

using namespace vantrel;
using vantrel::platform::Store;
using vantrel::testing::MemoryRegistry;

namespace {

const QString group = QStringLiteral("dbpaths");

// Writes the values as another run of the program left them: name -> path.
void storeValues(MemoryRegistry& registry, const QStringList& namesAndPaths) {
    for (qsizetype i = 0; i + 1 < namesAndPaths.size(); i += 2)
        registry.write(Store::Machine, group, namesAndPaths[i], namesAndPaths[i + 1]);
}

// What the open sequence does with a path it has opened.
void remember(MemoryRegistry& registry, const QString& path) {
    if (!db::path_existing(registry, path))
        db::addpath(registry, path);
}

} // namespace

class RememberedPathsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void listStopsAtTheFirstGap_data();
    void listStopsAtTheFirstGap();
    void newPathTakesTheFirstMissingNumber();
    void existingPath_data();
    void existingPath();
    void rememberingTwice_data();
    void rememberingTwice();
};

void RememberedPathsTest::listStopsAtTheFirstGap_data() {
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("none") << QStringList{} << QStringList{};
    QTest::newRow("in order") << QStringList{"dbpath1", "/home/anne/a.vtdb", "dbpath2",
                                             "/home/anne/b.vtdb"}
                              << QStringList{"/home/anne/a.vtdb", "/home/anne/b.vtdb"};
    QTest::newRow("gap at 3") << QStringList{"dbpath1", "/a.vtdb", "dbpath2",
                                             "/b.vtdb", "dbpath4", "/d.vtdb"}
                              << QStringList{"/a.vtdb", "/b.vtdb"};
    QTest::newRow("no dbpath1") << QStringList{"dbpath2", "/b.vtdb"} << QStringList{};
    QTest::newRow("listed by number, not by name order")
        << QStringList{"dbpath10", "/j.vtdb", "dbpath2", "/b.vtdb", "dbpath1", "/a.vtdb"}
        << QStringList{"/a.vtdb", "/b.vtdb"};
    QTest::newRow("other names ignored")
        << QStringList{"dbpath1", "/a.vtdb", "dbpath01", "/x.vtdb", "DBPATH2", "/y.vtdb"}
        << QStringList{"/a.vtdb"};
}

void RememberedPathsTest::listStopsAtTheFirstGap() {
    QFETCH(QStringList, stored);
    QFETCH(QStringList, listed);
    MemoryRegistry registry;
    storeValues(registry, stored);
    QCOMPARE(db::rememberedPaths(registry), listed);
}

void RememberedPathsTest::newPathTakesTheFirstMissingNumber() {
    MemoryRegistry registry;
    storeValues(registry, {"dbpath1", "/a.vtdb", "dbpath2", "/b.vtdb", "dbpath4", "/d.vtdb"});
    db::addpath(registry, QStringLiteral("/home/anne/Société.vtdb"));
    QCOMPARE(registry.read(Store::Machine, group, QStringLiteral("dbpath3")),
             std::optional<QString>(QStringLiteral("/home/anne/Société.vtdb")));
    QCOMPARE(registry.read(Store::User, group, QStringLiteral("dbpath3")), std::nullopt);
    // The gap is closed, so the entry that was hidden behind it is listed again, unchanged.
    QCOMPARE(db::rememberedPaths(registry),
             (QStringList{"/a.vtdb", "/b.vtdb", "/home/anne/Société.vtdb", "/d.vtdb"}));
    db::addpath(registry, QStringLiteral("/e.vtdb"));
    QCOMPARE(registry.read(Store::Machine, group, QStringLiteral("dbpath5")),
             std::optional<QString>(QStringLiteral("/e.vtdb")));
}

void RememberedPathsTest::existingPath_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("existing");
    QTest::newRow("same text") << "/home/anne/Factures.vtdb" << true;
    QTest::newRow("second entry") << "/home/anne/l'atelier.vtdb" << true;
    QTest::newRow("letter case differs") << "/home/anne/factures.vtdb" << false;
    QTest::newRow("trailing blank") << "/home/anne/Factures.vtdb " << false;
    QTest::newRow("behind the gap") << "/home/anne/cachée.vtdb" << false;
    QTest::newRow("empty") << "" << false;
}

void RememberedPathsTest::existingPath() {
    QFETCH(QString, path);
    QFETCH(bool, existing);
    MemoryRegistry registry;
    storeValues(registry, {"dbpath1", "/home/anne/Factures.vtdb", "dbpath2",
                           "/home/anne/l'atelier.vtdb", "dbpath4", "/home/anne/cachée.vtdb"});
    QCOMPARE(db::path_existing(registry, path), existing);
}

void RememberedPathsTest::rememberingTwice_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("same path") << "/home/anne/Factures.vtdb"
                               << "/home/anne/Factures.vtdb"
                               << QStringList{"/home/anne/Factures.vtdb"};
    QTest::newRow("letter case differs")
        << "/home/anne/Factures.vtdb"
        << "/home/anne/FACTURES.vtdb"
        << QStringList{"/home/anne/Factures.vtdb", "/home/anne/FACTURES.vtdb"};
}

void RememberedPathsTest::rememberingTwice() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QStringList, listed);
    MemoryRegistry registry;
    remember(registry, first);
    remember(registry, second);
    QCOMPARE(db::rememberedPaths(registry), listed);
    QVERIFY(db::pathvalueexists(registry, QStringLiteral("dbpath%1").arg(listed.size())));
    QVERIFY(!db::pathvalueexists(registry, QStringLiteral("dbpath%1").arg(listed.size() + 1)));
}

QTEST_APPLESS_MAIN(RememberedPathsTest)
#include "test_remembered_paths.moc"
