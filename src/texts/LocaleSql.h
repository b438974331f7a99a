#pragma once

#include "texts/LocaleTable.h"

#include <QObject>
#include <QString>

#define TESVAR_LOCALE_SQL_TABLE(TEXT, TEXT_ARG, FORWARD, FORWARD_ARGS) \
    TEXT(tableProjects, "Projects") \
    TEXT(tableWebsites, "Websites") \
    TEXT(tableAccounts, "Accounts") \
    TEXT(tableMasterAccounts, "MasterAccounts") \
    TEXT(tableRegistrationTemplates, "RegistrationTemplates") \
    TEXT(tableLoginTemplates, "LoginTemplates") \
    TEXT(tableDirectoryTemplates, "DirectoryTemplates") \
    TEXT(tableDirectories, "Directories") \
    TEXT(tableSocialBookmarkTemplates, "SocialBookmarkTemplates") \
    TEXT(tableSocialBookmarks, "SocialBookmarks") \
    TEXT(tableArticleTemplates, "ArticleTemplates") \
    TEXT(tableArticles, "Articles") \
    TEXT(tableSpunArticles, "SpunArticles") \
    TEXT(tableCategories, "Categories") \
    TEXT(tableSynonyms, "Synonyms") \
    TEXT(tableWords, "Words") \
    TEXT(tableLanguages, "Languages") \
    TEXT(tableFirstNames, "FirstNames") \
    TEXT(tableLastNames, "LastNames") \
    TEXT(tableCountries, "Countries") \
    TEXT(tableCities, "Cities") \
    TEXT(tableAddresses, "Addresses") \
    TEXT(tableOnlineTools, "OnlineTools") \
    TEXT(tableRanks, "Ranks") \
    TEXT(tableHistory, "History") \
    TEXT(tableBookmarks, "Bookmarks") \
    TEXT(tableUriShortcuts, "UriShortcuts") \
    TEXT(tableOptions, "Options") \
    TEXT(tableSessionSettings, "SessionSettings") \
    TEXT(tableSettings, "Settings") \
    TEXT(tableGUI, "GUI") \
    TEXT(tableBookmarkFolders, "BookmarkFolders") \
    TEXT(tableSearchEngineTemplates, "SearchEngineTemplates") \
    TEXT(tableTabs, "Tabs") \
    TEXT(tableUserTables, "UserTables") \
    TEXT(tableColumns, "Columns") \
    TEXT(tableSessions, "Sessions") \
    TEXT(colID, "ID") \
    TEXT(colName, "Name") \
    TEXT(colComments, "Comments") \
    TEXT(colProject, "Project") \
    TEXT(colProjectID, "Project ID") \
    TEXT(colActive, "Active") \
    TEXT(colVisible, "Visible") \
    TEXT(colCreateDate, "Create Date") \
    TEXT(colUrl, "Url") \
    TEXT(colTitle, "Title") \
    TEXT(colArticle, "Article") \
    TEXT(colArticleID, "Article ID") \
    TEXT(colSpunArticles, "Spun Articles") \
    TEXT(colSpun, "Spun") \
    TEXT(colSubmitted, "Submitted") \
    TEXT(colBody, "Body") \
    TEXT(colIntro, "Intro") \
    TEXT(colAuthor, "Author") \
    TEXT(colCategory, "Category") \
    TEXT(colCategoryName, "Category") \
    TEXT(colCategoryID, "Category ID") \
    TEXT(colMaster, "Master") \
    TEXT(colMasterID, "Master ID") \
    TEXT(colQuotes, "Quotes") \
    TEXT(colSeparator, "Separator") \
    TEXT(colDescription, "Description") \
    TEXT(colTags, "Tags") \
    TEXT(colWordID, "Word ID") \
    TEXT(colRegularLink, "Regular Link") \
    TEXT(colShare, "Share") \
    TEXT(colWebsite, "Website") \
    TEXT(colWebsiteID, "Website ID") \
    TEXT(colSubmit, "Submit") \
    TEXT(colAlexaRank, "Alexa Rank") \
    TEXT(colGooglePR, "Google PR") \
    TEXT(colUserPage, "User Page") \
    TEXT(colRegistrationPage, "Registration Page") \
    TEXT(colLogoutPage, "Logout Page") \
    TEXT(colLoginPage, "Login Page") \
    TEXT(colHomePage, "Home Page") \
    TEXT(colHost, "Host") \
    TEXT(colUserName, "User Name") \
    TEXT(colUserEmail, "User Email") \
    TEXT(colLogin, "Login") \
    TEXT(colLoginWithEmail, "Login with Email") \
    TEXT(colPassword, "Password") \
    TEXT(colPassword2, "Password") \
    TEXT(colRepeatPassword, "Repeat Password") \
    TEXT(colEmail, "Email") \
    TEXT(colRepeatEmail, "Repeat Email") \
    TEXT(colRejectEmail, "Reject Email") \
    TEXT(colAcceptTerms, "Accept Terms") \
    TEXT(colSecurityQuestion, "Security Question") \
    TEXT(colQuestion, "Question") \
    TEXT(colAnswer, "Answer") \
    TEXT(colFirstName, "First Name") \
    TEXT(colMiddleName, "Middle Name") \
    TEXT(colLastName, "Last Name") \
    TEXT(colFullName, "Full Name") \
    TEXT(colScreenName, "Screen Name") \
    TEXT(colMale, "Male") \
    TEXT(colBirthday, "Birthday") \
    TEXT(colAddress, "Address") \
    TEXT(colCity, "City") \
    TEXT(colProvince, "Province") \
    TEXT(colCountry, "Country") \
    TEXT(colZipCode, "Zip Code") \
    TEXT(colPhone, "Phone") \
    TEXT(colFax, "Fax") \
    TEXT(colDetails, "Details") \
    TEXT(colShortcut, "Shortcut") \
    TEXT(colPrivate, "Private") \
    TEXT(colVisitCount, "Visit Count") \
    TEXT(colVisitDate, "Visit Date") \
    TEXT(colSessionID, "Session ID") \
    TEXT_ARG(colQuestionNo, number, "Question No %1") \
    TEXT_ARG(closeItem, name, "Close \"%1\"") \
    FORWARD_ARGS(sqlQueryFailed, LocaleMessage, sqlQueryFailed, (const QString& query, const QString& error), (query, error)) \
    FORWARD(resultSetEmpty, LocaleMessage, resultSetEmpty) \
    FORWARD(selectQueryEmpty, LocaleMessage, selectQueryEmpty) \
    FORWARD(insertQueryEmpty, LocaleMessage, insertQueryEmpty) \
    FORWARD(updateQueryEmpty, LocaleMessage, updateQueryEmpty) \
    FORWARD(deleteQueryEmpty, LocaleMessage, deleteQueryEmpty) \
    FORWARD_ARGS(projectIdEmpty, LocaleMessage, projectIdEmpty, (const QString& object), (object)) \
    FORWARD_ARGS(invalidObjectState, LocaleMessage, invalidObjectState, (const QString& object), (object)) \
    FORWARD_ARGS(sessionIdEmpty, LocaleMessage, sessionIdEmpty, (const QString& object), (object)) \
    FORWARD(databaseConnectionFailure, LocaleMessage, databaseConnectionFailure) \
    FORWARD_ARGS(databaseFile, LocaleMessage, databaseFile, (const QString& file), (file)) \
    FORWARD_ARGS(databaseError, LocaleMessage, databaseError, (const QString& error), (error)) \
    FORWARD(databaseLoadFailed, LocaleMessage, databaseLoadFailed) \
    FORWARD(activeProjectMissing, LocaleMessage, activeProjectMissing) \
    FORWARD(activeProjectLoadFailed, LocaleMessage, activeProjectLoadFailed) \
    FORWARD(activeSessionMissing, LocaleMessage, activeSessionMissing) \
    FORWARD(activeSessionLoadFailed, LocaleMessage, activeSessionLoadFailed)

namespace Vexal {

// Display names of the record classes, column headers and the database
// messages of the data layer.
namespace LocaleSql {

TESVAR_LOCALE_DECLARE(TESVAR_LOCALE_SQL_TABLE)

// "%1 - %2 Tab(s)" filled in one pass: a name holding a marker is kept as it is.
QString tabCount(const QString& name, int count);

} // namespace LocaleSql

} // namespace Vexal
