// The pictures of the information windows: drawings of their own, and compositions of the car
// drawings (the four bodies, the alloy wheels, the About picture).
#include <QFile>
#include <QFont>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>

#include "desktop/pictures/CarPicture.h"

namespace kalvora::pictures {

namespace {

const QColor kInk(43, 52, 64);

QImage Backdrop(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    QLinearGradient bg(0, 0, 0, size.height());
    bg.setColorAt(0, QColor(244, 246, 248));
    bg.setColorAt(1, QColor(223, 228, 233));
    painter.fillRect(image.rect(), bg);
    return image;
}

// A drawing of its own, scaled to fit and centred on the backdrop.
QImage FromDrawing(const char* name, QSize size) {
    QSvgRenderer renderer(ReadDrawing(QLatin1String(name)));
    if (!renderer.isValid()) return {};
    QImage image = Backdrop(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QSizeF fitted = renderer.viewBoxF().size().scaled(QSizeF(size), Qt::KeepAspectRatio);
    renderer.render(&painter, QRectF(QPointF((size.width() - fitted.width()) / 2,
                                             (size.height() - fitted.height()) / 2),
                                     fitted));
    return image;
}

void Caption(QPainter& painter, const QRectF& box, const QString& text, int pixels,
             bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    painter.setFont(font);
    painter.setPen(kInk);
    painter.drawText(box, Qt::AlignCenter, text);
}

// The four bodies in neutral grey, two by two, each named.
QImage Bodies(QSize size) {
    QImage image = Backdrop(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const char* const names[kBodyCount] = {"Хэтч 3 дв", "Седан", "Хэтч 5 дв", "Универсал"};
    const qreal w = size.width() / 2.0;
    const qreal h = size.height() / 2.0;
    const int label = std::max(10, int(h / 8));
    for (int b = 0; b < kBodyCount; ++b) {
        const QRectF cell((b % 2) * w, (b / 2) * h, w, h);
        CarLook look;
        look.body = b;
        const QImage car = RenderCar(look, QSize(int(w - 16), int(h - label - 10)));
        if (car.isNull()) return {};
        painter.drawImage(QPointF(cell.x() + 8, cell.y() + 4), car);
        Caption(painter, QRectF(cell.x(), cell.bottom() - label - 6, w, label + 4),
                QString::fromUtf8(names[b]), label);
    }
    return image;
}

// The 15" and 16" alloy wheels side by side, as large as the picture allows.
QImage AlloyWheels(QSize size) {
    QSvgRenderer wheels(ReadDrawing(QStringLiteral("wheels.svg")));
    if (!wheels.isValid()) return {};
    QImage image = Backdrop(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal half = size.width() / 2.0;
    const int label = std::max(11, size.height() / 16);
    // The 16" wheel is drawn a little larger, as it stands beside the 15" one.
    const qreal diameter16 = std::min(half - 40, size.height() - 3.0 * label - 30);
    const qreal diameter15 = diameter16 * 15.0 / 16.0;
    struct Wheel {
        const char* id;
        qreal diameter;
        const char* name;
        const char* size;
    };
    const Wheel both[2] = {{"alloy15", diameter15, "15 дюймов", "6J × 15, 5 × 108, ET 52,5"},
                           {"alloy16", diameter16, "16 дюймов", "6,5J × 16, 5 × 108, ET 52,5"}};
    for (int i = 0; i < 2; ++i) {
        const Wheel& wheel = both[i];
        const qreal cx = half * i + half / 2;
        const qreal cy = (size.height() - 2.5 * label) / 2;
        wheels.render(&painter, QLatin1String(wheel.id),
                      QRectF(cx - wheel.diameter / 2, cy - wheel.diameter / 2, wheel.diameter,
                             wheel.diameter));
        Caption(painter, QRectF(half * i, size.height() - 2.6 * label - 8, half, label + 4),
                QString::fromUtf8(wheel.name), label + 2, true);
        Caption(painter, QRectF(half * i, size.height() - 1.4 * label - 8, half, label + 4),
                QString::fromUtf8(wheel.size), label - 1);
    }
    return image;
}

// The About picture: a five-door hatchback in Aquarius on a soft round backdrop.
QImage About(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(QPointF(size.width() / 2.0, size.height() * 0.55), size.width() / 2.0);
    glow.setColorAt(0, QColor(214, 232, 246));
    glow.setColorAt(1, QColor(214, 232, 246, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(image.rect());
    CarLook look;
    look.body = Hatchback5Door;
    look.paint = PaintOf(10);
    look.metallic = MetallicPaint(10);
    look.wheels = WheelLook::Alloy16;
    const QImage car = RenderCar(look, size);
    if (car.isNull()) return {};
    painter.drawImage(0, 0, car);
    return image;
}

}  // namespace

QImage RenderIllustration(Illustration which, QSize size) {
    if (size.isEmpty()) return {};
    switch (which) {
        case Illustration::Headlamps:
            return FromDrawing("info-headlamps.svg", size);
        case Illustration::Climate:
            return FromDrawing("info-climate.svg", size);
        case Illustration::Radio2:
            return FromDrawing("info-radio2.svg", size);
        case Illustration::Radio7:
            return FromDrawing("info-radio7.svg", size);
        case Illustration::SunBlinds:
            return FromDrawing("info-sunblinds.svg", size);
        case Illustration::AlloyWheels:
            return AlloyWheels(size);
        case Illustration::Bodies:
            return Bodies(size);
        case Illustration::About:
            return About(size);
    }
    return {};
}

}  // namespace kalvora::pictures
