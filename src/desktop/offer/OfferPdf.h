// The offer on A4 paper: page 1 holds the dealer, the car drawn as vectors, the configuration in
// words, the price and the code; with a credit, page 2 holds its figures and the payment
// schedule. The same painting serves the PDF file and the printer.
#pragma once

#include <QByteArray>
#include <QString>

#include "engine/offer/Offer.h"

class QPagedPaintDevice;

namespace kalvora::offer {

// Lays `offer` out on `device`, starting on its current (empty) page; A4 portrait is set.
// False when the device cannot be painted on.
bool PaintOffer(const Offer& offer, QPagedPaintDevice& device);

// The offer as a PDF file: fonts embedded, text selectable, `created` as its creation time, so
// that the same offer and moment give the same bytes. Empty when it could not be drawn.
QByteArray OfferPdf(const Offer& offer, const OfferDate& created);

// The window title and PDF title of an offer: "Коммерческое предложение — КОД".
QString OfferTitle(const Offer& offer);

// Sets the creation time written into a PDF that Qt made ("/CreationDate (D:...)") to `date`,
// in UTC, keeping the cross-reference table right. False when the PDF has no such entry.
bool SetPdfCreationDate(QByteArray& pdf, const OfferDate& date);

}  // namespace kalvora::offer
