#pragma once

#include "content/BaseContentEditor.h"

namespace Vexal {

class WidCountryComboBox;

// A street address: name, its country (required; a new one starts on the
// Init's second id), details and comments.
class WidAddressEditor final : public BaseContentEditor
{
    Q_OBJECT
public:
    explicit WidAddressEditor(QWidget* parent = nullptr);

    WidCountryComboBox* countryBox = nullptr;
    QLineEdit* detailsEdit = nullptr;

protected:
    void createWidgets() override;
};

} // namespace Vexal
