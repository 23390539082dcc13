#include "desktop/settings/QtOwnSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <cstdio>

#include "engine/files/DiskFiles.h"
#include "engine/files/FileErrors.h"

namespace kalvora {

namespace {

constexpr std::size_t kLargest = 1024 * 1024;

std::string Native(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace

QtOwnSettings::QtOwnSettings() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    userFile_ = QDir(folder).filePath(QStringLiteral("QtProject.conf"));
    if (!folder_.isValid()) return;
    copy_ = folder_.filePath(QStringLiteral("QtProject.conf"));
    std::string bytes;
    const std::string name = Native(userFile_);
    if (KindOf(name) == PathKind::Missing) {
        original_ = std::string();
    } else if (const FileResult read = ReadRegularFile(name, kLargest, &bytes); read) {
        original_ = bytes;
    } else {
        std::fprintf(stderr, "kalvora: настройки диалогов «%s» не прочитаны: %s\n",
                     ShownPath(name).c_str(), read.reason.c_str());
    }
    if (original_ && !original_->empty()) WriteFileAtomically(Native(copy_), *original_);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder_.path());
}

QtOwnSettings::~QtOwnSettings() {
    if (!original_ || copy_.isEmpty()) return;
    std::string bytes;
    if (!ReadRegularFile(Native(copy_), kLargest, &bytes) || bytes == *original_) return;
    QDir().mkpath(QFileInfo(userFile_).absolutePath());
    if (const FileResult written = WriteFileAtomically(Native(userFile_), bytes); !written) {
        std::fprintf(stderr, "kalvora: настройки диалогов «%s» не сохранены: %s\n",
                     ShownPath(Native(userFile_)).c_str(), written.reason.c_str());
    }
}

}  // namespace kalvora
