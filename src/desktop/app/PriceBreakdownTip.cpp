#include "desktop/app/PriceBreakdownTip.h"

#include "engine/documents/PriceBreakdown.h"

namespace kalvora::app {

namespace {

QString Dollars(std::int64_t amount) {
    return QStringLiteral("$") + QString::number(amount);
}

QString Row(const QString& what, const QString& amount, bool bold = false, bool indent = false) {
    const QString weight = bold ? QStringLiteral(" style=\"font-weight:bold\"") : QString();
    const QString pad = indent ? QStringLiteral(" style=\"padding-left:14px\"") : QString();
    return QStringLiteral("<tr><td%1%3>%2</td><td align=\"right\"%3>&nbsp;&nbsp;%4</td></tr>")
        .arg(pad, what.toHtmlEscaped(), weight, amount);
}

}  // namespace

QString PriceBreakdownTip(const Configuration& config) {
    const std::optional<PriceBreakdown> b = BreakDownPrice(config);
    if (!b) return QString();
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\">");
    html += Row(QStringLiteral("Базовая цена (%1)").arg(QString::fromStdString(b->trim)),
                Dollars(b->basePrice));
    html += Row(QStringLiteral("Направляющие багажника"), Dollars(b->railsPrice));
    html += Row(QStringLiteral("Металлик"), Dollars(b->metallic));
    html +=
        Row(QStringLiteral("Платные опции (%1)").arg(b->paidOptionCount), Dollars(b->paidOptions));
    std::int64_t shown = 0;
    for (const PriceBreakdown::Item& item : b->largest) {
        html += Row(QString::fromStdString(item.name), Dollars(item.price), false, true);
        shown += item.price;
    }
    if (b->paidOptionCount > b->largest.size()) {
        html += Row(QStringLiteral("и ещё %1").arg(b->paidOptionCount - b->largest.size()),
                    Dollars(b->paidOptions - shown), false, true);
    }
    html += Row(QStringLiteral("Итого"), Dollars(b->total), true);
    html += QStringLiteral("</table><p style=\"margin-top:4px\">%1 + %2 + %3 + %4 = %5</p>")
                .arg(Dollars(b->basePrice), Dollars(b->railsPrice), Dollars(b->metallic),
                     Dollars(b->paidOptions), Dollars(b->total));
    return html;
}

}  // namespace kalvora::app
