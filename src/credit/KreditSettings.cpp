#include "credit/KreditSettings.h"

#include <QDir>
#include <QStandardPaths>
#include <QStringList>
#include <QWidget>
#include <array>

#include "credit/CreditCalculator.h"

namespace kalvora {

namespace {

const char* const kSection = "TKreditForm";

struct RememberedField {
    const char* key;
    CreditField field;
};

// The stored items "Edit6.Text" ... with the point replaced by "_".
constexpr std::array<RememberedField, 5> kRemembered = {{
    {"Edit6_Text", CreditField::Edit6},
    {"Edit7_Text", CreditField::Edit7},
    {"Nd_Text", CreditField::Nd},
    {"Ne_Text", CreditField::Ne},
    {"Nr_Text", CreditField::Nr},
}};

constexpr int kShowNormal = 1;
constexpr int kShowMaximized = 3;

}  // namespace

QString KalvoraSettingsPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("kalvora.INI"));
}

void ReadKreditSettings(QSettings& settings, CreditCalculator& calculator, QWidget& window) {
    settings.beginGroup(kSection);
    for (const RememberedField& r : kRemembered) {
        const QVariant value = settings.value(r.key);
        if (value.isValid())
            calculator.Type(r.field, value.toString().toStdString());
    }
    if (settings.value("FormVersion", 0).toInt() >= 0) {
        const QStringList pos = settings.value("NormPos").toString().split(',');
        if (pos.size() == 4) {
            bool ok[4] = {false, false, false, false};
            const int left = pos[0].trimmed().toInt(&ok[0]);
            const int top = pos[1].trimmed().toInt(&ok[1]);
            const int right = pos[2].trimmed().toInt(&ok[2]);
            const int bottom = pos[3].trimmed().toInt(&ok[3]);
            if (ok[0] && ok[1] && ok[2] && ok[3] && right > left && bottom > top) {
                window.move(left, top);
                window.resize(right - left, bottom - top);
            }
        }
        if (settings.value("ShowCmd", kShowNormal).toInt() == kShowMaximized) {
            window.setWindowState(window.windowState() | Qt::WindowMaximized);
        }
    }
    settings.endGroup();
}

void WriteKreditSettings(QSettings& settings, const CreditCalculator& calculator,
                         const QWidget& window) {
    settings.beginGroup(kSection);
    for (const RememberedField& r : kRemembered) {
        settings.setValue(r.key, QString::fromStdString(calculator.Text(r.field)));
    }
    const QRect normal = window.isMaximized() ? window.normalGeometry() : window.geometry();
    const QPoint corner = window.isMaximized() ? normal.topLeft() : window.pos();
    settings.setValue("Flags", 0);
    settings.setValue("ShowCmd", window.isMaximized() ? kShowMaximized : kShowNormal);
    settings.setValue("PixelsPerInch", window.logicalDpiY());
    settings.setValue("MinMaxPos", QStringLiteral("-1,-1,-1,-1"));
    settings.setValue("NormPos", QStringLiteral("%1,%2,%3,%4")
                                     .arg(corner.x())
                                     .arg(corner.y())
                                     .arg(corner.x() + normal.width())
                                     .arg(corner.y() + normal.height()));
    settings.setValue("Visible", window.isVisible() ? "True" : "False");
    settings.setValue("FormVersion", 0);
    settings.endGroup();
}

}  // namespace kalvora
