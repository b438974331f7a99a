#pragma once

#include "data/DBTypedList.h"
#include "sites/DBAddress.h"

namespace Vexal {

// All addresses, or the addresses in one country.
class DBAddressList final : public DBTypedList<DBAddress>
{
    Q_OBJECT
public:
    enum Mode { ModeAll = 0, ModeOwner = 1 };

    // All rows.
    explicit DBAddressList(QObject* parent = nullptr);
    explicit DBAddressList(int countryId, QObject* parent = nullptr);

    QString whereText() const override;

    // The first record; on an empty list a new unsaved one, appended.
    DBAddress* firstOrCreate();

    int countryId() const { return m_countryId; }

private:
    int m_countryId;
};

} // namespace Vexal
