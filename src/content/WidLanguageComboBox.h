#pragma once

#include "content/DBLanguageList.h"
#include "views/BaseComboBox.h"

namespace Vexal {

// Every language, sorted by name.
class WidLanguageComboBox final : public BaseListComboBox<DBLanguageList>
{
    Q_OBJECT
public:
    using BaseListComboBox::BaseListComboBox;

    QString emptyMessage() const override;
};

} // namespace Vexal
