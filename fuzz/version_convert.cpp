// Feeds arbitrary text to the version and date readers, which take user and
// file text: malformed input must give an invalid result, never a bad read.
// The readers are compiled into this target as well, so that they carry the
// fuzzer's coverage and sanitizer instrumentation (the library does not).
#include "core/Convert.cpp"
#include "core/Version.cpp"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));

    Vexal::Version* version = Vexal::Version::parse(text, nullptr);
    if (Vexal::Version::isValid(text) != (version != nullptr))
        abort();
    if (version) {
        Vexal::Version* again = Vexal::Version::parse(version->toString(), nullptr);
        if (!again || !again->isEqual(version))
            abort();
        delete again;
        delete version;
    }

    const QDate date = Vexal::Convert::toDate(text);
    if (Vexal::Convert::isDate(text) != date.isValid())
        abort();
    const QDateTime dateTime = Vexal::Convert::toDateTime(text);
    if (Vexal::Convert::isDateTime(text) && !dateTime.date().isValid())
        abort();
    if (!Vexal::Convert::isDateTime(text) && dateTime.isValid())
        abort();

    Vexal::Convert::isIndexToken(text);
    Vexal::Convert::indexOfToken(text);
    Vexal::Convert::toBool(text);
    Vexal::Convert::capitalize(text);
    Vexal::Convert::startsWithUpper(text);
    return 0;
}
