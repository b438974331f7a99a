#include "sites/DBAddress.h"

#include "core/Convert.h"
#include "core/DBSql.h"
#include "texts/LocaleSql.h"

#include <QSqlQuery>

namespace Vexal {

DBAddress::DBAddress(QObject* parent)
    : DBBase(parent)
{
}

void DBAddress::bindValues(QSqlQuery& query)
{
    DBBase::bindValues(query);
    query.bindValue(DBSql::colCountryID(true), m_countryId);
    query.bindValue(DBSql::colDetails(true), m_details);
}

void DBAddress::readValues(const QSqlQuery& query)
{
    DBBase::readValues(query);
    m_countryId = query.value(3).toInt();
    m_details = query.value(4).toString();
}

void DBAddress::assign(const DBBase* source)
{
    DBBase::assign(source);
    const auto* other = qobject_cast<const DBAddress*>(source);
    if (!other)
        return;
    setCountryId(other->m_countryId);
    setDetails(other->m_details);
}

DBBase* DBAddress::create(QObject* parent) const
{
    return new DBAddress(parent);
}

QString DBAddress::tableName() const
{
    return DBSql::tableAddress();
}

QString DBAddress::displayName() const
{
    return LocaleSql::tableAddresses();
}

QStringList DBAddress::columns() const
{
    return commonColumns() << DBSql::colCountryID() << DBSql::colDetails();
}

void DBAddress::setCountryId(int countryId)
{
    markModified();
    m_countryId = countryId;
}

void DBAddress::setDetails(const QString& details)
{
    markModified();
    m_details = Convert::leftText(details, detailsLimit);
}

} // namespace Vexal
