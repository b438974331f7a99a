#pragma once

#include "views/BaseComboBox.h"

namespace Vexal {

// Every language, sorted by name.
class WidLanguageComboBox final : public BaseComboBox
{
    Q_OBJECT
public:
    explicit WidLanguageComboBox(QWidget* parent = nullptr);

    void reload();
    QString emptyMessage() const override;
};

} // namespace Vexal
