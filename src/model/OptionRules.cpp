// The click rules of the individual options: packages, exclusions and implied options.
#include "model/Configuration.h"

namespace kalvora {

void Configuration::KomfBoxClick() { PriceButtonClick(); }
void Configuration::KomfPBoxClick() { PriceButtonClick(); }
void Configuration::ZimBoxClick() { PriceButtonClick(); }
void Configuration::ObzorBoxClick() { PriceButtonClick(); }
void Configuration::Obzor1BoxClick() { PriceButtonClick(); }
void Configuration::PuteshBoxClick() { PriceButtonClick(); }
void Configuration::IntererBoxClick() { PriceButtonClick(); }
void Configuration::R2BoxClick() { PriceButtonClick(); }
void Configuration::R4BoxClick() { PriceButtonClick(); }
void Configuration::R6BoxClick() { PriceButtonClick(); }
void Configuration::R7BoxClick() { PriceButtonClick(); }
void Configuration::KsenonBoxClick() { PriceButtonClick(); }
void Configuration::AdaptBoxClick() { PriceButtonClick(); }
void Configuration::PB5BoxClick() { PriceButtonClick(); }
void Configuration::SidVod6BoxClick() { PriceButtonClick(); }
void Configuration::PodsvBoxClick() { PriceButtonClick(); }
void Configuration::KozaBoxClick() { PriceButtonClick(); }
void Configuration::IVDBoxClick() { PriceButtonClick(); }
void Configuration::ABSBoxClick() { PriceButtonClick(); }

}  // namespace kalvora
