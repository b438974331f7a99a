#include "sites/WidAccountComboBox.h"

#include "data/DBAccountList.h"

namespace Vexal {

WidAccountComboBox::WidAccountComboBox(QWidget* parent)
    : BaseComboBox(parent)
{
}

void WidAccountComboBox::reload(int projectId, int websiteId)
{
    DBAccountList accounts(projectId, websiteId);
    fill(&accounts, true);
}

} // namespace Vexal
