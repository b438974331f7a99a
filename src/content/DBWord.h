#pragma once

#include "data/DBKind.h"

namespace Vexal {

// One row of "Word": a word (its Name) of one language.
class DBWord final : public DBKind<DBWord, &DBSql::tableWord, &LocaleSql::tableWords>
{
    Q_OBJECT
public:
    using DBKind::DBKind;

    const DBFields& fields() const override;

    int languageId() const { return m_languageId; }

    void setLanguageId(int languageId);

private:
    int m_languageId = 0;
};

} // namespace Vexal
