#include "desktop/documents/ComparisonWindow.h"

#include "desktop/documents/DocumentWindow.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <QTableWidget>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QVBoxLayout>
#include <algorithm>

#include "desktop/info/ScreenFit.h"
#include "desktop/settings/WindowSettings.h"

namespace kalvora {

namespace {

const QColor kDifferent(255, 236, 160);  // a row that differs
const QColor kSection(221, 221, 221);    // a section heading, in the panel colour
const QColor kNavy(0, 0, 128);

const QString kPlaceSection = QStringLiteral("Comparison");

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

QTableWidgetItem* Cell(const QString& text, bool bold, const QColor* background) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (bold) {
        QFont font = item->font();
        font.setBold(true);
        item->setFont(font);
    }
    if (background) item->setBackground(*background);
    return item;
}

// A table of three columns of fixed shares of the page at the cursor; every cell wraps its own
// text, so a long value never runs into its neighbour, and the heading row comes again on every
// page.
QTextTable* InsertPrintedTable(QTextCursor& cursor) {
    QTextTableFormat format;
    format.setHeaderRowCount(1);
    format.setCellSpacing(0);
    format.setCellPadding(3);
    format.setBorder(1);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderBrush(QColor(160, 160, 160));
    format.setTopMargin(8);
    format.setBottomMargin(8);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    format.setColumnWidthConstraints({QTextLength(QTextLength::PercentageLength, 40),
                                      QTextLength(QTextLength::PercentageLength, 30),
                                      QTextLength(QTextLength::PercentageLength, 30)});
    cursor.movePosition(QTextCursor::End);
    return cursor.insertTable(1, 3, format);
}

// Writes `text` into a printed cell, its first line in `look`, on `background` if there is one.
void PutCell(QTextTableCell cell, const QString& text, const QTextCharFormat& look,
             const QColor* background) {
    if (background) {
        QTextTableCellFormat cellFormat = cell.format().toTableCellFormat();
        cellFormat.setBackground(*background);
        cell.setFormat(cellFormat);
    }
    QTextCursor inCell = cell.firstCursorPosition();
    const QStringList lines = text.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0) inCell.insertBlock();
        inCell.insertText(lines[i], i == 0 ? look : QTextCharFormat());
    }
}

}  // namespace

ComparisonWindow::ComparisonWindow(const Configuration& current, UiPort& ui, FileAccess& files,
                                   QWidget* parent)
    : QWidget(parent, Qt::Window), current_(current), ui_(ui), files_(files) {
    setObjectName("ComparisonWindow");
    setWindowTitle("Сравнение вариантов");
    resize(900, 660);

    chooseFile_ = [this]() {
        return QFileDialog::getOpenFileName(this, "Открыть", QString(),
                                            "Конфигурация Kalvora (*.klv)");
    };
    askName_ = [this](const QString& suggested) -> std::optional<QString> {
        bool ok = false;
        const QString name = QInputDialog::getText(
            this, "Запомнить вариант", "Название варианта:", QLineEdit::Normal, suggested, &ok);
        if (!ok) return std::nullopt;
        return name;
    };
    choosePrinter_ = ShowPrintDialog;

    QHBoxLayout* source = BuildSourceRow();
    // On a narrow screen the remembered variants take a row of their own.
    secondSource_ = new QHBoxLayout;
    BuildTable();
    QHBoxLayout* bottom = BuildTotals();
    QHBoxLayout* buttons = BuildButtons();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(source);
    layout->addLayout(secondSource_);
    layout->addWidget(heading_);
    layout->addWidget(table_, 1);
    layout->addLayout(bottom);
    layout->addLayout(buttons);

    FillRememberedList();
    ShowTable();
}

