#include "documents/CheckListWindow.h"

#include <QPushButton>
#include <QToolButton>
#include <algorithm>

#include "documents/CheckList.h"
#include "info/ScreenFit.h"

namespace kalvora {

CheckListWindow::CheckListWindow(const Configuration& config, UiPort& ui, QWidget* parent)
    : DocumentWindow({"Перечень контролируемых параметров при приёмке автомобиля", "CheckList",
                      "Перечень контролируемых параметров скопирован в буфер обмена.", 9,
                      "Перечень контролируемых параметров"},
                     ui, parent),
      config_(config) {
    setObjectName("MomoForm");
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setGeometry(42, 59, 1022, 706);
    PlaceButtons(8, 112, 8, 24);
    button1_ = new QPushButton("Обновить", Panel1());
    button1_->setObjectName("Button1");
    Place(button1_, {std::max(224, SpeedButton4()->geometry().right() + 6), 8, 75, 25});
    connect(button1_, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void CheckListWindow::Button1Click() {
    SetDocumentLines(CheckList::Compose(config_, ui_));
}

void CheckListWindow::ComposeAndShow() {
    Button1Click();
    // The window stays on top: on a small screen it must not hide its own scroll bars.
    FitIntoScreen(*this);
    show();
    raise();
    activateWindow();
}

}  // namespace kalvora
