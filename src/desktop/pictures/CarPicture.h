// The program's own drawings: the configured car in its paint, with its roof rails and wheels,
// the colour swatch and the illustrations of the information windows. The drawings are SVG files
// compiled into the program; they are rendered with Qt SVG and need no display.
#pragma once

#include <QImage>
#include <QObject>
#include <QRectF>
#include <QSize>
#include <QString>
#include <memory>
#include <vector>

#include "engine/model/CarLook.h"

class QPainter;

namespace kalvora::pictures {

// Where the drawings are read from: the program's compiled-in resources unless changed. A folder
// without the drawings makes every Render... function return a null image, as if none came with
// the program.
QString DrawingFolder();
void SetDrawingFolder(const QString& folder);
// The bytes of one drawing of the drawing folder: from the compiled-in resources, or (a folder
// set for tests) through the program's file module; empty when there is none.
QByteArray ReadDrawing(const QString& name);

// How strongly the car is drawn: in full, or faint enough to lie behind text.
enum class Strength : int { Full = 0, Faint = 1 };

// The car as `look` describes it, side view with the front to the right, centred in an image of
// `size` with a transparent background. Null when the drawings are missing or the size is empty.
QImage RenderCar(const CarLook& look, QSize size, Strength strength = Strength::Full);

// The car as `look` describes it, drawn as vectors into `area` of `painter` (fitted, centred),
// so that a PDF or a printer gets lines and fills rather than pixels. False when the drawings
// are missing.
bool PaintCar(QPainter& painter, const CarLook& look, const QRectF& area);

// A paint sample: the paint, its shading and, for metallic paint, the highlight.
QImage RenderSwatch(Rgb paint, bool metallic, QSize size);

// The pictures of the information windows and of the About window.
enum class Illustration : int {
    Headlamps,  // adaptive headlamps and the fog lamp
    Climate,    // without and with climate control
    Radio2,
    Radio7,
    AlloyWheels,
    SunBlinds,  // rear door blinds
    Bodies,     // the four body types
    About,
};
QImage RenderIllustration(Illustration which, QSize size);

// Rendered cars by look, size and strength. A picture asked for again is not drawn again; the
// least recently used ones are dropped when the pictures together exceed `budgetBytes` (the
// default keeps a score of backgrounds and every body-area picture a user is likely to see).
// Besides, the memory of one picture per size is kept ready for the next new look: a dropped
// picture nobody holds any more, or one prepared while the event loop is idle.
class CarPictureCache {
  public:
    explicit CarPictureCache(qsizetype budgetBytes = 32 * 1024 * 1024);
    ~CarPictureCache();
    CarPictureCache(const CarPictureCache&) = delete;
    CarPictureCache& operator=(const CarPictureCache&) = delete;
    const QImage& Picture(const CarLook& look, QSize size, Strength strength = Strength::Full);
    int Count() const;
    void Clear();

  private:
    struct Entry {
        CarLook look;
        QSize size;
        Strength strength;
        QImage image;
    };
    bool HasSpare(QSize size) const;
    QImage TakeCanvas(QSize size);
    void KeepSpare(QImage image);

    qsizetype budget_;
    qsizetype used_ = 0;
    std::vector<Entry> entries_;     // most recently used last
    std::vector<QImage> spares_;     // memory for the next pictures, at most one per size
    std::unique_ptr<QObject> idle_;  // what the idle preparation of spares belongs to
};

}  // namespace kalvora::pictures
