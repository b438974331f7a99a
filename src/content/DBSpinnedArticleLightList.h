#pragma once

#include "content/DBSpinnedArticleLight.h"
#include "content/DBSpinnedArticleList.h"

namespace Vexal {

// Light records: ID, Name, Comments, ProjectID.
class DBSpinnedArticleLightList final : public DBSpinnedArticles<DBSpinnedArticleLight>
{
    Q_OBJECT
public:
    using DBSpinnedArticles::DBSpinnedArticles;
};

} // namespace Vexal
