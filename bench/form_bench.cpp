// Speed of the real window (offscreen): a click on "Rotat" with its live repaints, and opening
// Form1 up to its first paint.

#include "form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace quentor {
namespace {

class ErstesZeichnen : public QObject {
  public:
    bool gezeichnet = false;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        gezeichnet = gezeichnet || ereignis->type() == QEvent::Paint;
        return QObject::eventFilter(objekt, ereignis);
    }
};

void BM_RotatKlick(benchmark::State& state) {
    Form1 form(nullptr, {.frage = [](QWidget*, const QString&, const QString&) { return true; }});
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        state.SkipWithError("window not exposed");
        return;
    }
    auto* okstep = form.findChild<QPushButton*>(QStringLiteral("okstep"));
    auto* okneu = form.findChild<QPushButton*>(QStringLiteral("okneu"));
    for (auto _ : state) {
        if (form.spieltisch().sitzung().wurfzaehler > 4900) {
            state.PauseTiming();
            QTest::mouseClick(okneu, Qt::LeftButton);
            state.ResumeTiming();
        }
        QTest::mouseClick(okstep, Qt::LeftButton);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_RotatKlick)->Unit(benchmark::kMillisecond);

std::unique_ptr<Form1> zeigeBisZumErstenZeichnen() {
    ErstesZeichnen beobachter;
    auto form = std::make_unique<Form1>();
    form->installEventFilter(&beobachter);
    form->show();
    while (!beobachter.gezeichnet) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    form->removeEventFilter(&beobachter);
    return form;
}

void BM_Form1BisZumErstenZeichnen(benchmark::State& state) {
    for (auto _ : state) {
        auto form = zeigeBisZumErstenZeichnen();
        state.PauseTiming();
        form.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Form1BisZumErstenZeichnen)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quentor

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication anwendung(argc, argv);
    {
        // The first window of a process also loads the font database: timed once, apart.
        QElapsedTimer uhr;
        uhr.start();
        auto form = quentor::zeigeBisZumErstenZeichnen();
        std::printf("Form1 bis zum ersten Zeichnen, erstes Fenster des Prozesses: %.1f ms\n",
                    static_cast<double>(uhr.nsecsElapsed()) / 1e6);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
