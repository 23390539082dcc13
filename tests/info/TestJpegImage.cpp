// The picture loader: good files decode, and every kind of bad file is a missing picture.
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include "JpegWriter.h"
#include "desktop/info/JpegImage.h"

using namespace kalvora;
using namespace kalvora::testing;

Q_DECLARE_METATYPE(kalvora::testing::JpegKind)

namespace {

bool Near(QColor a, QColor b) {
    return qAbs(a.red() - b.red()) <= 6 && qAbs(a.green() - b.green()) <= 6 &&
           qAbs(a.blue() - b.blue()) <= 6;
}

}  // namespace

class TestJpegImage : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void GoodJpegDecodesWithItsSizeAndColour_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<JpegKind>("kind");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("rgb red") << 40 << 30 << QColor(200, 30, 40) << JpegKind::Rgb
                                 << QColor(200, 30, 40);
        QTest::newRow("rgb one pixel")
            << 1 << 1 << QColor(10, 120, 250) << JpegKind::Rgb << QColor(10, 120, 250);
        QTest::newRow("odd size") << 17 << 331 << QColor(0, 128, 0) << JpegKind::Rgb
                                  << QColor(0, 128, 0);
        QTest::newRow("greyscale")
            << 24 << 16 << QColor(90, 90, 90) << JpegKind::Grey << QColor(90, 90, 90);
        QTest::newRow("progressive")
            << 64 << 48 << QColor(250, 250, 250) << JpegKind::Progressive << QColor(250, 250, 250);
        QTest::newRow("cmyk") << 16 << 16 << QColor(255, 255, 0) << JpegKind::Cmyk
                              << QColor(255, 255, 0);
    }
    void GoodJpegDecodesWithItsSizeAndColour() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QColor, colour);
        QFETCH(JpegKind, kind);
        QFETCH(QColor, expected);
        const QString path = dir_.filePath(QStringLiteral("good.jpg"));
        QVERIFY(WriteFile(path, MakeJpeg(width, height, colour, kind)));
        const QImage image = LoadJpegImage(path);
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), QSize(width, height));
        const QColor centre = image.pixelColor(width / 2, height / 2);
        QVERIFY2(Near(centre, expected), qPrintable(centre.name()));
    }

    void BadFileIsAMissingPicture_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = MakeJpeg(64, 48, QColor(20, 40, 60));
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("this is not a picture at all");
        QTest::newRow("start marker only") << good.left(2);
        QTest::newRow("header only") << good.left(120);
        QTest::newRow("cut in half") << good.left(good.size() / 2);
        QTest::newRow("end marker missing") << good.left(good.size() - 2);
        QByteArray scrambled = good;
        for (int i = good.size() / 3; i < good.size() - 2; i += 7) {
            scrambled[i] = static_cast<char>(0xFF);
        }
        const QByteArray progressive = MakeJpeg(64, 48, QColor(20, 40, 60), JpegKind::Progressive);
        QTest::newRow("progressive cut in half") << progressive.left(progressive.size() / 2);
        QTest::newRow("scrambled data") << scrambled;
        QByteArray hugeHeader = good;
        // SOF0 width/height fields set to 65535 x 65535: refused before any allocation.
        const int sof = hugeHeader.indexOf("\xFF\xC0");
        QVERIFY(sof > 0);
        hugeHeader[sof + 5] = static_cast<char>(0xFF);
        hugeHeader[sof + 6] = static_cast<char>(0xFF);
        hugeHeader[sof + 7] = static_cast<char>(0xFF);
        hugeHeader[sof + 8] = static_cast<char>(0xFF);
        QTest::newRow("absurd size") << hugeHeader;
        QTest::newRow("bitmap named jpg") << QByteArray("BM\x3e\0\0\0\0\0\0\0", 10);
    }
    void BadFileIsAMissingPicture() {
        QFETCH(QByteArray, bytes);
        const QString path = dir_.filePath(QStringLiteral("bad.jpg"));
        QVERIFY(WriteFile(path, bytes));
        QVERIFY(LoadJpegImage(path).isNull());
        QVERIFY(LoadPictureFile(path).isNull());
        QVERIFY(DecodeJpegImage(bytes).isNull());
    }

    void AbsentOrUnreadableFileIsAMissingPicture_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("no such file") << QStringLiteral("nothing.jpg");
        QTest::newRow("a folder") << QStringLiteral("folder.jpg");
        QTest::newRow("no such bitmap") << QStringLiteral("nothing.bmp");
    }
    void AbsentOrUnreadableFileIsAMissingPicture() {
        QFETCH(QString, name);
        QDir(dir_.path()).mkdir(QStringLiteral("folder.jpg"));
        QVERIFY(LoadPictureFile(dir_.filePath(name)).isNull());
    }

    void BitmapLoadsThroughQt() {
        QImage bitmap(12, 8, QImage::Format_RGB32);
        bitmap.fill(QColor(1, 2, 3));
        const QString path = dir_.filePath(QStringLiteral("_4dr.bmp"));
        QVERIFY(bitmap.save(path, "BMP"));
        const QImage loaded = LoadPictureFile(path);
        QCOMPARE(loaded.size(), QSize(12, 8));
        QCOMPARE(loaded.pixelColor(3, 3), QColor(1, 2, 3));
    }

    void UpperCaseExtensionIsStillJpeg() {
        const QString path = dir_.filePath(QStringLiteral("PICTURE.JPG"));
        QVERIFY(WriteFile(path, MakeJpeg(8, 8, Qt::white)));
        QCOMPARE(LoadPictureFile(path).size(), QSize(8, 8));
    }

  private:
    QTemporaryDir dir_;
};

QTEST_MAIN(TestJpegImage)
#include "TestJpegImage.moc"
