#include "sites/WidLastNameComboBox.h"

#include "sites/DBLastNameList.h"

namespace Vexal {

WidLastNameComboBox::WidLastNameComboBox(QWidget* parent)
    : BaseComboBox(parent)
{
}

void WidLastNameComboBox::reload(int languageId)
{
    DBLastNameList names(languageId);
    fill(&names, true);
}

} // namespace Vexal
