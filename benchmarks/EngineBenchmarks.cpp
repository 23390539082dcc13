// The engine's hot paths: what one click, one trim change, one decode, one document or one
// payment schedule costs.
#include <benchmark/benchmark.h>

#include "credit/CreditCalculator.h"
#include "documents/CheckList.h"
#include "documents/OrderDocument.h"
#include "model/Configuration.h"
#include "pricing/ConfigCode.h"

namespace {

using namespace kalvora;

// A UI port like the desktop program's: the order text follows every price computation.
class DesktopLikeUi : public UiPort {
  public:
    void ShowMessage(const std::string&) override {}
    bool Confirm(const std::string&) override { return true; }
    void RefreshOrder() override {
        if (order) order->SlovoBoxClick();
    }
    std::string DateText() override { return "06.12.2026"; }
    std::string TimeText() override { return "18:20:08"; }
    OrderDocument* order = nullptr;
};

struct Session {
    Session() {
        ui.order = &order;
        config.SetEdit1(std::string(kResetCode));
        config.Edit1DblClick();
    }
    DesktopLikeUi ui;
    Configuration config{ui};
    OrderDocument order{config, ui};
};

// A check-box click with its whole cascade: the comfort package ticked and unticked again,
// each time with its member options, the price, the code and the order text.
void BM_PackageClick(benchmark::State& state) {
    Session s;
    s.config.SelectTrim(Trend);
    for (auto _ : state) {
        s.config.SetChecked(Opt::KomfBox, !s.config.Checked(Opt::KomfBox));
        benchmark::DoNotOptimize(s.config.PriceLabel());
    }
}
BENCHMARK(BM_PackageClick);

// A plain option: one price computation, code and order text.
void BM_OptionClick(benchmark::State& state) {
    Session s;
    s.config.SelectTrim(Trend);
    for (auto _ : state) {
        s.config.SetChecked(Opt::ParkBox, !s.config.Checked(Opt::ParkBox));
        benchmark::DoNotOptimize(s.config.PriceLabel());
    }
}
BENCHMARK(BM_OptionClick);

// A trim change with its nested runs (Ghia moves the three-door body and the engine).
void BM_TrimChange(benchmark::State& state) {
    Session s;
    s.config.SelectTrim(Trend);
    s.config.SelectBody(Kuzov3dr);
    for (auto _ : state) {
        s.config.SelectTrim(s.config.Trim() == Ghia ? Comfort : Ghia);
        s.config.SelectBody(Kuzov3dr);
        benchmark::DoNotOptimize(s.config.PriceLabel());
    }
}
BENCHMARK(BM_TrimChange);

// Decoding a code and settling it, as Enter in the code field does.
void BM_DecodeAndSettle(benchmark::State& state) {
    Session s;
    const char* codes[] = {"Zt!F!!!t!.!!!!!!!!!!", "####################"};
    int i = 0;
    for (auto _ : state) {
        s.config.SetEdit1(codes[i ^= 1]);
        s.config.Edit1DblClick();
        benchmark::DoNotOptimize(s.config.Edit1());
    }
}
BENCHMARK(BM_DecodeAndSettle);

void BM_CheckListComposition(benchmark::State& state) {
    Session s;
    s.config.SetEdit1("Zt!F!!!t!.!!!!!!!!!!");
    s.config.Edit1DblClick();
    for (auto _ : state) benchmark::DoNotOptimize(CheckList::Compose(s.config, s.ui));
}
BENCHMARK(BM_CheckListComposition);

// The 36-month schedule alone: a new early-repayment month refills it.
void BM_PaymentSchedule(benchmark::State& state) {
    CreditCalculator credit;
    credit.Open(20000);
    bool one = true;
    for (auto _ : state) {
        one = !one;
        credit.Type(CreditField::SpustEdit, one ? "1" : "2");
        benchmark::DoNotOptimize(credit);
    }
}
BENCHMARK(BM_PaymentSchedule);

// A new first payment: the loan, the premiums and the schedule, which the cascade of text
// changes fills more than once.
void BM_FirstPaymentCascade(benchmark::State& state) {
    CreditCalculator credit;
    credit.Open(20000);
    int percent = 40;
    for (auto _ : state) {
        percent = percent == 40 ? 35 : 40;
        credit.Type(CreditField::Edit4, std::to_string(percent));
        benchmark::DoNotOptimize(credit);
    }
}
BENCHMARK(BM_FirstPaymentCascade);

}  // namespace
