#include "content/DBArticleLightList.h"

#include "content/DBArticleLight.h"
#include "core/DBSql.h"

namespace Vexal {

DBArticleLightList::DBArticleLightList(int projectId, QObject* parent)
    : DBTypedList(projectId, parent)
{
    setPrototype(new DBArticleLight(this));
    setFilterMode(1);
}

DBArticleLight* DBArticleLightList::firstOrCreate()
{
    if (count() > 0)
        return at(0);
    auto* articleLight = new DBArticleLight(this);
    articleLight->setProjectId(projectId());
    append(articleLight);
    return articleLight;
}

} // namespace Vexal
