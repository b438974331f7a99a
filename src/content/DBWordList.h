#pragma once

#include "core/DBSql.h"
#include "data/DBOwnedListBase.h"
#include "data/DBTypedList.h"
#include "content/DBWord.h"

namespace Vexal {

// All words, the words of one language, or one word looked up by name.
class DBWordList final : public DBTypedList<DBWord, DBOwnedListBase>
{
    Q_OBJECT
public:
    // All rows.
    explicit DBWordList(QObject* parent = nullptr)
        : DBTypedList(&DBSql::colLanguageID, parent)
    {
    }
    explicit DBWordList(int languageId, QObject* parent = nullptr)
        : DBTypedList(&DBSql::colLanguageID, languageId, parent)
    {
    }
    // The rows of that name (exact, case-sensitive); the name is bound.
    DBWordList(int languageId, const QString& name, QObject* parent = nullptr)
        : DBTypedList(&DBSql::colLanguageID, languageId, &DBSql::colName, name, parent)
    {
    }

    int languageId() const { return ownerId(); }
};

} // namespace Vexal
