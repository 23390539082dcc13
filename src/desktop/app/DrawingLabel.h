// A label that shows one of the program's drawings and, when it changes to another drawing of
// the same size, repaints only the parts where the two differ: a new paint colour changes the
// car's body in the faint background, not the empty space around it, nor what lies over that.
#pragma once

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QRegion>
#include <deque>
#include <utility>

namespace kalvora::app {

class DrawingLabel : public QLabel {
  public:
    explicit DrawingLabel(QWidget* parent = nullptr);

    // Shows `drawing`, drawn at `scale` device pixels per pixel of the window, unless it shows
    // it already; what differs from the drawing shown before is repainted.
    void ShowDrawing(const QImage& drawing, qreal scale = 1.0);
    const QImage& Drawing() const { return drawing_; }

    // The parts of two pictures of the same size that differ, in blocks of `block` pixels;
    // everything when the sizes differ.
    static QRegion ChangedArea(const QImage& before, const QImage& after, int block = 32);

    // Repaints the whole label on every change, as a plain label does; for comparing the two.
    static void SetWholeRepaint(bool whole);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRect PictureRect() const;
    QRegion KnownChange(const QImage& before, const QImage& after);

    // The changes between the last few pairs of drawings, by their images' keys.
    static constexpr size_t kKnownChanges = 8;
    std::deque<std::pair<std::pair<qint64, qint64>, QRegion>> changes_;

    QImage drawing_;
    QPixmap pixmap_;
};

// Puts a drawing into a plain `label` unless it shows it already; false when there is no drawing.
bool ShowDrawingIn(QLabel* label, const QImage& drawing);

}  // namespace kalvora::app
