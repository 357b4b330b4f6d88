// Times a backup (archive written, read back and checked, put in place) of a database
// file of over 100 MB, next to `zip -1 -j` followed by `unzip -t` on the same file.
#include "backup/backup.h"
#include "db/connection.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace vantrel;

namespace {

constexpr int runs = 5;
constexpr qint64 minimumSize = 100LL * 1024 * 1024;

double medianMs(const std::function<void()>& work, const std::function<void()>& prepare) {
    prepare();
    work(); // warms the page cache
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void tool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitCode() != 0) {
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(program), process.readAllStandardError().constData());
        std::exit(1);
    }
}

void report(const char* name, double ms) { std::printf("%s: median %.1f ms\n", name, ms); }

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_backup <database>\n");
        return 2;
    }
    QTemporaryDir dir;
    const QString database = dir.filePath(QStringLiteral("Dupont.vtdb"));
    if (!QFile::copy(QString::fromLocal8Bit(argv[1]), database))
        return 1;
    {
        // Grown with copies of its own invoices until past 100 MB, so the content stays
        // that of a company file.
        db::Connection dqd;
        dqd.open(database);
        while (QFileInfo(database).size() < minimumSize)
            dqd.exec(QStringLiteral("INSERT INTO Invoices15 SELECT * FROM Invoices15 LIMIT 20000;"));
    }
    std::printf("database: %.1f MB\n", double(QFileInfo(database).size()) / 1e6);

    const QString archive = dir.filePath(QStringLiteral("Dupont.vtbk"));
    const QString zipped = dir.filePath(QStringLiteral("outil.zip"));
    const auto clear = [&] {
        QFile::remove(archive);
        QFile::remove(zipped);
    };
    const double backup = medianMs(
        [&] {
            if (backup::writeTestedArchive(database, archive) != backup::ArchiveTest::Passed)
                std::exit(1);
        },
        clear);
    const qint64 archiveSize = QFileInfo(archive).size();
    const double tools = medianMs(
        [&] {
            tool(QStringLiteral("zip"), {QStringLiteral("-q"), QStringLiteral("-1"), QStringLiteral("-j"), zipped, database});
            tool(QStringLiteral("unzip"), {QStringLiteral("-t"), QStringLiteral("-q"), zipped});
        },
        clear);
    report("backup_write_and_test", backup);
    report("zip_1_and_unzip_t", tools);
    std::printf("archive: %.1f MB, zip tool: %.1f MB\n", double(archiveSize) / 1e6,
                double(QFileInfo(zipped).size()) / 1e6);
    std::printf("ratio backup: %.2f\n", backup / tools);
    return 0;
}
