// The main window's remembered state in the settings file: the ABS tick and the window
// placement, in the section "TForm1".
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace kalvora::app {

// Restores the placement of `window` (fitted to the screen; centred on it when none is stored)
// and returns the remembered ABS tick, empty when none is stored or it cannot be read.
std::optional<bool> RestoreMainWindowSettings(const QString& path, QWidget& window);
// Stores the ABS tick and the placement; false when the file could not be written.
bool StoreMainWindowSettings(const QString& path, const QWidget& window, bool absChecked);

}  // namespace kalvora::app
