#pragma once

#include "data/DBTypedList.h"
#include "data/DBMasterAccount.h"

namespace Vexal {

// All master accounts, or only the active ones.
class DBMasterAccountList final : public DBTypedList<DBMasterAccount>
{
    Q_OBJECT
public:
    explicit DBMasterAccountList(bool activeOnly, QObject* parent = nullptr);

    QString whereText() const override;
};

} // namespace Vexal
