#include "sites/DBCity.h"

#include "core/Convert.h"
#include "core/DBSql.h"
#include "texts/LocaleSql.h"

#include <QSqlQuery>

namespace Vexal {

DBCity::DBCity(QObject* parent)
    : DBBase(parent)
{
}

void DBCity::bindValues(QSqlQuery& query)
{
    DBBase::bindValues(query);
    query.bindValue(DBSql::colCountryID(true), m_countryId);
    query.bindValue(DBSql::colProvince(true), m_province);
}

void DBCity::readValues(const QSqlQuery& query)
{
    DBBase::readValues(query);
    m_countryId = query.value(3).toInt();
    m_province = query.value(4).toString();
}

void DBCity::assign(const DBBase* source)
{
    DBBase::assign(source);
    const auto* other = qobject_cast<const DBCity*>(source);
    if (!other)
        return;
    setCountryId(other->m_countryId);
    setProvince(other->m_province);
}

DBBase* DBCity::create(QObject* parent) const
{
    return new DBCity(parent);
}

QString DBCity::tableName() const
{
    return DBSql::tableCity();
}

QString DBCity::displayName() const
{
    return LocaleSql::tableCities();
}

QStringList DBCity::columns() const
{
    return commonColumns() << DBSql::colCountryID() << DBSql::colProvince();
}

void DBCity::setCountryId(int countryId)
{
    markModified();
    m_countryId = countryId;
}

void DBCity::setProvince(const QString& province)
{
    markModified();
    m_province = Convert::leftText(province, provinceLimit);
}

} // namespace Vexal
