// The settings file and the windows' remembered placement, shared by every window: one path,
// one way to read and write a section, one rule for fitting a remembered place to the screen.
#pragma once

#include <QColor>
#include <QMap>
#include <QRect>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>
#include <cstdint>
#include <optional>
#include <string>

class QWidget;

namespace kalvora {

// kalvora.INI in the user's settings folder: $XDG_CONFIG_HOME, or ~/.config when that is not
// set (or not an absolute path).
QString SettingsFilePath();

// A colour given as 0xRRGGBB.
inline QColor ToColor(std::uint32_t rgb) {
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// "left,top,right,bottom", as the placement keys hold a rectangle.
QString RectText(const QRect& r);
// The rectangle of such a text; empty for anything else, including coordinates beyond
// ±100000 pixels and rectangles without area.
std::optional<QRect> ParseRect(const QString& text);

// `wanted` moved and shrunk so that it lies within `available`, but never smaller than
// `minimum` (itself at most the available size).
QRect FitToScreen(const QRect& wanted, const QRect& available, const QSize& minimum);

// Qt's settings reader working on a copy of a settings file in a private folder of the
// program's own, so that Qt never opens the user's file or a lock file beside it: the file is
// read and written through the program's file module (DiskFiles.h).
class PrivateSettingsCopy {
  public:
    explicit PrivateSettingsCopy(const std::string& bytes);
    // The copy's path; empty when it could not be made.
    const QString& Path() const { return path_; }
    // The copy's bytes as they are now.
    std::optional<std::string> Bytes() const;

  private:
    QTemporaryDir folder_;
    QString path_;
};

// One section of the settings file ("TForm1", "TZakazForm", "TKreditForm", "Files", "About"),
// read when it is made and written by Write().
//
// The file is read only when it is a regular file of at most 1 MB: a pipe there would block the
// program before its first frame. It is written only over a regular file (a link to one is
// written through) or created new, as a whole through a temporary file; a link to anything
// else, a device, a pipe or a folder is left alone, the settings are not written, and stderr
// says so once. The lock file beside it ("kalvora.INI.lock") is waited for two seconds at most
// and never opened unless it is a regular file.
class WindowSettings {
  public:
    explicit WindowSettings(QString section, QString path = SettingsFilePath());

    // The stored text of a key (a value written unquoted with commas comes back joined).
    std::optional<QString> Text(const QString& key) const;
    // "True" or "False", in any letter case; anything else is no tick.
    std::optional<bool> Tick(const QString& key) const;
    // The window's state may be restored: "FormVersion" is missing or 0 or more.
    bool StateRestorable() const;

    void SetValue(const QString& key, const QVariant& value);
    void SetTick(const QString& key, bool value);
    // The key goes from the section when Write() is called.
    void Remove(const QString& key);
    // Writes the values set since this section was read. False when nothing could be written.
    bool Write();

    // Places `window` where it was: the stored normal rectangle, fitted to the screen it is on
    // (or the primary screen), and maximised when it was. False when no placement is stored.
    bool RestorePlacement(QWidget& window) const;
    // Sets the placement keys for `window`. A size the program had to shrink to fit a small
    // screen is stored as the size the user chose, so a larger screen gets it back.
    void StorePlacement(const QWidget& window);

  private:
    QString section_;
    QString path_;
    QMap<QString, QVariant> stored_;
    QMap<QString, QVariant> pending_;
};

}  // namespace kalvora
