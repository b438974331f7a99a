#pragma once

#include "data/DBProjectListBase.h"

namespace Vexal {

class DBSpinnedArticle;

// The spun articles of one project, or those of one article in it.
class DBSpinnedArticleList : public DBProjectListBase
{
    Q_OBJECT
public:
    enum Mode { ModeProject = 0, ModeArticle = 1 };

    explicit DBSpinnedArticleList(int projectId, QObject* parent = nullptr);
    DBSpinnedArticleList(int projectId, int articleId, QObject* parent = nullptr);

    QString whereText() const override;

    // Null outside the list, and when the entry is of another class.
    DBSpinnedArticle* at(int index) const;
    DBSpinnedArticle* findById(int id) const;
    // The first record; on an empty list a new unsaved one, appended.
    DBSpinnedArticle* firstOrCreate();

    int articleId() const { return m_articleId; }

private:
    int m_articleId;
};

} // namespace Vexal
