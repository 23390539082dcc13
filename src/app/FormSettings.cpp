#include "app/FormSettings.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

namespace kalvora::app {

namespace {

const QString kSection = QStringLiteral("TForm1");
// Windows' codes for how a window is shown.
constexpr int kShowNormal = 1;
constexpr int kShowMaximized = 3;
// A stored rectangle larger than this is not a window placement.
constexpr int kMaxExtent = 100000;

std::optional<QRect> ParseRect(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4) return std::nullopt;
    int v[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = parts[i].trimmed().toInt(&ok);
        if (!ok || v[i] < -kMaxExtent || v[i] > kMaxExtent) return std::nullopt;
    }
    // left, top, right, bottom
    if (v[2] <= v[0] || v[3] <= v[1]) return std::nullopt;
    return QRect(QPoint(v[0], v[1]), QPoint(v[2] - 1, v[3] - 1));
}

QString RectText(const QRect& r) {
    return QStringLiteral("%1,%2,%3,%4")
        .arg(r.left())
        .arg(r.top())
        .arg(r.right() + 1)
        .arg(r.bottom() + 1);
}

}  // namespace

QString SettingsFilePath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty()) folder = QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("kalvora.INI"));
}

FormSettings ReadFormSettings(const QString& path) {
    FormSettings out;
    QSettings ini(path, QSettings::IniFormat);
    if (ini.status() != QSettings::NoError) return out;
    ini.beginGroup(kSection);

    const QString abs = ini.value(QStringLiteral("ABSBox_Checked")).toString();
    if (abs == QLatin1String("True")) out.absChecked = true;
    if (abs == QLatin1String("False")) out.absChecked = false;

    bool ok = false;
    const int version = ini.value(QStringLiteral("FormVersion"), 0).toInt(&ok);
    if (ok && version >= 0) {
        const QVariant pos = ini.value(QStringLiteral("NormPos"));
        // QSettings hands a value with commas back as a list when it was written unquoted.
        const QString text = pos.typeId() == QMetaType::QStringList
                                 ? pos.toStringList().join(QLatin1Char(','))
                                 : pos.toString();
        out.normalGeometry = ParseRect(text);
        out.maximized = ini.value(QStringLiteral("ShowCmd")).toInt() == kShowMaximized;
    }
    return out;
}

bool WriteFormSettings(const QString& path, const FormSettings& s, int pixelsPerInch) {
    QSettings ini(path, QSettings::IniFormat);
    ini.beginGroup(kSection);
    if (s.absChecked) {
        ini.setValue(QStringLiteral("ABSBox_Checked"),
                     *s.absChecked ? QStringLiteral("True") : QStringLiteral("False"));
    }
    ini.setValue(QStringLiteral("Flags"), 0);
    ini.setValue(QStringLiteral("ShowCmd"), s.maximized ? kShowMaximized : kShowNormal);
    ini.setValue(QStringLiteral("PixelsPerInch"), pixelsPerInch);
    ini.setValue(QStringLiteral("MinMaxPos"), QStringLiteral("-1,-1,-1,-1"));
    if (s.normalGeometry) ini.setValue(QStringLiteral("NormPos"), RectText(*s.normalGeometry));
    ini.setValue(QStringLiteral("Visible"), QStringLiteral("True"));
    ini.setValue(QStringLiteral("FormVersion"), 0);
    ini.endGroup();
    ini.sync();
    return ini.status() == QSettings::NoError;
}

}  // namespace kalvora::app
