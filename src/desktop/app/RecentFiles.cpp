#include "desktop/app/RecentFiles.h"

#include <QDir>
#include <QFileInfo>

#include "desktop/settings/WindowSettings.h"

namespace kalvora::app {

namespace {

const QString kSection = QStringLiteral("Files");

// One spelling per file, so that "a/../offer.klv" and "offer.klv" are one entry.
QString Normalised(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

}  // namespace

QStringList WithRecentFile(const QStringList& list, const QString& path) {
    const QString added = Normalised(path);
    QStringList out{added};
    for (const QString& entry : list) {
        if (out.size() == kRecentFileCount) break;
        if (!entry.isEmpty() && Normalised(entry) != added) out.append(entry);
    }
    return out;
}

RecentFilesCheck CheckRecentFiles(const QStringList& list) {
    RecentFilesCheck check;
    for (const QString& entry : list) {
        (QFileInfo(entry).isFile() ? check.present : check.missing).append(entry);
    }
    return check;
}

// Through the settings helper, which reads and writes only a regular file: a pipe in the
// settings file's place would otherwise block the program before its first frame.
QStringList ReadRecentFiles(const QString& iniPath) {
    const WindowSettings ini(kSection, iniPath);
    QStringList list;
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const QString entry = ini.Text(QStringLiteral("Recent%1").arg(i)).value_or(QString());
        if (!entry.isEmpty() && !list.contains(entry)) list.append(entry);
    }
    return list;
}

void WriteRecentFiles(const QString& iniPath, const QStringList& list) {
    WindowSettings ini(kSection, iniPath);
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const QString key = QStringLiteral("Recent%1").arg(i);
        if (i <= list.size()) {
            ini.SetValue(key, list[i - 1]);
        } else {
            ini.Remove(key);
        }
    }
    ini.Write();
}

QString ReadLastFolder(const QString& iniPath) {
    return WindowSettings(kSection, iniPath).Text(QStringLiteral("LastFolder")).value_or(QString());
}

void WriteLastFolder(const QString& iniPath, const QString& folder) {
    WindowSettings ini(kSection, iniPath);
    ini.SetValue(QStringLiteral("LastFolder"), folder);
    ini.Write();
}

}  // namespace kalvora::app
