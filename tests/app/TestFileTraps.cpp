// Every file the window reads, with something other than a plain file at its name: the picture
// files of the start folder, the settings file's lock, Qt's own file-dialog settings, a picture
// built to keep the decoder busy and a dealer's address built to mislead. The window goes on
// with its defaults and says so once; nothing blocks (ctest's TIMEOUT fails a hang).
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileDialog>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdlib>
#include <vector>

#include "../info/JpegWriter.h"
#include "desktop/app/PictureFiles.h"
#include "desktop/info/AboutWindow.h"
#include "desktop/info/JpegImage.h"
#include "desktop/settings/QtOwnSettings.h"
#include "desktop/settings/WindowSettings.h"

using kalvora::testing::MakeJpeg;
using kalvora::testing::WriteFile;

namespace {

// A progressive JPEG of one scan per coefficient band and component: a legal file of `scans`
// scans, as a crafted picture has them by the thousand.
QByteArray ManyScanJpeg(int width, int height) {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    std::vector<jpeg_scan_info> script;
    jpeg_scan_info dc{};
    dc.comps_in_scan = 3;
    for (int c = 0; c < 3; ++c) dc.component_index[c] = c;
    script.push_back(dc);
    for (int c = 0; c < 3; ++c) {
        for (int k = 1; k < 64; ++k) {
            jpeg_scan_info ac{};
            ac.comps_in_scan = 1;
            ac.component_index[0] = c;
            ac.Ss = k;
            ac.Se = k;
            script.push_back(ac);
        }
    }
    cinfo.scan_info = script.data();
    cinfo.num_scans = static_cast<int>(script.size());
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(width) * 3, 128);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&cinfo, &r, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return bytes;
}

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

}  // namespace

