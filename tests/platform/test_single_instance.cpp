// The guard that keeps one running program per user and hands a later start's command
// line to the running one.
#include "platform/single_instance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QSignalSpy>
#include <QTest>

using namespace vantrel::platform;

class SingleInstanceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void secondStartHandsOver_data();
    void secondStartHandsOver();
    void freedAfterTheFirstEnds();
    void leftoverOfACrashedRun();
    void keysAreSeparate();

private:
    QString key(const QString& suffix = {}) const {
        return QStringLiteral("vantrel-test-%1-%2%3")
            .arg(QCoreApplication::applicationPid())
            .arg(QString::fromLatin1(QTest::currentTestFunction()), suffix);
    }
};

void SingleInstanceTest::init() {
    QLocalServer::removeServer(key());
}

void SingleInstanceTest::cleanup() {
    QLocalServer::removeServer(key());
}

void SingleInstanceTest::secondStartHandsOver_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("program name only") << QStringList{"/usr/bin/vantrel"};
    QTest::newRow("with a file") << QStringList{"/usr/bin/vantrel", "/home/anne/Ma société.vtdb"};
    QTest::newRow("empty") << QStringList{};
}

void SingleInstanceTest::secondStartHandsOver() {
    QFETCH(QStringList, arguments);
    SingleInstanceGuard first(key());
    QVERIFY(first.claim({QStringLiteral("/usr/bin/vantrel")}));
    QSignalSpy handedOver(&first, &SingleInstanceGuard::anotherStart);

    SingleInstanceGuard second(key());
    QVERIFY(!second.claim(arguments));
    QVERIFY(handedOver.wait());
    QCOMPARE(handedOver.size(), 1);
    QCOMPARE(handedOver.first().first().toStringList(), arguments);
}

void SingleInstanceTest::freedAfterTheFirstEnds() {
    {
        SingleInstanceGuard first(key());
        QVERIFY(first.claim({}));
    }
    SingleInstanceGuard next(key());
    QVERIFY(next.claim({}));
    QSignalSpy handedOver(&next, &SingleInstanceGuard::anotherStart);
    SingleInstanceGuard later(key());
    QVERIFY(!later.claim({QStringLiteral("encore")}));
    QVERIFY(handedOver.wait());
    QCOMPARE(handedOver.first().first().toStringList(), QStringList{QStringLiteral("encore")});
}

void SingleInstanceTest::leftoverOfACrashedRun() {
    // A crashed run leaves its socket file behind, with nobody listening on it.
    QFile leftover(QDir::temp().filePath(key()));
    QVERIFY(leftover.open(QIODevice::WriteOnly));
    leftover.close();
    SingleInstanceGuard guard(key());
    QVERIFY(guard.claim({}));
}

void SingleInstanceTest::keysAreSeparate() {
    SingleInstanceGuard first(key());
    QVERIFY(first.claim({}));
    SingleInstanceGuard other(key(QStringLiteral("-autre")));
    QVERIFY(other.claim({}));
}

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "test_single_instance.moc"
