#pragma once

#include "views/BaseTree.h"

namespace Vexal {

// The tables named in "UserTable", by their friendly names; each item holds
// the SQL table name.
class WidDatabaseTree final : public BaseTree
{
    Q_OBJECT
public:
    explicit WidDatabaseTree(SyncManager* syncManager, QWidget* parent = nullptr);

    // The current item's table name; "Account" when there is no current item.
    QString currentData() const;

protected:
    void reload() override;
};

} // namespace Vexal
