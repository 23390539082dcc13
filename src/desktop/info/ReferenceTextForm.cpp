#include "desktop/info/ReferenceTextForm.h"

#include <QFont>
#include <QPalette>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "desktop/info/QtText.h"

namespace kalvora {

QPlainTextEdit* ReferenceTextForm::CreateTableText(std::string_view text, QWidget* parent) {
    auto* table = new QPlainTextEdit(parent);
    table->setObjectName(QStringLiteral("Table"));
    table->setReadOnly(true);
    // Tab moves on to the next control instead of staying in the text.
    table->setTabChangesFocus(true);
    table->setLineWrapMode(QPlainTextEdit::NoWrap);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(QStringLiteral("Courier New"), 10);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    table->setFont(font);
    QPalette palette = table->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    table->setPalette(palette);
    table->setPlainText(ToQString(text));
    return table;
}

ReferenceTextForm::ReferenceTextForm(QWidget* parent, std::string_view caption,
                                     std::string_view text, QSize size)
    : QDialog(parent), table_(CreateTableText(text, this)) {
    setWindowTitle(ToQString(caption));
    table_->setAccessibleName(QStringLiteral("Таблица: ") + ToQString(caption));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table_);
    resize(size);
}

}  // namespace kalvora
