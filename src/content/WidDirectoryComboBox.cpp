#include "content/WidDirectoryComboBox.h"

#include "data/DBCache.h"
#include "data/DBDirectoryList.h"

namespace Vexal {

WidDirectoryComboBox::WidDirectoryComboBox(QWidget* parent)
    : BaseComboBox(parent)
{
}

void WidDirectoryComboBox::reload()
{
    DBDirectoryList directories(DBCache::projectId());
    fill(&directories, true);
}

} // namespace Vexal
