#pragma once

#include "data/DBTypedList.h"
#include "content/DBLanguage.h"

namespace Vexal {

// All languages.
class DBLanguageList final : public DBTypedList<DBLanguage>
{
    Q_OBJECT
public:
    using DBTypedList::DBTypedList;
};

} // namespace Vexal
