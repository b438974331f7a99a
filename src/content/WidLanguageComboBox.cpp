#include "content/WidLanguageComboBox.h"

#include "content/DBLanguageList.h"

namespace Vexal {

WidLanguageComboBox::WidLanguageComboBox(QWidget* parent)
    : BaseComboBox(parent)
{
}

void WidLanguageComboBox::reload()
{
    DBLanguageList languages;
    fill(&languages, true);
}

} // namespace Vexal
