#include "content/DBSpinnedArticleList.h"

#include "content/DBSpinnedArticle.h"
#include "core/DBSql.h"

namespace Vexal {

DBSpinnedArticleList::DBSpinnedArticleList(int projectId, QObject* parent)
    : DBProjectListBase(projectId, parent)
    , m_articleId(-1)
{
    setPrototype(new DBSpinnedArticle(this));
    setFilterMode(ModeProject);
}

DBSpinnedArticleList::DBSpinnedArticleList(int projectId, int articleId, QObject* parent)
    : DBProjectListBase(projectId, parent)
    , m_articleId(articleId)
{
    setPrototype(new DBSpinnedArticle(this));
    setFilterMode(ModeArticle);
}

QString DBSpinnedArticleList::whereText() const
{
    if (filterMode() == ModeArticle)
        return QStringLiteral("%1 = %2 AND %3 = %4")
            .arg(DBSql::colProjectID(), QString::number(projectId()), DBSql::colArticleID(), QString::number(m_articleId));
    return DBProjectListBase::whereText();
}

DBSpinnedArticle* DBSpinnedArticleList::at(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return qobject_cast<DBSpinnedArticle*>(DBListBase::at(index));
}

DBSpinnedArticle* DBSpinnedArticleList::findById(int id) const
{
    for (DBBase* record : records()) {
        if (record && record->id() == id)
            return qobject_cast<DBSpinnedArticle*>(record);
    }
    return nullptr;
}

DBSpinnedArticle* DBSpinnedArticleList::firstOrCreate()
{
    if (count() > 0)
        return at(0);
    auto* spinnedArticle = new DBSpinnedArticle(this);
    spinnedArticle->setProjectId(projectId());
    if (filterMode() == ModeArticle)
        spinnedArticle->setArticleId(m_articleId);
    append(spinnedArticle);
    return spinnedArticle;
}

} // namespace Vexal
