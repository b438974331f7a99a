#pragma once

#include "automation/SmartMaster.h"

namespace Vexal {

// The recognisers of the submission forms share one run and differ only in
// data: the controls the walk keeps, those that score a form, the kinds that
// may occur more than once, and the attribute and field passes of the form.
// A login form is told apart differently (SmartLogin).
class SmartFormRecogniser : public SmartMaster
{
    Q_OBJECT
public:
    enum Form { Article, Directory, Registration, SocialBookmark };

    SmartFormRecogniser(Form form, QObject* parent);

    void analyse(QWebView* view);

private:
    template <class Attribute, class Field>
    static void classifyBy(SmartFormRecogniser* self, QList<SmartElement*>& list)
    {
        self->classifyWith<Attribute, Field>(list);
    }

    const Form m_form;
};

// One recogniser per form, so that each keeps a name of its own.
template <SmartFormRecogniser::Form F>
class SmartFormOf final : public SmartFormRecogniser
{
public:
    explicit SmartFormOf(QObject* parent)
        : SmartFormRecogniser(F, parent)
    {
    }
};

// Article forms: the body may be a rich-text frame.
using SmartArticle = SmartFormOf<SmartFormRecogniser::Article>;
using SmartDirectory = SmartFormOf<SmartFormRecogniser::Directory>;
using SmartRegistration = SmartFormOf<SmartFormRecogniser::Registration>;
// Social bookmark forms: small pages skip the form choice.
using SmartSocialBookmark = SmartFormOf<SmartFormRecogniser::SocialBookmark>;

} // namespace Vexal
