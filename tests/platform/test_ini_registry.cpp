// The two INI stores that stand for the registry: where they are written, what the
// files hold, and how values read back.
#include "platform/ini_registry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vantrel::platform;

namespace {

QString fileText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace

class IniRegistryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void filesAndGroups();
    void defaultFolderFollowsXdgConfigHome();
    void valuesReadBack_data();
    void valuesReadBack();
    void missingValue();
    void readInt_data();
    void readInt();
    void readBool_data();
    void readBool();

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

void IniRegistryTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

void IniRegistryTest::filesAndGroups() {
    {
        IniRegistry registry(dir_->path());
        registry.write(Store::User, QStringLiteral("MainForm"), QStringLiteral("dqd_DatabaseName"),
                       QStringLiteral("/home/anne/Factures.vtdb"));
        registry.write(Store::Machine, QStringLiteral("v3"), QStringLiteral("FI"),
                       QStringLiteral("1"));
        registry.write(Store::Machine, QStringLiteral("dbpaths"), QStringLiteral("dbpath1"),
                       QStringLiteral("/home/anne/Factures.vtdb"));
        registry.sync();
    }
    const QString user = fileText(dir_->filePath(QStringLiteral("VantrelReg/user.ini")));
    const QString machine = fileText(dir_->filePath(QStringLiteral("VantrelReg/machine.ini")));
    QVERIFY2(
        user.contains(QStringLiteral("[MainForm]\ndqd_DatabaseName=/home/anne/Factures.vtdb\n")),
        qPrintable(user));
    QVERIFY2(machine.contains(QStringLiteral("[v3]\nFI=1\n")), qPrintable(machine));
    QVERIFY2(machine.contains(QStringLiteral("[dbpaths]\ndbpath1=/home/anne/Factures.vtdb\n")),
             qPrintable(machine));
    // Each value lives in its own store only.
    QVERIFY(!user.contains(QStringLiteral("FI=")));
    QVERIFY(!machine.contains(QStringLiteral("dqd_DatabaseName")));

    const IniRegistry reopened(dir_->path());
    QCOMPARE(
        reopened.read(Store::User, QStringLiteral("MainForm"), QStringLiteral("dqd_DatabaseName")),
        std::optional<QString>(QStringLiteral("/home/anne/Factures.vtdb")));
    QCOMPARE(reopened.read(Store::Machine, QStringLiteral("MainForm"),
                           QStringLiteral("dqd_DatabaseName")),
             std::nullopt);
    QCOMPARE(reopened.read(Store::User, QStringLiteral("v3"), QStringLiteral("FI")), std::nullopt);
}

void IniRegistryTest::defaultFolderFollowsXdgConfigHome() {
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_->path()));
    {
        IniRegistry registry;
        registry.write(Store::Machine, QStringLiteral("v3"), QStringLiteral("FI"),
                       QStringLiteral("1"));
        registry.sync();
    }
    if (saved.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", saved);
    QVERIFY(QFile::exists(dir_->filePath(QStringLiteral("VantrelReg/machine.ini"))));
}

void IniRegistryTest::valuesReadBack_data() {
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::newRow("non-ASCII path") << "MainForm"
                                    << "dqd_DatabaseName"
                                    << "/home/anne/Ma société/Dupré.vtdb";
    QTest::newRow("non-ASCII name") << "Société"
                                    << "Clé_été"
                                    << "Œuvre « ancienne »";
    QTest::newRow("comma") << "dbpaths"
                           << "dbpath1"
                           << "/home/anne/Factures, 2025.vtdb";
    QTest::newRow("blanks at both ends") << "MainForm"
                                         << "Caption"
                                         << "  Vantrel  ";
    QTest::newRow("semicolon and hash") << "MainForm"
                                        << "Note"
                                        << "a;b #c";
    QTest::newRow("at sign first") << "MainForm"
                                   << "Note"
                                   << "@Variant(x)";
    QTest::newRow("backslashes") << "dbpaths"
                                 << "dbpath2"
                                 << "C:\\Factures\\Ma société.vtdb";
    QTest::newRow("equals sign and quotes") << "MainForm"
                                            << "Note"
                                            << "a=\"b\"";
    QTest::newRow("empty") << "MainForm"
                           << "dqd_DatabaseName"
                           << "";
}

