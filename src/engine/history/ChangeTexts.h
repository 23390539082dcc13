// The user's words for what an action did and why an option is what it is: captions of the
// options and choices, never internal names.
#pragma once

#include <string>

#include "engine/history/OptionReasons.h"

namespace kalvora {

// Why the option is not freely choosable, for its tooltip ("Недоступно в комплектации
// Ambiente", "Входит в пакет «Комфорт»: стандартно, цена 0", "Обязательно с опцией «Кожаная
// обивка сидений», цена 290"); empty when it is. "Стандартно" is said only of what is ticked,
// locked and free. A hidden dealer extra says what it is.
std::string ReasonText(Opt o, const OptionState& now, const OptionReason& reason);

// The option whose ticking made a standard option part of the car, as a list names it beside
// the option: "в пакете «Зимний»", "в составе «Радио Пакет №6»", "с опцией «Кондиционер»";
// empty when no ticked option did (the trim, body or engine gives it).
std::string IncludedWithText(const OptionReason& reason);

// The notice after an action that changed more than its target ("С пакетом «Улучшенной
// обзорности»: снят пакет «Зимний» (−400 $)"); every undo and redo has one; empty otherwise.
// Every option a rule ticked or unticked that costs money either way, and every one whose
// share of the total changed, is named with its amount; only the rest is counted.
std::string NoticeText(const ActionReport& report);

// How texts name an option: its caption without the list of contents, in «»
// ("«Комфорт»", "«Кожаная обивка сидений»").
std::string OptionTitle(Opt o);

// An action as undo and redo name it ("Комплектация Ghia", "С пакетом «Комфорт»"); `ticked`
// tells whether a click ticked its option.
std::string StepTitle(const UserAction& action, bool ticked);

}  // namespace kalvora
