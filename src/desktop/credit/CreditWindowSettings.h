// The credit window's remembered state in the settings file: the exchange rates, the converter
// fields and the window placement, in the section "TKreditForm".
#pragma once

#include <QString>

#include "desktop/settings/WindowSettings.h"

class QWidget;

namespace kalvora {

class CreditCalculator;

// Restores the remembered field texts into the calculator (the rates take effect at once) and
// the placement of `window`. Missing keys, and texts that are no finite number ("nan", "inf",
// words), leave the current values.
void ReadCreditWindowSettings(CreditCalculator& calculator, QWidget& window,
                              const QString& path = SettingsFilePath());
// Stores the field texts and the placement of `window`.
void WriteCreditWindowSettings(const CreditCalculator& calculator, const QWidget& window,
                               const QString& path = SettingsFilePath());

}  // namespace kalvora
