#include "sites/WidWebsiteComboBox.h"

#include "data/DBWebsiteList.h"

namespace Vexal {

WidWebsiteComboBox::WidWebsiteComboBox(QWidget* parent)
    : BaseComboBox(parent)
{
}

void WidWebsiteComboBox::reload(int typeFlags)
{
    DBWebsiteList websites(typeFlags);
    fill(&websites, true);
}

void WidWebsiteComboBox::reloadAndSelect(int typeFlags, int id)
{
    reload(typeFlags);
    setCurrentId(id);
}

} // namespace Vexal
