#include "desktop/credit/CreditWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDrag>
#include <QDropEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QStyleOptionButton>
#include <QTableWidget>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "desktop/credit/CreditWindowSettings.h"
#include "desktop/credit/CreditWindowTexts.h"
#include "desktop/credit/DeskCalculatorDialog.h"

namespace kalvora {

namespace {

using namespace credit_texts;

constexpr std::array<int, kScheduleColumns> kColumnWidths = {40, 60, 70, 60, 70, 73};
constexpr int kRowHeight = 15;

// Texts keep the program's CR LF line breaks; Qt breaks lines at LF alone.
QString Screen(const char* text) {
    return QString::fromUtf8(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString Screen(const std::string& text) {
    return QString::fromStdString(text);
}

char SystemDecimalSeparator() {
    const QString point = QLocale().decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 0x80) return point.at(0).toLatin1();
    return ',';
}

// The first run of three or more blanks in a caption, where a field sits on top of the text.
std::pair<int, int> BlankGap(const QString& caption) {
    const int start = caption.indexOf(QStringLiteral("   "));
    if (start < 0) return {caption.size(), 0};
    int end = start;
    while (end < caption.size() && caption.at(end) == QLatin1Char(' ')) ++end;
    return {start, end - start};
}

// A text with a field in its run of blanks: the text spans the grid's two columns, the field
// sits in the second, which begins where the blanks do. The field lies over the text.
QGridLayout* TextWithField(QWidget* text, int gapStart, QLineEdit* edit, int width) {
    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->setColumnMinimumWidth(0, gapStart);
    grid->addWidget(text, 0, 0, 1, 2, Qt::AlignLeft | Qt::AlignVCenter);
    edit->setFixedWidth(width);
    grid->addWidget(edit, 0, 1, Qt::AlignLeft | Qt::AlignVCenter);
    edit->setParent(text->parentWidget());
    edit->raise();
    return grid;
}

// A caption whose run of blanks holds `edit`, as the field sits in the gap of its label.
QGridLayout* CaptionWithField(const QString& caption, QLineEdit* edit, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    const QFontMetrics metrics(label->font());
    const auto [start, length] = BlankGap(caption);
    const int x = metrics.horizontalAdvance(caption.left(start)) + 2;
    const int width = std::max(24, metrics.horizontalAdvance(caption.mid(start, length)) - 4);
    return TextWithField(label, x, edit, width);
}

QPixmap CalculatorPicture() {
    QPixmap picture(20, 20);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setPen(QColor(60, 60, 60));
    p.setBrush(QColor(220, 220, 210));
    p.drawRoundedRect(2, 0, 15, 19, 2, 2);
    p.setBrush(QColor(170, 200, 160));
    p.drawRect(4, 2, 11, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 70, 70));
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 3; ++c) p.drawRect(4 + c * 4, 8 + r * 3, 3, 2);
    }
    return picture;
}

}  // namespace

CreditWindow::CreditWindow(QWidget* parent)
    : QDialog(parent), calculator_(SystemDecimalSeparator()) {
    setObjectName(QStringLiteral("KreditForm"));
    setWindowTitle(QString::fromUtf8(kCaption));
    // Everything scrolls in a window smaller than the figures need (a small screen, a large
    // scale factor). The area is in place before the panels are built, so the fields keep
    // the Tab order they are created in.
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("CreditScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);
    outer->addWidget(scroll);
    auto* content = new QWidget(scroll);
    scroll->setWidget(content);
    auto* layout = new QHBoxLayout(content);
    layout->addWidget(BuildLeftPanel());
    layout->addWidget(BuildRightPanel(), 1);

    for (const Tip& tip : kTips) Field(tip.field)->setToolTip(Screen(tip.text));
    Box(B::RepayEarly)->setToolTip(Screen(kEarlyTip));
    for (const FieldName& name : kFieldNames) {
        Field(name.field)->setAccessibleName(Screen(name.name));
    }
    for (const BoxName& name : kBoxNames) Box(name.box)->setAccessibleName(Screen(name.name));
    resize(1060, 740);
    Refresh();
}

// --- Building the panels ------------------------------------------------------------------

QLineEdit* CreditWindow::MakeField(CreditField field, int width) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(CreditFieldName(field)));
    edit->setFixedWidth(width);
    edit->setAutoFillBackground(true);
    const bool computed = IsComputedField(field);
    edit->setReadOnly(computed);
    // Figures the program computes sit flat on their tint, in navy; the fields a user types
    // into keep their sunken frame and black text.
    if (computed) edit->setFrame(false);
    fields_[static_cast<int>(field)] = edit;
    fieldOfWidget_.insert(edit, static_cast<int>(field));
    if (!computed) {
        connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) {
            calculator_.Type(field, text.toStdString());
            Refresh();
        });
    }
    if (field == F::FirstPayment || IsConverterField(field) || IsDraggableField(field) ||
        field == F::Dollars) {
        edit->installEventFilter(this);
    }
    if (field == F::Dollars) edit->setAcceptDrops(true);
    return edit;
}

