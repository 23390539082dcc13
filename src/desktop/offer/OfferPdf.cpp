#include "desktop/offer/OfferPdf.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHashFunctions>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <algorithm>
#include <cstdio>

#include "KalvoraVersion.h"
#include "desktop/pictures/CarPicture.h"

namespace kalvora::offer {

namespace {

// Page geometry in millimetres.
constexpr double kPageWidth = 210;
constexpr double kPageHeight = 297;
constexpr double kLeft = 18;
constexpr double kTop = 14;
constexpr double kBottom = 14;
constexpr double kWidth = kPageWidth - 2 * kLeft;
constexpr double kCarHeight = 62;
constexpr double kFooterHeight = 8;

const QColor kNavy(0x1f, 0x3a, 0x6e);
const QColor kGrey(0x55, 0x5b, 0x66);
const QColor kRule(0xb8, 0xc2, 0xd4);
const QColor kShade(0xe8, 0xee, 0xf6);

// The fonts of Debian's fonts-dejavu-core, loaded once from their files so that every machine
// (and every fontconfig setting) draws and embeds the same ones.
struct Families {
    QString sans;
    QString mono;
};

const Families& Fonts() {
    static const Families families = [] {
        Families f{QStringLiteral("DejaVu Sans"), QStringLiteral("DejaVu Sans Mono")};
        const QString folder = QStringLiteral("/usr/share/fonts/truetype/dejavu/");
        for (const char* file : {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSansMono.ttf",
                                 "DejaVuSansMono-Bold.ttf"}) {
            QFontDatabase::addApplicationFont(folder + QLatin1String(file));
        }
        return f;
    }();
    return families;
}

QFont Font(double points, bool bold = false, bool mono = false) {
    QFont font(mono ? Fonts().mono : Fonts().sans);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setKerning(true);
    font.setStyleStrategy(QFont::PreferOutline);
    // Paper needs no hinting, and the hinting interpreter would take most of the time.
    font.setHintingPreference(QFont::PreferNoHinting);
    // Any letter spacing turns the shaper's ligatures off: "ff", "fi" and "ffi" stay letters a
    // reader can search for and copy ("official", a dealer's web address). The least spacing Qt
    // knows, 1/64 of a device pixel at 720 dots per inch, moves a line of a hundred letters by
    // less than a tenth of a millimetre.
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.0 / 64);
    return font;
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// Draws in millimetres on a device whose units are its own pixels; fonts are in points.
class Page {
  public:
    Page(QPainter& painter, QPaintDevice& device)
        : painter_(painter), device_(device), unit_(device.logicalDpiX() / 25.4) {}

    QRectF Rect(double x, double y, double w, double h) const {
        return QRectF(x * unit_, y * unit_, w * unit_, h * unit_);
    }

    // The height in millimetres `text` takes in `width` with `font`, wrapped at words.
    double Height(const QString& text, const QFont& font, double width,
                  int flags = Qt::TextWordWrap) const {
        const QFontMetricsF metrics(font, &device_);
        const QRectF r = metrics.boundingRect(Rect(0, 0, width, 1000), flags | Qt::AlignLeft, text);
        return r.height() / unit_;
    }
    double Width(const QString& text, const QFont& font) const {
        return QFontMetricsF(font, &device_).horizontalAdvance(text) / unit_;
    }

    // Writes `text` into the box and returns the height it took.
    double Text(double x, double y, double width, const QString& text, const QFont& font,
                const QColor& colour = Qt::black, int align = Qt::AlignLeft) {
        const int flags = Qt::TextWordWrap | align | Qt::AlignTop;
        const double h = Height(text, font, width);
        if (!drawing_) return h;
        painter_.setFont(font);
        painter_.setPen(colour);
        painter_.drawText(Rect(x, y, width, h + 1), flags, text);
        return h;
    }

    // While off, Text() only measures and nothing is drawn: the pages are counted first.
    void SetDrawing(bool drawing) { drawing_ = drawing; }

    void Line(double x1, double y1, double x2, double y2, const QColor& colour, double width) {
        if (!drawing_) return;
        painter_.setPen(QPen(colour, width * unit_));
        painter_.drawLine(QPointF(x1 * unit_, y1 * unit_), QPointF(x2 * unit_, y2 * unit_));
    }
    void Fill(double x, double y, double w, double h, const QColor& colour) {
        if (!drawing_) return;
        painter_.fillRect(Rect(x, y, w, h), colour);
    }

