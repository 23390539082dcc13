// Qt's own settings file (QtProject.conf beside kalvora.INI: the file dialogs' last folder,
// view and history) kept away from Qt: it is read once at start through the program's file
// module into a private folder, Qt is pointed there, and what Qt changed is written back at the
// end. A pipe, a folder or a device named QtProject.conf can then never hang a file dialog.
#pragma once

#include <QString>
#include <QTemporaryDir>
#include <optional>
#include <string>

namespace kalvora {

class QtOwnSettings {
  public:
    // Copies the user's QtProject.conf (when it is a regular file; anything else is skipped
    // with one line on standard error) and redirects Qt's user settings to the copy.
    QtOwnSettings();
    QtOwnSettings(const QtOwnSettings&) = delete;
    QtOwnSettings& operator=(const QtOwnSettings&) = delete;
    // Writes the copy back when Qt changed it and the original could be read.
    ~QtOwnSettings();

    // The user's file that is mirrored.
    const QString& UserFile() const { return userFile_; }

  private:
    QTemporaryDir folder_;
    QString userFile_;
    QString copy_;
    // The original's bytes; none when it could not be read (it is then never replaced).
    std::optional<std::string> original_;
};

}  // namespace kalvora
