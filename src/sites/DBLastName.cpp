#include "sites/DBLastName.h"

#include "core/DBSql.h"
#include "texts/LocaleSql.h"

#include <QSqlQuery>

namespace Vexal {

DBLastName::DBLastName(QObject* parent)
    : DBBase(parent)
{
}

void DBLastName::bindValues(QSqlQuery& query)
{
    DBBase::bindValues(query);
    query.bindValue(DBSql::colLanguageID(true), m_languageId);
}

void DBLastName::readValues(const QSqlQuery& query)
{
    DBBase::readValues(query);
    m_languageId = query.value(3).toInt();
}

void DBLastName::assign(const DBBase* source)
{
    DBBase::assign(source);
    const auto* other = qobject_cast<const DBLastName*>(source);
    if (!other)
        return;
    setLanguageId(other->m_languageId);
}

DBBase* DBLastName::create(QObject* parent) const
{
    return new DBLastName(parent);
}

QString DBLastName::tableName() const
{
    return DBSql::tableLastName();
}

QString DBLastName::displayName() const
{
    return LocaleSql::tableLastNames();
}

QStringList DBLastName::columns() const
{
    return commonColumns() << DBSql::colLanguageID();
}

void DBLastName::setLanguageId(int languageId)
{
    markModified();
    m_languageId = languageId;
}

} // namespace Vexal
