#include "data/DBHistory.h"

#include "core/DBSql.h"
#include "texts/LocaleSql.h"

#include <QSqlQuery>

namespace Vexal {

DBHistory::DBHistory(QObject* parent)
    : DBPageRecord(parent)
{
    const QDateTime now = QDateTime::currentDateTime();
    m_createDate = QDateTime(now.date(), QTime(now.time().hour(), now.time().minute(), now.time().second()));
}

void DBHistory::bindValues(QSqlQuery& query)
{
    DBPageRecord::bindValues(query);
    query.bindValue(DBSql::colCreateDate(true), dateTimeValue(m_createDate));
}

void DBHistory::readValues(const QSqlQuery& query)
{
    DBPageRecord::readValues(query);
    m_createDate = readDateTime(query.value(firstOwnColumn));
}

void DBHistory::assign(const DBBase* source)
{
    DBBase::assign(source);
    const auto* other = qobject_cast<const DBHistory*>(source);
    if (!other)
        return;
    assignPage(other);
    setCreateDate(other->m_createDate);
}

DBBase* DBHistory::create(QObject* parent) const
{
    return new DBHistory(parent);
}

QString DBHistory::tableName() const
{
    return DBSql::tableHistory();
}

QString DBHistory::displayName() const
{
    return LocaleSql::tableHistory();
}

QStringList DBHistory::columns() const
{
    return DBPageRecord::columns() << DBSql::colCreateDate();
}

void DBHistory::setCreateDate(const QDateTime& createDate)
{
    markModified();
    m_createDate = createDate;
}

} // namespace Vexal