QHBoxLayout* ComparisonWindow::BuildSourceRow() {
    // The second configuration: a code, a file or a remembered variant.
    auto* source = new QHBoxLayout;
    source->addWidget(new QLabel("Сравнить с кодом:", this));
    code_ = new QLineEdit(this);
    code_->setObjectName("CodeField");
    QFont codeFont("Courier New");
    codeFont.setStyleHint(QFont::TypeWriter);
    codeFont.setPointSize(10);
    code_->setFont(codeFont);
    code_->setMaxLength(64);
    code_->setPlaceholderText("код конфигурации");
    code_->setToolTip("Код второго варианта. Enter — сравнить");
    code_->setMinimumWidth(200);
    code_->setAccessibleName("Код второго варианта");
    source->addWidget(code_);
    auto* byCode = new QPushButton("Сравнить", this);
    byCode->setObjectName("CompareCodeButton");
    source->addWidget(byCode);
    auto* byFile = new QPushButton("Файл...", this);
    byFile->setObjectName("CompareFileButton");
    byFile->setToolTip("Сравнить с конфигурацией из файла .klv");
    source->addWidget(byFile);
    rememberedList_ = new QComboBox(this);
    rememberedList_->setObjectName("RememberedList");
    rememberedList_->setToolTip("Сравнить с вариантом, запомненным раньше");
    rememberedList_->setAccessibleName("Запомненные варианты");
    rememberedList_->setMinimumContentsLength(22);
    rememberedList_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    source->addWidget(rememberedList_, 1);
    remember_ = new QPushButton("Запомнить вариант", this);
    remember_->setObjectName("RememberButton");
    remember_->setToolTip(
        "Запомнить текущую конфигурацию под коротким названием до закрытия "
        "программы");
    source->addWidget(remember_);
    source_ = source;
    connect(byCode, &QPushButton::clicked, this, [this]() { CompareWithCode(code_->text()); });
    connect(code_, &QLineEdit::returnPressed, this, [this]() { CompareWithCode(code_->text()); });
    connect(byFile, &QPushButton::clicked, this, [this]() {
        const QString path = chooseFile_ ? chooseFile_() : QString();
        if (!path.isEmpty()) CompareWithFile(path);
    });
    connect(rememberedList_, QOverload<int>::of(&QComboBox::activated), this, [this](int item) {
        if (item > 0) CompareWithRemembered(item - 1);
    });
    connect(remember_, &QPushButton::clicked, this, [this]() {
        if (!askName_) return;
        const std::optional<QString> name = askName_(Q(remembered_.SuggestedName()));
        if (name) RememberCurrent(*name);
    });
    return source;
}

void ComparisonWindow::BuildTable() {
    heading_ = new QLabel(this);
    heading_->setObjectName("Heading");
    heading_->setWordWrap(true);

    table_ = new QTableWidget(0, 3, this);
    table_->setObjectName("ComparisonTable");
    table_->setAccessibleName("Таблица сравнения");
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setFocusPolicy(Qt::NoFocus);
    table_->verticalHeader()->hide();
    table_->setWordWrap(true);
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Fixed);
    table_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Fixed);
    table_->setColumnWidth(1, 190);
    table_->setColumnWidth(2, 190);
    // A label that wraps onto more lines when the window narrows gets the height it needs, once
    // the header has settled the columns' widths.
    connect(table_->horizontalHeader(), &QHeaderView::sectionResized, table_, [this](int column) {
        if (column != 0 || rowsResizeQueued_) return;
        rowsResizeQueued_ = true;
        QMetaObject::invokeMethod(
            table_,
            [this]() {
                rowsResizeQueued_ = false;
                table_->resizeRowsToContents();
            },
            Qt::QueuedConnection);
    });
}

QHBoxLayout* ComparisonWindow::BuildTotals() {
    totals_ = new QLabel(this);
    totals_->setObjectName("Totals");
    difference_ = new QLabel(this);
    difference_->setObjectName("DifferenceLabel");
    QFont big("Arial");
    big.setPointSize(20);
    big.setBold(true);
    difference_->setFont(big);
    QPalette palette = difference_->palette();
    palette.setColor(QPalette::WindowText, kNavy);
    difference_->setPalette(palette);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(totals_, 1);
    bottom->addWidget(difference_);
    return bottom;
}

