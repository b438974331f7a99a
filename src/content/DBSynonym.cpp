#include "content/DBSynonym.h"

#include "core/DBSql.h"
#include "texts/LocaleSql.h"

#include <QSqlQuery>

namespace Vexal {

DBSynonym::DBSynonym(QObject* parent)
    : DBBase(parent)
{
}

void DBSynonym::bindValues(QSqlQuery& query)
{
    DBBase::bindValues(query);
    query.bindValue(DBSql::colWordID(true), m_wordId);
}

void DBSynonym::readValues(const QSqlQuery& query)
{
    DBBase::readValues(query);
    m_wordId = query.value(3).toInt();
}

void DBSynonym::assign(const DBBase* source)
{
    DBBase::assign(source);
    const auto* other = qobject_cast<const DBSynonym*>(source);
    if (!other)
        return;
    setWordId(other->m_wordId);
}

DBBase* DBSynonym::create(QObject* parent) const
{
    return new DBSynonym(parent);
}

QString DBSynonym::tableName() const
{
    return DBSql::tableSynonym();
}

QString DBSynonym::displayName() const
{
    return LocaleSql::tableSynonyms();
}

QStringList DBSynonym::columns() const
{
    return commonColumns() << DBSql::colWordID();
}

void DBSynonym::setWordId(int wordId)
{
    markModified();
    m_wordId = wordId;
}

} // namespace Vexal
