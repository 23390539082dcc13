#include "app/RecentFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

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

QStringList ReadRecentFiles(const QString& iniPath) {
    QSettings ini(iniPath, QSettings::IniFormat);
    ini.beginGroup(kSection);
    QStringList list;
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const QString entry = ini.value(QStringLiteral("Recent%1").arg(i)).toString();
        if (!entry.isEmpty() && !list.contains(entry)) list.append(entry);
    }
    return list;
}

void WriteRecentFiles(const QString& iniPath, const QStringList& list) {
    QSettings ini(iniPath, QSettings::IniFormat);
    ini.beginGroup(kSection);
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const QString key = QStringLiteral("Recent%1").arg(i);
        if (i <= list.size()) {
            ini.setValue(key, list[i - 1]);
        } else {
            ini.remove(key);
        }
    }
}

QString ReadLastFolder(const QString& iniPath) {
    QSettings ini(iniPath, QSettings::IniFormat);
    return ini.value(kSection + QStringLiteral("/LastFolder")).toString();
}

void WriteLastFolder(const QString& iniPath, const QString& folder) {
    QSettings ini(iniPath, QSettings::IniFormat);
    ini.setValue(kSection + QStringLiteral("/LastFolder"), folder);
}

}  // namespace kalvora::app
