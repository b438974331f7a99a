#pragma once

#include "core/DBSqlNames.h"

#include <QObject>
#include <QString>

namespace Vexal {

// Every SQL text names its tables, views and columns through these getters.
// A column getter gives the bare name, or with bind = true the ":Name"
// placeholder of prepared statements.
namespace DBSql {

#define TESVAR_DECLARE_TABLE(Name) QString table##Name();
TESVAR_DB_TABLES(TESVAR_DECLARE_TABLE)
#undef TESVAR_DECLARE_TABLE

#define TESVAR_DECLARE_COLUMN(Name) QString col##Name(bool bind = false);
TESVAR_DB_COLUMNS(TESVAR_DECLARE_COLUMN)
#undef TESVAR_DECLARE_COLUMN

} // namespace DBSql

// Names of the XML exchange document.
namespace ConstXML {

const QString& docName();
const QString& itemsTag();
const QString& tableAttribute();
const QString& itemTag();

} // namespace ConstXML

} // namespace Vexal
