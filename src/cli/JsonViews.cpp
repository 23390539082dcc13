#include "cli/JsonViews.h"

#include "cli/ChangeViews.h"
#include "engine/model/PriceTexts.h"

namespace kalvora::cli {

std::string JsonLine(const Json& object) {
    return object.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string ExplanationJson(const std::string& input, const Configuration& config,
                            const ActionHistory& history) {
    Json options = Json::array();
    for (int i = 0; i < kOptionCount; ++i) {
        const Opt o = OptAt(i);
        const OptionState& s = config.Option(o);
        options.push_back({{"id", Def(o).name},
                           {"caption", Def(o).caption},
                           {"state", StandingWord(o, s)},
                           {"price", s.price},
                           {"reason", history.Reason(o)}});
    }
    // Explained configurations have a total; should one not, the price is the figure that
    // stands for it.
    const PriceFigures& figures = config.Figures();
    return JsonLine({{"input", input},
                     {"code", config.CodeFieldText()},
                     {"price", figures.total ? *figures.total : FigureWithoutTotal(figures)},
                     {"options", options}});
}

}  // namespace kalvora::cli
