#pragma once

#include "texts/LocaleTable.h"

#include <QObject>
#include <QString>

#define TESVAR_LOCALE_WEB_TAB_TABLE(TEXT, TEXT_ARG, FORWARD, FORWARD_ARGS) \
    TEXT(google, "Google") \
    TEXT(failed, "Failed") \
    TEXT(closedBeforeTheAnswer, "The connection was closed before the server answered. The form was not sent again: the server may have acted on it already") \
    TEXT(loading, "Loading...") \
    FORWARD(copy, LocaleBase, copy) \
    FORWARD(save, LocaleBase, save) \
    FORWARD(untitled, LocaleBase, untitled) \
    FORWARD(saveImageAs, LocaleMenu, saveImageAs) \
    FORWARD(copyImageLocation, LocaleMenu, copyImageLocation) \
    FORWARD(copyImage, LocaleMenu, copyImage) \
    FORWARD(viewImage, LocaleMenu, viewImage) \
    FORWARD(saveLinkAs, LocaleMenu, saveLinkAs) \
    FORWARD(copyLinkLocation, LocaleMenu, copyLinkLocation) \
    FORWARD(bookmarkThisLink, LocaleMenu, bookmarkThisLink) \
    FORWARD(quickBookmarkThisLink, LocaleMenu, quickBookmarkThisLink) \
    FORWARD(openLinkInNewTab, LocaleMenu, openLinkInNewTab) \
    FORWARD(load, LocaleMenu, load) \
    FORWARD(webSearch, LocaleMenu, webSearch) \
    FORWARD(pageSource, LocaleMenu, pageSource) \
    FORWARD(selectAll, LocaleMenu, selectAll) \
    FORWARD(bookmarkThisTab, LocaleMenu, bookmarkThisTab) \
    FORWARD(quickBookmark, LocaleMenu, quickBookmark) \
    FORWARD(stop, LocaleMenu, stop) \
    FORWARD(reload, LocaleMenu, reload) \
    FORWARD(forward, LocaleMenu, forward) \
    FORWARD(back, LocaleMenu, back) \
    FORWARD(operationCompleted, LocaleMessage, operationCompleted) \
    FORWARD(zoomLimitReached, LocaleMessage, zoomLimitReached) \
    FORWARD(operationFailed, LocaleMessage, operationFailed) \
    FORWARD(unexpectedError, LocaleMessage, unexpectedError) \
    FORWARD_ARGS(invalidObjectState, LocaleMessage, invalidObjectState, (const QString& object), (object))

namespace Vexal {

// Web view context menus and web tab page states.
namespace LocaleWebTab {

TESVAR_LOCALE_DECLARE(TESVAR_LOCALE_WEB_TAB_TABLE)

} // namespace LocaleWebTab

} // namespace Vexal
