#pragma once

#include "texts/LocaleTable.h"

#include <QObject>
#include <QString>

#define TESVAR_LOCALE_WEBSITE_TABLE(TEXT, TEXT_ARG, FORWARD, FORWARD_ARGS) \
    TEXT(type, "Type") \
    TEXT(optionalWww, "{www.}") \
    TEXT(email, "Email") \
    TEXT(loginWith, "Login with") \
    TEXT(login, "Login") \
    TEXT(general, "General") \
    TEXT(websitesLabel, "Websites") \
    TEXT(alexaRank, "Alexa Rank") \
    TEXT(googlePR, "Google PR") \
    TEXT(userPage, "User Page") \
    TEXT(registrationPage, "Registration Page") \
    TEXT(logoutPage, "Logout Page") \
    TEXT(loginPage, "Login Page") \
    TEXT(homePage, "Home Page") \
    TEXT(host, "Host") \
    TEXT(domain, "Domain") \
    FORWARD(selectionChanged, LocaleBase, selectionChanged) \
    FORWARD(urlPrefix, LocaleBase, urlPrefix) \
    FORWARD(comments, LocaleBase, comments) \
    FORWARD(name, LocaleBase, name) \
    FORWARD(id, LocaleBase, id) \
    FORWARD(project, LocaleInstance, project) \
    FORWARD(websites, LocaleInstance, websites) \
    FORWARD(website, LocaleInstance, website) \
    FORWARD(userPageMissing, LocaleMessage, userPageMissing) \
    FORWARD(registrationPageMissing, LocaleMessage, registrationPageMissing) \
    FORWARD(logoutPageMissing, LocaleMessage, logoutPageMissing) \
    FORWARD(loginPageMissing, LocaleMessage, loginPageMissing) \
    FORWARD(homePageMissing, LocaleMessage, homePageMissing) \
    FORWARD(websiteTable, DBSql, tableWebsite) \
    FORWARD(websiteView, DBSql, tableWebsite)

namespace Vexal {

// Website journal, tree, table and editor.
namespace LocaleWebsite {

TESVAR_LOCALE_DECLARE(TESVAR_LOCALE_WEBSITE_TABLE)

} // namespace LocaleWebsite

} // namespace Vexal
