#include "sites/WidCityComboBox.h"

#include "sites/DBCityList.h"

namespace Vexal {

WidCityComboBox::WidCityComboBox(QWidget* parent)
    : BaseComboBox(parent)
{
}

void WidCityComboBox::reload(int countryId)
{
    DBCityList cities(countryId);
    fill(&cities, true);
}

} // namespace Vexal
