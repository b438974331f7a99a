#include "views/WidProjectComboBox.h"

#include "data/DBProjectList.h"

namespace Vexal {

WidProjectComboBox::WidProjectComboBox(QWidget* parent)
    : BaseComboBox(parent)
{
}

void WidProjectComboBox::reload()
{
    DBProjectList projects;
    fill(&projects, true);
}

} // namespace Vexal
