#include "data/DBHistory.h"

#include "core/DBSql.h"
#include "data/DBField.h"
#include "texts/LocaleSql.h"

namespace Vexal {

DBHistory::DBHistory(QObject* parent)
    : DBPageRecord(parent)
{
    const QDateTime now = QDateTime::currentDateTime();
    m_createDate = QDateTime(now.date(), QTime(now.time().hour(), now.time().minute(), now.time().second()));
}

const DBFields& DBHistory::fields() const
{
    static const DBFields table(pageFields(),
                                {
                                    DBField::dateTime(&DBSql::colCreateDate, &DBHistory::m_createDate),
                                });
    return table;
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

void DBHistory::setCreateDate(const QDateTime& createDate)
{
    markModified();
    m_createDate = createDate;
}

} // namespace Vexal
