#pragma once

#include "data/DBProjectListBase.h"
#include "data/DBTypedList.h"
#include "content/DBSpinnedArticleLight.h"

namespace Vexal {

// The spun articles of one project, or those of one article in it (light
// records: ID, Name, Comments, ProjectID).
class DBSpinnedArticleLightList final : public DBTypedList<DBSpinnedArticleLight, DBProjectListBase>
{
    Q_OBJECT
public:
    enum Mode { ModeProject = ModeOwner, ModeArticle = ModeKey };

    explicit DBSpinnedArticleLightList(int projectId, QObject* parent = nullptr)
        : DBTypedList(projectId, parent)
    {
    }
    DBSpinnedArticleLightList(int projectId, int articleId, QObject* parent = nullptr)
        : DBTypedList(projectId, &DBSql::colArticleID, articleId, parent)
    {
    }

    int articleId() const { return filterMode() == ModeArticle ? key().toInt() : -1; }
};

} // namespace Vexal
