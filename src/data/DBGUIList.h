#pragma once

#include "data/DBListBase.h"

namespace Vexal {

class DBGUI;

// All rows of the single-row table "GUI".
class DBGUIList final : public DBListBase
{
    Q_OBJECT
public:
    explicit DBGUIList(QObject* parent = nullptr);

    // The first record; on an empty list a new one with the defaults is
    // appended and returned, unsaved (the first save inserts it). Null when
    // the first entry is not a DBGUI.
    DBGUI* firstOrCreate();
};

} // namespace Vexal
