#pragma once

#include "views/BaseTable.h"

namespace Vexal {

class WidArticleTemplateTable final : public BaseTable
{
    Q_OBJECT
public:
    WidArticleTemplateTable(SyncManager* syncManager, QWidget* parent);
};

} // namespace Vexal
