#pragma once

#include "content/BaseContentEditor.h"

namespace Vexal {

class WidCountryComboBox;

// A city: name, its country (required; a new one starts on the Init's second
// id), province and comments.
class WidCityEditor final : public BaseContentEditor
{
    Q_OBJECT
public:
    explicit WidCityEditor(QWidget* parent = nullptr);

    WidCountryComboBox* countryBox = nullptr;
    QLineEdit* provinceEdit = nullptr;

protected:
    void createWidgets() override;
};

} // namespace Vexal
