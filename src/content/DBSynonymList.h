#pragma once

#include "data/DBOwnedListBase.h"
#include "content/DBSynonym.h"

namespace Vexal {

// All synonyms, the synonyms of one word, or one synonym looked up by name.
class DBSynonymList final : public DBOwnedList<DBSynonym, &DBSql::colWordID>
{
    Q_OBJECT
public:
    using DBOwnedList::DBOwnedList;

    qint64 wordId() const { return ownerId(); }
};

} // namespace Vexal
