#include "desktop/info/PreheaterWindow.h"

#include <QPalette>
#include <QTextEdit>
#include <QVBoxLayout>

#include "desktop/info/InfoTexts.h"
#include "desktop/info/QtText.h"

namespace kalvora {

PreheaterWindow::PreheaterWindow(QWidget* parent) : QDialog(parent), text_(new QTextEdit(this)) {
    setObjectName(QStringLiteral("TPPForma"));
    setWindowTitle(ToQString(info_text::kPreheaterCaption));
    setModal(true);
    text_->setObjectName(QStringLiteral("Text"));
    text_->setReadOnly(true);
    // Tab moves on to the next control instead of staying in the text.
    text_->setTabChangesFocus(true);
    QPalette palette = text_->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    text_->setPalette(palette);
    text_->setHtml(ToQString(info_text::kPreheaterHtml));
    text_->setAccessibleName(QStringLiteral("Описание подогревателя"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text_);
    resize(640, 600);
}

}  // namespace kalvora