QCheckBox* CreditWindow::MakeBox(CreditBox box, const QString& caption) {
    auto* check = new QCheckBox(caption, this);
    check->setObjectName(QString::fromLatin1(CreditBoxName(box)));
    boxes_[static_cast<int>(box)] = check;
    connect(check, &QCheckBox::clicked, this, [this, box](bool checked) {
        calculator_.SetChecked(box, checked);
        Refresh();
    });
    return check;
}

void CreditWindow::AddInsurance(QWidget* panel, QVBoxLayout* column) {
    // Two groups of premium rates, one row per year: rate, then the premium it gives.
    const std::array<std::array<F, 3>, 2> rates = {
        {{F::KaskoCreditRate1, F::KaskoCreditRate2, F::KaskoCreditRate3},
         {F::KaskoPlainRate1, F::KaskoPlainRate2, F::KaskoPlainRate3}}};
    const std::array<std::array<F, 3>, 2> premiums = {
        {{F::KaskoCredit1, F::KaskoCredit2, F::KaskoCredit3},
         {F::KaskoPlain1, F::KaskoPlain2, F::KaskoPlain3}}};
    const char* const groupTitles[2] = {kKaskoCreditGroup, kKaskoPlainGroup};
    auto* groups = new QHBoxLayout;
    for (int g = 0; g < 2; ++g) {
        auto* group = new QGroupBox(Screen(groupTitles[g]), panel);
        auto* grid = new QGridLayout(group);
        grid->setVerticalSpacing(2);
        for (int year = 0; year < 3; ++year) {
            grid->addWidget(new QLabel(Screen(kYearRows[year]), group), year, 0);
            grid->addWidget(MakeField(rates[g][year], 40), year, 1);
            grid->addWidget(new QLabel(Screen(kPremiumCaption), group), year, 2);
            grid->addWidget(MakeField(premiums[g][year], 80), year, 3);
        }
        groups->addWidget(group);
    }
    column->addLayout(groups);
    column->addWidget(MakeBox(B::KaskoAfterDiscount, Screen(kKaskoAfterDiscountCaption)));

    auto* years = new QGroupBox(Screen(kYearsGroup), panel);
    auto* yearRow = new QHBoxLayout(years);
    const B yearBoxes[3] = {B::KaskoYear1, B::KaskoYear2, B::KaskoYear3};
    for (int year = 0; year < 3; ++year) {
        yearRow->addWidget(MakeBox(yearBoxes[year], Screen(kYearBoxes[year])));
    }
    yearRow->addStretch();
    column->addWidget(years);
}

QGridLayout* CreditWindow::BuildLoanGrid(QWidget* panel) {
    // The promotional and the real loan side by side, the term, the payment and the discount.
    auto* loan = new QGridLayout;
    loan->setVerticalSpacing(2);
    loan->addWidget(new QLabel(Screen(kPromoColumn), panel), 0, 1);
    loan->addWidget(new QLabel(Screen(kRealColumn), panel), 0, 2);
    loan->addWidget(new QLabel(Screen(kRateCaption), panel), 1, 0);
    loan->addWidget(MakeField(F::RatePromo, 90), 1, 1);
    loan->addWidget(MakeField(F::RateReal, 90), 1, 2);
    loan->addWidget(new QLabel(Screen(kSumCaption), panel), 2, 0);
    loan->addWidget(MakeField(F::PromoLoan, 90), 2, 1);
    loan->addWidget(MakeField(F::RealLoan, 90), 2, 2);
    loan->addWidget(new QLabel(Screen(kTermCaption), panel), 3, 0);
    loan->addWidget(MakeField(F::Term, 90), 3, 1);
    loan->addWidget(new QLabel(Screen(kMonthlyCaption), panel), 4, 0);
    loan->addWidget(MakeField(F::MonthlyPayment, 90), 4, 1);
    discountLabel_ = new QLabel(Screen(kDiscountCaption), panel);
    discountLabel_->setObjectName(QStringLiteral("Label19"));
    loan->addWidget(discountLabel_, 5, 0);
    loan->addWidget(MakeField(F::Discount, 90), 5, 1);
    loan->setColumnStretch(3, 1);
    return loan;
}

