#include "data/DBCategory.h"

#include "core/DBSql.h"
#include "texts/LocaleSql.h"

#include <QSqlQuery>

namespace Vexal {

DBCategory::DBCategory(QObject* parent)
    : DBBase(parent)
{
}

void DBCategory::bindValues(QSqlQuery& query)
{
    DBBase::bindValues(query);
    query.bindValue(DBSql::colMasterID(true), m_masterId);
}

void DBCategory::readValues(const QSqlQuery& query)
{
    DBBase::readValues(query);
    m_masterId = query.value(3).toInt();
}

void DBCategory::assign(const DBBase* source)
{
    DBBase::assign(source);
    if (const auto* other = qobject_cast<const DBCategory*>(source))
        setMasterId(other->m_masterId);
}

DBBase* DBCategory::create(QObject* parent) const
{
    return new DBCategory(parent);
}

QString DBCategory::tableName() const
{
    return DBSql::tableCategory();
}

QString DBCategory::displayName() const
{
    return LocaleSql::tableCategories();
}

QStringList DBCategory::columns() const
{
    return commonColumns() << DBSql::colMasterID();
}

void DBCategory::setMasterId(int masterId)
{
    markModified();
    m_masterId = masterId;
}

} // namespace Vexal
