#pragma once

#include "automation/SmartAttributeLookup.h"

namespace Vexal {

// Attribute lookup of social bookmark forms.
class SmartSocialBookmarkAttribute : public SmartAttributeLookup
{
    Q_OBJECT
public:
    explicit SmartSocialBookmarkAttribute(QObject* parent);

    int classifyElement(SmartElement* control);
    void classifyElements(QList<SmartElement*>& controls);
};

} // namespace Vexal
