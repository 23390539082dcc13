#include "documents/TZakazForm.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QSettings>
#include <QShowEvent>
#include <QStandardPaths>
#include <QStringList>
#include <QToolButton>
#include <algorithm>
#include <optional>

namespace kalvora {

namespace {

constexpr const char* kSection = "TZakazForm";

QCheckBox* Box(const QString& name, const QString& caption, const QRect& place, QWidget* panel) {
    auto* box = new QCheckBox(caption, panel);
    box->setObjectName(name);
    DocumentWindow::Place(box, place);
    return box;
}

// A remembered tick: "True" or "False"; anything else, or no key, keeps the current state.
std::optional<bool> StoredTick(const QSettings& settings, const QString& key) {
    const QString value = settings.value(key).toString();
    if (value.compare("True", Qt::CaseInsensitive) == 0) return true;
    if (value.compare("False", Qt::CaseInsensitive) == 0) return false;
    return std::nullopt;
}

// Four integers written as "%d,%d,%d,%d"; an unquoted value comes back as a list.
std::optional<QRect> StoredRect(const QSettings& settings, const QString& key) {
    const QVariant v = settings.value(key);
    const QString text =
        v.typeId() == QMetaType::QStringList ? v.toStringList().join(',') : v.toString();
    const QStringList parts = text.split(',');
    if (parts.size() != 4) return std::nullopt;
    int n[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        n[i] = parts[i].trimmed().toInt(&ok);
        if (!ok) return std::nullopt;
    }
    if (n[2] <= n[0] || n[3] <= n[1]) return std::nullopt;
    return QRect(QPoint(n[0], n[1]), QPoint(n[2] - 1, n[3] - 1));
}

QString RectText(const QRect& r) {
    return QString("%1,%2,%3,%4").arg(r.left()).arg(r.top()).arg(r.right() + 1).arg(r.bottom() + 1);
}

const char* TrueFalse(bool value) {
    return value ? "True" : "False";
}

}  // namespace

TZakazForm::TZakazForm(OrderDocument& order, QWidget* parent)
    : DocumentWindow({"Заказ", "Zakaz", "Текст Вашего заказа скопирован в буфер обмена.", 10},
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

TZakazForm::~TZakazForm() {
    order_.SetTextObserver(nullptr);
    WriteSettingsIfShown();
}

void TZakazForm::ShowOrder() {
    show();
    raise();
    activateWindow();
}

void TZakazForm::ShowOrderText() {
    ShowBoxes();
    SetDocumentLines(order_.Memo1());
}

void TZakazForm::ShowBoxes() {
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

QString TZakazForm::SettingsFile() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath("kalvora.INI");
}

void TZakazForm::showEvent(QShowEvent* event) {
    DocumentWindow::showEvent(event);
    if (event->spontaneous()) return;
    ReadSettings();
    shownSinceWritten_ = true;
}

void TZakazForm::closeEvent(QCloseEvent* event) {
    WriteSettings();
    DocumentWindow::closeEvent(event);
}

void TZakazForm::WriteSettingsIfShown() {
    if (shownSinceWritten_) WriteSettings();
}

// A stored tick that differs from the box's state is a click on that box, so the text is built
// again. The boxes are read in the order they are stored, the code box before the verbal one,
// so that a stored code-only description is not turned back into the verbal one on the way.
void TZakazForm::ReadSettings() {
    QSettings settings(SettingsFile(), QSettings::IniFormat);
    settings.beginGroup(kSection);
    if (settings.value("FormVersion", 0).toInt() < 0) return;
    if (const auto v = StoredTick(settings, "CBox_Checked")) order_.SetCBox(*v);
    if (const auto v = StoredTick(settings, "OtstupBox_Checked")) order_.SetOtstupBox(*v);
    if (const auto v = StoredTick(settings, "KodBox_Checked")) order_.SetKodBox(*v);
    if (const auto v = StoredTick(settings, "SlovoBox_Checked")) order_.SetSlovoBox(*v);
    ShowBoxes();
    if (const auto rect = StoredRect(settings, "NormPos")) setGeometry(*rect);
    const int showCmd = settings.value("ShowCmd", 1).toInt();
    if (showCmd == 3) setWindowState(windowState() | Qt::WindowMaximized);
}

void TZakazForm::WriteSettings() {
    QSettings settings(SettingsFile(), QSettings::IniFormat);
    settings.beginGroup(kSection);
    settings.setValue("CBox_Checked", TrueFalse(order_.CBox()));
    settings.setValue("OtstupBox_Checked", TrueFalse(order_.OtstupBox()));
    settings.setValue("KodBox_Checked", TrueFalse(order_.KodBox()));
    settings.setValue("SlovoBox_Checked", TrueFalse(order_.SlovoBox()));
    settings.setValue("Flags", 0);
    settings.setValue("ShowCmd", isMaximized() ? 3 : isMinimized() ? 2 : 1);
    settings.setValue("PixelsPerInch", logicalDpiY());
    settings.setValue("MinMaxPos", "-1,-1,-1,-1");
    settings.setValue("NormPos",
                      RectText(isMaximized() || isMinimized() ? normalGeometry() : geometry()));
    settings.setValue("Visible", TrueFalse(isVisible()));
    settings.setValue("FormVersion", 0);
    settings.endGroup();
    settings.sync();
    shownSinceWritten_ = false;
}

}  // namespace kalvora
