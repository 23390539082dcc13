// The engine's hot paths: what one click, one trim change, one decode, one document or one
// payment schedule costs.
#include <benchmark/benchmark.h>

#include "engine/code/ConfigCode.h"
#include "engine/credit/CreditCalculator.h"
#include "engine/documents/CheckList.h"
#include "engine/documents/OrderDocument.h"
#include "engine/history/ActionHistory.h"
#include "engine/model/Configuration.h"

namespace {

using namespace kalvora;

// A UI port and observer like the desktop program's: the order text follows every price
// computation.
class DesktopLikeUi : public UiPort, public ConfigurationObserver {
  public:
    void ShowMessage(const std::string&) override {}
    bool Confirm(const std::string&) override { return true; }
    void PriceComputed() override {
        if (order) order->OnVerbalToggled();
    }
    std::string DateText() override { return "06.12.2026"; }
    std::string TimeText() override { return "18:20:08"; }
    OrderDocument* order = nullptr;
};

struct Session {
    Session() {
        ui.order = &order;
        config.SetObserver(&ui);
        config.SetCodeFieldText(std::string(kResetCode));
        config.DecodeCodeField();
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
        s.config.SetChecked(Opt::ComfortPackage, !s.config.Checked(Opt::ComfortPackage));
        benchmark::DoNotOptimize(s.config.Total());
    }
}
BENCHMARK(BM_PackageClick);

// A plain option: one price computation, code and order text.
void BM_OptionClick(benchmark::State& state) {
    Session s;
    s.config.SelectTrim(Trend);
    for (auto _ : state) {
        s.config.SetChecked(Opt::RearParkingSensor, !s.config.Checked(Opt::RearParkingSensor));
        benchmark::DoNotOptimize(s.config.Total());
    }
}
BENCHMARK(BM_OptionClick);

// The same click recorded as a user action: the report, the reasons and an undo step on top of
// the click itself. The difference from BM_PackageClick is what the history costs.
void BM_PackageClickRecorded(benchmark::State& state) {
    Session s;
    s.config.SelectTrim(Trend);
    ActionHistory history(s.config);
    for (auto _ : state) {
        const ActionScope action(history, {ActionKind::Click, Index(Opt::ComfortPackage)});
        s.config.SetChecked(Opt::ComfortPackage, !s.config.Checked(Opt::ComfortPackage));
        benchmark::DoNotOptimize(s.config.Total());
    }
}
BENCHMARK(BM_PackageClickRecorded);

// The report alone: comparing the configuration before and after a package click, and the
// reasons of the options it changed.
void BM_ActionReport(benchmark::State& state) {
    Session s;
    s.config.SelectTrim(Trend);
    const ConfigurationSnapshot before(s.config);
    s.config.SetChecked(Opt::ComfortPackage, true);
    const ConfigurationSnapshot after(s.config);
    ActionReport report;
    ReasonTable reasons{};
    const UserAction click{ActionKind::Click, Index(Opt::ComfortPackage)};
    for (auto _ : state) {
        ReportChanges(before, after, click, {}, &report);
        UpdateReasons(report, after, &reasons);
        benchmark::DoNotOptimize(reasons);
    }
}
BENCHMARK(BM_ActionReport);

// Undo and redo of a trim change: two configurations put back, two reports.
void BM_UndoRedo(benchmark::State& state) {
    Session s;
    ActionHistory history(s.config);
    {
        const ActionScope action(history, {ActionKind::Trim, Ghia});
        s.config.SelectTrim(Ghia);
    }
    for (auto _ : state) {
        history.Undo();
        history.Redo();
        benchmark::DoNotOptimize(s.config.Total());
    }
}
BENCHMARK(BM_UndoRedo);

// The reasons of a whole configuration (after a code, a reset, a file or "Оснастить"): every
// choice of the user tried once on a scratch configuration.
void BM_WholeConfigurationReasons(benchmark::State& state) {
    Session s;
    s.config.SelectTrim(Trend);
    s.config.SetChecked(Opt::ComfortPackage, true);
    s.config.SetChecked(Opt::WinterPackage, true);
    s.config.SetChecked(Opt::XenonHeadlamps, true);
    const ConfigurationSnapshot config(s.config);
    ReasonTable reasons{};
    for (auto _ : state) {
        ExplainConfiguration(config, &reasons);
        benchmark::DoNotOptimize(reasons);
    }
}
BENCHMARK(BM_WholeConfigurationReasons);

// A trim change with its nested runs (Ghia moves the three-door body and the engine).
void BM_TrimChange(benchmark::State& state) {
    Session s;
    s.config.SelectTrim(Trend);
    s.config.SelectBody(Hatchback3Door);
    for (auto _ : state) {
        s.config.SelectTrim(s.config.Trim() == Ghia ? Comfort : Ghia);
        s.config.SelectBody(Hatchback3Door);
        benchmark::DoNotOptimize(s.config.Total());
    }
}
BENCHMARK(BM_TrimChange);

// Decoding a code and settling it, as Enter in the code field does.
void BM_DecodeAndSettle(benchmark::State& state) {
    Session s;
    const char* codes[] = {"Zt!F!!!t!.!!!!!!!!!!", "####################"};
    int i = 0;
    for (auto _ : state) {
        s.config.SetCodeFieldText(codes[i ^= 1]);
        s.config.DecodeCodeField();
        benchmark::DoNotOptimize(s.config.CodeFieldText());
    }
}
BENCHMARK(BM_DecodeAndSettle);

void BM_CheckListComposition(benchmark::State& state) {
    Session s;
    s.config.SetCodeFieldText("Zt!F!!!t!.!!!!!!!!!!");
    s.config.DecodeCodeField();
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
        credit.Type(CreditField::RepayAfter, one ? "1" : "2");
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
        credit.Type(CreditField::FirstPercent, std::to_string(percent));
        benchmark::DoNotOptimize(credit);
    }
}
BENCHMARK(BM_FirstPaymentCascade);

}  // namespace
