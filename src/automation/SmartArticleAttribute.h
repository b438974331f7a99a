#pragma once

#include "automation/SmartAttributeLookup.h"

namespace Vexal {

// Attribute lookup of article forms.
class SmartArticleAttribute final : public SmartAttributeLookup
{
    Q_OBJECT
public:
    explicit SmartArticleAttribute(QObject* parent);

    bool isTitle(const QString& text, int type) override;
    bool isTags(const QString& text, int type) override;
    bool isPenName(const QString& text, int type);
    int classifyElement(SmartElement* control) override;
};

} // namespace Vexal
