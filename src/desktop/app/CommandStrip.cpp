#include "desktop/app/CommandStrip.h"

#include <QEvent>
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
#include "desktop/app/PriceBreakdownTip.h"
#include "engine/history/ActionHistory.h"
#include "engine/model/PriceTexts.h"
#include "engine/session/Session.h"

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

// The step undo or redo would take, in the words of the notice.
QString StepTip(const char* verb, const ActionHistory& history, bool undo) {
    const bool can = undo ? history.CanUndo() : history.CanRedo();
    const char* keys = undo ? " (Ctrl+Z)" : " (Ctrl+Shift+Z, Ctrl+Y)";
    if (!can) return QString::fromUtf8(verb) + QString::fromUtf8(keys);
    return QString::fromUtf8(verb) + QStringLiteral(": ") +
           Q(undo ? history.UndoTitle() : history.RedoTitle()) + QString::fromUtf8(keys);
}

}  // namespace

CommandStrip::CommandStrip(Session& session, QWidget* parent) : QFrame(parent), session_(session) {
    MakeRaisedPanel(this, "Panel3");
    // One row as wide as the window is laid out for: the code field, the commands, undo and
    // redo, the price, all centred on the row. A narrower window wraps the row; the code field
    // with its caption, and undo with redo, wrap as one.
    auto* strip = new FlowLayout(this, 4, 4);
    // Inside the panel's one-pixel frame; the price keeps a little more room from the right edge.
    strip->setContentsMargins(7, 3, 9, 3);
    BuildCodeField(strip);
    int x = BuildCommandButtons(strip);
    x = BuildStepButtons(strip, x);
    BuildPriceLabel(strip, x);
}

void CommandStrip::BuildCodeField(FlowLayout* strip) {
    QLabel* caption = MakeLabel(this, "Label1", QStringLiteral("Код:"));
    caption->setMinimumWidth(28);

    codeField_ = new QLineEdit(this);
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
    connect(codeField_, &QLineEdit::returnPressed, this, &CommandStrip::codeEntered);

    // A little more room after the field than between the buttons.
    auto* field = new QHBoxLayout;
    field->setContentsMargins(0, 0, 6, 0);
    field->setSpacing(0);
    field->addWidget(caption, 0, Qt::AlignVCenter);
    field->addWidget(codeField_);
    strip->addLayout(field);
}

int CommandStrip::BuildCommandButtons(FlowLayout* strip) {
    struct Command {
        const char* name;
        const char* text;
        void (CommandStrip::*clicked)();
    };
    const Command commands[] = {
        {"SpeedButton9", "&Заказ...", &CommandStrip::orderClicked},
        {"SpeedButton2", "&Открыть...", &CommandStrip::openClicked},
        {"SpeedButton1", "&Сохранить...", &CommandStrip::saveClicked},
        {"SpeedButton3", "C&heck List...", &CommandStrip::checkListClicked},
        {"SpeedButton8", "Сб&росить всё", &CommandStrip::resetClicked},
        {"SpeedButton26", "Ос&настить", &CommandStrip::equipClicked},
        {"SpeedButton23", "&Кредит...", &CommandStrip::creditClicked},
    };
    // Where the first button begins at the laid-out width.
    int x = 232;
    for (const Command& c : commands) {
        QToolButton* b = MakeToolButton(this, c.name, QString::fromUtf8(c.text));
        if (c.clicked == &CommandStrip::openClicked) {
            // The recent files hang on the Open button's arrow.
            recentMenu_ = new QMenu(b);
            recentMenu_->setObjectName(QStringLiteral("RecentFiles"));
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
        connect(b, &QToolButton::clicked, this, c.clicked);
    }
    return x;
}

int CommandStrip::BuildStepButtons(FlowLayout* strip, int x) {
    // Undo and redo: two small buttons, and the usual keys anywhere in the window.
    undoButton_ = MakeToolButton(this, "UndoButton", QString());
    redoButton_ = MakeToolButton(this, "RedoButton", QString());
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
    const auto undo = [this]() { session_.Undo(); };
    const auto redo = [this]() { session_.Redo(); };
    connect(undoButton_, &QToolButton::clicked, this, undo);
    connect(redoButton_, &QToolButton::clicked, this, redo);
    auto* undoKey = new QShortcut(QKeySequence::Undo, this);
    connect(undoKey, &QShortcut::activated, this, undo);
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}) {
        auto* redoKey = new QShortcut(keys, this);
        connect(redoKey, &QShortcut::activated, this, redo);
    }
    return x;
}

void CommandStrip::BuildPriceLabel(FlowLayout* strip, int x) {
    priceLabel_ = new QLabel(this);
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

    auto* priceButton = new QPushButton(QStringLiteral("Цена?"), this);
    priceButton->setObjectName(QStringLiteral("PriceButton"));
    priceButton->hide();
    connect(priceButton, &QPushButton::clicked, this, [this]() { session_.MarkFiguresDue(); });
}

void CommandStrip::ShowConfiguration(const Configuration& config) {
    // Until the start code has run, the price label holds the form's design-time text
    // ("Цена: $12345"), which is no figure: the strip leaves it empty.
    const bool started = !config.StartupPending();
    const QString price =
        started ? QString::fromStdString(PriceLabelText(config.Figures())) : QString();
    const QString code = QString::fromStdString(config.CodeFieldText());
    // The code and the price together name the configuration: its breakdown changes with them.
    if (priceLabel_->text() != price || priceLabel_->property("breakdownCode") != code) {
        priceLabel_->setText(price);
        priceLabel_->setProperty("breakdownCode", code);
        priceLabel_->setToolTip(started ? PriceBreakdownTip(config) : QString());
        // Read as it shows: "Цена: $16215".
        priceLabel_->setAccessibleName(
            price.startsWith(QStringLiteral("Цена")) ? price : QStringLiteral("Цена: ") + price);
    }
    if (codeField_->text() != code) {
        codeField_->setText(code);
        codeTyped_ = false;
    }
}

void CommandStrip::ShowSteps(const ActionHistory& history) {
    undoButton_->setEnabled(history.CanUndo());
    redoButton_->setEnabled(history.CanRedo());
    undoButton_->setToolTip(StepTip("Отменить", history, true));
    redoButton_->setToolTip(StepTip("Повторить", history, false));
}

bool CommandStrip::eventFilter(QObject* watched, QEvent* e) {
    if (watched == codeField_) {
        // Not taken by the field: the window's undo and redo keys act.
        if (e->type() == QEvent::ShortcutOverride &&
            !CodeFieldTakesKey(static_cast<QKeyEvent*>(e))) {
            return true;
        }
        if (e->type() == QEvent::MouseButtonDblClick) {
            emit codeEntered();
            return true;
        }
    }
    return QFrame::eventFilter(watched, e);
}

// Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z in the code field: the field's own undo and redo while it
// holds text typed since the last decode and has a step to take, the configuration's otherwise.
bool CommandStrip::CodeFieldTakesKey(const QKeyEvent* e) const {
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
