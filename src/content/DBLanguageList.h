#pragma once

#include "data/DBTypedList.h"
#include "content/DBLanguage.h"

namespace Vexal {

// All languages.
class DBLanguageList final : public DBTypedList<DBLanguage>
{
    Q_OBJECT
public:
    explicit DBLanguageList(QObject* parent = nullptr);

    // The first record; on an empty list a new unsaved one, appended.
    DBLanguage* firstOrCreate();
};

} // namespace Vexal
