#include "settings/WindowSettings.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStringList>
#include <QWidget>
#include <algorithm>
#include <cstdio>

namespace kalvora {

namespace {

// A stored coordinate beyond this is not a window placement.
constexpr qlonglong kMaxExtent = 100000;
// Windows' codes for how a window is shown.
constexpr int kShowNormal = 1;
constexpr int kShowMinimized = 2;
constexpr int kShowMaximized = 3;
// The smallest window worth restoring; a smaller remembered one grows to this.
constexpr QSize kSmallestWindow(320, 200);

// The window properties that remember a size fitted to a small screen.
constexpr const char* kChosenSize = "kalvoraChosenSize";
constexpr const char* kFittedSize = "kalvoraFittedSize";

bool IsRegularFile(const QString& path) {
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

// Missing (created new), or a regular file, directly or through links.
bool MayWrite(const QString& path) {
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0) return errno == ENOENT;
    return IsRegularFile(path);
}

QString JoinedText(const QVariant& value) {
    return value.typeId() == QMetaType::QStringList ? value.toStringList().join(QLatin1Char(','))
                                                    : value.toString();
}

}  // namespace

QString SettingsFilePath() {
    QString folder = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (folder.isEmpty() || !QDir::isAbsolutePath(folder)) {
        folder = QDir::home().filePath(QStringLiteral(".config"));
    }
    return QDir(folder).filePath(QStringLiteral("kalvora.INI"));
}

QString RectText(const QRect& r) {
    return QStringLiteral("%1,%2,%3,%4")
        .arg(r.left())
        .arg(r.top())
        .arg(r.right() + 1)
        .arg(r.bottom() + 1);
}

std::optional<QRect> ParseRect(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4) return std::nullopt;
    qlonglong v[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = parts[i].trimmed().toLongLong(&ok);
        if (!ok || v[i] < -kMaxExtent || v[i] > kMaxExtent) return std::nullopt;
    }
    // left, top, right, bottom
    if (v[2] <= v[0] || v[3] <= v[1]) return std::nullopt;
    return QRect(int(v[0]), int(v[1]), int(v[2] - v[0]), int(v[3] - v[1]));
}

QRect FitToScreen(const QRect& wanted, const QRect& available, const QSize& minimum) {
    const QSize smallest = minimum.boundedTo(available.size());
    const QSize size = wanted.size().expandedTo(smallest).boundedTo(available.size());
    const int left = std::clamp(wanted.left(), available.left(),
                                available.left() + available.width() - size.width());
    const int top = std::clamp(wanted.top(), available.top(),
                               available.top() + available.height() - size.height());
    return QRect(QPoint(left, top), size);
}

WindowSettings::WindowSettings(QString section, QString path)
    : section_(std::move(section)), path_(std::move(path)) {
    if (!IsRegularFile(path_)) return;
    QSettings ini(path_, QSettings::IniFormat);
    ini.beginGroup(section_);
    for (const QString& key : ini.childKeys()) stored_.insert(key, ini.value(key));
}

std::optional<QString> WindowSettings::Text(const QString& key) const {
    const auto it = stored_.find(key);
    if (it == stored_.end()) return std::nullopt;
    return JoinedText(*it);
}

std::optional<bool> WindowSettings::Tick(const QString& key) const {
    const QString value = Text(key).value_or(QString());
    if (value.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
    if (value.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return false;
    return std::nullopt;
}

bool WindowSettings::StateRestorable() const {
    const auto version = Text(QStringLiteral("FormVersion"));
    if (!version) return true;
    bool ok = false;
    const int value = version->trimmed().toInt(&ok);
    return !ok || value >= 0;
}

void WindowSettings::SetValue(const QString& key, const QVariant& value) {
    pending_.insert(key, value);
}

void WindowSettings::Remove(const QString& key) {
    // An invalid value stands for a removal until Write().
    pending_.insert(key, QVariant());
}

void WindowSettings::SetTick(const QString& key, bool value) {
    SetValue(key, value ? QStringLiteral("True") : QStringLiteral("False"));
}

bool WindowSettings::Write() {
    if (pending_.isEmpty()) return true;
    if (!MayWrite(path_)) {
        static bool told = false;
        if (!told) {
            told = true;
            std::fprintf(stderr, "kalvora: настройки не сохранены: «%s» — не обычный файл\n",
                         QFile::encodeName(path_).constData());
        }
        return false;
    }
    QSettings ini(path_, QSettings::IniFormat);
    ini.beginGroup(section_);
    for (auto it = pending_.cbegin(); it != pending_.cend(); ++it) {
        if (it->isValid()) {
            ini.setValue(it.key(), *it);
        } else {
            ini.remove(it.key());
        }
    }
    ini.endGroup();
    ini.sync();
    pending_.clear();
    return ini.status() == QSettings::NoError;
}

bool WindowSettings::RestorePlacement(QWidget& window) const {
    if (!StateRestorable()) return false;
    const std::optional<QRect> stored = ParseRect(Text(QStringLiteral("NormPos")).value_or(""));
    if (!stored) return false;
    QScreen* screen = QGuiApplication::screenAt(stored->center());
    if (!screen) screen = window.screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    QRect place = *stored;
    if (screen) {
        const QRect available = screen->availableGeometry();
        const QSize minimum = kSmallestWindow.expandedTo(window.minimumSize());
        place = FitToScreen(*stored, available, minimum);
    }
    window.setGeometry(place);
    window.setProperty(kChosenSize, stored->size());
    window.setProperty(kFittedSize, place.size());
    bool ok = false;
    const int showCmd = Text(QStringLiteral("ShowCmd")).value_or("").toInt(&ok);
    if (ok && showCmd == kShowMaximized) {
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
    }
    return true;
}

void WindowSettings::StorePlacement(const QWidget& window) {
    const bool away = window.isMaximized() || window.isMinimized();
    QRect normal = away ? window.normalGeometry() : window.geometry();
    if (!normal.isValid()) normal = window.geometry();
    // Still the size fitted to a small screen: the user did not choose it.
    const QSize chosen = window.property(kChosenSize).toSize();
    if (chosen.isValid() && normal.size() == window.property(kFittedSize).toSize()) {
        normal.setSize(chosen);
    }
    SetValue(QStringLiteral("Flags"), 0);
    SetValue(QStringLiteral("ShowCmd"), window.isMaximized()   ? kShowMaximized
                                        : window.isMinimized() ? kShowMinimized
                                                               : kShowNormal);
    SetValue(QStringLiteral("PixelsPerInch"), window.logicalDpiY());
    SetValue(QStringLiteral("MinMaxPos"), QStringLiteral("-1,-1,-1,-1"));
    SetValue(QStringLiteral("NormPos"), RectText(normal));
    SetValue(QStringLiteral("Visible"),
             window.isVisible() ? QStringLiteral("True") : QStringLiteral("False"));
    SetValue(QStringLiteral("FormVersion"), 0);
}

}  // namespace kalvora
