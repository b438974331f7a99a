#pragma once

#include "automation/SmartFieldLookup.h"

namespace Vexal {

// Field lookup of article forms.
class SmartArticleField final : public SmartFieldLookup
{
    Q_OBJECT
public:
    explicit SmartArticleField(QObject* parent);

    bool isTitle(const QString& text, int type) override;
    bool isTags(const QString& text, int type) override;
    bool isIntro(const QString& text, int type) override;
    bool isBio(const QString& text, int type) override;
    bool isBody(const QString& text, int type) override;
    bool isAuthorSelect(const QString& text, int type);
    int classify(SmartElement* control, const QString& text) override;
    void classifyElements(QList<SmartElement*>& controls, QList<SmartLabel*>& labels);
};

} // namespace Vexal
