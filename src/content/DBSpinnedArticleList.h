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
    enum Mode { ModeProject = 0, ModeArticle = 1 };

    explicit DBSpinnedArticleList(int projectId, QObject* parent = nullptr);
    DBSpinnedArticleList(int projectId, int articleId, QObject* parent = nullptr);

    QString whereText() const override;

    // The first record; on an empty list a new unsaved one, appended.
    DBSpinnedArticle* firstOrCreate();

    int articleId() const { return m_articleId; }

private:
    int m_articleId;
};

} // namespace Vexal
