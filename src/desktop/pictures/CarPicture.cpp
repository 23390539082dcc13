#include "desktop/pictures/CarPicture.h"
#include "desktop/pictures/GradientBands.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QResource>
#include <QSvgRenderer>
#include <QTimer>
#include <algorithm>
#include <memory>

#include "engine/files/DiskFiles.h"

namespace kalvora::pictures {

namespace {

// Colours in the body drawings that stand for the chosen paint and roof rails.
constexpr char kPaintToken[] = "#8a8a8b";
constexpr char kRailsToken[] = "#3c3c3d";
constexpr char kRailsEdgeToken[] = "#3c3c3e";
// The metallic highlight: a gradient over the paint, switched off for solid paints.
constexpr char kSheen[] = "id=\"sheen\" fill=\"url(#sheen)\"";
constexpr char kNoSheen[] = "id=\"sheen\" fill=\"none\"";

constexpr Rgb kBlackRails = 0x1E2023;
constexpr Rgb kAluminiumRails = 0xC9CED3;
constexpr Rgb kBlackRailsEdge = 0x000000;
constexpr Rgb kAluminiumRailsEdge = 0x6E767E;
// Behind the option captions the car is first washed towards white (so that its darkest parts,
// glass and tyres, are mid-grey), then laid down at a fraction of its strength: no part of it
// ends up much darker than the panel, and every caption, greyed ones included, stays readable.
constexpr qreal kFaintWash = 0.7;
constexpr qreal kFaintOpacity = 0.3;

QString& Folder() {
    static QString folder = QStringLiteral(":/kalvora/pictures");
    return folder;
}

// Parsed drawings that do not change with the configuration, per folder.
QSvgRenderer* SharedDrawing(const char* name) {
    static QHash<QString, std::shared_ptr<QSvgRenderer>> parsed;
    const QString key = Folder() + QLatin1Char('/') + QLatin1String(name);
    auto it = parsed.find(key);
    if (it == parsed.end()) {
        const QByteArray svg = ReadDrawing(QLatin1String(name));
        auto renderer = std::make_shared<QSvgRenderer>(svg);
        if (svg.isEmpty() || !renderer->isValid()) renderer.reset();
        it = parsed.insert(key, renderer);
    }
    return it->get();
}

QByteArray Hex(Rgb rgb) {
    return QByteArray("#") + QByteArray::number(rgb | 0x1000000u, 16).mid(1);
}

const char* BodyDrawing(int body) {
    switch (body) {
        case Hatchback3Door:
            return "body-3dr.svg";
        case Sedan:
            return "body-4dr.svg";
        case Wagon:
            return "body-wag.svg";
        default:
            return "body-5dr.svg";
    }
}

const char* WheelElement(WheelLook wheels) {
    switch (wheels) {
        case WheelLook::Alloy15:
            return "alloy15";
        case WheelLook::Alloy16:
            return "alloy16";
        case WheelLook::Steel:
            break;
    }
    return "steel";
}

// The largest rectangle of the drawing's proportions centred in `area`.
QRectF Fitted(QSizeF drawing, const QRectF& area) {
    const QSizeF size = drawing.scaled(area.size(), Qt::KeepAspectRatio);
    return QRectF(area.center().x() - size.width() / 2, area.center().y() - size.height() / 2,
                  size.width(), size.height());
}

QImage Transparent(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void Prepare(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

}  // namespace

QString DrawingFolder() {
    return Folder();
}

QByteArray ReadDrawing(const QString& name) {
    const QString path = Folder() + QLatin1Char('/') + name;
    if (path.startsWith(QLatin1Char(':'))) {
        const QResource resource(path);
        return resource.isValid() ? resource.uncompressedData() : QByteArray();
    }
    // Drawings are a few kilobytes.
    constexpr std::size_t kLargest = 4 * 1024 * 1024;
    std::string bytes;
    if (!ReadRegularFile(QFile::encodeName(path).toStdString(), kLargest, &bytes)) return {};
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

void SetDrawingFolder(const QString& folder) {
    Folder() = folder;
}

// The body drawing in the look's paint, rails and highlight. The last one is kept: a colour
// change draws it twice, for the body area and for the background.
static QSvgRenderer* PaintedBody(const CarLook& look) {
    static CarLook lastLook;
    static QString lastFolder;
    static std::unique_ptr<QSvgRenderer> last;
    CarLook key = look;
    key.wheels = WheelLook::Steel;  // the wheels are drawn separately
    if (last && key == lastLook && lastFolder == Folder()) return last.get();
    last.reset();
    QByteArray svg = ReadDrawing(BodyDrawing(look.body));
    if (svg.isEmpty()) return nullptr;
    svg.replace(kPaintToken, Hex(look.paint));
    switch (look.rails) {
        case RailsLook::Black:
            svg.replace(kRailsToken, Hex(kBlackRails));
            svg.replace(kRailsEdgeToken, Hex(kBlackRailsEdge));
            break;
        case RailsLook::Aluminium:
            svg.replace(kRailsToken, Hex(kAluminiumRails));
            svg.replace(kRailsEdgeToken, Hex(kAluminiumRailsEdge));
            break;
        case RailsLook::None:
            svg.replace(kRailsToken, "none");
            svg.replace(kRailsEdgeToken, "none");
            break;
    }
    if (!look.metallic) svg.replace(kSheen, kNoSheen);
    auto body = std::make_unique<QSvgRenderer>(svg);
    if (!body->isValid()) return nullptr;
    last = std::move(body);
    lastLook = key;
    lastFolder = Folder();
    return last.get();
}

// Draws the car into `area` of the painter's device; false when a drawing is missing.
static bool DrawCar(QPainter& painter, const CarLook& look, const QRectF& area) {
    QSvgRenderer* wheels = SharedDrawing("wheels.svg");
    QSvgRenderer* painted = wheels ? PaintedBody(look) : nullptr;
    if (!painted) return false;
    QSvgRenderer& body = *painted;
    const QRectF viewBox = body.viewBoxF();
    const QRectF target = Fitted(viewBox.size(), area);
    body.render(&painter, target);
    const qreal scale = target.width() / viewBox.width();
    for (const char* anchor : {"wheel-rear", "wheel-front"}) {
        const QRectF at = body.boundsOnElement(QLatin1String(anchor));
        const QRectF wheel(target.x() + (at.x() - viewBox.x()) * scale,
                           target.y() + (at.y() - viewBox.y()) * scale, at.width() * scale,
                           at.height() * scale);
        wheels->render(&painter, QLatin1String(WheelElement(look.wheels)), wheel);
    }
    return true;
}

// Draws the car onto `canvas`, which is cleared first and keeps its size; false when a drawing
// is missing.
static bool RenderCarOnto(QImage& canvas, const CarLook& look, Strength strength) {
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    Prepare(painter);
    const QSize size = canvas.size();
    if (strength == Strength::Faint) {
        // Drawn in full first, at half the size (a faint picture needs no fine detail, and it
        // is drawn four times as fast), washed, then laid down faintly as a whole, so that
        // overlapping parts do not show through one another. The half-size picture is kept
        // between calls: fresh memory costs more to touch than the drawing itself.
        static QImage scratch;
        const QSize half = (size / 2).expandedTo(QSize(1, 1));
        if (scratch.size() != half) scratch = QImage(half, QImage::Format_ARGB32_Premultiplied);
        scratch.fill(Qt::transparent);
        QPainter fullPainter(&scratch);
        Prepare(fullPainter);
        if (!DrawCar(fullPainter, look, QRectF(QPointF(0, 0), QSizeF(half)))) return false;
        fullPainter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        fullPainter.setOpacity(kFaintWash);
        fullPainter.fillRect(scratch.rect(), Qt::white);
        fullPainter.end();
        painter.setOpacity(kFaintOpacity);
        painter.drawImage(QRectF(QPointF(0, 0), QSizeF(size)), scratch);
        return true;
    }
    return DrawCar(painter, look, QRectF(QPointF(0, 0), QSizeF(size)));
}

bool PaintCar(QPainter& painter, const CarLook& look, const QRectF& area) {
    GradientBandsDevice bands(painter);
    QPainter through(&bands);
    return DrawCar(through, look, area);
}

QImage RenderCar(const CarLook& look, QSize size, Strength strength) {
    if (size.isEmpty()) return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (!RenderCarOnto(image, look, strength)) return {};
    return image;
}

QImage RenderSwatch(Rgb paint, bool metallic, QSize size) {
    if (size.isEmpty() || !SharedDrawing("wheels.svg")) return {};
    QImage image = Transparent(size);
    QPainter painter(&image);
    Prepare(painter);
    const QRectF r = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5);
    const QColor base = QColor::fromRgb(QRgb(paint));
    QLinearGradient shade(r.topLeft(), r.bottomLeft());
    shade.setColorAt(0, base.lighter(metallic ? 135 : 115));
    shade.setColorAt(0.5, base);
    shade.setColorAt(1, base.darker(125));
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    painter.setBrush(shade);
    painter.drawRoundedRect(r, 4, 4);
    if (metallic) {
        QLinearGradient sheen(r.topLeft(), r.bottomRight());
        sheen.setColorAt(0.25, QColor(255, 255, 255, 0));
        sheen.setColorAt(0.4, QColor(255, 255, 255, 110));
        sheen.setColorAt(0.55, QColor(255, 255, 255, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(sheen);
        painter.drawRoundedRect(r, 4, 4);
    }
    return image;
}

CarPictureCache::CarPictureCache(qsizetype budgetBytes)
    : budget_(budgetBytes), idle_(std::make_unique<QObject>()) {}

CarPictureCache::~CarPictureCache() = default;

const QImage& CarPictureCache::Picture(const CarLook& look, QSize size, Strength strength) {
    const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) {
        return e.look == look && e.size == size && e.strength == strength;
    });
    if (found != entries_.end()) {
        if (found + 1 != entries_.end()) std::rotate(found, found + 1, entries_.end());
        return entries_.back().image;
    }
    QImage image;
    if (!size.isEmpty()) {
        image = TakeCanvas(size);
        if (!RenderCarOnto(image, look, strength)) {
            KeepSpare(std::move(image));
            image = QImage();
        }
    }
    // The newest picture always stays, however large.
    while (!entries_.empty() && used_ + image.sizeInBytes() > budget_) {
        used_ -= entries_.front().image.sizeInBytes();
        KeepSpare(std::move(entries_.front().image));
        entries_.erase(entries_.begin());
    }
    used_ += image.sizeInBytes();
    entries_.push_back(Entry{look, size, strength, std::move(image)});
    if (!size.isEmpty() && !HasSpare(size)) {
        // The next new look of this size finds its memory ready: taking fresh memory means the
        // system handing over and clearing every page of it, which can cost more than the
        // drawing itself. Done once the program is idle, after the picture has been shown.
        QTimer::singleShot(0, idle_.get(), [this, size] {
            if (HasSpare(size)) return;
            QImage spare(size, QImage::Format_ARGB32_Premultiplied);
            spare.fill(Qt::transparent);  // touches every page now rather than later
            spares_.push_back(std::move(spare));
        });
    }
    return entries_.back().image;
}

bool CarPictureCache::HasSpare(QSize size) const {
    return std::any_of(spares_.begin(), spares_.end(),
                       [&](const QImage& spare) { return spare.size() == size; });
}

QImage CarPictureCache::TakeCanvas(QSize size) {
    const auto spare = std::find_if(spares_.begin(), spares_.end(),
                                    [&](const QImage& s) { return s.size() == size; });
    if (spare == spares_.end()) return QImage(size, QImage::Format_ARGB32_Premultiplied);
    QImage canvas = std::move(*spare);
    spares_.erase(spare);
    return canvas;
}

void CarPictureCache::KeepSpare(QImage image) {
    // Only memory nobody else shows (a window may still hold a dropped picture), one per size.
    if (image.isNull() || !image.isDetached() || HasSpare(image.size())) return;
    spares_.push_back(std::move(image));
}

int CarPictureCache::Count() const {
    return int(entries_.size());
}

void CarPictureCache::Clear() {
    entries_.clear();
    spares_.clear();
    used_ = 0;
}

}  // namespace kalvora::pictures
