#pragma once

#include "texts/LocaleTable.h"

#include <QObject>
#include <QString>

#define TESVAR_LOCALE_DIRECTORY_TABLE(TEXT, TEXT_ARG, FORWARD, FORWARD_ARGS) \
    TEXT(general, "General") \
    TEXT(spam, "Spam") \
    TEXT(regularLink, "Regular Link") \
    TEXT(acceptTerms, "Accept Terms") \
    TEXT(userEmail, "User Email") \
    TEXT(userName, "User Name") \
    TEXT(description, "Description") \
    TEXT(tags, "Tags") \
    TEXT(title, "Title") \
    TEXT(category, "Category") \
    FORWARD(url, LocaleBase, url) \
    FORWARD(urlPrefix, LocaleBase, urlPrefix) \
    FORWARD(comments, LocaleBase, comments) \
    FORWARD(name, LocaleBase, name) \
    FORWARD(id, LocaleBase, id) \
    FORWARD(project, LocaleInstance, project) \
    FORWARD(directories, LocaleInstance, directories) \
    FORWARD(directory, LocaleInstance, directory) \
    FORWARD(directoryTable, DBSql, tableDirectory) \
    FORWARD(directoryView, DBSql, tableDirectoryView)

namespace Vexal {

// Directory journal, table, editor, template, fills and submitter.
namespace LocaleDirectory {

TESVAR_LOCALE_DECLARE(TESVAR_LOCALE_DIRECTORY_TABLE)

} // namespace LocaleDirectory

} // namespace Vexal
