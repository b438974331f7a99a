#pragma once

#include "texts/LocaleTable.h"

#include <QObject>
#include <QString>

#define TESVAR_LOCALE_BROWSER_TABLE(TEXT, TEXT_ARG, FORWARD, FORWARD_ARGS) \
    TEXT(wikipedia, "Wikipedia") \
    TEXT(answers, "Answers") \
    TEXT(amazon, "Amazon") \
    TEXT(yahoo, "Yahoo") \
    TEXT(google, "Google") \
    FORWARD(closeOtherTabs, LocaleMenu, closeOtherTabs) \
    FORWARD(ninjaTab, LocaleMenu, ninjaTab) \
    FORWARD(lockedTab, LocaleMenu, lockedTab) \
    FORWARD(reloadAllTabs, LocaleMenu, reloadAllTabs) \
    FORWARD(reloadTab, LocaleMenu, reloadTab) \
    FORWARD(cloneTab, LocaleMenu, cloneTab) \
    FORWARD(closeTab, LocaleMenu, closeTab) \
    FORWARD(newTab, LocaleMenu, newTab) \
    FORWARD(updateItems, LocaleBase, updateItems) \
    FORWARD(urlPrefix, LocaleBase, urlPrefix) \
    FORWARD(comments, LocaleBase, comments) \
    FORWARD(name, LocaleBase, name) \
    FORWARD(id, LocaleBase, id) \
    FORWARD(bookmarkAllTabs, LocaleMenu, bookmarkAllTabs) \
    FORWARD(bookmarkThisTab, LocaleMenu, bookmarkThisTab) \
    FORWARD(quickBookmark, LocaleMenu, quickBookmark) \
    FORWARD(load, LocaleMenu, load) \
    FORWARD(webSearch, LocaleMenu, webSearch) \
    FORWARD(openLocation, LocaleMenu, openLocation) \
    FORWARD(homePage, LocaleMenu, homePage) \
    FORWARD(stop, LocaleMenu, stop) \
    FORWARD(reload, LocaleMenu, reload) \
    FORWARD(forward, LocaleMenu, forward) \
    FORWARD(back, LocaleMenu, back) \
    FORWARD(statusBar, LocaleMenu, statusBar) \
    FORWARD(menuBar, LocaleMenu, menuBar) \
    FORWARD(confirmCloseAllTabs, LocaleMessage, confirmCloseAllTabs) \
    FORWARD(confirmCloseOtherTabs, LocaleMessage, confirmCloseOtherTabs) \
    FORWARD(confirmManyTabs, LocaleMessage, confirmManyTabs) \
    FORWARD(confirmLoseUnsavedData, LocaleMessage, confirmLoseUnsavedData) \
    FORWARD(webTabsOnly, LocaleMessage, webTabsOnly) \
    FORWARD(cannotCloseTab, LocaleMessage, cannotCloseTab) \
    FORWARD(cannotCloseLockedTab, LocaleMessage, cannotCloseLockedTab) \
    FORWARD(tabLimitReached, LocaleMessage, tabLimitReached) \
    FORWARD(unexpectedError, LocaleMessage, unexpectedError) \
    FORWARD_ARGS(invalidObjectState, LocaleMessage, invalidObjectState, (const QString& object), (object))

namespace Vexal {

// Tab manager, search bar, navigation and location bars.
namespace LocaleBrowser {

TESVAR_LOCALE_DECLARE(TESVAR_LOCALE_BROWSER_TABLE)

} // namespace LocaleBrowser

} // namespace Vexal
