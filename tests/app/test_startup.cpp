// The way from launch to a waiting main window, driven through the scripted seams.
#include "app/main_form.h"
#include "app/messages.h"
#include "app/startup.h"
#include "support/test_files.h"
#include "support/test_platform.h"

#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace vantrel;
using testing::PromptKind;

namespace {
const QString demoName = QStringLiteral("Base de données d'exemple.vtdb");
const QString firstUseClass = QStringLiteral("vantrel::app::TfirstUseInfoForm");
const QLocale french(QLocale::French, QLocale::France);

// Ticks "Bien compris !" and closes the first-use dialog with its button.
void acceptFirstUse(QDialog& dialog) {
    dialog.findChild<QCheckBox*>()->setChecked(true);
    for (QPushButton* b : dialog.findChildren<QPushButton*>())
        if (b->text() == QLatin1String("OK"))
            b->click();
}
} // namespace

class StartupTest : public QObject {
    Q_OBJECT

    QTemporaryDir programDir;

    void installDemo() {
        QFile::remove(programDir.filePath(demoName));
        QVERIFY(QFile::copy(testing::binDir() + QLatin1Char('/') + demoName, programDir.filePath(demoName)));
    }

private Q_SLOTS:
    void decimalSeparator_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("French") << QLocale(QLocale::French, QLocale::France) << true;
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << true;
        QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates) << false;
        QTest::newRow("C") << QLocale::c() << false;
        QTest::newRow("British") << QLocale(QLocale::English, QLocale::UnitedKingdom) << false;
    }

    void decimalSeparator() {
        QFETCH(QLocale, locale);
        QFETCH(bool, accepted);
        testing::TestPlatform test;
        if (!accepted)
            test.prompts.expect(PromptKind::Warning);
        QCOMPARE(app::checkDecimalSeparator(locale, test.prompts), accepted);
        QVERIFY(test.prompts.allAnswered());
        if (!accepted) {
            const QString text = test.prompts.shown.first().text;
            QVERIFY(text.startsWith(QStringLiteral("Un problème s'est produit à cause du paramètre de séparateur")));
            QVERIFY(text.contains(QStringLiteral("fonctionner bien.\r\rSi vous avez besoin")));
            QCOMPARE(text.count(QLatin1Char('\r')), 10);
            QVERIFY(!text.contains(QLatin1Char('\n')));
        }
    }

    void refusedSeparatorStopsBeforeWritingAnything() {
        testing::TestPlatform test;
        installDemo();
        test.prompts.expect(PromptKind::Warning);
        auto window = app::startVantrel(test.platform(), QLocale::c(), programDir.path());
        QVERIFY(!window);
        QVERIFY(test.prompts.allAnswered());
        QCOMPARE(test.registry.size(), 0);
        QVERIFY(test.modal.shownClasses.isEmpty());
    }

    void firstRunFlag_data() {
        QTest::addColumn<QString>("stored"); // "<none>" for a missing value
        QTest::addColumn<bool>("first");
        QTest::newRow("missing") << QStringLiteral("<none>") << true;
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("one") << QStringLiteral("1") << true;
        QTest::newRow("zero") << QStringLiteral("0") << false;
    }

    void firstRunFlag() {
        QFETCH(QString, stored);
        QFETCH(bool, first);
        testing::TestPlatform test;
        if (stored != QLatin1String("<none>"))
            test.registry.write(platform::Store::Machine, QStringLiteral("v3"), QStringLiteral("FI"), stored);
        QCOMPARE(app::isFirstRun(test.registry), first);
        QCOMPARE(test.registry.readString(platform::Store::Machine, QStringLiteral("v3"), QStringLiteral("FI")),
                 QStringLiteral("0"));
        QCOMPARE(app::isFirstRun(test.registry), false);
    }

    // A new user: the first-use dialog refuses to close until its box is ticked, then
    // the demonstration database beside the program opens and is remembered.
    void firstStartOfAUser() {
        testing::TestPlatform test;
        installDemo();
        test.modal.once(firstUseClass, [&](QDialog& dialog) {
            auto* ok = dialog.findChild<QPushButton*>();
            test.prompts.expect(PromptKind::Information);
            ok->click();
            QVERIFY(dialog.isVisible());
            test.prompts.expect(PromptKind::Information);
            dialog.close(); // the window's close box
            QVERIFY(dialog.isVisible());
            acceptFirstUse(dialog);
        });
        auto window = app::startVantrel(test.platform(), french, programDir.path());
        QVERIFY(window);
        QCOMPARE(test.modal.shownClasses, QStringList{firstUseClass});
        QCOMPARE(test.prompts.texts(), (QList<QString>{app::messages::firstUseRefusal, app::messages::firstUseRefusal}));
        QCOMPARE(test.prompts.texts().first(),
                 QStringLiteral("Veuillez lire cette information et cocher la case \"Bien compris\""));
        QVERIFY(window->hasDatabase());
        QCOMPARE(window->dqd.path(), programDir.filePath(demoName));
        QCOMPARE(window->windowTitle(), QStringLiteral("Vantrel - Base de données d'exemple"));
        QCOMPARE(window->statusText(),
                 QStringLiteral("Chemin de base de données :  ") + programDir.filePath(demoName));
        QVERIFY(window->workAreaShown());
        QCOMPARE(test.registry.readBool(platform::Store::User, QStringLiteral("MainForm"), QStringLiteral("firstuse"), true),
                 false);
        QCOMPARE(test.registry.readString(platform::Store::Machine, QStringLiteral("dbpaths"), QStringLiteral("dbpath1")),
                 programDir.filePath(demoName));
        QCOMPARE(test.registry.readString(platform::Store::Machine, QStringLiteral("v3"), QStringLiteral("FI")),
                 QStringLiteral("0"));

        // Closing the window offers the backup (ticked for a new user), then remembers the
        // open database for the next start.
        test.modal.once(QStringLiteral("vantrel::backup::TBackupForm"), [](QDialog& dialog) { dialog.reject(); });
        window->close();
        QCOMPARE(test.modal.shownClasses.last(), QStringLiteral("vantrel::backup::TBackupForm"));
        QCOMPARE(test.registry.readString(platform::Store::User, QStringLiteral("MainForm"),
                                          QStringLiteral("dqd_DatabaseName")),
                 programDir.filePath(demoName));
    }

    // What a later start finds in the remembered path decides what opens.
    void rememberedPath_data() {
        QTest::addColumn<QString>("remembered"); // "<none>": nothing stored; "<gone>": a deleted file
        QTest::addColumn<bool>("demoPresent");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<bool>("warned");
        QTest::newRow("nothing stored, demo present") << QStringLiteral("<none>") << true << true << false;
        QTest::newRow("nothing stored, demo absent") << QStringLiteral("<none>") << false << false << true;
        QTest::newRow("empty path") << QString() << true << false << false;
        QTest::newRow("blank path") << QStringLiteral("   ") << true << false << false;
        QTest::newRow("deleted file") << QStringLiteral("<gone>") << true << false << true;
    }

    void rememberedPath() {
        QFETCH(QString, remembered);
        QFETCH(bool, demoPresent);
        QFETCH(bool, opens);
        QFETCH(bool, warned);
        testing::TestPlatform test;
        if (demoPresent)
            installDemo();
        else
            QFile::remove(programDir.filePath(demoName));
        test.registry.writeBool(platform::Store::User, QStringLiteral("MainForm"), QStringLiteral("firstuse"), false);
        if (remembered == QLatin1String("<gone>"))
            remembered = programDir.filePath(QStringLiteral("supprimée.vtdb"));
        if (remembered != QLatin1String("<none>"))
            test.registry.write(platform::Store::User, QStringLiteral("MainForm"), QStringLiteral("dqd_DatabaseName"),
                                remembered);
        if (warned)
            test.prompts.expect(PromptKind::Warning);

        auto window = app::startVantrel(test.platform(), french, programDir.path());
        QVERIFY(window);
        QVERIFY(test.modal.shownClasses.isEmpty()); // the first-use dialog is not shown again
        QVERIFY(test.prompts.allAnswered());
        if (warned)
            QCOMPARE(test.prompts.texts(), QList<QString>{QStringLiteral("Le fichier de base de données n'existe plus.")});
        QCOMPARE(window->hasDatabase(), opens);
        QCOMPARE(window->workAreaShown(), opens);
        if (!opens) {
            QCOMPARE(window->windowTitle(), QStringLiteral("Vantrel 3"));
            QCOMPARE(window->statusText(), QString());
            QVERIFY(window->noDatabaseText().startsWith(QStringLiteral("Pas de base de données ouverte.")));
        }
    }
};

QTEST_MAIN(StartupTest)
#include "test_startup.moc"
