#include "core/DBSql.h"

namespace Vexal {

#define TESVAR_DEFINE_TABLE(Name) \
    QString DBSql::table##Name() { return QStringLiteral(#Name); }
TESVAR_DB_TABLES(TESVAR_DEFINE_TABLE)
#undef TESVAR_DEFINE_TABLE

#define TESVAR_DEFINE_COLUMN(Name)                                                  \
    QString DBSql::col##Name(bool bind)                                             \
    {                                                                               \
        return bind ? QStringLiteral(":" #Name) : QStringLiteral(#Name);            \
    }
TESVAR_DB_COLUMNS(TESVAR_DEFINE_COLUMN)
#undef TESVAR_DEFINE_COLUMN

const QString& ConstXML::docName()
{
    static const QString text = QStringLiteral("doc");
    return text;
}

const QString& ConstXML::itemsTag()
{
    static const QString text = QStringLiteral("items");
    return text;
}

const QString& ConstXML::tableAttribute()
{
    static const QString text = QStringLiteral("Table");
    return text;
}

const QString& ConstXML::itemTag()
{
    static const QString text = QStringLiteral("item");
    return text;
}

} // namespace Vexal
