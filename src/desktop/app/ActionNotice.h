// The notice under the main choices: what the last action changed besides its target, in one or
// two lines until the next action.
#pragma once

#include <QLabel>

namespace kalvora {
class ActionHistory;
}

namespace kalvora::app {

class ActionNotice : public QLabel {
  public:
    explicit ActionNotice(QWidget* parent);

    // The notice of `history`'s last action, cut to two lines; the whole text stays in the
    // tooltip and for screen readers. Hidden when there is nothing to tell.
    void ShowNotice(const ActionHistory& history);
};

}  // namespace kalvora::app
