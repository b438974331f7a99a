#pragma once

#include "automation/SmartAttributeLookup.h"

namespace Vexal {

// Attribute lookup of directory forms.
class SmartDirectoryAttribute final : public SmartAttributeLookup
{
    Q_OBJECT
public:
    explicit SmartDirectoryAttribute(QObject* parent);

    int ownerKind(const QString& text) override;
    int linkTypeKind(SmartElement* control, const QString& text);
    int classifyElement(SmartElement* control) override;
};

} // namespace Vexal
