#include "desktop/documents/DocumentWindow.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QShortcut>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

namespace kalvora {

namespace {

// A printer with a sheet coming out of it, 18 x 18, in the 16 basic colours.
QPixmap PrinterPicture() {
    QImage image(18, 18, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(5, 1, 8, 6);  // the sheet going in
    p.setBrush(QColor(192, 192, 192));
    p.drawRect(1, 7, 15, 6);  // the body
    p.setBrush(QColor(128, 128, 128));
    p.drawRect(3, 12, 11, 2);
    p.setBrush(Qt::white);
    p.drawRect(4, 13, 9, 4);  // the printed sheet
    p.setPen(QColor(0, 0, 128));
    p.drawLine(6, 15, 11, 15);
    p.setPen(QColor(0, 255, 0));
    p.drawPoint(14, 9);
    p.end();
    return QPixmap::fromImage(image);
}

// Two overlapping pages, 17 x 17.
QPixmap PagesPicture() {
    QImage image(17, 17, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    for (int offset : {0, 6}) {
        p.setPen(Qt::black);
        p.setBrush(Qt::white);
        p.drawRect(1 + offset, 1 + offset, 8, 9);
        p.setPen(QColor(0, 0, 128));
        for (int y = 3; y <= 8; y += 2) p.drawLine(3 + offset, y + offset, 7 + offset, y + offset);
    }
    p.end();
    return QPixmap::fromImage(image);
}

QToolButton* PanelButton(const QString& caption, const QPixmap& picture, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(caption);
    button->setIcon(QIcon(picture));
    button->setIconSize(picture.size());
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    // Reached with Tab, worked with Space or Enter; a click leaves the focus in the text.
    button->setFocusPolicy(Qt::TabFocus);
    button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    return button;
}

}  // namespace

bool ShowPrintDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dialog.exec() == QDialog::Accepted;
}

DocumentWindow::DocumentWindow(const Look& look, UiPort& ui, QWidget* parent)
    : QWidget(parent, Qt::Window), ui_(ui), look_(look), chooser_(ShowPrintDialog) {
    setWindowTitle(look.caption);

    panel_ = new QWidget(this);
    panel_->setObjectName("Panel1");
    panel_->setFixedHeight(41);
    // The panel's controls are laid out for a small dialog font.
    QFont panelFont = panel_->font();
    panelFont.setPointSize(8);
    panel_->setFont(panelFont);
    printButton_ = PanelButton("&Печать...", PrinterPicture(), panel_);
    printButton_->setObjectName("SpeedButton3");
    copyButton_ = PanelButton("С&копировать...", PagesPicture(), panel_);
    copyButton_->setObjectName("SpeedButton4");
    connect(printButton_, &QToolButton::clicked, this, [this] { PrintClick(); });
    connect(copyButton_, &QToolButton::clicked, this, [this] { CopyClick(); });
    for (QToolButton* b : {printButton_, copyButton_}) b->installEventFilter(this);

    textArea_ = new QTextEdit(this);
    textArea_->setObjectName("Memo1");
    QFont font("Courier New");
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(look.fontPoints);
    textArea_->setFont(font);
    textArea_->setAcceptRichText(false);
    textArea_->setLineWrapMode(QTextEdit::WidgetWidth);
    textArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    textArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    textArea_->setPlainText("Memo1");
    textArea_->setAccessibleName(look.textName);
    // Tab leaves the text for the panel's controls; the documents never hold tabs.
    textArea_->setTabChangesFocus(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel_);
    layout->addWidget(textArea_);

    // Esc closes (hides) the window wherever its focus is, as it closes a dialog.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void DocumentWindow::PlaceButtons(int printLeft, int copyLeft, int top, int height) {
    Place(printButton_, {printLeft, top, 97, height});
    Place(copyButton_, {copyLeft, top, 105, height});
}

void DocumentWindow::Place(QWidget* control, const QRect& place) {
    // A caption that the system font makes wider than the place still shows in full.
    control->setGeometry(place.x(), place.y(), std::max(place.width(), control->sizeHint().width()),
                         place.height());
}

void DocumentWindow::SetPrinterChooser(std::function<bool(QPrinter&, QWidget*)> chooser) {
    chooser_ = std::move(chooser);
}

void DocumentWindow::SetDocumentLines(const std::vector<std::string>& lines) {
    QString text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += '\n';
        text += QString::fromStdString(lines[i]);
    }
    textArea_->setUpdatesEnabled(false);
    textArea_->setPlainText(text);
    HangIndentedLines();
    textArea_->setUpdatesEnabled(true);
}

void DocumentWindow::HangIndentedLines() {
    // A line that begins with blanks wraps under its own first character, not back at the
    // left edge: its blanks become a hanging indent of the same width. The text itself keeps
    // them, so printing and copying are unchanged.
    const QFontMetricsF metrics(textArea_->font());
    const qreal blank = metrics.horizontalAdvance(QLatin1Char(' '));
    QTextCursor cursor(textArea_->document());
    for (QTextBlock block = textArea_->document()->begin(); block.isValid(); block = block.next()) {
        const QString line = block.text();
        int blanks = 0;
        while (blanks < line.size() && line.at(blanks) == QLatin1Char(' ')) ++blanks;
        if (blanks == 0 || blanks == line.size()) continue;
        QTextBlockFormat format = block.blockFormat();
        format.setLeftMargin(blanks * blank);
        format.setTextIndent(-blanks * blank);
        cursor.setPosition(block.position());
        cursor.setBlockFormat(format);
    }
}

bool DocumentWindow::eventFilter(QObject* watched, QEvent* event) {
    // Enter works a focused button as Space does.
    if (event->type() == QEvent::KeyPress) {
        auto* button = qobject_cast<QToolButton*>(watched);
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (button && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            button->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DocumentWindow::PrintClick() {
    QPrinter printer;
    if (!chooser_(printer, this)) return;
    PrintTo(printer);
}

void DocumentWindow::PrintTo(QPrinter& printer) const {
    printer.setDocName(look_.printTitle);
    std::unique_ptr<QTextDocument> document(textArea_->document()->clone());
    document->setDefaultFont(textArea_->font());
    document->documentLayout()->setPaintDevice(&printer);
    document->setDocumentMargin(0);
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    document->setPageSize(page.size());

    QPainter painter(&printer);
    const int pages = document->pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0) printer.newPage();
        painter.save();
        painter.translate(0, -i * page.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, i * page.height(), page.width(), page.height());
        context.palette.setColor(QPalette::Text, Qt::black);
        document->documentLayout()->draw(&painter, context);
        painter.restore();
    }
}

void DocumentWindow::CopyClick() {
    textArea_->selectAll();
    textArea_->copy();
    ui_.ShowMessage(look_.copyMessage.toStdString());
}

}  // namespace kalvora
