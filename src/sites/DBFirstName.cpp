#include "sites/DBFirstName.h"

#include "core/DBSql.h"
#include "texts/LocaleSql.h"

#include <QSqlQuery>

namespace Vexal {

DBFirstName::DBFirstName(QObject* parent)
    : DBBase(parent)
{
}

void DBFirstName::bindValues(QSqlQuery& query)
{
    DBBase::bindValues(query);
    query.bindValue(DBSql::colLanguageID(true), m_languageId);
    query.bindValue(DBSql::colGender(true), boolValue(m_gender));
}

void DBFirstName::readValues(const QSqlQuery& query)
{
    DBBase::readValues(query);
    m_languageId = query.value(3).toInt();
    m_gender = readBool(query.value(4));
}

void DBFirstName::assign(const DBBase* source)
{
    DBBase::assign(source);
    const auto* other = qobject_cast<const DBFirstName*>(source);
    if (!other)
        return;
    setLanguageId(other->m_languageId);
    setGender(other->m_gender);
}

DBBase* DBFirstName::create(QObject* parent) const
{
    return new DBFirstName(parent);
}

QString DBFirstName::tableName() const
{
    return DBSql::tableFirstName();
}

QString DBFirstName::displayName() const
{
    return LocaleSql::tableFirstNames();
}

QStringList DBFirstName::columns() const
{
    return commonColumns() << DBSql::colLanguageID() << DBSql::colGender();
}

void DBFirstName::setLanguageId(int languageId)
{
    markModified();
    m_languageId = languageId;
}

void DBFirstName::setGender(bool gender)
{
    markModified();
    m_gender = gender;
}

} // namespace Vexal
