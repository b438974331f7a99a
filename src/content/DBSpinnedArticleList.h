#pragma once

#include "data/DBProjectListBase.h"
#include "data/DBTypedList.h"
#include "content/DBSpinnedArticle.h"

namespace Vexal {

// The spun articles of one project, or those of one article in it.
class DBSpinnedArticleList final : public DBTypedList<DBSpinnedArticle, DBProjectListBase>
{
    Q_OBJECT
public:
    enum Mode { ModeProject = ModeOwner, ModeArticle = ModeKey };

    explicit DBSpinnedArticleList(int projectId, QObject* parent = nullptr)
        : DBTypedList(projectId, parent)
    {
    }
    DBSpinnedArticleList(int projectId, int articleId, QObject* parent = nullptr)
        : DBTypedList(projectId, &DBSql::colArticleID, articleId, parent)
    {
    }

    int articleId() const { return filterMode() == ModeArticle ? key().toInt() : -1; }
};

} // namespace Vexal
