#pragma once

#include "data/DBField.h"
#include "data/DBKind.h"

namespace Vexal {

// A kind whose rows each belong to one row of another table, named by an
// integer column right after the common ones; `noOwner` is a new row's
// value. The kind names the owner in its own words (languageId, wordId, ...)
// and may add fields after it (ownedFields).
template <class Record, QString (*table)(), QString (*display)(), DBField::Column ownerColumn, int noOwner>
class DBOwnedRecord : public DBKind<Record, table, display>
{
public:
    using DBKind<Record, table, display>::DBKind;

    const DBFields& fields() const override { return ownedFields(); }

protected:
    // The base fields and the owner column.
    static const DBFields& ownedFields()
    {
        static const DBFields fieldTable(DBBase::baseFields(),
                                         {DBField::integer(ownerColumn, &DBOwnedRecord::m_ownerId)});
        return fieldTable;
    }

    qint64 ownerId() const { return m_ownerId; }
    void setOwnerId(qint64 ownerId)
    {
        this->markModified();
        m_ownerId = ownerId;
    }

private:
    qint64 m_ownerId = noOwner;
};

} // namespace Vexal
