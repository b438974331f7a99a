#pragma once

#include "automation/SmartFieldLookup.h"

namespace Vexal {

// Field lookup of social bookmark forms.
class SmartSocialBookmarkField final : public SmartFieldLookup
{
    Q_OBJECT
public:
    explicit SmartSocialBookmarkField(QObject* parent);

    bool isDescription(const QString& text, int type) override;
    int classify(SmartElement* control, const QString& text) override;
    void classifyElements(QList<SmartElement*>& controls, QList<SmartLabel*>& labels);
};

} // namespace Vexal
