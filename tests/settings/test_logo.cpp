// The logo's stored text form, the fitting of a new picture into the logo area and
// "Gris".
#include "settings/logo.h"
#include "settings/picture_file.h"

#include <QTest>

using namespace vantrel::settings;

Q_DECLARE_METATYPE(QImage)

namespace {

const QString crlf = QStringLiteral("\r\n");

QImage filled(int width, int height, QRgb colour) {
    QImage picture(width, height, QImage::Format_ARGB32);
    picture.fill(colour);
    return picture;
}

// The lines before and after the picture data, as every stored form writes them.
QString headLines() {
    return QStringLiteral("object vlogo2: TImage32\r\n"
                          "  Left = 0\r\n"
                          "  Top = 0\r\n"
                          "  Width = 266\r\n"
                          "  Height = 116\r\n"
                          "  Align = alClient\r\n"
                          "  Bitmap.ResamplerClassName = 'TNearestResampler'\r\n");
}

QString tailLines() {
    return QStringLiteral("  BitmapAlign = baCenter\r\n"
                          "  Color = clBtnFace\r\n"
                          "  ParentColor = False\r\n"
                          "  Scale = 1\r\n"
                          "  ScaleMode = smNormal\r\n"
                          "  TabOrder = 0\r\n"
                          "end\r\n");
}

void comparePixels(const QImage& actual, const QImage& expected) {
    QCOMPARE(actual.size(), expected.size());
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            QCOMPARE(actual.pixel(x, y), expected.pixel(x, y));
}

} // namespace

class LogoTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void storedText_data() {
        QTest::addColumn<QImage>("picture");
        QTest::addColumn<QString>("text");

        // 10 x 2: 8 + 80 bytes, cut into lines of 32 bytes. Pixel (0,0) opens the data,
        // (0,1) is the 11th pixel and (9,1) closes it, each as blue, green, red, alpha.
        QImage tenByTwo = filled(10, 2, qRgba(0x03, 0x02, 0x01, 0xFF));
        tenByTwo.setPixel(0, 0, qRgba(0xAA, 0xBB, 0xCC, 0x80));
        tenByTwo.setPixel(0, 1, qRgba(0, 0, 0, 0));
        tenByTwo.setPixel(9, 1, qRgba(0x12, 0x34, 0x56, 0x78));
        const QString same = QStringLiteral("010203FF");
        QTest::newRow("10 x 2")
            << tenByTwo
            << headLines() + QStringLiteral("  Bitmap.Data = {\r\n    0A00000002000000CCBBAA80") +
                   same.repeated(5) + crlf + QStringLiteral("    ") + same.repeated(4) +
                   QStringLiteral("00000000") + same.repeated(3) + crlf + QStringLiteral("    ") +
                   same.repeated(5) + QStringLiteral("56341278}") + crlf + tailLines();

