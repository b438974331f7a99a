#pragma once

#include "data/DBOwnedListBase.h"
#include "sites/DBLastName.h"

namespace Vexal {

// All last names, or those of one language.
class DBLastNameList final : public DBOwnedList<DBLastName, &DBSql::colLanguageID>
{
    Q_OBJECT
public:
    using DBOwnedList::DBOwnedList;

    qint64 languageId() const { return ownerId(); }
};

} // namespace Vexal