QHBoxLayout* ComparisonWindow::BuildButtons() {
    auto* buttons = new QHBoxLayout;
    print_ = new QPushButton("Печать...", this);
    print_->setObjectName("PrintButton");
    preview_ = new QPushButton("Просмотр...", this);
    preview_->setObjectName("PreviewButton");
    preview_->setToolTip("Показать, как сравнение будет выглядеть на бумаге");
    copy_ = new QPushButton("Скопировать...", this);
    copy_->setObjectName("CopyButton");
    open_ = new QPushButton("Открыть вариант", this);
    open_->setObjectName("OpenVariantButton");
    open_->setToolTip("Сделать второй вариант текущей конфигурацией");
    auto* close = new QPushButton("Закрыть", this);
    buttons->addWidget(print_);
    buttons->addWidget(preview_);
    buttons->addWidget(copy_);
    buttons->addStretch(1);
    buttons->addWidget(open_);
    buttons->addWidget(close);

    connect(print_, &QPushButton::clicked, this, [this]() { Print(); });
    connect(preview_, &QPushButton::clicked, this, [this]() { PrintPreview(); });
    connect(copy_, &QPushButton::clicked, this, [this]() { Copy(); });
    connect(open_, &QPushButton::clicked, this, [this]() { OpenSecond(); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            &QWidget::close);

    return buttons;
}

ComparisonWindow::~ComparisonWindow() {
    if (shownSinceStored_) StorePlace();
}

void ComparisonWindow::ShowComparison() {
    Refresh();
    if (!isVisible()) RestorePlace();
    show();
    raise();
    activateWindow();
}

void ComparisonWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) shownSinceStored_ = true;
    Refresh();
}

void ComparisonWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted()) StorePlace();
}

void ComparisonWindow::ArrangeForScreen() {
    const QScreen* screen = this->screen();
    if (!screen || source_->indexOf(rememberedList_) < 0) return;
    // The frame and the window's margins take about this much of the screen's width.
    const int room = screen->availableGeometry().width() - 40;
    if (minimumSizeHint().width() <= room) return;
    source_->removeWidget(rememberedList_);
    source_->removeWidget(remember_);
    secondSource_->addWidget(rememberedList_, 1);
    secondSource_->addWidget(remember_);
    code_->setMinimumWidth(120);
    totals_->setWordWrap(true);
}

void ComparisonWindow::RestorePlace() {
    ArrangeForScreen();
    // Where the user left it, fitted to this screen; the first time, the designed size, no
    // larger than the screen.
    if (!WindowSettings(kPlaceSection).RestorePlacement(*this)) FitIntoScreen(*this);
}

void ComparisonWindow::StorePlace() {
    WindowSettings settings(kPlaceSection);
    settings.StorePlacement(*this);
    settings.Write();
    shownSinceStored_ = false;
}

void ComparisonWindow::FollowCurrent() {
    if (!isVisible() || refreshQueued_) return;
    refreshQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this]() {
            refreshQueued_ = false;
            Refresh();
        },
        Qt::QueuedConnection);
}

void ComparisonWindow::Refresh() {
    shown_.reset();
    const std::optional<ConfigurationFacts> facts = ReadFacts(current_);
    if (facts && second_) shown_ = CompareFacts(*facts, *second_);
    ShowTable();
}

bool ComparisonWindow::UseSecond(const SettledConfiguration& settled, const QString& description) {
    if (!settled.facts) {
        ui_.ShowMessage(std::string(kNameB) + ": " + settled.error);
        return false;
    }
    second_ = settled.facts;
    secondDescription_ = description;
    Refresh();
    return true;
}

bool ComparisonWindow::CompareWithCode(const QString& code) {
    const SettledConfiguration settled = SettleCode(code.toStdString());
    return UseSecond(settled, "код " + code.trimmed());
}

bool ComparisonWindow::CompareWithFile(const QString& path) {
    const SettledConfiguration settled = SettleFile(QFile::encodeName(path).toStdString(), files_);
    return UseSecond(settled, "файл " + QFileInfo(path).fileName());
}

bool ComparisonWindow::CompareWithRemembered(int index) {
    const auto& variants = remembered_.Variants();
    if (index < 0 || index >= static_cast<int>(variants.size())) return false;
    const RememberedVariants::Variant& v = variants[index];
    return UseSecond(SettleCode(v.code), "«" + Q(v.name) + "»");
}

void ComparisonWindow::RememberCurrent(const QString& name) {
    const std::optional<ConfigurationFacts> facts = ReadFacts(current_);
    if (!facts) {
        ui_.ShowMessage("У текущей конфигурации нет цены: запомнить её нельзя.");
        return;
    }
    remembered_.Remember(name.toStdString(), facts->code);
    FillRememberedList();
}