        // Less than 32 bytes stay on the property line.
        QTest::newRow("1 x 1") << filled(1, 1, qRgba(0x7F, 0x80, 0x81, 0xFF))
                               << headLines() +
                                      QStringLiteral(
                                          "  Bitmap.Data = {010000000100000081807FFF}\r\n") +
                                      tailLines();
        QTest::newRow("no logo") << QImage() << headLines() + tailLines();
    }

    void storedText() {
        QFETCH(QImage, picture);
        QFETCH(QString, text);
        QCOMPARE(getlogotext(picture), text);
        const QImage read = loadlogo(text);
        QCOMPARE(read.isNull(), picture.isNull());
        if (!picture.isNull())
            comparePixels(read, picture);
    }

    void roundTripOfAPictureInAnotherFormat() {
        // A picture read from a file may come in any format: what is stored is its
        // straight (not premultiplied) colour and alpha.
        QImage picture(7, 5, QImage::Format_RGB32);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x)
                picture.setPixel(x, y, qRgb(x * 30, y * 50, 255 - x * y));
        QImage translucent(3, 2, QImage::Format_ARGB32_Premultiplied);
        translucent.fill(QColor(200, 100, 50, 128));
        for (const QImage& source : {picture, translucent}) {
            const QImage read = loadlogo(getlogotext(source));
            comparePixels(read, source.convertToFormat(QImage::Format_ARGB32));
        }
    }

    void readsAFormWrittenOtherwise() {
        // Other property lines, in another order, lower-case digits, data lines of
        // other lengths with tabs: only the data counts.
        const QString text = QStringLiteral("object vlogo2: TImage32\r\n"
                                            "  TabOrder = 3\r\n"
                                            "  Bitmap.Data = {\r\n"
                                            "    02000000 01000000\r\n"
                                            "\tff0000ff\r\n"
                                            "        00ff00FF}\r\n"
                                            "  Left = 120\r\n"
                                            "  Scale = 1.000000000000000000\r\n"
                                            "  Bitmap.ResamplerClassName = 'TLinearResampler'\r\n"
                                            "end\r\n");
        const QImage read = loadlogo(text);
        QCOMPARE(read.size(), QSize(2, 1));
        QCOMPARE(read.pixel(0, 0), qRgba(0, 0, 0xFF, 0xFF));
        QCOMPARE(read.pixel(1, 0), qRgba(0, 0xFF, 0, 0xFF));
        // LF alone as line end reads the same.
        QCOMPARE(loadlogo(QString(text).remove(QLatin1Char('\r'))).size(), QSize(2, 1));
    }

    void damagedFormsGiveNoLogo_data() {
        QTest::addColumn<QString>("text");
        const QString good = getlogotext(filled(3, 2, qRgb(1, 2, 3)));
        const qsizetype close = good.indexOf(QLatin1Char('}'));
        QTest::newRow("empty") << QString();
        QTest::newRow("all blanks") << QStringLiteral("  \r\n \t \r\n");
        QTest::newRow("no picture data") << getlogotext(QImage());
        QTest::newRow("not a stored form") << QStringLiteral("iVBORw0KGgoAAAANSUhEUgAAAAEAAAAB");
        QTest::newRow("data cut short") << QString(good).remove(close - 8, 8);
        QTest::newRow("cut before the brace") << good.left(close);
        QTest::newRow("only a size")
            << headLines() + QStringLiteral("  Bitmap.Data = {03000000}\r\n") + tailLines();
        QTest::newRow("odd count of digits") << QString(good).remove(close - 1, 1);
        QTest::newRow("not hex") << QString(good).replace(close - 2, 1, QLatin1Char('G'));
        QTest::newRow("no pixels")
            << headLines() + QStringLiteral("  Bitmap.Data = {0000000005000000}\r\n") + tailLines();
        QTest::newRow("size beyond the data")
            << headLines() + QStringLiteral("  Bitmap.Data = {FFFFFFFFFFFFFFFF00000000}\r\n") +
                   tailLines();
        QTest::newRow("name inside another value")
            << QStringLiteral("object vlogo2: TImage32\r\n  Hint = 'Bitmap.Data = "
                              "{0100000001000000FFFFFFFF}'\r\nend\r\n");
    }

    void damagedFormsGiveNoLogo() {
        QFETCH(QString, text);
        QVERIFY(loadlogo(text).isNull());
    }

    void fitsTheLogoArea_data() {
        QTest::addColumn<QSize>("source");
        QTest::addColumn<QSize>("fitted");
        QTest::newRow("wide, halved") << QSize(532, 58) << QSize(266, 29);
        QTest::newRow("tall, halved") << QSize(100, 232) << QSize(50, 116);
        QTest::newRow("small, kept") << QSize(200, 100) << QSize(200, 100);
        QTest::newRow("exactly the area") << QSize(266, 116) << QSize(266, 116);
        QTest::newRow("one pixel too wide") << QSize(267, 116) << QSize(266, 116);
        QTest::newRow("1000 x 1000") << QSize(1000, 1000) << QSize(116, 116);
    }

    void fitsTheLogoArea() {
        QFETCH(QSize, source);
        QFETCH(QSize, fitted);
        // Left half red, right half blue: nearest-neighbour sampling keeps the edge
        // sharp, in the middle of the result.
        QImage picture(source, QImage::Format_ARGB32);
        picture.fill(qRgb(255, 0, 0));
        for (int y = 0; y < source.height(); ++y)
            for (int x = source.width() / 2; x < source.width(); ++x)
                picture.setPixel(x, y, qRgb(0, 0, 255));
        const QImage result = fitLogo(picture);
        QCOMPARE(result.size(), fitted);
        const int edge = fitted.width() / 2;
        for (int y : {0, fitted.height() - 1}) {
            QCOMPARE(result.pixel(0, y), qRgb(255, 0, 0));
            QCOMPARE(result.pixel(edge - 1, y), qRgb(255, 0, 0));
            QCOMPARE(result.pixel(edge + 1, y), qRgb(0, 0, 255));
            QCOMPARE(result.pixel(fitted.width() - 1, y), qRgb(0, 0, 255));
        }
    }

    void transparencyShowsTheGrayFill() {
        QImage picture(4, 1, QImage::Format_ARGB32);
        picture.setPixel(0, 0, qRgba(10, 20, 30, 0));      // fully transparent
        picture.setPixel(1, 0, qRgba(255, 255, 255, 255)); // opaque
        picture.setPixel(2, 0, qRgba(255, 0, 0, 51));      // a fifth opaque
        picture.setPixel(3, 0, qRgba(0, 0, 0, 255));
        const QImage result = fitLogo(picture);
        QCOMPARE(result.pixel(0, 0), qRgba(127, 127, 127, 255));
        QCOMPARE(result.pixel(1, 0), qRgba(255, 255, 255, 255));
        QCOMPARE(result.pixel(2, 0), qRgba(153, 102, 102, 255));
        QCOMPARE(result.pixel(3, 0), qRgba(0, 0, 0, 255));
    }

    void grayTakesTheBlueComponent_data() {
        QTest::addColumn<QRgb>("pixel");
        QTest::addColumn<QRgb>("gray");
        QTest::newRow("pure red") << qRgb(255, 0, 0) << qRgb(0, 0, 0);
        QTest::newRow("pure blue") << qRgb(0, 0, 255) << qRgb(255, 255, 255);
        QTest::newRow("green and blue") << qRgb(0, 200, 64) << qRgb(64, 64, 64);
        QTest::newRow("translucent") << qRgba(9, 9, 90, 40) << qRgba(90, 90, 90, 255);
    }

    void grayTakesTheBlueComponent() {
        QFETCH(QRgb, pixel);
        QFETCH(QRgb, gray);
        QImage picture = filled(2, 3, pixel);
        const QImage result = grayLogo(picture);
        QCOMPARE(result.size(), QSize(2, 3));
        QCOMPARE(result.pixel(0, 0), gray);
        QCOMPARE(result.pixel(1, 2), gray);
        QVERIFY(grayLogo(QImage()).isNull());
    }

    void decodesTrueVisionPictures() {
        // 2 x 2, 32 bits with alpha, first row at the top, one packed run and one raw.
        QByteArray colour(18, '\0');
        colour[2] = 10;
        colour[12] = 2;
        colour[14] = 2;
        colour[16] = 32;
        colour[17] = 0x28; // rows from the top, 8 bits of alpha
        colour.append(QByteArray::fromHex("82"
                                          "30201080" // 3 x (r 16, g 32, b 48, a 128)
                                          "00"
                                          "FF0000FF")); // 1 x pure blue
        QImage read = decodeTrueVision(colour);
        QCOMPARE(read.size(), QSize(2, 2));
        QCOMPARE(read.pixel(0, 0), qRgba(0x10, 0x20, 0x30, 0x80));
        QCOMPARE(read.pixel(0, 1), qRgba(0x10, 0x20, 0x30, 0x80));
        QCOMPARE(read.pixel(1, 1), qRgba(0, 0, 0xFF, 0xFF));

        // 8-bit gray, rows from the bottom.
        QByteArray gray(18, '\0');
        gray[2] = 3;
        gray[12] = 1;
        gray[14] = 2;
        gray[16] = 8;
        gray.append(QByteArray::fromHex("10F0"));
        read = decodeTrueVision(gray);
        QCOMPARE(read.pixel(0, 0), qRgb(0xF0, 0xF0, 0xF0));
        QCOMPARE(read.pixel(0, 1), qRgb(0x10, 0x10, 0x10));

        // Cut short, or a run beyond the picture: no picture.
        QVERIFY(decodeTrueVision(gray.left(gray.size() - 1)).isNull());
        colour[colour.size() - 5] = char(0x01);
        QVERIFY(decodeTrueVision(colour).isNull());
        QVERIFY(decodeTrueVision(QByteArray("ceci n'est pas une image")).isNull());
    }
};

QTEST_GUILESS_MAIN(LogoTest)
#include "test_logo.moc"
