// The company settings in the database: defaults, what a save stores and reads back,
// and a save that fails half-way.
#include "core/error.h"
#include "db/connection.h"
#include "db/schema.h"
#include "settings/company_settings.h"
#include "settings/logo.h"
#include "support/scripted_prompts.h"
#include "support/test_files.h"

#include <QTemporaryDir>
#include <QTest>

using namespace vantrel;
using settings::CompanySettings;
using testing::sqlite3Cli;

namespace {

// A new company file, made as the Create command makes it.
void createCompanyFile(db::Connection& dqd, const QString& path) {
    dqd.create(path);
    dqd.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS VerInfo (VerNum Text);"));
    db::set_db_version(dqd, db::currentVersion);
    testing::ScriptedPrompts prompts;
    db::Create_Tables(dqd, prompts);
}

// Every text field different, so that a value landing in the wrong column shows.
CompanySettings everyField(const QString& text) {
    CompanySettings s;
    s.businessName = QStringLiteral("nom ") + text;
    s.address = QStringLiteral("adresse ") + text + QStringLiteral("\r\n2e ligne\r\n75011 Paris");
    s.email = QStringLiteral("email ") + text;
    s.telephone = QStringLiteral("tel ") + text;
    s.fax = QStringLiteral("fax ") + text;
    s.website = QStringLiteral("web ") + text;
    s.currency = QStringLiteral("CHF ") + text;
    s.rate1 = QStringLiteral("19,60");
    s.decimals = QStringLiteral("3");
    s.rate2 = QStringLiteral("7,00");
    s.includeInfos = true;
    s.siret = QStringLiteral("siret ") + text;
    s.rcs = QStringLiteral("rcs ") + text;
    s.naf = QStringLiteral("naf ") + text;
    s.tvaIntra = QStringLiteral("tva ") + text;
    s.includeFooter = false;
    s.footerText = QStringLiteral("pied ") + text + QStringLiteral("\r\nligne 2");
    QImage logo(3, 2, QImage::Format_ARGB32);
    logo.fill(qRgba(10, 20, 30, 255));
    logo.setPixel(2, 1, qRgba(200, 100, 0, 255));
    s.logo = logo;
    return s;
}

void compareSettings(const CompanySettings& read, const CompanySettings& saved) {
    QCOMPARE(read.businessName, saved.businessName);
    QCOMPARE(read.address, saved.address);
    QCOMPARE(read.email, saved.email);
    QCOMPARE(read.telephone, saved.telephone);
    QCOMPARE(read.fax, saved.fax);
    QCOMPARE(read.website, saved.website);
    QCOMPARE(read.currency, saved.currency);
    QCOMPARE(read.rate1, saved.rate1);
    QCOMPARE(read.decimals, saved.decimals);
    QCOMPARE(read.rate2, saved.rate2);
    QCOMPARE(read.includeInfos, saved.includeInfos);
    QCOMPARE(read.siret, saved.siret);
    QCOMPARE(read.rcs, saved.rcs);
    QCOMPARE(read.naf, saved.naf);
    QCOMPARE(read.tvaIntra, saved.tvaIntra);
    QCOMPARE(read.includeFooter, saved.includeFooter);
    QCOMPARE(read.footerText, saved.footerText);
    QCOMPARE(read.logo.isNull(), saved.logo.isNull());
    if (!saved.logo.isNull())
        QCOMPARE(read.logo, saved.logo.convertToFormat(QImage::Format_ARGB32));
}

int rows(db::Connection& dqd, const QString& table) {
    return dqd.scalar(QStringLiteral("SELECT count(*) FROM ") + table).value_or(QString()).toInt();
}

} // namespace

class CompanySettingsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString path;
    db::Connection dqd;

