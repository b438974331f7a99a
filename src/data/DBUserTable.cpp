#include "data/DBUserTable.h"

#include "core/Convert.h"
#include "core/DBSql.h"

#include <QSqlQuery>

namespace Vexal {

DBUserTable::DBUserTable(QObject* parent)
    : DBBase(parent)
{
}

void DBUserTable::bindValues(QSqlQuery& query)
{
    DBBase::bindValues(query);
    query.bindValue(DBSql::colFriendlyName(true), m_friendlyName);
}

void DBUserTable::readValues(const QSqlQuery& query)
{
    DBBase::readValues(query);
    m_friendlyName = query.value(3).toString();
}

DBBase* DBUserTable::create(QObject* parent) const
{
    return new DBUserTable(parent);
}

QString DBUserTable::tableName() const
{
    return DBSql::tableUserTable();
}

QString DBUserTable::friendlyName() const
{
    return m_friendlyName;
}

QStringList DBUserTable::columns() const
{
    return commonColumns() << DBSql::colFriendlyName();
}

void DBUserTable::setFriendlyName(const QString& name)
{
    markModified();
    m_friendlyName = Convert::leftText(name, friendlyNameLimit);
}

} // namespace Vexal
