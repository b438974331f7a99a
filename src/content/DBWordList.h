#pragma once

#include "data/DBOwnedListBase.h"
#include "content/DBWord.h"

namespace Vexal {

// All words, the words of one language, or one word looked up by name.
class DBWordList final : public DBOwnedList<DBWord, &DBSql::colLanguageID>
{
    Q_OBJECT
public:
    using DBOwnedList::DBOwnedList;

    qint64 languageId() const { return ownerId(); }
};

} // namespace Vexal
