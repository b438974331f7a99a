#pragma once

#include "automation/smart/SmartAttributeLookup.h"

namespace Vexal {

// The attribute pass of a submission form: each control's kind from its id
// and name, by the form's chain of matchers.
class SmartFormAttribute : public SmartAttributeLookup
{
    Q_OBJECT
public:
    SmartFormAttribute(SmartForm form, QObject* parent);

    int linkTypeKind(SmartElement* control, const QString& text);
    int classifyElement(SmartElement* control) override;

protected:
    enum OwnStep { StepPenName = StepOwn, StepDescriptionLimit, StepLinkType };
    int stepKind(int step, SmartElement* control, const QString& text) override;
};

using SmartArticleAttribute = SmartFormOf<SmartFormAttribute, SmartFormArticle>;
using SmartDirectoryAttribute = SmartFormOf<SmartFormAttribute, SmartFormDirectory>;
using SmartRegistrationAttribute = SmartFormOf<SmartFormAttribute, SmartFormRegistration>;
using SmartSocialBookmarkAttribute = SmartFormOf<SmartFormAttribute, SmartFormSocialBookmark>;

} // namespace Vexal
