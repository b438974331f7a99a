#pragma once

#include "automation/smart/SmartFieldLookup.h"

namespace Vexal {

// The field pass of a submission form: the kinds the attribute pass left
// open, from the texts around each control, by the form's chain of matchers
// and the passes over boxes, radios and selects the form has.
class SmartFormField : public SmartFieldLookup
{
    Q_OBJECT
public:
    SmartFormField(SmartForm form, QObject* parent);

    // A directory's reciprocal link is not to be filled.
    int websiteKind(const QString& text, int type);
    int linkKindAfter(SmartElement* control, const QList<SmartLabel*>& labels) const;
    void classifyLinkRadios(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    int classify(SmartElement* control, const QString& text) override;
    void classifyElements(QList<SmartElement*>& controls, QList<SmartLabel*>& labels);

protected:
    enum OwnStep { StepAuthorSelect = StepOwn, StepWebsite, StepOwner };
    int stepKind(int step, SmartElement* control, const QString& text) override;

private:
    // The kind a caption without its hint gives.
    int classifyCaption(SmartElement* control, const QString& text);
    // The kind the form's chain of matchers reads in the text.
    int kindByForm(SmartElement* control, const QString& text);
};

using SmartArticleField = SmartFormOf<SmartFormField, SmartFormArticle>;
using SmartDirectoryField = SmartFormOf<SmartFormField, SmartFormDirectory>;
using SmartRegistrationField = SmartFormOf<SmartFormField, SmartFormRegistration>;
using SmartSocialBookmarkField = SmartFormOf<SmartFormField, SmartFormSocialBookmark>;

} // namespace Vexal
