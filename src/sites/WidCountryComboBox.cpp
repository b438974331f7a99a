#include "sites/WidCountryComboBox.h"

#include "sites/DBCountryList.h"

namespace Vexal {

WidCountryComboBox::WidCountryComboBox(QWidget* parent)
    : BaseComboBox(parent)
{
}

void WidCountryComboBox::reload()
{
    DBCountryList countries;
    fill(&countries, true);
}

} // namespace Vexal
