// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt canvas on the PDF printer: how long measuring a text takes (the layout measures
// every task of a page) and how long a full page of text and lines takes to print.

#include "qt/platform/Kopflos.h"
#include "qt/platform/PdfDrucker.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

TSchrift Schrift12()
{
    TSchrift schrift;
    schrift.Groesse = 12;
    return schrift;
}

void TextMessen(benchmark::State& state)
{
    TPdfDrucker drucker;
    drucker.Leinwand().SetzeSchrift(Schrift12());
    for (auto _ : state)
        benchmark::DoNotOptimize(drucker.Leinwand().Textbreite("1234 + 5678 = 6912"));
}
BENCHMARK(TextMessen);

void SeiteDrucken(benchmark::State& state)
{
    // 200 short texts and 200 lines on one page, laid out as 40 rows of 5 tasks.
    std::vector<std::string> texte;
    for (int i = 0; i < 200; ++i)
        texte.push_back(std::to_string(i * 37 % 1000) + " + " + std::to_string(i * 53 % 1000) + " =");
    TPdfDrucker drucker;
    drucker.Leinwand().SetzeSchrift(Schrift12());
    std::size_t groesse = 0;
    for (auto _ : state) {
        drucker.BeginDoc();
        TLeinwand& leinwand = drucker.Leinwand();
        leinwand.SetzeStift(FarbeSchwarz, 2);
        for (int i = 0; i < 200; ++i) {
            const int x = 200 + (i % 5) * 1800;
            const int y = 300 + (i / 5) * 320;
            leinwand.TextAus(x, y, texte[static_cast<std::size_t>(i)]);
            leinwand.BewegeZu(x, y + 260);
            leinwand.LinieZu(x + 1500, y + 260);
        }
        drucker.EndDoc();
        groesse = drucker.Dokument().size();
    }
    state.counters["PDF-Bytes"] = static_cast<double>(groesse);
}
BENCHMARK(SeiteDrucken)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    auto anwendung = KopflosStarten(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
