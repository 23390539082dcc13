#include "desktop/app/PictureFiles.h"

#include <QDir>
#include <QPainter>

#include "desktop/info/JpegImage.h"

namespace kalvora::app {

namespace {

QImage LoadPicture(const QDir& dir, const char* name) {
    return LoadPictureFile(dir.filePath(QString::fromLatin1(name)));
}

}  // namespace

int ShadeIndex(Shade shade) {
    switch (shade) {
        case Shade::Light:
            return 0;
        case Shade::Dark:
            return 1;
        case Shade::Red:
            return 2;
        case Shade::Blue:
            return 3;
        case Shade::None:
            break;
    }
    return -1;
}

int PictureFiles::LoadedCount() const {
    int n = 0;
    for (const QImage& i : bodies) n += i.isNull() ? 0 : 1;
    for (const QImage& i : swatches) n += i.isNull() ? 0 : 1;
    for (const auto& body : shades) {
        for (const QImage& i : body) n += i.isNull() ? 0 : 1;
    }
    return n;
}

PictureFiles LoadPictureFiles(const QString& folder) {
    const QDir dir(folder);
    PictureFiles p;
    const char* const bodyFiles[kBodyCount] = {"_3dr.bmp", "_4dr.bmp", "_5dr.bmp", "_5dru.bmp"};
    for (int b = 0; b < kBodyCount; ++b) p.bodies[b] = LoadPicture(dir, bodyFiles[b]);

    const char* const swatchFiles[10] = {
        "_col_white.jpg", "_col_navy.jpg",  "_col_Jeans.jpg", "_col_PBlack.jpg", "_col_Tonic.jpg",
        "_col_DRR.jpg",   "_col_MDust.jpg", "_col_Grey.jpg",  "_col_Tango.jpg",  "_col_aqua.jpg"};
    for (int s = 0; s < 10; ++s) p.swatches[s] = LoadPicture(dir, swatchFiles[s]);

    // File order per body: Light, Blue, Red, Dark.
    struct ShadeFile {
        const char* name;
        Shade shade;
    };
    const ShadeFile shadeFiles[kBodyCount][4] = {
        {{"_3dr_Light.jpg", Shade::Light},
         {"_3dr_Blue.jpg", Shade::Blue},
         {"_3dr_Red.jpg", Shade::Red},
         {"_3dr_Dark.jpg", Shade::Dark}},
        {{"_4dr_Light.jpg", Shade::Light},
         {"_4dr_Blue.jpg", Shade::Blue},
         {"_4dr_Red.jpg", Shade::Red},
         {"_4dr_Dark.jpg", Shade::Dark}},
        {{"_5dr_Light.jpg", Shade::Light},
         {"_5dr_Blue.jpg", Shade::Blue},
         {"_5dr_Red.jpg", Shade::Red},
         {"_5dr_Dark.jpg", Shade::Dark}},
        {{"_Wag_Light.jpg", Shade::Light},
         {"_Wag_Blue.jpg", Shade::Blue},
         {"_Wag_Red.jpg", Shade::Red},
         {"_Wag_Dark.jpg", Shade::Dark}},
    };
    for (int b = 0; b < kBodyCount; ++b) {
        for (const ShadeFile& f : shadeFiles[b]) {
            p.shades[b][ShadeIndex(f.shade)] = LoadPicture(dir, f.name);
        }
    }
    return p;
}

QImage WithTransparentBackground(const QImage& image) {
    if (image.isNull()) return image;
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = out.pixel(0, out.height() - 1) | 0xFF000000u;
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if ((line[x] | 0xFF000000u) == key) line[x] = 0;
        }
    }
    return out;
}

QPixmap PlaceholderPicture() {
    QPixmap pixmap(142, 78);
    pixmap.fill(QColor(255, 255, 238));
    QPainter painter(&pixmap);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(0, 0, 141, 77);
    QFont font = painter.font();
    font.setPixelSize(10);
    painter.setFont(font);
    painter.setPen(QColor(128, 0, 0));
    painter.drawText(QRect(4, 3, 134, 72), Qt::AlignCenter | Qt::TextWordWrap,
                     QStringLiteral("Файлы с картинками не найдены. Распакуйте их в папку "
                                    "программы и запустите конфигуратор снова."));
    return pixmap;
}

}  // namespace kalvora::app
