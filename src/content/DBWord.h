#pragma once

#include "data/DBOwnedRecord.h"

namespace Vexal {

// One row of "Word": a word (its Name) of one language.
class DBWord final : public DBOwnedRecord<DBWord, &DBSql::tableWord, &LocaleSql::tableWords, &DBSql::colLanguageID, 0>
{
    Q_OBJECT
public:
    using DBOwnedRecord::DBOwnedRecord;

    qint64 languageId() const { return ownerId(); }
    void setLanguageId(qint64 languageId) { setOwnerId(languageId); }
};

} // namespace Vexal