    QPainter& Painter() { return painter_; }

  private:
    QPainter& painter_;
    QPaintDevice& device_;
    double unit_;  // device pixels per millimetre
    bool drawing_ = true;
};

// The dealer on the left, the title and date on the right, a rule under both; returns the y
// below it. The title keeps to one line: the dealer's lines wrap in the room it leaves.
double Header(Page& page, const Offer& offer, double y) {
    const QString title = Q(std::string(kOfferTitle));
    const QFont titleFont = Font(12.5, true);
    const double titleWidth = std::min(page.Width(title, titleFont) + 1, kWidth / 2);
    const double dealerWidth = kWidth - titleWidth - 6;
    double left = 0;
    for (std::size_t i = 0; i < offer.dealer.size(); ++i) {
        const QFont font = i == 0 ? titleFont : Font(8.5);
        left += page.Text(kLeft, y + left, dealerWidth, Q(offer.dealer[i]), font,
                          i == 0 ? kNavy : kGrey) +
                (i == 0 ? 1.2 : 0.3);
    }
    const double titleLeft = kLeft + kWidth - titleWidth;
    double right = page.Text(titleLeft, y, titleWidth, title, titleFont, kNavy, Qt::AlignRight);
    right += 1.2 + page.Text(titleLeft, y + right + 1.2, titleWidth, Q(offer.date), Font(8.5),
                             kGrey, Qt::AlignRight);
    y += std::max(left, right) + 2.5;
    page.Line(kLeft, y, kLeft + kWidth, y, kNavy, 0.5);
    return y + 3;
}

void Footer(Page& page, const Offer& offer, int number, int count) {
    const double y = kPageHeight - kBottom - kFooterHeight + 3;
    page.Line(kLeft, y - 1.5, kLeft + kWidth, y - 1.5, kRule, 0.25);
    page.Text(kLeft, y, kWidth - 25,
              QStringLiteral("Цены в долларах США. По коду конфигурации %1 это предложение можно "
                             "восстановить в программе Kalvora.")
                  .arg(Q(offer.code)),
              Font(7), kGrey);
    page.Text(kLeft + kWidth - 25, y, 25, QStringLiteral("Стр. %1 из %2").arg(number).arg(count),
              Font(7), kGrey, Qt::AlignRight);
}

double SectionTitle(Page& page, double x, double y, double width, const QString& title) {
    const double h = page.Text(x, y, width, title, Font(10.5, true), kNavy);
    page.Line(x, y + h + 0.6, x + width, y + h + 0.6, kRule, 0.3);
    return h + 2;
}

// Label and value rows in two columns; returns the height.
double Rows(Page& page, const std::vector<OfferRow>& rows, double x, double y, double labelWidth,
            double width, double points) {
    double h = 0;
    for (const OfferRow& row : rows) {
        const double a = page.Text(x, y + h, labelWidth - 2, Q(row.label), Font(points), kGrey);
        const double b =
            page.Text(x + labelWidth, y + h, width - labelWidth, Q(row.value), Font(points));
        h += std::max(a, b) + 0.9;
    }
    return h;
}

// The price box: the parts, the total in large type, the code; returns the height.
double PriceBox(Page& page, const Offer& offer, double x, double y, double width) {
    const double top = y;
    y += SectionTitle(page, x, y, width, QStringLiteral("Цена"));
    for (const OfferRow& row : offer.prices) {
        const double h = page.Text(x, y, width - 22, Q(row.label), Font(8.5), kGrey);
        page.Text(x + width - 22, y, 22, Q(row.value), Font(8.5), Qt::black, Qt::AlignRight);
        y += h + 0.9;
    }
    page.Line(x, y + 0.5, x + width, y + 0.5, kRule, 0.3);
    y += 2;
    y += page.Text(x, y, width, QStringLiteral("Итого"), Font(9, true), kNavy);
    y += page.Text(x, y, width, Q(offer.total), Font(26, true), kNavy, Qt::AlignRight) + 1.5;
    const double boxTop = y;
    y += 1.5;
    y += page.Text(x + 2, y, width - 4, QStringLiteral("Код конфигурации"), Font(7.5), kGrey);
    y += page.Text(x + 2, y + 0.5, width - 4, Q(offer.code), Font(10.5, true, true)) + 2.5;
    page.Painter().setPen(QPen(kRule, 0.3 * page.Rect(0, 0, 1, 1).width()));
    page.Painter().setBrush(Qt::NoBrush);
    page.Painter().drawRect(page.Rect(x, boxTop, width, y - boxTop));
    return y - top;
}

struct ItemBox {
    const OfferItem* item;
    double height;
};

constexpr double kNoteWidth = 30;

// The equipment in two columns, groups in the order given, at `scale` of the normal type;
// draws only when `draw`. Returns the height.
double Equipment(Page& page, const Offer& offer, double y, double scale, bool draw) {
    const double columnGap = 8;
    const double columnWidth = (kWidth - columnGap) / 2;
    const double textWidth = columnWidth - kNoteWidth - 1.5;
    const QFont itemFont = Font(8 * scale);
    const QFont noteFont = Font(7.5 * scale);
    const QFont groupFont = Font(8.5 * scale, true);
    const double gap = 0.7 * scale;
    const double top = y;
    if (draw) {
        y += SectionTitle(page, kLeft, y, kWidth, QStringLiteral("Оборудование"));
    } else {
        y += page.Height(QStringLiteral("Оборудование"), Font(10.5, true), kWidth) + 2;
    }
    if (offer.equipment.empty()) {
        y += page.Text(kLeft, y, kWidth, QStringLiteral("Опции не заказаны."), itemFont, kGrey);
    }
    for (const OfferGroup& group : offer.equipment) {
        const double titleHeight = page.Height(Q(group.title), groupFont, kWidth) + 0.8 * scale;
        if (draw) page.Text(kLeft, y, kWidth, Q(group.title), groupFont, kNavy);
        y += titleHeight;
        std::vector<ItemBox> boxes;
        double sum = 0;
        for (const OfferItem& item : group.items) {
            // A long note ("в пакете «Улучшенной обзорности-1»") wraps under itself.
            const double h =
                std::max(page.Height(Q(item.text), itemFont, textWidth),
                         page.Height(Q(item.note), noteFont, kNoteWidth) + 0.15 * scale) +
                gap;
            boxes.push_back({&item, h});
            sum += h;
        }
        // The first column takes items until it holds at least half of the height.
        std::size_t split = 0;
        double left = 0;
        while (split < boxes.size() && left < sum / 2) left += boxes[split++].height;
        double right = sum - left;
        if (split > 0 && right + boxes[split - 1].height < left) {
            --split;
            left -= boxes[split].height;
            right += boxes[split].height;
        }
        if (draw) {
            double columnY = y;
            for (std::size_t i = 0; i < boxes.size(); ++i) {
                if (i == split) columnY = y;
                const double x = i < split ? kLeft : kLeft + columnWidth + columnGap;
                const OfferItem& item = *boxes[i].item;
                page.Text(x, columnY, textWidth, Q(item.text), itemFont);
                const bool paid = !item.note.empty() && item.note[0] == '$';
                page.Text(x + columnWidth - kNoteWidth, columnY + 0.15 * scale, kNoteWidth,
                          Q(item.note), noteFont, paid ? Qt::black : kGrey, Qt::AlignRight);
                columnY += boxes[i].height;
            }
        }
        y += std::max(left, right) + 1.5 * scale;
    }
    return y - top;
}

void FirstPage(Page& page, const Offer& offer, int pageCount) {
    double y = Header(page, offer, kTop);
    y += page.Text(kLeft, y, kWidth, Q(offer.heading), Font(16, true)) + 1;
    pictures::PaintCar(page.Painter(), offer.look, page.Rect(kLeft, y, kWidth, kCarHeight));
    y += kCarHeight + 2;

    const double priceWidth = 66;
    const double carWidth = kWidth - priceWidth - 10;
    double left = SectionTitle(page, kLeft, y, carWidth, QStringLiteral("Автомобиль"));
    left += Rows(page, offer.car, kLeft, y + left, 40, carWidth, 8.5);
    const double right = PriceBox(page, offer, kLeft + kWidth - priceWidth, y, priceWidth);
    y += std::max(left, right) + 5;

    // The equipment is set smaller when a long list would run into the footer.
    const double room = kPageHeight - kBottom - kFooterHeight - y;
    double scale = 1;
    while (scale > 0.6 && Equipment(page, offer, y, scale, false) > room) scale -= 0.05;
    Equipment(page, offer, y, scale, true);
    Footer(page, offer, 1, pageCount);
}

constexpr std::array<double, 6> kScheduleColumns = {16, 30, 30, 34, 30, 34};
constexpr double kRowHeight = 4.4;

double ScheduleRow(Page& page, const std::array<std::string, 6>& cells, double y, bool header) {
    double x = kLeft;
    const QFont font = Font(8, header);
    if (header) page.Fill(kLeft, y - 0.4, kWidth, kRowHeight, kShade);
    for (std::size_t c = 0; c < cells.size(); ++c) {
        page.Text(x + 1, y + 0.3, kScheduleColumns[c] - 3, Q(cells[c]), font,
                  header ? kNavy : Qt::black, c == 0 ? Qt::AlignHCenter : Qt::AlignRight);
        x += kScheduleColumns[c];
    }
    return kRowHeight;
}

// How many schedule rows fit from `y` to the footer.
int RowsThatFit(double y) {
    return static_cast<int>((kPageHeight - kBottom - kFooterHeight - 2 - y) / kRowHeight) - 1;
}

constexpr double kCreditTop = kTop;
double CreditHeader(Page& page, const Offer& offer) {
    double y = Header(page, offer, kCreditTop);
    y += page.Text(kLeft, y, kWidth, Q(offer.heading) + QStringLiteral(" — ") + Q(offer.total),
                   Font(12, true)) +
         2;
    return y;
}

double CreditSummary(Page& page, const OfferCredit& credit, double y) {
    y += SectionTitle(page, kLeft, y, kWidth, QStringLiteral("Кредит"));
    // The payments in runs stay together in one column.
    std::size_t half = (credit.summary.size() + 1) / 2;
    auto payment = [&](std::size_t i) { return credit.summary[i].label.rfind("Платёж, ", 0) == 0; };
    while (half > 1 && half < credit.summary.size() && payment(half - 1) && payment(half)) --half;
    const std::vector<OfferRow> first(credit.summary.begin(), credit.summary.begin() + half);
    const std::vector<OfferRow> second(credit.summary.begin() + half, credit.summary.end());
    const double columnWidth = (kWidth - 8) / 2;
    const double a = Rows(page, first, kLeft, y, 47, columnWidth, 8.5);
    const double b = Rows(page, second, kLeft + columnWidth + 8, y, 47, columnWidth, 8.5);
    return y + std::max(a, b) + 5;
}

// Where the schedule's first page starts: below the summary, measured as it is laid out (the
// page is measuring, not drawing, while the pages are counted).
double ScheduleStart(Page& page, const Offer& offer) {
    double y = CreditSummary(page, *offer.credit, CreditHeader(page, offer));
    return y + SectionTitle(page, kLeft, y, kWidth, QStringLiteral("График платежей"));
}

int SchedulePages(Page& page, const Offer& offer) {
    if (!offer.credit) return 0;
    int rows =
        static_cast<int>(offer.credit->schedule.size()) + (offer.credit->note.empty() ? 0 : 2);
    int pages = 1;
    rows -= RowsThatFit(ScheduleStart(page, offer));
    const double later = Header(page, offer, kTop);
    while (rows > 0) {
        ++pages;
        rows -= RowsThatFit(later);
    }
    return pages;
}

void CreditPages(QPagedPaintDevice& device, Page& page, const Offer& offer, int pageCount) {
    const OfferCredit& credit = *offer.credit;
    std::size_t next = 0;
    for (int number = 2; number <= pageCount; ++number) {
        device.newPage();
        double y;
        if (number == 2) {
            y = CreditHeader(page, offer);
            y = CreditSummary(page, credit, y);
            y += SectionTitle(page, kLeft, y, kWidth, QStringLiteral("График платежей"));
        } else {
            y = Header(page, offer, kTop);
        }
        const int fit = RowsThatFit(y);
        y += ScheduleRow(page, credit.header, y, true);
        int used = 0;
        for (; used < fit && next < credit.schedule.size(); ++used) {
            y += ScheduleRow(page, credit.schedule[next++], y, false);
        }
        // The note takes the room of two rows after the last one.
        if (!credit.note.empty() && next == credit.schedule.size() && used + 2 <= fit) {
            page.Text(kLeft, y + 1.5, kWidth, Q(credit.note), Font(7), kGrey);
            next = credit.schedule.size() + 1;
        }
        Footer(page, offer, number, pageCount);
    }
}

}  // namespace

QString OfferTitle(const Offer& offer) {
    return Q(std::string(kOfferTitle)) + QStringLiteral(" — ") + Q(offer.code);
}

bool PaintOffer(const Offer& offer, QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // A printer may keep margins of its own: the page is laid out from the paper's corner.
    const QRectF paper = device.pageLayout().fullRectPixels(device.logicalDpiX());
    const QRectF printable = device.pageLayout().paintRectPixels(device.logicalDpiX());
    painter.translate(paper.topLeft() - printable.topLeft());
    Page page(painter, device);
    page.SetDrawing(false);
    const int pageCount = 1 + SchedulePages(page, offer);
    page.SetDrawing(true);
    FirstPage(page, offer, pageCount);
    if (offer.credit) CreditPages(device, page, offer, pageCount);
    return painter.end();
}

QByteArray OfferPdf(const Offer& offer, const OfferDate& created) {
    QByteArray pdf;
    {
        // Qt writes the fonts in the order of a hash table; with the process's random seed
        // two runs would order them differently.
        struct DeterministicHashes {
            DeterministicHashes() { QHashSeed::setDeterministicGlobalSeed(); }
            ~DeterministicHashes() { QHashSeed::resetRandomGlobalSeed(); }
        } deterministic;
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(720);
        writer.setTitle(OfferTitle(offer));
        writer.setCreator(QStringLiteral("Kalvora " KALVORA_VERSION));
        if (!PaintOffer(offer, writer)) return {};
    }
    if (!SetPdfCreationDate(pdf, created)) return {};
    return pdf;
}

bool SetPdfCreationDate(QByteArray& pdf, const OfferDate& date) {
    static const QByteArray key = "/CreationDate (";
    const qsizetype start = pdf.indexOf(key);
    if (start < 0) return false;
    const qsizetype valueStart = start + key.size();
    const qsizetype valueEnd = pdf.indexOf(')', valueStart);
    if (valueEnd < 0) return false;
    char value[32];
    std::snprintf(value, sizeof value, "D:%04d%02d%02d%02d%02d%02dZ", date.year, date.month,
                  date.day, date.hour, date.minute, date.second);
    const QByteArray replacement(value);
    const qsizetype shift = replacement.size() - (valueEnd - valueStart);
    pdf.replace(valueStart, valueEnd - valueStart, replacement);
    if (shift == 0) return true;

    // Objects after the date moved by `shift`: so do their entries in the cross-reference
    // table (ten digits each, so the table keeps its length) and its own offset.
    const qsizetype xref = pdf.lastIndexOf("\nxref\n");
    const qsizetype startxref = pdf.lastIndexOf("startxref\n");
    if (xref < 0 || startxref < xref) return false;
    static const QRegularExpression entry(QStringLiteral("(\\d{10}) (\\d{5}) n"));
    const QString table = QString::fromLatin1(pdf.mid(xref, startxref - xref));
    auto it = entry.globalMatch(table);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const qlonglong offset = m.captured(1).toLongLong();
        if (offset <= start) continue;
        const QByteArray moved = QByteArray::number(offset + shift).rightJustified(10, '0');
        pdf.replace(xref + m.capturedStart(1), 10, moved);
    }
    const qsizetype numberStart = startxref + 10;
    qsizetype numberEnd = numberStart;
    while (numberEnd < pdf.size() && pdf[numberEnd] >= '0' && pdf[numberEnd] <= '9') ++numberEnd;
    const qlonglong old = pdf.mid(numberStart, numberEnd - numberStart).toLongLong();
    pdf.replace(numberStart, numberEnd - numberStart, QByteArray::number(old + shift));
    return true;
}

}  // namespace kalvora::offer
