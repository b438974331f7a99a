#pragma once

#include <QList>

namespace Vexal {

class SmartElement;
class SmartFieldLookup;
class SmartLabel;

// Base of a theme of a field lookup's passes (SmartFieldTicks,
// SmartFieldPeople, SmartFieldBoxes, SmartFieldEvidence): each pass reads the
// controls and the label list of one form through the helpers the lookup
// shares, and gives or takes kinds. SmartFormField::classifyElements runs them
// in their order.
class SmartFieldPass
{
public:
    explicit SmartFieldPass(SmartFieldLookup& lookup)
        : m_lookup(lookup)
    {
    }

protected:
    SmartFieldLookup& m_lookup;
};

} // namespace Vexal
