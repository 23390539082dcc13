// The command bar: the code field, the command buttons with undo and redo, and the price.
#include "desktop/app/MainWindow.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <algorithm>

#include "desktop/app/MainWindowParts.h"

namespace kalvora::app {

using namespace window_parts;

namespace {

QFont CodeFont() {
    QFont f;
    f.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                   QStringLiteral("Nimbus Mono PS"), QStringLiteral("DejaVu Sans Mono")});
    f.setStyleHint(QFont::Monospace);
    f.setFixedPitch(true);
    f.setPixelSize(13);
    return f;
}

// A curved arrow turning back to the left (undo) or, mirrored, to the right (redo).
QIcon StepIcon(bool redo) {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    if (redo) p.setTransform(QTransform(-1, 0, 0, 1, 16, 0));
    p.setPen(QPen(QColor(0, 0, 128), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(3.5, 4.5, 10, 9), 0, 180 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 128));
    p.drawPolygon(QPolygonF({QPointF(0.5, 8.0), QPointF(6.5, 8.0), QPointF(3.5, 12.5)}));
    return QIcon(pm);
}

}  // namespace

void MainWindow::BuildCommandBar(QWidget* panel) {
    BuildCodeField(panel);
    int x = BuildCommandButtons(panel);
    x = BuildStepButtons(panel, x);
    BuildPriceLabel(panel, x);
}

void MainWindow::BuildCodeField(QWidget* panel) {
    MakeLabel(panel, "Label1", QStringLiteral("Код:"))->move(8, 13);

    codeField_ = new QLineEdit(panel);
    codeField_->setObjectName(QStringLiteral("Edit1"));
    codeField_->setFont(CodeFont());
    codeField_->setGeometry(36, 9, 186, 22);
    codeField_->setToolTip(QStringLiteral(
        "Код конфигурации. Enter или двойной щелчок — восстановить конфигурацию по коду"));
    codeField_->setAccessibleName(QStringLiteral("Код конфигурации"));
    codeField_->setAccessibleDescription(codeField_->toolTip());
    codeField_->installEventFilter(this);
    connect(codeField_, &QLineEdit::textEdited, this, [this](const QString& text) {
        codeTyped_ = true;
        session_.TypeCode(text.toStdString());
    });
    connect(codeField_, &QLineEdit::returnPressed, this, [this]() { DecodeCodeField(); });
}

int MainWindow::BuildCommandButtons(QWidget* panel) {
    struct Command {
        const char* name;
        const char* text;
        void (MainWindow::*handler)();
    };
    const Command commands[] = {
        {"SpeedButton9", "&Заказ...", &MainWindow::OrderClick},
        {"SpeedButton2", "&Открыть...", &MainWindow::OpenClick},
        {"SpeedButton1", "&Сохранить...", &MainWindow::SaveClick},
        {"SpeedButton3", "C&heck List...", &MainWindow::CheckListClick},
        {"SpeedButton8", "Сб&росить всё", &MainWindow::ResetAll},
        {"SpeedButton26", "Ос&настить", &MainWindow::EquipAll},
        {"SpeedButton23", "&Кредит...", &MainWindow::CreditClick},
    };
    int x = 232;
    for (const Command& c : commands) {
        QToolButton* b = MakeToolButton(panel, c.name, QString::fromUtf8(c.text));
        if (c.handler == &MainWindow::OpenClick) {
            // The recent files hang on the Open button's arrow.
            recentMenu_ = new QMenu(b);
            recentMenu_->setObjectName(QStringLiteral("RecentFiles"));
            connect(recentMenu_, &QMenu::aboutToShow, this, [this]() { FillRecentMenu(); });
            b->setMenu(recentMenu_);
            b->setPopupMode(QToolButton::MenuButtonPopup);
            b->setToolTip(
                QStringLiteral("Открыть файл конфигурации (Ctrl+O); стрелка вниз — "
                               "последние файлы"));
        }
        const int width = std::max(72, b->sizeHint().width() + 8);
        b->setGeometry(x, 7, width, 26);
        x += width + 4;
        stripButtons_.push_back(b);
        connect(b, &QToolButton::clicked, this, c.handler);
    }
    return x;
}

