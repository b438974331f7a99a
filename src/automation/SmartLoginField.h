#pragma once

#include "automation/SmartFieldLookup.h"

namespace Vexal {

// Field lookup of login forms: serves only the kinds by HTML type.
class SmartLoginField : public SmartFieldLookup
{
    Q_OBJECT
public:
    explicit SmartLoginField(QObject* parent);

};

} // namespace Vexal
