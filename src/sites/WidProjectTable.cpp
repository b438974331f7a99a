#include "sites/WidProjectTable.h"

#include "sites/SiteCommands.h"
#include "texts/LocaleProject.h"

#include <QAction>

namespace Vexal {

void WidProjectTable::addMenuItems()
{
    connect(addCommandItem(LocaleProject::select(), SiteCommands::Select), &QAction::triggered, this,
            &WidProjectTable::onSelect);
}

} // namespace Vexal
