// The pictures: the body picture beside the main choices, the colour swatch and the
// body-and-shade background of the option panel, from a picture file or drawn.
#include "desktop/app/MainWindow.h"

#include <QLabel>
#include <QVariant>
#include <utility>

#include "desktop/app/DrawingLabel.h"

namespace kalvora::app {

namespace {

// The built-in background drawing: natural size, centred in the option panel.
const QSize kBackgroundSize(1000, 400);

// Puts a drawing into `label` unless it already shows it; false when there is no drawing.
bool ShowDrawing(QLabel* label, const QImage& image) {
    if (image.isNull()) return false;
    const QVariant shown = label->property("drawing");
    if (!shown.isValid() || shown.toLongLong() != image.cacheKey() || label->pixmap().isNull()) {
        label->setPixmap(QPixmap::fromImage(image));
        label->setProperty("drawing", image.cacheKey());
    }
    return true;
}

}  // namespace

void MainWindow::ShowPictures() {
    // Which pictures show is the rules' choice; a picture file of the working directory is shown
    // as it is, otherwise the car is drawn as configured (paint, rails, wheels).
    const VisiblePictures& v = config_.Pictures();
    const CarLook look = LookOf(config_);
    ShowBodyPicture(v, look);
    ShowSwatch(v);
    ShowBackground(v, look);
}

void MainWindow::ShowBodyPicture(const VisiblePictures& v, const CarLook& look) {
    bool bodyShown = false;
    for (int b = 0; b < kBodyCount; ++b) {
        const bool chosen = v.body == b;
        bool show = false;
        if (!pictures_.bodies[b].isNull()) {
            show = chosen;
            if (show && bodyImages_[b]->pixmap().isNull()) {
                bodyImages_[b]->setPixmap(
                    QPixmap::fromImage(WithTransparentBackground(pictures_.bodies[b])));
            }
        } else if (chosen) {
            CarLook drawn = look;
            drawn.body = b;
            show = ShowDrawing(bodyImages_[b], drawings_.Picture(drawn, bodyImages_[b]->size()));
        }
        bodyImages_[b]->setVisible(show);
        bodyShown = bodyShown || show;
    }
    // The placeholder lies under the body pictures and shows when the chosen one has neither a
    // file nor a drawing; with no body chosen yet there is nothing missing.
    placeholder_->setVisible(!bodyShown && v.body >= 0 && v.body < kBodyCount);
}

void MainWindow::ShowSwatch(const VisiblePictures& v) {
    for (int s = 0; s < 10; ++s) {
        bool show = v.swatch == s + 1;
        if (show && !pictures_.swatches[s].isNull()) {
            if (swatches_[s]->pixmap().isNull()) {
                swatches_[s]->setPixmap(QPixmap::fromImage(pictures_.swatches[s]));
            }
        } else if (show) {
            QImage& drawing = swatchDrawings_[s];
            if (drawing.isNull()) {
                drawing = pictures::RenderSwatch(PaintOf(s + 1), MetallicPaint(s + 1),
                                                 swatches_[s]->size());
            }
            show = ShowDrawing(swatches_[s], drawing);
        }
        swatches_[s]->setVisible(show);
    }
}

void MainWindow::ShowBackground(const VisiblePictures& v, const CarLook& look) {
    const int shade = ShadeIndex(v.shade);
    if (v.shadeBody >= 0 && v.shadeBody < kBodyCount && shade >= 0 &&
        pictures_.shades[v.shadeBody][shade].isNull()) {
        // Another body-and-shade drawing: the label that shows the drawing now takes the new
        // one's place and name, so that only what differs is repainted, not one whole label
        // hidden and another shown.
        HandOverDrawingLabel(backgrounds_[v.shadeBody][shade]);
    }
    for (int b = 0; b < kBodyCount; ++b) {
        for (int s = 0; s < 4; ++s) {
            QLabel* background = backgrounds_[b][s];
            const QImage& image = pictures_.shades[b][s];
            bool show = v.shadeBody == b && shade == s;
            if (show && !image.isNull()) {
                if (background->pixmap().isNull()) background->setPixmap(QPixmap::fromImage(image));
            } else if (show) {
                CarLook drawn = look;
                drawn.body = b;
                // Drawn at the size it is shown at, in the screen's pixels: a paint only copies
                // it, and a new look repaints only where it differs from the one before.
                const qreal scale = background->devicePixelRatioF();
                const QImage& drawing = drawings_.Picture(
                    drawn, (QSizeF(kBackgroundSize) * scale).toSize(), pictures::Strength::Faint);
                show = !drawing.isNull();
                if (show) static_cast<DrawingLabel*>(background)->ShowDrawing(drawing, scale);
            }
            if (show && !background->isVisible()) {
                // Behind every label and control of the option panel.
                background->setGeometry(optionsPanel_->contentsRect());
                background->lower();
            }
            background->setVisible(show);
        }
    }
}

void MainWindow::HandOverDrawingLabel(QLabel*& chosen) {
    for (int b = 0; b < kBodyCount; ++b) {
        for (int s = 0; s < 4; ++s) {
            QLabel*& shown = backgrounds_[b][s];
            if (shown == chosen || shown->isHidden() || !pictures_.shades[b][s].isNull()) continue;
            const QString name = shown->objectName();
            shown->setObjectName(chosen->objectName());
            chosen->setObjectName(name);
            std::swap(shown, chosen);
        }
    }
}

}  // namespace kalvora::app
