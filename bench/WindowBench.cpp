#include "Form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>

namespace {

// From a click on "＝" until all ten fields are written (1 3/4 + 2 1/3).
void EqualsToFieldsWritten(benchmark::State& state)
{
    ui::Form1 form;
    form.show();
    QApplication::processEvents();
    auto* add = form.findChild<QPushButton*>(QStringLiteral("js1"));
    auto* equals = form.findChild<QPushButton*>(QStringLiteral("dy"));
    const char* operands[] = {"1", "4", "3", "2", "3", "1"};
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < 6; ++i)
            form.t(i + 1)->setText(QString::fromLatin1(operands[i]));
        add->click();
        state.ResumeTiming();
        equals->click();
    }
    if (form.t(7)->text() != QStringLiteral("4"))
        state.SkipWithError("wrong result");
}

// Construction of the main window, show, and the events up to its first paint.
void ConstructAndShowForm1(benchmark::State& state)
{
    for (auto _ : state) {
        ui::Form1 form;
        form.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(form.isVisible());
    }
}

} // namespace

BENCHMARK(EqualsToFieldsWritten)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(ConstructAndShowForm1)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
