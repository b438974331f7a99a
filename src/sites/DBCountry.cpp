#include "sites/DBCountry.h"

#include "core/Convert.h"
#include "core/DBSql.h"
#include "texts/LocaleSql.h"

#include <QSqlQuery>

namespace Vexal {

DBCountry::DBCountry(QObject* parent)
    : DBBase(parent)
{
}

void DBCountry::bindValues(QSqlQuery& query)
{
    DBBase::bindValues(query);
    query.bindValue(DBSql::colCode(true), m_code);
}

void DBCountry::readValues(const QSqlQuery& query)
{
    DBBase::readValues(query);
    m_code = query.value(3).toString();
}

void DBCountry::assign(const DBBase* source)
{
    DBBase::assign(source);
    const auto* other = qobject_cast<const DBCountry*>(source);
    if (!other)
        return;
    setCode(other->m_code);
}

DBBase* DBCountry::create(QObject* parent) const
{
    return new DBCountry(parent);
}

QString DBCountry::tableName() const
{
    return DBSql::tableCountry();
}

QString DBCountry::displayName() const
{
    return LocaleSql::tableCountries();
}

QStringList DBCountry::columns() const
{
    return commonColumns() << DBSql::colCode();
}

void DBCountry::setCode(const QString& code)
{
    markModified();
    m_code = Convert::leftText(code, codeLimit);
}

} // namespace Vexal
