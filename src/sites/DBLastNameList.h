#pragma once

#include "data/DBListBase.h"

namespace Vexal {

class DBLastName;

// All last names, or those of one language.
class DBLastNameList : public DBListBase
{
    Q_OBJECT
public:
    enum Mode { ModeAll = 0, ModeOwner = 1 };

    // All rows.
    explicit DBLastNameList(QObject* parent = nullptr);
    explicit DBLastNameList(int languageId, QObject* parent = nullptr);

    QString whereText() const override;

    // Null outside the list, and when the entry is of another class.
    DBLastName* at(int index) const;
    DBLastName* findById(int id) const;
    // The first record; on an empty list a new unsaved one, appended.
    DBLastName* firstOrCreate();

    int languageId() const { return m_languageId; }

private:
    int m_languageId;
};

} // namespace Vexal