private Q_SLOTS:
    void init() {
        static int n = 0;
        path = dir.filePath(QStringLiteral("société %1.vtdb").arg(++n));
        createCompanyFile(dqd, path);
    }

    void cleanup() { dqd.close(); }

    void aNewDatabaseGivesTheDefaults() {
        const CompanySettings s = settings::loadsettings(dqd);
        for (const QString& text : {s.businessName, s.address, s.email, s.telephone, s.fax,
                                    s.website, s.siret, s.rcs, s.naf, s.tvaIntra, s.footerText})
            QVERIFY(text.isEmpty());
        QCOMPARE(s.currency, QStringLiteral("€"));
        QCOMPARE(s.rate1, QStringLiteral("20,00"));
        QCOMPARE(s.decimals, QStringLiteral("2"));
        QCOMPARE(s.rate2, QStringLiteral("5,00"));
        QVERIFY(s.logo.isNull());
        QVERIFY(!s.includeInfos);
        QVERIFY(!s.includeFooter);
        QCOMPARE(db::getvatrate(dqd), QStringLiteral("0"));
        QCOMPARE(s.moneyFormat().pattern(), QStringLiteral("0.00 €"));
    }

    void savedTextsComeBackUnchanged_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("apostrophe") << QStringLiteral("L'Atelier d''en face");
        QTest::newRow("double quotes") << QStringLiteral("\"Qualité\" garantie \"\"10 ans\"");
        QTest::newRow("a column's name") << QStringLiteral("Footer_text");
        QTest::newRow("statement text") << QStringLiteral("'); DROP TABLE Settings15; --\");");
        QTest::newRow("outside Windows-1252") << QStringLiteral("Œuvre — ŝ 日本 ✓ 😀");
        QTest::newRow("empty") << QString();
    }

    void savedTextsComeBackUnchanged() {
        QFETCH(QString, text);
        const CompanySettings saved = everyField(text);
        settings::savesettings(dqd, saved);
        compareSettings(settings::loadsettings(dqd), saved);
        QCOMPARE(db::getvatrate(dqd), QStringLiteral("19,60"));
        // Another client reads the same texts.
        QCOMPARE(sqlite3Cli(path, QStringLiteral("SELECT Nom FROM Settings15;")),
                 saved.businessName + '\n');
        QCOMPARE(
            sqlite3Cli(path, QStringLiteral(
                                 "SELECT Include_footer_check, replace(Footer_text, char(13), '') "
                                 "FROM Footer25;")),
            QStringLiteral("False|pied ") + text + QStringLiteral("\nligne 2\n"));
    }

    void savingTwiceLeavesOneRowPerTable() {
        settings::savesettings(dqd, everyField(QStringLiteral("un")));
        const CompanySettings second = everyField(QStringLiteral("deux"));
        settings::savesettings(dqd, second);
        for (const QString& table : {QStringLiteral("Settings15"), QStringLiteral("Informations20"),
                                     QStringLiteral("Footer25")})
            QCOMPARE(rows(dqd, table), 1);
        compareSettings(settings::loadsettings(dqd), second);
    }

    void onlyTheExactWordChecksABox_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("checked");
        QTest::newRow("True") << QStringLiteral("True") << true;
        QTest::newRow("true") << QStringLiteral("true") << false;
        QTest::newRow("TRUE") << QStringLiteral("TRUE") << false;
        QTest::newRow("trailing blank") << QStringLiteral("True ") << false;
        QTest::newRow("Oui") << QStringLiteral("Oui") << false;
    }

    void onlyTheExactWordChecksABox() {
        QFETCH(QString, stored);
        QFETCH(bool, checked);
        sqlite3Cli(path, QStringLiteral("INSERT INTO Informations20 VALUES ('%1','s','r','n','t');"
                                        "INSERT INTO Footer25 VALUES ('%1','pied');")
                             .arg(stored));
        const CompanySettings s = settings::loadsettings(dqd);
        QCOMPARE(s.includeInfos, checked);
        QCOMPARE(s.includeFooter, checked);
        QCOMPARE(s.siret, QStringLiteral("s"));
        QCOMPARE(s.footerText, QStringLiteral("pied"));
    }

    void aFailedSaveKeepsThePreviousSettings_data() {
        QTest::addColumn<QString>("table");
        QTest::newRow("company") << QStringLiteral("Settings15");
        QTest::newRow("legal identifiers") << QStringLiteral("Informations20");
        QTest::newRow("footer") << QStringLiteral("Footer25");
    }

    void aFailedSaveKeepsThePreviousSettings() {
        QFETCH(QString, table);
        const CompanySettings before = everyField(QStringLiteral("avant"));
        settings::savesettings(dqd, before);
        sqlite3Cli(path, QStringLiteral("CREATE TRIGGER full BEFORE INSERT ON %1 "
                                        "BEGIN SELECT RAISE(ABORT,'disque plein'); END;")
                             .arg(table));
        CompanySettings after = everyField(QStringLiteral("après"));
        after.logo = QImage();
        QString message;
        try {
            settings::savesettings(dqd, after);
        } catch (const Error& error) {
            message = error.message();
        }
        QCOMPARE(message, QStringLiteral("disque plein"));
        compareSettings(settings::loadsettings(dqd), before);
        // The connection is usable again: no transaction was left open.
        sqlite3Cli(path, QStringLiteral("DROP TRIGGER full;"));
        settings::savesettings(dqd, after);
        compareSettings(settings::loadsettings(dqd), after);
    }

    void aDamagedLogoLeavesTheOtherSettings() {
        // Another tool left a logo cut short in the middle of its data.
        sqlite3Cli(path, QStringLiteral(
                             "INSERT INTO Settings15 VALUES ('Menuiserie Roux','','','','','','€',"
                             "'20,00','object vlogo2: TImage32'||char(13,10)||'  Bitmap.Data = {'"
                             "||char(13,10)||'    0A000000020000007F7F7FFF','3','10,00');"));
        const CompanySettings s = settings::loadsettings(dqd);
        QVERIFY(s.logo.isNull());
        QCOMPARE(s.businessName, QStringLiteral("Menuiserie Roux"));
        QCOMPARE(s.decimals, QStringLiteral("3"));
        QCOMPARE(s.rate2, QStringLiteral("10,00"));
    }

    void theStoredLogoIsTheTextForm() {
        CompanySettings s;
        QImage logo(2, 1, QImage::Format_ARGB32);
        logo.setPixel(0, 0, qRgba(0x11, 0x22, 0x33, 0xFF));
        logo.setPixel(1, 0, qRgba(0xAA, 0xBB, 0xCC, 0xDD));
        s.logo = logo;
        settings::savesettings(dqd, s);
        const QString expected = QStringLiteral(
            "object vlogo2: TImage32\r\n  Left = 0\r\n  Top = 0\r\n  Width = 266\r\n  Height = "
            "116\r\n"
            "  Align = alClient\r\n  Bitmap.ResamplerClassName = 'TNearestResampler'\r\n"
            "  Bitmap.Data = {0200000001000000332211FFCCBBAADD}\r\n  BitmapAlign = baCenter\r\n"
            "  Color = clBtnFace\r\n  ParentColor = False\r\n  Scale = 1\r\n  ScaleMode = "
            "smNormal\r\n"
            "  TabOrder = 0\r\nend\r\n");
        QCOMPARE(
            sqlite3Cli(path, QStringLiteral(
                                 "SELECT typeof(Logo), hex(CAST(Logo AS BLOB)) FROM Settings15;")),
            QStringLiteral("text|") + QString::fromLatin1(expected.toUtf8().toHex().toUpper()) +
                '\n');
        QCOMPARE(settings::loadsettings(dqd).logo, logo);

        // "Supprimer" then "&OK": a form without picture data, read as no logo.
        settings::savesettings(dqd, CompanySettings{});
        QCOMPARE(
            sqlite3Cli(path, QStringLiteral("SELECT instr(Logo, 'Bitmap.Data') FROM Settings15;")),
            QStringLiteral("0\n"));
        QVERIFY(settings::loadsettings(dqd).logo.isNull());
    }
};

QTEST_GUILESS_MAIN(CompanySettingsTest)
#include "test_company_settings.moc"
