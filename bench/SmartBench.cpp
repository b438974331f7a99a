#include "Callgrind.h"
#include "automation/smart/SmartArticle.h"
#include "automation/smart/SmartElement.h"
#include "automation/smart/SmartRegistration.h"
#include "smart/SmartBenchPages.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebElement>
#include <QWebFrame>
#include <QWebPage>
#include <QWebView>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <limits>
#include <vector>

namespace {

using SmartBenchPages::load;
using SmartBenchPages::page500;
using SmartBenchPages::walkPage;

// Median load time of the page in a fresh view, in nanoseconds.
double loadTimeNs()
{
    static double median = 0;
    if (median > 0)
        return median;
    const QString html = page500();
    std::vector<qint64> times;
    for (int i = 0; i < 7; ++i) {
        QWebView view;
        QElapsedTimer timer;
        timer.start();
        load(view, html);
        times.push_back(timer.nsecsElapsed());
    }
    std::sort(times.begin(), times.end());
    median = double(times[times.size() / 2]);
    return median;
}

void BM_SmartLoad500(benchmark::State& state)
{
    const QString html = page500();
    for (auto _ : state) {
        QWebView view;
        if (!load(view, html))
            state.SkipWithError("page did not load");
    }
}
BENCHMARK(BM_SmartLoad500)->Unit(benchmark::kMillisecond);

// Median time, in nanoseconds, of the least any recognition asks of the
// engine on the page the view shows: every element's tag, id, name and
// cascaded display, read once through the engine's own calls.
double walkTimeNs(QWebView& view)
{
    std::vector<qint64> times;
    for (int i = 0; i < 7; ++i) {
        QElapsedTimer timer;
        timer.start();
        benchmark::DoNotOptimize(walkPage(view));
        times.push_back(timer.nsecsElapsed());
    }
    std::sort(times.begin(), times.end());
    return double(times[times.size() / 2]);
}

// Reports the recognition time as multiples of two peers timed in the same
// run: "xLoad" of the page's load time (the goal is at most 1) and "xWalk"
// of one walk over the page's elements through the engine (steadier on a
// busy machine).
template <class Recogniser>
void runRecognition(benchmark::State& state, bool blocks = false)
{
    const double loadNs = loadTimeNs();
    QWebView view;
    if (!load(view, page500(blocks))) {
        state.SkipWithError("page did not load");
        return;
    }
    const double walkNs = walkTimeNs(view);
    QElapsedTimer timer;
    qint64 total = 0;
    for (auto _ : state) {
        timer.start();
        Recogniser recogniser(nullptr);
        recogniser.analyse(Vexal::PageDomHandle(&view));
        total += timer.nsecsElapsed();
        if (recogniser.elements().size() < 450)
            state.SkipWithError("controls missing");
    }
    state.counters["xLoad"] = double(total) / double(state.iterations()) / loadNs;
    state.counters["xWalk"] = double(total) / double(state.iterations()) / walkNs;
}

void BM_SmartRegistration500(benchmark::State& state)
{
    runRecognition<Vexal::SmartRegistration>(state);
}
BENCHMARK(BM_SmartRegistration500)->Unit(benchmark::kMillisecond);

// Least processor time of a few registration recognitions of the page the
// view shows, in nanoseconds.
qint64 recognitionCpuNs(QWebView& view, int runs)
{
    qint64 best = std::numeric_limits<qint64>::max();
    for (int i = 0; i < runs; ++i) {
        timespec start{};
        timespec end{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &start);
        Vexal::SmartRegistration recogniser(nullptr);
        recogniser.analyse(Vexal::PageDomHandle(&view));
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &end);
        best = std::min(best, qint64(end.tv_sec - start.tv_sec) * 1000000000 + (end.tv_nsec - start.tv_nsec));
    }
    return best;
}

