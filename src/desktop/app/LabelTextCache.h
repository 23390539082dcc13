// Paints the plain one-line labels of a panel from a text layout kept between paints.
//
// A label over the faint background is painted again whenever the picture under it changes
// (a new paint colour), though its text is the same: a plain label lays the text out and shapes
// it anew on every paint, which was most of the time a colour change took. Painted from the
// kept layout, the label puts the same pixels on the screen as it would itself; a label this
// cannot stand in for (rich or wrapped text, a picture, a frame, a mnemonic, another style than
// the program's) paints itself as before.
#pragma once

#include <QObject>
#include <QString>
#include <QTextLayout>
#include <memory>
#include <unordered_map>

class QLabel;
class QPaintEvent;

namespace kalvora::app {

class LabelTextCache : public QObject {
  public:
    explicit LabelTextCache(QObject* parent = nullptr);
    ~LabelTextCache() override;

    // Every plain label under `panel`, now and as it is.
    void Watch(QWidget* panel);

    // Paints `label` as QLabel would, from the kept layout; false when the label must paint
    // itself. Public for the test that compares the two.
    bool Paint(QLabel* label, const QPaintEvent* event);

    // For comparing with the labels' own painting: off, every label paints itself.
    static void SetEnabled(bool enabled);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Layout;
    const Layout* LayoutFor(QLabel* label);

    std::unordered_map<const QObject*, std::unique_ptr<Layout>> layouts_;
};

}  // namespace kalvora::app
