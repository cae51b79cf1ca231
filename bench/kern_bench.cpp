// Speed of the core: one spin, a whole session, loading a permanence file.

#include "speichertisch.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace quentor {
namespace {

void BM_Wurf(benchmark::State& state) {
    Speichertisch s;
    for (auto _ : state) {
        if (s.sitzung().wurfzaehler >= wurfgrenze - 1) {
            s.neu(true); // once every 4999 spins
        }
        benchmark::DoNotOptimize(s.wurf());
        s.vergiss(); // memory stays flat
    }
}
BENCHMARK(BM_Wurf);

void BM_Sitzung5000MitRotationen(benchmark::State& state) {
    for (auto _ : state) {
        Speichertisch s; // a new session each time
        while (s.sitzung().wurfzaehler < wurfgrenze) {
            for (int i = 0; i < 37; ++i) {
                s.wurf();
            }
            s.ganzerotation();
            s.vergiss();
        }
        benchmark::DoNotOptimize(s.sitzung().freizahl);
    }
    state.SetLabel("5000 spins");
}
BENCHMARK(BM_Sitzung5000MitRotationen)->Unit(benchmark::kMillisecond);

void BM_Laden3599Werte(benchmark::State& state) {
    const auto pfad = std::filesystem::temp_directory_path() /
                      ("quentor_bench_" + std::to_string(::getpid()) + ".txt");
    {
        std::ofstream datei(pfad);
        datei << "Spielbank Musterstadt\r\nTisch 1\r\n07.12.2026\r\nPermanenz\r\n";
        for (int i = 0; i < permanenzgrenze; ++i) {
            datei << (i * 13) % 37 << (i % 25 == 24 ? "\r\n-----\r\n" : "\r\n");
        }
    }
    Speichertisch s;
    for (auto _ : state) {
        s.lade(pfad.string());
        benchmark::DoNotOptimize(s.sitzung().dateianzahl());
        s.vergiss();
    }
    std::filesystem::remove(pfad);
    if (s.sitzung().dateianzahl() != permanenzgrenze) {
        state.SkipWithError("file not read whole");
    }
}
BENCHMARK(BM_Laden3599Werte)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace quentor
