#include "sites/WidMasterAccountComboBox.h"

#include "data/DBMasterAccountList.h"

namespace Vexal {

WidMasterAccountComboBox::WidMasterAccountComboBox(QWidget* parent)
    : BaseComboBox(parent)
{
}

void WidMasterAccountComboBox::reload()
{
    follow([this] {
        DBMasterAccountList masterAccounts(false);
        fill(&masterAccounts, true);
    });
}

} // namespace Vexal
