#pragma once

#include "data/DBTypedList.h"
#include "sites/DBLastName.h"

namespace Vexal {

// All last names, or those of one language.
class DBLastNameList final : public DBTypedList<DBLastName>
{
    Q_OBJECT
public:
    enum Mode { ModeAll = 0, ModeOwner = 1 };

    // All rows.
    explicit DBLastNameList(QObject* parent = nullptr);
    explicit DBLastNameList(int languageId, QObject* parent = nullptr);

    QString whereText() const override;

    // The first record; on an empty list a new unsaved one, appended.
    DBLastName* firstOrCreate();

    int languageId() const { return m_languageId; }

private:
    int m_languageId;
};

} // namespace Vexal
