#include "documents/OrderWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QShowEvent>
#include <QToolButton>
#include <algorithm>

#include "settings/WindowSettings.h"

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
    QWidget* panel = Panel1();
    slovoBox_ = Box("SlovoBox", "Словесное описание", {8, 4, 153, 17}, panel);
    kodBox_ = Box("KodBox", "Кодовое описание", {8, 20, 145, 17}, panel);
    PlaceButtons(264, 368, 8, 22);
    // The price and indent boxes keep clear of a copy button that a wide font made wider.
    const int right = std::max(480, SpeedButton4()->geometry().right() + 6);
    cBox_ = Box("CBox", "Добавлять цену в описание", {right, 3, 169, 17}, panel);
    otstupBox_ = Box("OtstupBox", "Добавить отступы на странице", {right, 18, 201, 17}, panel);
    // The last box's caption keeps a margin from the window's edge.
    const int needed = otstupBox_->geometry().right() + 12;
    if (width() < needed) resize(needed, height());
    ShowOrderText();

    connect(slovoBox_, &QCheckBox::clicked, this, [this](bool on) {
        order_.SetSlovoBox(on);
        ShowBoxes();
    });
    connect(kodBox_, &QCheckBox::clicked, this, [this](bool on) {
        order_.SetKodBox(on);
        ShowBoxes();
    });
    connect(cBox_, &QCheckBox::clicked, this, [this](bool on) {
        order_.SetCBox(on);
        ShowBoxes();
    });
    connect(otstupBox_, &QCheckBox::clicked, this, [this](bool on) {
        order_.SetOtstupBox(on);
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
    const std::pair<QCheckBox*, bool> boxes[] = {{slovoBox_, order_.SlovoBox()},
                                                 {kodBox_, order_.KodBox()},
                                                 {cBox_, order_.CBox()},
                                                 {otstupBox_, order_.OtstupBox()}};
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
    if (const auto v = settings.Tick("CBox_Checked")) order_.SetCBox(*v);
    if (const auto v = settings.Tick("OtstupBox_Checked")) order_.SetOtstupBox(*v);
    if (const auto v = settings.Tick("KodBox_Checked")) order_.SetKodBox(*v);
    if (const auto v = settings.Tick("SlovoBox_Checked")) order_.SetSlovoBox(*v);
    ShowBoxes();
    settings.RestorePlacement(*this);
}

void OrderWindow::WriteSettings() {
    WindowSettings settings(kSection);
    settings.SetTick("CBox_Checked", order_.CBox());
    settings.SetTick("OtstupBox_Checked", order_.OtstupBox());
    settings.SetTick("KodBox_Checked", order_.KodBox());
    settings.SetTick("SlovoBox_Checked", order_.SlovoBox());
    settings.StorePlacement(*this);
    settings.Write();
    shownSinceWritten_ = false;
}

}  // namespace kalvora
