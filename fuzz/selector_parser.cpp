// Feeds arbitrary text to the selector parser. A text either fails with one of
// the parser's messages at a position inside the stripped text, or parses to
// a list whose printed form parses again to the same objects and prints the
// same. The parser is compiled into this target so that it carries the
// fuzzer's coverage and sanitizer instrumentation.
#include "automation/selector/ConstSelector.cpp"
#include "automation/selector/Selector.cpp"
#include "automation/selector/SelectorAttribute.cpp"
#include "automation/selector/SelectorBuilder.cpp"
#include "automation/selector/SelectorError.cpp"
#include "automation/selector/SelectorList.cpp"

#include <QByteArray>
#include <QRegularExpression>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

QString shape(const Vexal::SelectorList* list)
{
    QString out;
    for (int i = 0; i < list->count(); ++i) {
        const Vexal::Selector* step = list->at(i);
        out += step->tag() + QLatin1Char('/') + QString::number(step->kind()) + QLatin1Char('/')
               + QString::number(step->join()) + QLatin1Char('{');
        for (int j = 0; j < step->attributeCount(); ++j) {
            const Vexal::SelectorAttribute* a = step->attributeAt(j);
            out += a->name() + QLatin1Char('/') + QString::number(a->keyword()) + QLatin1Char('/')
                   + QString::number(a->comparison()) + QLatin1Char('/') + a->value() + QLatin1Char(';');
        }
        out += QLatin1Char('}');
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));
    const QString stripped = Vexal::SelectorBuilder::strip(text);

    Vexal::SelectorBuilder builder;
    builder.build(text, QStringLiteral("c"), QStringLiteral("v"));

    if (stripped.isEmpty()) {
        if (builder.error() || builder.result())
            abort();
        return 0;
    }
    if (const Vexal::SelectorError* error = builder.error()) {
        static const QRegularExpression positioned(QStringLiteral(
            "^Invalid (character|tag name|operator|attribute value) at pos\\. (\\d+)\\. Selector: "));
        const QString message = error->text();
        if (message == QStringLiteral("Incomplete selector. Selector: ") + stripped)
            return 0;
        const QRegularExpressionMatch match = positioned.match(message);
        if (!match.hasMatch() || message.mid(match.capturedLength()) != stripped)
            abort();
        const int pos = match.captured(2).toInt();
        if (pos < 1 || pos > stripped.size() + 1)
            abort();
        return 0;
    }
    const Vexal::SelectorList* first = builder.result();
    if (!first || first->count() < 1)
        abort();
    const QString printed = first->toText();
    builder.build(printed, QString(), QString());
    if (builder.error() || !builder.result())
        abort();
    if (builder.result()->toText() != printed || shape(builder.result()) != shape(first))
        abort();
    return 0;
}
