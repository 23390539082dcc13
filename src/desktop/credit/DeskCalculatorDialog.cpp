#include "desktop/credit/DeskCalculatorDialog.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalvora {

DeskCalculatorDialog::DeskCalculatorDialog(char decimalSeparator, QWidget* parent)
    : QDialog(parent), calculator_(decimalSeparator), separator_(decimalSeparator) {
    setWindowTitle(QStringLiteral("Калькулятор"));
    auto* layout = new QVBoxLayout(this);
    display_ = new QLineEdit(this);
    display_->setObjectName(QStringLiteral("Display"));
    display_->setReadOnly(true);
    display_->setAlignment(Qt::AlignRight);
    display_->setFocusPolicy(Qt::NoFocus);
    QFont big = display_->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    display_->setFont(big);
    layout->addWidget(display_);

    struct Key {
        const char* caption;
        char key;
    };
    const char sep[2] = {separator_, '\0'};
    const Key keys[5][4] = {
        {{"C", 'C'}, {"←", '<'}, {"÷", '/'}, {"×", '*'}},
        {{"7", '7'}, {"8", '8'}, {"9", '9'}, {"−", '-'}},
        {{"4", '4'}, {"5", '5'}, {"6", '6'}, {"+", '+'}},
        {{"1", '1'}, {"2", '2'}, {"3", '3'}, {"=", '='}},
        {{"0", '0'}, {"00", '0'}, {sep, separator_}, {nullptr, 0}},
    };
    auto* grid = new QGridLayout;
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 4; ++c) {
            const Key& k = keys[r][c];
            if (k.caption == nullptr)
                continue;
            auto* button = new QPushButton(QString::fromUtf8(k.caption), this);
            button->setObjectName(QString::fromUtf8(k.caption));
            button->setAutoDefault(false);
            button->setFocusPolicy(Qt::NoFocus);
            button->setMinimumSize(44, 32);
            const bool twice = QByteArray(k.caption) == "00";
            const char key = k.key;
            connect(button, &QPushButton::clicked, this, [this, key, twice] {
                Press(key);
                if (twice)
                    Press(key);
            });
            grid->addWidget(button, r, c);
        }
    }
    layout->addLayout(grid);
    display_->setText(QString::fromStdString(calculator_.Display()));
}

QString DeskCalculatorDialog::DisplayText() const {
    return display_->text();
}

void DeskCalculatorDialog::Press(char key) {
    calculator_.Press(key);
    display_->setText(QString::fromStdString(calculator_.Display()));
}

void DeskCalculatorDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Press('=');
            return;
        case Qt::Key_Backspace:
            Press('<');
            return;
        case Qt::Key_Delete:
            Press('C');
            return;
        case Qt::Key_Comma:
        case Qt::Key_Period:
            Press(separator_);
            return;
        default:
            break;
    }
    const QString text = event->text();
    if (text.size() == 1) {
        const char c = text.at(0).toLatin1();
        if ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '*' || c == '/' || c == '=') {
            Press(c);
            return;
        }
    }
    QDialog::keyPressEvent(event);  // Escape closes
}

}  // namespace kalvora
