#pragma once

#include "data/DBListBase.h"

namespace Vexal {

class DBMasterAccount;

// All master accounts, or only the active ones.
class DBMasterAccountList : public DBListBase
{
    Q_OBJECT
public:
    explicit DBMasterAccountList(bool activeOnly, QObject* parent = nullptr);

    QString whereText() const override;

    // Null outside the list, and when the entry is no master account.
    DBMasterAccount* at(int index) const;
    DBMasterAccount* findById(int id) const;
    // The first master account; on an empty list a new unsaved one, appended.
    DBMasterAccount* firstOrCreate();
};

} // namespace Vexal