void ComparisonWindow::OpenSecond() {
    if (!second_) return;
    emit openVariantRequested(second_->code);
    Refresh();
}

void ComparisonWindow::FillRememberedList() {
    rememberedList_->clear();
    const auto& variants = remembered_.Variants();
    rememberedList_->addItem(variants.empty() ? "Запомненных вариантов нет"
                                              : "Запомненный вариант...");
    for (const RememberedVariants::Variant& v : variants) {
        rememberedList_->addItem(Q(v.name) + "  (" + Q(v.code) + ")");
    }
    rememberedList_->setEnabled(!variants.empty());
}

void ComparisonWindow::ShowTable() {
    table_->setUpdatesEnabled(false);
    table_->clearContents();
    table_->clearSpans();
    table_->setRowCount(0);
    const std::optional<ConfigurationFacts> facts = ReadFacts(current_);
    const QStringList headings = {QString(),
                                  Q(kNameA) + (facts ? "\n" + Q(facts->code) : QString()),
                                  Q(kNameB) + (second_ ? "\n" + secondDescription_ : QString())};
    table_->setHorizontalHeaderLabels(headings);
    // A side's column is as wide as its heading ("код" and twenty characters), at least 190.
    const QFontMetrics metrics(table_->horizontalHeader()->font());
    for (int column : {1, 2}) {
        int width = 190;
        for (const QString& line : headings[column].split('\n')) {
            width = std::max(width, metrics.horizontalAdvance(line) + 16);
        }
        table_->setColumnWidth(column, width);
    }
    open_->setEnabled(shown_ && !shown_->Same());
    // Nothing to print or copy until there is a second variant.
    for (QPushButton* b : {print_, preview_, copy_}) b->setEnabled(shown_.has_value());

    if (!shown_) {
        heading_->setText(facts ? "Выберите второй вариант: введите его код, откройте файл или "
                                  "выберите запомненный вариант."
                                : "У текущей конфигурации нет цены: сравнивать нечего.");
        totals_->clear();
        difference_->clear();
        table_->setUpdatesEnabled(true);
        return;
    }

    const Comparison& c = *shown_;
    heading_->setText(c.Same() ? "Конфигурации одинаковы."
                               : "Строки, которые различаются, выделены цветом.");
    int row = 0;
    auto addRow = [this, &row](QTableWidgetItem* label, QTableWidgetItem* a, QTableWidgetItem* b) {
        table_->insertRow(row);
        table_->setItem(row, 0, label);
        if (a) table_->setItem(row, 1, a);
        if (b) table_->setItem(row, 2, b);
        ++row;
    };
    for (int s = 0; s <= static_cast<int>(ComparisonSection::Standard); ++s) {
        const auto section = static_cast<ComparisonSection>(s);
        bool titled = false;
        for (const ComparisonRow& r : c.rows) {
            if (r.section != section) continue;
            if (!titled) {
                addRow(Cell(Q(SectionTitle(section, kNameA, kNameB)), true, &kSection), nullptr,
                       nullptr);
                table_->setSpan(row - 1, 0, 1, 3);
                titled = true;
            }
            const QColor* background = r.differs ? &kDifferent : nullptr;
            addRow(Cell(Q(r.label), false, background), Cell(Q(r.a), r.differs, background),
                   Cell(Q(r.b), r.differs, background));
        }
    }
    const bool totalsDiffer = c.a.total != c.b.total;
    const QColor* background = totalsDiffer ? &kDifferent : nullptr;
    addRow(Cell("Итоговая цена", true, background),
           Cell("$" + QString::number(c.a.total), true, background),
           Cell("$" + QString::number(c.b.total), true, background));
    table_->resizeRowsToContents();
    table_->setUpdatesEnabled(true);

    totals_->setText(
        QString("Итого: $%1 (текущая) и $%2 (второй вариант)").arg(c.a.total).arg(c.b.total));
    difference_->setText("Разница: " + Q(SignedDollars(c.Difference())));
}

