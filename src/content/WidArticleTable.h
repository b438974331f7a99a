#pragma once

#include "views/BaseTable.h"

namespace Vexal {

// The articles of every project, with the row-menu entries Copy and Spin.
class WidArticleTable final : public BaseTable
{
    Q_OBJECT
public:
    explicit WidArticleTable(SyncManager* syncManager, QWidget* parent = nullptr);

signals:
    void onCopy();
    void onSpin();

protected:
    void addMenuItems() override;
};

} // namespace Vexal
