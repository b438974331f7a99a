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
    enum Mode { ModeProject = 0, ModeArticle = 1 };

    explicit DBSpinnedArticleLightList(int projectId, QObject* parent = nullptr);
    DBSpinnedArticleLightList(int projectId, int articleId, QObject* parent = nullptr);

    QString whereText() const override;

    // The first record; on an empty list a new unsaved one, appended.
    DBSpinnedArticleLight* firstOrCreate();

    int articleId() const { return m_articleId; }

private:
    int m_articleId;
};

} // namespace Vexal
