#include "data/DBSettingsList.h"

#include "data/DBSettings.h"

namespace Vexal {

DBSettingsList::DBSettingsList(QObject* parent)
    : DBListBase(parent)
{
    setPrototype(new DBSettings(this));
}

DBSettings* DBSettingsList::firstOrCreate()
{
    if (count() == 0)
        append(new DBSettings(this));
    return at(0);
}

DBSettings* DBSettingsList::at(int index) const
{
    return qobject_cast<DBSettings*>(DBListBase::at(index));
}

DBSettings* DBSettingsList::findById(int id) const
{
    for (int i = 0; i < count(); ++i) {
        DBSettings* settings = at(i);
        if (settings && settings->id() == id)
            return settings;
    }
    return nullptr;
}

} // namespace Vexal
