#include "content/DBLanguageList.h"

#include "content/DBLanguage.h"
#include "core/DBSql.h"

namespace Vexal {

DBLanguageList::DBLanguageList(QObject* parent)
    : DBListBase(parent)
{
    setPrototype(new DBLanguage(this));
}

DBLanguage* DBLanguageList::at(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return qobject_cast<DBLanguage*>(DBListBase::at(index));
}

DBLanguage* DBLanguageList::findById(int id) const
{
    for (DBBase* record : records()) {
        if (record && record->id() == id)
            return qobject_cast<DBLanguage*>(record);
    }
    return nullptr;
}

DBLanguage* DBLanguageList::firstOrCreate()
{
    if (count() > 0)
        return at(0);
    auto* language = new DBLanguage(this);
    append(language);
    return language;
}

} // namespace Vexal
