#pragma once

#include "texts/LocaleTable.h"

#include <QObject>
#include <QString>

#define TESVAR_LOCALE_DIRECTORY_TABLE(TEXT, TEXT_ARG, FORWARD, FORWARD_ARGS) \
    TESVAR_LOCALE_SUBMISSION_ENTRIES(TEXT, FORWARD) \
    TEXT(regularLink, "Regular Link") \
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
