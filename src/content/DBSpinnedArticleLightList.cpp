#include "content/DBSpinnedArticleLightList.h"

#include "content/DBSpinnedArticleLight.h"
#include "core/DBSql.h"

namespace Vexal {

DBSpinnedArticleLightList::DBSpinnedArticleLightList(int projectId, QObject* parent)
    : DBProjectListBase(projectId, parent)
    , m_articleId(-1)
{
    setPrototype(new DBSpinnedArticleLight(this));
    setFilterMode(ModeProject);
}

DBSpinnedArticleLightList::DBSpinnedArticleLightList(int projectId, int articleId, QObject* parent)
    : DBProjectListBase(projectId, parent)
    , m_articleId(articleId)
{
    setPrototype(new DBSpinnedArticleLight(this));
    setFilterMode(ModeArticle);
}

QString DBSpinnedArticleLightList::whereText() const
{
    if (filterMode() == ModeArticle)
        return QStringLiteral("%1 = %2 AND %3 = %4")
            .arg(DBSql::colProjectID(), QString::number(projectId()), DBSql::colArticleID(), QString::number(m_articleId));
    return DBProjectListBase::whereText();
}

DBSpinnedArticleLight* DBSpinnedArticleLightList::at(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return qobject_cast<DBSpinnedArticleLight*>(DBListBase::at(index));
}

DBSpinnedArticleLight* DBSpinnedArticleLightList::findById(int id) const
{
    for (DBBase* record : records()) {
        if (record && record->id() == id)
            return qobject_cast<DBSpinnedArticleLight*>(record);
    }
    return nullptr;
}

DBSpinnedArticleLight* DBSpinnedArticleLightList::firstOrCreate()
{
    if (count() > 0)
        return at(0);
    auto* spinnedArticleLight = new DBSpinnedArticleLight(this);
    spinnedArticleLight->setProjectId(projectId());
    append(spinnedArticleLight);
    return spinnedArticleLight;
}

} // namespace Vexal
