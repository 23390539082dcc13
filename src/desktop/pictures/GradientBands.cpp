#include "desktop/pictures/GradientBands.h"

#include <QLinearGradient>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace kalvora::pictures {

namespace {

// Bands per gradient: fine enough that no step shows at the size of a printed page.
constexpr int kBands = 48;

// The colour of `stops` at `t`, alpha included, padded beyond both ends.
QColor ColourAt(const QGradientStops& stops, double t) {
    if (stops.isEmpty()) return Qt::transparent;
    if (t <= stops.first().first) return stops.first().second;
    if (t >= stops.last().first) return stops.last().second;
    for (int i = 1; i < stops.size(); ++i) {
        if (t > stops[i].first) continue;
        const double span = stops[i].first - stops[i - 1].first;
        const double f = span <= 0 ? 1 : (t - stops[i - 1].first) / span;
        const QColor a = stops[i - 1].second;
        const QColor b = stops[i].second;
        return QColor::fromRgbF(
            a.redF() + (b.redF() - a.redF()) * f, a.greenF() + (b.greenF() - a.greenF()) * f,
            a.blueF() + (b.blueF() - a.blueF()) * f, a.alphaF() + (b.alphaF() - a.alphaF()) * f);
    }
    return stops.last().second;
}

bool HasTransparentStops(const QGradient& gradient) {
    for (const QGradientStop& stop : gradient.stops()) {
        if (stop.second.alpha() != 255) return true;
    }
    return false;
}

// A point of the gradient's own space in the path's coordinates: gradients relative to the
// bounding box (as SVG's objectBoundingBox) are scaled to it.
QPointF Place(const QPointF& p, const QGradient& gradient, const QRectF& box) {
    if (gradient.coordinateMode() == QGradient::LogicalMode) return p;
    return QPointF(box.x() + p.x() * box.width(), box.y() + p.y() * box.height());
}

class GradientBandsEngine : public QPaintEngine {
  public:
    explicit GradientBandsEngine(QPainter& target)
        : QPaintEngine(AllFeatures), target_(target), base_(target.worldTransform()) {}

    bool begin(QPaintDevice*) override {
        target_.save();
        return true;
    }
    bool end() override {
        target_.restore();
        return true;
    }
    Type type() const override { return User; }

    void updateState(const QPaintEngineState& state) override {
        const DirtyFlags dirty = state.state();
        if (dirty & DirtyTransform) transform_ = state.transform();
        if (dirty & DirtyPen) target_.setPen(state.pen());
        if (dirty & DirtyBrush) brush_ = state.brush();
        if (dirty & DirtyBrushOrigin) target_.setBrushOrigin(state.brushOrigin());
        if (dirty & DirtyOpacity) target_.setOpacity(state.opacity());
        if (dirty & DirtyHints) target_.setRenderHints(state.renderHints());
        if (dirty & DirtyCompositionMode) target_.setCompositionMode(state.compositionMode());
        target_.setWorldTransform(transform_ * base_);
    }

    void drawPath(const QPainterPath& path) override {
        const QGradient* gradient = brush_.gradient();
        if (!gradient || !HasTransparentStops(*gradient) ||
            (gradient->type() != QGradient::LinearGradient &&
             gradient->type() != QGradient::RadialGradient)) {
            target_.setBrush(brush_);
            target_.drawPath(path);
            return;
        }
        // The outline is drawn once with the pen; the fill band by band without it.
        const QPen pen = target_.pen();
        target_.setPen(Qt::NoPen);
        const QRectF box = path.boundingRect();
        const bool hadClip = target_.hasClipping();
        const QPainterPath oldClip = target_.clipPath();
        for (int i = 0; i < kBands; ++i) {
            const double t0 = static_cast<double>(i) / kBands;
            const double t1 = static_cast<double>(i + 1) / kBands;
            const QColor colour = ColourAt(gradient->stops(), (t0 + t1) / 2);
            if (colour.alpha() == 0) continue;
            target_.setClipPath(
                Band(*gradient, box, i == 0 ? -1e3 : t0, i + 1 == kBands ? 1e3 : t1),
                hadClip ? Qt::IntersectClip : Qt::ReplaceClip);
            target_.setBrush(colour);
            target_.drawPath(path);
            if (hadClip) {
                target_.setClipPath(oldClip);
            } else {
                target_.setClipping(false);
            }
        }
        target_.setPen(pen);
        if (pen.style() != Qt::NoPen) {
            target_.setBrush(Qt::NoBrush);
            target_.drawPath(path);
        }
    }

    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
        QPainterPath path;
        path.setFillRule(mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
        QPolygonF polygon;
        for (int i = 0; i < count; ++i) polygon << points[i];
        path.addPolygon(polygon);
        if (mode != PolylineMode) path.closeSubpath();
        if (mode == PolylineMode) {
            const QBrush brush = brush_;
            brush_ = Qt::NoBrush;
            drawPath(path);
            brush_ = brush;
            return;
        }
        drawPath(path);
    }

