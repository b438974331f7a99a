#pragma once

#include "automation/submit/DelegateSubmitter.h"

namespace Vexal {

class DBArticle;
class DBArticleTemplate;
class DBSpinnedArticle;

// Fills an article submission form with an article and one of its spun
// articles: Category, Title, Tags, Author's Bio, Intro and Body.
class DelegateArticleSubmitter final : public DelegateSubmitter
{
    Q_OBJECT
public:
    DelegateArticleSubmitter(const PageDomHandle& page, QObject* parent);

    // A websiteId below 0 goes straight to smart recognition.
    void submit(qint64 articleId, qint64 spunArticleId, qint64 websiteId);
    void fillByTemplate(const DBArticle* article, const DBSpinnedArticle* spunArticle,
                        const DBArticleTemplate* templ);
    void fillSmart(const DBArticle* article, const DBSpinnedArticle* spunArticle);
};

} // namespace Vexal
