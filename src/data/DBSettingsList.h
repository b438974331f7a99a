#pragma once

#include "data/DBListBase.h"

namespace Vexal {

class DBSettings;

// All rows of the single-row table "Settings".
class DBSettingsList : public DBListBase
{
    Q_OBJECT
public:
    explicit DBSettingsList(QObject* parent = nullptr);

    // The first record; on an empty list a new one with the defaults is
    // appended and returned, unsaved (the first save inserts it). Null when
    // the first entry is not a DBSettings.
    DBSettings* firstOrCreate();
    // No range check: the index must be below count().
    DBSettings* at(int index) const;
    DBSettings* findById(int id) const;
};

} // namespace Vexal
