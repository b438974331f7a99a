#pragma once

#include "data/DBListBase.h"

namespace Vexal {

class DBAddress;

// All addresses, or the addresses in one country.
class DBAddressList : public DBListBase
{
    Q_OBJECT
public:
    enum Mode { ModeAll = 0, ModeOwner = 1 };

    // All rows.
    explicit DBAddressList(QObject* parent = nullptr);
    explicit DBAddressList(int countryId, QObject* parent = nullptr);

    QString whereText() const override;

    // Null outside the list, and when the entry is of another class.
    DBAddress* at(int index) const;
    DBAddress* findById(int id) const;
    // The first record; on an empty list a new unsaved one, appended.
    DBAddress* firstOrCreate();

    int countryId() const { return m_countryId; }

private:
    int m_countryId;
};

} // namespace Vexal
