#include "content/DBArticleList.h"

#include "content/DBArticle.h"
#include "core/DBSql.h"

namespace Vexal {

DBArticleList::DBArticleList(int projectId, QObject* parent)
    : DBProjectListBase(projectId, parent)
{
    setPrototype(new DBArticle(this));
    setFilterMode(1);
}

DBArticle* DBArticleList::at(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return qobject_cast<DBArticle*>(DBListBase::at(index));
}

DBArticle* DBArticleList::findById(int id) const
{
    for (DBBase* record : records()) {
        if (record && record->id() == id)
            return qobject_cast<DBArticle*>(record);
    }
    return nullptr;
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
