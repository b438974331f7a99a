#include "data/DBSettingsList.h"

#include "data/DBSettings.h"

namespace Vexal {

DBSettingsList::DBSettingsList(QObject* parent)
    : DBTypedList(parent)
{
    setPrototype(new DBSettings(this));
}

DBSettings* DBSettingsList::firstOrCreate()
{
    if (count() == 0)
        append(new DBSettings(this));
    return at(0);
}

} // namespace Vexal
