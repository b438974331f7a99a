#include "sites/DBRank.h"

#include "core/Convert.h"
#include "core/DBSql.h"
#include "texts/LocaleSql.h"

#include <QSqlQuery>

namespace Vexal {

DBRank::DBRank(QObject* parent)
    : DBBase(parent)
{
}

void DBRank::bindValues(QSqlQuery& query)
{
    DBBase::bindValues(query);
    query.bindValue(DBSql::colHost(true), m_host);
    query.bindValue(DBSql::colCreateDate(true), dateValue(m_createDate));
    query.bindValue(DBSql::colGoogle(true), m_google);
    query.bindValue(DBSql::colAlexa(true), m_alexa);
}

void DBRank::readValues(const QSqlQuery& query)
{
    DBBase::readValues(query);
    m_host = query.value(3).toString();
    m_createDate = readDate(query.value(4));
    m_google = query.value(5).toInt();
    m_alexa = query.value(6).toInt();
}

void DBRank::assign(const DBBase* source)
{
    DBBase::assign(source);
    const auto* other = qobject_cast<const DBRank*>(source);
    if (!other)
        return;
    setHost(other->m_host);
    setCreateDate(other->m_createDate);
    setGoogle(other->m_google);
    setAlexa(other->m_alexa);
}

DBBase* DBRank::create(QObject* parent) const
{
    return new DBRank(parent);
}

QString DBRank::tableName() const
{
    return DBSql::tableRank();
}

QString DBRank::displayName() const
{
    return LocaleSql::tableRanks();
}

QStringList DBRank::columns() const
{
    return commonColumns() << DBSql::colHost() << DBSql::colCreateDate() << DBSql::colGoogle()
                           << DBSql::colAlexa();
}

void DBRank::setHost(const QString& host)
{
    markModified();
    m_host = Convert::leftText(host, hostLimit);
}

void DBRank::setCreateDate(const QDate& createDate)
{
    markModified();
    m_createDate = createDate;
}

void DBRank::setGoogle(int google)
{
    markModified();
    m_google = google;
}

void DBRank::setAlexa(int alexa)
{
    markModified();
    m_alexa = alexa;
}

} // namespace Vexal
