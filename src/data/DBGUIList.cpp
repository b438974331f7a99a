#include "data/DBGUIList.h"

#include "data/DBGUI.h"

namespace Vexal {

DBGUIList::DBGUIList(QObject* parent)
    : DBListBase(parent)
{
    setPrototype(new DBGUI(this));
}

DBGUI* DBGUIList::firstOrCreate()
{
    if (count() == 0)
        append(new DBGUI(this));
    return qobject_cast<DBGUI*>(at(0));
}

} // namespace Vexal
