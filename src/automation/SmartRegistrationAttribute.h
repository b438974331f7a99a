#pragma once

#include "automation/SmartAttributeLookup.h"

namespace Vexal {

// Attribute lookup of registration forms.
class SmartRegistrationAttribute : public SmartAttributeLookup
{
    Q_OBJECT
public:
    explicit SmartRegistrationAttribute(QObject* parent);

    int classifyElement(SmartElement* control) override;
};

} // namespace Vexal
