#include "support/test_files.h"

#include <QFile>
#include <QProcess>
#include <QTest>

namespace vantrel::testing {

QString sqlite3Cli(const QString& databasePath, const QString& sql) {
    QProcess process;
    process.start(QStringLiteral("sqlite3"), {QStringLiteral("-batch"), databasePath});
    if (!process.waitForStarted()) {
        QTest::qFail("sqlite3 could not be started", __FILE__, __LINE__);
        return {};
    }
    process.write(sql.toUtf8());
    process.closeWriteChannel();
    process.waitForFinished(30000);
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        QTest::qFail(qPrintable(QStringLiteral("sqlite3 failed: ") + QString::fromUtf8(process.readAllStandardError())),
                     __FILE__, __LINE__);
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QString binDir() { return qEnvironmentVariable("VANTREL_BIN_DIR"); }

} // namespace vantrel::testing
