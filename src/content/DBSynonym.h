#pragma once

#include "data/DBKind.h"

namespace Vexal {

// One row of "Synonym": a synonym (its Name) of one word.
class DBSynonym final : public DBKind<DBSynonym, &DBSql::tableSynonym, &LocaleSql::tableSynonyms>
{
    Q_OBJECT
public:
    using DBKind::DBKind;

    const DBFields& fields() const override;

    int wordId() const { return m_wordId; }

    void setWordId(int wordId);

private:
    int m_wordId = 0;
};

} // namespace Vexal
