#pragma once

#include "core/DBSqlNames.h"

#include <QObject>
#include <QString>

namespace Vexal {

// Every SQL text names its tables, views and columns through these getters.
// A column getter gives the bare name, or with bind = true the ":Name"
// placeholder of prepared statements.
class DBSql final : public QObject
{
    Q_OBJECT
public:
    DBSql() = delete;

#define TESVAR_DECLARE_TABLE(Name) static QString table##Name();
    TESVAR_DB_TABLES(TESVAR_DECLARE_TABLE)
#undef TESVAR_DECLARE_TABLE

#define TESVAR_DECLARE_COLUMN(Name) static QString col##Name(bool bind = false);
    TESVAR_DB_COLUMNS(TESVAR_DECLARE_COLUMN)
#undef TESVAR_DECLARE_COLUMN
};

// Names of the XML exchange document.
class ConstXML final : public QObject
{
    Q_OBJECT
public:
    ConstXML() = delete;

    static const QString& docName();
    static const QString& itemsTag();
    static const QString& tableAttribute();
    static const QString& itemTag();
};

} // namespace Vexal
