#include "desktop/documents/OrderWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QShowEvent>
#include <QToolButton>
#include <algorithm>

#include "desktop/settings/WindowSettings.h"

namespace kalvora {

namespace {

const QString kSection = QStringLiteral("TZakazForm");

QCheckBox* Box(const QString& name, const QString& caption, const QRect& place, QWidget* panel) {
    auto* box = new QCheckBox(caption, panel);
    box->setObjectName(name);
    DocumentWindow::Place(box, place);
    return box;
}

}  // namespace

OrderWindow::OrderWindow(OrderDocument& order, QWidget* parent)
    : DocumentWindow(
          {"Заказ", "Zakaz", "Текст Вашего заказа скопирован в буфер обмена.", 10, "Текст заказа"},
          order.Ui(), parent),
      order_(order) {
    setObjectName("ZakazForm");
    setGeometry(358, 156, 697, 422);
    QWidget* panel = Panel();
    verbalBox_ = Box("SlovoBox", "Словесное описание", {8, 4, 153, 17}, panel);
    codedBox_ = Box("KodBox", "Кодовое описание", {8, 20, 145, 17}, panel);
    PlaceButtons(264, 368, 8, 22);
    // The price and indent boxes keep clear of a copy button that a wide font made wider.
    const int right = std::max(480, CopyButton()->geometry().right() + 6);
    pricesBox_ = Box("CBox", "Добавлять цену в описание", {right, 3, 169, 17}, panel);
    indentBox_ = Box("OtstupBox", "Добавить отступы на странице", {right, 18, 201, 17}, panel);
    // The last box's caption keeps a margin from the window's edge.
    const int needed = indentBox_->geometry().right() + 12;
    if (width() < needed) resize(needed, height());
    ShowOrderText();

    connect(verbalBox_, &QCheckBox::clicked, this, [this](bool on) {
        order_.SetVerbal(on);
        ShowBoxes();
    });
    connect(codedBox_, &QCheckBox::clicked, this, [this](bool on) {
        order_.SetCoded(on);
        ShowBoxes();
    });
    connect(pricesBox_, &QCheckBox::clicked, this, [this](bool on) {
        order_.SetWithPrices(on);
        ShowBoxes();
    });
    connect(indentBox_, &QCheckBox::clicked, this, [this](bool on) {
        order_.SetIndented(on);
        ShowBoxes();
    });
    order_.SetTextObserver([this] { ShowOrderText(); });
}

OrderWindow::~OrderWindow() {
    order_.SetTextObserver(nullptr);
    WriteSettingsIfShown();
}

void OrderWindow::ShowOrder() {
    show();
    raise();
    activateWindow();
}

void OrderWindow::ShowOrderText() {
    ShowBoxes();
    SetDocumentLines(order_.Lines());
}

void OrderWindow::ShowBoxes() {
    const std::pair<QCheckBox*, bool> boxes[] = {{verbalBox_, order_.Verbal()},
                                                 {codedBox_, order_.Coded()},
                                                 {pricesBox_, order_.WithPrices()},
                                                 {indentBox_, order_.Indented()}};
    for (const auto& [box, ticked] : boxes) {
        const bool blocked = box->blockSignals(true);
        box->setChecked(ticked);
        box->blockSignals(blocked);
    }
}

void OrderWindow::showEvent(QShowEvent* event) {
    DocumentWindow::showEvent(event);
    if (event->spontaneous()) return;
    ReadSettings();
    shownSinceWritten_ = true;
}

void OrderWindow::closeEvent(QCloseEvent* event) {
    WriteSettings();
    DocumentWindow::closeEvent(event);
}

void OrderWindow::WriteSettingsIfShown() {
    if (shownSinceWritten_) WriteSettings();
}

// A stored tick that differs from the box's state is a click on that box, so the text is built
// again. The boxes are read in the order they are stored, the code box before the verbal one,
// so that a stored code-only description is not turned back into the verbal one on the way.
void OrderWindow::ReadSettings() {
    const WindowSettings settings(kSection);
    if (!settings.StateRestorable()) return;
    if (const auto v = settings.Tick("CBox_Checked")) order_.SetWithPrices(*v);
    if (const auto v = settings.Tick("OtstupBox_Checked")) order_.SetIndented(*v);
    if (const auto v = settings.Tick("KodBox_Checked")) order_.SetCoded(*v);
    if (const auto v = settings.Tick("SlovoBox_Checked")) order_.SetVerbal(*v);
    ShowBoxes();
    settings.RestorePlacement(*this);
}

void OrderWindow::WriteSettings() {
    WindowSettings settings(kSection);
    settings.SetTick("CBox_Checked", order_.WithPrices());
    settings.SetTick("OtstupBox_Checked", order_.Indented());
    settings.SetTick("KodBox_Checked", order_.Coded());
    settings.SetTick("SlovoBox_Checked", order_.Verbal());
    settings.StorePlacement(*this);
    settings.Write();
    shownSinceWritten_ = false;
}

}  // namespace kalvora
