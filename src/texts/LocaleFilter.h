#pragma once

#include "texts/LocaleTable.h"

#include <QObject>
#include <QString>

#define TESVAR_LOCALE_FILTER_TABLE(TEXT, TEXT_ARG, FORWARD, FORWARD_ARGS) \
    TEXT(like, "Like") \
    TEXT(endsWith, "Ends With") \
    TEXT(startsWith, "Starts With") \
    TEXT(doesNotEqual, "Does Not Equal") \
    TEXT(equals, "Equals")

namespace Vexal {

// Operators of the text-column filter.
namespace LocaleFilter {

TESVAR_LOCALE_DECLARE(TESVAR_LOCALE_FILTER_TABLE)

} // namespace LocaleFilter

} // namespace Vexal