class TestFileTraps : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        qputenv("XDG_CONFIG_HOME", Native(dir_.filePath(QStringLiteral("config"))));
        QVERIFY(QDir().mkpath(dir_.filePath(QStringLiteral("config"))));
    }

    // Pipes, folders, loops and devices under the picture files' names are skipped, each with
    // a line on standard error; the regular files beside them still load.
    void pictureFilesThatAreNoFilesAreSkipped() {
        const QString folder = dir_.filePath(QStringLiteral("pictures"));
        QVERIFY(QDir().mkpath(folder));
        const auto at = [&](const char* name) { return Native(folder + "/" + name); };
        QCOMPARE(::mkfifo(at("_col_white.jpg"), 0644), 0);
        QCOMPARE(::mkfifo(at("_4dr.bmp"), 0644), 0);
        QCOMPARE(::mkfifo(at("_Disks.jpg"), 0644), 0);
        QCOMPARE(::symlink("/dev/zero", at("_col_navy.jpg")), 0);
        QCOMPARE(::symlink("_3dr.bmp", at("_3dr.bmp")), 0);
        QVERIFY(QDir().mkpath(folder + "/_5dr.bmp"));
        QVERIFY(WriteFile(folder + "/_col_Jeans.jpg", MakeJpeg(64, 48, Qt::blue)));

        const kalvora::app::PictureFiles pictures = kalvora::app::LoadPictureFiles(folder);
        QVERIFY(pictures.swatches[0].isNull());
        QVERIFY(pictures.swatches[1].isNull());
        QVERIFY(!pictures.swatches[2].isNull());
        QVERIFY(pictures.bodies[0].isNull());
        QVERIFY(pictures.bodies[1].isNull());
        QVERIFY(pictures.bodies[2].isNull());
        QCOMPARE(pictures.LoadedCount(), 1);
        QVERIFY(kalvora::LoadPictureFile(folder + "/_Disks.jpg").isNull());
    }

    // A picture of more scans than any real one is not decoded (its place shows the drawing);
    // an ordinary progressive picture still is.
    void aPictureOfTooManyScansIsNotDecoded() {
        QVERIFY(kalvora::DecodeJpegImage(ManyScanJpeg(320, 200)).isNull());
        QVERIFY(!kalvora::DecodeJpegImage(
                     MakeJpeg(320, 200, Qt::red, kalvora::testing::JpegKind::Progressive))
                     .isNull());
    }

    // The lock file beside the settings is never opened unless it is a regular file: a pipe
    // blocked the program, an old folder made it retry for ever, a link to a device was read
    // for ever. The settings are still written.
    void aLockFileThatIsNoFileNeverBlocksTheSettings_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("pipe") << "pipe";
        QTest::newRow("old folder") << "old folder";
        QTest::newRow("link to a device") << "link to a device";
    }
    void aLockFileThatIsNoFileNeverBlocksTheSettings() {
        QFETCH(QString, kind);
        const QString ini = dir_.filePath(QStringLiteral("kalvora-") + kind + ".INI");
        const QByteArray lock = Native(ini + ".lock");
        if (kind == "pipe") QCOMPARE(::mkfifo(lock, 0644), 0);
        if (kind == "link to a device") QCOMPARE(::symlink("/dev/zero", lock), 0);
        if (kind == "old folder") {
            QVERIFY(QDir().mkpath(QFile::decodeName(lock)));
            const timespec old[2] = {{1000, 0}, {1000, 0}};
            QCOMPARE(::utimensat(AT_FDCWD, lock, old, 0), 0);
        }
        {
            kalvora::WindowSettings settings(QStringLiteral("TForm1"), ini);
            settings.SetTick(QStringLiteral("ABSBox_Checked"), true);
            QVERIFY(settings.Write());
        }
        {
            kalvora::WindowSettings settings(QStringLiteral("TForm1"), ini);
            settings.SetTick(QStringLiteral("Other"), true);
            QVERIFY(settings.Write());
        }
        const kalvora::WindowSettings read(QStringLiteral("TForm1"), ini);
        QCOMPARE(read.Tick(QStringLiteral("ABSBox_Checked")), std::optional<bool>(true));
        QCOMPARE(read.Tick(QStringLiteral("Other")), std::optional<bool>(true));
        struct stat st;
        QCOMPARE(::lstat(lock, &st), 0);
        QVERIFY(!S_ISREG(st.st_mode));
    }

    // Qt's own settings file as a pipe: a file dialog opens and closes (Ctrl+O hung); as a
    // regular file, what the dialog remembers is kept and written back.
    void qtsOwnSettingsNeverBlockAFileDialog() {
        const QString conf = dir_.filePath(QStringLiteral("config/QtProject.conf"));
        QCOMPARE(::mkfifo(Native(conf), 0644), 0);
        {
            const kalvora::QtOwnSettings own;
            QCOMPARE(own.UserFile(), conf);
            QFileDialog dialog;
            dialog.setOption(QFileDialog::DontUseNativeDialog, true);
            dialog.setDirectory(dir_.path());
        }
        struct stat st;
        QCOMPARE(::lstat(Native(conf), &st), 0);
        QVERIFY(S_ISFIFO(st.st_mode));
        ::unlink(Native(conf));

        { QSettings(conf, QSettings::IniFormat).setValue(QStringLiteral("Mine/Key"), 7); }
        {
            const kalvora::QtOwnSettings own;
            QFileDialog dialog;
            dialog.setOption(QFileDialog::DontUseNativeDialog, true);
            dialog.setDirectory(dir_.path());
        }
        QSettings check(conf, QSettings::IniFormat);
        QCOMPARE(check.value(QStringLiteral("Mine/Key")).toInt(), 7);
        QVERIFY(check.childGroups().contains(QStringLiteral("FileDialog")));
    }

    // The dealer's address shows its host in ASCII and without characters that reorder text;
    // an address longer than any real one shows no link at all.
    void theDealersAddressShowsWhatItIs_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("shown");
        QTest::newRow("right-to-left override")
            << QStringLiteral("https://evil.example/\u202Egpj.exe") << "evil.example/gpj.exe";
        QTest::newRow("look-alike host")
            << QStringLiteral("https://\u0430\u0440\u0440\u04CF\u0435.com/")
            << "xn--80ak6aa92e.com";
        QTest::newRow("too long") << QStringLiteral("https://dealer.example/") + QString(2000, 'a')
                                  << QString();
    }
    void theDealersAddressShowsWhatItIs() {
        QFETCH(QString, address);
        QFETCH(QString, shown);
        kalvora::AboutWindow about;
        about.SetDealerSite(QUrl(address));
        if (shown.isEmpty()) {
            QVERIFY(!about.DealerSite().isValid());
            return;
        }
        QLabel* link = about.OfficialLink();
        QVERIFY(link->text().contains(QStringLiteral(">") + shown + QStringLiteral("<")));
        for (const QString& text : {link->text(), link->toolTip()}) {
            for (const QChar c : text) QVERIFY2(c.unicode() < 0x80, qPrintable(text));
        }
    }

  private:
    QTemporaryDir dir_;
};

QTEST_MAIN(TestFileTraps)
#include "TestFileTraps.moc"
