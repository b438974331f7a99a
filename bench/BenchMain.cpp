#include "OfflineRun.h"
#include "core/ProcessSetup.h"

#include <QApplication>
#include <benchmark/benchmark.h>

// The benchmarks need a QApplication (pages, widgets and the database driver).
int main(int argc, char** argv)
{
    // Timed as the program runs: its process set up as main sets it.
    Vexal::prepareProcess();
    prepareOfflineRun();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
