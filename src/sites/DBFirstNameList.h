#pragma once

#include "core/DBSql.h"
#include "data/DBOwnedListBase.h"
#include "data/DBTypedList.h"
#include "sites/DBFirstName.h"

namespace Vexal {

// All first names, those of one language, or those of one language and gender.
class DBFirstNameList final : public DBTypedList<DBFirstName, DBOwnedListBase>
{
    Q_OBJECT
public:
    enum Mode { ModeAll = 0, ModeLanguage = 1, ModeGender = 2 };

    // All rows.
    explicit DBFirstNameList(QObject* parent = nullptr)
        : DBTypedList(&DBSql::colLanguageID, parent)
    {
    }
    explicit DBFirstNameList(qint64 languageId, QObject* parent = nullptr)
        : DBTypedList(&DBSql::colLanguageID, languageId, parent)
    {
    }
    DBFirstNameList(qint64 languageId, bool gender, QObject* parent = nullptr)
        : DBTypedList(&DBSql::colLanguageID, languageId, &DBSql::colGender, gender, parent)
    {
    }

    qint64 languageId() const { return ownerId(); }
    // True unless the list looks up the other gender.
    bool gender() const { return !key().isValid() || key().toBool(); }
};

} // namespace Vexal
