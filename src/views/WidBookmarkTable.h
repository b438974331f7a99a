#pragma once

#include "views/BaseTable.h"

namespace Vexal {

// The Bookmark rows, with Visible, Hidden and Load in the row menu.
class WidBookmarkTable final : public BaseTable
{
    Q_OBJECT
public:
    enum { CommandLoad = 21, CommandVisible = 26, CommandHidden = 27 };

    WidBookmarkTable(SyncManager* syncManager, QWidget* parent = nullptr);

signals:
    void onLoad();
    void onVisible();
    void onHidden();

protected:
    void addMenuItems() override;
};

} // namespace Vexal
