// Speed of the core: one spin, a whole session, loading a permanence file.

#include "permanenzleser.h"
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
    bool frage(std::string_view, std::string_view) override { return true; }
    std::string oeffnen(std::string_view, std::string_view) override { return pfad; }

    std::string pfad;

  private:
    std::array<std::string, anzeigefelder.size()> felder_;
};

// The window, a random source and the real reader around one session.
struct Stummtisch {
    explicit Stummtisch(std::uint32_t saat) : zufall(saat) { tisch.start(); }
    Stummfenster fenster;
    Mersennezufall zufall;
    Dateileser leser;
    Spieltisch tisch{Umgebung{fenster, fenster, fenster, fenster, zufall, leser}};
};

void BM_Wurf(benchmark::State& state) {
    Stummtisch s(1);
    Spieltisch& tisch = s.tisch;
    for (auto _ : state) {
        if (tisch.sitzung().wurfzaehler >= wurfgrenze - 1) {
            tisch.neuanfang(); // once every 4999 spins
        }
        benchmark::DoNotOptimize(tisch.wurf());
    }
}
BENCHMARK(BM_Wurf);

void BM_Sitzung5000MitRotationen(benchmark::State& state) {
    Stummtisch s(2);
    Spieltisch& tisch = s.tisch;
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
    Stummtisch s(3);
    s.fenster.pfad = pfad.string();
    for (auto _ : state) {
        s.tisch.laden();
        benchmark::DoNotOptimize(s.tisch.sitzung().dateianzahl());
    }
    std::filesystem::remove(pfad);
    if (s.tisch.sitzung().dateianzahl() != permanenzgrenze) {
        state.SkipWithError("file not read whole");
    }
}
BENCHMARK(BM_Laden3599Werte)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace quentor
