#pragma once

#include "texts/LocaleTable.h"

#include <QObject>
#include <QString>

#define TESVAR_LOCALE_HISTORY_TABLE(TEXT, TEXT_ARG, FORWARD, FORWARD_ARGS) \
    TEXT(yesterday, "Yesterday") \
    TEXT(lastWeek, "Last Week") \
    TEXT(lastMonth, "Last Month") \
    FORWARD(today, LocaleDialog, today) \
    TESVAR_LOCALE_PAGE_RECORD_ENTRIES(FORWARD) \
    FORWARD(history, LocaleInstance, history) \
    FORWARD(clearRecentHistory, LocaleMenu, clearRecentHistory) \
    FORWARD(unexpectedError, LocaleMessage, unexpectedError)

namespace Vexal {

// History journal, tree, table, editor and commands.
namespace LocaleHistory {

TESVAR_LOCALE_DECLARE(TESVAR_LOCALE_HISTORY_TABLE)

} // namespace LocaleHistory

} // namespace Vexal
