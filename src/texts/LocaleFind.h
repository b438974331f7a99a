#pragma once

#include "texts/LocaleTable.h"

#include <QObject>
#include <QString>

#define TESVAR_LOCALE_FIND_TABLE(TEXT, TEXT_ARG, FORWARD, FORWARD_ARGS) \
    TEXT(with, "with") \
    TEXT(matchCase, "Match Case") \
    TEXT(previous, "Previous") \
    TEXT(next, "Next") \
    TEXT(replaceAll, "Replace All") \
    FORWARD(close, LocaleBase, close) \
    FORWARD(selectAll, LocaleMenu, selectAll) \
    FORWARD(goToLine, LocaleMenu, goToLine) \
    FORWARD(replace, LocaleMenu, replace) \
    FORWARD(find, LocaleMenu, find)

namespace Vexal {

// Find, replace and go-to-line bars.
namespace LocaleFind {

TESVAR_LOCALE_DECLARE(TESVAR_LOCALE_FIND_TABLE)

} // namespace LocaleFind

} // namespace Vexal
