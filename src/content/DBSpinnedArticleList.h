#pragma once

#include "data/DBProjectListBase.h"
#include "data/DBTypedList.h"
#include "content/DBSpinnedArticle.h"

namespace Vexal {

// The spun articles of one project, or those of one article in it, as full
// or as light records.
template <class Record>
class DBSpinnedArticles : public DBTypedList<Record, DBProjectListBase>
{
    using Typed = DBTypedList<Record, DBProjectListBase>;

public:
    enum Mode { ModeProject = DBOwnedListBase::ModeOwner, ModeArticle = DBOwnedListBase::ModeKey };

    explicit DBSpinnedArticles(qint64 projectId, QObject* parent = nullptr)
        : Typed(projectId, parent)
    {
    }
    DBSpinnedArticles(qint64 projectId, qint64 articleId, QObject* parent = nullptr)
        : Typed(projectId, &DBSql::colArticleID, articleId, parent)
    {
    }

    qint64 articleId() const { return this->filterMode() == ModeArticle ? this->key().toLongLong() : -1; }
};

class DBSpinnedArticleList final : public DBSpinnedArticles<DBSpinnedArticle>
{
    Q_OBJECT
public:
    using DBSpinnedArticles::DBSpinnedArticles;
};

} // namespace Vexal
