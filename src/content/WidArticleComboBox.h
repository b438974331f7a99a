#pragma once

#include "content/DBArticleLightList.h"
#include "views/BaseComboBox.h"

namespace Vexal {

// The articles of the current project, sorted by name.
class WidArticleComboBox final : public BaseProjectComboBox<DBArticleLightList>
{
    Q_OBJECT
public:
    using BaseProjectComboBox::BaseProjectComboBox;
};

} // namespace Vexal
