// The command bar: the code field, the command buttons with undo and redo, and the price.
#include "desktop/app/MainWindow.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <algorithm>

#include "desktop/app/FlowLayout.h"
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
    // One row as wide as the window is laid out for: the code field, the commands, undo and
    // redo, the price, all centred on the row. A narrower window wraps the row; the code field
    // with its caption, and undo with redo, wrap as one.
    auto* strip = new FlowLayout(panel, 4, 4);
    // Inside the panel's one-pixel frame; the price keeps a little more room from the right edge.
    strip->setContentsMargins(7, 3, 9, 3);
    BuildCodeField(panel, strip);
    int x = BuildCommandButtons(panel, strip);
    x = BuildStepButtons(panel, strip, x);
    BuildPriceLabel(panel, strip, x);
}

void MainWindow::BuildCodeField(QWidget* panel, FlowLayout* strip) {
    QLabel* caption = MakeLabel(panel, "Label1", QStringLiteral("Код:"));
    caption->setMinimumWidth(28);

    codeField_ = new QLineEdit(panel);
    codeField_->setObjectName(QStringLiteral("Edit1"));
    codeField_->setFont(CodeFont());
    codeField_->setFixedSize(186, 22);
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

    // A little more room after the field than between the buttons.
    auto* field = new QHBoxLayout;
    field->setContentsMargins(0, 0, 6, 0);
    field->setSpacing(0);
    field->addWidget(caption, 0, Qt::AlignVCenter);
    field->addWidget(codeField_);
    strip->addLayout(field);
}

int MainWindow::BuildCommandButtons(QWidget* panel, FlowLayout* strip) {
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
    // Where the first button begins at the laid-out width.
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
        b->setFixedSize(width, 26);
        strip->addWidget(b);
        x += width + 4;
        connect(b, &QToolButton::clicked, this, c.handler);
    }
    return x;
}

int MainWindow::BuildStepButtons(QWidget* panel, FlowLayout* strip, int x) {
    // Undo and redo: two small buttons, and the usual keys anywhere in the window.
    undoButton_ = MakeToolButton(panel, "UndoButton", QString());
    redoButton_ = MakeToolButton(panel, "RedoButton", QString());
    undoButton_->setAccessibleName(QStringLiteral("Отменить"));
    redoButton_->setAccessibleName(QStringLiteral("Повторить"));
    undoButton_->setIcon(StepIcon(false));
    redoButton_->setIcon(StepIcon(true));
    auto* steps = new QHBoxLayout;
    steps->setSpacing(2);
    for (QToolButton* b : {undoButton_, redoButton_}) {
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
        b->setIconSize(QSize(16, 16));
        b->setFixedSize(26, 26);
        steps->addWidget(b);
        x += 26 + 2;
    }
    strip->addLayout(steps);
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

void MainWindow::BuildPriceLabel(QWidget* panel, FlowLayout* strip, int x) {
    priceLabel_ = new QLabel(panel);
    priceLabel_->setObjectName(QStringLiteral("PriceLabel"));
    priceLabel_->setTextFormat(Qt::PlainText);
    priceLabel_->setFont(
        FittingFont(24, 16, true, {{QStringLiteral("Цена: $XXXXX"), 1023 - x - 16}}));
    QPalette pal = priceLabel_->palette();
    pal.setColor(QPalette::WindowText, kNavy);
    priceLabel_->setPalette(pal);
    priceLabel_->setFixedHeight(32);
    // Further from the buttons than they are from each other, while the row has the room.
    auto* price = new QHBoxLayout;
    price->setContentsMargins(2, 0, 0, 0);
    price->setSpacing(0);
    price->addItem(new QSpacerItem(10, 0, QSizePolicy::Preferred, QSizePolicy::Minimum));
    price->addWidget(priceLabel_);
    strip->addLayout(price);
    priceLabel_->setAccessibleName(QStringLiteral("Цена"));
    priceLabel_->setAccessibleDescription(QStringLiteral("Цена автомобиля со всеми опциями"));

    auto* priceButton = new QPushButton(QStringLiteral("Цена?"), panel);
    priceButton->setObjectName(QStringLiteral("PriceButton"));
    priceButton->hide();
    connect(priceButton, &QPushButton::clicked, this, [this]() { session_.MarkFiguresDue(); });
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
