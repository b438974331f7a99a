#include "automation/smart/SmartArticle.h"
#include "automation/smart/SmartElement.h"
#include "automation/smart/SmartRegistration.h"

#include <QElapsedTimer>
#include <QEventLoop>
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

// A registration-like page with that many fields (500 unless said): table
// rows of a label and a control, with a search form before the main one; or
// the same rows as DIVs outside any FORM or table, which takes the block
// climb.
QString page500(bool blocks = false, int fields = 500)
{
    static const char* const labels[] = {"First name", "Last name", "E-mail", "Password", "Phone number",
                                         "City", "Street address", "Zip code", "Website", "Nickname"};
    QString html = QStringLiteral(
        "<html><head><style>.row td { padding: 2px; } .hint { color: gray; }</style></head><body>"
        "<form id='search'><input name='q'><input type='submit' value='Go'></form>"
        "<h1>Join</h1><form id='main'><table>");
    for (int i = 0; i < fields; ++i) {
        const QString label = QString::fromLatin1(labels[i % 10]);
        QString control;
        switch (i % 25) {
        case 5:
            control = QStringLiteral("<select name='s%1'><option>Year</option><option>1990</option></select>").arg(i);
            break;
        case 11:
            control = QStringLiteral("<input type='checkbox' name='c%1'> <span class='hint'>I agree</span>").arg(i);
            break;
        case 17:
            control = QStringLiteral("<input type='radio' name='r%1' value='m'> Male").arg(i);
            break;
        default:
            control = QStringLiteral("<input type='text' name='f%1'>").arg(i);
            break;
        }
        html += QStringLiteral("<tr class='row'><td><b>%1</b></td><td>%2</td></tr>").arg(label, control);
    }
    html += QStringLiteral("</table><input type='submit' value='Join'></form></body></html>");
    if (blocks) {
        html.replace(QLatin1String("<form id='main'><table>"), QLatin1String("<div id='main'>"));
        html.replace(QLatin1String("</table><input type='submit' value='Join'></form>"), QLatin1String("</div>"));
        html.replace(QLatin1String("<tr class='row'><td>"), QLatin1String("<div class='row'><div>"));
        html.replace(QLatin1String("</td><td>"), QLatin1String("</div><div>"));
        html.replace(QLatin1String("</td></tr>"), QLatin1String("</div></div>"));
    }
    return html;
}

bool load(QWebView& view, const QString& html)
{
    QEventLoop loop;
    bool loaded = false;
    QObject::connect(view.page(), &QWebPage::loadFinished, &loop, [&] {
        loaded = true;
        loop.quit();
    });
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    view.setHtml(html, QUrl(QStringLiteral("http://127.0.0.1/")));
    if (!loaded)
        loop.exec();
    return loaded;
}

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
        int read = 0;
        for (const QWebElement& e : view.page()->mainFrame()->findAllElements(QStringLiteral("*"))) {
            read += e.tagName().size() + e.attribute(QStringLiteral("id")).size()
                + e.attribute(QStringLiteral("name")).size()
                + e.styleProperty(QStringLiteral("display"), QWebElement::CascadedStyle).size();
        }
        benchmark::DoNotOptimize(read);
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
