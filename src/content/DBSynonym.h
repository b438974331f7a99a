#pragma once

#include "data/DBOwnedRecord.h"

namespace Vexal {

// One row of "Synonym": a synonym (its Name) of one word.
class DBSynonym final
    : public DBOwnedRecord<DBSynonym, &DBSql::tableSynonym, &LocaleSql::tableSynonyms, &DBSql::colWordID, 0>
{
    Q_OBJECT
public:
    using DBOwnedRecord::DBOwnedRecord;

    qint64 wordId() const { return ownerId(); }
    void setWordId(qint64 wordId) { setOwnerId(wordId); }
};

} // namespace Vexal
