// The main window's remembered state in the INI file: the ABS tick and the window placement.
#pragma once

#include <QRect>
#include <QString>
#include <optional>

namespace kalvora::app {

struct FormSettings {
    std::optional<bool> absChecked;  // empty when not stored or unreadable
    std::optional<QRect> normalGeometry;
    bool maximized = false;
};

// $XDG_CONFIG_HOME/kalvora.INI (the usual place for a user's settings files).
QString SettingsFilePath();

// Section "TForm1". A missing or damaged file, or a value that cannot be read, leaves the
// corresponding field empty.
FormSettings ReadFormSettings(const QString& path);
// Returns false when the file could not be written.
bool WriteFormSettings(const QString& path, const FormSettings& settings, int pixelsPerInch);

}  // namespace kalvora::app