QHBoxLayout* CreditWindow::BuildEarlyRepaymentRow(QWidget* panel) {
    // The early-repayment box: the months before the repayment sit in the blank gap of its
    // caption.
    auto* earlyRow = new QHBoxLayout;
    QCheckBox* early = MakeBox(B::RepayEarly, Screen(kEarlyCaption));
    QLineEdit* repayAfter = MakeField(F::RepayAfter, 30);
    {
        QStyleOptionButton option;
        option.initFrom(early);
        option.text = early->text();
        const int textLeft =
            early->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, early).left();
        const QFontMetrics metrics(early->font());
        const auto [start, length] = BlankGap(early->text());
        const int x = textLeft + metrics.horizontalAdvance(early->text().left(start)) + 2;
        const int width =
            std::max(24, metrics.horizontalAdvance(early->text().mid(start, length)) - 4);
        earlyRow->addLayout(TextWithField(early, x, repayAfter, width));
    }
    earlyRow->addWidget(MakeField(F::RepayBy, 40));
    earlyRow->addWidget(new QLabel(Screen(kMonthWord), panel));
    earlyRow->addStretch();
    return earlyRow;
}

QWidget* CreditWindow::BuildLeftPanel() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);

    auto* priceRow = new QHBoxLayout;
    priceRow->addWidget(new QLabel(Screen(kPriceCaption), panel));
    priceRow->addWidget(MakeField(F::Price, 100));
    priceRow->addStretch();
    column->addLayout(priceRow);

    AddInsurance(panel, column);

    auto* firstRow = new QHBoxLayout;
    firstRow->addLayout(
        CaptionWithField(Screen(kFirstPaymentCaption), MakeField(F::FirstPercent, 40), panel));
    firstRow->addWidget(MakeField(F::FirstPayment, 90));
    firstRow->addStretch();
    column->addLayout(firstRow);

    column->addWidget(new QLabel(Screen(kCreditSumCaption), panel));
    auto* sumRow = new QHBoxLayout;
    creditSumFormula_ = new QLabel(panel);
    creditSumFormula_->setObjectName(QStringLiteral("Label20"));
    creditSumFormula_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    sumRow->addWidget(creditSumFormula_, 1);
    sumRow->addWidget(MakeField(F::CreditSum, 90));
    column->addLayout(sumRow);

    column->addLayout(BuildLoanGrid(panel));
    column->addWidget(MakeBox(B::FixedDiscount, Screen(kFixCaption)));

    column->addLayout(BuildEarlyRepaymentRow(panel));

    auto* totals = new QGridLayout;
    totals->setVerticalSpacing(2);
    totals->addWidget(new QLabel(Screen(kBankTotalCaption), panel), 0, 0);
    totals->addWidget(MakeField(F::BankTotal, 90), 0, 1);
    totals->addWidget(new QLabel(Screen(kLossesCaption), panel), 1, 0);
    totals->addWidget(MakeField(F::Losses, 90), 1, 1);
    totals->addWidget(new QLabel(Screen(kPaidTotalCaption), panel), 2, 0);
    totals->addWidget(MakeField(F::PaidTotal, 90), 2, 1);
    totals->setColumnStretch(2, 1);
    column->addLayout(totals);

    column->addWidget(new QLabel(Screen(kNote1), panel));
    column->addWidget(new QLabel(Screen(kNote2), panel));
    column->addStretch();
    return panel;
}

