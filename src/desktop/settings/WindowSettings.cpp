#include "desktop/settings/WindowSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStringList>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>

#include "engine/files/DiskFiles.h"
#include "engine/files/FileErrors.h"

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

// A settings file is a few kilobytes; one larger than this is not read (nor replaced).
constexpr std::size_t kLargestSettingsFile = 1024 * 1024;
// How long a write waits for another program writing the same settings file.
constexpr std::chrono::milliseconds kLockPatience(2000);

std::string Native(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// One line on standard error per kind of trouble and run: the program goes on with defaults.
void TellOnce(bool& told, const char* what, const QString& path, const std::string& reason) {
    if (told) return;
    told = true;
    std::fprintf(stderr, "kalvora: %s «%s»: %s\n", what, ShownPath(Native(path)).c_str(),
                 reason.c_str());
}

// The settings file's bytes: empty when there is none, nothing when it is not a regular file
// (a pipe would block the program before its first frame), too large or unreadable.
std::optional<std::string> ReadSettingsBytes(const QString& path) {
    const std::string name = Native(path);
    if (KindOf(name) == PathKind::Missing) return std::string();
    std::string bytes;
    if (const FileResult read = ReadRegularFile(name, kLargestSettingsFile, &bytes); !read) {
        static bool told = false;
        TellOnce(told, "настройки не прочитаны:", path, read.reason);
        return std::nullopt;
    }
    return bytes;
}

}  // namespace

PrivateSettingsCopy::PrivateSettingsCopy(const std::string& bytes) {
    if (!folder_.isValid()) return;
    path_ = folder_.filePath(QStringLiteral("settings.ini"));
    if (!WriteFileAtomically(Native(path_), bytes)) path_.clear();
}

std::optional<std::string> PrivateSettingsCopy::Bytes() const {
    std::string bytes;
    if (path_.isEmpty() || !ReadRegularFile(Native(path_), kLargestSettingsFile, &bytes)) {
        return std::nullopt;
    }
    return bytes;
}

namespace {

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
    const std::optional<std::string> bytes = ReadSettingsBytes(path_);
    if (!bytes || bytes->empty()) return;
    const PrivateSettingsCopy copy(*bytes);
    if (copy.Path().isEmpty()) return;
    QSettings ini(copy.Path(), QSettings::IniFormat);
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
    static bool toldWrite = false;
    // Another window or another run of the program may be writing the file: the lock keeps
    // their changes from undoing each other, but is waited for only a moment, and a lock file
    // that is not a regular file is never opened. Without the lock the file is still replaced
    // whole. The folder is made first, so that the lock beside the file can be taken on the
    // first run too.
    QDir().mkpath(QFileInfo(path_).absolutePath());
    const FileLock lock(Native(path_) + ".lock", kLockPatience);
    if (!lock.Held()) {
        static bool toldLock = false;
        TellOnce(toldLock, "настройки сохраняются без блокировки", path_ + QStringLiteral(".lock"),
                 lock.Reason());
    }
    // The sections of the other windows are kept: the file is read again, changed in a
    // private copy and written back whole. A file that cannot be read is not replaced.
    const std::optional<std::string> current = ReadSettingsBytes(path_);
    if (!current) return false;
    const PrivateSettingsCopy copy(*current);
    if (copy.Path().isEmpty()) return false;
    QSettings ini(copy.Path(), QSettings::IniFormat);
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
    if (ini.status() != QSettings::NoError) return false;
    const std::optional<std::string> bytes = copy.Bytes();
    if (!bytes) return false;
    if (const FileResult written = WriteFileAtomically(Native(path_), *bytes); !written) {
        TellOnce(toldWrite, "настройки не сохранены:", path_, written.reason);
        return false;
    }
    return true;
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
