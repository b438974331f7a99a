#pragma once

#include "data/DBProjectListBase.h"

namespace Vexal {

class DBSpinnedArticleLight;

// The spun articles of one project, or those of one article in it (light
// records: ID, Name, Comments, ProjectID).
class DBSpinnedArticleLightList : public DBProjectListBase
{
    Q_OBJECT
public:
    enum Mode { ModeProject = 0, ModeArticle = 1 };

    explicit DBSpinnedArticleLightList(int projectId, QObject* parent = nullptr);
    DBSpinnedArticleLightList(int projectId, int articleId, QObject* parent = nullptr);

    QString whereText() const override;

    // Null outside the list, and when the entry is of another class.
    DBSpinnedArticleLight* at(int index) const;
    DBSpinnedArticleLight* findById(int id) const;
    // The first record; on an empty list a new unsaved one, appended.
    DBSpinnedArticleLight* firstOrCreate();

    int articleId() const { return m_articleId; }

private:
    int m_articleId;
};

} // namespace Vexal
