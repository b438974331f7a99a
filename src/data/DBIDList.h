#pragma once

#include "data/DBTypedList.h"
#include "data/DBID.h"

namespace Vexal {

// The ids of the rows of any table that satisfy a condition. The caller
// builds the condition (from column names and numbers) and answers for it.
class DBIDList final : public DBTypedList<DBID>
{
    Q_OBJECT
public:
    DBIDList(const QString& table, const QString& where, QObject* parent = nullptr);

    QString whereText() const override;

    // The first entry; on an empty list a new DBID that is NOT appended.
    DBID* firstOrCreate();

    QString condition() const { return m_condition; }

private:
    QString m_condition;
};

} // namespace Vexal