QWidget* CreditWindow::BuildRightPanel() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);

    auto* rates = new QGroupBox(Screen(kRatesGroup), panel);
    auto* ratesColumn = new QVBoxLayout(rates);
    auto* rateRow = new QHBoxLayout;
    rateRow->addLayout(CaptionWithField(Screen(kUsdCaption), MakeField(F::UsdRate, 60), rates));
    rateRow->addSpacing(16);
    rateRow->addLayout(CaptionWithField(Screen(kEurCaption), MakeField(F::EurRate, 60), rates));
    rateRow->addStretch();
    ratesColumn->addLayout(rateRow);

    newsButton_ =
        new QPushButton(Screen(kNewsButtonCaption) + QString::fromLatin1(kNewsHost), rates);
    newsButton_->setObjectName(QStringLiteral("Button2"));
    newsButton_->setAutoDefault(false);
    connect(newsButton_, &QPushButton::clicked, this, &CreditWindow::OpenNewsSite);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(newsButton_);
    buttonRow->addStretch();
    ratesColumn->addLayout(buttonRow);

    auto* converter = new QHBoxLayout;
    converter->addWidget(new QLabel(QStringLiteral("$: "), rates));
    converter->addWidget(MakeField(F::Dollars, 80));
    converter->addWidget(new QLabel(QStringLiteral("руб: "), rates));
    converter->addWidget(MakeField(F::Roubles, 80));
    converter->addWidget(new QLabel(QStringLiteral("eur: "), rates));
    converter->addWidget(MakeField(F::Euros, 80));
    deskCalculatorButton_ = new QToolButton(rates);
    deskCalculatorButton_->setObjectName(QStringLiteral("SpeedButton1"));
    deskCalculatorButton_->setIcon(QIcon(CalculatorPicture()));
    deskCalculatorButton_->setToolTip(QStringLiteral("Калькулятор"));
    deskCalculatorButton_->setAccessibleName(QStringLiteral("Калькулятор"));
    connect(deskCalculatorButton_, &QToolButton::clicked, this, &CreditWindow::OpenDeskCalculator);
    converter->addWidget(deskCalculatorButton_);
    converter->addStretch();
    ratesColumn->addLayout(converter);
    column->addWidget(rates);

    grid_ = new QTableWidget(panel);
    grid_->setObjectName(QStringLiteral("G"));
    grid_->setAccessibleName(QStringLiteral("График платежей"));
    grid_->setColumnCount(kScheduleColumns);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid_->verticalHeader()->setVisible(false);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setDefaultSectionSize(kRowHeight);
    grid_->verticalHeader()->setMinimumSectionSize(kRowHeight);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->horizontalHeader()->setSectionsClickable(false);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tahoma where it is installed, else a font of the same widths.
    QFont gridFont;
    gridFont.setFamilies(
        {QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    gridFont.setPixelSize(11);
    grid_->setFont(gridFont);
    grid_->horizontalHeader()->setFont(gridFont);
    // A column is as wide as the program lays it out, or as its header needs in this font.
    const QFontMetrics headerMetrics(gridFont);
    int gridWidth = grid_->frameWidth() * 2 + 20;
    for (int c = 0; c < kScheduleColumns; ++c) {
        const QString header = Screen(calculator_.Grid().front()[c]);
        const int width = std::max(kColumnWidths[c], headerMetrics.horizontalAdvance(header) + 12);
        grid_->setColumnWidth(c, width);
        gridWidth += width;
    }
    grid_->setFixedWidth(gridWidth);
    column->addWidget(grid_, 1);
    return panel;
}

// --- Opening and closing --------------------------------------------------------------------

void CreditWindow::OpenForPrice(std::int32_t price) {
    ReadCreditWindowSettings(calculator_, *this);
    calculator_.Open(price);
    Refresh();
}

void CreditWindow::ShowForPrice(std::int32_t price) {
    OpenForPrice(price);
    exec();
}

void CreditWindow::SaveSettings() const {
    WriteCreditWindowSettings(calculator_, *this);
}

void CreditWindow::done(int result) {
    SaveSettings();
    QDialog::done(result);
}

// --- Showing the calculator's state ---------------------------------------------------------

void CreditWindow::Refresh() {
    for (int i = 0; i < kCreditFieldCount; ++i) {
        const auto field = static_cast<CreditField>(i);
        QLineEdit* edit = fields_[i];
        const QString text = Screen(calculator_.Text(field));
        if (edit->text() != text) {
            const int cursor = edit->cursorPosition();
            edit->setText(text);
            if (edit->hasFocus()) edit->setCursorPosition(std::min(cursor, int(text.size())));
        }
        const QColor colour = ToColor(calculator_.Colour(field));
        QPalette palette = edit->palette();
        const QColor ink = IsComputedField(field) ? QColor(0, 0, 128) : QColor(Qt::black);
        if (palette.color(QPalette::Base) != colour || palette.color(QPalette::Text) != ink) {
            palette.setColor(QPalette::Base, colour);
            palette.setColor(QPalette::Text, ink);
            edit->setPalette(palette);
        }
    }
    for (int b = 0; b < kCreditBoxCount; ++b) {
        const QSignalBlocker blocker(boxes_[b]);
        boxes_[b]->setChecked(calculator_.Checked(static_cast<CreditBox>(b)));
    }
    creditSumFormula_->setText(Screen(calculator_.CreditSumFormula()));
    // The subtraction in front of the credit sum, read with what it subtracts.
    const QString formulaName =
        QStringLiteral("Стоимость минус первый взнос: ") + creditSumFormula_->text().trimmed();
    if (creditSumFormula_->accessibleName() != formulaName)
        creditSumFormula_->setAccessibleName(formulaName);
    discountLabel_->setToolTip(Screen(calculator_.DiscountFormula()));
    RefreshGrid();
}

void CreditWindow::RefreshGrid() {
    const auto& rows = calculator_.Grid();
    QStringList headers;
    for (const std::string& header : rows.front()) headers << Screen(header);
    grid_->setHorizontalHeaderLabels(headers);
    // The row after the last month carries nothing but its number; it is not shown.
    int monthRows = static_cast<int>(rows.size()) - 1;
    if (monthRows > 0) {
        bool onlyNumber = true;
        for (int c = 1; c < kScheduleColumns; ++c)
            onlyNumber = onlyNumber && rows.back()[c].empty();
        if (onlyNumber) --monthRows;
    }
    if (grid_->rowCount() != monthRows) grid_->setRowCount(monthRows);
    const QColor fixed = palette().color(QPalette::Button);
    for (int r = 0; r < monthRows; ++r) {
        for (int c = 0; c < kScheduleColumns; ++c) {
            const QString text = Screen(rows[r + 1][c]);
            QTableWidgetItem* item = grid_->item(r, c);
            if (item == nullptr) {
                item = new QTableWidgetItem;
                if (c == 0) {
                    // The month column stays put like the header row.
                    item->setBackground(fixed);
                    item->setFlags(Qt::ItemIsEnabled);
                } else {
                    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                }
                grid_->setItem(r, c, item);
            }
            if (item->text() != text) item->setText(text);
        }
    }
}

// --- Events ---------------------------------------------------------------------------------

bool CreditWindow::eventFilter(QObject* watched, QEvent* event) {
    const auto found = fieldOfWidget_.find(watched);
    if (found == fieldOfWidget_.end()) return QDialog::eventFilter(watched, event);
    const auto field = static_cast<CreditField>(found.value());
    auto* edit = static_cast<QLineEdit*>(watched);

    if (field == F::FirstPayment) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                calculator_.AcceptFirstPayment();
                Refresh();
                return true;
            }
        }
        // Switching to another window or opening a menu does not leave the field.
        if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                calculator_.AcceptFirstPayment();
                Refresh();
            }
        }
    }
    if (IsConverterField(field) && event->type() == QEvent::KeyRelease) {
        calculator_.KeyUp(field);
        Refresh();
    }
    if (field == F::Dollars && HandleDropOnDollars(event)) return true;
    if (IsDraggableField(field) && HandleDrag(field, edit, event)) return true;
    return QDialog::eventFilter(watched, event);
}

