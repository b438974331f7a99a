#pragma once

#include "texts/LocaleTable.h"

#include <QObject>
#include <QString>

#define TESVAR_LOCALE_BASE_WIDGET_TABLE(TEXT, TEXT_ARG, FORWARD, FORWARD_ARGS) \
    TEXT(tooltips, "Tooltips") \
    TEXT(next, "Next") \
    TEXT(previous, "Previous") \
    TEXT(whyShareTemplates, "Why should I share my templates?") \
    TEXT(shareTemplate, "Share this template with other users") \
    TEXT(share, "Share") \
    TEXT(refreshFields, "Refresh Fields") \
    TEXT(dragAndDrop, "Drag and Drop") \
    TEXT(templateLabel, "Template") \
    TEXT(website, "Website") \
    TEXT(type, "Type") \
    TEXT(newItem, "New") \
    FORWARD(selectionChanged, LocaleBase, selectionChanged) \
    FORWARD(close, LocaleBase, close) \
    FORWARD(submit, LocaleBase, submit) \
    FORWARD(updateItems, LocaleBase, updateItems) \
    FORWARD(save, LocaleBase, save) \
    FORWARD(userPage, LocaleBase, userPage) \
    FORWARD(registrationPage, LocaleBase, registrationPage) \
    FORWARD(logoutPage, LocaleBase, logoutPage) \
    FORWARD(loginPage, LocaleBase, loginPage) \
    FORWARD(homePage, LocaleBase, homePage) \
    FORWARD(setupColumns, LocaleBase, setupColumns) \
    FORWARD(restoreLayout, LocaleBase, restoreLayout) \
    FORWARD(saveLayout, LocaleBase, saveLayout) \
    FORWARD(resizeAllColumns, LocaleBase, resizeAllColumns) \
    FORWARD(resizeColumn, LocaleBase, resizeColumn) \
    FORWARD(remove, LocaleBase, remove) \
    FORWARD(filter, LocaleBase, filter) \
    FORWARD(reload, LocaleBase, reload) \
    FORWARD(deleteItem, LocaleBase, deleteItem) \
    FORWARD(edit, LocaleBase, edit) \
    FORWARD(add, LocaleBase, add) \
    FORWARD(untitled, LocaleBase, untitled) \
    FORWARD(urlPrefix, LocaleBase, urlPrefix) \
    FORWARD(comments, LocaleBase, comments) \
    FORWARD(name, LocaleBase, name) \
    FORWARD(id, LocaleBase, id) \
    FORWARD(confirmRestoreDefaultLayout, LocaleMessage, confirmRestoreDefaultLayout) \
    FORWARD(confirmDeleteRecords, LocaleMessage, confirmDeleteRecords) \
    FORWARD(layoutSaved, LocaleMessage, layoutSaved) \
    FORWARD(selectProperWebsite, LocaleMessage, selectProperWebsite) \
    FORWARD(userPageMissing, LocaleMessage, userPageMissing) \
    FORWARD(registrationPageMissing, LocaleMessage, registrationPageMissing) \
    FORWARD(logoutPageMissing, LocaleMessage, logoutPageMissing) \
    FORWARD(loginPageMissing, LocaleMessage, loginPageMissing) \
    FORWARD(homePageMissing, LocaleMessage, homePageMissing) \
    FORWARD(unexpectedError, LocaleMessage, unexpectedError) \
    FORWARD_ARGS(invalidObjectState, LocaleMessage, invalidObjectState, (const QString& object), (object))

namespace Vexal {

// Texts of the journal, record table, editor and submitter bases.
namespace LocaleBaseWidget {

TESVAR_LOCALE_DECLARE(TESVAR_LOCALE_BASE_WIDGET_TABLE)

} // namespace LocaleBaseWidget

} // namespace Vexal
