// The credit window's texts as they appear on screen: its captions, the tooltips of its fields
// and the names a screen reader gives them. Only the credit window's source includes it.
#pragma once

#include "engine/credit/CreditCalculator.h"

namespace kalvora::credit_texts {

using F = CreditField;
using B = CreditBox;

const char* const kCaption = "Денежные расчёты";
const char* const kNewsHost = "www.rbc.ru";
const char* const kNewsAddress = "https://www.rbc.ru/";
const char* const kDragFormat = "application/x-kalvora-credit-field";

const char* const kPriceCaption = "Стоимость автомобиля по конфигуратору:";
const char* const kKaskoCreditGroup = " Проценты КАСКО кредитного авто: ";
const char* const kKaskoPlainGroup = " Проценты КАСКО НЕкредитного авто: ";
const char* const kYearRows[3] = {"1-й год:", "2-й год:", "3-й год:"};
const char* const kPremiumCaption = "%;  Сумма:";
const char* const kKaskoAfterDiscountCaption =
    "Проценты по КАСКО указаны на автомобиль на сумму после скидки ФМК";
const char* const kYearsGroup = " Расчитывать стоимость КАСКО за: ";
const char* const kYearBoxes[3] = {"1-й год", "2-й год", "3-й год"};
const char* const kFirstPaymentCaption =
    "Первый взнос по кредиту                       %;   Сумма:";
const char* const kCreditSumCaption = "Остаток от стоимости после первого взноса = сумма кредита:";
const char* const kRateCaption = "Ставка по кредиту, %";
const char* const kPromoColumn = "От ФМК:";
const char* const kRealColumn = "Реальный:";
const char* const kSumCaption = "Сумма кредита, $:";
const char* const kTermCaption = "Срок кредита, мес:";
const char* const kMonthlyCaption = "Ежемесячные выплаты, $:";
const char* const kDiscountCaption = "Скидка от ФМК составит, $:";
const char* const kFixCaption = "Фиксированная скидка (из расчёта 40% предоплаты)";
const char* const kEarlyCaption = "Спустя           мес. погасить кредит к  ...";
const char* const kMonthWord = "месяцу";
const char* const kBankTotalCaption = "К моменту погашения будет выплачено за кредит:";
const char* const kLossesCaption = "Потери за использование кредита составят, $:";
const char* const kPaidTotalCaption = "К концу расчётного срока выплачено всего, $:";
const char* const kNote1 =
    "* Примечание. Цветные поля невозможны для редактирования\r\n  (они вычисляются программой "
    "автоматически)";
const char* const kNote2 =
    "** Примечание2. Не забудьте про ОСАГО. Это ещё ежегодно     не менее 100 уе. ";
const char* const kRatesGroup = " Курсы валют: ";
const char* const kUsdCaption = "1$  =                     руб";
const char* const kEurCaption = "1 eur =                            руб";
const char* const kNewsButtonCaption = "Проверить на ";

struct Tip {
    CreditField field;
    const char* text;
};

const Tip kTips[] = {
    {F::Price,
     "Стоимость, которая получилась из конфигуратора.\r\nПри желании сюда можно написать любую "
     "сумму."},
    {F::FirstPercent,
     "Условия льготного кредитования от ФМК:\r\nпервый взнос не менее 40% от стоимости авто"},
    {F::FirstPayment, "Сумма первого взноса."},
    {F::CreditSum, "Сумма, на которую, по идее, нужно брать кредит"},
    {F::RatePromo, "Льготная ставка, которую обещает предоставить ФМК"},
    {F::RateReal, "Реальная ставка, которую Вам предоставит банк"},
    {F::RealLoan,
     "Такая должна быть сумма реального кредита при условии реальной ставки и фиксированной "
     "величины выплат"},
    {F::MonthlyPayment,
     "Это сумма, которую необходимо выплачивать ежемесячно, чтобы погасить весь кредит в срок"},
    {F::Discount,
     "На эту сумму ФМК должна уменьшить стоимость автомобиля,\r\nчтобы для покупателя, который "
     "берёт кредит в реальном банке\r\nежемесячные выплаты составили сумму из расчёта "
     "льготной\r\nставки от ФМК"},
    {F::KaskoCredit1, "Вычисленная сумма страховки"},
    {F::KaskoCredit2, "Вычисленная сумма страховки"},
    {F::KaskoCredit3, "Вычисленная сумма страховки"},
    {F::KaskoPlain1, "Вычисленная сумма страховки"},
    {F::KaskoPlain2, "Вычисленная сумма страховки"},
    {F::KaskoPlain3, "Вычисленная сумма страховки"},
    {F::BankTotal, "Эту сумму покупатель отдаёт через банк."},
    {F::PaidTotal,
     "Столько в совокупности покупатель заплатит за автомобиль. Здесь:\r\n- Первый взнос\r\n- "
     "Кредитные затраты\r\n- Стоимость страхования по КАСКО"},
    {F::Losses,
     "Если поле красным цветом - покупатель несёт потери вследствие использования "
     "кредита.\r\nЕсли зелёным - с учётом скидки от ФМК покупатель заплатит за автомобиль "
     "меньше, чем без кредита."},
    {F::RepayAfter, "Если кредит погасить досрочно, то есть шанс сэкономить средства"},
    {F::RepayBy, "Если кредит погасить досрочно, то есть шанс сэкономить средства"},
};

// What a screen reader calls each field: the caption beside it, with the group or column the
// eye takes from the layout (a premium field sits in a group box that names neither the year
// nor whether it is the rate or the sum).
struct FieldName {
    CreditField field;
    const char* name;
};

const FieldName kFieldNames[] = {
    {F::Price, "Стоимость автомобиля по конфигуратору, $"},
    {F::KaskoCreditRate1, "КАСКО кредитного авто, 1-й год, %"},
    {F::KaskoCreditRate2, "КАСКО кредитного авто, 2-й год, %"},
    {F::KaskoCreditRate3, "КАСКО кредитного авто, 3-й год, %"},
    {F::KaskoCredit1, "КАСКО кредитного авто, 1-й год, сумма"},
    {F::KaskoCredit2, "КАСКО кредитного авто, 2-й год, сумма"},
    {F::KaskoCredit3, "КАСКО кредитного авто, 3-й год, сумма"},
    {F::KaskoPlainRate1, "КАСКО некредитного авто, 1-й год, %"},
    {F::KaskoPlainRate2, "КАСКО некредитного авто, 2-й год, %"},
    {F::KaskoPlainRate3, "КАСКО некредитного авто, 3-й год, %"},
    {F::KaskoPlain1, "КАСКО некредитного авто, 1-й год, сумма"},
    {F::KaskoPlain2, "КАСКО некредитного авто, 2-й год, сумма"},
    {F::KaskoPlain3, "КАСКО некредитного авто, 3-й год, сумма"},
    {F::FirstPercent, "Первый взнос по кредиту, %"},
    {F::FirstPayment, "Первый взнос по кредиту, сумма"},
    {F::CreditSum, "Остаток после первого взноса, сумма кредита"},
    {F::RatePromo, "Ставка по кредиту от ФМК, %"},
    {F::RateReal, "Реальная ставка по кредиту, %"},
    {F::PromoLoan, "Сумма кредита от ФМК, $"},
    {F::RealLoan, "Сумма реального кредита, $"},
    {F::Term, "Срок кредита, мес"},
    {F::MonthlyPayment, "Ежемесячные выплаты, $"},
    {F::Discount, "Скидка от ФМК составит, $"},
    {F::RepayAfter, "Досрочное погашение: спустя, мес"},
    {F::RepayBy, "Досрочное погашение: погасить кредит к месяцу"},
    {F::BankTotal, "К моменту погашения будет выплачено за кредит"},
    {F::Losses, "Потери за использование кредита, $"},
    {F::PaidTotal, "К концу расчётного срока выплачено всего, $"},
    {F::UsdRate, "Курс доллара, руб. за 1 $"},
    {F::EurRate, "Курс евро, руб. за 1 eur"},
    {F::Dollars, "Сумма в долларах"},
    {F::Roubles, "Сумма в рублях"},
    {F::Euros, "Сумма в евро"},
};

struct BoxName {
    CreditBox box;
    const char* name;
};

// The boxes whose captions need their group or their fields to be understood.
const BoxName kBoxNames[] = {
    {B::RepayEarly, "Досрочно погасить кредит"},
    {B::KaskoYear1, "Рассчитывать КАСКО за 1-й год"},
    {B::KaskoYear2, "Рассчитывать КАСКО за 2-й год"},
    {B::KaskoYear3, "Рассчитывать КАСКО за 3-й год"},
};

const char* const kEarlyTip =
    "Досрочное погашение кредита возможно по согласованию с банком.\r\nПри этом чаще всего "
    "составляется дополнительное соглашение (если это не оговорено в кредитном договоре)";

}  // namespace kalvora::credit_texts
