#pragma once

// The main window opened on a small company file, with scripted seams, for the tests
// that drive whole commands from it.
#include "app/main_form.h"
#include "support/test_files.h"
#include "support/test_platform.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

namespace vantrel::testing {

class WindowFixture {
protected:
    QTemporaryDir dir;
    QString database;
    std::unique_ptr<TestPlatform> test;
    std::unique_ptr<app::TMainForm> window;

    // A new company file from `sql` and new seams, before each test.
    void freshDatabase(const QString& fileName, const QString& sql) {
        database = dir.filePath(fileName);
        QFile::remove(database);
        sqlite3Cli(database, sql);
        test = std::make_unique<TestPlatform>();
    }

    // The window with the commands `install` plugs in, opened on the folder (and
    // period) it would come back to.
    void openWindow(lists::Folder folder, const std::function<void(app::TMainForm&)>& install, int period = 0) {
        const QString group = QStringLiteral("MainForm");
        test->registry.writeInt(platform::Store::User, group, QStringLiteral("selected_y"), int(folder) * 60 + 1);
        test->registry.writeInt(platform::Store::User, group, QStringLiteral("Periodbox_ItemIndex"), period);
        window = std::make_unique<app::TMainForm>(test->platform(), dir.path());
        install(*window);
        QCOMPARE(window->okbtnClick(database), app::TMainForm::OpenResult::Opened);
    }

    // After each test: every scripted prompt was shown.
    void finish() {
        QVERIFY(test->prompts.allAnswered());
        window.reset();
        test.reset();
    }

    QString sql(const QString& statement) { return sqlite3Cli(database, statement); }

    int rowOf(const QString& key) {
        for (int r = 0; r < window->listModel().rowCount(); ++r)
            if (window->listModel().key(r) == key)
                return r;
        return -1;
    }
};

} // namespace vantrel::testing
