#include "sites/WidMasterAccountComboBox.h"

#include "data/DBMasterAccountList.h"

namespace Vexal {

WidMasterAccountComboBox::WidMasterAccountComboBox(QWidget* parent)
    : BaseComboBox(parent)
{
}

void WidMasterAccountComboBox::reload()
{
    fill(std::make_unique<DBMasterAccountList>(false));
}

} // namespace Vexal
