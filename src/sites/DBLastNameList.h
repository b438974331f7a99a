#pragma once

#include "core/DBSql.h"
#include "data/DBOwnedListBase.h"
#include "data/DBTypedList.h"
#include "sites/DBLastName.h"

namespace Vexal {

// All last names, or those of one language.
class DBLastNameList final : public DBTypedList<DBLastName, DBOwnedListBase>
{
    Q_OBJECT
public:
    // All rows.
    explicit DBLastNameList(QObject* parent = nullptr)
        : DBTypedList(&DBSql::colLanguageID, parent)
    {
    }
    explicit DBLastNameList(int languageId, QObject* parent = nullptr)
        : DBTypedList(&DBSql::colLanguageID, languageId, parent)
    {
    }

    int languageId() const { return ownerId(); }
};

} // namespace Vexal
