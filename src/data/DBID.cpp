#include "data/DBID.h"

#include "core/DBSql.h"

#include <QSqlQuery>

namespace Vexal {

DBID::DBID(QObject* parent)
    : DBBase(parent)
{
}

void DBID::bindValues(QSqlQuery& query)
{
    query.bindValue(DBSql::colID(true), m_id);
}

void DBID::readValues(const QSqlQuery& query)
{
    m_id = query.value(0).toLongLong();
}

DBBase* DBID::create(QObject* parent) const
{
    return new DBID(parent);
}

QString DBID::tableName() const
{
    return m_tableName;
}

QStringList DBID::columns() const
{
    return {DBSql::colID()};
}

} // namespace Vexal
