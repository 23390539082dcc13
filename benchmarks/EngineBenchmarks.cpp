// The engine's hot paths: what one click, one trim change or one decode costs.
#include <benchmark/benchmark.h>

#include "model/Configuration.h"

namespace {

using namespace kalvora;

class QuietUi : public UiPort {
public:
    void ShowMessage(const std::string&) override {}
    bool Confirm(const std::string&) override { return true; }
    std::string DateText() override { return "06.12.2026"; }
    std::string TimeText() override { return "18:20:08"; }
};

// A check-box click with its whole cascade: the comfort package ticked and unticked again,
// each time with its member options, the price and the code.
void BM_PackageClick(benchmark::State& state) {
    QuietUi ui;
    Configuration config(ui);
    config.SelectTrim(Trend);
    for (auto _ : state) {
        config.SetChecked(Opt::KomfBox, !config.Checked(Opt::KomfBox));
        benchmark::DoNotOptimize(config.PriceLabel());
    }
}
BENCHMARK(BM_PackageClick);

// A trim change with its nested runs (Ghia moves the three-door body and the engine).
void BM_TrimChange(benchmark::State& state) {
    QuietUi ui;
    Configuration config(ui);
    config.SelectTrim(Trend);
    config.SelectBody(Kuzov3dr);
    for (auto _ : state) {
        config.SelectTrim(config.Trim() == Ghia ? Comfort : Ghia);
        config.SelectBody(Kuzov3dr);
        benchmark::DoNotOptimize(config.PriceLabel());
    }
}
BENCHMARK(BM_TrimChange);

}  // namespace