    void drawPixmap(const QRectF& r, const QPixmap& pixmap, const QRectF& source) override {
        target_.drawPixmap(r, pixmap, source);
    }
    void drawImage(const QRectF& r, const QImage& image, const QRectF& source,
                   Qt::ImageConversionFlags flags) override {
        target_.drawImage(r, image, source, flags);
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        target_.drawTextItem(p, item);
    }

  private:
    // The part of the plane between the gradient's positions t0 and t1, in the path's
    // coordinates: a strip across a linear gradient, a ring of a radial one.
    static QPainterPath Band(const QGradient& gradient, const QRectF& box, double t0, double t1) {
        QPainterPath band;
        if (gradient.type() == QGradient::LinearGradient) {
            const auto& linear = static_cast<const QLinearGradient&>(gradient);
            const QPointF a = Place(linear.start(), gradient, box);
            const QPointF b = Place(linear.finalStop(), gradient, box);
            const QPointF d = b - a;
            const double length = std::hypot(d.x(), d.y());
            if (length <= 0) {
                band.addRect(box.adjusted(-1, -1, 1, 1));
                return band;
            }
            // Across the strip, far enough to cover the whole path.
            const double reach = 2 * (box.width() + box.height()) + 10;
            const QPointF across = QPointF(-d.y(), d.x()) / length * reach;
            const QPointF p0 = a + d * t0;
            const QPointF p1 = a + d * t1;
            band.addPolygon(QPolygonF({p0 - across, p1 - across, p1 + across, p0 + across}));
            band.closeSubpath();
            return band;
        }
        const auto& radial = static_cast<const QRadialGradient&>(gradient);
        const QPointF c = Place(radial.center(), gradient, box);
        const bool relative = gradient.coordinateMode() != QGradient::LogicalMode;
        const double rx = radial.radius() * (relative ? box.width() : 1);
        const double ry = radial.radius() * (relative ? box.height() : 1);
        const double outer = std::min(t1, 1e3);
        band.setFillRule(Qt::OddEvenFill);
        band.addEllipse(c, rx * outer, ry * outer);
        if (t0 > 0) band.addEllipse(c, rx * t0, ry * t0);
        return band;
    }

    QPainter& target_;
    const QTransform base_;
    QTransform transform_;
    QBrush brush_;
};

}  // namespace

GradientBandsDevice::GradientBandsDevice(QPainter& target)
    : target_(target), engine_(std::make_unique<GradientBandsEngine>(target)) {}

GradientBandsDevice::~GradientBandsDevice() = default;

QPaintEngine* GradientBandsDevice::paintEngine() const {
    return engine_.get();
}

int GradientBandsDevice::metric(PaintDeviceMetric metric) const {
    // The target's size and resolution, so that pens come out as they would there.
    const QPaintDevice& d = *target_.device();
    switch (metric) {
        case PdmWidth:
            return d.width();
        case PdmHeight:
            return d.height();
        case PdmWidthMM:
            return d.widthMM();
        case PdmHeightMM:
            return d.heightMM();
        case PdmNumColors:
            return d.colorCount();
        case PdmDepth:
            return d.depth();
        case PdmDpiX:
            return d.logicalDpiX();
        case PdmDpiY:
            return d.logicalDpiY();
        case PdmPhysicalDpiX:
            return d.physicalDpiX();
        case PdmPhysicalDpiY:
            return d.physicalDpiY();
        case PdmDevicePixelRatio:
            return static_cast<int>(d.devicePixelRatio());
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(d.devicePixelRatio() * devicePixelRatioFScale());
    }
    return 0;
}

}  // namespace kalvora::pictures
