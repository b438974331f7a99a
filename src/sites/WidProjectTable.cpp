#include "sites/WidProjectTable.h"

#include "core/DBSql.h"
#include "sites/SiteCommands.h"
#include "texts/LocaleProject.h"

#include <QAction>

namespace Vexal {

WidProjectTable::WidProjectTable(SyncManager* syncManager, QWidget* parent)
    : BaseTable(syncManager, parent, DBDefaultColumns::Projects, &DBSql::tableProject)
{
}

void WidProjectTable::addMenuItems()
{
    connect(addCommandItem(LocaleProject::select(), SiteCommands::Select), &QAction::triggered, this,
            &WidProjectTable::onSelect);
}

} // namespace Vexal
