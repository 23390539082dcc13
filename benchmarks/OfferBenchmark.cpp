// The offer letter: one PDF with its credit page, from a settled configuration; and a thousand
// of them in one process, as kalvora-cli offer --output-dir makes a day's offers.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "cli/CommandLineStart.h"
#include "engine/credit/CreditCalculator.h"
#include "desktop/offer/OfferPdf.h"
#include "engine/code/DiskFileAccess.h"

namespace {

using namespace kalvora;

// A Ghia wagon with every option "Оснастить" ticks, and an Ambiente three-door without any.
constexpr const char* kCodes[] = {"yLTqV.vzk7Ss########", "111111111#1111111111"};

QByteArray MakeOne(const char* code, bool credit) {
    DiskFileAccess files;
    cli::CommandLineStart start(code, files);
    CreditCalculator calc(',');
    const OfferDate date = *ParseOfferDate("2026-12-08");
    const auto offer = MakeOffer(start.Config(), {"Автосалон", "Адрес", "+7", "site"}, date,
                                 credit ? &calc : nullptr);
    return offer::OfferPdf(*offer, date);
}

// The contents alone, without Qt: the engine's part of an offer.
void BM_OfferContents(benchmark::State& state) {
    DiskFileAccess files;
    cli::CommandLineStart start(kCodes[0], files);
    CreditCalculator calc(',');
    const OfferDate date = *ParseOfferDate("2026-12-08");
    for (auto _ : state) {
        benchmark::DoNotOptimize(MakeOffer(start.Config(), {}, date, &calc));
    }
}
BENCHMARK(BM_OfferContents)->Unit(benchmark::kMicrosecond);

// One whole offer: the code settled, the contents gathered, both pages laid out and written.
void BM_OfferPdf(benchmark::State& state) {
    const bool credit = state.range(0) != 0;
    std::int64_t bytes = 0;
    for (auto _ : state) bytes += MakeOne(kCodes[0], credit).size();
    state.counters["bytes"] = benchmark::Counter(static_cast<double>(bytes) / state.iterations());
}
BENCHMARK(BM_OfferPdf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A thousand offers in one process, half of them with a credit page.
void BM_ThousandOffers(benchmark::State& state) {
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) benchmark::DoNotOptimize(MakeOne(kCodes[i % 2], i % 4 < 2));
    }
}
BENCHMARK(BM_ThousandOffers)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
    static int qtArgc = 3;
    static char name[] = "kalvora_offer_benchmark";
    static char option[] = "-platform";
    static char platform[] = "offscreen";
    static char* qtArgv[] = {name, option, platform, nullptr};
    QGuiApplication application(qtArgc, qtArgv);
    // The first offer loads the fonts and drawings; that is start-up, not an offer.
    MakeOne(kCodes[0], true);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
