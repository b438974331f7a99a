#include "automation/submit/DelegateDirectorySubmitter.h"

#include "automation/templates/DBDirectoryTemplate.h"
#include "automation/templates/DBTemplateList.h"
#include "automation/smart/SmartDirectory.h"
#include "automation/smart/SmartElement.h"
#include "automation/submit/SmartContentValues.h"
#include "data/DBDirectory.h"
#include "texts/Utils.h"
#include "texts/LocaleDirectory.h"

namespace Vexal {

void DelegateDirectorySubmitter::fillByTemplate(const DBDirectory* directory, const DBDirectoryTemplate* templ)
{
    const QStringList categories = categoryNames(directory->categoryId());
    TemplateField category{templ->category(), LocaleDirectory::category(), categories};
    fillFields(templ, {
        category,
        {templ->title(), LocaleDirectory::title(), directory->title()},
        TemplateField(templ->tags(), LocaleDirectory::tags(), Utils::normalizeTags(directory->tags())).shapedAs(SmartElement::KindTags),
        TemplateField(templ->url(), LocaleDirectory::url(), directory->url()).shapedAs(SmartElement::KindWebsite),
        {templ->description(), LocaleDirectory::description(), directory->description()},
        {templ->userName(), LocaleDirectory::userName(), directory->userName()},
        {templ->userEmail(), LocaleDirectory::userEmail(), directory->userEmail()},
        {templ->acceptTerms(), LocaleDirectory::acceptTerms(), textTrue()},
        {templ->regularLink(), LocaleDirectory::regularLink(), textTrue()},
    });
}

void DelegateDirectorySubmitter::fillSmart(const DBDirectory* directory)
{
    SmartDirectory* smart = recognise<SmartDirectory>();
    if (!smart)
        return;

    const QStringList categories = categoryNames(directory->categoryId());
    using E = SmartElement;
    SmartField category{E::KindCategory, LocaleDirectory::category(), categories};
    fillSmartFields(smart->elements(), {
        category,
        {E::KindTitle, LocaleDirectory::title(), directory->title()},
        {E::KindTags, LocaleDirectory::tags(), SmartContentValues::tags(smart->elements(), directory->tags())},
        {E::KindWebsite, LocaleDirectory::url(), SmartContentValues::url(smart->elements(), directory->url())},
        {E::KindDescription, LocaleDirectory::description(), directory->description()},
        {E::KindFullName, LocaleDirectory::userName(), directory->userName()},
        {E::KindEmail, LocaleDirectory::userEmail(), directory->userEmail()},
        {E::KindFreeUrl, LocaleDirectory::regularLink(), textTrue()},
        {E::KindTerms, LocaleDirectory::acceptTerms(), textTrue()},
        {E::KindSpam, LocaleDirectory::spam(), textFalse()},
    });
}

} // namespace Vexal
