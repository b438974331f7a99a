#include "sites/WidProjectTable.h"

#include "texts/LocaleProject.h"

#include <QAction>

namespace Vexal {

void WidProjectTable::addMenuItems()
{
    connect(addCommandItem(LocaleProject::select(), BaseTable::CommandSelect), &QAction::triggered, this,
            &WidProjectTable::onSelect);
}

} // namespace Vexal
