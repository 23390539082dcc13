// The files the user last opened or saved, newest first, and the folder "Открыть..." starts in.
// Both live in the INI file, section "Files": "Recent1" ... "Recent8" and "LastFolder".
#pragma once

#include <QString>
#include <QStringList>

namespace kalvora::app {

constexpr int kRecentFileCount = 8;

// `list` with `path` moved (or added) to the front, without repeats and at most eight long.
QStringList WithRecentFile(const QStringList& list, const QString& path);

// The list split into the files that are still there and those that are gone.
struct RecentFilesCheck {
    QStringList present;
    QStringList missing;
};
RecentFilesCheck CheckRecentFiles(const QStringList& list);

QStringList ReadRecentFiles(const QString& iniPath);
void WriteRecentFiles(const QString& iniPath, const QStringList& list);
QString ReadLastFolder(const QString& iniPath);
void WriteLastFolder(const QString& iniPath, const QString& folder);

}  // namespace kalvora::app
