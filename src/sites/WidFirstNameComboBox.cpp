#include "sites/WidFirstNameComboBox.h"

#include "sites/DBFirstNameList.h"

namespace Vexal {

WidFirstNameComboBox::WidFirstNameComboBox(QWidget* parent)
    : BaseComboBox(parent)
{
}

void WidFirstNameComboBox::reload(int languageId, bool gender)
{
    DBFirstNameList names(languageId, gender);
    fill(&names, true);
}

} // namespace Vexal