void IniRegistryTest::valuesReadBack() {
    QFETCH(QString, group);
    QFETCH(QString, name);
    QFETCH(QString, value);
    {
        IniRegistry registry(dir_->path());
        registry.write(Store::User, group, name, value);
        QCOMPARE(registry.read(Store::User, group, name), std::optional<QString>(value));
        registry.sync();
    }
    const IniRegistry reopened(dir_->path());
    QCOMPARE(reopened.read(Store::User, group, name), std::optional<QString>(value));
    QVERIFY(reopened.contains(Store::User, group, name));
    QCOMPARE(reopened.readString(Store::User, group, name, QStringLiteral("défaut")), value);
}

void IniRegistryTest::missingValue() {
    const IniRegistry registry(dir_->path());
    QVERIFY(!registry.contains(Store::User, QStringLiteral("MainForm"), QStringLiteral("absent")));
    QCOMPARE(registry.readString(Store::User, QStringLiteral("MainForm"), QStringLiteral("absent"),
                                 QStringLiteral("défaut")),
             QStringLiteral("défaut"));
    QCOMPARE(
        registry.readInt(Store::User, QStringLiteral("MainForm"), QStringLiteral("absent"), 17),
        17);
    QCOMPARE(
        registry.readBool(Store::User, QStringLiteral("MainForm"), QStringLiteral("absent"), true),
        true);
}

void IniRegistryTest::readInt_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("expected");
    QTest::newRow("number") << "240" << 240;
    QTest::newRow("negative") << "-61" << -61;
    QTest::newRow("blanks around") << " 121 " << 121;
    QTest::newRow("not a number") << "abc" << -1;
    QTest::newRow("decimal") << "1,5" << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("beyond 32 bits") << "2147483648" << -1;
}

void IniRegistryTest::readInt() {
    QFETCH(QString, stored);
    QFETCH(int, expected);
    IniRegistry registry(dir_->path());
    registry.write(Store::User, QStringLiteral("MainForm"), QStringLiteral("selected_y"), stored);
    registry.sync();
    const IniRegistry reopened(dir_->path());
    QCOMPARE(
        reopened.readInt(Store::User, QStringLiteral("MainForm"), QStringLiteral("selected_y"), -1),
        expected);
}

void IniRegistryTest::readBool_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("fallback");
    QTest::addColumn<bool>("expected");
    QTest::newRow("true") << "true" << false << true;
    QTest::newRow("True") << "True" << false << true;
    QTest::newRow("1") << "1" << false << true;
    QTest::newRow("false") << "false" << true << false;
    QTest::newRow("0") << "0" << true << false;
    QTest::newRow("other word, fallback true") << "peut-être" << true << true;
    QTest::newRow("other word, fallback false") << "Oui" << false << false;
    QTest::newRow("empty") << "" << true << true;
}

void IniRegistryTest::readBool() {
    QFETCH(QString, stored);
    QFETCH(bool, fallback);
    QFETCH(bool, expected);
    IniRegistry registry(dir_->path());
    registry.write(Store::User, QStringLiteral("FirstUse"), QStringLiteral("dontshow"), stored);
    QCOMPARE(registry.readBool(Store::User, QStringLiteral("FirstUse"), QStringLiteral("dontshow"),
                               fallback),
             expected);
    // A value written as a flag reads back as that flag whatever the fallback.
    registry.writeBool(Store::User, QStringLiteral("FirstUse"), QStringLiteral("dontshow"),
                       !fallback);
    QCOMPARE(registry.readBool(Store::User, QStringLiteral("FirstUse"), QStringLiteral("dontshow"),
                               fallback),
             !fallback);
}

QTEST_GUILESS_MAIN(IniRegistryTest)
#include "test_ini_registry.moc"
