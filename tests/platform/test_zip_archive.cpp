// The zip layer: what the written archive holds byte by byte, that tools we did not
// write read it, that damage is caught, and how unreadable archives are reported.
#include "platform/zip_archive.h"
#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <zip.h>

using namespace vantrel;
using platform::ZipError;

namespace {

quint16 u16(const QByteArray& d, qsizetype at) { return quint16(quint8(d[at]) | (quint8(d[at + 1]) << 8)); }
quint32 u32(const QByteArray& d, qsizetype at) { return quint32(u16(d, at)) | (quint32(u16(d, at + 2)) << 16); }

QString libzipMessage(int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromLocal8Bit(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}

struct Tool {
    int exitCode;
    QString output;
};

Tool run(const QString& program, const QStringList& arguments, const QString& folder = {}) {
    QProcess process;
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAll())};
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Content that deflates well but not to nothing, like a database page file.
QByteArray sampleContent() {
    QByteArray bytes;
    for (int i = 0; i < 20000; ++i)
        bytes += QByteArray::number(i * 7919 % 10007) + ";Dupont;Pose de robinet;45,00 €\n";
    return bytes;
}

} // namespace

class ZipArchiveTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString makeArchive(const QString& entryName, const QByteArray& content) {
        const QString source = dir.filePath(QStringLiteral("source.bin"));
        writeFile(source, content);
        const QString archive = dir.filePath(QStringLiteral("archive.zip"));
        platform::ZipWriter writer(archive);
        writer.addFile(source, entryName);
        writer.close();
        return archive;
    }

