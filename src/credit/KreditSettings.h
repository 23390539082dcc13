// The credit window's remembered state in the settings file: the exchange rates, the converter
// fields and the window placement, in the section "TKreditForm".
#pragma once

#include <QSettings>
#include <QString>

class QWidget;

namespace kalvora {

class CreditCalculator;

// The per-user settings file, kalvora.INI in the usual folder for settings
// ($XDG_CONFIG_HOME, else ~/.config).
QString KalvoraSettingsPath();

// Restores the remembered field texts into the calculator (the rates take effect at once) and
// the placement of `window`. Missing keys leave the current values.
void ReadKreditSettings(QSettings& settings, CreditCalculator& calculator, QWidget& window);
// Stores the field texts and the placement of `window`.
void WriteKreditSettings(QSettings& settings, const CreditCalculator& calculator,
                         const QWidget& window);

}  // namespace kalvora
