#pragma once

#include "texts/LocaleTable.h"

#include <QObject>
#include <QString>

#define TESVAR_LOCALE_WIDGETS_TABLE(TEXT, TEXT_ARG, FORWARD, FORWARD_ARGS) \
    TEXT(typeUserDefined, "User Defined") \
    TEXT(typeForums, "Forums") \
    TEXT(typeVideoDirectories, "Video Directories") \
    TEXT(typeBlogs, "Blogs") \
    TEXT(typeArticles, "Articles") \
    TEXT(typeSocialBookmarks, "Social Bookmarks") \
    TEXT(typeDirectories, "Directories") \
    TEXT(typeEmail, "Email") \
    TEXT(typeUndefined, "Undefined") \
    TEXT(next, "Next") \
    TEXT(previous, "Previous") \
    TEXT(showHidePassword, "Show / hide password") \
    TEXT(selectFolder, "Select Folder") \
    TEXT(help, "Help") \
    TEXT(menu, "Menu") \
    FORWARD(userPage, LocaleBase, userPage) \
    FORWARD(registrationPage, LocaleBase, registrationPage) \
    FORWARD(logoutPage, LocaleBase, logoutPage) \
    FORWARD(loginPage, LocaleBase, loginPage) \
    FORWARD(homePage, LocaleBase, homePage) \
    FORWARD(deleteItem, LocaleBase, deleteItem) \
    FORWARD(add, LocaleBase, add) \
    FORWARD(loginTemplates, LocaleInstance, loginTemplates) \
    FORWARD(loginTemplate, LocaleInstance, loginTemplate) \
    FORWARD(directoryTemplates, LocaleInstance, directoryTemplates) \
    FORWARD(directoryTemplate, LocaleInstance, directoryTemplate) \
    FORWARD(articleTemplates, LocaleInstance, articleTemplates) \
    FORWARD(articleTemplate, LocaleInstance, articleTemplate) \
    FORWARD(socialBookmarkTemplates, LocaleInstance, socialBookmarkTemplates) \
    FORWARD(socialBookmarkTemplate, LocaleInstance, socialBookmarkTemplate) \
    FORWARD(registrationTemplates, LocaleInstance, registrationTemplates) \
    FORWARD(registrationTemplate, LocaleInstance, registrationTemplate) \
    FORWARD(spunArticles, LocaleInstance, spunArticles) \
    FORWARD(socialBookmarks, LocaleInstance, socialBookmarks) \
    FORWARD(directories, LocaleInstance, directories) \
    FORWARD(accounts, LocaleInstance, accounts) \
    FORWARD(masterAccounts, LocaleInstance, masterAccounts) \
    FORWARD(toolboxHint, LocaleMessage, toolboxHint) \
    FORWARD(keywordEditHint, LocaleMessage, keywordEditHint) \
    FORWARD(unexpectedError, LocaleMessage, unexpectedError)

namespace Vexal {

// Shared widgets: website types, navigator, password and folder fields, edits.
namespace LocaleWidgets {

TESVAR_LOCALE_DECLARE(TESVAR_LOCALE_WIDGETS_TABLE)

} // namespace LocaleWidgets

} // namespace Vexal
