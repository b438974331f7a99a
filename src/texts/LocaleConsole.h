#pragma once

#include "texts/LocaleTable.h"

#include <QObject>
#include <QString>

#define TESVAR_LOCALE_CONSOLE_TABLE(TEXT, TEXT_ARG, FORWARD, FORWARD_ARGS) \
    TEXT(errorConsole, "Error Console") \
    TEXT_ARG(sourceOf, page, "Source of: %1") \
    TEXT(tooltips, "Tooltips") \
    TEXT(clear, "Clear") \
    TEXT(wordWrap, "Word Wrap") \
    TEXT(highlight, "Highlight") \
    TEXT(selectAll, "Select All") \
    TEXT(message, "Message") \
    TEXT(information, "Information") \
    TEXT(warning, "Warning") \
    TEXT(warnings, "Warnings") \
    TEXT(error, "Error") \
    TEXT(errors, "Errors") \
    TEXT(current, "Current") \
    TEXT(all, "All") \
    TEXT(notificationConsoles, "Notification Consoles") \
    TEXT(notificationConsole, "Notification Console") \
    TEXT(errorConsoles, "Error Consoles") \
    FORWARD(reload, LocaleBase, reload) \
    FORWARD(deleteItem, LocaleBase, deleteItem) \
    FORWARD(save, LocaleBase, save) \
    FORWARD(zoomReset, LocaleMenu, zoomReset) \
    FORWARD(zoomOut, LocaleMenu, zoomOut) \
    FORWARD(zoomIn, LocaleMenu, zoomIn) \
    FORWARD(find, LocaleMenu, find) \
    FORWARD(operationCompleted, LocaleMessage, operationCompleted) \
    FORWARD(zoomLimitReached, LocaleMessage, zoomLimitReached) \
    FORWARD(operationFailed, LocaleMessage, operationFailed)

namespace Vexal {

// Error console, notification console and page-source view.
namespace LocaleConsole {

TESVAR_LOCALE_DECLARE(TESVAR_LOCALE_CONSOLE_TABLE)

} // namespace LocaleConsole

} // namespace Vexal
