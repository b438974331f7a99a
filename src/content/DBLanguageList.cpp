#include "content/DBLanguageList.h"

#include "content/DBLanguage.h"
#include "core/DBSql.h"

namespace Vexal {

DBLanguageList::DBLanguageList(QObject* parent)
    : DBTypedList(parent)
{
    setPrototype(new DBLanguage(this));
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
