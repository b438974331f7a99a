#pragma once

#include "data/DBListBase.h"

namespace Vexal {

class DBCity;

// All cities, or the cities of one country.
class DBCityList : public DBListBase
{
    Q_OBJECT
public:
    enum Mode { ModeAll = 0, ModeOwner = 1 };

    // All rows.
    explicit DBCityList(QObject* parent = nullptr);
    explicit DBCityList(int countryId, QObject* parent = nullptr);

    QString whereText() const override;

    // Null outside the list, and when the entry is of another class.
    DBCity* at(int index) const;
    DBCity* findById(int id) const;
    // The first record; on an empty list a new unsaved one, appended.
    DBCity* firstOrCreate();

    int countryId() const { return m_countryId; }

private:
    int m_countryId;
};

} // namespace Vexal
