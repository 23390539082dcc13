// Picture files read from the working directory: JPEGs through libjpeg, bitmaps through Qt, and
// nothing a damaged file contains may crash the program or show a half-decoded picture.
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

#include "desktop/app/DrawingLabel.h"
#include "desktop/app/MainWindow.h"
#include "desktop/app/PictureFiles.h"
#include "desktop/info/JpegImage.h"
#include "desktop/pictures/CarPicture.h"

using kalvora::app::LoadPictureFiles;
using kalvora::app::PictureFiles;

namespace {

// A JPEG of the given size, encoded by libjpeg: a colour gradient, or grey levels.
QByteArray EncodeJpeg(int width, int height, bool grey) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr err{};
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = grey ? 1 : 3;
    cinfo.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<unsigned char> row(std::size_t(width) * std::size_t(cinfo.input_components));
    while (cinfo.next_scanline < cinfo.image_height) {
        for (int x = 0; x < width; ++x) {
            if (grey) {
                row[std::size_t(x)] = static_cast<unsigned char>(x * 255 / width);
            } else {
                row[std::size_t(x) * 3] = static_cast<unsigned char>(x * 255 / width);
                row[std::size_t(x) * 3 + 1] = static_cast<unsigned char>(cinfo.next_scanline);
                row[std::size_t(x) * 3 + 2] = 200;
            }
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray out(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return out;
}

QByteArray Content(const QString& kind) {
    const QByteArray good = EncodeJpeg(64, 48, false);
    if (kind == QLatin1String("jpeg")) return good;
    if (kind == QLatin1String("grey")) return EncodeJpeg(40, 30, true);
    if (kind == QLatin1String("truncated")) return good.left(good.size() / 2);
    if (kind == QLatin1String("header only")) return good.left(200);
    if (kind == QLatin1String("garbage")) return QByteArray(500, '\x5a');
    if (kind == QLatin1String("empty")) return {};
    if (kind == QLatin1String("corrupt middle")) {
        QByteArray bad = good;
        for (qsizetype i = bad.size() / 3; i < bad.size() * 2 / 3; ++i) bad[i] = '\xff';
        return bad;
    }
    if (kind == QLatin1String("huge header")) {
        // A valid start of file that claims a picture of 65000 x 65000 pixels.
        QByteArray bad = good;
        const qsizetype sof = bad.indexOf("\xff\xc0");
        bad[sof + 5] = '\xfd';
        bad[sof + 6] = '\xe8';
        bad[sof + 7] = '\xfd';
        bad[sof + 8] = '\xe8';
        return bad;
    }
    return {};
}

}  // namespace

class TestPictureFiles : public QObject {
    Q_OBJECT

  private slots:
    void decodesOnlySoundPictures_data();
    void decodesOnlySoundPictures();
    void loadsTheFilesOfTheWorkingDirectory_data();
    void loadsTheFilesOfTheWorkingDirectory();
    void windowShowsThePicturesOfTheChoice_data();
    void windowShowsThePicturesOfTheChoice();
};

void TestPictureFiles::decodesOnlySoundPictures_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QSize>("size");  // invalid for a null picture
    QTest::newRow("colour jpeg") << "jpeg" << QSize(64, 48);
    QTest::newRow("grey jpeg") << "grey" << QSize(40, 30);
    QTest::newRow("truncated") << "truncated" << QSize();
    QTest::newRow("header only") << "header only" << QSize();
    QTest::newRow("not a jpeg") << "garbage" << QSize();
    QTest::newRow("empty") << "empty" << QSize();
    QTest::newRow("corrupt middle") << "corrupt middle" << QSize();
    QTest::newRow("huge header") << "huge header" << QSize();
}

void TestPictureFiles::decodesOnlySoundPictures() {
    QFETCH(QString, kind);
    QFETCH(QSize, size);
    const QImage image = kalvora::DecodeJpegImage(Content(kind));
    QCOMPARE(image.isNull(), !size.isValid());
    if (size.isValid()) {
        QCOMPARE(image.size(), size);
        // The gradient runs from dark on the left to light on the right.
        QVERIFY(qRed(image.pixel(2, 2)) < qRed(image.pixel(size.width() - 3, 2)));
    }
}

void TestPictureFiles::loadsTheFilesOfTheWorkingDirectory_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("loaded");
    QTest::newRow("swatch") << "_col_white.jpg"
                            << "jpeg" << true;
    QTest::newRow("truncated swatch") << "_col_navy.jpg"
                                      << "truncated" << false;
    QTest::newRow("background") << "_Wag_Blue.jpg"
                                << "jpeg" << true;
    QTest::newRow("garbage background") << "_3dr_Dark.jpg"
                                        << "garbage" << false;
    QTest::newRow("body bitmap") << "_5dru.bmp"
                                 << "bmp" << true;
    QTest::newRow("broken bitmap") << "_3dr.bmp"
                                   << "garbage" << false;
    QTest::newRow("name in the wrong case") << "_col_Aqua.jpg"
                                            << "jpeg" << false;
}

void TestPictureFiles::loadsTheFilesOfTheWorkingDirectory() {
    QFETCH(QString, file);
    QFETCH(QString, kind);
    QFETCH(bool, loaded);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    if (kind == QLatin1String("bmp")) {
        QImage bmp(142, 78, QImage::Format_RGB32);
        bmp.fill(Qt::white);
        QVERIFY(bmp.save(dir.filePath(file), "BMP"));
    } else {
        QFile f(dir.filePath(file));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(Content(kind));
    }
    const PictureFiles p = LoadPictureFiles(dir.path());
    QCOMPARE(p.LoadedCount(), loaded ? 1 : 0);
}

