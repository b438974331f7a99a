#pragma once

#include "texts/LocaleTable.h"

#include <QObject>
#include <QString>

#define TESVAR_LOCALE_BOOKMARK_TABLE(TEXT, TEXT_ARG, FORWARD, FORWARD_ARGS) \
    TEXT(visible, "Visible") \
    TEXT(hidden, "Hidden") \
    TESVAR_LOCALE_PAGE_RECORD_ENTRIES(FORWARD) \
    FORWARD(bookmark, LocaleInstance, bookmark) \
    FORWARD(bookmarks, LocaleInstance, bookmarks) \
    FORWARD(quickBookmark, LocaleMenu, quickBookmark) \
    FORWARD(bookmarkThisTab, LocaleMenu, bookmarkThisTab) \
    FORWARD(bookmarkAllTabs, LocaleMenu, bookmarkAllTabs) \
    FORWARD(unexpectedError, LocaleMessage, unexpectedError) \
    FORWARD(bookmarkTable, DBSql, tableBookmark)

namespace Vexal {

// Bookmark journal, table, editor, dialog and commands.
namespace LocaleBookmark {

TESVAR_LOCALE_DECLARE(TESVAR_LOCALE_BOOKMARK_TABLE)

} // namespace LocaleBookmark

} // namespace Vexal
