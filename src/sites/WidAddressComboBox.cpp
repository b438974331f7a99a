#include "sites/WidAddressComboBox.h"

#include "sites/DBAddressList.h"

namespace Vexal {

WidAddressComboBox::WidAddressComboBox(QWidget* parent)
    : BaseComboBox(parent)
{
}

void WidAddressComboBox::reload(int countryId)
{
    DBAddressList addresses(countryId);
    fill(&addresses, true);
}

} // namespace Vexal
