#pragma once

#include "texts/LocaleTable.h"

#include <QObject>
#include <QString>

#define TESVAR_LOCALE_BOOKMARK_TABLE(TEXT, TEXT_ARG, FORWARD, FORWARD_ARGS) \
    TEXT(visible, "Visible") \
    TEXT(hidden, "Hidden") \
    FORWARD(title, LocaleDialog, title) \
    FORWARD(load, LocaleBase, load) \
    FORWARD(url, LocaleBase, url) \
    FORWARD(urlPrefix, LocaleBase, urlPrefix) \
    FORWARD(comments, LocaleBase, comments) \
    FORWARD(id, LocaleBase, id) \
    FORWARD(selectionChanged, LocaleBase, selectionChanged) \
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
