// Feeds arbitrary text to the spintax compiler and spins the result: a text
// must either compile or report the brace a plain balance scan finds, and
// spinning must stay within the text's literal characters. The compiler is
// built into this target so that it carries the fuzzer's instrumentation.
#include "content/SPNSpintax.cpp"

#include "core/Random.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

bool isSpecial(QChar c)
{
    return c == QLatin1Char('{') || c == QLatin1Char('}') || c == QLatin1Char('|');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Vexal::Random random;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));

    // Balance scan and the text with the escapes resolved.
    QString plain;
    std::vector<int> open;
    int unexpected = -1;
    for (int i = 0; i < text.size() && unexpected < 0; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\\') && i + 1 < text.size() && isSpecial(text.at(i + 1))) {
            plain += text.at(++i);
        } else if (c == QLatin1Char('{')) {
            open.push_back(i);
        } else if (c == QLatin1Char('}')) {
            if (open.empty())
                unexpected = i;
            else
                open.pop_back();
        } else if (c == QLatin1Char('|') && !open.empty()) {
        } else {
            plain += c;
        }
    }

    Vexal::SPNSpintax spintax(text);
    if (unexpected >= 0) {
        if (spintax.error() != Vexal::SPNSpintax::UnexpectedClose || spintax.errorPosition() != unexpected)
            abort();
    } else if (!open.empty()) {
        if (spintax.error() != Vexal::SPNSpintax::UnclosedOpen || spintax.errorPosition() != open.back())
            abort();
    } else if (!spintax.isValid()) {
        abort();
    }

    if (!spintax.isValid()) {
        if (spintax.spin(random) != text || spintax.errorString().isEmpty())
            abort();
        return 0;
    }
    for (int i = 0; i < 4; ++i) {
        const QString variant = spintax.spin(random);
        if (variant.size() > plain.size())
            abort();
        if (spintax.choiceCount() == 0 && variant != plain)
            abort();
    }
    return 0;
}
