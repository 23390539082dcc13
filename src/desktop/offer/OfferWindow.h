// "Предложение": the print preview of the offer letter, with "Сохранить PDF...", "Печать...",
// the dealer's particulars and "Расчёт кредита", which puts the credit page in or takes it out.
// The offer is made again each time the window is asked for, from the configuration as it
// stands.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "engine/offer/Offer.h"

class QCheckBox;
class QPrinter;
class QPrintPreviewWidget;

namespace kalvora {

class OfferWindow : public QDialog {
    Q_OBJECT
  public:
    // `source` makes the offer for a dealer and a date, with or without the credit page, or
    // nothing when the configuration has no price.
    using Source = std::function<std::optional<Offer>(const OfferDealer& dealer,
                                                      const OfferDate& date, bool withCredit)>;
    // `iniPath` gives the settings file that holds the dealer, asked each time it is read;
    // `creditOpened` whether the buyer has looked at the credit: the first offer shown after
    // that has "Расчёт кредита" ticked.
    OfferWindow(Source source, std::function<QString()> iniPath, std::function<bool()> creditOpened,
                QWidget* parent = nullptr);
    ~OfferWindow() override;

    // The moment an offer made now carries: SOURCE_DATE_EPOCH when it is set, else the clock.
    static OfferDate Now();
    // The date the offers are made with; Now() unless set (the tests fix it).
    void SetDate(std::optional<OfferDate> date) { date_ = date; }

    // The offer shown now; empty before the first ShowOffer.
    const std::optional<Offer>& CurrentOffer() const { return offer_; }
    // Where "Сохранить PDF..." asks for the file; a Qt file dialog unless replaced (tests).
    void SetFileChooser(std::function<QString(const QString& suggested)> chooser) {
        chooseFile_ = std::move(chooser);
    }

    // Where "Сохранить PDF..." starts and what it suggests: the folder of the main window's file
    // dialogs and the configuration file open now (empty when none). A PDF saved once sets the
    // folder for the next.
    void SetFileContext(std::function<QString()> folder, std::function<QString()> documentPath) {
        folder_ = std::move(folder);
        documentPath_ = std::move(documentPath);
    }
    // The path "Сохранить PDF..." suggests.
    QString SuggestedPdfPath() const;

  public slots:
    // "Предложение..." in the main window: the offer of the configuration now, shown.
    void ShowOffer();
    // "Сохранить PDF...": the file name asked for, the PDF written; a message when it fails.
    void SavePdf();
    // Writes the PDF to `path` through the program's file writer; the message on failure.
    std::optional<QString> WritePdf(const QString& path);
    void Print();
    // "Реквизиты дилера...": the dialog, then the offer again with what it kept.
    void EditDealer();

  private:
    bool Rebuild();

    Source source_;
    std::function<QString()> iniPath_;
    std::function<bool()> creditOpened_;
    bool creditSeen_ = false;  // the credit had been opened when the offer was last shown
    QCheckBox* withCredit_ = nullptr;
    std::optional<OfferDate> date_;
    std::optional<Offer> offer_;
    OfferDate madeAt_;
    std::unique_ptr<QPrinter> printer_;
    QPrintPreviewWidget* preview_ = nullptr;
    std::function<QString(const QString&)> chooseFile_;
    std::function<QString()> folder_;
    std::function<QString()> documentPath_;
    QString pdfFolder_;  // where the last PDF was saved
};

}  // namespace kalvora
