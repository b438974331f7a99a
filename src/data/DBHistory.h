#pragma once

#include "data/DBPageRecord.h"
#include "data/DBKind.h"

#include <QDateTime>

namespace Vexal {

// One row of "History": one visit of a web page, with its icon, title,
// address and time. The time is stored as "yyyy-MM-ddThh:mm:ss" text, which the
// history periods and clean-up compare as text.
class DBHistory final : public DBKind<DBHistory, &DBSql::tableHistory, &LocaleSql::tableHistory, DBPageRecord>
{
    Q_OBJECT
public:
    explicit DBHistory(QObject* parent = nullptr);

    const DBFields& fields() const override;

    QDateTime createDate() const { return m_createDate; }
    void setCreateDate(const QDateTime& createDate) { change(m_createDate, createDate); }

private:
    QDateTime m_createDate;
};

} // namespace Vexal
