// The dealer's particulars on the offer, "[Offer]" of the settings file, and the small dialog
// that edits them.
#pragma once

#include <QDialog>
#include <QString>
#include <array>

#include "engine/offer/Offer.h"

class QLineEdit;

namespace kalvora {

// Reads "[Offer]" Name, Address, Telephone and Site; missing keys are empty.
OfferDealer ReadOfferDealer(const QString& iniPath);
// Writes the four keys; false when the settings file could not be written.
bool WriteOfferDealer(const OfferDealer& dealer, const QString& iniPath);

// "Реквизиты дилера": four fields, OK and Cancel. OK writes them to the settings file.
class OfferSettingsDialog : public QDialog {
    Q_OBJECT
  public:
    OfferSettingsDialog(QString iniPath, QWidget* parent = nullptr);
    OfferDealer Dealer() const;

    void accept() override;

  private:
    QString iniPath_;
    std::array<QLineEdit*, 4> fields_{};
};

}  // namespace kalvora