QString ComparisonWindow::Text() const {
    if (!shown_) return QString();
    QStringList lines;
    for (const std::string& line : ComparisonText(*shown_, kNameA, kNameB)) lines << Q(line);
    return lines.join('\n');
}

void ComparisonWindow::Print() {
    if (!shown_) return;
    QPrinter printer;
    if (!choosePrinter_ || !choosePrinter_(printer, this)) return;
    PrintTo(printer);
}

std::unique_ptr<QTextDocument> ComparisonWindow::PrintedDocument() const {
    auto document = std::make_unique<QTextDocument>();
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(9);
    document->setDefaultFont(font);
    if (!shown_) return document;
    const Comparison& c = *shown_;

    QTextCharFormat plain;
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    QTextCharFormat title = bold;
    title.setFontPointSize(14);
    QTextCursor cursor(document.get());
    cursor.insertText("Сравнение конфигураций", title);

    QTextTable* table = InsertPrintedTable(cursor);

    const auto put = [table](int row, int column, const QString& text, const QTextCharFormat& look,
                             const QColor* background) {
        PutCell(table->cellAt(row, column), text, look, background);
    };
    auto addRow = [table]() {
        table->appendRows(1);
        return table->rows() - 1;
    };

    put(0, 1, Q(kNameA) + "\nкод " + Q(c.a.code), bold, &kSection);
    QString second = Q(kNameB) + "\n" + secondDescription_;
    if (!secondDescription_.startsWith("код ")) second += "\nкод " + Q(c.b.code);
    put(0, 2, second, bold, &kSection);
    put(0, 0, QString(), plain, &kSection);
    for (int s = 0; s <= static_cast<int>(ComparisonSection::Standard); ++s) {
        const auto section = static_cast<ComparisonSection>(s);
        bool titled = false;
        for (const ComparisonRow& r : c.rows) {
            if (r.section != section) continue;
            if (!titled) {
                const int row = addRow();
                table->mergeCells(row, 0, 1, 3);
                put(row, 0, Q(SectionTitle(section, kNameA, kNameB)), bold, &kSection);
                titled = true;
            }
            const int row = addRow();
            const QColor* background = r.differs ? &kDifferent : nullptr;
            put(row, 0, (r.differs ? "* " : "") + Q(r.label), plain, background);
            put(row, 1, Q(r.a), r.differs ? bold : plain, background);
            put(row, 2, Q(r.b), r.differs ? bold : plain, background);
        }
    }
    const bool totalsDiffer = c.a.total != c.b.total;
    const QColor* background = totalsDiffer ? &kDifferent : nullptr;
    const int total = addRow();
    put(total, 0, QString(totalsDiffer ? "* " : "") + "Итоговая цена", bold, background);
    put(total, 1, "$" + QString::number(c.a.total), bold, background);
    put(total, 2, "$" + QString::number(c.b.total), bold, background);

    cursor.movePosition(QTextCursor::End);
    cursor.insertText(c.Same() ? QString("Конфигурации одинаковы.")
                               : "Разница (второй вариант минус текущая конфигурация): " +
                                     Q(SignedDollars(c.Difference())),
                      bold);
    if (!c.Same()) {
        cursor.insertBlock();
        cursor.insertText("Строки, которые различаются, отмечены «*» и выделены цветом.", plain);
    }
    return document;
}

void ComparisonWindow::PrintTo(QPrinter& printer) const {
    printer.setDocName("Сравнение вариантов");
    // The document lays itself out on the page with margins and numbers the pages.
    PrintedDocument()->print(&printer);
}

void ComparisonWindow::PrintPreview() {
    if (!shown_) return;
    QPrinter printer;
    QPrintPreviewDialog dialog(&printer, this);
    dialog.setObjectName("PrintPreview");
    dialog.setWindowTitle("Сравнение вариантов — предварительный просмотр");
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { PrintTo(*target); });
    // Within this screen, at most the size the window itself has.
    const QRect room = WindowRoom(*screen());
    dialog.resize(std::min(room.width(), 900), std::min(room.height(), 900));
    dialog.exec();
}

void ComparisonWindow::Copy() {
    if (!shown_) return;
    QApplication::clipboard()->setText(Text());
    ui_.ShowMessage("Сравнение вариантов скопировано в буфер обмена.");
}

}  // namespace kalvora
