#pragma once

#include "automation/SmartAttributeLookup.h"

namespace Vexal {

// Attribute lookup of social bookmark forms.
class SmartSocialBookmarkAttribute final : public SmartAttributeLookup
{
    Q_OBJECT
public:
    explicit SmartSocialBookmarkAttribute(QObject* parent);

    int classifyElement(SmartElement* control) override;
};

} // namespace Vexal
