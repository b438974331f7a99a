#pragma once

#include "data/DBListBase.h"

namespace Vexal {

class DBLanguage;

// All languages.
class DBLanguageList : public DBListBase
{
    Q_OBJECT
public:
    explicit DBLanguageList(QObject* parent = nullptr);

    // Null outside the list, and when the entry is of another class.
    DBLanguage* at(int index) const;
    DBLanguage* findById(int id) const;
    // The first record; on an empty list a new unsaved one, appended.
    DBLanguage* firstOrCreate();
};

} // namespace Vexal
