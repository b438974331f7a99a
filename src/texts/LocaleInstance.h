#pragma once

#include "texts/LocaleTable.h"

#include <QObject>
#include <QString>

#define TESVAR_LOCALE_INSTANCE_TABLE(TEXT, TEXT_ARG, FORWARD, FORWARD_ARGS) \
    TEXT(projects, "Projects") \
    TEXT(project, "Project") \
    TEXT(articles, "Articles") \
    TEXT(article, "Article") \
    TEXT(spunArticles, "Spun Articles") \
    TEXT(spunArticle, "Spun Article") \
    TEXT(categories, "Categories") \
    TEXT(category, "Category") \
    TEXT(synonyms, "Synonyms") \
    TEXT(synonym, "Synonym") \
    TEXT(words, "Words") \
    TEXT(word, "Word") \
    TEXT(directories, "Directories") \
    TEXT(directory, "Directory") \
    TEXT(socialBookmarks, "Social Bookmarks") \
    TEXT(socialBookmark, "Social Bookmark") \
    TEXT(projectAccounts, "Project Accounts") \
    TEXT(projectAccount, "Project Account") \
    TEXT(websites, "Websites") \
    TEXT(website, "Website") \
    TEXT(accounts, "Accounts") \
    TEXT(account, "Account") \
    TEXT(masterAccounts, "Master Accounts") \
    TEXT(masterAccount, "Master Account") \
    TEXT(ranks, "Ranks") \
    TEXT(rank, "Rank") \
    TEXT(onlineTools, "Online Tools") \
    TEXT(onlineTool, "Online Tool") \
    TEXT(loginTemplates, "Login Templates") \
    TEXT(loginTemplate, "Login Template") \
    TEXT(registrationTemplates, "Registration Templates") \
    TEXT(registrationTemplate, "Registration Template") \
    TEXT(directoryTemplates, "Directory Templates") \
    TEXT(directoryTemplate, "Directory Template") \
    TEXT(socialBookmarkTemplates, "Social Bookmark Templates") \
    TEXT(socialBookmarkTemplate, "Social Bookmark Template") \
    TEXT(articleTemplates, "Article Templates") \
    TEXT(articleTemplate, "Article Template") \
    TEXT(searchEngineTemplates, "Search Engine Templates") \
    TEXT(searchEngineTemplate, "Search Engine Template") \
    TEXT(articleSubmitter, "Article Submitter") \
    TEXT(socialBookmarkSubmitter, "Social Bookmark Submitter") \
    TEXT(directorySubmitter, "Directory Submitter") \
    TEXT(searchEngineSubmitter, "Search Engine Submitter") \
    TEXT(firstNames, "First Names") \
    TEXT(firstName, "First Name") \
    TEXT(lastNames, "Last Names") \
    TEXT(lastName, "Last Name") \
    TEXT(countries, "Countries") \
    TEXT(country, "Country") \
    TEXT(cities, "Cities") \
    TEXT(city, "City") \
    TEXT(addresses, "Addresses") \
    TEXT(address, "Address") \
    TEXT(languages, "Languages") \
    TEXT(language, "Language") \
    TEXT(bookmarks, "Bookmarks") \
    TEXT(bookmark, "Bookmark") \
    TEXT(folders, "Folders") \
    TEXT(folder, "Folder") \
    TEXT(histories, "Histories") \
    TEXT(history, "History") \
    TEXT(shortcuts, "Shortcuts") \
    TEXT(shortcut, "Shortcut") \
    TEXT(tabs, "Tabs") \
    TEXT(tab, "Tab") \
    TEXT(sessions, "Sessions") \
    TEXT(session, "Session") \
    TEXT(userTables, "User Tables") \
    TEXT(userTable, "User Table") \
    TEXT(options, "Options") \
    TEXT_ARG(exportTitle, kind, "Export %1")

namespace Vexal {

// Names of every kind of data the program keeps, in the plural and the singular.
namespace LocaleInstance {

TESVAR_LOCALE_DECLARE(TESVAR_LOCALE_INSTANCE_TABLE)

} // namespace LocaleInstance

} // namespace Vexal
