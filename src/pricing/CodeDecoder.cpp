// Edit1DblClick and the start code: from a code back to the controls.
#include "model/Configuration.h"
#include "pricing/ConfigFile.h"

namespace kalvora {

void Configuration::Edit1DblClick() {}

void Configuration::FormActivate(const std::vector<std::string>&, FileAccess&) {
    startupPending_ = false;
}

void Configuration::SaveToFile(const std::string&, FileAccess&) {}
void Configuration::OpenFile(const std::string&, FileAccess&) {}

}  // namespace kalvora
