// Speed of the core: one spin, a whole session, loading a permanence file.

#include "laden.h"
#include "spieltisch.h"
#include "zufall.h"

#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace quentor {
namespace {

// The lightest window: fields as strings, everything else ignored.
class Stummfenster : public Anzeige, public Optionsfelder, public Meldungen, public Dateidialog {
  public:
    void setzeText(Feld feld, std::string_view text) override {
        felder_[static_cast<std::size_t>(feld)] = text;
    }
    std::string text(Feld feld) const override { return felder_[static_cast<std::size_t>(feld)]; }
    void neuZeichnen(Feld) override {}
    int haken(int) const override { return 0; }
    void warnung(std::string_view, std::string_view) override {}
    std::string oeffnen(std::string_view, std::string_view) override { return pfad; }

    std::string pfad;

  private:
    std::array<std::string, 7> felder_;
};

void BM_Wurf(benchmark::State& state) {
    Stummfenster fenster;
    Mersennezufall zufall(1);
    Spieltisch tisch(fenster, fenster, fenster, zufall);
    tisch.start();
    for (auto _ : state) {
        if (tisch.sitzung().wurfzaehler >= wurfgrenze - 1) {
            tisch.neustart(); // once every 4999 spins
        }
        benchmark::DoNotOptimize(tisch.wurf());
    }
}
BENCHMARK(BM_Wurf);

void BM_Sitzung5000MitRotationen(benchmark::State& state) {
    Stummfenster fenster;
    Mersennezufall zufall(2);
    Spieltisch tisch(fenster, fenster, fenster, zufall);
    for (auto _ : state) {
        tisch.start();
        while (tisch.sitzung().wurfzaehler < wurfgrenze) {
            for (int i = 0; i < 37; ++i) {
                tisch.wurf();
            }
            tisch.ganzerotation();
        }
        benchmark::DoNotOptimize(tisch.sitzung().freizahl);
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
    Stummfenster fenster;
    fenster.pfad = pfad.string();
    Sitzung sitzung;
    for (auto _ : state) {
        laden(sitzung, fenster, fenster, fenster);
        benchmark::DoNotOptimize(sitzung.dateianzahl);
    }
    std::filesystem::remove(pfad);
    if (sitzung.dateianzahl != permanenzgrenze) {
        state.SkipWithError("file not read whole");
    }
}
BENCHMARK(BM_Laden3599Werte)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace quentor
