// The user's words for what an action did and why an option is what it is: captions of the
// options and choices, never internal names.
#pragma once

#include <string>

#include "history/OptionReasons.h"

namespace kalvora {

// Why the option is not freely choosable, for its tooltip ("Недоступно в комплектации
// Ambiente", "Входит в пакет «Комфорт»: стандартно, цена 0"); empty when it is.
std::string ReasonText(Opt o, const OptionState& now, const OptionReason& reason);

// The notice after an action that changed more than its target ("С пакетом «Улучшенной
// обзорности»: снят пакет «Зимний» (−400 $)"); every undo and redo has one; empty otherwise.
std::string NoticeText(const ActionReport& report);

// An action as undo and redo name it ("Комплектация Ghia", "С пакетом «Комфорт»"); `ticked`
// tells whether a click ticked its option.
std::string StepTitle(const UserAction& action, bool ticked);

}  // namespace kalvora
