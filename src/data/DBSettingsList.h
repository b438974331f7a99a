#pragma once

#include "data/DBTypedList.h"
#include "data/DBSettings.h"

namespace Vexal {

// All rows of the single-row table "Settings".
class DBSettingsList final : public DBTypedList<DBSettings>
{
    Q_OBJECT
public:
    explicit DBSettingsList(QObject* parent = nullptr);

    // The first record; on an empty list a new one with the defaults is
    // appended and returned, unsaved (the first save inserts it). Null when
    // the first entry is not a DBSettings.
    DBSettings* firstOrCreate();
};

} // namespace Vexal
