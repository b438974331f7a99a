#pragma once

#include "data/DBHistory.h"
#include "data/DBPageList.h"

namespace Vexal {

// All visits, in the database's order, or the recent ones (the 20 newest).
class DBHistoryList final : public DBPageList<DBHistory>
{
    Q_OBJECT
public:
    enum Mode { ModeAll = 0, ModeRecent = 1 };
    static constexpr int recentLimit = 20;

    using DBPageList::DBPageList;

    QString orderText() const override;
};

} // namespace Vexal
