#pragma once

#include "automation/smart/SmartMaster.h"

namespace Vexal {

// The recognisers of the submission forms share one run and differ only in
// data: the controls the walk keeps, those that score a form, the kinds that
// may occur more than once, and the attribute and field passes of the form.
// A login form is told apart differently (SmartLogin).
class SmartFormRecogniser : public SmartMaster
{
    Q_OBJECT
public:
    SmartFormRecogniser(SmartForm form, QObject* parent);

    // The page of a page access (a web view's, as the shell hands it out),
    // or of any access held elsewhere.
    void analyse(const PageDomHandle& page);
    void analyse(PageDom& page);

private:
    Pipeline pipeline();

    const SmartForm m_form;
};

// Article forms: the body may be a rich-text frame.
using SmartArticle = SmartFormOf<SmartFormRecogniser, SmartFormArticle>;
using SmartDirectory = SmartFormOf<SmartFormRecogniser, SmartFormDirectory>;
using SmartRegistration = SmartFormOf<SmartFormRecogniser, SmartFormRegistration>;
// Social bookmark forms: small pages skip the form choice.
using SmartSocialBookmark = SmartFormOf<SmartFormRecogniser, SmartFormSocialBookmark>;

} // namespace Vexal