int MainWindow::BuildStepButtons(QWidget* panel, int x) {
    // Undo and redo: two small buttons, and the usual keys anywhere in the window.
    undoButton_ = MakeToolButton(panel, "UndoButton", QString());
    redoButton_ = MakeToolButton(panel, "RedoButton", QString());
    undoButton_->setAccessibleName(QStringLiteral("Отменить"));
    redoButton_->setAccessibleName(QStringLiteral("Повторить"));
    undoButton_->setIcon(StepIcon(false));
    redoButton_->setIcon(StepIcon(true));
    for (QToolButton* b : {undoButton_, redoButton_}) {
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
        b->setIconSize(QSize(16, 16));
        b->setGeometry(x, 7, 26, 26);
        x += 26 + 2;
        stripButtons_.push_back(b);
    }
    for (QToolButton* b : stripButtons_) stripPlaces_.push_back(b->geometry());
    x += 2;
    connect(undoButton_, &QToolButton::clicked, this, &MainWindow::UndoClick);
    connect(redoButton_, &QToolButton::clicked, this, &MainWindow::RedoClick);
    auto* undoKey = new QShortcut(QKeySequence::Undo, this);
    connect(undoKey, &QShortcut::activated, this, &MainWindow::UndoClick);
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}) {
        auto* redoKey = new QShortcut(keys, this);
        connect(redoKey, &QShortcut::activated, this, &MainWindow::RedoClick);
    }
    return x;
}

void MainWindow::BuildPriceLabel(QWidget* panel, int x) {
    priceLabel_ = new QLabel(panel);
    priceLabel_->setObjectName(QStringLiteral("PriceLabel"));
    priceLabel_->setTextFormat(Qt::PlainText);
    priceLabel_->setFont(
        FittingFont(24, 16, true, {{QStringLiteral("Цена: $XXXXX"), 1023 - x - 16}}));
    QPalette pal = priceLabel_->palette();
    pal.setColor(QPalette::WindowText, kNavy);
    priceLabel_->setPalette(pal);
    priceLabel_->setGeometry(x + 12, 4, 1023 - x - 16, 32);
    pricePlace_ = priceLabel_->geometry();
    priceLabel_->setAccessibleName(QStringLiteral("Цена"));
    priceLabel_->setAccessibleDescription(QStringLiteral("Цена автомобиля со всеми опциями"));

    auto* priceButton = new QPushButton(QStringLiteral("Цена?"), panel);
    priceButton->setObjectName(QStringLiteral("PriceButton"));
    priceButton->hide();
    connect(priceButton, &QPushButton::clicked, this, [this]() { session_.MarkFiguresDue(); });
}

void MainWindow::ArrangeStrip() {
    if (stripButtons_.empty()) return;
    const int width = commandStrip_->width();
    const int priceWidth = priceLabel_->fontMetrics().horizontalAdvance(priceLabel_->text()) + 4;
    // As laid out, while the price fits; then the price keeps to the right edge, up to the last
    // button.
    const int lastButtonEnd = stripPlaces_.back().right() + 1;
    int priceX = width >= kDesignSize.width() ? pricePlace_.x()
                                              : std::min(pricePlace_.x(), width - 6 - priceWidth);
    int height = kStripHeight;
    if (priceX >= lastButtonEnd + 6) {
        for (std::size_t i = 0; i < stripButtons_.size(); ++i)
            stripButtons_[i]->setGeometry(stripPlaces_[i]);
    } else {
        // Too narrow for one row: the code field and the price stay in the first, and the
        // buttons follow in as many rows as they need below, so that nothing is out of sight.
        const int codeEnd = codeField_->geometry().right() + 1;
        priceX = std::max(codeEnd + 8, width - 6 - priceWidth);
        int x = 8;
        int y = kStripHeight - 2;
        for (std::size_t i = 0; i < stripButtons_.size(); ++i) {
            const QSize size = stripPlaces_[i].size();
            if (x > 8 && x + size.width() > width - 6) {
                x = 8;
                y += size.height() + 4;
            }
            stripButtons_[i]->setGeometry(QRect(QPoint(x, y), size));
            x += size.width() + 4;
            height = y + size.height() + 7;
        }
    }
    priceLabel_->setGeometry(priceX, pricePlace_.y(),
                             std::max(priceWidth, pricePlace_.right() + 1 - priceX),
                             pricePlace_.height());
    commandStrip_->setFixedHeight(height);
}

void MainWindow::DecodeCodeField() {
    // Read before the action: remembering the wish of a focused box refreshes the window.
    const std::string typed = codeField_->text().toStdString();
    RememberFocusedWish();
    session_.DecodeCode(typed);
    // What was typed has been decoded: from now on Ctrl+Z there steps back the configuration.
    codeTyped_ = false;
}

// Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z in the code field: the field's own undo and redo while it
// holds text typed since the last decode and has a step to take, the configuration's otherwise.
bool MainWindow::CodeFieldTakesKey(const QKeyEvent* e) const {
    const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
    const bool undo = e->key() == Qt::Key_Z && mods == Qt::ControlModifier;
    const bool redo =
        (e->key() == Qt::Key_Z && mods == (Qt::ControlModifier | Qt::ShiftModifier)) ||
        (e->key() == Qt::Key_Y && mods == Qt::ControlModifier);
    if (undo) return codeTyped_ && codeField_->isUndoAvailable();
    if (redo) return codeTyped_ && codeField_->isRedoAvailable();
    return true;
}

}  // namespace kalvora::app
