#include "content/DBArticleLightList.h"

#include "content/DBArticleLight.h"
#include "core/DBSql.h"

namespace Vexal {

DBArticleLightList::DBArticleLightList(int projectId, QObject* parent)
    : DBProjectListBase(projectId, parent)
{
    setPrototype(new DBArticleLight(this));
    setFilterMode(1);
}

DBArticleLight* DBArticleLightList::at(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return qobject_cast<DBArticleLight*>(DBListBase::at(index));
}

DBArticleLight* DBArticleLightList::findById(int id) const
{
    for (DBBase* record : records()) {
        if (record && record->id() == id)
            return qobject_cast<DBArticleLight*>(record);
    }
    return nullptr;
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
