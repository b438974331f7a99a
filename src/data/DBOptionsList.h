#pragma once

#include "data/DBListBase.h"

namespace Vexal {

class DBOptions;

// All rows of the single-row table "Options".
class DBOptionsList final : public DBListBase
{
    Q_OBJECT
public:
    explicit DBOptionsList(QObject* parent = nullptr);

    // The first record; on an empty list a new one with the defaults is
    // appended and returned, unsaved (the first save inserts it). Null when
    // the first entry is not a DBOptions.
    DBOptions* firstOrCreate();
    // The same, under the name the browser shell uses.
    DBOptions* options() { return firstOrCreate(); }
};

} // namespace Vexal