private Q_SLOTS:
    // The entry is the file's bytes under the name in CP850 (no Unicode flag), deflated
    // at the fast level, with no encryption and no Zip64 record; unzip agrees.
    void writtenArchive_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("cp850");
        QTest::newRow("ascii") << QStringLiteral("Dupont.vtdb") << QByteArray("Dupont.vtdb");
        QTest::newRow("accents and blanks") << QStringLiteral("Société Générale.vtdb")
                                            << QByteArray("Soci\x82t\x82 G\x82n\x82rale.vtdb");
        // "Ã©" is C7 B8 in CP850, which also reads as valid UTF-8.
        QTest::newRow("cp850 bytes that look like UTF-8") << QStringLiteral("Ã©.vtdb") << QByteArray("\xC7\xB8.vtdb");
        QTest::newRow("outside the code page") << QStringLiteral("Prix €.vtdb") << QByteArray("Prix _.vtdb");
    }

    void writtenArchive() {
        QFETCH(QString, name);
        QFETCH(QByteArray, cp850);
        const QByteArray content = sampleContent();
        const QString archive = makeArchive(name, content);
        const QByteArray bytes = testing::fileBytes(archive);

        QCOMPARE(u32(bytes, 0), 0x04034b50u);
        const quint16 flags = u16(bytes, 6);
        QCOMPARE(flags & 0x0800, 0);   // no Unicode name flag
        QCOMPARE(flags & 0x0001, 0);   // not encrypted
        QCOMPARE((flags >> 1) & 3, 2); // deflate option bits: "fast"
        QCOMPARE(u16(bytes, 8), quint16(8)); // deflated
        QVERIFY(u16(bytes, 4) < 45);         // no Zip64 version needed
        const quint16 nameLength = u16(bytes, 26);
        QCOMPARE(bytes.mid(30, nameLength), cp850);
        QCOMPARE(u16(bytes, 28), quint16(0)); // no extra field (no Zip64, no Unicode path)

        const quint32 directory = u32(bytes, bytes.size() - 22 + 16);
        QCOMPARE(u32(bytes, directory), 0x02014b50u);
        QCOMPARE(u16(bytes, directory + 8) & 0x0800, 0);
        QCOMPARE(bytes.mid(directory + 46, u16(bytes, directory + 28)), cp850);
        QCOMPARE(u16(bytes, bytes.size() - 22 + 10), quint16(1)); // one entry

        QCOMPARE(platform::testArchive(archive), QString());
        const Tool unzipTest = run(QStringLiteral("unzip"), {QStringLiteral("-t"), archive});
        QVERIFY2(unzipTest.exitCode == 0, qPrintable(unzipTest.output));
        const Tool info = run(QStringLiteral("unzip"), {QStringLiteral("-Z"), QStringLiteral("-v"), archive});
        const QString details = info.output.simplified();
        QVERIFY2(details.contains(QStringLiteral("compression method: deflated")), qPrintable(details));
        QVERIFY(details.contains(QStringLiteral("compression sub-type (deflation): fast")));
        QVERIFY(details.contains(QStringLiteral("file security status: not encrypted")));

        platform::ZipReader reader(archive);
        QCOMPARE(reader.entryCount(), 1);
        if (!name.contains(QChar(0x20AC)))
            QCOMPARE(reader.entryName(0), name);
        QDir(dir.filePath(QStringLiteral("out"))).removeRecursively();
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("out")));
        reader.extractAll(dir.filePath(QStringLiteral("out")), [](const QString&) { return QStringLiteral("x"); });
        QCOMPARE(testing::fileBytes(dir.filePath(QStringLiteral("out/x"))), content);
    }

    // A flipped byte in the compressed data, or a cut-off file, fails the test.
    void damageIsCaught_data() {
        QTest::addColumn<bool>("truncate");
        QTest::newRow("flipped byte") << false;
        QTest::newRow("cut off") << true;
    }

    void damageIsCaught() {
        QFETCH(bool, truncate);
        const QString archive = makeArchive(QStringLiteral("Dupont.vtdb"), sampleContent());
        QByteArray bytes = testing::fileBytes(archive);
        if (truncate)
            bytes.truncate(bytes.size() / 2);
        else
            bytes[30 + 11 + 100] = char(bytes[30 + 11 + 100] ^ 0x55);
        writeFile(archive, bytes);
        QVERIFY(!platform::testArchive(archive).isEmpty());
    }

    // Archives that cannot be read say so in the library's words; nothing is written.
    void unreadableArchives_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("not a zip") << QStringLiteral("text") << libzipMessage(ZIP_ER_NOZIP);
        QTest::newRow("encrypted entry") << QStringLiteral("encrypted") << libzipMessage(ZIP_ER_NOPASSWD);
        QTest::newRow("missing file") << QStringLiteral("missing") << libzipMessage(ZIP_ER_NOENT);
    }

    void unreadableArchives() {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        const QString archive = dir.filePath(QStringLiteral("bad.zip"));
        QFile::remove(archive);
        if (kind == QLatin1String("text")) {
            writeFile(archive, "Ceci n'est pas une archive.\n");
        } else if (kind == QLatin1String("encrypted")) {
            writeFile(dir.filePath(QStringLiteral("Dupont.vtdb")), sampleContent());
            const Tool zip = run(QStringLiteral("zip"), {QStringLiteral("-q"), QStringLiteral("-P"),
                                                         QStringLiteral("secret"), archive, QStringLiteral("Dupont.vtdb")},
                                 dir.path());
            QCOMPARE(zip.exitCode, 0);
        }
        const QString out = dir.filePath(QStringLiteral("unreadable"));
        QDir(out).removeRecursively();
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("unreadable")));
        try {
            platform::ZipReader reader(archive);
            reader.extractAll(out, [](const QString&) { return QStringLiteral("essai.vtdb"); });
            QFAIL("the archive was read");
        } catch (const ZipError& error) {
            QVERIFY2(error.message().startsWith(message), qPrintable(error.message()));
        }
        QCOMPARE(QDir(out).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    }

    // A file that is already there is never replaced by an extraction.
    void existingTargetIsKept() {
        const QString archive = makeArchive(QStringLiteral("Dupont.vtdb"), sampleContent());
        const QString target = dir.filePath(QStringLiteral("essai.vtdb"));
        writeFile(target, "ancienne base");
        platform::ZipReader reader(archive);
        QVERIFY_THROWS_EXCEPTION(ZipError, reader.extractAll(dir.path(), [](const QString&) {
            return QStringLiteral("essai.vtdb");
        }));
        QCOMPARE(testing::fileBytes(target), QByteArray("ancienne base"));
    }

    void cp850RoundTrip() {
        QString all;
        for (int byte = 0x20; byte < 0x100; ++byte)
            if (byte != 0x7f)
                all += platform::fromCp850(QByteArray(1, char(byte)));
        const QByteArray back = platform::toCp850(all);
        QCOMPARE(back.size(), 0x100 - 0x20 - 1);
        QCOMPARE(platform::fromCp850(back), all);
        QCOMPARE(platform::toCp850(QStringLiteral("éèàçÉ")), QByteArray("\x82\x8a\x85\x87\x90"));
    }
};

QTEST_GUILESS_MAIN(ZipArchiveTest)
#include "test_zip_archive.moc"
