// Conversions per second of the core, beside a baseline that does the same
// work with strtod and snprintf. Prints both and their ratio.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "convert/convert.h"
#include "units/units.h"

namespace {

struct Entry {
    std::string text;
    int from, to, precision;
};

// A mix of categories, magnitudes and precisions, as typed or as rewritten.
std::vector<Entry> MakeEntries()
{
    const char* texts[] = {"5", "1.5", "12.00000 m", "0.000123", "98765.4321", "-40", "1e6", "3.14159 rad"};
    const int pairs[][2] = {{0, 1}, {7, 3}, {35, 50}, {65, 59}, {121, 126}, {156, 155}, {167, 165}, {186, 182}};
    std::vector<Entry> entries;
    for (int i = 0; i < 64; ++i)
        entries.push_back({texts[i % 8], pairs[(i / 8) % 8][0], pairs[(i / 8) % 8][1], (i * 3) % 11});
    return entries;
}

const std::vector<Entry> kEntries = MakeEntries();

void BM_ConvertEntry(benchmark::State& state)
{
    size_t i = 0;
    for (auto _ : state) {
        const Entry& e = kEntries[i++ % kEntries.size()];
        ConversionTexts texts = ConvertEntry(e.text, e.from, e.to, e.precision);
        benchmark::DoNotOptimize(texts);
    }
    state.SetItemsProcessed(state.iterations());
}

// The same work with the C runtime: read with strtod, format with snprintf.
ConversionTexts SnprintfEntry(const Entry& e)
{
    char format[32];
    std::snprintf(format, sizeof format, VALUE_FORMAT_TEMPLATE, e.precision);
    const double value = std::strtod(e.text.c_str(), nullptr);
    const double result = ConvertByFactor(value, e.from, e.to);
    ConversionTexts texts;
    const auto print = [&](std::string& out, double v, const char* abbreviation) {
        const int n = std::snprintf(nullptr, 0, format, v, abbreviation);
        out.resize(static_cast<size_t>(n));
        std::snprintf(&out[0], static_cast<size_t>(n) + 1, format, v, abbreviation);
    };
    print(texts.result, result, g_units[e.to].abbreviation);
    print(texts.value, value, g_units[e.from].abbreviation);
    return texts;
}

void BM_SnprintfBaseline(benchmark::State& state)
{
    size_t i = 0;
    for (auto _ : state) {
        ConversionTexts texts = SnprintfEntry(kEntries[i++ % kEntries.size()]);
        benchmark::DoNotOptimize(texts);
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK(BM_ConvertEntry);
BENCHMARK(BM_SnprintfBaseline);

// Keeps each run's rate so that the ratio can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(OO_None) {}  // plain text: the perf script reads it
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const auto it = run.counters.find("items_per_second");
            if (it == run.counters.end())
                continue;
            (run.benchmark_name().find("Convert") != std::string::npos ? core_ : baseline_) = it->second.value;
        }
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        if (core_ > 0 && baseline_ > 0)
            std::printf("ConvertEntry: %.2f million/s, snprintf baseline: %.2f million/s, ratio %.2f\n", core_ / 1e6,
                        baseline_ / 1e6, core_ / baseline_);
    }

private:
    double core_ = 0, baseline_ = 0;
};

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
}
