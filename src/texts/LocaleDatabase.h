#pragma once

#include "texts/LocaleTable.h"

#include <QObject>
#include <QString>

#define TESVAR_LOCALE_DATABASE_TABLE(TEXT, TEXT_ARG, FORWARD, FORWARD_ARGS) \
    TEXT(databases, "Databases") \
    TEXT(database, "Database") \
    FORWARD(unexpectedError, LocaleMessage, unexpectedError)

namespace Vexal {

// Database journal and tree.
namespace LocaleDatabase {

TESVAR_LOCALE_DECLARE(TESVAR_LOCALE_DATABASE_TABLE)

} // namespace LocaleDatabase

} // namespace Vexal
