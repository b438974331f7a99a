#include "content/WidCategoryComboBox.h"

#include "data/DBCategoryList.h"

namespace Vexal {

WidCategoryComboBox::WidCategoryComboBox(QWidget* parent)
    : BaseComboBox(parent)
{
}

void WidCategoryComboBox::reload()
{
    DBCategoryList categories;
    fill(&categories, true);
}

} // namespace Vexal
