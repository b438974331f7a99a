#include <QApplication>
#include <benchmark/benchmark.h>

// The benchmarks need a QApplication (pages, widgets and the database driver).
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Nothing here may reach the maker's server, not even a name look-up:
    // unless a test points it at its own loopback server, it points at a
    // loopback port where nothing listens.
    if (qEnvironmentVariableIsEmpty("TESVAR_SERVER_URL"))
        qputenv("TESVAR_SERVER_URL", "http://127.0.0.1:9/");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
