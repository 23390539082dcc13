#include "desktop/documents/CheckListWindow.h"

#include <QPushButton>
#include <QToolButton>
#include <algorithm>

#include "engine/documents/CheckList.h"
#include "desktop/info/ScreenFit.h"

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
    refreshButton_ = new QPushButton("Обновить", Panel());
    refreshButton_->setObjectName("Button1");
    Place(refreshButton_, {std::max(224, CopyButton()->geometry().right() + 6), 8, 75, 25});
    connect(refreshButton_, &QPushButton::clicked, this, [this] { Refresh(); });
}

void CheckListWindow::Refresh() {
    SetDocumentLines(CheckList::Compose(config_, ui_));
}

void CheckListWindow::ComposeAndShow() {
    Refresh();
    // The window stays on top: on a small screen it must not hide its own scroll bars.
    FitIntoScreen(*this);
    show();
    raise();
    activateWindow();
}

}  // namespace kalvora