// A form four times larger: "x500" is its cost as a multiple of the 500
// fields' (processor time, best of three each, in the same run); a cost
// that grows with the form stays near 4.
void BM_SmartRegistration2000(benchmark::State& state)
{
    QWebView small;
    QWebView large;
    if (!load(small, page500()) || !load(large, page500(false, 2000))) {
        state.SkipWithError("page did not load");
        return;
    }
    const qint64 smallNs = recognitionCpuNs(small, 3);
    qint64 largeNs = 0;
    for (auto _ : state)
        largeNs = recognitionCpuNs(large, 3);
    state.counters["x500"] = double(largeNs) / double(smallNs);
}
BENCHMARK(BM_SmartRegistration2000)->Unit(benchmark::kMillisecond)->Iterations(1);

// Instructions of one registration recognition of the page of that many
// fields (labelled: a LABEL names every box), and of one walk over the page's
// elements through the engine, counted by callgrind in the same program;
// false, with the benchmark's error set, where they could not be counted.
bool countRecognition(benchmark::State& state, int fields, bool labelled, double* recognition, double* walk)
{
    if (Callgrind::valgrind().isEmpty()) {
        state.SkipWithError("valgrind is not installed: no instructions to count");
        return false;
    }
    QTemporaryDir out;
    const QString counts = out.filePath(QStringLiteral("counts"));
    QStringList program{QStringLiteral(TESVAR_SMART_COUNT), QString::number(fields)};
    if (labelled)
        program << QStringLiteral("labelled");
    if (!Callgrind::run(counts, program)) {
        state.SkipWithError("the recognition did not run under callgrind");
        return false;
    }
    *recognition = Callgrind::instructionsIn(counts + QStringLiteral(".1"));
    *walk = Callgrind::instructionsIn(counts + QStringLiteral(".2"));
    if (*recognition <= 0 || *walk <= 0) {
        state.SkipWithError("callgrind wrote no counts");
        return false;
    }
    return true;
}

// Instructions of one registration recognition of the page of 2,000 fields,
// counted by callgrind (counts repeat from run to run, unlike times), in
// millions, and as a multiple of one walk over the page's elements through
// the engine counted in the same run ("xWalk").
void BM_SmartRegistrationInstructions(benchmark::State& state)
{
    double recognition = -1;
    double walk = -1;
    for (auto _ : state) {
        if (!countRecognition(state, 2000, false, &recognition, &walk))
            return;
    }
    state.counters["recognition_Mi"] = recognition / 1e6;
    state.counters["walk_Mi"] = walk / 1e6;
    state.counters["xWalk"] = recognition / walk;
}
BENCHMARK(BM_SmartRegistrationInstructions)->Iterations(1)->Unit(benchmark::kSecond);

// How the instructions of a recognition grow with a form whose every box a
// LABEL names by its id: 2,000 boxes as a multiple of 500 ("labelled_x500",
// at most 4.4 where the cost grows with the form), beside the same growth of
// the page of unlabelled boxes ("x500"), all counted in the same run.
void BM_SmartLabelledInstructions(benchmark::State& state)
{
    double counts[2][2] = {{-1, -1}, {-1, -1}};
    double walk = -1;
    for (auto _ : state) {
        for (const bool labelled : {false, true}) {
            for (const int fields : {500, 2000}) {
                if (!countRecognition(state, fields, labelled, &counts[labelled][fields == 2000], &walk))
                    return;
            }
        }
    }
    state.counters["x500"] = counts[0][1] / counts[0][0];
    state.counters["labelled_x500"] = counts[1][1] / counts[1][0];
    state.counters["labelled2000_Mi"] = counts[1][1] / 1e6;
    state.counters["labelled500_Mi"] = counts[1][0] / 1e6;
}
BENCHMARK(BM_SmartLabelledInstructions)->Iterations(1)->Unit(benchmark::kSecond);

void BM_SmartArticle500(benchmark::State& state)
{
    runRecognition<Vexal::SmartArticle>(state);
}
BENCHMARK(BM_SmartArticle500)->Unit(benchmark::kMillisecond);

void BM_SmartArticleBlocks500(benchmark::State& state)
{
    runRecognition<Vexal::SmartArticle>(state, true);
}
BENCHMARK(BM_SmartArticleBlocks500)->Unit(benchmark::kMillisecond);

} // namespace
