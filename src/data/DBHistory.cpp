#include "data/DBHistory.h"

#include "core/DBSql.h"
#include "data/DBField.h"

namespace Vexal {

DBHistory::DBHistory(QObject* parent)
    : DBKind(parent)
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

} // namespace Vexal
