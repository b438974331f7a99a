#pragma once

#include "automation/SmartAttributeLookup.h"

namespace Vexal {

// Attribute lookup of registration forms.
class SmartRegistrationAttribute final : public SmartAttributeLookup
{
    Q_OBJECT
public:
    explicit SmartRegistrationAttribute(QObject* parent);

    int classifyElement(SmartElement* control) override;
};

} // namespace Vexal
