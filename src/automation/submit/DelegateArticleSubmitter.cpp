#include "automation/submit/DelegateArticleSubmitter.h"

#include "automation/templates/DBArticleTemplate.h"
#include "automation/templates/DBTemplateList.h"
#include "automation/smart/SmartArticle.h"
#include "automation/smart/SmartElement.h"
#include "automation/submit/SmartContentValues.h"
#include "content/DBArticle.h"
#include "content/DBSpinnedArticle.h"
#include "content/SPNFinalParser.h"
#include "texts/Utils.h"
#include "texts/LocaleArticle.h"

namespace Vexal {

DelegateArticleSubmitter::DelegateArticleSubmitter(const PageDomHandle& page, QObject* parent)
    : DelegateSubmitter(page, parent)
{
}

void DelegateArticleSubmitter::submit(qint64 articleId, qint64 spunArticleId, qint64 websiteId)
{
    DBArticle article;
    if (!article.load(articleId)) {
        reportRecordError(&article);
        return;
    }
    DBSpinnedArticle spunArticle;
    if (!spunArticle.load(spunArticleId)) {
        reportRecordError(&spunArticle);
        return;
    }
    fillByFirstTemplate(
        DBTemplateList::KindArticle, websiteId, &DBTemplateList::articleTemplateAt,
        [&](const DBArticleTemplate* templ) { fillByTemplate(&article, &spunArticle, templ); },
        [&] { fillSmart(&article, &spunArticle); });
    tell();
}

void DelegateArticleSubmitter::fillByTemplate(const DBArticle* article, const DBSpinnedArticle* spunArticle,
                                              const DBArticleTemplate* templ)
{
    const QStringList categories = categoryNames(article->categoryId());
    SPNFinalParser parser;
    parser.parse(spunArticle);

    TemplateField category{templ->category(), LocaleArticle::categoryField(), categories};
    fillFields(templ, {
        category,
        {templ->title(), LocaleArticle::title(), parser.title()},
        TemplateField(templ->tags(), LocaleArticle::tags(), Utils::normalizeTags(article->tags())).shapedAs(SmartElement::KindTags),
        {templ->author(), LocaleArticle::authorsBio(), article->author()},
        {templ->intro(), LocaleArticle::intro(), parser.intro()},
        {templ->body(), LocaleArticle::body(), parser.body()},
    });
}

void DelegateArticleSubmitter::fillSmart(const DBArticle* article, const DBSpinnedArticle* spunArticle)
{
    SmartArticle* smart = recognise<SmartArticle>();
    if (!smart)
        return;

    SPNFinalParser parser;
    parser.parse(spunArticle);
    const QStringList categories = categoryNames(article->categoryId());

    using E = SmartElement;
    SmartField category{E::KindCategory, LocaleArticle::categoryField(), categories};
    fillSmartFields(smart->elements(), {
        category,
        {E::KindTitle, LocaleArticle::title(), parser.title()},
        {E::KindTags, LocaleArticle::tags(), SmartContentValues::tags(smart->elements(), article->tags())},
        {E::KindBio, LocaleArticle::authorsBio(), article->author()},
        {E::KindIntro, LocaleArticle::intro(), parser.intro()},
        {E::KindBody, LocaleArticle::body(), parser.body()},
        {E::KindTerms, LocaleArticle::acceptTerms(), textTrue()},
        {E::KindSpam, LocaleArticle::spam(), textFalse()},
    });
}

} // namespace Vexal
