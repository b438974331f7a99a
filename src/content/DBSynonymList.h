#pragma once

#include "core/DBSql.h"
#include "data/DBOwnedListBase.h"
#include "data/DBTypedList.h"
#include "content/DBSynonym.h"

namespace Vexal {

// All synonyms, the synonyms of one word, or one synonym looked up by name.
class DBSynonymList final : public DBTypedList<DBSynonym, DBOwnedListBase>
{
    Q_OBJECT
public:
    // All rows.
    explicit DBSynonymList(QObject* parent = nullptr)
        : DBTypedList(&DBSql::colWordID, parent)
    {
    }
    explicit DBSynonymList(int wordId, QObject* parent = nullptr)
        : DBTypedList(&DBSql::colWordID, wordId, parent)
    {
    }
    // The rows of that name (exact, case-sensitive); the name is bound.
    DBSynonymList(int wordId, const QString& name, QObject* parent = nullptr)
        : DBTypedList(&DBSql::colWordID, wordId, &DBSql::colName, name, parent)
    {
    }

    int wordId() const { return ownerId(); }
};

} // namespace Vexal