void TestPictureFiles::windowShowsThePicturesOfTheChoice_data() {
    QTest::addColumn<bool>("drawings");  // the program's own drawings are there
    QTest::addColumn<int>("colour");
    QTest::addColumn<QString>("swatch");      // visible swatch, empty for none
    QTest::addColumn<QString>("background");  // visible body-and-shade picture, empty for none
    QTest::addColumn<bool>("fromFiles");      // the visible swatch and background are the files
    QTest::addColumn<bool>("bodyFile");       // the sedan's body picture file is there
    // The files written: the swatches of white, Tango and (damaged) Aquarius, the sedan's light
    // and red backgrounds.
    QTest::newRow("no colour") << true << 0 << ""
                               << "" << true << false;
    QTest::newRow("frozen white") << true << 1 << "I1"
                                  << "I_4dr_Light" << true << true;
    QTest::newRow("tango") << true << 9 << "I9"
                           << "I_4dr_red" << true << false;
    QTest::newRow("aquarius, file missing: drawn") << true << 10 << "I10"
                                                   << "I_4dr_blue" << false << false;
    QTest::newRow("svo metallic") << true << 11 << ""
                                  << "" << true << false;
    QTest::newRow("aquarius, no drawings") << false << 10 << ""
                                           << "" << true << false;
    QTest::newRow("frozen white, no drawings") << false << 1 << "I1"
                                               << "I_4dr_Light" << true << false;
}

void TestPictureFiles::windowShowsThePicturesOfTheChoice() {
    QFETCH(bool, drawings);
    QFETCH(int, colour);
    QFETCH(QString, swatch);
    QFETCH(QString, background);
    QFETCH(bool, fromFiles);
    QFETCH(bool, bodyFile);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
    const QByteArray jpeg = Content(QStringLiteral("jpeg"));
    for (const char* name :
         {"_col_white.jpg", "_col_Tango.jpg", "_4dr_Light.jpg", "_4dr_Red.jpg", "_col_aqua.jpg"}) {
        QFile f(dir.filePath(QLatin1String(name)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        // Aquarius' swatch is damaged and must not show.
        f.write(QLatin1String(name) == QLatin1String("_col_aqua.jpg") ? jpeg.left(100) : jpeg);
    }
    if (bodyFile) {
        // A dealer's own sedan: red in the middle, on white (drawn transparently).
        QImage bmp(142, 78, QImage::Format_RGB32);
        bmp.fill(Qt::white);
        QPainter(&bmp).fillRect(40, 20, 60, 40, Qt::red);
        QVERIFY(bmp.save(dir.filePath(QStringLiteral("_4dr.bmp")), "BMP"));
    }
    const QString builtIn = kalvora::pictures::DrawingFolder();
    if (!drawings) kalvora::pictures::SetDrawingFolder(dir.filePath(QStringLiteral("none")));
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    kalvora::app::MainWindow w;
    QDir::setCurrent(previous);
    w.SetSettingsPath(dir.filePath(QStringLiteral("kalvora.INI")));
    QCOMPARE(w.Pictures().LoadedCount(), bodyFile ? 5 : 4);

    // The sedan with the chosen colour.
    w.Config().SelectBody(kalvora::Sedan);
    w.Config().SetColourIndex(colour);
    w.Config().OnColourChosen();
    w.Config().SelectBody(kalvora::Sedan);
    w.Sync();
    kalvora::pictures::SetDrawingFolder(builtIn);
    for (QLabel* label : w.findChildren<QLabel*>()) {
        const QString name = label->objectName();
        const bool isSwatch = name.size() <= 3 && name.startsWith(QLatin1Char('I'));
        const bool isBackground =
            name.startsWith(QLatin1String("I_")) || name.startsWith(QLatin1String("i_"));
        if (isSwatch) QVERIFY2(label->isVisibleTo(&w) == (name == swatch), qPrintable(name));
        if (isBackground)
            QVERIFY2(label->isVisibleTo(&w) == (name == background), qPrintable(name));
        // The files are 64 x 48 and opaque; the drawings have transparent corners, and the
        // background drawing is far larger.
        if ((isSwatch || isBackground) && label->isVisibleTo(&w)) {
            const auto* drawing = dynamic_cast<const kalvora::app::DrawingLabel*>(label);
            const QImage shown = drawing && !drawing->Drawing().isNull()
                                     ? drawing->Drawing()
                                     : label->pixmap().toImage();
            QCOMPARE(shown.size() == QSize(64, 48) && qAlpha(shown.pixel(0, 0)) == 255, fromFiles);
        }
    }
    // The body area: the dealer's file, else the drawing, else the placeholder.
    auto* body = w.findChild<QLabel*>(QStringLiteral("Image4dr"));
    QCOMPARE(body->isVisibleTo(&w), bodyFile || drawings);
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("NeN"))->isVisibleTo(&w), !bodyFile && !drawings);
    if (bodyFile) QCOMPARE(body->pixmap().toImage().pixel(71, 39), qRgb(255, 0, 0));
}

QTEST_MAIN(TestPictureFiles)
#include "TestPictureFiles.moc"
