#pragma once

#include "texts/LocaleTable.h"

#include <QObject>
#include <QString>

#define TESVAR_LOCALE_BASE_TABLE(TEXT, TEXT_ARG, FORWARD, FORWARD_ARGS) \
    TEXT(name, "Name") \
    TEXT(id, "ID") \
    TEXT(selectionChanged, "Selection Changed") \
    TEXT(close, "Close") \
    TEXT(submit, "Submit") \
    TEXT(updateItems, "Update Items") \
    TEXT(userPage, "User Page") \
    TEXT(registrationPage, "Registration Page") \
    TEXT(logoutPage, "Logout Page") \
    TEXT(loginPage, "Login Page") \
    TEXT(homePage, "Home Page") \
    TEXT(spun, "Spun") \
    TEXT(spin, "Spin") \
    TEXT(open, "Open") \
    TEXT(move, "Move") \
    TEXT(load, "Load") \
    TEXT(copy, "Copy") \
    TEXT(select, "Select") \
    TEXT(save, "Save") \
    TEXT(setupColumns, "Setup Columns") \
    TEXT(restoreLayout, "Restore Layout") \
    TEXT(saveLayout, "Save Layout") \
    TEXT(resizeAllColumns, "Resize All Columns") \
    TEXT(resizeColumn, "Resize Column") \
    TEXT(remove, "Remove") \
    TEXT(filter, "Filter") \
    TEXT(reload, "Reload") \
    TEXT(deleteWord, "Delete Word") \
    TEXT(editWord, "Edit Word") \
    TEXT(addWord, "Add Word") \
    TEXT(deleteFolder, "Delete Folder") \
    TEXT(editFolder, "Edit Folder") \
    TEXT(addFolder, "Add Folder") \
    TEXT(deleteItem, "Delete") \
    TEXT(edit, "Edit") \
    TEXT(add, "Add") \
    TEXT(defaultName, "Default") \
    TEXT(untitled, "Untitled") \
    TEXT(url, "Url") \
    TEXT(urlPrefix, "http://www.") \
    TEXT(comments, "Comments")

namespace Vexal {

// Shared words of the record screens: field labels, command words and
// operation names.
namespace LocaleBase {

TESVAR_LOCALE_DECLARE(TESVAR_LOCALE_BASE_TABLE)

} // namespace LocaleBase

} // namespace Vexal
