#pragma once

#include "data/DBTypedList.h"
#include "sites/DBCity.h"

namespace Vexal {

// All cities, or the cities of one country.
class DBCityList final : public DBTypedList<DBCity>
{
    Q_OBJECT
public:
    enum Mode { ModeAll = 0, ModeOwner = 1 };

    // All rows.
    explicit DBCityList(QObject* parent = nullptr);
    explicit DBCityList(int countryId, QObject* parent = nullptr);

    QString whereText() const override;

    // The first record; on an empty list a new unsaved one, appended.
    DBCity* firstOrCreate();

    int countryId() const { return m_countryId; }

private:
    int m_countryId;
};

} // namespace Vexal
