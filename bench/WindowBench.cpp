#include "Form1.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <benchmark/benchmark.h>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

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

double ResidentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024;
    }
    return 0;
}

// Ten rounds of pasting a million digits into t(1), "＝", closing the message, "新运算":
// resident memory after the first round and after the tenth.
void PasteRoundsMemory(benchmark::State& state)
{
    ui::Form1 form;
    form.show();
    const QString million(1000000, u'9');
    for (auto _ : state) {
        for (int round = 1; round <= 10; ++round) {
            QApplication::clipboard()->setText(million);
            form.t(1)->paste();
            form.findChild<QPushButton*>(QStringLiteral("js1"))->click();
            QTimer::singleShot(0, &form, [] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                    box->accept();
            });
            form.findChild<QPushButton*>(QStringLiteral("dy"))->click();
            form.findChild<QAction*>(QStringLiteral("news"))->trigger();
            QApplication::processEvents();
            if (round == 1)
                state.counters["first_round_MiB"] = ResidentMiB();
        }
        state.counters["tenth_round_MiB"] = ResidentMiB();
    }
}

} // namespace

BENCHMARK(PasteRoundsMemory)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(EqualsToFieldsWritten)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(ConstructAndShowForm1)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

int main(int argc, char* argv[])
{
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 128 * 1024); // as the program does
#endif
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
