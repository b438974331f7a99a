// Spinning 1 MB of nested spintax. The text comes from a fixed xorshift rule
// that bench/spintax-compare/compare.js repeats exactly, so the npm spinners
// there spin the very same text; both print its length and FNV-1a checksum.
#include "content/SPNSpintax.h"
#include "core/Random.h"

#include <QString>

#include <benchmark/benchmark.h>

namespace {

class SpintaxGenerator
{
public:
    QString text()
    {
        QString out;
        out.reserve(targetSize + 4096);
        while (out.size() < targetSize) {
            group(out, 1);
            out += QStringLiteral(". ");
        }
        return out;
    }

    static constexpr int targetSize = 1 << 20;

private:
    quint32 next(quint32 n)
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state % n;
    }

    void group(QString& out, int depth)
    {
        out += QLatin1Char('{');
        const quint32 alternatives = 2 + next(3);
        for (quint32 a = 0; a < alternatives; ++a) {
            if (a > 0)
                out += QLatin1Char('|');
            phrase(out, depth);
        }
        out += QLatin1Char('}');
    }

    void phrase(QString& out, int depth)
    {
        static const char* const words[] = {"alpha", "bravo", "charlie", "delta", "echo", "foxtrot",
                                            "golf", "hotel", "india", "juliet", "kilo", "lima",
                                            "mike", "november", "oscar", "papa"};
        const quint32 parts = 1 + next(4);
        for (quint32 i = 0; i < parts; ++i) {
            if (i > 0)
                out += QLatin1Char(' ');
            if (depth < 5 && next(3) == 0)
                group(out, depth + 1);
            else
                out += QLatin1String(words[next(16)]);
        }
    }

    quint32 m_state = 2463534242u;
};

const QString& nestedText()
{
    static const QString text = SpintaxGenerator().text();
    return text;
}

void describe(benchmark::State& state, const QString& text)
{
    quint32 hash = 2166136261u;
    for (QChar c : text) {
        hash ^= c.unicode();
        hash *= 16777619u;
    }
    state.SetLabel(QStringLiteral("chars=%1 fnv=%2").arg(text.size()).arg(hash, 8, 16, QLatin1Char('0')).toStdString());
    state.SetBytesProcessed(state.iterations() * qint64(text.size()) * qint64(sizeof(QChar)));
}

} // namespace

static void BM_SpinNested1MB(benchmark::State& state)
{
    const QString& text = nestedText();
    const Vexal::SPNSpintax spintax(text);
    Vexal::Random random;
    for (auto _ : state) {
        QString variant = spintax.spin(random);
        benchmark::DoNotOptimize(variant.constData());
    }
    describe(state, text);
}
BENCHMARK(BM_SpinNested1MB)->Unit(benchmark::kMillisecond);

static void BM_ParseNested1MB(benchmark::State& state)
{
    const QString& text = nestedText();
    for (auto _ : state) {
        Vexal::SPNSpintax spintax(text);
        benchmark::DoNotOptimize(spintax.isValid());
    }
    describe(state, text);
}
BENCHMARK(BM_ParseNested1MB)->Unit(benchmark::kMillisecond);

static void BM_ParseAndSpinNested1MB(benchmark::State& state)
{
    const QString& text = nestedText();
    Vexal::Random random;
    for (auto _ : state) {
        QString variant = Vexal::SPNSpintax(text).spin(random);
        benchmark::DoNotOptimize(variant.constData());
    }
    describe(state, text);
}
BENCHMARK(BM_ParseAndSpinNested1MB)->Unit(benchmark::kMillisecond);