bool CreditWindow::HandleDrag(CreditField source, QLineEdit* edit, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        dragArmed_ = mouse->button() == Qt::LeftButton;
        dragStart_ = mouse->position().toPoint();
        return false;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        dragArmed_ = false;
        return false;
    }
    if (event->type() != QEvent::MouseMove || !dragArmed_) return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if ((mouse->position().toPoint() - dragStart_).manhattanLength() <
        QApplication::startDragDistance()) {
        return false;
    }
    dragArmed_ = false;
    auto* mime = new QMimeData;
    mime->setData(QString::fromLatin1(kDragFormat), QByteArray(CreditFieldName(source)));
    mime->setText(edit->text());
    auto* drag = new QDrag(edit);
    drag->setMimeData(mime);
    drag->exec(Qt::CopyAction);
    return true;
}

bool CreditWindow::HandleDropOnDollars(QEvent* event) {
    const QString format = QString::fromLatin1(kDragFormat);
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (!drag->mimeData()->hasFormat(format)) return false;
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        if (!drop->mimeData()->hasFormat(format)) return false;
        const auto source = CreditFieldByName(drop->mimeData()->data(format).toStdString());
        if (source && calculator_.DropOnDollars(*source)) {
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
            Refresh();
        } else {
            drop->ignore();
        }
        return true;
    }
    return false;
}

void CreditWindow::OpenNewsSite() {
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(kNewsAddress)));
}

void CreditWindow::OpenDeskCalculator() {
    DeskCalculatorDialog dialog(SystemDecimalSeparator(), this);
    dialog.exec();
}

}  // namespace kalvora
