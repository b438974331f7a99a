#pragma once

#include "automation/SmartFieldLookup.h"

namespace Vexal {

// Field lookup of registration forms.
class SmartRegistrationField final : public SmartFieldLookup
{
    Q_OBJECT
public:
    explicit SmartRegistrationField(QObject* parent);

    int classify(SmartElement* control, const QString& text) override;
    void classifyElements(QList<SmartElement*>& controls, QList<SmartLabel*>& labels);
};

} // namespace Vexal
