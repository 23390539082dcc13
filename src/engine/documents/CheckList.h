// The acceptance check list: everything to inspect when taking delivery of a car built to the
// current configuration, composed afresh from the main window's controls each time.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "KalvoraVersion.h"
#include "engine/model/Configuration.h"
#include "engine/model/UiPort.h"

namespace kalvora {

class CheckList {
  public:
    static constexpr int kRowCount = 217;
    // The About window's version caption, quoted in the footer.
    static constexpr std::string_view kVersion = "Версия " KALVORA_VERSION;

    // Numbers (1 to kRowCount) of the inspection items the configuration lists, in list order.
    static std::vector<int> ListedRows(const Configuration& config);
    // The text of inspection item `number` (1 to kRowCount).
    static std::string_view RowText(int number);
    // The whole list, one line per element: header with the configuration code, the listed
    // items, and the footer with the version and the clock of `ui`.
    static std::vector<std::string> Compose(const Configuration& config, UiPort& ui);
};

}  // namespace kalvora
