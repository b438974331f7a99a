#include "content/DBArticleList.h"

#include "content/DBArticle.h"
#include "core/DBSql.h"

namespace Vexal {

DBArticleList::DBArticleList(int projectId, QObject* parent)
    : DBTypedList(projectId, parent)
{
    setPrototype(new DBArticle(this));
    setFilterMode(1);
}

DBArticle* DBArticleList::firstOrCreate()
{
    if (count() > 0)
        return at(0);
    auto* article = new DBArticle(this);
    article->setProjectId(projectId());
    append(article);
    return article;
}

} // namespace Vexal
