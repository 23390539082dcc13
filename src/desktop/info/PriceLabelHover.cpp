#include "desktop/info/PriceLabelHover.h"

#include <QColor>
#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <utility>

namespace kalvora {

PriceLabelHover::PriceLabelHover(QLabel* label, std::function<void()> onClick)
    : QObject(label), label_(label), onClick_(std::move(onClick)) {
    label_->installEventFilter(this);
}

const QColor& PriceLabelHover::HoverColour() {
    static const QColor colour(0, 0, 255);
    return colour;
}

const QColor& PriceLabelHover::NormalColour() {
    static const QColor colour(0, 0, 0);
    return colour;
}

void PriceLabelHover::SetHighlighted(bool on) {
    QPalette palette = label_->palette();
    palette.setColor(QPalette::WindowText, on ? HoverColour() : NormalColour());
    label_->setPalette(palette);
    QFont font = label_->font();
    font.setUnderline(on);
    label_->setFont(font);
}

bool PriceLabelHover::eventFilter(QObject* watched, QEvent* event) {
    if (watched != label_) {
        return false;
    }
    switch (event->type()) {
        case QEvent::Enter:
            SetHighlighted(true);
            break;
        case QEvent::Leave:
            SetHighlighted(false);
            break;
        case QEvent::MouseButtonPress: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton && onClick_) {
                pressed_ = true;
                return true;  // keep the release for this label
            }
            break;
        }
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton || !pressed_) {
                break;
            }
            pressed_ = false;
            // Like a button: releasing outside the label cancels the click.
            if (label_->rect().contains(mouse->position().toPoint()) && onClick_) {
                onClick_();
            }
            return true;
        }
        default:
            break;
    }
    return false;
}

PriceLabelHover* InstallPriceLabelHover(QLabel* label) {
    return new PriceLabelHover(label);
}

PriceLabelHover* InstallPriceLabelInfo(QLabel* label, Opt option, const InfoWindows& windows,
                                       UiPort& ui) {
    const InfoWindows* shown = &windows;
    UiPort* port = &ui;
    return new PriceLabelHover(label, [option, shown, port] {
        OptionInfoClick(option, InfoControl::PriceLabel, *shown, *port);
    });
}

}  // namespace kalvora
