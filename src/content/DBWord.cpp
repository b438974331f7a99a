#include "content/DBWord.h"

#include "core/DBSql.h"
#include "texts/LocaleSql.h"

#include <QSqlQuery>

namespace Vexal {

DBWord::DBWord(QObject* parent)
    : DBBase(parent)
{
}

void DBWord::bindValues(QSqlQuery& query)
{
    DBBase::bindValues(query);
    query.bindValue(DBSql::colLanguageID(true), m_languageId);
}

void DBWord::readValues(const QSqlQuery& query)
{
    DBBase::readValues(query);
    m_languageId = query.value(3).toInt();
}

void DBWord::assign(const DBBase* source)
{
    DBBase::assign(source);
    const auto* other = qobject_cast<const DBWord*>(source);
    if (!other)
        return;
    setLanguageId(other->m_languageId);
}

DBBase* DBWord::create(QObject* parent) const
{
    return new DBWord(parent);
}

QString DBWord::tableName() const
{
    return DBSql::tableWord();
}

QString DBWord::displayName() const
{
    return LocaleSql::tableWords();
}

QStringList DBWord::columns() const
{
    return commonColumns() << DBSql::colLanguageID();
}

void DBWord::setLanguageId(int languageId)
{
    markModified();
    m_languageId = languageId;
}

} // namespace Vexal
