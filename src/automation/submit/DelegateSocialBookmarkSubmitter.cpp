#include "automation/submit/DelegateSocialBookmarkSubmitter.h"

#include "automation/templates/DBSocialBookmarkTemplate.h"
#include "automation/templates/DBTemplateList.h"
#include "automation/smart/SmartElement.h"
#include "automation/smart/SmartSocialBookmark.h"
#include "automation/submit/SmartContentValues.h"
#include "data/DBSocialBookmark.h"
#include "texts/Utils.h"
#include "texts/LocaleSocialBookmark.h"

namespace Vexal {

void DelegateSocialBookmarkSubmitter::fillByTemplate(const DBSocialBookmark* bookmark,
                                                     const DBSocialBookmarkTemplate* templ)
{
    fillFields(templ, {
        {templ->title(), LocaleSocialBookmark::title(), bookmark->title()},
        TemplateField(templ->tags(), LocaleSocialBookmark::tags(), Utils::normalizeTags(bookmark->tags())).shapedAs(SmartElement::KindTags),
        TemplateField(templ->url(), LocaleSocialBookmark::url(), bookmark->url()).shapedAs(SmartElement::KindWebsite),
        {templ->description(), LocaleSocialBookmark::description(), bookmark->description()},
    });
}

void DelegateSocialBookmarkSubmitter::fillSmart(const DBSocialBookmark* bookmark)
{
    SmartSocialBookmark* smart = recognise<SmartSocialBookmark>();
    if (!smart)
        return;

    using E = SmartElement;
    fillSmartFields(smart->elements(), {
        {E::KindTitle, LocaleSocialBookmark::title(), bookmark->title()},
        {E::KindTags, LocaleSocialBookmark::tags(), SmartContentValues::tags(smart->elements(), bookmark->tags())},
        {E::KindWebsite, LocaleSocialBookmark::url(), SmartContentValues::url(smart->elements(), bookmark->url())},
        {E::KindDescription, LocaleSocialBookmark::description(), bookmark->description()},
        {E::KindTerms, LocaleSocialBookmark::acceptTerms(), textTrue()},
        {E::KindSpam, LocaleSocialBookmark::spam(), textFalse()},
    });
}

} // namespace Vexal
